// The settings keys of the physics, limits and health dialogs: each reaches its field through its
// conversion, values of older config versions are upgraded, and bad values fail the read.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "apply_line.h"
#include "customizers/health/dialog.h"
#include "customizers/limits/dialog.h"
#include "customizers/physics/dialog.h"
#include "shell/config_line.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "shell/settings_keys.h"
#include "support/test_host.h"

namespace olvex::customizers {
namespace {

using ui::Forms;

class RulesKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    shell::ResetConfigState();
    shell::ClearKeyRegistry();
    RegisterPhysicsKeys();
    RegisterLimitsKeys();
    RegisterHealthKeys();
  }
  void TearDown() override { shell::ClearKeyRegistry(); }
  // Applies key=value under a Version line (empty: none); false when the value was refused.
  bool apply(const char* version, const char* key, const char* value) { return test::ApplyLine(version, key, value); }
  test::TestHost host;
};

struct KeyCase {
  const char* version;
  const char* key;
  const char* value;
  std::function<std::string()> field;
  std::optional<std::string> shows;  // nullopt: refused
};

std::function<std::string()> health1(int i) { return [i] { return Forms::get<CustLaraHP>().Text1[i].text(); }; }
std::function<std::string()> health2(int i) { return [i] { return Forms::get<CustLaraHP>().Text2[i].text(); }; }
std::function<std::string()> limits(int i) { return [i] { return Forms::get<CustLimits>().Text2[i].text(); }; }
std::function<std::string()> turn(int i) { return [i] { return Forms::get<CustPhys>().Text2[i].text(); }; }
std::function<std::string()> physics(int i) { return [i] { return Forms::get<CustPhys>().Text1[i].text(); }; }

TEST_F(RulesKeys, ValuesReachTheirFieldsWithOldVersionsUpgraded) {
  const KeyCase cases[] = {
      // Drains and damages: hex without a Version line, positive up to 0.672, as stored after.
      {"", "noairleakage", "FB", health1(0), "5"},
      {"", "batdmg", "FE", health1(6), "2"},
      {"0.672", "noairleakage", "5", health1(0), "-5"},
      {"0.65", "knighttemplardmg", "120", health1(21), "-120"},
      {"0.673", "noairleakage", "5", health1(0), "5"},
      {"0.76", "wildboardmg", "-30", health1(24), "-30"},
      {"0.65", "mummydmg", "abc", health1(11), std::nullopt},
      {"", "sphinxdmg", "FF38", health2(6), "200"},
      {"0.5", "setattack2dmg", "250", health2(7), "-250"},
      {"0.76", "setattack1dmgparameter", "200", health2(8), "200"},
      {"0.672", "setattack1dmgparameter", "x1", health2(8), std::nullopt},
      // The prong drain is a plain number; the three attack damages old hex.
      {"", "inprongleakage", "08", health1(25), "8"},
      {"", "baddyuzidmg", "0F", health1(4), "15"},
      {"0.76", "turretdmg", "0F", health1(20), "0F"},
      {"0.76", "littlebeetledisp", "0400", health2(5), "0400"},
      {"0.76", "magicattackdivider", "02", health1(14), "02"},
      {"0.76", "sasgrendamage", "50.0", health1(26), "50"},
      // Limits.
      {"", "maxhpbarvalue", "3E8", limits(0), "1000"},
      {"", "medkitshplimiter", "1F4", limits(1), "500"},
      {"", "criticalhpthresh", "FA", limits(2), "250"},
      {"0.76", "maxhpbarvalue", "1000", limits(0), "1000"},
      {"", "maxapbarvalue", "1800x", limits(5), "1800"},
      {"", "rawhpbarrange", "66666667", limits(3), "66666667"},
      {"0.76", "spbardivider", "06", limits(11), "06"},
      {"0.76", "nitrodrainrate", "1e400", limits(13), std::nullopt},
      // Physics: turn rates as text, shell gravity old hex, the other two numbers.
      {"0.76", "rotstandleft", "FE67", turn(4), "FE67"},
      {"0.76", "duckmovebackright", "FDDE", turn(15), "FDDE"},
      {"", "shellgravity", "0A", physics(1), "10"},
      {"0.76", "shellgravity", "0A", physics(1), "0A"},
      {"0.76", "jumpgravity", "05", physics(2), "5"},
      {"0.76", "fallingdamage", "7.5", physics(3), "7.5"},
      {"0.76", "killclimbdelay", "2", [] { return std::to_string(Forms::get<CustPhys>().Check3.value()); }, "2"},
      {"0.76", "donotexplodejeep", "3", [] { return std::string(); }, std::nullopt},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.value + " version '" + c.version + "'");
    bool ok = apply(c.version, c.key, c.value);
    EXPECT_EQ(ok, c.shows.has_value());
    if (ok) {
      EXPECT_EQ(c.field(), *c.shows);
    }
  }
}

TEST_F(RulesKeys, KeysBelongToTheirDialogsScope) {
  EXPECT_TRUE(apply("0.76", "maxhpbarvalue", "500"));
  shell::CfgKey = "maxhpbarvalue";
  shell::CfgValue = "700";
  shell::ApplyKey("larahp");
  shell::ApplyKey("physics");
  EXPECT_EQ(Forms::get<CustLimits>().Text2[0].text(), "500");
  shell::ApplyKey("limits");
  EXPECT_EQ(Forms::get<CustLimits>().Text2[0].text(), "700");
}

// Every text and check value of the three dialogs.
std::string snapshot() {
  std::string r;
  for (ui::Form* f : {static_cast<ui::Form*>(&Forms::get<CustPhys>()), static_cast<ui::Form*>(&Forms::get<CustLaraHP>()),
                      static_cast<ui::Form*>(&Forms::get<CustLimits>())})
    for (ui::Control* c : f->controls()) {
      if (c->kind() == ui::ControlKind::TextBox) r += static_cast<ui::TextBox*>(c)->text() + ";";
      if (c->kind() == ui::ControlKind::CheckBox) r += std::to_string(static_cast<ui::CheckBox*>(c)->value()) + ";";
    }
  return r;
}

// Every key of the built-in config's physics, health and limits sections is known to its dialog's
// scope, and applying it leaves the dialog's designer values as they are.
TEST_F(RulesKeys, BuiltInSectionsMatchTheDesignerValues) {
  struct Section { const char* heading; shell::Scope scope; } sections[] = {
      {"; physics customizer", shell::Scope::Phys},
      {"; health and damage customizer", shell::Scope::LaraHP},
      {"; limit sub-customizer", shell::Scope::Limits},
  };
  std::string text(shell::BuiltInConfigText());
  shell::CfgVersion = "0.76";
  int keys = 0;
  for (const Section& s : sections) {
    std::size_t at = text.find(s.heading);
    ASSERT_NE(at, std::string::npos) << s.heading;
    at = text.find('\n', at) + 1;
    while (at < text.size() && text[at] != '\r' && text[at] != '\n' && text[at] != ';') {
      std::size_t end = text.find('\n', at);
      std::string line = text.substr(at, end - at);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      shell::CfgValue = shell::ParseConfigLine(line);
      EXPECT_EQ(shell::ScopeOfKey(shell::CfgKey), s.scope) << line;
      std::string before = snapshot();
      shell::ApplyKey("all");
      EXPECT_EQ(snapshot(), before) << line;
      ++keys;
      at = end + 1;
    }
  }
  EXPECT_EQ(keys, 33 + 36 + 14);
}

}  // namespace
}  // namespace olvex::customizers
