#pragma once
// A private X server for window tests: Xvfb on a display number it picks itself (-displayfd), so
// parallel test processes never collide, and one client connection that sends real input
// (XTest) and reads the screen's pixels. The connection belongs to the scenario thread. A window
// manager (openbox) can run on it, to decorate, place and stack windows as a desktop does.
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

namespace olvex::test::x {

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

// Pixels of a screen area, 0xRRGGBB each, row by row; kHidden where another window covers it.
struct Pixels {
  static constexpr std::uint32_t kHidden = 0x1000000;
  int width = 0, height = 0;
  std::vector<std::uint32_t> rgb;
  std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
  // One colour on every visible pixel of the rectangle, which has some.
  bool uniform(int left, int top, int w, int h) const;
  bool anyHidden(int left, int top, int w, int h) const;
  // Marks the part of `r` (in the same coordinates as this area's `origin`) hidden.
  void hide(Rect origin, Rect r);
};

class XDisplay {
 public:
  // Starts Xvfb; throws when it cannot be started.
  XDisplay();
  ~XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  // True where Xvfb is installed.
  static bool available();
  const std::string& name() const { return name_; }  // ":N"

  // True where openbox is installed.
  static bool windowManagerAvailable();
  // Starts openbox and waits until it manages the screen; throws when it does not.
  void startWindowManager();
  void stopWindowManager();

  void moveTo(int x, int y);
  void button(bool press);  // the left button
  void key(const std::string& keysym, bool press);
  Pixels grab(int left, int top, int width, int height);
  // The client area of the viewable window named `utf8Title` (the topmost of several), in root
  // coordinates, and the areas of the windows stacked above it; false when there is none. Asks
  // only the X server.
  bool findWindow(const std::string& utf8Title, Rect& area, std::vector<Rect>& above);
  // A viewable top-level window (the window or a window manager's frame) holds that window.
  bool shows(const std::string& utf8Title);
  // The whole top-level window holding that window, a window manager's frame included.
  bool findFrame(const std::string& utf8Title, Rect& frame);
  // The buttons a window manager drew in the window's title bar right of its caption, left to
  // right (the close box last).
  std::vector<Rect> titleButtons(const std::string& utf8Title);
  // The window named `upper` is stacked above the one named `lower`.
  bool stackedAbove(const std::string& upper, const std::string& lower);
  // The keyboard's focus lies in the window named `utf8Title`: keys typed now reach it.
  bool focusedIn(const std::string& utf8Title);

 private:
  pid_t server_ = -1, windowManager_ = -1;
  std::string name_;
  _XDisplay* client_ = nullptr;
};

}  // namespace olvex::test::x
