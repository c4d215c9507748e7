#pragma once
// The main window's stage caption (Label10) and progress bar (Shape4 in its frame Shape3) while a
// pass runs. Progress runs from 0 to kFullProgress; the full bar fills the frame inside the
// margin the bar keeps from the frame's left edge.
#include <string_view>

namespace olvex::shell {
class Form1;
}

namespace olvex::patcher {

inline constexpr int kFullProgress = 128;

class ProgressDisplay {
 public:
  explicit ProgressDisplay(shell::Form1& form) : form_(form) {}
  ~ProgressDisplay();  // hides the display, whichever way the pass ends
  ProgressDisplay(const ProgressDisplay&) = delete;
  ProgressDisplay& operator=(const ProgressDisplay&) = delete;

  // Shows the stage's caption and bar (the display appears with the first stage).
  void stage(std::string_view caption, int progress);

 private:
  void setVisible(bool v);
  shell::Form1& form_;
};

}  // namespace olvex::patcher
