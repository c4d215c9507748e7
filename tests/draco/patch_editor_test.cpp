// The patch configuration editor (the working copy, the offset slots, the parameters, apply with
// the name rules, cancel, the layout files) and the input box it asks for offsets in.
#include "draco/patch_editor.h"

#include <gtest/gtest.h>

#include "draco/patch_set_reader.h"
#include "draco_fixture.h"

namespace olvex::draco::test {
namespace {

class PatchEditor : public DracoTest {
 protected:
  // The editor opened on record k of the list, and its offset list.
  PatchesConf& open(int k) {
    list().Listbox1.setListIndex(k);
    return ui::Forms::get<PatchesConf>();
  }
  static Names offsets(PatchesConf& e) {
    Names r;
    for (int i = 0; i < e.List1.listCount(); ++i) r.push_back(e.List1.list(i));
    return r;
  }
};

TEST_F(PatchEditor, OffsetSlotsAddEditKillAndTrim) {
  PatchRecord p = patch("P");
  slot(p, 0, "100", "01", "02");
  slot(p, 2, "300", "03", "04");
  setTable({p});
  PatchesConf& e = open(1);
  for (const char* offset : {"200", "300", ""}) {  // into the free slot 1, listed last; a listed one; none
    answerInput(offset);
    e.Command1.userClick();
  }
  EXPECT_EQ(offsets(e), (Names{"100", "300", "200"}));
  EXPECT_EQ(e.Edit.Offffset[1], "200");
  EXPECT_EQ(e.List1.listIndex(), 2);
  EXPECT_EQ(e.Text1[0].text(), "");

  e.Text1[0].setFocus();
  e.Text1[0].typeText("ab");
  e.Text1[0].userKeyUp('B');
  e.Text1[2].paste("90 90\r\n90");
  e.Text1[2].userKeyUp('V');
  EXPECT_EQ(e.Edit.DeflData[1] + "|" + e.Edit.ModNData[1], "AB|909090");  // typing filters: only hex digits pass
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
  EXPECT_EQ(e.Edit.Offffset[2] + "|" + e.Edit.DeflData[2] + "|" + e.List1.list(1), "333|03|333");  // bytes stay

  e.Command2.userClick();  // kill the middle entry: the list is back in slot order
  EXPECT_EQ(offsets(e), (Names{"100", "200"}));
  EXPECT_EQ(e.List1.listIndex(), 1);
  EXPECT_EQ(e.Edit.DeflData[2], "");
  e.Command2.userClick();  // the last entry: the first becomes selected
  EXPECT_EQ(e.List1.listIndex(), 0);
  e.Command2.userClick();
  e.Command2.userClick();  // nothing listed: nothing to kill
  EXPECT_FALSE(e.Text1[0].enabled());
  EXPECT_EQ(e.Shape1.fillColor(), 0xE0E0E0u);

  for (int j = 0; j < kOffsetSlots; ++j) e.Edit.Offffset[j] = std::to_string(1000 + j);
  e.Command1.userClick();
  EXPECT_EQ(host.texts(), Names{"Max. 100 slots per patch!"});
  EXPECT_EQ(std::count(host.shown.begin(), host.shown.end(), "InputKor"), 4);  // not opened again
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
  e.Text2[2].paste(std::string(60, 'x'));
  EXPECT_EQ(e.Text2[3].text() + "|" + std::to_string(e.Text2[2].text().size()), "1F2|50");
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
  for (const char* taken : {"OTHER", "empty patch entry"}) {  // every record counts, the first too
    host.messages.clear();
    again.Text2[0].setText(taken);
    again.Command3.userClick();
    EXPECT_EQ(host.texts(), Names{"Patch with specified name already exists. Please specify different name."});
    EXPECT_EQ(again.activeControl(), &again.Text2[0]);
    EXPECT_EQ(PatchList[2].Name, "Mine");
  }
  again.Text2[0].setText("mine");  // its own title in another case is fine
  again.Command3.userClick();
  EXPECT_FALSE(ui::Forms::isLoaded(again));
  const PatchRecord& r = PatchList[2];
  EXPECT_EQ(r.Name + " " + std::to_string(r.RequiresPart) + " " + std::to_string(r.CondBehave), "mine 1 0");
  EXPECT_EQ(r.Params[4], (PatchParam{1, "1A2B", "300", "300", "Fresh", 4}));  // current from default
  EXPECT_EQ(r.Params[1].CurrentValue, "9");
  EXPECT_EQ(ItemText(2) + "|" + list().Listbox1.list(2), "mine|mine");
}

TEST_F(PatchEditor, LayoutFilesExportByteExactImportMergingAndABadRecordGoesNowhere) {
  PatchRecord example = examplePatch();
  setTable({example});
  PatchesConf& e = open(1);
  std::string path = folder.file("layout.txt"), bad = folder.file("no-such-folder/layout.txt");
  host.fileAnswers = {path, bad, std::nullopt};
  for (int i = 0; i < 3; ++i) e.Command16.userClick();  // the last one cancelled
  EXPECT_EQ(host.dialogs.back().title + "|" + host.dialogs.back().filter,
            "Save Patch Layout|Text documents (*.txt)|*.txt|All Files (*.*)|*.*");
  std::string text;
  for (const std::string& line : kExampleLayout) text += line + "\r\n";
  EXPECT_EQ(bytesOf(path), text);
  EXPECT_EQ(host.texts(), Names{"Error saving patch layout (" + bad + ")."});
  e.Command28.userClick();

  host.messages.clear();
  PatchRecord p = patch("Example patch");
  slot(p, 3, "300", "03", "04");
  setTable({p});
  PatchesConf& fresh = open(1);
  putBytes(folder.file("bad.txt"), "Dependencies=read\r\nCondBehave=5\r\nName=never\r\n");
  host.fileAnswers = {path, folder.file("bad.txt"), std::nullopt};
  fresh.Command12.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Load Patch Layout");
  EXPECT_EQ(offsets(fresh), (Names{"4A3C12", "300"}));
  EXPECT_EQ(fresh.Text2[1].text() + "|" + fresh.Text1[0].text(), "First line\r\nSecond line|E80CF5FFFF");
  fresh.Command12.userClick();  // a bad line: what came before it is kept
  fresh.Command12.userClick();  // cancelled
  EXPECT_EQ(host.texts(), Names{"Error opening file! Make sure that selected file isn't corrupted."});
  EXPECT_EQ(fresh.Text2[5].text() + "|" + fresh.Text2[0].text(), "read|Example patch");
  fresh.Text2[5].setText("");
  fresh.Command3.userClick();
  slot(example, 3, "300", "03", "04");
  example.Params[0].CurrentValue = "20";
  EXPECT_EQ(PatchList[1], example);

  host.messages.clear();
  PatchList[1].CondBehave = 7;
  PatchesConf& broken = open(1);
  EXPECT_EQ(host.texts(),
            Names{"Errors during patch data. Make sure you've no any wrong parameters set in your code file."});
  EXPECT_FALSE(broken.Command3.enabled() || broken.Command16.enabled());
}

TEST_F(PatchEditor, TheInputBoxInItsModes) {
  ui::Form owner("owner");
  owner.move(1000, 2000, 3000, 3000);
  ui::CommandButton anchor(owner, "anchor");
  anchor.move(300, 450, 600, 300);
  auto typed = [](std::string text) {
    return [text](InputKor& b) {
      b.Text1.setText("");
      b.Text1.typeText(text);
      b.Text1.typeKey(13);
    };
  };
  const std::vector<std::tuple<std::string, std::string, std::function<void(InputKor&)>, std::string>> rows = {
      {"offsethex", "Add offset:", typed("1a2b-G;zc3d4e5f6"), "1A2BC3D4"},
      {"offsethex_edit", "Edit offset:", typed("ff"), "FF"},
      {"patchname", "Please enter name:", typed("Any name, (1)!"), "Any name, (1)!"},
      {"patchname", "Please enter name:", typed("no;semicolon"), "nosemicolon"},
      {"patchname", "Please enter name:", typed(""), "EMPTY"},
      {"patchname", "Please enter name:", [](InputKor& b) { int esc = 27; b.userKeyDown(esc, 0); }, "EMPTY"},
      {"patchname", "Please enter name:", [](InputKor& b) { b.Image1.userClick(); }, "Start"},
      {"patchname", "Please enter name:", [](InputKor& b) { b.Text1.typeText(std::string(300, 'n')); b.KillMeNow(); },
       std::string(250, 'n') + "Start"},
  };
  for (const auto& [mode, prompt, act, result] : rows) {
    host.onShow = [&](ui::Form& f, bool) {
      auto& box = static_cast<InputKor&>(f);
      EXPECT_EQ(box.Label1.caption(), prompt);
      EXPECT_EQ(box.width(), mode == "patchname" ? 4335 : 2100);
      EXPECT_EQ(box.left(), 1000 + 300 + 340);
      EXPECT_EQ(box.top(), 2000 + 450 + 400);
      act(box);
      EXPECT_FALSE(ui::Forms::loaded<InputKor>()) << mode;  // every answer closes the box
    };
    EXPECT_EQ(AskInput(mode, owner, anchor, "Start"), result) << mode;
  }
  host.onShow = nullptr;
}

}  // namespace
}  // namespace olvex::draco::test
