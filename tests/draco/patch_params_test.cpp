// The parameter row of the patch list window and the parameter list popup.
#include <gtest/gtest.h>

#include "draco/param_list_popup.h"
#include "draco/param_text.h"
#include "window_fixture.h"

namespace olvex::draco::test {
namespace {

using ParamRow = DracoWindowTest;

TEST(ParamText, LeavingTheBoxCorrectsTheTextByType) {
  struct Row {
    int type;
    std::string typed, kept;
  };
  const std::vector<Row> rows = {
      {0, "", "00"},        {0, "F", "0F"},          {1, "1F", "001F"},     {2, "1F", "0000001F"},
      {2, "ABCDEF01", "ABCDEF01"},
      {3, "", "0"},         {3, "255", "255"},       {3, "256", "255"},     {3, "007", "007"},
      {3, "-5", "0"},       {4, "65536", "65535"},   {4, "300", "300"},
      {5, "200", "127"},    {5, "-300", "-128"},     {5, "-", "0"},         {5, "5-3", "5"},
      {5, "-128", "-128"},  {6, "40000", "32767"},   {6, "-40000", "-32768"}, {6, "12x", "12"},
      {7, "4294967295", "4294967295"}, {7, "4294967296", "4294967295"},
      {7, "99999999999999999999", "4294967295"},
      {8, "anything", "anything"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(NormaliseParamText(row.typed, row.type), row.kept) << row.type << " " << row.typed;
}

TEST_F(ParamRow, EachTypeFiltersLimitsColoursAndStoresWhatWasTyped) {
  struct Row {
    int type;
    std::string keys;
    std::string shown;  // after typing
    int maxLength;
    ui::Color colour;
    std::string stored;  // after leaving the box
  };
  const std::vector<Row> rows = {
      {0, "a1g", "A1", 2, 0, "A1"},
      {1, "f", "F", 4, 0, "000F"},
      {2, "1fz", "1F", 8, 0, "0000001F"},
      {3, "2-99", "299", 3, ui::rgb(64, 0, 0), "255"},
      {4, "70000", "70000", 5, ui::rgb(64, 0, 0), "65535"},
      {5, "-300", "-300", 4, ui::rgb(0, 0, 192), "-128"},
      {6, "4x0000", "40000", 6, ui::rgb(0, 0, 192), "32767"},
      {7, "4294967299", "4294967299", 10, ui::rgb(64, 0, 0), "4294967295"},
  };
  for (const Row& row : rows) {
    PatchRecord p = patch("P");
    param(p, 3, "100", "", "", row.type, "Value");
    setTable({p});
    Patches& w = list();
    w.Listbox1.setListIndex(1);
    EXPECT_EQ(CurParamSlot, 3);  // the only enabled slot is shown
    EXPECT_EQ(w.Label3.caption(), "Value:");
    w.Text1.setFocus();
    w.Text1.setText("");
    for (char c : row.keys) {
      w.Text1.typeKey(static_cast<unsigned char>(c));
      w.Text1.userKeyUp(c);
    }
    EXPECT_EQ(w.Text1.text(), row.shown) << row.type;
    EXPECT_EQ(PatchList[1].Params[3].CurrentValue, row.shown) << "stored while typing, type " << row.type;
    EXPECT_EQ(w.Text1.maxLength(), row.maxLength);
    EXPECT_EQ(w.Text1.foreColor(), row.colour);
    w.Text5.setFocus();
    EXPECT_EQ(w.Text1.text(), row.stored) << row.type;
    EXPECT_EQ(PatchList[1].Params[3].CurrentValue, row.stored) << row.type;
  }
}

TEST_F(ParamRow, DefaultIsShownUntilTouchedAndTheResetBringsItBack) {
  PatchRecord p = patch("P");
  param(p, 0, "100", "20", "", 3);
  setTable({p});
  Patches& w = list();
  w.Listbox1.setListIndex(1);
  EXPECT_EQ(w.Text1.text(), "20");
  w.Text1.setFocus();
  w.Text5.setFocus();  // passing through with the keyboard stores nothing
  EXPECT_EQ(PatchList[1].Params[0].CurrentValue, "");
  w.Text1.userMouseUp({ui::kLeftButton});
  EXPECT_EQ(PatchList[1].Params[0].CurrentValue, "20");
  w.Text1.setText("77");
  w.Command3.userClick();  // proceed stores and hides
  EXPECT_EQ(PatchList[1].Params[0].CurrentValue, "77");
  w.Image2.userClick();
  EXPECT_EQ(w.Text1.text(), "20");
  EXPECT_EQ(PatchList[1].Params[0].CurrentValue, "20");
}

TEST_F(ParamRow, PatchWithoutParametersHidesTheRowAndDoesNotStoreIntoIt) {
  PatchRecord with = patch("With");
  param(with, 0, "100", "20", "", 3);
  PatchRecord without = patch("Without");
  without.Description = "1//2//3//4//5//6//7//8//9//10//11";
  setTable({with, without});
  Patches& w = list();
  w.Listbox1.setListIndex(1);
  EXPECT_TRUE(w.Text1.visible());
  EXPECT_TRUE(w.Text3.visible());
  EXPECT_EQ(w.Text3.height(), 116 * 15);
  w.Listbox1.setListIndex(2);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&w.Label3, &w.Text1, &w.Image2, &w.Line2})
    EXPECT_FALSE(c->visible()) << c->name();
  EXPECT_FALSE(w.Text3.visible());  // eleven lines go to the scrolling box
  EXPECT_TRUE(w.Text4.visible());
  EXPECT_EQ(w.Text4.height(), 140 * 15);
  EXPECT_EQ(w.Text4.text(), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11");
  w.Command3.userClick();
  EXPECT_EQ(PatchList[2].Params[0].CurrentValue, "");
}

TEST_F(ParamRow, PopupStacksTheEnabledParametersAndShowsThePickedOne) {
  PatchRecord p = patch("P");
  param(p, 0, "100", "1", "", 3, "First");
  param(p, 5, "105", "0A", "", 0, "Fifth slot");
  PatchRecord three = patch("Three");
  for (int k = 0; k < 3; ++k) param(three, k, "10", "1", "", 3, "n" + std::to_string(k));
  PatchRecord one = patch("One");
  param(one, 2, "10", "1", "", 3, "only");
  setTable({p, three, one});
  Patches& w = list();
  ParamList& popup = ui::Forms::get<ParamList>();

  w.Listbox1.setListIndex(2);
  w.Label3.userClick();
  EXPECT_EQ(popup.height(), 850);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(popup.Label1[k].top(), 75 + 240 * k);

  w.Listbox1.setListIndex(1);
  EXPECT_TRUE(w.Label3.font().underline);
  EXPECT_EQ(w.Label3.mouseIcon(), ui::kHandCursor);
  w.Label3.userClick();
  EXPECT_EQ(host.shown.back(), "ParamList");
  EXPECT_EQ(popup.height(), 130 + 240 * 2);
  EXPECT_EQ(popup.Label1[5].top(), 75 + 240);  // the second line, still slot 5's label
  EXPECT_EQ(popup.Label1[5].caption(), "Fifth slot");
  EXPECT_FALSE(popup.Label1[1].visible());
  EXPECT_EQ(popup.Line4.x1(), popup.width() - 10);
  EXPECT_EQ(popup.left(), w.left() + w.Text1.left() + 120);

  int esc = 27;
  popup.show(true);
  popup.userKeyDown(esc, 0);
  EXPECT_FALSE(popup.visible());
  EXPECT_EQ(w.Label3.caption(), "First:");

  popup.show(true);
  popup.Label1[5].userClick();
  EXPECT_FALSE(popup.visible());
  EXPECT_EQ(CurParamSlot, 5);
  EXPECT_EQ(w.Label3.caption(), "Fifth slot:");
  EXPECT_EQ(w.Text1.text(), "0A");
  EXPECT_EQ(w.Text1.maxLength(), 2);

  w.Listbox1.setListIndex(3);  // one parameter: the name is no link
  EXPECT_FALSE(w.Label3.font().underline);
  std::size_t shows = host.shown.size();
  w.Label3.userClick();
  EXPECT_EQ(host.shown.size(), shows);
}

}  // namespace
}  // namespace olvex::draco::test
