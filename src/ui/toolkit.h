#pragma once
// The window toolkit seen from the window system: a host that shows the forms, and the event
// loop that runs once windows are up. The program loads it only when it must show something.
#include <functional>
#include <memory>

#include "ui/host.h"

namespace olvex::ui {

class Toolkit {
 public:
  virtual ~Toolkit() = default;
  virtual Host& host() = 0;
  // Runs the event loop until no form is left loaded; its result.
  virtual int exec() = 0;
};

// Starts the toolkit (throws std::runtime_error when it cannot be started).
using ToolkitLoader = std::function<std::unique_ptr<Toolkit>()>;

}  // namespace olvex::ui
