#pragma once
// Walks a config text line by line without copying: CR LF, LF or a lone CR end a line, NULs at
// the end of a line are dropped, a last line without line end is a line.
#include <algorithm>
#include <string_view>

namespace olvex::shell {

class ConfigLines {
 public:
  explicit ConfigLines(std::string_view text) : text_(text), cr_(find('\r')), lf_(find('\n')) {}
  // The next line; false at the end of the text.
  bool next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    // The next CR and the next LF are each kept until a line passes them, so each search runs
    // over the text once whatever the line ends.
    if (cr_ < pos_) cr_ = find('\r');
    if (lf_ < pos_) lf_ = find('\n');
    std::size_t end = std::min(cr_, lf_);
    line = text_.substr(pos_, end - pos_);
    while (!line.empty() && line.back() == '\0') line.remove_suffix(1);
    pos_ = end;
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n' && (end == pos_ || text_[pos_ - 1] == '\r')) ++pos_;
    return true;
  }

 private:
  // The first `c` from pos_ on; the text's size when there is none.
  std::size_t find(char c) const { return std::min(text_.find(c, pos_), text_.size()); }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t cr_, lf_;  // the next CR and LF at or after the line start
};

}  // namespace olvex::shell
