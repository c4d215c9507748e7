// The input box in its three modes: prompt, filter, length, place, and the answers.
#include "draco/input_box.h"

#include <gtest/gtest.h>

#include "window_fixture.h"

namespace olvex::draco::test {
namespace {

using InputBox = DracoWindowTest;

TEST_F(InputBox, ModesSetPromptFilterLengthAndLayout) {
  struct Row {
    std::string mode, prompt, typed, kept;
    int width;
  };
  const std::vector<Row> rows = {
      {"offsethex", "Add offset:", "1a2b-G;zc3d4e5f6", "1A2BC3D4", 2100},
      {"offsethex_edit", "Edit offset:", "ff", "FF", 2100},
      {"patchname", "Please enter name:", "Any name, (1)!", "Any name, (1)!", 4335},
      {"patchname", "Please enter name:", "no;semicolon", "nosemicolon", 4335},
  };
  ui::Form owner("owner");
  owner.move(1000, 2000, 3000, 3000);
  ui::CommandButton anchor(owner, "anchor");
  anchor.move(300, 450, 600, 300);
  for (const Row& row : rows) {
    whenShown("InputKor", [&](ui::Form& f) {
      auto& box = static_cast<InputKor&>(f);
      EXPECT_EQ(box.Label1.caption(), row.prompt);
      EXPECT_EQ(box.width(), row.width);
      EXPECT_EQ(box.left(), 1000 + 300 + 340);
      EXPECT_EQ(box.top(), 2000 + 450 + 400);
      box.Text1.setText("");
      box.Text1.typeText(row.typed);
      EXPECT_EQ(box.Text1.text(), row.kept) << row.mode;
      box.Text1.typeKey(13);
    });
    EXPECT_EQ(AskInput(row.mode, owner, anchor, ""), row.kept);
    EXPECT_FALSE(ui::Forms::loaded<InputKor>());
  }
}

TEST_F(InputBox, EmptyEnterAndEscGiveEmptyAndThePictureConfirms) {
  ui::Form owner("owner");
  ui::Label anchor(owner, "anchor");
  struct Row {
    const char* what;
    std::function<void(InputKor&)> act;
    std::string result;
  };
  const std::vector<Row> rows = {
      {"Enter on empty", [](InputKor& b) { b.Text1.setText(""); b.Text1.typeKey(13); }, "EMPTY"},
      {"Esc on filled", [](InputKor& b) { int esc = 27; b.userKeyDown(esc, 0); }, "EMPTY"},
      {"picture", [](InputKor& b) { b.Image1.userClick(); }, "Start"},
      {"name at most 255", [](InputKor& b) { b.Text1.typeText(std::string(300, 'n')); b.KillMeNow(); },
       std::string(250, 'n') + "Start"},
  };
  for (const Row& row : rows) {
    whenShown("InputKor", [&](ui::Form& f) { row.act(static_cast<InputKor&>(f)); });
    EXPECT_EQ(AskInput("patchname", owner, anchor, "Start"), row.result) << row.what;
  }
}

}  // namespace
}  // namespace olvex::draco::test
