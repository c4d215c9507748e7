#pragma once
// A private X server for window tests: Xvfb on a display number it picks itself (-displayfd), so
// parallel test processes never collide, and one client connection that sends real input
// (XTest) and reads the screen's pixels. The connection belongs to the scenario thread. A window
// manager (openbox) can run on it, to decorate, place and stack windows as a desktop does.
// Windows are found by their UTF-8 title, asking only the X server.
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
  // Marks the part of `r` (in the coordinates of `origin`, this area's top-left) hidden.
  void hide(Rect origin, Rect r);
};

class XDisplay {
 public:
  XDisplay();  // starts Xvfb; throws when it cannot
  ~XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  static bool available();  // Xvfb and openbox are installed
  const std::string& name() const { return name_; }  // ":N"
  // Starts openbox and waits until it manages the screen; throws when it does not.
  void startWindowManager();
  void stopWindowManager();
  // Ends the X server under the programs on it, as a user logging out does. The test's own
  // connection is closed first; nothing else may be asked of this display then.
  void stopServer();

  void moveTo(int x, int y);
  void button(bool press, int number = 1);  // 1 the left button; 4 and 5 turn the wheel
  void key(const std::string& keysym, bool press);
  Pixels grab(int left, int top, int width, int height);
  // The client area of the topmost viewable window with that title, in root coordinates, and
  // the areas of the top-level windows stacked above it; false when there is none.
  bool findWindow(const std::string& title, Rect& area, std::vector<Rect>& above);
  // A top-level window (the window or a window manager's frame, which stays a moment after the
  // window in it was unmapped) holds that window.
  bool shows(const std::string& title);
  // The buttons a window manager drew in the window's title bar, left to right (close last).
  std::vector<Rect> titleButtons(const std::string& title);
  bool stackedAbove(const std::string& upper, const std::string& lower);
  // The areas of the X window `w` and of the top-level window that holds it (a window manager's
  // frame, or `w` itself), in root coordinates; false while `w` is not viewable or, with
  // `managed`, not yet taken into a window manager's frame.
  bool frameOf(unsigned long w, bool managed, Rect& frame, Rect& area);
  // The keyboard's focus lies in that window: keys typed now reach it.
  bool focusedIn(const std::string& title);

 private:
  pid_t server_ = -1, windowManager_ = -1;
  std::string name_;
  _XDisplay* client_ = nullptr;
};

}  // namespace olvex::test::x
