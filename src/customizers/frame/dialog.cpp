#include "customizers/frame/dialog.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/move_mouse.h"
#include "ui/control_index.h"
#include "ui/host.h"

namespace olvex::customizers {

namespace {

constexpr int kSnapPixels = 10;
constexpr ui::Color kWhite = 0xFFFFFF;

// One refocus at a time: while a failed field shows its message and takes the focus back, the
// leave checks that this focus change causes are skipped, so two failing fields never bounce
// message boxes at each other.
bool refocusPending = false;

template <class T>
T* kindOf(ui::Control& c, ui::ControlKind kind) {
  return c.kind() == kind ? static_cast<T*>(&c) : nullptr;
}

}  // namespace

void SetDesignerText(ui::Control& c, std::string_view text) {
  std::string t(text);
  switch (c.kind()) {
    case ui::ControlKind::Label: static_cast<ui::Label&>(c).setCaption(std::move(t)); return;
    case ui::ControlKind::TextBox: static_cast<ui::TextBox&>(c).setText(std::move(t)); return;
    case ui::ControlKind::CheckBox: static_cast<ui::CheckBox&>(c).setCaption(std::move(t)); return;
    case ui::ControlKind::OptionButton: static_cast<ui::OptionButton&>(c).setCaption(std::move(t)); return;
    case ui::ControlKind::CommandButton: static_cast<ui::CommandButton&>(c).setCaption(std::move(t)); return;
    case ui::ControlKind::Frame: static_cast<ui::Frame&>(c).setCaption(std::move(t)); return;
    case ui::ControlKind::ComboBox: static_cast<ui::ComboBox&>(c).setText(std::move(t)); return;
    default: break;
  }
  throw std::logic_error(c.name() + " takes no designer text");
}

Dialog::Dialog(std::string name, const DialogTable& table) : Form(std::move(name)), table_(table) {
  // Nearly every control has a place or a line; a line places up to five.
  expectControls(table.layout.size() + 5 * table.lines.size() + 8);
}

// The dialog's controls as its tables name them; a name the dialog lacks is a std::logic_error.
class TableControls {
 public:
  explicit TableControls(const Dialog& dialog) : dialog_(dialog), index_(dialog.controls()) {}

  ui::Control& operator()(std::string_view name, int index = -1) const {
    if (ui::Control* c = index_.find(name, index)) return *c;
    throw std::logic_error(dialog_.name() + " has no control " + std::string(name) +
                           (index < 0 ? "" : "(" + std::to_string(index) + ")"));
  }
  template <class T>
  T& as(std::string_view name, int index = -1) const {
    return dynamic_cast<T&>((*this)(name, index));
  }
  // Calls fn for a row's controls (as ControlIndex::forRange): the one control for first < 0,
  // else the array's elements first..last (holes skipped, at least one).
  template <class Fn>
  void forRange(std::string_view name, int first, int last, Fn fn) const {
    if (first < 0) {
      if (index_.forRange(name, -1, -1, fn) == 0) (*this)(name);  // throws
      return;
    }
    if (index_.forRange(name, first, last, fn) == 0)
      throw std::logic_error(dialog_.name() + " has no " + std::string(name) + " in range");
  }
  const ui::ControlIndex& slots() const { return index_; }
  // The container of a row: rows of one group name the same one, so the last is kept.
  ui::Control& container(std::string_view name) const {
    if (name.data() != containerName_.data() || name.size() != containerName_.size()) {
      container_ = &(*this)(name);
      containerName_ = name;
    }
    return *container_;
  }

 private:
  const Dialog& dialog_;
  ui::ControlIndex index_;
  mutable std::string_view containerName_;
  mutable ui::Control* container_ = nullptr;
};

const std::function<void()>& Dialog::keep(std::function<void()> frame) {
  return frames_.emplace_back(std::move(frame));
}

void Dialog::chain(std::function<void()>& handler, const std::function<void()>& frame) {
  Link& link = links_.emplace_back(Link{&frame, std::move(handler)});
  handler = [&link] {
    (*link.frame)();
    if (link.previous) link.previous();
  };
}

void Dialog::open() { show(table_.modal); }

void Dialog::defaults() {
  shell::LoadScope = std::string(table_.scope);
  try {
    shell::ReadCommonConfig();
  } catch (const std::exception& e) {
    ui::msgBox(std::string("The config file could not be read: ") + e.what());
  }
}

void Dialog::build() {
  setCaption(std::string(table_.caption));
  if (table_.width > 0) resize(table_.width, table_.height);
  const TableControls at(*this);
  for (const Place& p : table_.layout) place(at, p);
  for (const LineRow& line : table_.lines) placeLine(at, line);
  for (const DesignerText& t : table_.texts) SetDesignerText(at(t.name, t.index), t.text);
  wireFields(at);
  for (const Swatch& s : table_.swatches) wireSwatch(at, s);
  for (const Coupling& c : table_.couplings) wireCoupling(at, c);
  for (const Readout& r : table_.readouts) wireReadout(at, r);
  for (const Preview& p : table_.previews) {
    auto& timer = at.as<ui::Timer>(p.timer);
    timer.setInterval(p.interval);
    timer.setEnabled(p.running);
    chain(timer.onTimer, keep([this, tick = p.tick] { tick(*this); }));
  }
  for (const FocusRedirect& r : table_.redirects) {
    const auto& moveOn = keep([&to = at(r.to)] { to.setFocus(); });
    at.forRange(r.name, r.first, r.last, [&](ui::Control& c) { chain(c.onGotFocus, moveOn); });
  }
  wireButtons(at);
}

void Dialog::place(const TableControls& at, const Place& p) {
  ui::Control& c = at(p.name, p.index);
  if (!p.container.empty()) c.setContainer(&at.container(p.container));
  c.move(p.left, p.top, p.width, p.height);
  if (!p.text.empty()) SetDesignerText(c, p.text);
}

void Dialog::placeLine(const TableControls& at, const LineRow& line) {
  constexpr int kMargin = 120, kGap = 45, kBoxHeight = 285, kLabelHeight = 255;
  auto put = [&](const Box& b, int left, int top, int width, int height) {
    place(at, {b.name, b.index, left, top, width, height, {}, line.container});
  };
  if (!line.label.name.empty()) {
    put(line.label, kMargin, line.top + 30, line.boxLeft - kMargin - kGap, kLabelHeight);
    SetDesignerText(at(line.label.name, line.label.index), line.caption);
  }
  int left = line.boxLeft;
  for (const Box& b : line.boxes) {
    if (b.name.empty()) break;
    put(b, left, line.top, line.boxWidth, kBoxHeight);
    left += line.boxWidth + kGap;
  }
  if (line.swatch.empty()) return;
  put({line.swatch}, left, line.top, kBoxHeight, kBoxHeight);
  at.as<ui::Shape>(line.swatch).setFilled(true);
}

void Dialog::wireFields(const TableControls& at) {
  // The last row naming a control is its rule.
  std::vector<const FieldRow*> ruleOf(at.slots().slotCount());
  std::size_t count = 0;
  for (const FieldRow& row : table_.fields) {
    at.forRange(row.name, row.first, row.last, [&](ui::Control&, std::size_t slot) {
      if (!ruleOf[slot]) ++count;
      ruleOf[slot] = &row;
    });
  }
  // fields_ is sized here once: the boxes' handlers hold its elements' addresses.
  fields_.reserve(count);
  for (std::size_t slot = 0; slot < ruleOf.size(); ++slot)
    if (ruleOf[slot]) fields_.push_back({at.slots().atSlot(slot), ruleOf[slot]});
  for (Field& f : fields_) wireField(f);
}

void Dialog::wireField(Field& f) {
  ui::Control& c = *f.control;
  std::function<void(int&)>* keyPress = nullptr;
  if (auto* box = kindOf<ui::TextBox>(c, ui::ControlKind::TextBox)) {
    box->setMaxLength(f.row->maxLength);
    keyPress = &box->onKeyPress;
    if (f.row->leave.kind != LeaveRule::Kind::None) {
      // The frame's check runs before the dialog's own handler, which a failed check skips.
      f.lostFocus = std::move(box->onLostFocus);
      box->onLostFocus = [this, &f] {
        if (leave(static_cast<ui::TextBox&>(*f.control), f.row->leave) && f.lostFocus) f.lostFocus();
      };
    }
  } else if (auto* combo = kindOf<ui::ComboBox>(c, ui::ControlKind::ComboBox)) {
    keyPress = &combo->onKeyPress;
  } else {
    throw std::logic_error(c.name() + " is not a text or combo box");
  }
  f.keyPress = std::move(*keyPress);
  *keyPress = [&f](int& key) {
    key = FilterKey(f.row->filter, key);
    if (key != 0 && f.keyPress) f.keyPress(key);
  };
}

bool Dialog::leave(ui::TextBox& box, const LeaveRule& rule) {
  if (refocusPending) return false;
  LeaveOutcome out = CheckLeave(rule, box.text());
  box.setText(out.text);
  if (out.message.empty()) return true;
  refocusPending = true;
  try {
    ui::msgBox(out.message);
    box.setFocus();
  } catch (...) {
    refocusPending = false;
    throw;
  }
  refocusPending = false;
  return false;
}

void Dialog::wireSwatch(const TableControls& at, const Swatch& s) {
  auto& shape = at.as<ui::Shape>(s.shape);
  auto& red = at.as<ui::TextBox>(s.array, s.red);
  auto& green = at.as<ui::TextBox>(s.array, s.green);
  auto& blue = at.as<ui::TextBox>(s.array, s.blue);
  const auto& recolour = keep([&shape, &red, &green, &blue] {
    shape.setFillColor(SwatchColour(red.text(), green.text(), blue.text()));
  });
  recolour();
  for (ui::TextBox* box : {&red, &green, &blue}) chain(box->onChange, recolour);
}

void Dialog::wireCoupling(const TableControls& at, const Coupling& c) {
  auto& check = at.as<ui::CheckBox>(c.check);
  std::vector<ui::Control*> targets;
  at.forRange(c.target, c.first, c.last, [&](ui::Control& t) { targets.push_back(&t); });
  const auto& follow = keep([&check, targets = std::move(targets), whenChecked = c.whenChecked] {
    bool on = (check.value() == 1) == whenChecked;
    for (ui::Control* t : targets) t->setEnabled(on);
  });
  follow();
  chain(check.onClick, follow);
}

void Dialog::wireReadout(const TableControls& at, const Readout& r) {
  auto& scroll = at.as<ui::HScrollBar>(r.scroll);
  ui::Control& target = at(r.target, r.targetIndex);
  const auto& show = keep([&scroll, &target, &r] {
    int i = scroll.value() - r.firstPosition;
    if (i < 0 || i >= static_cast<int>(r.entries.size())) return;
    const ReadoutEntry& e = r.entries[static_cast<std::size_t>(i)];
    SetDesignerText(target, e.text);
    if (e.grey < 0) return;
    target.setBackColor(ui::rgb(e.grey, e.grey, e.grey));
    target.setForeColor(e.grey == 0 ? kWhite : 0);
  });
  show();
  chain(scroll.onChange, show);
}

void Dialog::wireButtons(const TableControls& at) {
  if (table_.modal) {
    if (!table_.applyButton.empty()) chain(at(table_.applyButton).onClick, keep([this] { hide(); }));
    if (!table_.defaultsButton.empty()) chain(at(table_.defaultsButton).onClick, keep([this] { defaults(); }));
    // Closing from the title bar keeps the values, as "apply" does.
    onCloseBox = [this] { hide(); };
    return;
  }
  setBorderless(true);
  // Losing activation leaves the field, runs the dialog's own handler and hides the window (it
  // stays loaded); the window manager's close (Alt+F4) is taken for the same.
  onDeactivate = [this, previous = onDeactivate] {
    if (!leaveField()) return;
    if (previous) previous();
    hide();
  };
  onCloseBox = onDeactivate;
  onMouseMove = [this, previous = onMouseMove](const ui::MouseEvent& e) {
    if (previous) previous(e);
    shell::DragForm(*this, e.x, e.y, e.button, kSnapPixels);
  };
}

}  // namespace olvex::customizers
