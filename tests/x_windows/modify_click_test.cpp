// "modify" clicked with the mouse on a real X server: the question it asks is painted while it
// waits for the answer, Cancel leaves the executable as it was and OK patches it.
#include <gtest/gtest.h>

#include <filesystem>

#include "program_fixture.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

constexpr char kQuestion[] = "Confirm file modifying";

class ModifyClick : public ProgramTest {
 protected:
  // Answers the start-up's message, sets an option, clicks "modify", checks the question on the
  // screen and answers it with a click.
  void answerModify(const std::string& answer, bool startUpByKey) {
    run([&] {
      // The start-up reports the missing patch set; the user answers it.
      EXPECT_TRUE(expectPainted("OLVEX").shows("Can't find patch set file (patches.drc)"));
      if (startUpByKey) pressKey("Return");
      else clickButton("OLVEX", "OK");
      auto& main = waitForForm<shell::Form1>();
      std::string caption;
      onGui([&] { caption = main.caption(); });
      EXPECT_EQ(caption, "OLVEX 0.76 rev. 4");
      expectPainted(caption);
      click(main.Check1);
      waitFor("the option to be set", [&] { return main.Check1.value() == 1; });
      click(main.Command3);
      Shot question = expectPainted(kQuestion);
      EXPECT_TRUE(question.shows("Are you sure you want to update tomb4.exe file?"));
      EXPECT_TRUE(question.shows("OK"));
      EXPECT_TRUE(question.shows("Cancel"));
      clickButton(kQuestion, answer);
      waitClosed(kQuestion);
      waitFor("\"modify\" to be enabled again", [&] { return main.Command3.enabled(); });
    });
  }
};

TEST_F(ModifyClick, CancelLeavesTheExecutableUntouched) {
  auto before = std::filesystem::last_write_time(exe());
  answerModify("Cancel", true);
  EXPECT_TRUE(exeBytes() == reflayout::referenceExecutable()) << "the executable changed";
  EXPECT_EQ(std::filesystem::last_write_time(exe()), before);
  EXPECT_FALSE(std::filesystem::exists(exe() + "0"));
}

TEST_F(ModifyClick, OkPatchesTheExecutable) {
  answerModify("OK", false);
  std::string bytes = exeBytes();
  EXPECT_EQ(bytes.size(), reflayout::referenceExecutable().size());
  EXPECT_TRUE(bytes != reflayout::referenceExecutable()) << "the executable is unchanged";
  EXPECT_FALSE(std::filesystem::exists(exe() + "0"));
}

}  // namespace
}  // namespace olvex::test::x
