#pragma once
// A private X server for window tests: Xvfb on a display number it picks itself (-displayfd), so
// parallel test processes never collide, and one client connection that sends real input
// (XTest) and reads the screen's pixels. The connection belongs to the scenario thread.
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

namespace olvex::test::x {

// Pixels of a screen area, 0xRRGGBB each, row by row.
struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> rgb;
  std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
  // One colour everywhere in the rectangle.
  bool uniform(int left, int top, int w, int h) const;
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

  void moveTo(int x, int y);
  void button(bool press);  // the left button
  void key(const std::string& keysym, bool press);
  Pixels grab(int left, int top, int width, int height);
  // The client area of the viewable window named `utf8Title` (the newest of several), in root
  // coordinates; false when there is none. Asks only the X server.
  bool findWindow(const std::string& utf8Title, int& left, int& top, int& width, int& height);

 private:
  pid_t server_ = -1;
  std::string name_;
  _XDisplay* client_ = nullptr;
};

}  // namespace olvex::test::x
