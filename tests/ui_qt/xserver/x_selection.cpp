#include "ui_qt/xserver/x_selection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <stdexcept>

namespace olvex::test::x {

SelectionOwner::SelectionOwner(const std::string& display) {
  if (::pipe(wake_) != 0) throw std::runtime_error("pipe failed");
  display_ = XOpenDisplay(display.c_str());
  if (!display_) {
    ::close(wake_[0]);
    ::close(wake_[1]);
    throw std::runtime_error("cannot connect to " + display);
  }
  window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);  // never mapped
  XFlush(display_);
  thread_ = std::thread([this] { serve(); });
}

SelectionOwner::~SelectionOwner() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  [[maybe_unused]] auto written = ::write(wake_[1], "x", 1);
  thread_.join();
  XCloseDisplay(display_);  // the server takes every selection it owned away with it
  ::close(wake_[0]);
  ::close(wake_[1]);
}

void SelectionOwner::own(const std::string& selection, const std::string& text) {
  std::unique_lock lock(mutex_);
  claims_.emplace_back(selection, text);
  int until = made_ + 1;
  [[maybe_unused]] auto written = ::write(wake_[1], "c", 1);
  claimed_.wait(lock, [&] { return made_ >= until; });
}

// Every Xlib call on this connection happens on this thread.
void SelectionOwner::serve() {
  pollfd fds[] = {{ConnectionNumber(display_), POLLIN, 0}, {wake_[0], POLLIN, 0}};
  for (;;) {
    while (XPending(display_) > 0) {
      XEvent e;
      XNextEvent(display_, &e);
      if (e.type == SelectionRequest) answer(&e.xselectionrequest);
      else if (e.type == SelectionClear) forget(e.xselectionclear.selection);
    }
    ::poll(fds, 2, -1);
    if (fds[1].revents & POLLIN) {
      char c;
      [[maybe_unused]] auto got = ::read(wake_[0], &c, 1);
      std::lock_guard lock(mutex_);
      if (stopping_) return;
    }
    claim();
  }
}

void SelectionOwner::claim() {
  std::vector<std::pair<std::string, std::string>> claims;
  {
    std::lock_guard lock(mutex_);
    claims.swap(claims_);
  }
  if (claims.empty()) return;
  for (const auto& [selection, text] : claims) {
    Atom atom = XInternAtom(display_, selection.c_str(), False);
    texts_[atom] = text;
    XSetSelectionOwner(display_, atom, window_, CurrentTime);
  }
  XSync(display_, False);  // the server has made this client the owner
  std::lock_guard lock(mutex_);
  made_ += static_cast<int>(claims.size());
  claimed_.notify_all();
}

// Another client took the selection; a claim made since (the clear can be read after it) keeps
// the text, so the server is asked who owns it now.
void SelectionOwner::forget(unsigned long selection) {
  if (XGetSelectionOwner(display_, selection) != window_) texts_.erase(selection);
}

// Hands the text over in the property the requestor named, or refuses with no property.
void SelectionOwner::answer(const void* request) {
  const auto& r = *static_cast<const XSelectionRequestEvent*>(request);
  Atom targets = XInternAtom(display_, "TARGETS", False), utf8 = XInternAtom(display_, "UTF8_STRING", False);
  Atom property = r.property == None ? r.target : r.property;  // a client of old asks with none
  XSelectionEvent reply{};
  reply.type = SelectionNotify;
  reply.requestor = r.requestor;
  reply.selection = r.selection;
  reply.target = r.target;
  reply.time = r.time;
  reply.property = None;
  auto owned = texts_.find(r.selection);
  if (owned != texts_.end() && r.target == targets) {
    Atom offered[] = {targets, utf8, XA_STRING};
    XChangeProperty(display_, r.requestor, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(offered), 3);
    reply.property = property;
  } else if (owned != texts_.end() && (r.target == utf8 || r.target == XA_STRING)) {
    const std::string& text = owned->second;
    XChangeProperty(display_, r.requestor, property, r.target, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
    reply.property = property;
  }
  XEvent sent;
  sent.xselection = reply;
  XSendEvent(display_, r.requestor, False, NoEventMask, &sent);
  XFlush(display_);
}

}  // namespace olvex::test::x
