#include "furr/command_set.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

#include "furr/parameters.h"
#include "platform/files.h"
#include "resources/embedded.h"
#include "shell/number_text.h"
#include "shell/text_case.h"
#include "ui/host.h"

namespace olvex::furr {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::size_t kCommandFields = 6;
constexpr std::size_t kConstantFields = 4;
constexpr std::size_t kMaxAllowed = 16;

// Keywords of the constant lines; the first 12 characters of a line are compared without
// regard to case, so anything may follow them in the first field.
struct ConstKeyword {
  std::string_view keyword;
  ConstKind kind;
};
constexpr std::array<ConstKeyword, 4> kConstKeywords = {{{"!ASSIGN_BYTE", ConstKind::Byte},
                                                         {"!ASSIGN_WORD", ConstKind::Word},
                                                         {"!ASSIGN_DWRD", ConstKind::Dword},
                                                         {"!ASSIGN_HEXA", ConstKind::Hex}}};


std::optional<ConstKind> constKind(std::string_view line) {
  if (!line.starts_with('!')) return std::nullopt;  // the first character of every keyword
  for (const ConstKeyword& k : kConstKeywords)
    if (shell::StartsWithNoCase(line, k.keyword)) return k.kind;
  return std::nullopt;
}

// The fields of a line split on single spaces (two spaces in a row make an empty field); fields
// the line does not have are empty. `overflow` tells that a space was met inside the last field.
template <std::size_t N>
struct Fields {
  std::array<std::string_view, N> at{};
  bool overflow = false;
};

template <std::size_t N>
Fields<N> splitFields(std::string_view line) {
  Fields<N> f;
  std::size_t start = 0;
  for (std::size_t n = 0;; ++n) {
    std::size_t space = line.find(' ', start);
    f.at[n] = line.substr(start, space - start);
    if (space == std::string_view::npos) return f;
    if (n + 1 == N) {
      f.overflow = true;
      return f;
    }
    start = space + 1;
  }
}

// The next line of text: CR LF, LF or a lone CR end a line, and NUL characters at its end are
// not part of it. `rest` moves past the line and its line end.
std::string_view nextLine(std::string_view& rest) {
  std::size_t lf = std::min(rest.find('\n'), rest.size());
  std::size_t end = std::min(rest.substr(0, lf).find('\r'), lf);
  std::string_view line = rest.substr(0, end);
  bool crLf = rest.substr(end, 2) == kCrLf;
  rest.remove_prefix(std::min(rest.size(), end + (crLf ? 2 : 1)));
  std::size_t last = line.find_last_not_of('\0');
  return line.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

// A number as the decimal text the tables hold.
std::string decimalText(double v) {
  if (v == std::floor(v) && std::fabs(v) < 1e15) return std::to_string(static_cast<long long>(v));
  return shell::GeneralText(v);
}

int offsetValue(std::string_view text) {
  double v = shell::RoundHalfEven(shell::Val(text));
  return static_cast<int>(std::clamp(v, -1e9, 1e9));
}

// Hex pairs and "//" + eight hex digit markers only.
bool isTemplateHex(std::string_view t) {
  for (std::size_t i = 0; i < t.size();) {
    if (t.substr(i, 2) == "//" && t.size() >= i + 10 &&
        std::all_of(t.begin() + i + 2, t.begin() + i + 10, shell::IsHexDigit)) {
      i += 10;
    } else if (shell::IsHexDigit(t[i])) {
      ++i;
    } else {
      return false;
    }
  }
  return true;
}

void checkTemplate(const Command& c, std::size_t lineNumber, std::vector<std::string>& warnings) {
  auto warn = [&](const std::string& what) {
    warnings.push_back("line " + std::to_string(lineNumber) + ", " + c.name + ": " + what);
  };
  if (c.templ.size() % 2 != 0) warn("the template has an odd number of digits");
  if (!isTemplateHex(c.templ)) warn("the template holds characters that are not hex digits");
  const std::int64_t bytes = static_cast<std::int64_t>(c.templ.size() / 2);
  const std::array<std::pair<std::string_view, int>, 2> params = {{{c.type1, c.offset1}, {c.type2, c.offset2}}};
  for (std::size_t p = 0; p < params.size(); ++p) {
    int width = ParamWidth(ParseParamType(params[p].first));
    if (width > 0 && (params[p].second < 0 || params[p].second + width > bytes))
      warn("parameter " + std::to_string(p + 1) + " does not fit inside the template");
  }
}

template <typename Row>
Row& rowAt(std::vector<Row>& table, std::size_t row) {
  if (table.size() <= row) table.resize(row + 1);
  return table[row];
}

void parseCommandLine(std::string_view line, std::size_t row, std::size_t lineNumber, ParsedCommandSet& out) {
  Fields<kCommandFields> f = splitFields<kCommandFields>(line);
  if (f.overflow) return;  // a seventh field: the line is dropped, its row stays used
  Command& c = rowAt(out.set.commands, row);
  c = Command{shell::UpperCase(f.at[0]), offsetValue(f.at[1]), offsetValue(f.at[2]),
              shell::UpperCase(f.at[3]), shell::UpperCase(f.at[4]), shell::UpperCase(f.at[5])};
  checkTemplate(c, lineNumber, out.warnings);
}

// The allowed-command list: split on ","; entries beyond the 16th are joined into the 16th.
std::vector<std::string> allowedCommands(std::string_view list) {
  std::vector<std::string> entries;
  if (list.empty()) return entries;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = list.find(',', start);
    entries.emplace_back(list.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (entries.size() > kMaxAllowed) {
    for (std::size_t i = kMaxAllowed; i < entries.size(); ++i) entries[kMaxAllowed - 1] += entries[i];
    entries.resize(kMaxAllowed);
  }
  return entries;
}

void parseConstantLine(std::string_view line, ConstKind kind, std::size_t row, ParsedCommandSet& out) {
  Fields<kConstantFields> f = splitFields<kConstantFields>(line);
  // A fifth field drops the line, except for byte constants, which keep their first four.
  if (f.overflow && kind != ConstKind::Byte) return;
  Constant& c = rowAt(out.set.constants[static_cast<std::size_t>(kind)], row);
  c.value = kind == ConstKind::Hex ? shell::UpperCase(f.at[1]) : decimalText(shell::Val(f.at[1]));
  c.name = std::string(f.at[2]);
  c.allowed = allowedCommands(f.at[3]);
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string r;
  for (const std::string& l : lines) r += std::string(kCrLf) + l;
  return r;
}

}  // namespace

ParsedCommandSet ParseCommandSet(std::string_view text) {
  ParsedCommandSet out;
  std::array<std::size_t, 4> constRows{};
  std::size_t commandRow = 0;
  for (std::size_t lineNumber = 1; !text.empty(); ++lineNumber) {
    std::string_view line = nextLine(text);
    if (line.empty() || line.front() == ';') continue;
    if (std::optional<ConstKind> kind = constKind(line)) {
      parseConstantLine(line, *kind, constRows[static_cast<std::size_t>(*kind)]++, out);
    } else {
      parseCommandLine(line, commandRow++, lineNumber, out);
    }
  }
  return out;
}

std::string_view BuiltInCommandSetText() { return resources::get("syntax.fln"); }

const CommandSet& BuiltInCommandSet() {
  static const CommandSet set = ParseCommandSet(BuiltInCommandSetText()).set;
  return set;
}

void RestoreCommandFile(const std::string& path) {
  platform::writeFileAtomic(path, std::string(BuiltInCommandSetText()) + std::string(kCrLf));
}

CommandSet ReadCommandSet(const std::string& path) {
  ParsedCommandSet parsed = ParseCommandSet(platform::readFile(path));
  if (!parsed.warnings.empty())
    ui::msgBox("Some commands of " + path + " cannot be compiled as written:" + joinLines(parsed.warnings));
  return std::move(parsed.set);
}

CommandSet LoadCommandSet(const std::string& path) {
  auto unreadable = [&](const std::string& reason) {
    ui::msgBox("Command file " + path + " could not be read; it was left unchanged and the built-in command set is used." +
               std::string(kCrLf) + reason);
    return BuiltInCommandSet();
  };
  std::error_code ec;
  bool exists = std::filesystem::exists(path, ec);
  if (ec) return unreadable(ec.message());
  if (!exists) {
    ui::msgBox("Command file could not be found or opened. Restoring file to defaults.");
    try {
      RestoreCommandFile(path);
    } catch (const platform::FileError& e) {
      ui::msgBox("The default command set could not be written to " + path + "." + std::string(kCrLf) + e.what());
    }
    return BuiltInCommandSet();
  }
  try {
    return ReadCommandSet(path);
  } catch (const platform::FileError& e) {
    return unreadable(e.what());
  }
}

namespace {
// Empty until a set is loaded: the built-in set stands in until then.
std::optional<CommandSet>& loaded() {
  static std::optional<CommandSet> set;
  return set;
}
}  // namespace

const CommandSet& LoadedCommandSet() { return loaded() ? *loaded() : BuiltInCommandSet(); }
void SetLoadedCommandSet(CommandSet set) { loaded() = std::move(set); }

}  // namespace olvex::furr
