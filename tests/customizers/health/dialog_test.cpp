// The health dialog's SAS controls and its limits button, driven without a screen.
#include <gtest/gtest.h>

#include "customizers/health/dialog.h"
#include "support/test_host.h"

namespace olvex::customizers {
namespace {

using ui::Forms;

class HealthDialog : public ::testing::Test {
 protected:
  CustLaraHP& d() { return Forms::get<CustLaraHP>(); }
  bool sasEnabled() {
    return d().Label3.enabled() && d().Text1[26].enabled() && d().Text1[27].enabled() && d().Check3.enabled();
  }
  test::TestHost host;
};

TEST_F(HealthDialog, SasControlsFollowTheFixAndTheExtension) {
  EXPECT_FALSE(sasEnabled());
  EXPECT_FALSE(d().Check4.enabled());
  d().Check2.setValue(1);  // no extended executable
  EXPECT_TRUE(sasEnabled());
  EXPECT_FALSE(d().Check4.enabled());
  d().extendedChanged(true);
  EXPECT_TRUE(d().Check4.enabled());
  d().extendedChanged(false);
  EXPECT_FALSE(d().Check4.enabled());
  d().extendedChanged(true);
  d().Check2.setValue(0);
  EXPECT_FALSE(sasEnabled());
  EXPECT_FALSE(d().Check4.enabled());
  d().extendedChanged(true);  // the fix is off: blow-up stays disabled
  EXPECT_FALSE(d().Check4.enabled());
  d().Check2.setValue(2);  // greyed counts as off; values are kept
  EXPECT_FALSE(sasEnabled());
  EXPECT_EQ(d().Text1[26].text(), "50");
}

TEST_F(HealthDialog, CustomizeLimitsOpensTheLimitsDialog) {
  d().Command5.userClick();
  EXPECT_EQ(host.shown, std::vector<std::string>{"CustLimits"});
}

}  // namespace
}  // namespace olvex::customizers
