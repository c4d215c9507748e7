#pragma once
// The lines of a multi-line box's text in order, each found once, so a walk over all of them is
// one pass over the text however many lines it holds. Lines end at CR LF; what follows the last
// CR LF (empty at the end of the text) is the last line, so n line ends make n + 1 lines.
#include <string_view>

namespace olvex::ui {

class BoxLines {
 public:
  explicit BoxLines(std::string_view text) : text_(text) {}
  // The next line; false after the last.
  bool next(std::string_view& line) {
    if (pos_ > text_.size()) return false;
    std::size_t end = text_.find("\r\n", pos_);
    if (end == std::string_view::npos) end = text_.size();
    line = text_.substr(pos_, end - pos_);
    pos_ = end + 2;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace olvex::ui
