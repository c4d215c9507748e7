#pragma once
// The FURR command set: the commands with their machine-code templates and parameter slots, and
// the named constants of four kinds, read from a command-set file (*.fln). A command set is plain
// data; the checker and the compiler take it as an argument.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace olvex::furr {

// One command line of the file. Every text is upper-cased as read. A dropped line leaves an
// all-empty row at its place.
struct Command {
  std::string templ;  // hex, two digits per byte; "//" + eight digits marks a relative target
  int offset1 = 0;    // byte offsets of the parameters inside the template
  int offset2 = 0;
  std::string name;
  std::string type1;  // parameter type words, empty when the command takes no such parameter
  std::string type2;
};

enum class ConstKind { Byte, Word, Dword, Hex };

struct Constant {
  std::string value;                 // decimal text (byte, word, dword) or upper-case hex text
  std::string name;                  // as written
  std::vector<std::string> allowed;  // at most 16 command names; an empty first entry allows all
  bool allowsEveryCommand() const { return allowed.empty() || allowed.front().empty(); }
};

struct CommandSet {
  std::vector<Command> commands = std::vector<Command>(1);  // file order; row 0 always exists
  std::array<std::vector<Constant>, 4> constants;  // indexed by ConstKind

  const std::vector<Constant>& table(ConstKind kind) const {
    return constants[static_cast<std::size_t>(kind)];
  }
};

struct ParsedCommandSet {
  CommandSet set;
  // One text per command whose template cannot be compiled as written: odd length, a character
  // that is no hex digit, or a parameter that does not fit inside the template.
  std::vector<std::string> warnings;
};

// Reads the text of a command-set file: CR LF, LF or a lone CR end a line, and NUL characters at
// the end of a line are dropped. Never fails: every line is a comment, a constant or a command,
// and a line with too many fields is dropped.
ParsedCommandSet ParseCommandSet(std::string_view text);

// The built-in default command set: its text (CR LF lines, no final line end) and its tables.
std::string_view BuiltInCommandSetText();
const CommandSet& BuiltInCommandSet();

// Writes the built-in text and a final CR LF to path, atomically. Throws platform::FileError.
void RestoreCommandFile(const std::string& path);

// Reads the command set at path; templates that cannot compile as written are named in one
// message. Throws platform::FileError when the file cannot be read.
CommandSet ReadCommandSet(const std::string& path);

// Loads the command set at path. When no file exists there, says "Command file could not be
// found or opened. Restoring file to defaults.", writes the built-in set there and returns it. A
// file that exists but cannot be read is left alone: a message says so and the built-in set is
// returned.
CommandSet LoadCommandSet(const std::string& path);

// The command set the editors check with and the script writers compile with: the built-in set
// until a DefaultSyntaxFile key or the editor's "L" loads another.
const CommandSet& LoadedCommandSet();
void SetLoadedCommandSet(CommandSet set);

}  // namespace olvex::furr
