// The program's host starts the toolkit only when something must be shown: timers, messages and
// shows of a run without a display are handled without it. (The tests run offscreen, which
// counts as no display.)
#include <QTimer>

#include "qt_fixture.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/qt/lazy_host.h"

namespace olvex::test {
namespace {

// Ticks two timers; the fast one asks a question on the second tick and unloads the form on the
// fourth tick of either.
struct Ticker : ui::Form {
  Ticker() : Form("Ticker") {}
  ui::Timer timer{*this, "Timer1"};
  ui::Timer slow{*this, "Timer2"};
  std::vector<std::string> ticks;
  ui::MsgAnswer answer = ui::MsgAnswer::Cancel;
 protected:
  void load() override {
    timer.setInterval(1000);
    slow.setInterval(2500);
    slow.onTimer = [this] { ticks.push_back("slow"); };
    timer.onTimer = [this] {
      ticks.push_back("fast");
      if (ticks.size() == 2) answer = ui::msgBox("Go on?", ui::MsgButtons::YesNo);
      if (ticks.size() == 4) unload();
    };
  }
};

struct Dialog : ui::Form {
  Dialog() : Form("Dialog") {}
};

int argc = 1;
char name[] = "olvex_ui_qt_tests";
char* argv[] = {name, nullptr};

TEST(LazyHost, ARunThatShowsNothingNeverStartsTheToolkit) {
  ui::qt::LazyHost host(argc, argv);
  auto& form = ui::Forms::get<Ticker>();
  form.show();
  ui::Forms::get<Dialog>().show(true);  // nobody could answer it: returns at once
  ui::Forms::get<Dialog>().unload();
  testing::internal::CaptureStderr();
  EXPECT_EQ(host.exec(), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "OLVEX: Go on?\n");
  EXPECT_FALSE(host.realized());
  EXPECT_FALSE(host.hasScreen());
  EXPECT_FALSE(ui::Forms::loaded<Ticker>());
}

TEST(LazyHost, TimersKeepTheirOrderWithoutTheToolkit) {
  ui::qt::LazyHost host(argc, argv);
  std::vector<std::string> ticks;
  auto& form = ui::Forms::get<Ticker>();
  form.onUnload = [&] { ticks = form.ticks; };
  testing::internal::CaptureStderr();
  host.exec();
  testing::internal::GetCapturedStderr();
  const std::vector<std::string> order = {"fast", "fast", "slow", "fast"};  // at 1, 2, 2.5 and 3 s
  EXPECT_EQ(ticks, order);
}

TEST(LazyHost, ARunThatGoesOnWithWindowsUpStartsTheToolkit) {
  qtApp();
  ui::qt::LazyHost host(argc, argv);
  auto& form = ui::Forms::get<Dialog>();
  form.show();
  bool realized = false;
  QTimer::singleShot(10, [&] {
    realized = host.realized();
    form.unload();
  });
  EXPECT_EQ(host.exec(), 0);
  EXPECT_TRUE(realized);
}

}  // namespace
}  // namespace olvex::test
