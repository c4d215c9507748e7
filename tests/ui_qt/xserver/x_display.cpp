#include "ui_qt/xserver/x_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace olvex::test::x {

namespace {

std::string titleOf(Display* d, Window w) {
  Atom name = XInternAtom(d, "_NET_WM_NAME", False), utf8 = XInternAtom(d, "UTF8_STRING", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(d, w, name, 0, 1024, False, utf8, &type, &format, &count, &after, &data) == Success && data) {
    title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
  }
  return title;
}

// The viewable children of `w` (or all of them), bottom first.
std::vector<Window> viewableChildren(Display* d, Window w, bool viewableOnly = true) {
  std::vector<Window> out;
  Window root, parent, *children = nullptr;
  unsigned int n = 0;
  if (!XQueryTree(d, w, &root, &parent, &children, &n)) return out;
  for (unsigned int i = 0; i < n; ++i) {
    XWindowAttributes a;
    if (!viewableOnly || (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable))
      out.push_back(children[i]);
  }
  if (children) XFree(children);
  return out;
}

// The window's area in root coordinates.
bool areaOf(Display* d, Window w, Rect& r) {
  XWindowAttributes a;
  Window child;
  if (!XGetWindowAttributes(d, w, &a) ||
      !XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &r.left, &r.top, &child))
    return false;
  r.width = a.width;
  r.height = a.height;
  return true;
}

// The window named `title` in the tree under `w` (a frame a window manager put around it
// included), viewable or in any state.
bool holds(Display* d, Window w, const std::string& title, bool viewableOnly = true) {
  if (titleOf(d, w) == title) return true;
  for (Window child : viewableChildren(d, w, viewableOnly))
    if (holds(d, child, title, viewableOnly)) return true;
  return false;
}

Window named(Display* d, Window w, const std::string& title) {
  if (titleOf(d, w) == title) return w;
  for (Window child : viewableChildren(d, w))
    if (Window found = named(d, child, title)) return found;
  return 0;
}

// The topmost top-level window (a window manager's frame, or the window itself) holding the
// window named `title`; 0 when none does.
Window topLevelHolding(Display* d, const std::string& title, std::size_t* index = nullptr) {
  std::vector<Window> tops = viewableChildren(d, DefaultRootWindow(d));
  for (std::size_t i = tops.size(); i-- > 0;) {
    if (!holds(d, tops[i], title)) continue;
    if (index) *index = i;
    return tops[i];
  }
  return 0;
}

// The viewable windows under `w` (not `w` itself), leaving out the subtree of `skip`.
void descendants(Display* d, Window w, Window skip, std::vector<Window>& out) {
  for (Window child : viewableChildren(d, w)) {
    if (child == skip) continue;
    out.push_back(child);
    descendants(d, child, skip, out);
  }
}

// The first line Xvfb writes to the -displayfd pipe: its display number.
std::string readDisplayNumber(int fd) {
  std::string number;
  char c;
  while (::read(fd, &c, 1) == 1 && c != '\n') number += c;
  return number;
}

}  // namespace

bool Pixels::uniform(int left, int top, int w, int h) const {
  std::uint32_t first = kHidden;
  for (int y = top; y < top + h; ++y)
    for (int x = left; x < left + w; ++x) {
      std::uint32_t c = at(x, y);
      if (c == kHidden) continue;
      if (first == kHidden) first = c;
      else if (c != first) return false;
    }
  return first != kHidden;
}

bool Pixels::anyHidden(int left, int top, int w, int h) const {
  for (int y = top; y < top + h; ++y)
    for (int x = left; x < left + w; ++x)
      if (at(x, y) == kHidden) return true;
  return false;
}

void Pixels::hide(Rect origin, Rect r) {
  for (int y = std::max(r.top, origin.top); y < std::min(r.top + r.height, origin.top + height); ++y)
    for (int x = std::max(r.left, origin.left); x < std::min(r.left + r.width, origin.left + width); ++x)
      rgb[static_cast<std::size_t>(y - origin.top) * width + (x - origin.left)] = kHidden;
}

bool XDisplay::available() { return std::system("command -v Xvfb >/dev/null 2>&1") == 0; }

XDisplay::XDisplay() {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("pipe failed");
  server_ = ::fork();
  if (server_ == 0) {
    ::close(fds[0]);
    int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    std::string fd = std::to_string(fds[1]);
    ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-dpi", "96",
             "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(fds[1]);
  std::string number = server_ > 0 ? readDisplayNumber(fds[0]) : "";
  ::close(fds[0]);
  if (number.empty()) {
    if (server_ > 0) ::waitpid(server_, nullptr, 0);
    server_ = -1;
    throw std::runtime_error("Xvfb did not start");
  }
  name_ = ":" + number;
  client_ = XOpenDisplay(name_.c_str());
  if (!client_) throw std::runtime_error("cannot connect to Xvfb on " + name_);
}

XDisplay::~XDisplay() {
  stopWindowManager();
  if (client_) XCloseDisplay(client_);
  if (server_ > 0) {
    ::kill(server_, SIGTERM);
    ::waitpid(server_, nullptr, 0);
  }
}

bool XDisplay::windowManagerAvailable() { return std::system("command -v openbox >/dev/null 2>&1") == 0; }

void XDisplay::startWindowManager() {
  if (windowManager_ > 0) return;
  windowManager_ = ::fork();
  if (windowManager_ == 0) {
    int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    ::setenv("DISPLAY", name_.c_str(), 1);
    ::execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  if (windowManager_ < 0) throw std::runtime_error("cannot start openbox");
  // It manages the screen once it puts a window it is asked to map into a frame of its own
  // (naming its check window on the root window comes earlier, before it takes windows). A map
  // asked for while it is still starting may be lost, so the probe is mapped again until framed.
  Window root = DefaultRootWindow(client_);
  Window probe = XCreateSimpleWindow(client_, root, 0, 0, 10, 10, 0, 0, 0);
  for (int i = 0; i < 500; ++i) {
    XMapWindow(client_, probe);
    XFlush(client_);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Window top, parent, *children = nullptr;
    unsigned int n = 0;
    if (XQueryTree(client_, probe, &top, &parent, &children, &n) && parent != root) {
      if (children) XFree(children);
      XDestroyWindow(client_, probe);
      XSync(client_, False);
      return;
    }
    if (children) XFree(children);
    if (::waitpid(windowManager_, nullptr, WNOHANG) == windowManager_) break;
  }
  XDestroyWindow(client_, probe);
  stopWindowManager();
  throw std::runtime_error("openbox did not start on " + name_);
}

void XDisplay::stopWindowManager() {
  if (windowManager_ <= 0) return;
  ::kill(windowManager_, SIGTERM);
  ::waitpid(windowManager_, nullptr, 0);
  windowManager_ = -1;
}

void XDisplay::moveTo(int x, int y) {
  XTestFakeMotionEvent(client_, -1, x, y, CurrentTime);
  XSync(client_, False);
}

void XDisplay::button(bool press) {
  XTestFakeButtonEvent(client_, 1, press, CurrentTime);
  XSync(client_, False);
}

void XDisplay::key(const std::string& keysym, bool press) {
  KeySym sym = XStringToKeysym(keysym.c_str());
  if (sym == NoSymbol) throw std::invalid_argument("no key named " + keysym);
  XTestFakeKeyEvent(client_, XKeysymToKeycode(client_, sym), press, CurrentTime);
  XSync(client_, False);
}

bool XDisplay::findWindow(const std::string& utf8Title, Rect& area, std::vector<Rect>& above) {
  std::vector<Window> tops = viewableChildren(client_, DefaultRootWindow(client_));
  for (std::size_t i = tops.size(); i-- > 0;) {
    if (!holds(client_, tops[i], utf8Title) || !areaOf(client_, named(client_, tops[i], utf8Title), area)) continue;
    above.clear();
    for (std::size_t j = i + 1; j < tops.size(); ++j)
      if (Rect r; areaOf(client_, tops[j], r)) above.push_back(r);
    return true;
  }
  return false;
}

// A window manager's frame stays on the screen a moment after the window in it was unmapped.
bool XDisplay::shows(const std::string& utf8Title) {
  for (Window top : viewableChildren(client_, DefaultRootWindow(client_)))
    if (holds(client_, top, utf8Title, false)) return true;
  return false;
}

bool XDisplay::findFrame(const std::string& utf8Title, Rect& frame) {
  Window top = topLevelHolding(client_, utf8Title);
  return top && areaOf(client_, top, frame);
}

std::vector<Rect> XDisplay::titleButtons(const std::string& utf8Title) {
  std::vector<Rect> buttons;
  Window top = topLevelHolding(client_, utf8Title);
  Window window = top ? named(client_, top, utf8Title) : 0;
  Rect frame, area;
  if (!window || !areaOf(client_, top, frame) || !areaOf(client_, window, area)) return buttons;
  // Buttons are the small squares in the frame's strip above the window, in its right half.
  std::vector<Window> under;
  descendants(client_, top, window, under);
  for (Window w : under) {
    Rect r;
    if (!areaOf(client_, w, r) || r.top < frame.top || r.top + r.height > area.top) continue;
    if (r.left > frame.left + frame.width / 2 && std::abs(r.width - r.height) <= 2 && r.width > 4) buttons.push_back(r);
  }
  std::sort(buttons.begin(), buttons.end(), [](const Rect& a, const Rect& b) { return a.left < b.left; });
  return buttons;
}

bool XDisplay::stackedAbove(const std::string& upper, const std::string& lower) {
  std::size_t u = 0, l = 0;
  return topLevelHolding(client_, upper, &u) && topLevelHolding(client_, lower, &l) && u > l;
}

bool XDisplay::focusedIn(const std::string& utf8Title) {
  Window w;
  int revert;
  XGetInputFocus(client_, &w, &revert);
  while (w != None && w != PointerRoot && w != DefaultRootWindow(client_)) {
    if (titleOf(client_, w) == utf8Title) return true;
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(client_, w, &root, &parent, &children, &n)) return false;
    if (children) XFree(children);
    w = parent;
  }
  return false;
}

Pixels XDisplay::grab(int left, int top, int width, int height) {
  Pixels p;
  XImage* image = XGetImage(client_, DefaultRootWindow(client_), left, top, width, height, AllPlanes, ZPixmap);
  if (!image) return p;
  p.width = width;
  p.height = height;
  p.rgb.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.rgb.push_back(XGetPixel(image, x, y) & 0xFFFFFF);
  XDestroyImage(image);
  return p;
}

}  // namespace olvex::test::x
