#include <algorithm>

#include "ui/controls.h"
#include "ui/property.h"

namespace olvex::ui {

namespace {
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
}  // namespace

TextBox::TextBox(Form& f, std::string name, int index)
    : Control(f, ControlKind::TextBox, std::move(name), index) {
  setBackColor(kWindowBack);
}

void TextBox::setText(std::string t) {
  if (t == text_) return;
  text_ = std::move(t);
  selStart_ = 0;
  selLength_ = 0;
  changed();
  raise(onChange);
}

void TextBox::setMultiLine(bool m) {
  if (assign(multiLine_, m)) changed();
}

void TextBox::setMaxLength(int n) {
  if (assign(maxLength_, n)) changed();
}

void TextBox::setLocked(bool l) {
  if (assign(locked_, l)) changed();
}

void TextBox::setSelection(int start, int length) {
  int n = static_cast<int>(text_.size());
  start = std::clamp(start, 0, n);
  length = std::clamp(length, 0, n - start);
  if (start == selStart_ && length == selLength_) return;
  selStart_ = start;
  selLength_ = length;
  changed();
}

bool TextBox::filter(int& key) {
  if (onKeyPress) onKeyPress(key);
  return key != 0;
}

void TextBox::insertAtSelection(const std::string& s) {
  std::string ins = s;
  if (maxLength_ > 0) {
    int room = maxLength_ - (static_cast<int>(text_.size()) - selLength_);
    ins.resize(static_cast<std::size_t>(std::clamp(room, 0, static_cast<int>(ins.size()))));
  }
  if (ins.empty() && selLength_ == 0) return;
  std::string t = text_.substr(0, selStart_) + ins + text_.substr(selStart_ + selLength_);
  int caret = selStart_ + static_cast<int>(ins.size());
  bool differs = t != text_;
  text_ = std::move(t);
  selStart_ = caret;
  selLength_ = 0;
  changed();
  if (differs) raise(onChange);
}

void TextBox::typeKey(int key) {
  if (!enabled() || !filter(key) || locked_) return;
  typeFiltered(key);
}

bool TextBox::userEdit() {
  int key = kBackspace;
  if (!enabled() || !filter(key) || locked_) return false;
  if (key == kBackspace) return true;
  typeFiltered(key);
  return false;
}

void TextBox::typeFiltered(int key) {
  if (key == kBackspace) {
    if (selLength_ == 0 && selStart_ > 0) {
      bool crlf = selStart_ >= 2 && text_.compare(selStart_ - 2, 2, "\r\n") == 0;
      int n = crlf ? 2 : 1;
      selStart_ -= n;
      selLength_ = n;
    }
    insertAtSelection("");
  } else if (key == kEnter) {
    if (multiLine_) insertAtSelection("\r\n");
  } else if (key >= 32 && key <= 255) {
    insertAtSelection(std::string(1, static_cast<char>(key)));
  }
}

void TextBox::typeText(const std::string& s) {
  for (unsigned char c : s) typeKey(c);
}

void TextBox::paste(const std::string& s) {
  if (!enabled() || locked_) return;
  std::string kept;
  for (std::size_t i = 0; i < s.size(); ++i) {
    int key = static_cast<unsigned char>(s[i]);
    if (key == '\r' || key == '\n') {
      if (!multiLine_) break;  // a single-line box takes the first line only
      if (key == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
      key = kEnter;  // a line break passes KeyPress as the Enter key, as typed
    }
    if (!filter(key)) continue;
    if (key == kEnter) {
      if (multiLine_) kept += "\r\n";  // every line break is held as CR LF
    } else if (key >= 32 && key <= 255) {
      kept += static_cast<char>(key);
    }
  }
  insertAtSelection(kept);
}

void TextBox::userKeyUp(int keyCode) {
  if (enabled() && onKeyUp) onKeyUp(keyCode);
}

int TextBox::lineCount() const {
  int n = 1;
  for (std::size_t p = text_.find("\r\n"); p != std::string::npos; p = text_.find("\r\n", p + 2)) ++n;
  return n;
}

int TextBox::lineFromChar(int charPos) const {
  if (charPos < 0) charPos = selStart_;
  charPos = std::min(charPos, static_cast<int>(text_.size()));
  int line = 0;
  for (std::size_t p = text_.find("\r\n"); p != std::string::npos && static_cast<int>(p) + 2 <= charPos;
       p = text_.find("\r\n", p + 2))
    ++line;
  return line;
}

}  // namespace olvex::ui
