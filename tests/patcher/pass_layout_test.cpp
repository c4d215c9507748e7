// The file length and the PE header as the extension sets them, checked by an outside tool too.
#include <cstdio>
#include <memory>

#include "pass_fixture.h"

namespace olvex::patcher::test {
namespace {

// Section names that objdump lists for the file, in order; empty when objdump is missing.
std::vector<std::string> sectionNames(const std::string& path) {
  std::vector<std::string> names;
  std::unique_ptr<FILE, int (*)(FILE*)> out(::popen(("objdump -h '" + path + "' 2>/dev/null").c_str(), "r"), ::pclose);
  if (!out) return names;
  char line[512];
  while (std::fgets(line, sizeof line, out.get())) {
    int index;
    char name[64];
    if (std::sscanf(line, " %d %63s", &index, name) == 2) names.push_back(name);
  }
  return names;
}

bool haveObjdump() { return std::system("objdump --version >/dev/null 2>&1") == 0; }

TEST_F(PassTest, ExtensionAddsTheFifthSectionAndCutsBackWhenOff) {
  shell::Form1& f = start();
  std::string before = exeBytes();
  f.Check9.setValue(1);
  pass();
  std::string extended = exeBytes();
  ASSERT_EQ(extended.size(), kExtendedLength);
  EXPECT_EQ(hexAt(extended, "ExtSizePEHeaderOffset1", 0, 1), "05");
  EXPECT_EQ(hexAt(extended, "ExtSizePEHeaderOffset2", 0, 1), "59");
  // Name, virtual size, virtual address, raw size, raw offset, ..., characteristics.
  EXPECT_EQ(hexAt(extended, "ExtSizePEHeaderOffset3", 0, 40),
            "2E79696666000000" "00001800" "00304100" "00000800" "00100C00"
            "0000000000000000" "00000000" "E00000E0");
  EXPECT_EQ(extended.substr(reflayout::kStandardLength), std::string(0x80000, '\x90'));
  EXPECT_EQ(extended.substr(0, 200), before.substr(0, 200));

  pass();  // the same settings again give the same file
  EXPECT_EQ(exeBytes(), extended);

  if (haveObjdump()) {
    EXPECT_EQ(sectionNames(exe()), (std::vector<std::string>{".text", ".rdata", ".data", ".rsrc", ".yiff"}));
  }

  f.Check9.setValue(0);
  pass();
  EXPECT_EQ(exeBytes().size(), 790528u);
  EXPECT_EQ(differences(exeBytes(), before), "");
  if (haveObjdump()) {
    EXPECT_EQ(sectionNames(exe()).size(), 4u);
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PassTest, RemappedExtensionMovesTheSectionUp) {
  shell::Form1& f = start();
  f.Check9.setValue(1);
  f.Check5.setValue(1);
  pass();
  std::string file = exeBytes();
  EXPECT_EQ(hexAt(file, "ExtSizePEHeaderOffset2", 0, 1), "99");
  EXPECT_EQ(hexAt(file, "ExtSizePEHeaderOffset3", 8, 8), "0000180000308100");
}

}  // namespace
}  // namespace olvex::patcher::test
