#include "furr/checker.h"

#include <array>

#include "platform/files.h"

namespace olvex::furr {
namespace {

constexpr int kUnknownCommand = 1;
constexpr int kParam1Missing = 2;
constexpr int kParam2Missing = 3;
constexpr int kUnnecessaryParams = 10;
constexpr int kParamsWithoutCommand = 11;

// Status texts by code; the line number follows each but the first.
constexpr std::array<std::string_view, 19> kStatus = {
    "spellcheck OK",
    "unknown command at line ",
    "parameter(s) missing in line ",
    "parameter(s) missing in line ",
    "signed byte overflow detected at line ",
    "unsigned byte overflow detected at line ",
    "signed integer overflow detected at line ",
    "unsigned integer overflow detected at line ",
    "signed long overflow detected at line ",
    "unknown param type detected for line ",
    "unnecessary parameters in line ",
    "parameters without command at line ",
    "address parameter too long in line ",
    "unknown constant specified in line ",
    "unknown constant specified in line ",
    "unknown constant specified in line ",
    "wrong flipeffect parameter in line ",
    "wrong constant defined in line ",
    "incomplete time parameter in line ",
};

// Checks one parameter slot of a command row; 0 when it passes.
int checkParam(std::string_view typeWord, std::string_view text, int missingCode, const ParamContext& context) {
  ParamType type = ParseParamType(typeWord);
  if (type == ParamType::None) return text.empty() ? 0 : kUnnecessaryParams;
  if (type != ParamType::CurrFlip && text.empty()) return missingCode;
  return EncodeParam(type, text, context).error;
}

}  // namespace

SourceWords SplitWords(std::string_view line) {
  std::array<std::string_view, 3> words;
  std::size_t start = 0;
  for (std::size_t w = 0; w < words.size() && start <= line.size(); ++w) {
    std::size_t space = line.find(' ', start);
    words[w] = line.substr(start, space == std::string_view::npos ? space : space - start);
    if (space == std::string_view::npos) break;
    start = space + 1;
  }
  return {words[0], words[1], words[2]};
}

std::vector<std::string> SourceLines(std::string_view code) { return platform::splitLines(code); }

int CheckLine(const CommandSet& set, std::string_view line, Dialect dialect) {
  SourceWords w = SplitWords(line);
  if (w.command.empty()) return w.param1.empty() && w.param2.empty() ? 0 : kParamsWithoutCommand;
  if (w.command.front() == '\0') return 0;
  int result = kUnknownCommand;
  ParamContext context{set, w.command, dialect};
  for (const Command& row : set.commands) {
    if (row.name != w.command) continue;
    result = 0;
    if (int e = checkParam(row.type1, w.param1, kParam1Missing, context)) return e;
    if (int e = checkParam(row.type2, w.param2, kParam2Missing, context)) return e;
  }
  return result;
}

std::string CheckStatusText(int code, int lineNumber) {
  if (code <= 0 || code >= static_cast<int>(kStatus.size())) return std::string(kStatus[0]);
  return std::string(kStatus[code]) + std::to_string(lineNumber);
}

ScriptCheck CheckScript(const CommandSet& set, std::string_view code, Dialect dialect) {
  std::vector<std::string> lines = SourceLines(code);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (int e = CheckLine(set, lines[i], dialect)) {
      int n = static_cast<int>(i + 1);
      return {e, n, CheckStatusText(e, n)};
    }
  }
  return {};
}

}  // namespace olvex::furr
