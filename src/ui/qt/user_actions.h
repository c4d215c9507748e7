#pragma once
// The user's input reaches the model only once Qt has finished delivering the input event that
// carried it. A handler may open a modal window, and a modal loop running inside an input
// event's delivery starves the new window's painting. Actions run in the order they were posted,
// also inside modal loops opened by earlier ones (a modal window's own buttons post here too).
#include <functional>

namespace olvex::ui::qt::UserActions {

void post(std::function<void()> action);

// While one is alive, posted actions wait: a yield repaints but takes no user input.
class Hold {
 public:
  Hold();
  ~Hold();
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;
};

}  // namespace olvex::ui::qt::UserActions
