// The main window's setting keys: each reaches its control, and the option handlers follow.
#include "shell/main_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/temp_folder.h"
#include "shell/config_state.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/settings_keys.h"
#include "shell/shared_keys.h"
#include "shell/shared_tables.h"
#include "support/test_host.h"

namespace olvex::shell {
namespace {

class MainKeys : public ::testing::Test {
 protected:
  // The main window's Load reads the config of the current folder: a folder of the test's own.
  void SetUp() override {
    ResetConfigState();
    ResetSharedTables();
    ClearKeyRegistry();
    RegisterSharedKeys();
    RegisterMainKeys();
    form1Hooks() = Form1Hooks{};
    form1Hooks().FE4041SaveFollowers.push_back([this](bool on) { fe4041.push_back(on); });
  }
  void TearDown() override {
    ui::Forms::reset();
    ClearKeyRegistry();
    form1Hooks() = Form1Hooks{};
  }
  // Applies a config line through scope "main"; false when the table rejected the value.
  bool apply(const std::string& key, const std::string& value) {
    CfgKey = key;
    CfgValue = value;
    try {
      ApplyKey("main");
      return true;
    } catch (const SettingsKeyError&) {
      return false;
    }
  }
  Form1& f() { return ui::Forms::get<Form1>(); }

  platform::test_files::WorkingFolder dir;
  test::TestHost host;
  std::vector<bool> fe4041;
};

TEST_F(MainKeys, TextBoxKeys) {
  struct Row {
    const char* version;
    const char* key;
    const char* value;
    ui::TextBox Form1::*box;
    const char* text;
  } rows[] = {
      {"0.76", "hardclippingrange", "30000abc", &Form1::Text1, "30000"},
      {"0.76", "drawingdistancerange", "25000", &Form1::Text2, "25000"},
      {"", "drawingdistancerange", "2", &Form1::Text2, "20480"},  // old slider position
      {"0.76", "distantfogrange", "12288", &Form1::Text3, "12288"},
      {"0.5", "distantfogrange", "12288", &Form1::Text3, ""},  // no such old position
      {"0.76", "bonuslevelnumber", "05", &Form1::Text4, "5"},
      {"0.76", "alternatelevelnumber", "40", &Form1::Text7, "40"},
  };
  for (const Row& r : rows) {
    CfgVersion = r.version;
    ASSERT_TRUE(apply(r.key, r.value)) << r.key;
    EXPECT_EQ((f().*r.box).text(), r.text) << r.key << "=" << r.value << " version " << r.version;
  }
}

TEST_F(MainKeys, CheckBoxKeysRunTheInterlocks) {
  EXPECT_TRUE(apply("remapscenememory", "1"));
  EXPECT_EQ(f().Check5.value(), 1);
  EXPECT_TRUE(f().Check7.enabled());
  EXPECT_TRUE(apply("extendexesize", "1"));
  EXPECT_TRUE(apply("enablebonuslevel", "1"));
  EXPECT_TRUE(f().Text4.enabled());
  EXPECT_TRUE(apply("disablefogbulbcutoff", "1"));
  EXPECT_FALSE(f().Command23.enabled());
  EXPECT_FALSE(apply("turnoffdistdlimit", "3"));  // a check box holds 0, 1 or 2
  EXPECT_EQ(f().Check1.value(), 0);
}

TEST_F(MainKeys, OptionKeys) {
  struct Row {
    const char* key;
    const char* value;
    ui::ControlArray<ui::OptionButton> Form1::*group;
    int selected;  // -1: rejected
  } rows[] = {
      {"clippingmode", "1", &Form1::Option2, 1},
      {"ponytailmode", "2", &Form1::Option1, 2},
      {"enabletwinponytail", "0", &Form1::Option1, 0},
      {"enabletwinponytail", "1", &Form1::Option1, 2},
      {"enabletwinponytail", "0", &Form1::Option1, 0},
      {"enabletwinponytail", "7x", &Form1::Option1, 2},
      {"ponytailmode", "3", &Form1::Option1, -1},
  };
  for (const Row& r : rows) {
    bool stored = apply(r.key, r.value);
    EXPECT_EQ(stored, r.selected >= 0) << r.key << "=" << r.value;
    if (r.selected < 0) continue;
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ((f().*r.group)[i].value(), i == r.selected) << r.key << "=" << r.value << " option " << i;
  }
}

TEST_F(MainKeys, HangThreadKeyRefreshesTheSaveOption) {
  f().Check13.setValue(1);
  fe4041.clear();
  EXPECT_TRUE(apply("disablehangthread", "1"));
  EXPECT_TRUE(apply("disablehangthread", "1"));  // no change, yet the refresh runs again
  EXPECT_EQ(fe4041, (std::vector<bool>{true, true}));
}

}  // namespace
}  // namespace olvex::shell
