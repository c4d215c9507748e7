#pragma once
// Walks a config text line by line without copying: CR LF, LF or a lone CR end a line, NULs at
// the end of a line are dropped, a last line without line end is a line.
#include <algorithm>
#include <string_view>

namespace olvex::shell {

class ConfigLines {
 public:
  explicit ConfigLines(std::string_view text) : text_(text) {}
  // The next line; false at the end of the text.
  bool next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    // A plain scan: find_first_of would call memchr over its two characters for each one.
    auto isEnd = [](char c) { return c == '\r' || c == '\n'; };
    std::size_t end = std::find_if(text_.begin() + pos_, text_.end(), isEnd) - text_.begin();
    line = text_.substr(pos_, end - pos_);
    while (!line.empty() && line.back() == '\0') line.remove_suffix(1);
    pos_ = end;
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n' && (end == pos_ || text_[pos_ - 1] == '\r')) ++pos_;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace olvex::shell
