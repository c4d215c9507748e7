// FURR source lines: the checker's codes and status texts, and the compiler's hex for
// flipeffects and race-timer events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "furr/checker.h"
#include "furr/compiler.h"
#include "support/test_host.h"

namespace olvex::furr {
namespace {

// The built-in set plus what it lacks: an unsigned integer, an unknown type, hex constants (one
// name in two rows for different commands), CURR_FLIP, a name with two rows, and parameters that
// do not fit their template.
CommandSet testSet() {
  CommandSet set = BuiltInCommandSet();
  CommandSet extra = ParseCommandSet(
                         "90 0 0 UINT UNSIGNEDINTEGER\r\n90 0 0 ODD WEIRD\r\n00000000 0 0 HEXY ASSIGN_HEX\r\n"
                         "0000 0 0 CUR CURR_FLIP\r\nC3 0 0 TWICE SIGNEDBYTE\r\nC3 0 0 TWICE UNSIGNEDBYTE\r\n"
                         "C605 2 0 SHORT LONG\r\nC60500 2 0 SHORT2 LONG\r\nC6055634 1 0 OVERLAP LONG\r\n"
                         "!ASSIGN_HEXA C0FFEE COFFEE\r\n!ASSIGN_HEXA 01 LIMITED OTHER\r\n!ASSIGN_HEXA 12//5678 SLASHED\r\n"
                         "!ASSIGN_HEXA 0A PICK OTHER\r\n!ASSIGN_HEXA 0B pick hexy\r\n!ASSIGN_HEXA 0C PICK")
                         .set;
  set.commands.insert(set.commands.end(), extra.commands.begin(), extra.commands.end());
  set.constants[static_cast<std::size_t>(ConstKind::Hex)] = extra.table(ConstKind::Hex);
  return set;
}

// Flipeffect lines that give each code, and the status an editor shows for them (the line
// number follows).
const std::vector<std::tuple<int, std::string, std::vector<std::string>>> kCodes = {
    {0, "spellcheck OK", {"", "   ", "NOP", std::string("\0X 5", 4), "CUR", "HEXY coffee", "HEXY PICK",
                          "MOV_BYTE 80DE1C -127", "MOV_BYTE 80DE1C 127.4", "SET_LEGEND_TIME 255", "DEC_HP -32767",
                          "UINT 65535", "UINT &HFFFF", "MOV_DWORD 80DE1C -2147483647", "MOV_DWORD 12345678 1",
                          "CALL_FLIP 46", "SET_TIMER 1:", "SET_TIMER :5", "START_TIMER_FROM 1:30",
                          "SET_SUPPLY pistol_ammo 5", "SET_PUZZLEITEM PUZZLE_ITEM1 5", "TWICE 5",
                          "MOV_BYTE 80DE1C 5 junk"}},
    {1, "unknown command at line ", {"FOO", "FOO 1 2", "nop"}},
    {2, "parameter(s) missing in line ", {"MOV_BYTE", "ODD"}},
    {3, "parameter(s) missing in line ", {"MOV_BYTE 80DE1C", "SET_SUPPLY PISTOL_AMMO"}},
    {4, "signed byte overflow detected at line ", {"MOV_BYTE 80DE1C -128", "MOV_BYTE 80DE1C 5X", "TWICE 200"}},
    {5, "unsigned byte overflow detected at line ", {"SET_LEGEND_TIME 256", "SET_LEGEND_TIME -1", "TWICE -1"}},
    {6, "signed integer overflow detected at line ", {"DEC_HP 32768", "DEC_HP -32768", "SET_SUPPLY PISTOL_AMMO 40000"}},
    {7, "unsigned integer overflow detected at line ", {"UINT 65536"}},
    {8, "signed long overflow detected at line ", {"MOV_DWORD 80DE1C 2147483648", "MOV_DWORD 80DE1C -2147483648"}},
    {9, "unknown param type detected for line ", {"ODD 1"}},
    {10, "unnecessary parameters in line ", {"NOP 1", "KILL_LARA 1 2", "DEC_HP 5 6", "CUR 1"}},
    {11, "parameters without command at line ", {" NOP", "  NOP"}},
    {12, "address parameter too long in line ", {"MOV_DWORD 123456789 1", "MOV_DWORD 80DG1C 1"}},
    {13, "unknown constant specified in line ", {"ADD_PUZZLECOMBO COMBO9_1"}},
    {14, "unknown constant specified in line ", {"EQUIP LASER"}},
    {15, "unknown constant specified in line ", {"SET_SUPPLY LASER_AMMO 1"}},
    {16, "wrong flipeffect parameter in line ", {"CALL_FLIP 47", "CALL_FLIP -5", "CALL_FLIP ABC", "CALL_FLIP 1.5"}},
    {17, "wrong constant defined in line ", {"ADD_SUPPLY PISTOL_AMMO 5", "EQUIP KEY_ITEM1", "HEXY NOPE",
                                             "HEXY LIMITED", "HEXY SLASHED"}},
    {18, "incomplete time parameter in line ", {"SET_TIMER 130"}},
};

// Each line alone, and as line 2 of a script whose line 3 fails too: the status names the first
// failing line.
TEST(CheckLine, EveryCodeAndTheStatusOfTheFirstFailingLine) {
  const CommandSet set = testSet();
  for (const auto& [code, status, lines] : kCodes) {
    for (const std::string& line : lines) {
      EXPECT_EQ(CheckLine(set, line, Dialect::Flipeffect), code) << '"' << line << '"';
      EXPECT_EQ(CheckScript(set, "NOP\r\n" + line + "\r\nFOO", Dialect::Flipeffect).status,
                code ? status + "2" : "unknown command at line 3")
          << line;
    }
  }
  EXPECT_EQ(CheckLine(set, "CUR", Dialect::RaceEvent), 9);  // CURR_FLIP belongs to flipeffects
  ScriptCheck bad = CheckScript(set, "NOP\nNOP\rCALL_FLIP 50", Dialect::Flipeffect);
  EXPECT_EQ(bad.code, 16);
  EXPECT_EQ(bad.line, 3);
  EXPECT_EQ(CheckScript(set, "\r\n\r\n", Dialect::Flipeffect).status, "spellcheck OK");
}

// Flipeffect 48 unless a row says otherwise; a race-timer event gives the same code without the
// closing return.
TEST(Compiler, FlipeffectAndRaceEventLines) {
  test::TestHost host;
  const CommandSet set = testSet();
  const std::string pre47 = "5351B900009900BB2F00000083EB2FC6041901595B66C705FECB4A002F00";
  const std::string post60Remapped = "5351B90000D900BB3C00000083EB2FC6041901595B66C705FECB4A003C00";
  struct Case {
    const char* code;
    std::string hex;
    FlipCompileOptions options = {48};
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
      {"HEXY PICK", "0B000000C3"},  // the first row of the name that allows the command
      {"SHORT 305419896", "C605C3"},
      {"SHORT2 305419896", "C60578C3"},
      {"OVERLAP 0\r\nNOP", "C600000090C3"},  // a parameter never runs into the next command
      {"TWICE 5", "0505C3"},                  // every row of the name, in table order
      {"NOP", pre47 + "90C3", {47, true, true, false, OneShotMode::Pre}},
      {"NOP", "90" + post60Remapped + "C3", {60, true, true, true, OneShotMode::Post}},
      {"NOP", "90C3", {47, false, true, false, OneShotMode::Pre}},
      {"NOP", "90C3", {47, true, false, false, OneShotMode::Pre}},  // no flag area without advanced savegames
      {" ", "", {47, true, true, false, OneShotMode::Pre}},          // a blank flipeffect stays empty
  };
  for (const Case& c : cases) {
    const std::string flip = CompileFlip(set, c.code, c.options);
    EXPECT_EQ(flip, c.hex) << c.code << " " << c.options.flipNumber;
    if (!c.options.doOnlyOnce) {
      EXPECT_EQ(CompileRaceEvent(set, c.code), flip.substr(0, flip.empty() ? 0 : flip.size() - 2)) << c.code;
    }
  }
  EXPECT_EQ(CompileFlip(set, "CUR", {48}), "3000C3");
  EXPECT_TRUE(host.messages.empty());

  // CURR_FLIP is no type of race-timer events, and WEIRD no type at all: the placeholder stays.
  EXPECT_EQ(CompileFlip(set, "ODD 5", {}), "90C3");
  EXPECT_EQ(CompileRaceEvent(set, "CUR"), "0000");
  const std::string unknown = "Unknown parameter type detected in command file. Bypassing parameters...";
  EXPECT_EQ(host.texts(), (std::vector<std::string>{unknown, unknown}));
}

}  // namespace
}  // namespace olvex::furr
