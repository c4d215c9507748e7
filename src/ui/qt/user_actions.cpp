#include "ui/qt/user_actions.h"

#include <QCoreApplication>
#include <deque>

namespace olvex::ui::qt::UserActions {

namespace {

std::deque<std::function<void()>> queue;
bool scheduled = false;
int holds = 0;

void drain();

void schedule() {
  if (scheduled || queue.empty() || holds > 0) return;
  scheduled = true;
  QMetaObject::invokeMethod(QCoreApplication::instance(), drain, Qt::QueuedConnection);
}

// Runs the queue. Before each action the next run is scheduled, so that a modal loop the action
// opens goes on with the actions after it.
void drain() {
  scheduled = false;
  while (holds == 0 && !queue.empty()) {
    std::function<void()> action = std::move(queue.front());
    queue.pop_front();
    schedule();
    action();
  }
}

}  // namespace

void post(std::function<void()> action) {
  queue.push_back(std::move(action));
  schedule();
}

Hold::Hold() { ++holds; }

Hold::~Hold() {
  --holds;
  schedule();
}

}  // namespace olvex::ui::qt::UserActions
