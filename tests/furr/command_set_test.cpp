#include "furr/command_set.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "furr/parameters.h"
#include "platform/files.h"
#include "platform/temp_folder.h"
#include "shell/conversions.h"
#include "support/compiled_locale.h"
#include "support/objdump.h"
#include "support/test_host.h"

namespace olvex::furr {
namespace {

using Lines = std::vector<std::string>;

CommandSet parse(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return ParseCommandSet(text).set;
}

// Every row of a constant table as "value|name|allowed,commands".
Lines constants(const CommandSet& set, ConstKind kind) {
  Lines rows;
  for (const Constant& c : set.table(kind)) {
    std::string allowed;
    for (std::size_t i = 0; i < c.allowed.size(); ++i) allowed += (i ? "," : "") + c.allowed[i];
    rows.push_back(c.value + "|" + c.name + "|" + allowed);
  }
  return rows;
}

TEST(CommandSetReader, CommandLinesSplitOnSingleSpaces) {
  // A line, and its row as template|offset 1|offset 2|name|type 1|type 2 ("" when dropped).
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"c6055634120001 2 6 mov_byte address signedbyte", "C6055634120001|2|6|MOV_BYTE|ADDRESS|SIGNEDBYTE"},
      {"90 0 0 NOP ", "90|0|0|NOP||"},               // a trailing space after the 4th field
      {"90 0 0 NOP LONG ", "90|0|0|NOP|LONG|"},      // ... after the 5th field
      {"90 0 0 NOP LONG LONG ", ""},                 // ... after the 6th: dropped
      {"90 0 0 NOP A B C", ""},                      // seven fields: dropped
      {"90  0 NOP", "90|0|0|NOP||"},                 // two spaces make an empty field
      {" 90 1 X", "|90|1|X||"},                      // a leading space: an empty template
      {"90 x 2.5 NOP", "90|0|2|NOP||"},              // offsets are leading numbers, rounded to even
      {"!ASSIGN_BYT 1 NOTACONSTANT", "!ASSIGN_BYT|1|0|||"},  // no constant keyword
  };
  for (const auto& [line, row] : cases) {
    CommandSet set = parse({line});
    ASSERT_EQ(set.commands.size(), 1u);
    const Command& c = set.commands[0];
    EXPECT_EQ(c.templ + "|" + std::to_string(c.offset1) + "|" + std::to_string(c.offset2) + "|" + c.name + "|" +
                  c.type1 + "|" + c.type2,
              row.empty() ? "|0|0|||" : row)
        << line;
  }
  EXPECT_EQ(parse({}).commands.size(), 1u);  // an empty set still has its command row 0
}

TEST(CommandSetReader, LineEnds) {
  using namespace std::string_literals;
  // A text, and the command names read from it, then the warnings' line numbers.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"C3 0 0 A\r\nC3 0 0 B", "A,B|"},             // a final line without a line end
      {"C3 0 0 A\nC3 0 0 B\n", "A,B|"},
      {"C3 0 0 A\rC3 0 0 B\r", "A,B|"},
      {"C3 0 0 A\r\r\nC 0 0 B", "A,B|3"},           // a lone CR, then CR LF: an empty line 2
      {"C3 0 0 A\n\rC 0 0 B", "A,B|3"},              // LF, then a lone CR
      {"C3 0 0 A\0\0\r\nC3 0 0 B\0"s, "A,B|"},      // NULs at a line's end are dropped
      {"\0\0\r\nC 0 0 A\0 \0"s, "A\0|2"s},         // ... and only there
  };
  for (const auto& [text, expected] : cases) {
    ParsedCommandSet p = ParseCommandSet(text);
    std::string read;
    for (const Command& command : p.set.commands) read += (read.empty() ? "" : ",") + command.name;
    read += "|";
    for (const std::string& w : p.warnings) read += w.substr(5, w.find(',') - 5);
    EXPECT_EQ(read, expected) << text;
  }
}

TEST(CommandSetReader, ConstantLinesAndDroppedLinesKeepTheirRows) {
  std::string seventeen = "C1";
  for (int i = 2; i <= 17; ++i) seventeen += ",C" + std::to_string(i);
  CommandSet set = parse({
      "; comment", "", "C3 0 0 RET", "90 0 0 NOP A B C", "90 0 0 NOP",
      "!assign_byte 7 lower_name",          // keyword in any case; name kept as written
      "!ASSIGN_BYTE 8 NAME LIST EXTRA",     // a byte constant keeps its first four fields
      "!ASSIGN_BYTEXYZ 9 TAIL A,B",         // anything may follow the 12 keyword characters
      "!ASSIGN_DWRD 8445951 PISTOL_AMMO SET_SUPPLY", "!ASSIGN_DWRD abc NONUMBER", "!ASSIGN_DWRD 12abc LEADING",
      "!ASSIGN_HEXA c0ffee Hexy",
      "!ASSIGN_WORD 1 A", "!assign_word 2 B X Y",  // a fifth field drops a word constant
      "!ASSIGN_WORD 3 K " + seventeen, "!ASSIGN_WORD 4 L ,ADD_KEY",
  });
  Lines names;
  for (const Command& c : set.commands) names.push_back(c.name);
  EXPECT_EQ(names, (Lines{"RET", "", "NOP"}));
  EXPECT_EQ(constants(set, ConstKind::Byte), (Lines{"7|lower_name|", "8|NAME|LIST", "9|TAIL|A,B"}));
  EXPECT_EQ(constants(set, ConstKind::Dword), (Lines{"8445951|PISTOL_AMMO|SET_SUPPLY", "0|NONUMBER|", "12|LEADING|"}));
  EXPECT_EQ(constants(set, ConstKind::Hex), Lines{"C0FFEE|Hexy|"});
  // Seventeen allowed commands: the last two are joined into the 16th.
  const std::string sixteen = seventeen.substr(0, seventeen.rfind(',')) + "C17";
  EXPECT_EQ(constants(set, ConstKind::Word), (Lines{"1|A|", "||", "3|K|" + sixteen, "4|L|,ADD_KEY"}));
  // An empty list, or an empty first entry, allows every command.
  const auto& words = set.table(ConstKind::Word);
  EXPECT_TRUE(words[0].allowsEveryCommand() && words[3].allowsEveryCommand());
  EXPECT_FALSE(words[2].allowsEveryCommand());
}

// A constant's number keeps its point where the user's locale (which the window toolkit sets)
// writes a comma.
TEST(CommandSetReader, ConstantsKeepTheirPointUnderADecimalCommaLocale) {
  const test::CompiledLocale german("de_DE", "UTF-8");
  if (!german.ok()) GTEST_SKIP() << "localedef or the de_DE sources are missing";
  test::CompiledLocale::Scope scope(german);
  CommandSet set = parse({"!ASSIGN_WORD 2.5 HALF", "!ASSIGN_DWRD 1.25e20 HUGE"});
  EXPECT_EQ(constants(set, ConstKind::Word), Lines{"2.5|HALF|"});
  EXPECT_EQ(constants(set, ConstKind::Dword), Lines{"1.25e+20|HUGE|"});
}

TEST(CommandSetReader, WarnsAboutTemplatesThatCannotCompile) {
  ParsedCommandSet p = ParseCommandSet(
      "C6055634120001 2 6 GOOD ADDRESS SIGNEDBYTE\r\n"
      "E8//00454B30 0 0 CALLS\r\n"                      // a relative target marker is fine
      "C60556341200 2 6 SHORT ADDRESS SIGNEDBYTE\r\n"   // the byte at offset 6 is missing
      "C605563 0 0 ODD\r\n"
      "C6XX 0 0 NOTHEX\r\n"
      "FF15 3 0 FAR FLIPEFFECT\r\n"
      "90 0 0 ANYHEX ASSIGN_HEX");                      // hex constants have no fixed width
  EXPECT_EQ(p.warnings, (Lines{"line 3, SHORT: parameter 2 does not fit inside the template",
                               "line 4, ODD: the template has an odd number of digits",
                               "line 5, NOTHEX: the template holds characters that are not hex digits",
                               "line 6, FAR: parameter 1 does not fit inside the template"}));
}

// The table sizes are checked by the statistics of the reference config.
TEST(BuiltInCommandSet, ReadsWithoutWarningsAndHoldsTheQuotedRows) {
  ParsedCommandSet p = ParseCommandSet(BuiltInCommandSetText());
  EXPECT_TRUE(p.warnings.empty()) << p.warnings.front();
  EXPECT_NE(BuiltInCommandSetText().back(), '\n');
  // Rows quoted verbatim by the command language's description.
  Lines lines = platform::splitLines(BuiltInCommandSetText());
  for (const char* quoted :
       {"FF1500000000 2 0 CALL_FLIP FLIPEFFECT", "C6055634120001 2 6 MOV_BYTE ADDRESS SIGNEDBYTE",
        "803D00000000007401C3 2 6 BYTE_IF= ADDRESS SIGNEDBYTE",
        "833D46777F00007F0AC70546777F0010000000 15 0 START_TIMER_FROM TIME", "C3 0 0 RET", "90 0 0 NOP",
        "!ASSIGN_WORD 1 KEY_ITEM1 ADD_KEY,REMOVE_KEY", "!ASSIGN_DWRD 8445951 PISTOL_AMMO SET_SUPPLY"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), quoted), lines.end()) << quoted;
  EXPECT_EQ(constants(p.set, ConstKind::Word)[11], "8|KEY_ITEM4|ADD_KEY,REMOVE_KEY");
  EXPECT_EQ(constants(p.set, ConstKind::Byte)[15], "15|COMBO8_2|ADD_PUZZLECOMBO");
  EXPECT_EQ(constants(p.set, ConstKind::Dword).back(), "8445911|REVOLVER|ADD_WEAPON,REMOVE_WEAPON");
}

// With an outside disassembler (binutils objdump): every template of the built-in set, its
// parameters filled twice with different bytes, is whole x86 instructions that end where the
// template ends, and each parameter lies in one instruction's operand, so that the other fill
// changes only a number it shows, never an opcode or register.
TEST(BuiltInCommandSet, EveryTemplateIsWholeInstructionsWithItsParametersInOperands) {
  if (!test::HaveObjdump()) GTEST_SKIP() << "objdump is not installed";
  static const std::regex number("0x[0-9a-f]+");
  for (const Command& c : BuiltInCommandSet().commands) {
    if (c.name.empty()) continue;  // row 0
    SCOPED_TRACE(c.name);
    const std::string bytes = shell::wb(c.templ);
    std::vector<std::pair<std::size_t, std::size_t>> params;  // offset, width
    for (const auto& [type, offset] : {std::pair{c.type1, c.offset1}, std::pair{c.type2, c.offset2}})
      if (int width = ParamWidth(ParseParamType(type)); width > 0) params.emplace_back(offset, width);
    auto filled = [&](char fill) {
      std::string b = bytes;
      for (const auto& [offset, width] : params) b.replace(offset, width, width, fill);
      return test::DisassembleInstructions(b, 0);
    };
    const std::vector<test::Instruction> one = filled('\x11'), other = filled('\x5A');
    ASSERT_EQ(one.size(), other.size());
    std::size_t end = 0;
    for (std::size_t i = 0; i < one.size(); ++i) {
      EXPECT_EQ(one[i].address, end) << one[i].text;
      EXPECT_EQ(std::regex_replace(other[i].text, number, "N"), std::regex_replace(one[i].text, number, "N"));
      end += one[i].length;
    }
    EXPECT_EQ(end, bytes.size()) << "the instructions do not end where the template ends";
    for (const auto& [offset, width] : params) {
      auto in = std::find_if(one.begin(), one.end(), [&](const test::Instruction& i) {
        return i.address < offset && offset + width <= i.address + i.length;
      });
      ASSERT_NE(in, one.end()) << "no instruction holds the parameter at " << offset;
      EXPECT_NE(other[in - one.begin()].text, in->text) << "the parameter at " << offset << " is no operand";
    }
  }
}

// A missing file is restored once (also where it cannot be written), a file that cannot be read
// is left alone, and every load starts from empty tables.
TEST(LoadCommandSet, RestoresAMissingFileLeavesAnUnreadableOneAndStartsFromEmptyTables) {
  test::TestHost host;
  platform::test_files::TempFolder folder;
  const std::string path = folder.file("syntax.fln"), unwritable = folder.file("none/syntax.fln");
  const std::string unreadable = folder.file("a-folder.fln");
  std::filesystem::create_directory(unreadable);
  for (const std::string& p : {path, path, unwritable, unreadable}) EXPECT_EQ(LoadCommandSet(p).commands.size(), 105u);
  EXPECT_EQ(platform::readFile(path), std::string(BuiltInCommandSetText()) + "\r\n");
  const Lines texts = host.texts();
  ASSERT_EQ(texts.size(), 4u);
  const std::string restoring = "Command file could not be found or opened. Restoring file to defaults.";
  EXPECT_EQ(texts[0] + texts[1], restoring + restoring);
  EXPECT_EQ(texts[2].rfind("The default command set could not be written to " + unwritable + ".", 0), 0u);
  EXPECT_EQ(texts[3].rfind("Command file " + unreadable + " could not be read; it was left unchanged", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_directory(unreadable));

  host.messages.clear();
  const std::string first = folder.file("first.fln"), second = folder.file("second.fln");
  platform::writeLinesAtomic(first, {"C3 0 0 RET", "90 0 0 NOP", "!ASSIGN_HEXA FF H", "!ASSIGN_WORD 1 W"});
  platform::writeLinesAtomic(second, {"C3 0 0 RETURN", "C60556 2 0 MOVE ADDRESS"});
  EXPECT_EQ(LoadCommandSet(first).table(ConstKind::Hex).size(), 1u);
  CommandSet set = LoadCommandSet(second);
  EXPECT_EQ(set.commands.size(), 2u);
  EXPECT_EQ(set.commands[0].name, "RETURN");
  EXPECT_TRUE(set.table(ConstKind::Hex).empty() && set.table(ConstKind::Word).empty());
  EXPECT_EQ(host.texts(), Lines{"Some commands of " + second + " cannot be compiled as written:\r\n"
                                "line 2, MOVE: parameter 1 does not fit inside the template"});
}

}  // namespace
}  // namespace olvex::furr
