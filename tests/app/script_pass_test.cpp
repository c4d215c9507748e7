// Silent runs over the reference executable with scripts in the config's [flipeffects] and
// [racetimer] sections: the linked images land in the extended area and disassemble to the
// instructions their commands name, every hook holds the bytes its state asks for, and a script
// with an error leaves every hook in its default state while the pass still commits.
#include <gtest/gtest.h>

#include <cstdio>

#include "furr/command_set.h"
#include "furr/feditor.h"
#include "furr/rteditor.h"
#include "patcher/pass_fixture.h"
#include "reflayout/layout.h"
#include "support/built_in_config.h"
#include "support/objdump.h"

namespace olvex::app {
namespace {

using patcher::test::Expect;
using patcher::test::join;
using patcher::test::PassTest;
using patcher::test::positionOf;

const std::string kFlipSection =
    "/Effect00\r\n/Annotation=kill once\r\n/DoOnlyOnce=1\r\nKILL_LARA\r\n/Effect02\r\nCALL_FLIP 5\r\n";
const std::string kRaceSection = "/Event01\r\n/Annotation=ping\r\n/Time=0:10\r\nPLAY_SAMPLE 105\r\n";
constexpr std::size_t kFlipImage = 0x2100 + 49, kRaceImage = 41;  // the scripts' linked lengths
constexpr std::uint32_t kFlipBase = 0x813000, kFlipBaseRemapped = 0xC13000;
constexpr std::uint32_t kRaceRva = 8728576, kRaceRvaRemapped = 12922880;

// Messages of a run, without the one about the absent patch set.
std::vector<std::string> scriptMessages(const test::TestHost& host) {
  std::vector<std::string> r;
  for (const std::string& t : host.texts())
    if (t.find("patch set") == std::string::npos) r.push_back(t);
  return r;
}

std::string hex32(std::uint32_t v) {
  char b[16];
  std::snprintf(b, sizeof b, "%x", v);
  return b;
}

std::uint32_t le32(const std::string& s, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(s.at(at + i));
  return v;
}

class ScriptPassTest : public PassTest {
 protected:
  void writeConfig(const std::vector<std::pair<std::string, std::string>>& values, const std::string& flips,
                   const std::string& events) {
    patcher::test::putBytes(dir.file("olvex.cfg"), shell::testing::builtInConfigWith(values, flips, events));
    patcher::test::putBytes(dir.file("syntax.fln"), std::string(furr::BuiltInCommandSetText()) + "\r\n");
  }

  // Start-up in silent mode: the pass runs and every window is unloaded.
  void silentRun() {
    ui::Forms::reset();
    host.messages.clear();
    ui::Forms::get<shell::Form1>();
    ASSERT_FALSE(ui::Forms::loaded<shell::Form1>());
    EXPECT_FALSE(workingCopyLeft());
    EXPECT_FALSE(std::filesystem::exists(dir.file("yiff.tmp")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("timr.tmp")));
  }

  static std::vector<std::pair<std::string, std::string>> scriptsOn(bool remap, bool call) {
    return {{"SilentPatch", "1"},          {"ExtendExeSize", "1"},          {"ExtendSaveGame", "1"},
            {"RemapSceneMemory", remap ? "1" : "0"}, {"EnableFlipeffectEditor", "1"},
            {"EnableRaceTimerWorkaround", "1"},        {"RaceTimerWorkaroundMethod", call ? "1" : "0"},
            {"TimerFontEffectID", "300"},             {"TimerVisibleThresh", "1:30"}};
  }

  // What the main and size stages write for extension, advanced savegame and the remap.
  static std::vector<Expect> extendedBase(bool remap) {
    return join(remap ? patcher::test::kExtendedRemapped : patcher::test::kExtended,
                {{"ExtSGameBaseOffset", remap}, {"ExtSGameInsideOffset#", remap}, {"SavePathOffset", 0},
                 {"StackCorrectionOffset#", 0}});
  }

  // The timer's font effect id 300 is written as 255, the visibility limit 1:30 as 2700 frames.
  static void timerOptions(std::string& file) {
    file[positionOf("RaceFontEffectIDOffset") - 1] = '\xFF';
    file.replace(positionOf("RaceHideLimitOffset") - 1, 4, std::string("\x8C\x0A\x00\x00", 4));
  }

  void expectFile(std::string expected) {
    timerOptions(expected);
    EXPECT_EQ(patcher::test::differences(exeBytes(), expected), "");
  }
};

TEST_F(ScriptPassTest, LinkedScriptsAndTheirHooksForEachRemapAndEntry) {
  if (!test::HaveObjdump()) GTEST_SKIP() << "objdump is not installed";
  for (bool remap : {false, true}) {
    for (bool call : {false, true}) {
      SCOPED_TRACE(std::string(remap ? "remapped" : "standard") + (call ? ", call" : ", jump"));
      patcher::test::putBytes(exe(), reflayout::referenceExecutable());
      writeConfig(scriptsOn(remap, call), kFlipSection, kRaceSection);
      silentRun();
      EXPECT_EQ(scriptMessages(host), std::vector<std::string>{});
      const std::string file = exeBytes();
      ASSERT_EQ(file.size(), patcher::test::kExtendedLength);

      // Every byte outside the two images is the expected hook or option.
      std::vector<Expect> expects = extendedBase(remap);
      const int variant = remap ? 1 : 0;
      for (const char* hook : {"FEBaseProcOffset", "FEBaseProcOffset2", "FEBaseProcOffset3", "FEOnlyOnceDefProcOffset"})
        expects.push_back({hook, variant});
      expects.insert(expects.end(), {{"ConvertFlipTypeOffset#", 0}, {"FEAddressMapOffset", 0}, {"RaceBaseOffset", 1 + variant}});
      std::string expected = patcher::test::expectedFile(true, expects);
      if (call) expected[positionOf("RaceBaseOffset") - 1] = '\xE8';
      const std::size_t flipAt = positionOf("FEExtAddressesBaseOffset") - 1;
      const std::size_t raceAt = positionOf("RaceExtProcArrayOffset") - 1;
      expected.replace(flipAt, kFlipImage, file.substr(flipAt, kFlipImage));
      expected.replace(raceAt, kRaceImage, file.substr(raceAt, kRaceImage));
      expectFile(expected);

      // The flipeffect image: slot 0 (one-shot) and slot 2 in the address table, their code.
      const std::uint32_t base = remap ? kFlipBaseRemapped : kFlipBase;
      const std::string image = file.substr(flipAt, kFlipImage);
      EXPECT_EQ(le32(image, 0), base + 0x2100);
      EXPECT_EQ(le32(image, 4), 0u);
      EXPECT_EQ(le32(image, 8), base + 0x2100 + 42);
      std::vector<std::string> code;
      for (const std::string& i : test::Disassemble(image.substr(0x2100, 49), base + 0x2100))
        code.push_back(i.substr(i.find(": ") + 2));
      EXPECT_EQ(code, (std::vector<std::string>{
                          "push ebx", "push ecx", remap ? "mov ecx,0xd90000" : "mov ecx,0x990000", "mov ebx,0x2f",
                          "sub ebx,0x2f", "mov BYTE PTR [ecx+ebx*1],0x1", "pop ecx", "pop ebx",
                          "mov WORD PTR ds:0x4acbfe,0x2f", "mov eax,ds:0x80e11c", "mov WORD PTR [eax+0x22],0x0", "ret",
                          "call DWORD PTR ds:0x4abe94", "ret"}));
      // The one-shot gate is in place.
      EXPECT_EQ(test::Disassemble(image.substr(0x1000, 2), base + 0x1000).at(0), hex32(base + 0x1000) + ": push ebx");

      // The race-timer procedure: count, compare with 0:10 (301 frames), the event, return.
      const std::uint32_t rva = remap ? kRaceRvaRemapped : kRaceRva;
      EXPECT_EQ(test::Disassemble(file.substr(raceAt, kRaceImage), rva),
                (std::vector<std::string>{
                    hex32(rva) + ": inc DWORD PTR ds:0x7f7746", hex32(rva + 6) + ": cmp DWORD PTR ds:0x7f7746,0x12d",
                    hex32(rva + 16) + ": jne 0x" + hex32(rva + 40), hex32(rva + 22) + ": push 0x0",
                    hex32(rva + 24) + ": push 0x0", hex32(rva + 26) + ": push 0x69",
                    hex32(rva + 31) + ": call DWORD PTR ds:0x4b7e2f", hex32(rva + 37) + ": add esp,0xc",
                    hex32(rva + 40) + ": ret"}));
    }
  }
}

TEST_F(ScriptPassTest, OneShotFlagsNeedAdvancedSavegameManagement) {
  auto values = scriptsOn(false, false);
  values.push_back({"ExtendSaveGame", "0"});
  writeConfig(values, kFlipSection, kRaceSection);
  silentRun();
  EXPECT_EQ(scriptMessages(host), std::vector<std::string>{});
  // The table calls lead into the image; the one-shot hooks keep their defaults.
  std::string expected = patcher::test::expectedFile(
      true, join(patcher::test::kExtended, {{"FEBaseProcOffset", 0}, {"FEBaseProcOffset2", 0}, {"FEBaseProcOffset3", 0},
                                             {"FEAddressMapOffset", 0}, {"RaceBaseOffset", 1}}));
  const std::string file = exeBytes();
  const std::size_t flipAt = positionOf("FEExtAddressesBaseOffset") - 1;
  const std::size_t raceAt = positionOf("RaceExtProcArrayOffset") - 1;
  const std::size_t plainImage = kFlipImage - 30;  // no one-shot prologue
  expected.replace(flipAt, plainImage, file.substr(flipAt, plainImage));
  expected.replace(raceAt, kRaceImage, file.substr(raceAt, kRaceImage));
  expectFile(expected);
  // No gate: the plain procedure alone.
  EXPECT_EQ(file.substr(flipAt + 0x1000, 43), std::string(43, '\0'));
  EXPECT_EQ(le32(file, flipAt), kFlipBase + 0x2100);
  EXPECT_EQ(static_cast<unsigned char>(file[flipAt + 0x2100]), 0xA1);  // mov eax,[Lara]
}

// A greyed savegame box over a file that holds the savegame hooks keeps them, and with them the
// one-shot flags: the second pass writes the file the first one wrote.
TEST_F(ScriptPassTest, AGreyedSavegameBoxOverItsHooksKeepsTheOneShotFlags) {
  writeConfig(scriptsOn(false, false), kFlipSection, kRaceSection);
  silentRun();
  const std::string first = exeBytes();
  auto values = scriptsOn(false, false);
  values.push_back({"ExtendSaveGame", "2"});
  writeConfig(values, kFlipSection, kRaceSection);
  silentRun();
  EXPECT_EQ(scriptMessages(host), std::vector<std::string>{});
  EXPECT_EQ(patcher::test::differences(exeBytes(), first), "");
}

// Without the extension, or with a script that fails to link, every hook keeps its default (an
// inverted timer's own step stays at the race hook) and the pass still commits.
TEST_F(ScriptPassTest, WithoutAnImageEveryHookKeepsItsDefault) {
  const struct {
    const char* name;
    std::vector<std::pair<std::string, std::string>> values;
    std::string flipError, raceError;  // lines added to the scripts
    std::vector<Expect> expects;
    bool extended;
    std::vector<std::string> messages;
  } rows[] = {
      {"not extended", {{"ExtendExeSize", "0"}, {"ExtendSaveGame", "0"}}, "", "", {{"FEAddressMapOffset", 0}}, false, {}},
      {"errors", {{"InvertRaceTimer", "1"}}, "BOGUS 1\r\n", "KILL_LARA 5\r\n",
       join(extendedBase(false), {{"FEAddressMapOffset", 0}, {"RaceBaseOffset", 0}}), true,
       {"Errors found in flipeffect 49.\r\nPlease fix all errors and try again",
        "Errors found in race timer event 1.\r\nPlease fix all errors and try again"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    auto values = scriptsOn(false, true);
    values.insert(values.end(), r.values.begin(), r.values.end());
    writeConfig(values, kFlipSection + r.flipError, kRaceSection + r.raceError);
    silentRun();
    EXPECT_EQ(scriptMessages(host), r.messages);
    expectFile(patcher::test::expectedFile(r.extended, r.expects));
    patcher::test::putBytes(exe(), reflayout::referenceExecutable());
  }
}

// A pass from the main window leaves each editor showing the script whose line failed, with its
// message, where the user can mend it.
TEST_F(ScriptPassTest, AfterALinkErrorEachEditorShowsTheFailingScript) {
  auto values = scriptsOn(false, true);
  values.push_back({"SilentPatch", "0"});
  writeConfig(values, kFlipSection + "BOGUS 1\r\n",
              kRaceSection + "/Event02\r\n/Time=0:20\r\nKILL_LARA 5\r\n");
  start();
  furr::FEditor& flip = ui::Forms::get<furr::FEditor>();
  furr::RTEditor& race = ui::Forms::get<furr::RTEditor>();
  ASSERT_EQ(flip.Combo1.text() + " " + race.Combo2.text(), "47 1");
  pass();
  EXPECT_EQ(scriptMessages(host).size(), 2u);
  EXPECT_EQ(flip.Combo1.text(), "49");
  EXPECT_EQ(flip.Text1.text(), "CALL_FLIP 5\r\nBOGUS 1");
  EXPECT_EQ(race.Combo2.text(), "2");
  EXPECT_EQ(race.Text2.text(), "KILL_LARA 5");
  for (const ui::Label* status : {&flip.Label2, &race.Label11}) {
    EXPECT_EQ(status->foreColor(), furr::kErrorColour);
    EXPECT_NE(status->caption(), "spellcheck OK");
  }
}

}  // namespace
}  // namespace olvex::app
