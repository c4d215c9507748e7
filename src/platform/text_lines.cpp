#include "platform/files.h"

namespace olvex::platform {

namespace {

std::string withoutTrailingNuls(std::string_view line) {
  auto end = line.find_last_not_of('\0');
  return std::string(line.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

}  // namespace

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.push_back(withoutTrailingNuls(text.substr(start, i - start)));
    bool crLf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    i += crLf ? 2 : 1;
    start = i;
  }
  if (start < text.size()) lines.push_back(withoutTrailingNuls(text.substr(start)));
  return lines;
}

std::vector<std::string> readLines(const std::string& path) { return splitLines(readFile(path)); }

void writeLinesAtomic(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text.append(line).append("\r\n");
  writeFileAtomic(path, text);
}

}  // namespace olvex::platform
