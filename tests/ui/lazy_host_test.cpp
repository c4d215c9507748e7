// The program's host loads the toolkit only when something must be shown: timers, messages and
// shows of a run without a display are handled without it, and once it is up, the forms shown
// so far reach it. (The tests set the offscreen platform: no display.)
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/test_host.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/lazy_host.h"

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

// A toolkit whose host is a TestHost; its event loop unloads every form.
struct FakeToolkit : ui::Toolkit {
  TestHost testHost;
  ui::Host& host() override { return testHost; }
  int exec() override {
    ui::Forms::reset();
    return 7;
  }
};

class LazyHostTest : public ::testing::Test {
 protected:
  LazyHostTest()
      : host([this] {
          ++loads;
          auto toolkit = std::make_unique<FakeToolkit>();
          toolkit_ = toolkit.get();
          return toolkit;
        }) {}
  void SetUp() override { setenv("QT_QPA_PLATFORM", "offscreen", 1); }
  int loads = 0;
  FakeToolkit* toolkit_ = nullptr;
  ui::LazyHost host;
};

TEST_F(LazyHostTest, ARunThatShowsNothingNeverLoadsTheToolkit) {
  auto& form = ui::Forms::get<Ticker>();
  form.show();
  ui::Forms::get<Dialog>().show(true);  // nobody could answer it: returns at once
  ui::Forms::get<Dialog>().unload();
  testing::internal::CaptureStderr();
  EXPECT_EQ(host.exec(), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "OLVEX: Go on?\n");
  EXPECT_EQ(loads, 0);
  EXPECT_FALSE(host.hasScreen());
  EXPECT_FALSE(ui::Forms::loaded<Ticker>());
  EXPECT_EQ(host.openFile({}), std::nullopt);
}

TEST_F(LazyHostTest, TimersKeepTheirOrderWithoutTheToolkit) {
  std::vector<std::string> ticks;
  auto& form = ui::Forms::get<Ticker>();
  form.onUnload = [&] { ticks = form.ticks; };
  testing::internal::CaptureStderr();
  host.exec();
  testing::internal::GetCapturedStderr();
  const std::vector<std::string> order = {"fast", "fast", "slow", "fast"};  // at 1, 2, 2.5 and 3 s
  EXPECT_EQ(ticks, order);
}

TEST_F(LazyHostTest, ARunThatGoesOnWithWindowsUpLoadsTheToolkitOnce) {
  ui::Forms::get<Dialog>().show();
  EXPECT_EQ(host.exec(), 7);
  EXPECT_EQ(loads, 1);
  ASSERT_NE(toolkit_, nullptr);
  EXPECT_EQ(toolkit_->testHost.shown, std::vector<std::string>{"Dialog"});
  EXPECT_EQ(&ui::host(), &host);
  host.realize();
  EXPECT_EQ(loads, 1);
}

TEST_F(LazyHostTest, TheToolkitTakesOverShownFormsAndRunningTimers) {
  ui::Forms::get<Ticker>();  // loaded, hidden
  ui::Forms::get<Dialog>().show();
  host.realize();
  ASSERT_NE(toolkit_, nullptr);
  EXPECT_EQ(toolkit_->testHost.shown, std::vector<std::string>{"Dialog"});
  EXPECT_EQ(toolkit_->testHost.timers.size(), 2u);
}

TEST_F(LazyHostTest, AMessageWithADisplayLoadsTheToolkit) {
  setenv("DISPLAY", ":77", 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  ui::Forms::get<Dialog>().show();
  toolkit_ = nullptr;
  ui::MsgAnswer answer = ui::msgBox("Sure?", ui::MsgButtons::YesNo);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  unsetenv("DISPLAY");
  ASSERT_NE(toolkit_, nullptr);
  EXPECT_EQ(answer, ui::MsgAnswer::Yes);
  EXPECT_EQ(toolkit_->testHost.texts(), std::vector<std::string>{"Sure?"});
  EXPECT_EQ(toolkit_->testHost.shown, std::vector<std::string>{"Dialog"});
}

}  // namespace
}  // namespace olvex::test
