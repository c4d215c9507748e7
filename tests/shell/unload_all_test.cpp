#include "shell/unload_all.h"

#include <gtest/gtest.h>

#include "shell/splash.h"
#include "support/test_host.h"

namespace olvex::shell {
namespace {

int unloadAllCallsFromMain = 0;

// Stands in for the main window: same name, and its Unload calls UnloadAll as the real one does.
struct MainStandIn : ui::Form {
  MainStandIn() : Form("Form1") {
    onUnload = [] {
      ++unloadAllCallsFromMain;
      UnloadAll();
    };
  }
};

struct Unlisted : ui::Form {
  Unlisted() : Form("InputKor") {}
};

// A window of the shutdown list that has no class in the shell.
template <int N>
struct Named : ui::Form {
  static constexpr const char* kNames[] = {"Form3", "CustGfx", "ParamList", "fogtuner"};
  Named() : Form(kNames[N]) {}
};

class UnloadAllTest : public ::testing::Test {
 protected:
  void SetUp() override { unloadAllCallsFromMain = 0; }
  test::TestHost host;
};

TEST_F(UnloadAllTest, UnloadsInShutdownOrderWhateverTheLoadOrder) {
  ui::Forms::get<MainStandIn>();
  ui::Forms::get<Unlisted>();
  ui::Forms::get<Splash>();
  UnloadAll();
  EXPECT_EQ(host.unloadedForms, (std::vector<std::string>{"Splash", "Form1"}));
  EXPECT_TRUE(ui::Forms::loaded<Unlisted>());  // not in the shutdown list
  EXPECT_EQ(unloadAllCallsFromMain, 1);        // its nested call returned at once
}

TEST_F(UnloadAllTest, EveryWindowOfTheProgramHasItsPlace) {
  ui::Forms::get<Named<0>>();
  ui::Forms::get<MainStandIn>();
  ui::Forms::get<Named<1>>();
  ui::Forms::get<Splash>();
  ui::Forms::get<Named<2>>();
  ui::Forms::get<Named<3>>();
  UnloadAll();
  EXPECT_EQ(host.unloadedForms,
            (std::vector<std::string>{"ParamList", "Splash", "CustGfx", "fogtuner", "Form1", "Form3"}));
  EXPECT_TRUE(ui::Forms::all().empty());
}

TEST_F(UnloadAllTest, ClosingTheMainWindowUnloadsTheOthersFirst) {
  ui::Forms::get<Splash>();
  ui::Forms::get<MainStandIn>().userClose();
  EXPECT_EQ(host.unloadedForms, (std::vector<std::string>{"Splash", "Form1"}));
  EXPECT_TRUE(ui::Forms::all().empty());
}

TEST_F(UnloadAllTest, SkipsWindowsThatWereNeverLoaded) {
  ui::Forms::get<MainStandIn>();
  UnloadAll();
  EXPECT_EQ(host.unloadedForms, (std::vector<std::string>{"Form1"}));
  EXPECT_FALSE(ui::Forms::loaded<Splash>());
  UnloadAll();  // a second run finds nothing to do
  EXPECT_EQ(host.unloadedForms.size(), 1u);
}

}  // namespace
}  // namespace olvex::shell
