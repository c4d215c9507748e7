#include "furr/compiler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_host.h"

namespace olvex::furr {
namespace {

const char* const kUnknownType = "Unknown parameter type detected in command file. Bypassing parameters...";

CommandSet setWith(std::string_view text) {
  CommandSet set = BuiltInCommandSet();
  CommandSet extra = ParseCommandSet(text).set;
  set.commands.insert(set.commands.end(), extra.commands.begin(), extra.commands.end());
  for (std::size_t k = 0; k < set.constants.size(); ++k)
    set.constants[k].insert(set.constants[k].end(), extra.constants[k].begin(), extra.constants[k].end());
  return set;
}

class Compiler : public ::testing::Test {
 protected:
  test::TestHost host;
  CommandSet set = setWith(
      "90 0 0 UINT UNSIGNEDINTEGER\r\nC605 2 0 SHORT LONG\r\nC60500 2 0 SHORT2 LONG\r\n"
      "C6055634 1 0 OVERLAP LONG\r\n90 0 0 ODD WEIRD\r\n0000 0 0 CUR CURR_FLIP\r\n"
      "00000000 0 0 HEXY ASSIGN_HEX\r\n!ASSIGN_HEXA C0FFEE COFFEE");
};

TEST_F(Compiler, FlipeffectLines) {
  struct Case {
    const char* code;
    const char* hex;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {"   ", ""},
      {"\r\n", "C3"},
      {"FOO 1 2", "C3"},
      {"MOV_BYTE 80DE1C 5\r\nRET", "C6051CDE800005C3C3"},
      {"MOV_DWORD 1C -64", "C7051C000000C0FFFFFFC3"},  // an address is padded to four bytes
      {"MOV_BYTE 80DE1C -1", "C6051CDE8000FFC3"},
      {"MOV_WORD 80DE1C -2", "66C7051CDE8000FEFFC3"},
      {"UINT 65535", "FFC3"},  // clipped at the end of its one-byte template
      {"CALL_FLIP 5", "FF1594BE4A00C3"},
      {"SET_TIMER 1:30", "C70546777F008D0A0000C3"},
      {"START_TIMER_FROM 1:", "833D46777F00007F0AC70546777F0009070000C3"},
      {"SET_TIMER 1:2:3", "C70546777F0063070000C3"},  // split at the last ":": 1 minute, 3 seconds
      {"EQUIP UZIS", "66C7052AE180000300C3"},
      {"ADD_WEAPON UZIS", "C605D3DF800009C3"},
      {"SET_SUPPLY PISTOL_AMMO 20", "66C705FFDF80001400C3"},
      {"ADD_PUZZLECOMBO COMBO2_1", "660FBA2DEDDF800002C3"},
      {"SET_PUZZLEITEM PUZZLE_ITEM3 4", "B8B1000000C68032DF800004C3"},
      {"HEXY coffee", "EEFFC000C3"},
      {"CUR", "3000C3"},
      {"SHORT 305419896", "C605C3"},
      {"SHORT2 305419896", "C60578C3"},
      {"OVERLAP 0\r\nNOP", "C600000090C3"},  // a parameter never runs into the next command
  };
  FlipCompileOptions options;
  options.flipNumber = 48;
  for (const Case& c : cases) EXPECT_EQ(CompileFlip(set, c.code, options), c.hex) << c.code;
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Compiler, OneShotPrologue) {
  const std::string pre47 = "5351B900009900BB2F00000083EB2FC6041901595B66C705FECB4A002F00";
  const std::string post60Remapped = "5351B90000D900BB3C00000083EB2FC6041901595B66C705FECB4A003C00";
  struct Case {
    int number;
    bool once, savegame, remapped;
    OneShotMode mode;
    std::string hex;
  };
  const std::vector<Case> cases = {
      {47, true, true, false, OneShotMode::Pre, pre47 + "90C3"},
      {60, true, true, true, OneShotMode::Post, "90" + post60Remapped + "C3"},
      {47, false, true, false, OneShotMode::Pre, "90C3"},
      {47, true, false, false, OneShotMode::Pre, "90C3"},  // no flag area without advanced savegames
  };
  for (const Case& c : cases) {
    FlipCompileOptions o{c.number, c.once, c.savegame, c.remapped, c.mode};
    EXPECT_EQ(CompileFlip(set, "NOP", o), c.hex) << c.number;
  }
  // A blank flipeffect stays empty even when it is one-shot.
  EXPECT_EQ(CompileFlip(set, " ", FlipCompileOptions{47, true, true, false, OneShotMode::Pre}), "");
}

TEST_F(Compiler, RaceEventLines) {
  EXPECT_EQ(CompileRaceEvent(set, ""), "");
  EXPECT_EQ(CompileRaceEvent(set, "FOO\r\n\r\n"), "");
  EXPECT_EQ(CompileRaceEvent(set, "RET"), "C3");
  EXPECT_EQ(CompileRaceEvent(set, "FLASH_RED\r\nSHAKE_CAMERA -16"),
            "C70500E27F000000FF0066C70504E27F000800C705C4E17F00F0FFFFFF");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Compiler, UnknownTypesAreBypassedWithAMessage) {
  EXPECT_EQ(CompileFlip(set, "ODD 5", {}), "90C3");
  EXPECT_EQ(CompileRaceEvent(set, "CUR"), "0000");
  EXPECT_EQ(host.texts(), (std::vector<std::string>{kUnknownType, kUnknownType}));
}

}  // namespace
}  // namespace olvex::furr
