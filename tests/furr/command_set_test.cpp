#include "furr/command_set.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/temp_folder.h"
#include "support/test_host.h"

namespace olvex::furr {
namespace {

using platform::test_files::TempFolder;

const std::string kRestoring = "Command file could not be found or opened. Restoring file to defaults.";

std::string text(const std::vector<std::string>& lines) {
  std::string t;
  for (const std::string& line : lines) t += line + "\r\n";
  return t;
}

CommandSet parse(const std::vector<std::string>& lines) { return ParseCommandSet(text(lines)).set; }

std::string describe(const Command& c) {
  return c.templ + "|" + std::to_string(c.offset1) + "|" + std::to_string(c.offset2) + "|" + c.name + "|" +
         c.type1 + "|" + c.type2;
}

TEST(CommandSetReader, CommandLinesSplitOnSingleSpaces) {
  struct Case {
    const char* line;
    const char* row;  // template|offset 1|offset 2|name|type 1|type 2; "" for a dropped line
  };
  const std::vector<Case> cases = {
      {"c6055634120001 2 6 mov_byte address signedbyte", "C6055634120001|2|6|MOV_BYTE|ADDRESS|SIGNEDBYTE"},
      {"C3 0 0 RET", "C3|0|0|RET||"},
      {"90 0 0 NOP ", "90|0|0|NOP||"},               // a trailing space after the 4th field
      {"90 0 0 NOP LONG ", "90|0|0|NOP|LONG|"},      // ... after the 5th field
      {"90 0 0 NOP LONG LONG ", ""},                 // ... after the 6th: dropped
      {"90 0 0 NOP A B C", ""},                      // seven fields: dropped
      {"90  0 NOP", "90|0|0|NOP||"},                 // two spaces make an empty field
      {" 90 1 X", "|90|1|X||"},                      // a leading space: an empty template
      {"90 x 2.5 NOP", "90|0|2|NOP||"},              // offsets are leading numbers, rounded to even
  };
  for (const Case& c : cases) {
    CommandSet set = parse({c.line});
    ASSERT_EQ(set.commands.size(), 1u);
    EXPECT_EQ(describe(set.commands[0]), *c.row ? c.row : "|0|0|||") << c.line;
  }
}

TEST(CommandSetReader, LineEnds) {
  using namespace std::string_literals;
  struct Case {
    std::string text;
    std::string read;  // the command names, then the warnings' line numbers
  };
  const std::vector<Case> cases = {
      {"C3 0 0 A\r\nC3 0 0 B", "A,B|"},             // a final line without a line end
      {"C3 0 0 A\nC3 0 0 B\n", "A,B|"},
      {"C3 0 0 A\rC3 0 0 B\r", "A,B|"},
      {"C3 0 0 A\r\r\nC 0 0 B", "A,B|3"},           // a lone CR, then CR LF: an empty line 2
      {"C3 0 0 A\n\rC 0 0 B", "A,B|3"},              // LF, then a lone CR
      {"\r\n\nC 0 0 A\r\n", "A|3"},
      {"C3 0 0 A\0\0\r\nC3 0 0 B\0"s, "A,B|"},      // NULs at a line's end are dropped
      {"\0\0\r\nC 0 0 A\0 \0"s, "A\0|2"s},         // ... and only there
      {"", "|"},
  };
  for (const Case& c : cases) {
    ParsedCommandSet p = ParseCommandSet(c.text);
    std::string read;
    for (const Command& command : p.set.commands) read += (read.empty() ? "" : ",") + command.name;
    read += "|";
    for (const std::string& w : p.warnings) read += w.substr(5, w.find(',') - 5);
    EXPECT_EQ(read, c.read) << c.text;
  }
}

TEST(CommandSetReader, DroppedLinesKeepTheirRowNumbers) {
  CommandSet set = parse({"; comment", "", "C3 0 0 RET", "90 0 0 NOP A B C", "90 0 0 NOP",
                          "!ASSIGN_WORD 1 A", "!assign_word 2 B X Y", "!ASSIGN_WORD 3 C"});
  ASSERT_EQ(set.commands.size(), 3u);
  EXPECT_EQ(set.commands[0].name, "RET");
  EXPECT_EQ(set.commands[1].name, "");
  EXPECT_EQ(set.commands[2].name, "NOP");
  const auto& words = set.table(ConstKind::Word);
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[0].name, "A");
  EXPECT_EQ(words[1].name, "");  // a fifth field drops a word constant
  EXPECT_EQ(words[2].name, "C");
  // An empty set still has its command row 0.
  EXPECT_EQ(parse({}).commands.size(), 1u);
}

TEST(CommandSetReader, ConstantLines) {
  CommandSet set = parse({
      "!assign_byte 7 lower_name",          // keyword in any case; name kept as written
      "!ASSIGN_BYTE 8 NAME LIST EXTRA",     // a byte constant keeps its first four fields
      "!ASSIGN_BYTEXYZ 9 TAIL A,B",         // anything may follow the 12 keyword characters
      "!ASSIGN_DWRD 8445951 PISTOL_AMMO SET_SUPPLY",
      "!ASSIGN_DWRD abc NONUMBER",
      "!ASSIGN_DWRD 12abc LEADING",
      "!ASSIGN_HEXA c0ffee Hexy",
      "!ASSIGN_BYT 1 NOTACONSTANT",         // eleven characters: a command line
  });
  const auto& bytes = set.table(ConstKind::Byte);
  ASSERT_EQ(bytes.size(), 3u);
  EXPECT_EQ(bytes[0].value, "7");
  EXPECT_EQ(bytes[0].name, "lower_name");
  EXPECT_TRUE(bytes[0].allowsEveryCommand());
  EXPECT_EQ(bytes[1].name, "NAME");
  EXPECT_EQ(bytes[1].allowed, std::vector<std::string>{"LIST"});
  EXPECT_EQ(bytes[2].allowed, (std::vector<std::string>{"A", "B"}));
  const auto& dwords = set.table(ConstKind::Dword);
  ASSERT_EQ(dwords.size(), 3u);
  EXPECT_EQ(dwords[0].value, "8445951");
  EXPECT_EQ(dwords[1].value, "0");
  EXPECT_EQ(dwords[2].value, "12");
  EXPECT_EQ(set.table(ConstKind::Hex)[0].value, "C0FFEE");
  EXPECT_EQ(set.table(ConstKind::Hex)[0].name, "Hexy");
  EXPECT_EQ(set.commands[0].templ, "!ASSIGN_BYT");
}

TEST(CommandSetReader, AllowedListsKeepSixteenEntries) {
  std::string list;
  for (int i = 1; i <= 17; ++i) list += (i > 1 ? "," : "") + std::string("C") + std::to_string(i);
  CommandSet set = parse({"!ASSIGN_WORD 1 K " + list, "!ASSIGN_WORD 1 L ,ADD_KEY"});
  const Constant& k = set.table(ConstKind::Word)[0];
  ASSERT_EQ(k.allowed.size(), 16u);
  EXPECT_EQ(k.allowed[14], "C15");
  EXPECT_EQ(k.allowed[15], "C16C17");
  // An empty first entry allows every command.
  EXPECT_TRUE(set.table(ConstKind::Word)[1].allowsEveryCommand());
}

TEST(CommandSetReader, WarnsAboutTemplatesThatCannotCompile) {
  ParsedCommandSet p = ParseCommandSet(text({
      "C6055634120001 2 6 GOOD ADDRESS SIGNEDBYTE",
      "E8//00454B30 0 0 CALLS",          // a relative target marker is fine
      "C60556341200 2 6 SHORT ADDRESS SIGNEDBYTE",  // the byte at offset 6 is missing
      "C605563 0 0 ODD",
      "C6XX 0 0 NOTHEX",
      "FF15 3 0 FAR FLIPEFFECT",
      "90 0 0 ANYHEX ASSIGN_HEX",        // hex constants have no fixed width
  }));
  ASSERT_EQ(p.warnings.size(), 4u);
  EXPECT_EQ(p.warnings[0], "line 3, SHORT: parameter 2 does not fit inside the template");
  EXPECT_EQ(p.warnings[1], "line 4, ODD: the template has an odd number of digits");
  EXPECT_EQ(p.warnings[2], "line 5, NOTHEX: the template holds characters that are not hex digits");
  EXPECT_EQ(p.warnings[3], "line 6, FAR: parameter 1 does not fit inside the template");
}

TEST(BuiltInCommandSet, HoldsEveryCommandAndConstant) {
  ParsedCommandSet p = ParseCommandSet(BuiltInCommandSetText());
  EXPECT_TRUE(p.warnings.empty()) << p.warnings.front();
  EXPECT_EQ(p.set.commands.size(), 105u);
  EXPECT_EQ(p.set.table(ConstKind::Byte).size(), 16u);
  EXPECT_EQ(p.set.table(ConstKind::Word).size(), 26u);
  EXPECT_EQ(p.set.table(ConstKind::Dword).size(), 34u);
  EXPECT_TRUE(p.set.table(ConstKind::Hex).empty());
  EXPECT_NE(BuiltInCommandSetText().back(), '\n');

  // Rows quoted verbatim by the command language's description.
  const std::vector<std::string> quoted = {
      "FF1500000000 2 0 CALL_FLIP FLIPEFFECT", "C6055634120001 2 6 MOV_BYTE ADDRESS SIGNEDBYTE",
      "803D00000000007401C3 2 6 BYTE_IF= ADDRESS SIGNEDBYTE",
      "833D46777F00007F0AC70546777F0010000000 15 0 START_TIMER_FROM TIME", "C3 0 0 RET", "90 0 0 NOP",
      "!ASSIGN_WORD 1 KEY_ITEM1 ADD_KEY,REMOVE_KEY", "!ASSIGN_DWRD 8445951 PISTOL_AMMO SET_SUPPLY"};
  std::vector<std::string> lines = platform::splitLines(BuiltInCommandSetText());
  for (const std::string& q : quoted) EXPECT_NE(std::find(lines.begin(), lines.end(), q), lines.end()) << q;

  struct Typed {
    const char* name;
    const char* type1;
    const char* type2;
  };
  const std::vector<Typed> typed = {
      {"EQUIP", "ASSIGN_INTEGER", ""}, {"INC_HP", "SIGNEDINTEGER", "SIGNEDINTEGER"},
      {"SET_PUZZLEITEM", "ASSIGN_LONG", "SIGNEDBYTE"}, {"ADD_PUZZLECOMBO", "ASSIGN_BYTE", ""},
      {"SET_SUPPLY", "ASSIGN_LONG", "SIGNEDINTEGER"}, {"SET_TIMER", "TIME", ""},
      {"SET_LEGEND_TIME", "UNSIGNEDBYTE", ""}, {"MOVE_MIRROR", "UNSIGNEDBYTE", "LONG"},
      {"MOVE_ITEM_Z", "SIGNEDINTEGER", "LONG"}, {"DWORD_IF>=", "ADDRESS", "LONG"}, {"KILL_LARA", "", ""}};
  for (const Typed& t : typed) {
    auto row = std::find_if(p.set.commands.begin(), p.set.commands.end(),
                            [&](const Command& c) { return c.name == t.name; });
    ASSERT_NE(row, p.set.commands.end()) << t.name;
    EXPECT_EQ(row->type1, t.type1) << t.name;
    EXPECT_EQ(row->type2, t.type2) << t.name;
  }
  EXPECT_EQ(p.set.table(ConstKind::Word)[11].name, "KEY_ITEM4");
  EXPECT_EQ(p.set.table(ConstKind::Word)[11].value, "8");
  EXPECT_EQ(p.set.table(ConstKind::Byte)[15].name, "COMBO8_2");
  EXPECT_EQ(p.set.table(ConstKind::Dword).back().name, "REVOLVER");
  EXPECT_EQ(p.set.table(ConstKind::Dword).back().allowed, (std::vector<std::string>{"ADD_WEAPON", "REMOVE_WEAPON"}));
}

class LoadCommandSetTest : public ::testing::Test {
 protected:
  test::TestHost host;
  TempFolder folder;
};

TEST_F(LoadCommandSetTest, MissingFileIsRestoredOnce) {
  std::string path = folder.file("syntax.fln");
  CommandSet set = LoadCommandSet(path);
  EXPECT_EQ(host.texts(), std::vector<std::string>{kRestoring});
  EXPECT_EQ(platform::readFile(path), std::string(BuiltInCommandSetText()) + "\r\n");
  EXPECT_EQ(set.commands.size(), 105u);
  // The restored file loads without a message.
  LoadCommandSet(path);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(LoadCommandSetTest, UnwritableRestoreStillGivesTheBuiltInSet) {
  std::string path = folder.file("no-such-folder/syntax.fln");
  CommandSet set = LoadCommandSet(path);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, kRestoring);
  EXPECT_EQ(host.messages[1].text.rfind("The default command set could not be written to " + path + ".", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(set.commands.size(), 105u);
}

TEST_F(LoadCommandSetTest, UnreadableFileIsLeftAlone) {
  std::string dir = folder.file("a-folder.fln");
  std::filesystem::create_directory(dir);
  CommandSet set = LoadCommandSet(dir);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("could not be read; it was left unchanged"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(dir));
  EXPECT_EQ(set.commands.size(), 105u);
}

TEST_F(LoadCommandSetTest, EveryLoadStartsFromEmptyTables) {
  std::string first = folder.file("first.fln"), second = folder.file("second.fln");
  platform::writeLinesAtomic(first, {"C3 0 0 RET", "90 0 0 NOP", "!ASSIGN_HEXA FF H", "!ASSIGN_WORD 1 W"});
  platform::writeLinesAtomic(second, {"C3 0 0 RETURN"});
  EXPECT_EQ(LoadCommandSet(first).table(ConstKind::Hex).size(), 1u);
  CommandSet set = LoadCommandSet(second);
  EXPECT_EQ(set.commands.size(), 1u);
  EXPECT_EQ(set.commands[0].name, "RETURN");
  EXPECT_TRUE(set.table(ConstKind::Hex).empty());
  EXPECT_TRUE(set.table(ConstKind::Word).empty());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LoadCommandSetTest, NamesTemplatesThatCannotCompile) {
  std::string path = folder.file("bad.fln");
  platform::writeLinesAtomic(path, {"C3 0 0 RET", "C60556 2 0 MOVE ADDRESS"});
  CommandSet set = LoadCommandSet(path);
  EXPECT_EQ(set.commands.size(), 2u);
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Some commands of " + path + " cannot be compiled as written:\r\n"
                                                   "line 2, MOVE: parameter 1 does not fit inside the template"});
}

}  // namespace
}  // namespace olvex::furr
