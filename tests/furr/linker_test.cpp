#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "furr/flip_linker.h"
#include "furr/parameters.h"
#include "furr/race_linker.h"
#include "platform/files.h"
#include "platform/temp_folder.h"
#include "shell/conversions.h"
#include "support/test_host.h"

namespace olvex::furr {
namespace {

using shell::wb;

// A 32-bit value as little-endian hex.
std::string le32(std::int64_t v) { return LittleEndianHex(v, 4); }

constexpr std::int64_t kExtStart = 790529;
constexpr std::int64_t kRaceStart = kExtStart + 0x40000;
const std::string kErrorTail = ".\r\nPlease fix all errors and try again";

class Linkers : public ::testing::Test {
 protected:
  Linkers() {
    // A command that calls a game routine through a relative target, and one that stores the
    // flipeffect's own number.
    CommandSet extra = ParseCommandSet("E8//00454B30 0 0 KILLCALL\r\n66C705FECB4A000000 7 0 THISFLIP CURR_FLIP").set;
    set.commands.insert(set.commands.end(), extra.commands.begin(), extra.commands.end());
  }
  FlipLinkResult linkFlips(const std::vector<FlipSlot>& slots) {
    return LinkFlipeffects(set, slots, flipOptions, flipVersion, folder.path() + "/");
  }
  LinkResult linkRace(const std::vector<RaceEvent>& events) {
    return LinkRaceTimer(set, events, raceOptions, raceVersion, folder.path());
  }
  std::string yiff() const { return folder.file("yiff.tmp"); }
  std::string timr() const { return folder.file("timr.tmp"); }

  test::TestHost host;
  platform::test_files::TempFolder folder;
  CommandSet set = BuiltInCommandSet();
  FlipLinkOptions flipOptions{true, true, false, true, OneShotMode::Pre};
  FlipVersionData flipVersion{"B8AA000000FFE0", "B8BB000000FFE0", kExtStart, kRaceStart};
  RaceLinkOptions raceOptions{true, true, false, false};
  RaceVersionData raceVersion{" FF0546777F00", "FF0D46777F00", 8728576, 12922880, kRaceStart, kExtStart, 524287};
};

TEST_F(Linkers, OffWhenDisabledOrNotExtended) {
  flipOptions.editorEnabled = raceOptions.editorEnabled = false;
  EXPECT_EQ(linkFlips({{"NOP"}}).status, LinkStatus::Disabled);
  EXPECT_EQ(linkRace({{"NOP", 0, 1}}).status, LinkStatus::Disabled);
  EXPECT_TRUE(host.messages.empty());
  flipOptions = {true, false};
  raceOptions = {true, false};
  EXPECT_EQ(linkFlips({{"NOP"}}).status, LinkStatus::Failed);
  EXPECT_EQ(linkRace({{"NOP", 0, 1}}).status, LinkStatus::Failed);
  const std::string tail = "\r\nTo do so, go to main window and select ''Extend tomb4.exe size'' option";
  EXPECT_EQ(host.texts(), (std::vector<std::string>{"You haven't extended tomb4.exe filesize for new flipeffects." + tail,
                                                    "You haven't extended tomb4.exe filesize for timer workaround." + tail}));
  EXPECT_FALSE(std::filesystem::exists(yiff()) || std::filesystem::exists(timr()));
}

// The image: the address table, the one-shot gate at 0x1000, the procedure at 0x2000 and the
// slots' code from 0x2100.
TEST_F(Linkers, FlipeffectImages) {
  const std::string gate = "5351668B1DFECB4A00B9000099000FBFD883EB2F803C1901750466B8FFFF595B66A3FCCB4A00E9966BC3FF";
  const std::string gateRemapped =
      "5351668B1DFECB4A00B90000D9000FBFD883EB2F803C1901750466B8FFFF595B66A3FCCB4A00E9966B83FF";
  struct Case {
    const char* what;
    bool remap;
    std::vector<FlipSlot> slots;
    std::vector<std::pair<std::size_t, std::string>> hexAt;  // image offset, bytes; zeros elsewhere
    int oneShotCount;
  };
  const std::vector<Case> cases = {
      {"empty slots: the table area and the procedure", false, {{""}, {"  "}, {""}}, {}, 0},
      {"code packed, entries of slots with code",
       false,
       {{"MOV_BYTE 80DE1C 5\r\nNOP\r\nNOP"}, {""}, {"NOP\r\nNOP\r\nNOP\r\nNOP\r\nNOP"}},
       {{0, "00518100"}, {8, "0A518100"}, {0x2100, "C6051CDE8000059090C3"}, {0x210A, "9090909090C3"}},
       0},
      {"one-shot slots at the remapped base; an empty one counts, a flag of 2 does not",
       true,
       {{"", 1}, {"NOP", 1}, {"NOP", 2}},
       {{4, "0051C100"},
        {8, "2051C100"},
        {0x1000, gateRemapped},
        {0x2100, "5351B90000D900BB3000000083EB2FC6041901595B66C705FECB4A00300090C390C3"}},
       2},
      {"the gate at the standard base", false, {{"", 1}}, {{0x1000, gate}}, 1},
      {"relative targets measured from their final address",
       false,
       {{"NOP"}, {"NOP\r\nKILLCALL"}},
       {{0, "00518100"}, {4, "02518100"}, {0x2100, "90C390E8" + le32(0x454B30 - (0x815102 + 6)) + "C3"}},
       0},
  };
  for (const Case& c : cases) {
    flipOptions.remapSceneMemory = c.remap;
    std::string want = std::string(0x2000, '\0') + wb(c.remap ? "B8BB000000FFE0" : "B8AA000000FFE0");
    for (const auto& [at, hex] : c.hexAt) {
      want.resize(std::max(want.size(), at + hex.size() / 2), '\0');
      want.replace(at, hex.size() / 2, wb(hex));
    }
    FlipLinkResult r = linkFlips(c.slots);
    ASSERT_TRUE(r.linked()) << c.what;
    EXPECT_EQ(r.image, want) << c.what;
    EXPECT_EQ(r.oneShotCount, c.oneShotCount) << c.what;
    EXPECT_EQ(platform::readFile(yiff()), want) << c.what;
  }
}

TEST_F(Linkers, FlipeffectFailures) {
  platform::writeFileAtomic(yiff(), "stale");
  std::vector<FlipSlot> slots(6, FlipSlot{"NOP"});
  slots[5].code = "NOP\r\nCALL_FLIP 47";
  slots.push_back({"FOO"});
  FlipLinkResult r = linkFlips(slots);
  EXPECT_EQ(r.status, LinkStatus::Failed);
  EXPECT_EQ(r.failedSlot, 5);
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Errors found in flipeffect 52" + kErrorTail});
  EXPECT_FALSE(std::filesystem::exists(yiff()));

  // The image must fit its areas.
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
    flipVersion.raceExtProcArrayOffset = c.raceStart;
    flipVersion.extProcedureNoRel = c.procedure;
    EXPECT_EQ(linkFlips(c.slots).linked(), c.linked) << c.what;
    EXPECT_EQ(std::filesystem::exists(yiff()), c.linked) << c.what;
  }
}

// The procedure: the timer step, per event a compare with its moment and a skip over its code,
// then the return.
TEST_F(Linkers, RaceTimerProcedures) {
  struct Case {
    const char* what;
    bool invert, remap;
    std::vector<RaceEvent> events;
    std::string hex;
  };
  const std::string calls = "813D46777F00" + le32(31) + "0F8505000000E8" + le32(0x454B30 - (0xC53000 + 27)) +
                            "813D46777F00" + le32(61) + "0F8505000000E8" + le32(0x454B30 - (0xC53000 + 48));
  const std::vector<Case> cases = {
      {"no events", false, false, {{""}, {"   "}}, "FF0546777F00C3"},
      {"inverted", true, false, {}, "FF0D46777F00C3"},
      {"one event at 0:10",
       false,
       false,
       {{"MOV_BYTE 80DE1C 5", 0, 10}},
       "FF0546777F00813D46777F002D0100000F8507000000C6051CDE800005C3"},
      {"fractions of a second and a moment left at 0:00",
       false,
       false,
       {{"NOP", 0, 12.5f}, {"RET"}},
       "FF0546777F00813D46777F00780100000F850100000090813D46777F00010000000F8501000000C3C3"},
      {"a moment before the start is left out", false, false, {{"NOP", -1, 0}}, "FF0546777F00C3"},
      {"relative targets measured from the procedure start", false, true, {{"KILLCALL", 0, 1}, {"KILLCALL", 0, 2}},
       "FF0546777F00" + calls + "C3"},
  };
  for (const Case& c : cases) {
    raceOptions.invertTimer = c.invert;
    raceOptions.remapSceneMemory = c.remap;
    LinkResult r = linkRace(c.events);
    ASSERT_TRUE(r.linked()) << c.what;
    EXPECT_EQ(r.image, wb(c.hex)) << c.what;
    EXPECT_EQ(platform::readFile(timr()), r.image) << c.what;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Linkers, RaceTimerFailures) {
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
    raceVersion.extendedSizeNum = c.extendedSizeNum;
    raceVersion.extRvaNoRel = c.loadAddress;
    EXPECT_EQ(linkRace(c.events).status, LinkStatus::Failed) << c.what;
    EXPECT_EQ(host.texts(), std::vector<std::string>{c.message}) << c.what;
    EXPECT_FALSE(std::filesystem::exists(timr())) << c.what;
  }
}

}  // namespace
}  // namespace olvex::furr
