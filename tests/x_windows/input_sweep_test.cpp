// Every window gone through with the mouse and the keys, with and without a window manager. Each
// control that takes the focus is clicked (a command button is pressed and left, so that it is
// not clicked), and a letter and a digit typed then reach that control and no other; a list
// whose entry is only chosen takes none. Return on a focused command button clicks it: the
// window it opens or closes, or a value it changes, shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "program_fixture.h"
#include "window_table.h"

namespace olvex::test::x {
namespace {

using namespace std::chrono_literals;

struct Named {
  const char* caption;
  const char* control;  // as nameOf gives it
};

// Lists whose entry is only chosen: typed keys change them no more than any other control.
const Named kChosenOnly[] = {
    {"Light customizer", "Combo1"},
    {"Item configurator", "Combo1"},
    {"Item configurator", "Combo2"},
    {"Text customizer", "Combo1(0)"},
};

// A box that follows what is typed into another.
struct Follower {
  const char* caption;
  const char* typed;
  const char* follows;  // as "form.control"
};
const Follower kFollowers[] = {
    {"Inventory customizer", "Text1(1)", "CustInv.Text1(2)"},
    {"Inventory customizer", "Text1(2)", "CustInv.Text1(1)"},
};

// Command buttons that Return is not pressed on: it would end the program, or their click opens
// no window and changes no value here.
const Named kNoReturn[] = {
    {kMain, "Command1"},                    // quit
    {"GFX customizer 2", "Command4"},       // "?" without an action
    {"Enemy HP customizer", "Command3"},    // "AI" without an action
    {"Weapon customizer", "Command10"},     // the preview
    {"Text customizer", "Command18"},       // the legend preview
    {"Flipeffect editor", "Command2"},      // checks the slots, which hold nothing wrong
    {"Limit sub-customizer", "Command3"},   // recalculate the bar ranges from the maxima as they are
    {"Limit sub-customizer", "Command4"},
    {"Limit sub-customizer", "Command5"},
    {"Custom patches", "Command7"},         // clears the selection of an empty list
    // "defaults" where the sweep left every value as the config has it
    {"Text customizer", "Command2"},
    {"Item configurator", "Command2"},
    {"Limit sub-customizer", "Command2"},
};

template <class Row>
bool listed(const Row& rows, const std::string& caption, const std::string& control) {
  return std::any_of(std::begin(rows), std::end(rows),
                     [&](const auto& r) { return caption == r.caption && control == r.control; });
}

bool followerOf(const std::string& caption, const std::string& typed, const std::string& name) {
  return std::any_of(std::begin(kFollowers), std::end(kFollowers), [&](const Follower& f) {
    return caption == f.caption && typed == f.typed && name == f.follows;
  });
}

// The main window and every window opened from it.
std::vector<Window> allWindows() {
  std::vector<Window> all{{kMain, {}, {}, nullptr}};
  all.insert(all.end(), std::begin(kWindows), std::end(kWindows));
  return all;
}

// What the user sees change: the windows shown and every value of every loaded window.
struct World {
  std::set<std::string> windows;
  std::map<std::string, std::string> values;  // by "form.control"
  bool operator==(const World&) const = default;
};

class InputSweep : public ProgramTest, public ::testing::WithParamInterface<std::tuple<Window, bool>> {
 protected:
  InputSweep() { windowManager = std::get<1>(GetParam()); }

  const Window& window() const { return std::get<0>(GetParam()); }

  // Opens the window, from the main window on or, `again`, from the last window on its way
  // that is still shown; counts the keys it sees.
  ui::Form& open(bool again) {
    const std::vector<Click>& clicks = window().opening;
    std::size_t from = 0;
    if (again) {
      std::set<std::string> shown = windowsShown();
      for (std::size_t i = 0; i < clicks.size(); ++i)
        if (shown.count(clicks[i].window)) from = i;
    }
    for (std::size_t i = from; i < clicks.size(); ++i) clickText(clicks[i].window, clicks[i].text);
    expectPainted(window().caption);
    ui::Form* form = nullptr;
    waitFor("the form of \"" + std::string(window().caption) + "\"", [&] {
      for (ui::Form* f : ui::Forms::all())
        if (f->caption() == window().caption && f->visible()) form = f;
      return form != nullptr;
    });
    onGui([&] {
      form->onKeyDown = [this, own = form->onKeyDown](int& key, int shift) {
        ++keysSeen_;
        if (own) own(key, shift);
      };
    });
    return *form;
  }

  // Presses the keys and waits until the window has seen each go down: whatever they do is done.
  void pressAndWait(const std::vector<std::string>& keys) {
    int until = 0;
    onGui([&] { until = keysSeen_ + static_cast<int>(keys.size()); });
    for (const std::string& k : keys) pressKey(k);
    waitFor("the window to see the keys", [&] { return keysSeen_ >= until; });
  }

  // Read in one go on the window thread: a window that a click loads and shows is either not
  // yet loaded or loaded and shown.
  World world() {
    World w;
    onGui([&] {
      w.windows = shownWindowTitles();
      for (ui::Form* f : ui::Forms::all())
        for (const auto& [name, value] : controlValues(*f)) w.values[f->name() + "." + name] = value;
    });
    return w;
  }

  // Gives the control the focus with the mouse, types a letter and a digit, and checks that
  // they changed no other control (nor a list whose entry is only chosen). A box typed into is
  // set back, so that its check on leaving lets the focus go on.
  void focusAndType(ui::Form& form, ui::Control& c) {
    const std::string name = nameOf(c);
    SCOPED_TRACE(name);
    Rect r = placeOf(c);
    bool list = false;
    onGui([&] {
      list = c.kind() == ui::ControlKind::ComboBox &&
             static_cast<ui::ComboBox&>(c).style() == ui::ComboBox::Style::DropDownList;
    });
    if (c.kind() == ui::ControlKind::CommandButton) {
      drag(c, {{r.width / 2, r.height / 2}, {r.width / 2, r.height + 20}});  // released off it
    } else {
      click(c);
    }
    const std::string self = form.name() + "." + name;
    bool chosenOnly = listed(kChosenOnly, window().caption, name);
    // Compares every value with what it was before the keys, but for the control's own, which
    // keys change where it takes typing.
    auto expectKept = [&](const World& before, const World& after, const char* keys) {
      for (const auto& [key, value] : after.values) {
        if ((key == self && !chosenOnly) || followerOf(window().caption, name, key)) continue;
        EXPECT_EQ(before.values.at(key), value) << keys << " in " << name << " changed " << key;
      }
    };
    if (list) {  // the click opened the list: keys typed there pick nothing, Return the entry shown
      waitPopup(true);
      World before = world();
      typeKeys("r5");
      pressKey("Return");
      waitPopup(false);
      pressAndWait({"Shift_L"});
      expectKept(before, world(), "r5 and Return");
      std::this_thread::sleep_for(500ms);  // the next keys begin the list's search afresh
    } else {
      pressAndWait({"Shift_L"});
    }
    std::string text;
    onGui([&] {
      const ui::Control* active = form.activeControl();
      if (c.kind() != ui::ControlKind::OptionButton) {  // an option may hand the focus on
        EXPECT_EQ(active, &c) << "the focus is on " << (active ? nameOf(*active) : "nothing");
      }
      if (c.kind() == ui::ControlKind::TextBox) text = static_cast<ui::TextBox&>(c).text();
    });
    World before = world();
    pressAndWait({"r", "5", "Shift_L"});
    expectKept(before, world(), "r5");
    if (c.kind() == ui::ControlKind::TextBox) onGui([&] { static_cast<ui::TextBox&>(c).setText(text); });
  }

  // Return on the focused button clicks it: it opens or closes a window, or changes a value.
  // What it opened is closed again.
  void pressReturn(const ui::Control& button) {
    World before = world(), after;
    pressKey("Return");
    auto until = std::chrono::steady_clock::now() + 10s;
    while ((after = world()) == before) {
      if (std::chrono::steady_clock::now() > until) {
        ADD_FAILURE() << "Return on " << nameOf(button) << " did nothing";
        return;
      }
      std::this_thread::sleep_for(50ms);
    }
    for (const std::string& caption : after.windows)
      if (!before.windows.count(caption)) close(caption);
  }

  // Closes a window that Return opened: a dialog by its button, the command list (borderless,
  // without a caption) by its "close" label, a message box or a file dialog by Esc.
  void close(const std::string& caption) {
    auto w = std::find_if(std::begin(kWindows), std::end(kWindows), [&](const Window& w) { return caption == w.caption; });
    if (w != std::end(kWindows)) {
      clickText(w->popup ? kMain : caption, w->close);
    } else if (caption.empty()) {  // gone for the window system: the X server has more without a name
      clickText(caption, "close");
      auto until = std::chrono::steady_clock::now() + 10s;
      for (; windowsShown().count(caption); std::this_thread::sleep_for(50ms))
        ASSERT_LT(std::chrono::steady_clock::now(), until) << "the command list does not close";
      return;
    } else {
      expectPainted(caption);
      pressKey("Escape");
    }
    waitClosed(caption);
  }

  int keysSeen_ = 0;  // on the window thread
};

TEST_P(InputSweep, TypedKeysReachTheClickedControlAndReturnClicksTheFocusedButton) {
  run([&] {
    mainWindow();
    ui::Form* form = &open(false);
    std::vector<std::string> names;
    onGui([&] {
      for (const ui::Control* c : form->controls())
        if (takesFocus(c->kind())) names.push_back(nameOf(*c));
    });
    for (bool buttons : {false, true}) {
      for (const std::string& name : names) {
        ui::Control* c = nullptr;
        onGui([&] {
          for (ui::Control* each : form->controls())
            if (nameOf(*each) == name && shown(*each) && inView(*each) &&
                (each->kind() == ui::ControlKind::CommandButton) == buttons)
              c = each;
        });
        if (!c) continue;
        focusAndType(*form, *c);
        if (!buttons || listed(kNoReturn, window().caption, name)) continue;
        pressReturn(*c);
        if (!windowsShown().count(window().caption)) form = &open(true);
      }
    }
  });
}

INSTANTIATE_TEST_SUITE_P(, InputSweep, ::testing::Combine(::testing::ValuesIn(allWindows()), ::testing::Bool()),
                         [](const auto& info) {
                           std::string name = std::get<0>(info.param).caption;
                           std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                           return name + (std::get<1>(info.param) ? "_WindowManager" : "_Bare");
                         });

}  // namespace
}  // namespace olvex::test::x
