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
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 1024, False,
                         XInternAtom(d, "UTF8_STRING", False), &type, &format, &count, &after, &data) == Success &&
      data) {
    title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
  }
  return title;
}

Window parentOf(Display* d, Window w) {
  Window root, parent = 0, *children = nullptr;
  unsigned int n = 0;
  if (XQueryTree(d, w, &root, &parent, &children, &n) && children) XFree(children);
  return parent;
}

// The children of `w` (only the viewable ones, or all), bottom first.
std::vector<Window> childrenOf(Display* d, Window w, bool viewableOnly = true) {
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

// The window titled `title` in the tree of `w`, `w` included; 0 when there is none.
Window named(Display* d, Window w, const std::string& title, bool viewableOnly = true) {
  if (titleOf(d, w) == title) return w;
  for (Window child : childrenOf(d, w, viewableOnly))
    if (Window found = named(d, child, title, viewableOnly)) return found;
  return 0;
}

// The index among the viewable top-level windows of the topmost one holding the window titled
// `title`; -1 when none does.
int topLevelHolding(Display* d, const std::vector<Window>& tops, const std::string& title) {
  for (int i = static_cast<int>(tops.size()); i-- > 0;)
    if (named(d, tops[i], title)) return i;
  return -1;
}

// The viewable windows under `w`, leaving out the tree of `skip`.
void descendants(Display* d, Window w, Window skip, std::vector<Window>& out) {
  for (Window child : childrenOf(d, w))
    if (child != skip) {
      out.push_back(child);
      descendants(d, child, skip, out);
    }
}

// Starts a program with its output dropped, on `display` when one is given.
pid_t spawn(const std::vector<const char*>& argv, const std::string& display) {
  pid_t pid = ::fork();
  if (pid != 0) return pid;
  int null = ::open("/dev/null", O_WRONLY);
  ::dup2(null, STDOUT_FILENO);
  ::dup2(null, STDERR_FILENO);
  if (!display.empty()) ::setenv("DISPLAY", display.c_str(), 1);
  std::vector<char*> args;
  for (const char* a : argv) args.push_back(const_cast<char*>(a));
  args.push_back(nullptr);
  ::execvp(args[0], args.data());
  ::_exit(127);
}

// Windows come and go while they are looked at: an error about one that is gone is no failure.
// (In a process with a Qt application on the display, Qt's handler takes its place.)
int ignoreError(Display*, XErrorEvent*) { return 0; }

void stop(pid_t& pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  ::waitpid(pid, nullptr, 0);
  pid = -1;
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

bool XDisplay::available() { return std::system("command -v Xvfb >/dev/null && command -v openbox >/dev/null") == 0; }

XDisplay::XDisplay() {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("pipe failed");
  std::string fd = std::to_string(fds[1]);
  server_ = spawn({"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-dpi", "96", "-nolisten",
                   "tcp", "-noreset"},
                  "");
  ::close(fds[1]);
  std::string number;  // the first line Xvfb writes to the pipe
  for (char c; server_ > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n';) number += c;
  ::close(fds[0]);
  name_ = ":" + number;
  if (!number.empty() && (client_ = XOpenDisplay(name_.c_str()))) {
    XSetErrorHandler(ignoreError);
    return;
  }
  stop(server_);
  throw std::runtime_error("Xvfb did not start");
}

XDisplay::~XDisplay() { stopServer(); }

// Openbox manages the screen once it puts a window it is asked to map into a frame of its own.
// A map asked for while it is still starting may be lost, so the probe is mapped until framed.
// The first key the test types comes from another keyboard device than the server's own, and
// that switch makes a running openbox grab its key bindings anew: a chord sent meanwhile (Alt+F4)
// slips past it. So a key goes first, before openbox starts.
void XDisplay::startWindowManager() {
  if (windowManager_ > 0) return;
  key("Shift_L", true);
  key("Shift_L", false);
  windowManager_ = spawn({"openbox", "--sm-disable"}, name_);
  Window root = DefaultRootWindow(client_);
  Window probe = XCreateSimpleWindow(client_, root, 0, 0, 10, 10, 0, 0, 0);
  bool framed = false;
  for (int i = 0; i < 500 && !framed && ::waitpid(windowManager_, nullptr, WNOHANG) == 0; ++i) {
    XMapWindow(client_, probe);
    XFlush(client_);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    framed = parentOf(client_, probe) != root;
  }
  XDestroyWindow(client_, probe);
  XSync(client_, False);
  if (framed) return;
  stopWindowManager();
  throw std::runtime_error("openbox did not start on " + name_);
}

void XDisplay::stopWindowManager() { stop(windowManager_); }

void XDisplay::stopServer() {
  stopWindowManager();
  if (client_) XCloseDisplay(client_);
  client_ = nullptr;
  stop(server_);
}

void XDisplay::moveTo(int x, int y) {
  XTestFakeMotionEvent(client_, -1, x, y, CurrentTime);
  XSync(client_, False);
}

void XDisplay::button(bool press, int number) {
  XTestFakeButtonEvent(client_, static_cast<unsigned>(number), press, CurrentTime);
  XSync(client_, False);
}

void XDisplay::key(const std::string& keysym, bool press) {
  KeySym sym = XStringToKeysym(keysym.c_str());
  if (sym == NoSymbol) throw std::invalid_argument("no key named " + keysym);
  XTestFakeKeyEvent(client_, XKeysymToKeycode(client_, sym), press, CurrentTime);
  XSync(client_, False);
}

bool XDisplay::findWindow(const std::string& title, Rect& area, std::vector<Rect>& above) {
  std::vector<Window> tops = childrenOf(client_, DefaultRootWindow(client_));
  int i = topLevelHolding(client_, tops, title);
  if (i < 0 || !areaOf(client_, named(client_, tops[i], title), area)) return false;
  above.clear();
  for (std::size_t j = i + 1; j < tops.size(); ++j)
    if (Rect r; areaOf(client_, tops[j], r)) above.push_back(r);
  return true;
}

bool XDisplay::shows(const std::string& title) {
  for (Window top : childrenOf(client_, DefaultRootWindow(client_)))
    if (named(client_, top, title, false)) return true;
  return false;
}

// The buttons are the small squares in the frame's strip above the window, in its right half.
std::vector<Rect> XDisplay::titleButtons(const std::string& title) {
  std::vector<Rect> buttons;
  std::vector<Window> tops = childrenOf(client_, DefaultRootWindow(client_));
  int i = topLevelHolding(client_, tops, title);
  Window window = i < 0 ? 0 : named(client_, tops[i], title);
  Rect frame, area;
  if (!window || !areaOf(client_, tops[i], frame) || !areaOf(client_, window, area)) return buttons;
  std::vector<Window> under;
  descendants(client_, tops[i], window, under);
  for (Window w : under)
    if (Rect r; areaOf(client_, w, r) && r.top >= frame.top && r.top + r.height <= area.top &&
                r.left > frame.left + frame.width / 2 && std::abs(r.width - r.height) <= 2 && r.width > 4)
      buttons.push_back(r);
  std::sort(buttons.begin(), buttons.end(), [](const Rect& a, const Rect& b) { return a.left < b.left; });
  return buttons;
}

bool XDisplay::stackedAbove(const std::string& upper, const std::string& lower) {
  std::vector<Window> tops = childrenOf(client_, DefaultRootWindow(client_));
  int u = topLevelHolding(client_, tops, upper), l = topLevelHolding(client_, tops, lower);
  return u >= 0 && l >= 0 && u > l;
}

bool XDisplay::frameOf(unsigned long w, bool managed, Rect& frame, Rect& area) {
  Window top = w;
  for (Window p = parentOf(client_, top); p && p != DefaultRootWindow(client_); p = parentOf(client_, p)) top = p;
  XWindowAttributes a;
  return XGetWindowAttributes(client_, w, &a) && a.map_state == IsViewable && (!managed || top != w) &&
         areaOf(client_, top, frame) && areaOf(client_, w, area);
}

bool XDisplay::focusedIn(const std::string& title) {
  Window w;
  int revert;
  XGetInputFocus(client_, &w, &revert);
  for (; w != None && w != PointerRoot && w != DefaultRootWindow(client_); w = parentOf(client_, w))
    if (titleOf(client_, w) == title) return true;
  return false;
}

Pixels XDisplay::grab(int left, int top, int width, int height) {
  Pixels p;
  XImage* image = XGetImage(client_, DefaultRootWindow(client_), left, top, width, height, AllPlanes, ZPixmap);
  if (!image) return p;
  p.width = width;
  p.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.rgb.push_back(XGetPixel(image, x, y) & 0xFFFFFF);
  XDestroyImage(image);
  return p;
}

}  // namespace olvex::test::x
