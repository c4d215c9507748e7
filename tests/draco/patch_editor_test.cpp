// The patch configuration editor: the working copy, the offset slots, the parameters, apply with
// the name rules, cancel, and the layout files.
#include "draco/patch_editor.h"

#include <gtest/gtest.h>

#include "draco/patch_set_reader.h"
#include "draco/patch_set_writer.h"
#include "ui/xpm.h"
#include "window_fixture.h"

namespace olvex::draco::test {
namespace {

class PatchEditor : public DracoWindowTest {
 protected:
  // The editor opened on record k of the list.
  PatchesConf& open(int k) {
    list().Listbox1.setListIndex(k);
    return ui::Forms::get<PatchesConf>();
  }
  static std::vector<std::string> offsets(PatchesConf& e) {
    std::vector<std::string> r;
    for (int i = 0; i < e.List1.listCount(); ++i) r.push_back(e.List1.list(i));
    return r;
  }
  // The editor on a patch using offset slots 0 and `second`.
  PatchesConf& openTwoSlots(int second) {
    PatchRecord p = patch("P");
    slot(p, 0, "100", "01", "02");
    slot(p, second, "300", "03", "04");
    setTable({p});
    return open(1);
  }
  void addOffset(PatchesConf& e, const std::string& offset) {
    answerInput(offset);
    e.Command1.userClick();
  }
};

std::string exampleLayoutBytes() {
  std::string text;
  for (const std::string& line : kExampleLayout) text += line + "\r\n";
  return text;
}

TEST_F(PatchEditor, OpensOnACopyOfTheRecord) {
  setTable({examplePatch(), patch("Bare")});
  PatchesConf& e = open(1);
  EXPECT_EQ(e.EditIndex, 1);
  EXPECT_EQ(e.Text2[0].text(), "Example patch");
  EXPECT_EQ(e.Text2[1].text(), "First line\r\nSecond line");
  EXPECT_EQ(e.Check2.value(), 1);
  EXPECT_TRUE(e.Option2[1].value());
  EXPECT_EQ(offsets(e), std::vector<std::string>{"4A3C12"});
  EXPECT_EQ(e.Text1[0].text(), "E80CF5FFFF");
  EXPECT_EQ(e.Text1[2].text(), "9090909090");
  EXPECT_EQ(e.Combo1.text(), "00");
  EXPECT_EQ(e.Check4.value(), 1);
  EXPECT_EQ(e.Text2[2].text(), "Speed");
  EXPECT_TRUE(e.Option1[3].value());
  EXPECT_EQ(e.Shape1.fillColor(), 0xF0F0F0u);
  // The offset list's pointer is a picture of the program's own that aims with a drawn pixel.
  const ui::MousePointer& pointer = e.List1.mouseIcon();
  ASSERT_EQ(pointer.kind, ui::MousePointer::Kind::Picture);
  ui::Canvas picture;
  ui::DrawXpm(pointer.picture, picture, ui::kSeeThrough);
  const ui::HotSpot hot = ui::XpmHotSpot(pointer.picture);
  EXPECT_NE(picture.pixel(hot.x, hot.y), ui::kSeeThrough);
  e.Command28.userClick();  // cancel

  PatchesConf& bare = open(2);
  EXPECT_EQ(bare.List1.listCount(), 0);
  EXPECT_FALSE(bare.Text1[0].enabled());
  EXPECT_EQ(bare.Shape1.fillColor(), 0xE0E0E0u);
  EXPECT_FALSE(bare.Text2[2].enabled());  // parameter slot 0 is not enabled
  bare.Command2.userClick();               // kill with nothing listed: nothing
  EXPECT_EQ(bare.List1.listCount(), 0);
}

TEST_F(PatchEditor, OffsetSlotsAddEditKillAndTrim) {
  PatchesConf& e = openTwoSlots(2);
  addOffset(e, "200");  // into the free slot 1, listed last
  EXPECT_EQ(offsets(e), (std::vector<std::string>{"100", "300", "200"}));
  EXPECT_EQ(e.Edit.Offffset[1], "200");
  EXPECT_EQ(e.List1.listIndex(), 2);
  EXPECT_EQ(e.Text1[0].text(), "");
  addOffset(e, "300");  // already listed: dropped
  addOffset(e, "");     // nothing entered
  EXPECT_EQ(offsets(e).size(), 3u);

  e.Text1[0].setFocus();
  e.Text1[0].typeText("ab");
  e.Text1[0].userKeyUp('B');
  e.Text1[2].paste("90 90\r\n90");
  e.Text1[2].userKeyUp('V');
  EXPECT_EQ(e.Edit.DeflData[1], "AB");
  EXPECT_EQ(e.Edit.ModNData[1], "909090");  // typing filters: only hex digits pass
  host.clipboard = "C3 C3\r\nC3";
  e.Text1[1].userMouseUp({ui::kMiddleButton});
  EXPECT_EQ(e.Edit.ModRData[1], "C3 C3\r\nC3");
  e.Label13.userClick();
  EXPECT_EQ(e.Edit.ModRData[1], "C3C3C3");

  e.List1.setListIndex(1);
  std::string proposed;
  answerInput("333", &proposed);
  e.List1.userMouseDown({ui::kRightButton});
  EXPECT_EQ(proposed, "300");
  EXPECT_EQ(e.Edit.Offffset[2], "333");
  EXPECT_EQ(e.Edit.DeflData[2], "03");  // the slot keeps its bytes
  EXPECT_EQ(e.List1.list(1), "333");

  e.Command2.userClick();  // kill the middle entry: the list is back in slot order
  EXPECT_EQ(offsets(e), (std::vector<std::string>{"100", "200"}));
  EXPECT_EQ(e.List1.listIndex(), 1);
  EXPECT_EQ(e.Edit.DeflData[2], "");
  e.Command2.userClick();  // the last entry: the first becomes selected
  EXPECT_EQ(e.List1.listIndex(), 0);
  e.Command2.userClick();
  EXPECT_FALSE(e.Text1[0].enabled());
  EXPECT_EQ(e.Shape1.fillColor(), 0xE0E0E0u);
}

TEST_F(PatchEditor, AHundredSlotsAskForNoMore) {
  PatchRecord p = patch("Full");
  for (int j = 0; j < kOffsetSlots; ++j) slot(p, j, std::to_string(1000 + j), "", "");
  setTable({p});
  PatchesConf& e = open(1);
  e.Command1.userClick();
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Max. 100 slots per patch!"});
  EXPECT_EQ(std::count(host.shown.begin(), host.shown.end(), "InputKor"), 0);
}

TEST_F(PatchEditor, TextsRefuseTheSetFileSeparatorAndTitlesAreLimited) {
  setTable({patch("P")});
  PatchesConf& e = open(1);
  e.Check4.setValue(1);
  for (int i : {0, 1, 2, 4, 5}) {
    e.Text2[i].setText("");
    e.Text2[i].typeText("a;b");
    e.Text2[i].paste(";c;");
    EXPECT_EQ(e.Text2[i].text(), "abc") << i;
  }
  e.Text2[3].setText("");
  e.Text2[3].typeText("1fg;2");
  EXPECT_EQ(e.Text2[3].text(), "1F2");
  e.Text2[2].setText("");
  e.Text2[2].paste(std::string(60, 'x'));
  EXPECT_EQ(e.Text2[2].text().size(), 50u);
  e.Text2[0].setFocus();
  e.Text2[0].setText("");
  e.Text2[5].setFocus();
  EXPECT_EQ(e.Text2[0].text(), "Untitled (1)");
}

TEST_F(PatchEditor, ApplyStoresUnderTheNameRulesAndCancelKeepsTheRecord) {
  PatchRecord p = patch("Mine");
  param(p, 1, "10", "5", "9", 3, "kept current");
  setTable({patch("Other"), p});
  PatchesConf& e = open(2);
  e.Text2[0].setText("Changed");
  e.Command28.userClick();
  EXPECT_EQ(PatchList[2].Name, "Mine");

  PatchesConf& again = open(2);
  again.Text2[0].setText("OTHER");
  again.Check3.setValue(1);
  again.Option2[0].setValue(true);
  again.Combo1.setFocus();
  again.Combo1.setText("04");
  again.Check4.setValue(1);
  again.Text2[2].setText("Fresh");
  again.Text2[3].setText("1A2B");
  again.Text2[4].setText("300");
  again.Option1[4].setValue(true);
  again.Command3.setFocus();  // the slot list keeps what it stored only when it gets the focus
  again.Command3.userClick();
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Patch with specified name already exists. Please specify different name."});
  EXPECT_EQ(again.activeControl(), &again.Text2[0]);
  EXPECT_EQ(PatchList[2].Name, "Mine");
  EXPECT_TRUE(ui::Forms::isLoaded(again));

  again.Text2[0].setText("mine");  // its own title in another case is fine
  again.Command3.userClick();
  EXPECT_FALSE(ui::Forms::isLoaded(again));
  const PatchRecord& r = PatchList[2];
  EXPECT_EQ(r.Name, "mine");
  EXPECT_EQ(r.RequiresPart, 1);
  EXPECT_EQ(r.CondBehave, 0);
  EXPECT_EQ(r.Params[4], (PatchParam{1, "1A2B", "300", "300", "Fresh", 4}));  // current from default
  EXPECT_EQ(r.Params[1].CurrentValue, "9");
  EXPECT_EQ(ItemText(2), "mine");
  EXPECT_EQ(list().Listbox1.list(2), "mine");
}

TEST_F(PatchEditor, BadRecordCannotBeAppliedOrExported) {
  PatchRecord p = patch("Broken");
  p.CondBehave = 7;
  setTable({p});
  PatchesConf& e = open(1);
  EXPECT_EQ(host.texts(),
            std::vector<std::string>{"Errors during patch data. Make sure you've no any wrong parameters set in your code file."});
  EXPECT_FALSE(e.Command3.enabled());
  EXPECT_FALSE(e.Command16.enabled());
}

TEST_F(PatchEditor, ExportOfTheExampleIsByteExactAndImportsBack) {
  PatchRecord example = examplePatch();
  setTable({example});
  PatchesConf& e = open(1);
  std::string path = folder.file("layout.txt");
  host.fileAnswers.push_back(path);
  e.Command16.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Save Patch Layout");
  EXPECT_EQ(host.dialogs.back().filter, "Text documents (*.txt)|*.txt|All Files (*.*)|*.*");
  EXPECT_EQ(bytesOf(path), exampleLayoutBytes());
  e.Command28.userClick();

  setTable({patch("Example patch")});
  PatchesConf& fresh = open(1);
  host.fileAnswers.push_back(path);
  fresh.Command12.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Load Patch Layout");
  EXPECT_EQ(fresh.Text2[1].text(), "First line\r\nSecond line");
  EXPECT_EQ(fresh.List1.listCount(), 1);
  EXPECT_EQ(fresh.Text1[0].text(), "E80CF5FFFF");
  fresh.Command3.userClick();
  example.Params[0].CurrentValue = "20";
  EXPECT_EQ(PatchList[1], example);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PatchEditor, ImportMergesAndABadFileKeepsWhatWasReadAndSaysSo) {
  PatchesConf& e = openTwoSlots(3);
  putBytes(folder.file("merge.txt"), "Offffset03=333\r\nOffffset07=777\r\nName=Merged\r\n");
  host.fileAnswers.push_back(folder.file("merge.txt"));
  e.Command12.userClick();
  EXPECT_EQ(offsets(e), (std::vector<std::string>{"100", "333", "777"}));
  EXPECT_EQ(e.Text2[0].text(), "Merged");

  putBytes(folder.file("bad.txt"), "Dependencies=read\r\nCondBehave=5\r\nName=never\r\n");
  host.fileAnswers.push_back(folder.file("bad.txt"));
  e.Command12.userClick();
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Error opening file! Make sure that selected file isn't corrupted."});
  EXPECT_EQ(e.Text2[5].text(), "read");
  EXPECT_EQ(e.Text2[0].text(), "Merged");

  host.messages.clear();
  host.fileAnswers.push_back(std::nullopt);
  e.Command12.userClick();
  host.fileAnswers.push_back(std::nullopt);
  e.Command16.userClick();
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PatchEditor, FailedExportNamesThePathAndKeepsTheOldFile) {
  setTable({examplePatch()});
  PatchesConf& e = open(1);
  std::string bad = folder.file("no-such-folder/layout.txt");
  host.fileAnswers.push_back(bad);
  e.Command16.userClick();
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Error saving patch layout (" + bad + ")."});
}

TEST_F(PatchEditor, SetSavedAfterEditingLoadsBackIdentical) {
  setTable({examplePatch(), patch("Second")});
  PatchesConf& e = open(2);
  addOffset(e, "ABC");
  e.Text1[0].setFocus();
  e.Text1[0].typeText("90");
  e.Text1[0].userKeyUp('0');
  e.Text2[5].setText("Example patch");
  e.Command3.userClick();
  ResetPatches();
  std::vector<PatchRecord> before = PatchList;
  std::string path = folder.file("edited.drc");
  ASSERT_TRUE(SavePatchSet(path));
  ClearPatchList();
  LoadPatchSet(path);
  ResetPatches();
  EXPECT_EQ(PatchList, before);
}

}  // namespace
}  // namespace olvex::draco::test
