#include "shell/unload_all.h"

#include <string_view>

#include "ui/form.h"

namespace olvex::shell {

namespace {

// The shutdown order, by window name. Each new window takes its place in this list.
constexpr std::string_view kShutdownOrder[] = {
    "Splash",
    "Form1",
};

bool running = false;

}  // namespace

void UnloadAll() {
  if (running) return;
  running = true;
  struct Done {
    ~Done() { running = false; }
  } done;
  for (std::string_view name : kShutdownOrder) {
    for (ui::Form* f : ui::Forms::all()) {
      if (f->name() != name) continue;
      f->unload();
      break;
    }
  }
}

}  // namespace olvex::shell
