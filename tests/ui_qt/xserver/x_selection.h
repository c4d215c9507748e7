#pragma once
// Another program's selection: an X client of its own (its own connection, served on its own
// thread) that owns a selection (PRIMARY, the text selected somewhere; CLIPBOARD, the text
// copied) and hands its text to whoever asks for it as UTF8_STRING or STRING, with the list of
// TARGETS it offers. The program under test reads it from the X server as from any other program.
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct _XDisplay;

namespace olvex::test::x {

class SelectionOwner {
 public:
  explicit SelectionOwner(const std::string& display);  // throws when it cannot connect
  ~SelectionOwner();
  SelectionOwner(const SelectionOwner&) = delete;
  SelectionOwner& operator=(const SelectionOwner&) = delete;

  // Takes the selection named `selection` with `text`, also from a client that took it since,
  // and returns once the X server names this client its owner.
  void own(const std::string& selection, const std::string& text);

 private:
  void serve();
  void claim();
  void forget(unsigned long selection);
  void answer(const void* request);

  _XDisplay* display_ = nullptr;
  unsigned long window_ = 0;
  int wake_[2] = {-1, -1};
  std::map<unsigned long, std::string> texts_;  // by selection atom, while this client owns it

  std::mutex mutex_;
  std::condition_variable claimed_;
  std::vector<std::pair<std::string, std::string>> claims_;  // asked for, not yet made
  int made_ = 0;  // claims made so far
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace olvex::test::x
