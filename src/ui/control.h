#pragma once
// The base of every control: identity, geometry in twips, colours, enabled and visible state,
// focus, and the mouse and keyboard events every control kind shares.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace olvex::ui {

class Form;

enum class ControlKind {
  Label, TextBox, CheckBox, OptionButton, CommandButton, ComboBox, ListBox,
  PictureBox, Image, Frame, Shape, Line, HScrollBar, Timer, RoundSlider
};

// Colours are the program's &HBBGGRR numbers. Values with the top bit set name a system colour
// that the view picks from its palette.
using Color = std::uint32_t;
inline constexpr Color kButtonFace = 0x8000000F;
inline constexpr Color kWindowBack = 0x80000005;
inline constexpr Color kWindowText = 0x80000008;

constexpr Color rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

struct MouseEvent {
  int button = 0;  // sum of MouseButton values held
  int shift = 0;   // 1 shift, 2 ctrl, 4 alt
  double x = 0;    // twips inside the control (or form)
  double y = 0;
};

struct Font {
  std::string name = "MS Sans Serif";
  double size = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

// The mouse pointer over a control: the system's arrow, the system's hand (over clickable
// labels and images), or a picture of the program's own: embedded XPM text, whose header may
// give the hot spot.
struct MousePointer {
  enum class Kind { Arrow, Hand, Picture };
  Kind kind = Kind::Arrow;
  std::string_view picture;  // lives as long as the program
  bool operator==(const MousePointer&) const = default;
};
inline constexpr MousePointer kHandCursor{MousePointer::Kind::Hand, {}};

class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& form() const { return form_; }
  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // -1 outside a control array

  // The frame or picture box this control sits in; null for the form itself.
  Control* container() const { return container_; }
  void setContainer(Control* c);

  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  virtual void move(int left, int top, int width, int height);
  void setLeft(int v) { move(v, top_, width_, height_); }
  void setTop(int v) { move(left_, v, width_, height_); }
  void setWidth(int v) { move(left_, top_, v, height_); }
  void setHeight(int v) { move(left_, top_, width_, v); }

  bool enabled() const { return enabled_; }
  void setEnabled(bool v);  // never changes the control's value
  bool visible() const { return visible_; }
  void setVisible(bool v);

  Color foreColor() const { return fore_; }
  void setForeColor(Color c);
  Color backColor() const { return back_; }
  void setBackColor(Color c);
  const Font& font() const { return font_; }
  void setFont(const Font& f);
  const MousePointer& mouseIcon() const { return mouseIcon_; }
  void setMouseIcon(MousePointer p);
  const std::string& toolTip() const { return toolTip_; }
  void setToolTip(std::string t);

  bool hasFocus() const;
  // Moves the focus here (if the control can take it): the previous control's LostFocus, then
  // this control's GotFocus.
  void setFocus();
  virtual bool canTakeFocus() const { return false; }

  // The user's actions, as a view or a test delivers them.
  virtual void userClick();
  void userDblClick();
  void userMouseDown(const MouseEvent& e);
  virtual void userMouseMove(const MouseEvent& e);
  virtual void userMouseUp(const MouseEvent& e);

  std::function<void()> onClick, onDblClick, onGotFocus, onLostFocus;
  std::function<void(const MouseEvent&)> onMouseDown, onMouseMove, onMouseUp;

  // Set by a view: called after any property of this control changed.
  std::function<void()> viewHook;

 protected:
  void changed();
  virtual void enabledChanged() {}
  static void raise(const std::function<void()>& handler) {
    if (handler) handler();
  }

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  int index_;
  Control* container_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 1215, height_ = 375;
  bool enabled_ = true, visible_ = true;
  Color fore_ = kWindowText, back_ = kButtonFace;
  Font font_;
  MousePointer mouseIcon_;
  std::string toolTip_;
};

}  // namespace olvex::ui
