// The pass under its lock: an executable another run is patching is left alone, what killed runs
// left is removed first (also when the pass is then refused), and a link is followed.
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "pass_fixture.h"
#include "platform/files.h"
#include "platform/temp_files.h"

namespace olvex::patcher::test {
namespace {

namespace fs = std::filesystem;

TEST_F(PassTest, AnExecutableInUseIsLeftAloneAndTheRunSaysSo) {
  shell::Form1& f = start();
  f.Check9.setValue(1);
  platform::FileLock other(exe() + ".olvex-lock");
  EXPECT_FALSE(shell::form1Hooks().ModifyExe());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Cannot modify file");
  EXPECT_EQ(host.messages[0].text, "tomb4.exe is in use by another run of OLVEX. Nothing was changed.");
  EXPECT_EQ(exeBytes(), reflayout::referenceExecutable());
  EXPECT_FALSE(workingCopyLeft());
  EXPECT_FALSE(f.Label10.visible());
}

TEST_F(PassTest, WhatKilledRunsLeftGoesEvenWhenThePassIsThenRefused) {
  // A working copy and a save's temporary file of a run that is gone.
  putBytes(dir.file("tomb4.exe0"), "half a copy");
  pid_t child = ::fork();
  if (child == 0) {
    std::string path;
    platform::detail::createTemporaryFile(dir.path(), exe(), path);
    ::_exit(0);
  }
  ::waitpid(child, nullptr, 0);
  std::string text(shell::BuiltInConfigText());
  text.replace(text.find("EOFOffset=790529"), 16, "EOFOffset=999999");
  putBytes(dir.file("olvex.cfg"), text);
  start();
  EXPECT_FALSE(shell::form1Hooks().ModifyExe());
  EXPECT_EQ(dir.entries(), kFolderAfterStartUp);
}

TEST_F(PassTest, ALinkIsFollowedToTheExecutableItLeadsTo) {
  fs::create_directory(dir.file("game"));
  fs::rename(exe(), dir.file("game/tomb4.exe"));
  fs::create_symlink("game/tomb4.exe", exe());  // relative to the link's folder
  shell::Form1& f = start();
  f.Check9.setValue(1);
  EXPECT_TRUE(shell::form1Hooks().ModifyExe());
  EXPECT_TRUE(fs::is_symlink(exe()));
  EXPECT_EQ(fs::file_size(dir.file("game/tomb4.exe")), kExtendedLength);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"game", "olvex.cfg", "syntax.fln", "tomb4.exe"}));
  EXPECT_EQ(fs::directory_iterator(dir.file("game"))->path().filename(), "tomb4.exe");
}

}  // namespace
}  // namespace olvex::patcher::test
