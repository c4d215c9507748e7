#pragma once
// A window: caption, geometry in twips, its controls, Load and Unload. Each window class has one
// default instance, created (and loaded) the first time anything touches it and destroyed by
// Unload; the next touch creates a fresh one with the designer values.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace olvex::ui {

class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  // The place of the window's client area on the screen and its size, in twips.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Code that changes the left or top places the window: it opens there from then on.
  void move(int left, int top, int width, int height);
  void setLeft(int v) { move(v, top_, width_, height_); }
  void setTop(int v) { move(left_, v, width_, height_); }
  void resize(int width, int height) { move(left_, top_, width, height); }
  // A window that code never placed opens centred over the window that opened it (the host's
  // active form), else in the screen's work area, and inside the work area. It is centred again
  // each time it is shown.
  void centreOnOpener();
  // The window system moved the window (the user dragged it, a window manager placed it): the
  // left and top follow, and nothing else changes.
  void movedTo(int left, int top);
  bool borderless() const { return borderless_; }
  void setBorderless(bool b);
  Color backColor() const { return back_; }
  void setBackColor(Color c);

  bool visible() const { return visible_; }
  bool modal() const { return modal_; }
  // Shows the form through the host; a modal show returns when the form is hidden. A modal
  // window takes the keyboard from the window it opens over (the host's active form): that
  // window's field is left first (leaveField), a check that refuses keeps this window closed,
  // and the field has the focus again (GotFocus) once this window is closed.
  void show(bool modal = false);
  void hide();
  // Runs Unload, drops the host's view and ends this default instance.
  void unload();
  bool unloading() const { return unloading_; }

  const std::vector<Control*>& controls() const { return controls_; }
  Control* activeControl() const { return active_; }
  void focus(Control* c);
  // The user leaves the window (closes it, or it hides as it loses activation): the control with
  // the focus loses it, so its check on leaving runs as for Tab or a click. The control stays the
  // window's focus and gets it again (GotFocus) when the window is shown again. False when its
  // LostFocus handler took the focus back (a check that refused): the window stays as it is.
  bool leaveField();
  // Code is about to show something else in the window's fields (another record, another
  // parameter): the control with the focus is left as for Tab, so its check on leaving runs for
  // what it holds now, and then has the focus again. False when the check refused: nothing else
  // must be shown then.
  bool checkField();

  void userMouseMove(const MouseEvent& e);
  void userMouseDown(const MouseEvent& e);
  void userMouseUp(const MouseEvent& e);
  // A key went down anywhere in the window (key code: 13 Enter, 27 Esc, 112.. F1..). The window
  // sees it before the control with the focus; a handler that sets the code to 0 swallows it.
  void userKeyDown(int& keyCode, int shift);
  // A key the window takes for itself wherever its focus is (0: none), as the main window takes
  // the key left of 1 for its console: where the keyboard layout makes it a dead key, it composes
  // nothing into the next character in this window. Everywhere else it types what the layout says.
  int ownKey() const { return ownKey_; }
  void setOwnKey(int keyCode) { ownKey_ = keyCode; }
  // The window became the active one; it lost activation (another window was activated).
  void userActivate();
  void userDeactivate();
  // The user closed the window from its title bar (or the window manager's close key): the field
  // is left first, and a refusing check keeps the window open.
  void userClose();

  std::function<void(const MouseEvent&)> onMouseMove, onMouseDown, onMouseUp;
  std::function<void(int& keyCode, int shift)> onKeyDown;
  std::function<void()> onUnload, onDeactivate, onActivate;
  // When set, the title bar's close box runs it instead of unloading the window.
  std::function<void()> onCloseBox;
  // Set by a view: called after a property of the form changed.
  std::function<void()> viewHook;

 protected:
  // The Load event: runs once, right after the default instance was created.
  virtual void load() {}
  // Room for about n controls, for a window that knows how many it will make.
  void expectControls(std::size_t n) { controls_.reserve(n); }

 private:
  friend class Control;
  friend class Forms;
  void changed();
  // After leaveField: the control that is still the window's focus has it again (GotFocus).
  void regainField();
  // Sets the geometry without placing the window.
  void reshape(int left, int top, int width, int height);
  // A view learns of controls added or removed while the form is loaded (control arrays).
  void add(Control* c);
  void remove(Control* c);

  std::string name_;
  std::string caption_;
  int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
  bool placed_ = false;
  bool borderless_ = false;
  int ownKey_ = 0;
  Color back_ = kButtonFace;
  bool visible_ = false, modal_ = false, unloading_ = false;
  std::vector<Control*> controls_;
  Control* active_ = nullptr;
  // The control whose GotFocus ran last and whose LostFocus has not: the active control, or none
  // while the window is left (leaveField) or a LostFocus handler runs.
  Control* focusNotified_ = nullptr;
  Form** registered_ = nullptr;  // the default instance slot that holds this form, if any
};

// The registry of default instances.
class Forms {
 public:
  // The default instance of F, created and loaded on first access.
  template <class F>
  static F& get() {
    Form*& slot = instanceOf<F>();
    if (slot) return static_cast<F&>(*slot);
    auto owned = std::make_unique<F>();
    F& f = *owned;
    adopt(std::move(owned), slot);
    static_cast<Form&>(f).load();
    return f;
  }
  template <class F>
  static bool loaded() {
    return instanceOf<F>() != nullptr;
  }
  static bool isLoaded(const Form& f);
  // Loaded forms in the order they were created.
  static std::vector<Form*> all();
  // Frees unloaded instances; call only where no handler of theirs is running.
  static void collect();
  // Unloads and frees every form (test teardown).
  static void reset();

 private:
  friend class Form;
  // The default instance of F, null while none is loaded. A static of an inline template is one
  // object in the whole process, whichever module asks.
  template <class F>
  static Form*& instanceOf() {
    static Form* instance = nullptr;
    return instance;
  }
  // Takes a new default instance into the loaded forms and its slot.
  static void adopt(std::unique_ptr<Form> f, Form*& slot);
  static std::vector<std::unique_ptr<Form>>& live();  // in the order they were created
  static std::vector<std::unique_ptr<Form>>& unloaded();
  static void release(Form& f);
};

}  // namespace olvex::ui
