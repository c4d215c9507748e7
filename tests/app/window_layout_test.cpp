// Every window as it opens after the real start-up: each control's place, size, state, colours,
// font, pointer, caption and contents, and a digest of every picture, against the stored text in
// window_layout.txt. A control that moved by one twip, a caption or colour that changed, a picture
// drawn differently shows as the lines that differ. After a deliberate change, run the test with
// OLVEX_WRITE_LAYOUT=1 to store the new text, and read its diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "customizers/bars/dialog.h"
#include "customizers/camera/dialog.h"
#include "customizers/conditions/dialog.h"
#include "customizers/credits/dialog.h"
#include "customizers/enemies/dialog.h"
#include "customizers/fog/dialog.h"
#include "customizers/fonts/dialog.h"
#include "customizers/gfx/dialog.h"
#include "customizers/gfx2/dialog.h"
#include "customizers/health/dialog.h"
#include "customizers/inventory/dialog.h"
#include "customizers/lights/dialog.h"
#include "customizers/limits/dialog.h"
#include "customizers/objects/dialog.h"
#include "customizers/physics/dialog.h"
#include "customizers/puzzles/dialog.h"
#include "customizers/sound/dialog.h"
#include "customizers/weapons/dialog.h"
#include "draco/input_box.h"
#include "draco/offset_map.h"
#include "draco/param_list_popup.h"
#include "draco/patch_editor.h"
#include "draco/patch_list_window.h"
#include "draco/statistics_window.h"
#include "furr/command_list.h"
#include "furr/feditor.h"
#include "furr/guide.h"
#include "furr/rteditor.h"
#include "patcher/pass_fixture.h"
#include "presets/console.h"
#include "shell/about_box.h"
#include "ui/controls.h"
#include "ui/round_slider.h"

namespace olvex::app {
namespace {

using patcher::test::PassTest;

// FNV-1a over a sequence of values, printed in hex: one short word for a picture or a list.
class Digest {
 public:
  void add(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) hash_ = (hash_ ^ ((v >> (8 * i)) & 0xFF)) * 0x100000001B3ull;
  }
  void add(const std::string& s) {
    for (unsigned char c : s) add(c);
    add(0xFFFF);
  }
  std::string hex() const {
    std::ostringstream out;
    out << std::hex << hash_;
    return out.str();
  }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

std::string pictureOf(const ui::Canvas& c) {
  Digest d;
  for (ui::Color p : c.pixels()) d.add(p);
  std::ostringstream out;
  out << c.width() << "x" << c.height() << ":" << d.hex();
  return out.str();
}

template <class List>
std::string itemsOf(const List& l) {
  Digest d;
  for (int i = 0; i < l.listCount(); ++i) d.add(l.list(i));
  return std::to_string(l.listCount()) + ":" + d.hex();
}

// What a control of each kind holds beyond what every control has.
std::string contentsOf(const ui::Control& c) {
  std::ostringstream out;
  if (auto* l = dynamic_cast<const ui::Label*>(&c)) {
    out << " \"" << l->caption() << "\" align=" << int(l->alignment()) << (l->transparent() ? " clear" : "");
  } else if (auto* t = dynamic_cast<const ui::TextBox*>(&c)) {
    out << " \"" << t->text() << "\"" << (t->multiLine() ? " multi" : "") << " max=" << t->maxLength()
        << (t->locked() ? " locked" : "");
  } else if (auto* b = dynamic_cast<const ui::CheckBox*>(&c)) {
    out << " \"" << b->caption() << "\" value=" << b->value();
  } else if (auto* o = dynamic_cast<const ui::OptionButton*>(&c)) {
    out << " \"" << o->caption() << "\" value=" << o->value();
  } else if (auto* b = dynamic_cast<const ui::CommandButton*>(&c)) {
    out << " \"" << b->caption() << "\" picture=" << pictureOf(b->picture());
  } else if (auto* x = dynamic_cast<const ui::ComboBox*>(&c)) {
    out << " style=" << int(x->style()) << " items=" << itemsOf(*x) << " index=" << x->listIndex() << " \"" << x->text()
        << "\"";
  } else if (auto* x = dynamic_cast<const ui::ListBox*>(&c)) {
    out << " items=" << itemsOf(*x) << " index=" << x->listIndex() << (x->checkBoxes() ? " checks" : "");
  } else if (auto* p = dynamic_cast<const ui::PictureBox*>(&c)) {
    out << " picture=" << pictureOf(p->canvas());
  } else if (auto* f = dynamic_cast<const ui::Frame*>(&c)) {
    out << " \"" << f->caption() << "\"";
  } else if (auto* s = dynamic_cast<const ui::Shape*>(&c)) {
    out << " shape=" << int(s->shape()) << (s->filled() ? " filled" : "") << " fill=" << std::hex << s->fillColor()
        << " border=" << s->borderColor() << std::dec;
  } else if (auto* l = dynamic_cast<const ui::Line*>(&c)) {
    out << " points=" << l->x1() << "," << l->y1() << "," << l->x2() << "," << l->y2() << " border=" << std::hex
        << l->borderColor() << std::dec;
  } else if (auto* s = dynamic_cast<const ui::HScrollBar*>(&c)) {
    out << " range=" << s->min() << ".." << s->max() << " value=" << s->value() << " steps=" << s->smallChange() << ","
        << s->largeChange();
  } else if (auto* t = dynamic_cast<const ui::Timer*>(&c)) {
    out << " interval=" << t->interval();
  } else if (auto* k = dynamic_cast<const ui::vbkRoundSlider*>(&c)) {
    out << " range=" << k->min() << ".." << k->max() << " value=" << k->value() << " marker=" << k->markerLeft() << ","
        << k->markerTop();
  }
  return out.str();
}

std::string layoutOf(const ui::Form& f) {
  std::ostringstream out;
  out << "window " << f.name() << " \"" << f.caption() << "\" " << f.width() << "x" << f.height() << " back=" << std::hex
      << f.backColor() << std::dec << (f.borderless() ? " borderless" : "") << "\n";
  for (const ui::Control* c : f.controls()) {
    const ui::Font& font = c->font();
    out << "  " << c->name();
    if (c->index() >= 0) out << "(" << c->index() << ")";
    if (c->container()) out << " in " << c->container()->name();
    out << " " << c->left() << "," << c->top() << " " << c->width() << "x" << c->height()
        << (c->visible() ? "" : " hidden") << (c->enabled() ? "" : " disabled") << std::hex << " fore=" << c->foreColor()
        << " back=" << c->backColor() << std::dec << " font=" << font.name << "," << font.size
        << (font.bold ? ",bold" : "") << (font.italic ? ",italic" : "") << (font.underline ? ",underline" : "")
        << (c->canTakeFocus() ? " tabstop" : "");
    if (c->mouseIcon().kind != ui::MousePointer::Kind::Arrow) {
      Digest d;
      d.add(std::string(c->mouseIcon().picture));
      out << " pointer=" << int(c->mouseIcon().kind) << ":" << d.hex();
    }
    if (!c->toolTip().empty()) out << " tip=\"" << c->toolTip() << "\"";
    out << contentsOf(*c) << "\n";
  }
  return out.str();
}

// The main window with its console open, then every other window as it first loads.
std::string everyWindow(shell::Form1& main) {
  std::string all = layoutOf(main);
  int toggle = presets::kConsoleToggleKey;
  main.userKeyDown(toggle, 0);
  all += "console open: " + std::to_string(main.height()) + "\n";
  auto add = [&all]<class F>(F*) { all += layoutOf(ui::Forms::get<F>()); };
  using namespace customizers;
  add(static_cast<CustGfx*>(nullptr));
  add(static_cast<CustGfx2*>(nullptr));
  add(static_cast<CustLite*>(nullptr));
  add(static_cast<FogTuner*>(nullptr));
  add(static_cast<CustInv*>(nullptr));
  add(static_cast<PuzzleConf*>(nullptr));
  add(static_cast<CustEnemy*>(nullptr));
  add(static_cast<CustWeapons*>(nullptr));
  add(static_cast<CustBars*>(nullptr));
  add(static_cast<CustFonts*>(nullptr));
  add(static_cast<CustCredits*>(nullptr));
  add(static_cast<CustLaraHP*>(nullptr));
  add(static_cast<CustLimits*>(nullptr));
  add(static_cast<CustPhys*>(nullptr));
  add(static_cast<CustCamera*>(nullptr));
  add(static_cast<CustSnd*>(nullptr));
  add(static_cast<CustObj*>(nullptr));
  add(static_cast<SLevelConditions*>(nullptr));
  add(static_cast<shell::Form2*>(nullptr));
  add(static_cast<furr::FEditor*>(nullptr));
  add(static_cast<furr::RTEditor*>(nullptr));
  add(static_cast<furr::FLListCmd*>(nullptr));
  add(static_cast<furr::Guide*>(nullptr));
  add(static_cast<draco::Patches*>(nullptr));
  add(static_cast<draco::PatchesConf*>(nullptr));
  add(static_cast<draco::FLAbout*>(nullptr));
  add(static_cast<draco::InputKor*>(nullptr));
  add(static_cast<draco::Form3*>(nullptr));
  add(static_cast<draco::ParamList*>(nullptr));
  return all;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class WindowLayout : public PassTest {};

TEST_F(WindowLayout, EveryWindowOpensAsStored) {
  const std::string stored = OLVEX_LAYOUT_TEXT;
  const std::string now = everyWindow(start());
  if (std::getenv("OLVEX_WRITE_LAYOUT")) {
    std::ofstream(stored, std::ios::binary) << now;
    GTEST_SKIP() << "stored " << stored;
  }
  std::ifstream in(stored, std::ios::binary);
  ASSERT_TRUE(in) << stored;
  const std::vector<std::string> want = linesOf(std::string(std::istreambuf_iterator<char>(in), {}));
  const std::vector<std::string> got = linesOf(now);
  // The window a line belongs to, for the message.
  std::string window;
  int shown = 0;
  for (std::size_t i = 0; i < std::max(want.size(), got.size()) && shown < 20; ++i) {
    const std::string w = i < want.size() ? want[i] : "(none)";
    const std::string g = i < got.size() ? got[i] : "(none)";
    if (g.rfind("window ", 0) == 0) window = g;
    if (w == g) continue;
    ADD_FAILURE() << window << "\n  stored: " << w << "\n  now:    " << g;
    ++shown;
  }
}

}  // namespace
}  // namespace olvex::app
