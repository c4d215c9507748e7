#include "furr/command_set.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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
  if (line.size() < 12) return std::nullopt;
  std::string head = shell::UpperCase(line.substr(0, 12));
  for (const ConstKeyword& k : kConstKeywords)
    if (head == k.keyword) return k.kind;
  return std::nullopt;
}

// Splits on single spaces into at most maxFields fields (two spaces in a row make an empty
// field). `overflow` tells that a space was met inside the last field.
std::vector<std::string_view> splitFields(std::string_view line, std::size_t maxFields, bool& overflow) {
  std::vector<std::string_view> fields;
  overflow = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != ' ') continue;
    fields.push_back(line.substr(start, i - start));
    if (fields.size() == maxFields) {
      overflow = true;
      return fields;
    }
    start = i + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

std::string_view field(const std::vector<std::string_view>& fields, std::size_t i) {
  return i < fields.size() ? fields[i] : std::string_view();
}

// A number as the decimal text the tables hold.
std::string decimalText(double v) {
  if (v == std::floor(v) && std::fabs(v) < 1e15) return std::to_string(static_cast<long long>(v));
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", v);
  return buffer;
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
  std::string where = "line " + std::to_string(lineNumber) + ", " + c.name + ": ";
  if (c.templ.size() % 2 != 0) warnings.push_back(where + "the template has an odd number of digits");
  if (!isTemplateHex(c.templ)) warnings.push_back(where + "the template holds characters that are not hex digits");
  const std::int64_t bytes = static_cast<std::int64_t>(c.templ.size() / 2);
  const std::array<std::pair<std::string_view, int>, 2> params = {{{c.type1, c.offset1}, {c.type2, c.offset2}}};
  for (std::size_t p = 0; p < params.size(); ++p) {
    int width = ParamWidth(ParseParamType(params[p].first));
    if (width > 0 && (params[p].second < 0 || params[p].second + width > bytes))
      warnings.push_back(where + "parameter " + std::to_string(p + 1) + " does not fit inside the template");
  }
}

template <typename Row>
Row& rowAt(std::vector<Row>& table, std::size_t row) {
  if (table.size() <= row) table.resize(row + 1);
  return table[row];
}

void parseCommandLine(std::string_view line, std::size_t row, std::size_t lineNumber, ParsedCommandSet& out) {
  bool overflow = false;
  std::vector<std::string_view> f = splitFields(line, kCommandFields, overflow);
  if (overflow) return;  // a seventh field: the line is dropped, its row stays used
  Command& c = rowAt(out.set.commands, row);
  c = Command{shell::UpperCase(field(f, 0)), offsetValue(field(f, 1)), offsetValue(field(f, 2)),
              shell::UpperCase(field(f, 3)), shell::UpperCase(field(f, 4)), shell::UpperCase(field(f, 5))};
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
  bool overflow = false;
  std::vector<std::string_view> f = splitFields(line, kConstantFields, overflow);
  // A fifth field drops the line, except for byte constants, which keep their first four.
  if (overflow && kind != ConstKind::Byte) return;
  Constant& c = rowAt(out.set.constants[static_cast<std::size_t>(kind)], row);
  c.value = kind == ConstKind::Hex ? shell::UpperCase(field(f, 1)) : decimalText(shell::Val(field(f, 1)));
  c.name = std::string(field(f, 2));
  c.allowed = allowedCommands(field(f, 3));
}

CommandSet parseBuiltIn() {
  return ParseCommandSet(platform::splitLines(BuiltInCommandSetText())).set;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string r;
  for (const std::string& l : lines) r += std::string(kCrLf) + l;
  return r;
}

}  // namespace

ParsedCommandSet ParseCommandSet(const std::vector<std::string>& lines) {
  ParsedCommandSet out;
  std::array<std::size_t, 4> constRows{};
  std::size_t commandRow = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (line.empty() || line.front() == ';') continue;
    if (std::optional<ConstKind> kind = constKind(line)) {
      parseConstantLine(line, *kind, constRows[static_cast<std::size_t>(*kind)]++, out);
    } else {
      parseCommandLine(line, commandRow++, i + 1, out);
    }
  }
  return out;
}

std::string_view BuiltInCommandSetText() { return resources::get("syntax.fln"); }

const CommandSet& BuiltInCommandSet() {
  static const CommandSet set = parseBuiltIn();
  return set;
}

void RestoreCommandFile(const std::string& path) {
  platform::writeFileAtomic(path, std::string(BuiltInCommandSetText()) + std::string(kCrLf));
}

CommandSet ReadCommandSet(const std::string& path) {
  ParsedCommandSet parsed = ParseCommandSet(platform::readLines(path));
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
CommandSet& loaded() {
  static CommandSet set = BuiltInCommandSet();
  return set;
}
}  // namespace

const CommandSet& LoadedCommandSet() { return loaded(); }
void SetLoadedCommandSet(CommandSet set) { loaded() = std::move(set); }

}  // namespace olvex::furr
