#pragma once
// The frame every customizer dialog shares. A dialog is a ui::Form whose controls are members
// (control arrays for boxes that belong together) plus a DialogTable: tables of its layout, its
// fields' filters and leave rules, its colour swatches, enable couplings, read-outs, previews and
// focus redirects. Build() reads the tables once and wires the few generic handlers; a dialog
// writes by hand only what its own rules add.
#include <array>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "customizers/frame/field_rules.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::customizers {

class Dialog;
class TableControls;

// A control by name and index (-1 outside a control array); rows that cover an array give the
// first and last index, and skip the holes between.
struct Place {
  std::string_view name;
  int index;
  int left, top, width, height;  // twips, relative to the container
  std::string_view text = {};    // caption, or the text of a text or combo box
  std::string_view container = {};
};

// One line of a group: a caption label, then up to three boxes left to right, then an optional
// colour swatch.
struct Box {
  std::string_view name;
  int index = -1;
};
struct LineRow {
  std::string_view container;
  int top;
  Box label;
  std::string_view caption;
  int boxLeft;  // twips from the container's left
  std::array<Box, 3> boxes = {};
  std::string_view swatch = {};
  int boxWidth = 495;
};

// A designer value the layout does not give: the text of a box, or a caption.
struct DesignerText {
  std::string_view name;
  int index;
  std::string_view text;
};

// Later rows override earlier ones, so a row for a whole array can precede its exceptions.
struct FieldRow {
  std::string_view name;
  int first, last;
  Filter filter;
  int maxLength;  // 0: no limit
  LeaveRule leave = {};
};

// A filled shape that shows the colour of three boxes of one text box array.
struct Swatch {
  std::string_view shape;
  std::string_view array;
  int red, green, blue;
};

// The controls a check box enables: while it holds 1 the targets are enabled (whenChecked) or
// disabled (!whenChecked), otherwise the reverse. Applied on every change and at build.
struct Coupling {
  std::string_view check;
  std::string_view target;
  int first, last;
  bool whenChecked = true;
};

// A scroll bar's position shown as text (and back colour, when given) in a box or label.
struct ReadoutEntry {
  std::string_view text;
  int grey = -1;  // back colour (grey, grey, grey); the text is white on black, else black
};
struct Readout {
  std::string_view scroll;
  std::string_view target;
  int targetIndex;
  int firstPosition;
  std::span<const ReadoutEntry> entries;
};

// A timer that drives a preview: interval, whether it runs from the start, its tick.
struct Preview {
  std::string_view timer;
  int interval;
  bool running;
  void (*tick)(Dialog&);
};

// Controls that never keep the focus: receiving it moves it on to `to`.
struct FocusRedirect {
  std::string_view name;
  int first, last;
  std::string_view to;
};

struct DialogTable {
  std::string_view caption;
  std::string_view scope = {};   // "defaults" re-reads the config for this word; empty: none
  bool modal = true;             // modeless: borderless, dragged, hidden on deactivation and close
  int width = 0, height = 0;     // twips
  std::string_view applyButton = "Command1";
  std::string_view defaultsButton = "Command2";
  std::span<const Place> layout = {};
  std::span<const LineRow> lines = {};
  std::span<const DesignerText> texts = {};
  std::span<const FieldRow> fields = {};
  std::span<const Swatch> swatches = {};
  std::span<const Coupling> couplings = {};
  std::span<const Readout> readouts = {};
  std::span<const Preview> previews = {};
  std::span<const FocusRedirect> redirects = {};
};

// A table of rows made at compile time: `Make` returns them as a std::vector (so loops and the
// layout helpers can build them), and the result is static data, nothing built at run time.
template <auto Make>
consteval auto StaticTable() {
  constexpr std::size_t kCount = Make().size();
  std::array<typename decltype(Make())::value_type, kCount> rows{};
  auto made = Make();
  for (std::size_t i = 0; i < kCount; ++i) rows[i] = made[i];
  return rows;
}

class Dialog : public ui::Form {
 public:
  Dialog(std::string name, const DialogTable& table);

  const DialogTable& table() const { return table_; }
  // Shows the default instance as the table says; opening never reloads values.
  void open();
  // "defaults": the config read again for this dialog's scope word.
  virtual void defaults();

  // Creates elements first..last of a control array.
  template <class T>
  static void addRange(ui::ControlArray<T>& array, int first, int last) {
    for (int i = first; i <= last; ++i) array.add(i);
  }

 protected:
  // Lays the controls out and wires the rules; called at the end of the dialog's constructor,
  // after its own handlers are set (the frame's run first and then call them).
  void build();
  // Checks a box against a rule chosen when it is left (rules that follow the dialog's state);
  // false when the check failed or another box's failed check is taking the focus back.
  bool leave(ui::TextBox& box, const LeaveRule& rule);

 private:
  void place(const TableControls& at, const Place& p);
  void placeLine(const TableControls& at, const LineRow& line);
  // A text or combo box's row, and the handlers it had before the frame's filter and check.
  struct Field {
    ui::Control* control;
    const FieldRow* row;
    std::function<void(int&)> keyPress = {};
    std::function<void()> lostFocus = {};
  };
  void wireFields(const TableControls& at);
  void wireField(Field& f);
  void wireSwatch(const TableControls& at, const Swatch& s);
  void wireCoupling(const TableControls& at, const Coupling& c);
  void wireReadout(const TableControls& at, const Readout& r);
  void wireButtons(const TableControls& at);
  // The frame's own handlers: a kept one runs before the handler a control had (its link keeps
  // that one). Both live as long as the dialog, at fixed addresses.
  const std::function<void()>& keep(std::function<void()> frame);
  void chain(std::function<void()>& handler, const std::function<void()>& frame);
  struct Link {
    const std::function<void()>* frame;
    std::function<void()> previous;
  };

  const DialogTable& table_;
  std::vector<Field> fields_;
  std::deque<std::function<void()>> frames_;
  std::deque<Link> links_;
};

// Sets the designer text of a control: a caption, or the text of a text or combo box.
void SetDesignerText(ui::Control& c, std::string_view text);

}  // namespace olvex::customizers
