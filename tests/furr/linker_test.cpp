#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "furr/flip_linker.h"
#include "furr/race_linker.h"
#include "platform/files.h"
#include "platform/temp_folder.h"
#include "support/test_host.h"

namespace olvex::furr {
namespace {

using platform::test_files::TempFolder;

std::string bytes(const std::string& hex) {
  std::string r;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) r += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return r;
}

std::string le32(std::int64_t v) {
  std::string r;
  for (int i = 0; i < 4; ++i) r += static_cast<char>((static_cast<std::uint64_t>(v) >> (8 * i)) & 0xFF);
  return r;
}

void put(std::string& image, std::size_t at, const std::string& b) {
  if (image.size() < at + b.size()) image.resize(at + b.size(), '\0');
  image.replace(at, b.size(), b);
}

// The built-in set plus a command whose template calls a game routine through a relative target,
// and one that stores the flipeffect's own number.
CommandSet linkSet() {
  CommandSet set = BuiltInCommandSet();
  CommandSet extra = ParseCommandSet("E8//00454B30 0 0 KILLCALL\r\n66C705FECB4A000000 7 0 THISFLIP CURR_FLIP").set;
  set.commands.insert(set.commands.end(), extra.commands.begin(), extra.commands.end());
  return set;
}

constexpr std::int64_t kExtStart = 790529;
constexpr std::int64_t kRaceStart = kExtStart + 0x40000;
const std::string kGateNoRel = "5351668B1DFECB4A00B9000099000FBFD883EB2F803C1901750466B8FFFF595B66A3FCCB4A00E9966BC3FF";
const std::string kGateYoRel = "5351668B1DFECB4A00B90000D9000FBFD883EB2F803C1901750466B8FFFF595B66A3FCCB4A00E9966B83FF";
const std::string kErrorTail = ".\r\nPlease fix all errors and try again";

class FlipLinker : public ::testing::Test {
 protected:
  FlipLinkResult link(const std::vector<FlipSlot>& slots) {
    return LinkFlipeffects(set, slots, options, version, folder.path() + "/");
  }
  std::string yiff() const { return folder.file("yiff.tmp"); }

  test::TestHost host;
  TempFolder folder;
  CommandSet set = linkSet();
  FlipLinkOptions options{true, true, false, false, OneShotMode::Pre};
  FlipVersionData version{"B8AA000000FFE0", "B8BB000000FFE0", kExtStart, kRaceStart};
};

TEST_F(FlipLinker, OffWhenDisabledOrNotExtended) {
  options.editorEnabled = false;
  EXPECT_EQ(link({{"NOP"}}).status, LinkStatus::Disabled);
  EXPECT_TRUE(host.messages.empty());
  options = {true, false};
  FlipLinkResult r = link({{"NOP"}});
  EXPECT_EQ(r.status, LinkStatus::Failed);
  EXPECT_EQ(host.texts(), std::vector<std::string>{"You haven't extended tomb4.exe filesize for new flipeffects.\r\n"
                                                   "To do so, go to main window and select ''Extend tomb4.exe size'' option"});
  EXPECT_FALSE(std::filesystem::exists(yiff()));
}

TEST_F(FlipLinker, EmptySlotsGiveTheTableAreaAndTheProcedure) {
  FlipLinkResult r = link({{""}, {"  "}, {""}});
  ASSERT_TRUE(r.linked());
  EXPECT_EQ(r.image, std::string(0x2000, '\0') + bytes("B8AA000000FFE0"));
  EXPECT_EQ(r.oneShotCount, 0);
  EXPECT_EQ(platform::readFile(yiff()), r.image);
}

TEST_F(FlipLinker, PacksTheCodeAndFillsTheTable) {
  FlipLinkResult r = link({{"MOV_BYTE 80DE1C 5\r\nNOP\r\nNOP"}, {""}, {"NOP\r\nNOP\r\nNOP\r\nNOP\r\nNOP"}});
  ASSERT_TRUE(r.linked());
  std::string want(0x2000, '\0');
  put(want, 0, bytes("00518100"));
  put(want, 8, bytes("0A518100"));
  put(want, 0x2000, bytes("B8AA000000FFE0"));
  put(want, 0x2100, bytes("C6051CDE8000059090C3"));
  put(want, 0x210A, bytes("9090909090C3"));
  EXPECT_EQ(r.image, want);
  EXPECT_EQ(platform::readFile(yiff()), want);
}

TEST_F(FlipLinker, OneShotSlotsAtTheRemappedBase) {
  options.remapSceneMemory = true;
  options.advancedSavegame = true;
  FlipLinkResult r = link({{"", 1}, {"NOP", 1}, {"NOP", 2}});
  ASSERT_TRUE(r.linked());
  EXPECT_EQ(r.oneShotCount, 2);  // an empty one-shot slot counts; a flag of 2 does not
  const std::string code48 = "5351B90000D900BB3000000083EB2FC6041901595B66C705FECB4A00300090C3";
  std::string want(0x2000, '\0');
  put(want, 4, bytes("0051C100"));
  put(want, 8, le32(0xC15100 + code48.size() / 2));
  put(want, 0x1000, bytes(kGateYoRel));
  put(want, 0x2000, bytes("B8BB000000FFE0"));
  put(want, 0x2100, bytes(code48 + "90C3"));
  EXPECT_EQ(r.image, want);

  options.remapSceneMemory = false;
  EXPECT_EQ(link({{"", 1}}).image.substr(0x1000, 43), bytes(kGateNoRel));
}

TEST_F(FlipLinker, RelativeTargetsMeasureFromTheirFinalAddress) {
  FlipLinkResult r = link({{"NOP"}, {"NOP\r\nKILLCALL"}});
  ASSERT_TRUE(r.linked());
  // Slot 48's code starts at 0x815102; its call field ends at 0x815102 + 6.
  EXPECT_EQ(r.image.substr(0x2102, 7), "\x90\xE8" + le32(0x454B30 - (0x815102 + 6)) + "\xC3");
}

TEST_F(FlipLinker, SlotWithErrorsStopsTheLink) {
  platform::writeFileAtomic(yiff(), "stale");
  std::vector<FlipSlot> slots(6, FlipSlot{"NOP"});
  slots[5].code = "NOP\r\nCALL_FLIP 47";
  slots.push_back({"FOO"});
  FlipLinkResult r = link(slots);
  EXPECT_EQ(r.status, LinkStatus::Failed);
  EXPECT_EQ(r.failedSlot, 5);
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Errors found in flipeffect 52" + kErrorTail});
  EXPECT_FALSE(std::filesystem::exists(yiff()));
}

TEST_F(FlipLinker, ImageMustFitItsAreas) {
  struct Case {
    const char* what;
    std::vector<FlipSlot> slots;
    std::int64_t raceStart;
    std::string procedure;
    bool linked;
  };
  std::vector<FlipSlot> full(1025);
  std::vector<FlipSlot> lastUsed = full;
  lastUsed.back().code = "NOP";
  const std::vector<Case> cases = {
      {"code reaches the race procedure", {{"NOP\r\nNOP"}}, kExtStart + 0x2102, "C3", false},
      {"code ends at the race procedure", {{"NOP\r\nNOP"}}, kExtStart + 0x2103, "C3", true},
      {"procedure longer than 256 bytes", {}, kRaceStart, std::string(514, '9'), false},
      {"procedure of 256 bytes", {}, kRaceStart, std::string(512, '9'), true},
      {"slot beyond the address table", lastUsed, kRaceStart, "C3", false},
      {"empty slots beyond the table", full, kRaceStart, "C3", true},
      {"no room at all", {}, 0, "C3", false},
  };
  for (const Case& c : cases) {
    version.raceExtProcArrayOffset = c.raceStart;
    version.extProcedureNoRel = c.procedure;
    EXPECT_EQ(link(c.slots).linked(), c.linked) << c.what;
    EXPECT_EQ(std::filesystem::exists(yiff()), c.linked) << c.what;
  }
}

class RaceLinker : public ::testing::Test {
 protected:
  LinkResult link(const std::vector<RaceEvent>& events) {
    return LinkRaceTimer(set, events, options, version, folder.path());
  }
  std::string timr() const { return folder.file("timr.tmp"); }

  test::TestHost host;
  TempFolder folder;
  CommandSet set = linkSet();
  RaceLinkOptions options{true, true, false, false};
  RaceVersionData version{" FF0546777F00", "FF0D46777F00", 8728576, 12922880, kRaceStart, kExtStart, 524287};
};

TEST_F(RaceLinker, OffWhenDisabledOrNotExtended) {
  options.editorEnabled = false;
  EXPECT_EQ(link({{"NOP", 0, 1}}).status, LinkStatus::Disabled);
  options = {true, false};
  EXPECT_EQ(link({{"NOP", 0, 1}}).status, LinkStatus::Failed);
  EXPECT_EQ(host.texts(), std::vector<std::string>{"You haven't extended tomb4.exe filesize for timer workaround.\r\n"
                                                   "To do so, go to main window and select ''Extend tomb4.exe size'' option"});
  EXPECT_FALSE(std::filesystem::exists(timr()));
}

TEST_F(RaceLinker, WholeProcedures) {
  struct Case {
    const char* what;
    std::vector<RaceEvent> events;
    bool invert;
    std::string hex;
  };
  const std::vector<Case> cases = {
      {"no events", {{""}, {"   "}}, false, "FF0546777F00C3"},
      {"inverted", {}, true, "FF0D46777F00C3"},
      {"one event at 0:10",
       {{"MOV_BYTE 80DE1C 5", 0, 10}},
       false,
       "FF0546777F00813D46777F002D0100000F8507000000C6051CDE800005C3"},
      {"fractions of a second and the moment 0:00",
       {{"NOP", 0, 12.5f}, {"RET", 0, 0}},
       false,
       "FF0546777F00813D46777F00780100000F850100000090813D46777F00010000000F8501000000C3C3"},
      {"a moment before the start is left out", {{"NOP", -1, 0}}, false, "FF0546777F00C3"},
  };
  for (const Case& c : cases) {
    options.invertTimer = c.invert;
    LinkResult r = link(c.events);
    ASSERT_TRUE(r.linked()) << c.what;
    EXPECT_EQ(r.image, bytes(c.hex)) << c.what;
    EXPECT_EQ(platform::readFile(timr()), r.image) << c.what;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(RaceLinker, RelativeTargetsMeasureFromTheProcedureStart) {
  options.remapSceneMemory = true;
  LinkResult r = link({{"KILLCALL", 0, 1}, {"KILLCALL", 0, 2}});
  ASSERT_TRUE(r.linked());
  const std::int64_t base = 0xC53000;
  // Step 6 bytes, head 16, call 5: the first call field ends at 27, the second at 48.
  EXPECT_EQ(r.image.substr(22, 5), "\xE8" + le32(0x454B30 - (base + 27)));
  EXPECT_EQ(r.image.substr(43, 5), "\xE8" + le32(0x454B30 - (base + 48)));
  EXPECT_EQ(r.image.size(), 49u);
}

TEST_F(RaceLinker, Failures) {
  struct Case {
    const char* what;
    std::vector<RaceEvent> events;
    std::int64_t extendedSizeNum;
    std::int32_t loadAddress;
    std::string message;
  };
  const std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
  const std::vector<Case> cases = {
      {"errors", {{"NOP", 0, 1}, {"NOP 1", 0, 2}}, 524287, 8728576, "Errors found in race timer event 2" + kErrorTail},
      {"no CURR_FLIP in events", {{"THISFLIP"}}, 524287, 8728576, "Errors found in race timer event 1" + kErrorTail},
      {"moment out of range", {{"NOP", 1e9f, 0}}, 524287, 8728576, "The moment of race timer event 1 is out of range."},
      {"too long", {{"NOP", 0, 1}}, 0x40000 - 1 + 22, 8728576,
       "The race timer events do not fit into the extended area: they need 24 bytes, the area holds 22."},
      {"load address out of range", {{"NOP", 0, 1}}, 524287, lowest,
       "The race timer events cannot be linked: load address out of range"},
  };
  for (const Case& c : cases) {
    platform::writeFileAtomic(timr(), "stale");
    host.messages.clear();
    version.extendedSizeNum = c.extendedSizeNum;
    version.extRvaNoRel = c.loadAddress;
    LinkResult r = link(c.events);
    EXPECT_EQ(r.status, LinkStatus::Failed) << c.what;
    EXPECT_EQ(host.texts(), std::vector<std::string>{c.message}) << c.what;
    EXPECT_FALSE(std::filesystem::exists(timr())) << c.what;
  }
}

}  // namespace
}  // namespace olvex::furr
