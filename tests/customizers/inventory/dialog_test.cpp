// The inventory dialog: filters, leave rules, couplings, the main window's options, and the
// buttons that open it, the item combinations and their defaults.
#include "customizers/dialog_fixture.h"
#include "customizers/inventory/dialog.h"
#include "customizers/puzzles/dialog.h"
#include "customizers/weapons/dialog.h"
#include "platform/temp_folder.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers::test {
namespace {

constexpr const char* kOneDigit = "You must fill this field with at least one digit!";

class InventoryDialog : public DialogTest {
 protected:
  CustInv& inv() { return dialog<CustInv>(); }
  // Types text into an emptied box, then moves the focus away; the box's text afterwards.
  std::string leave(ui::TextBox& box, const std::string& typed) {
    box.setFocus();
    box.setText("");
    box.typeText(typed);
    inv().Command1.setFocus();
    return box.text();
  }
};

struct LeaveCase {
  const char* box;
  int index;
  const char* typed;
  const char* left;     // the text after leaving
  const char* message;  // "" for none
};

TEST_F(InventoryDialog, LeaveRulesByField) {
  const LeaveCase cases[] = {
      {"Text1", 6, "500", "21", ""},   // three characters at most, shotgun normal ammo 0..21
      {"Text1", 5, "22", "21", ""},
      {"Text1", 0, "999", "255", ""},
      {"Text1", 17, "256", "255", ""},
      {"Text1", 4, "0", "0", ""},
      {"Text1", 4, "123", "12", ""},  // two characters at most
      {"Text1", 9, "128", "127", ""},
      {"Text1", 4, "", "", kOneDigit},
      {"Text2", 0, "40000", "32767", ""},
      {"Text2", 6, "", "0", ""},
      {"Text2", 4, "99999", "9999", ""},  // four characters at most
      {"Text2", 3, "3", "3", "You must fill this field with two hexadecimal symbols!"},
      {"Text2", 5, "3fe", "3FE", ""},
      {"Text1", 1, "1x2", "12", ""},  // digits only
  };
  inv().Text1[17].setEnabled(true);
  for (const auto& c : cases) {
    host.messages.clear();
    auto& box = std::string_view(c.box) == "Text1" ? inv().Text1[c.index] : inv().Text2[c.index];
    EXPECT_EQ(leave(box, c.typed), c.left) << c.box << "(" << c.index << ") " << c.typed;
    if (*c.message) {
      ASSERT_EQ(host.texts().size(), 1u) << c.box << "(" << c.index << ")";
      EXPECT_EQ(host.texts()[0], c.message);
      EXPECT_TRUE(box.hasFocus());
    } else {
      EXPECT_TRUE(host.texts().empty()) << c.box << "(" << c.index << ")";
    }
    box.setText("12");
    inv().Command1.setFocus();
  }
}

TEST_F(InventoryDialog, MagicWordTakesFourLetters) {
  EXPECT_EQ(leave(inv().Text3, "ab1;cd"), "ABCD");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(leave(inv().Text3, "xyz"), "XYZ");
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Magic word should be 4 characters long!"});
  EXPECT_TRUE(inv().Text3.hasFocus());
}

TEST_F(InventoryDialog, SmallMedkitsAndFlaresAreOneAmountUntilSeparated) {
  inv().Text1[2].setText("7");
  EXPECT_EQ(inv().Text1[1].text(), "7");
  inv().Text1[1].setText("8");
  EXPECT_EQ(inv().Text1[2].text(), "8");
  inv().Text1[0].setText("6");  // the big medkits stay apart
  EXPECT_EQ(inv().Text1[1].text() + inv().Text1[2].text(), "88");
  inv().Text1[1].setText("7");
  inv().Check2.userClick();
  inv().Text1[1].setText("9");
  EXPECT_EQ(inv().Text1[2].text(), "7");
  inv().Check2.userClick();  // cleared again: the flares take the small medkits' amount
  EXPECT_EQ(inv().Text1[2].text(), "9");
}

TEST_F(InventoryDialog, LimitedPistolAmmoCarriesTheHiddenSwitches) {
  inv().Check1[4].setEnabled(true);
  inv().Check1[4].userClick();
  EXPECT_TRUE(inv().Text1[16].enabled());
  EXPECT_TRUE(inv().Text1[17].enabled());
  EXPECT_EQ(inv().Check4.value(), 1);
  EXPECT_EQ(inv().Check1[3].value(), 1);
  inv().Check1[3].setValue(0);  // a loaded value cannot part them
  EXPECT_EQ(inv().Check1[3].value(), 1);
  inv().Check1[4].userClick();
  EXPECT_FALSE(inv().Text1[16].enabled());
  EXPECT_EQ(inv().Check4.value(), 0);
  EXPECT_EQ(inv().Check1[3].value(), 0);
  EXPECT_EQ(inv().Text1[17].text(), "100");
}

TEST_F(InventoryDialog, MainWindowOptionsEnableTheirSwitches) {
  EXPECT_FALSE(inv().Check1[4].enabled());  // the executable is not extended at first
  EXPECT_FALSE(dialog<CustWeapons>().Check9.enabled());
  for (auto& follow : shell::form1Hooks().ExtendExeFollowers) follow(true);
  EXPECT_TRUE(inv().Check1[4].enabled());
  EXPECT_TRUE(dialog<CustWeapons>().Check9.enabled());
  for (auto& follow : shell::form1Hooks().FE4041SaveFollowers) follow(true);
  EXPECT_FALSE(inv().Check6.enabled());
  for (auto& follow : shell::form1Hooks().FE4041SaveFollowers) follow(false);
  EXPECT_TRUE(inv().Check6.enabled());
  inv().Check7.setValue(2);
  EXPECT_EQ(patcher::passHooks().CustInvCheck7(), 2);
}

TEST_F(InventoryDialog, ButtonsOpenHideAndReloadTheirOwnKeys) {
  platform::test_files::WorkingFolder dir;
  shell::form1Hooks().ButtonActions.at("Command17")();
  EXPECT_TRUE(inv().visible());
  inv().Command3.userClick();
  EXPECT_EQ(host.shown, (std::vector<std::string>{"CustInv", "PuzzleConf"}));

  inv().Text1[7].setText("99");
  inv().Text3.setText("ABCD");
  dialog<CustWeapons>().Text5[0].setText("200");
  shell::PuzzleCombos[0] = 40;
  inv().Command2.userClick();  // the built-in config is written and read for "inventory"
  EXPECT_EQ(inv().Text1[7].text(), "30");
  EXPECT_EQ(inv().Text3.text(), "QUAB");
  EXPECT_EQ(dialog<CustWeapons>().Text5[0].text(), "200");
  EXPECT_EQ(shell::PuzzleCombos[0], 40);

  auto& p = dialog<PuzzleConf>();
  p.Combo2.setListIndex(7);
  p.Command2.userClick();
  EXPECT_EQ(shell::PuzzleCombos[0], 0);
  EXPECT_EQ(p.Combo2.listIndex(), 0);
  p.Command1.userClick();
  inv().Command1.userClick();
  EXPECT_FALSE(p.visible());
  EXPECT_FALSE(inv().visible());
  EXPECT_EQ(inv().Text1[7].text(), "30");
}

}  // namespace
}  // namespace olvex::customizers::test
