#include "ui/host.h"

#include <cstdio>
#include <stdexcept>

namespace olvex::ui {

namespace {
Host* current = nullptr;
}

Host& host() {
  if (!current) throw std::logic_error("no window host is set");
  return *current;
}

Host* hostIfSet() { return current; }

void setHost(Host* h) { current = h; }

MsgAnswer defaultAnswer(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: return MsgAnswer::Ok;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNo: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
  }
  return MsgAnswer::Ok;
}

void printMessage(const Message& m) {
  std::fprintf(stderr, "%s: %s\n", m.title.empty() ? "OLVEX" : m.title.c_str(), m.text.c_str());
}

MsgAnswer msgBox(const std::string& text, MsgButtons buttons, const std::string& title, MsgIcon icon) {
  return host().message(Message{text, title, buttons, icon});
}

}  // namespace olvex::ui
