#include "furr/checker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "furr/parameters.h"

namespace olvex::furr {
namespace {

// The built-in set plus commands and constants it lacks: an unsigned integer, an unknown type,
// hex constants, CURR_FLIP and a name with two rows.
CommandSet testSet() {
  CommandSet set = BuiltInCommandSet();
  CommandSet extra = ParseCommandSet(
                         "90 0 0 UINT UNSIGNEDINTEGER\r\n90 0 0 ODD WEIRD\r\n90 0 0 HEXY ASSIGN_HEX\r\n"
                         "9090 0 0 CUR CURR_FLIP\r\nC3 0 0 TWICE SIGNEDBYTE\r\nC3 0 0 TWICE UNSIGNEDBYTE\r\n"
                         "!ASSIGN_HEXA C0FFEE COFFEE\r\n!ASSIGN_HEXA 01 LIMITED OTHER\r\n"
                         "!ASSIGN_HEXA 12//5678 SLASHED")
                         .set;
  set.commands.insert(set.commands.end(), extra.commands.begin(), extra.commands.end());
  set.constants[static_cast<std::size_t>(ConstKind::Hex)] = extra.table(ConstKind::Hex);
  return set;
}

struct LineCase {
  std::string line;
  int code;
  Dialect dialect = Dialect::Flipeffect;
};

TEST(CheckLine, EveryCode) {
  const CommandSet set = testSet();
  const std::vector<LineCase> cases = {
      {"", 0}, {"   ", 0}, {"NOP", 0}, {std::string("\0X 5", 4), 0},
      {"FOO", 1}, {"FOO 1 2", 1}, {"nop", 1},
      {"MOV_BYTE", 2}, {"ODD", 2}, {"MOV_BYTE 80DE1C", 3},
      {"MOV_BYTE 80DE1C -128", 4}, {"MOV_BYTE 80DE1C -127", 0}, {"MOV_BYTE 80DE1C 127.4", 0},
      {"MOV_BYTE 80DE1C 5X", 4}, {"MOV_BYTE 80DE1C X", 4},
      {"SET_LEGEND_TIME 256", 5}, {"SET_LEGEND_TIME -1", 5}, {"SET_LEGEND_TIME 255", 0},
      {"DEC_HP 32768", 6}, {"DEC_HP -32768", 6}, {"DEC_HP -32767", 0},
      {"UINT 65536", 7}, {"UINT 65535", 0}, {"UINT &HFFFF", 0},
      {"MOV_DWORD 80DE1C 2147483648", 8}, {"MOV_DWORD 80DE1C -2147483648", 8}, {"MOV_DWORD 80DE1C -2147483647", 0},
      {"ODD 1", 9}, {"CUR", 9, Dialect::RaceEvent},
      {"NOP 1", 10}, {"KILL_LARA 1 2", 10}, {"DEC_HP 5 6", 10}, {"CUR 1", 10}, {"CUR", 0},
      {" NOP", 11}, {"  NOP", 11},
      {"MOV_DWORD 123456789 1", 12}, {"MOV_DWORD 80DG1C 1", 12}, {"MOV_DWORD 12345678 1", 0},
      {"ADD_PUZZLECOMBO COMBO9_1", 13}, {"EQUIP LASER", 14}, {"SET_SUPPLY LASER_AMMO 1", 15},
      {"CALL_FLIP 47", 16}, {"CALL_FLIP -5", 16}, {"CALL_FLIP ABC", 16}, {"CALL_FLIP 1.5", 16}, {"CALL_FLIP 46", 0},
      {"ADD_SUPPLY PISTOL_AMMO 5", 17}, {"EQUIP KEY_ITEM1", 17}, {"HEXY NOPE", 17}, {"HEXY LIMITED", 17}, {"HEXY SLASHED", 17},
      {"HEXY coffee", 0}, {"SET_SUPPLY pistol_ammo 5", 0},
      {"SET_TIMER 130", 18}, {"SET_TIMER 1:", 0}, {"SET_TIMER :5", 0}, {"START_TIMER_FROM 1:30", 0},
      // The second parameter is checked after a constant first parameter too.
      {"SET_SUPPLY PISTOL_AMMO", 3}, {"SET_SUPPLY PISTOL_AMMO 40000", 6}, {"SET_PUZZLEITEM PUZZLE_ITEM1 5", 0},
      // Rows of one name are checked in order; the first failure decides.
      {"TWICE 200", 4}, {"TWICE -1", 5}, {"TWICE 5", 0},
      // A fourth word is ignored.
      {"MOV_BYTE 80DE1C 5 junk", 0},
  };
  for (const LineCase& c : cases) EXPECT_EQ(CheckLine(set, c.line, c.dialect), c.code) << '"' << c.line << '"';
}

TEST(CheckScript, ShowsTheFirstFailingLine) {
  const CommandSet& set = BuiltInCommandSet();
  struct Case {
    const char* code;
    const char* status;
  };
  const std::vector<Case> cases = {
      {"", "spellcheck OK"},
      {"\r\n\r\n", "spellcheck OK"},
      {"NOP\r\nRET\r\nFOO\r\nNOP\r\nDEC_HP 99999", "unknown command at line 3"},
      {"NOP\r\nMOV_BYTE", "parameter(s) missing in line 2"},
      {"MOV_BYTE 80DE1C", "parameter(s) missing in line 1"},
      {"MOV_BYTE 80DE1C 128", "signed byte overflow detected at line 1"},
      {"SET_LEGEND_STRING 300", "unsigned byte overflow detected at line 1"},
      {"DEC_AIR 40000", "signed integer overflow detected at line 1"},
      {"CHANGE_POSITION_X 3000000000", "signed long overflow detected at line 1"},
      {"RET 1", "unnecessary parameters in line 1"},
      {" 1", "parameters without command at line 1"},
      {"MOV_WORD 123456789 1", "address parameter too long in line 1"},
      {"ADD_PUZZLECOMBO X", "unknown constant specified in line 1"},
      {"REMOVE_KEY X", "unknown constant specified in line 1"},
      {"REMOVE_WEAPON X", "unknown constant specified in line 1"},
      {"CALL_FLIP 99", "wrong flipeffect parameter in line 1"},
      {"ADD_WEAPON PISTOL_AMMO", "wrong constant defined in line 1"},
      {"SET_TIMER 5", "incomplete time parameter in line 1"},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckScript(set, c.code, Dialect::Flipeffect).status, c.status) << c.code;

  ScriptCheck bad = CheckScript(set, "NOP\nNOP\rCALL_FLIP 50", Dialect::Flipeffect);
  EXPECT_EQ(bad.code, 16);
  EXPECT_EQ(bad.line, 3);
  EXPECT_EQ(CheckStatusText(9, 4), "unknown param type detected for line 4");
}

TEST(ResolveConstant, FirstRowThatAllowsTheCommand) {
  CommandSet set = ParseCommandSet(
                       "!ASSIGN_WORD 1 DUP A_CMD\r\n!ASSIGN_WORD 2 dup B_CMD\r\n!ASSIGN_WORD 3 Dup\r\n"
                       "!ASSIGN_WORD 4 ONLY c_cmd")
                       .set;
  struct Case {
    const char* name;
    const char* command;
    int code;
    const char* value;
  };
  const std::vector<Case> cases = {
      {"DUP", "A_CMD", 0, "1"}, {"DUP", "B_CMD", 0, "2"}, {"dup", "Z_CMD", 0, "3"},
      {"ONLY", "C_CMD", 0, "4"}, {"ONLY", "A_CMD", 17, ""}, {"NONE", "A_CMD", 14, ""},
  };
  for (const Case& c : cases) {
    ConstLookup r = ResolveConstant(set, ConstKind::Word, c.name, c.command);
    EXPECT_EQ(r.code, c.code) << c.name << " " << c.command;
    EXPECT_EQ(r.value, c.value) << c.name << " " << c.command;
  }
  // A table without rows: the kind's not-found code.
  EXPECT_EQ(ResolveConstant(set, ConstKind::Byte, "DUP", "A_CMD").code, 13);
  EXPECT_EQ(ResolveConstant(set, ConstKind::Dword, "DUP", "A_CMD").code, 15);
  EXPECT_EQ(ResolveConstant(set, ConstKind::Hex, "DUP", "A_CMD").code, 17);
}

}  // namespace
}  // namespace olvex::furr
