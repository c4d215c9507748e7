#include "support/test_host.h"

#include "ui/controls.h"

namespace olvex::test {

TestHost::TestHost() { ui::setHost(this); }

TestHost::~TestHost() {
  ui::Forms::reset();
  ui::setHost(nullptr);
}

void TestHost::drawText(ui::Canvas& canvas, int x, int y, const std::string& text, const ui::Font&, ui::Color colour) {
  int column = 0, line = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      ++i;
      ++line;
      column = 0;
      continue;
    }
    if (text[i] != ' ') canvas.fillRect(x + column * kCharWidth, y + line * kLineHeight, kCharWidth, kLineHeight, colour);
    ++column;
  }
}

ui::MsgAnswer TestHost::message(const ui::Message& m) {
  messages.push_back(m);
  if (onMessage) onMessage(m);
  if (answers.empty()) return ui::defaultAnswer(m.buttons);
  auto a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> TestHost::openFile(const ui::FileDialog& d) {
  dialogs.push_back(d);
  if (fileAnswers.empty()) return std::nullopt;
  auto a = fileAnswers.front();
  fileAnswers.pop_front();
  return a;
}

std::optional<std::string> TestHost::saveFile(const ui::FileDialog& d) { return openFile(d); }

void TestHost::show(ui::Form& f, bool modal) {
  shown.push_back(f.name());
  if (onShow) onShow(f, modal);
}
void TestHost::hide(ui::Form&) {}
void TestHost::unloaded(ui::Form& f) {
  unloadedForms.push_back(f.name());
  std::erase_if(timers, [&f](ui::Timer* t) { return &t->form() == &f; });  // as the real host does
}

void TestHost::yield() {
  ++yields;
  if (onYield) onYield();
}

void TestHost::timerChanged(ui::Timer& t) { timers.insert(&t); }
void TestHost::timerRemoved(ui::Timer& t) { timers.erase(&t); }

void TestHost::tickTimers() {
  auto now = timers;  // a tick may create or remove timers
  for (ui::Timer* t : now)
    if (timers.count(t)) t->tick();
}

std::vector<std::string> TestHost::texts() const {
  std::vector<std::string> r;
  for (auto& m : messages) r.push_back(m.text);
  return r;
}

}  // namespace olvex::test
