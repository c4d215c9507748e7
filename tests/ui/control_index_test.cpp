// Lookups by name and index over a form's controls, whatever order they were created in.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/test_host.h"
#include "ui/control_array.h"
#include "ui/control_index.h"
#include "ui/form.h"

namespace olvex::ui {
namespace {

// Arrays created in pieces, interleaved with other controls and out of index order.
class Mixed : public Form {
 public:
  Mixed() : Form("Mixed") {
    Text.add(4);
    Text.add(1);
    Labels.add(0);
    Text.add(2);
    Labels.add(3);
    Text.add(7);
  }
  Label Caption{*this, "Caption"};
  ControlArray<TextBox> Text{*this, "Text"};
  ControlArray<Label> Labels{*this, "Labels"};
  CheckBox Check{*this, "Check"};
  TextBox Tex{*this, "Tex"};
  Label Twin1{*this, "Twin"}, Twin2{*this, "Twin"};  // one name twice outside an array
};

std::vector<int> indexesOf(const ControlIndex& index, std::string_view name, int first, int last) {
  std::vector<int> r;
  int count = index.forRange(name, first, last, [&](Control& c) {
    EXPECT_EQ(c.name(), name);
    r.push_back(c.index());
  });
  EXPECT_EQ(count, static_cast<int>(r.size()));
  return r;
}

TEST(ControlIndex, RangesByNameAndIndex) {
  test::TestHost host;
  Mixed form;
  ControlIndex index(form.controls());
  struct Case {
    const char* name;
    int first, last;
    std::vector<int> found;
  };
  const Case cases[] = {
      {"Text", 0, 10, {1, 2, 4, 7}},
      {"Text", 2, 4, {2, 4}},
      {"Text", 5, 6, {}},  // a hole
      {"Text", 7, 7, {7}},
      {"Text", -1, -1, {}},  // not a control outside the array
      {"Labels", 0, 3, {0, 3}},
      {"Caption", -1, -1, {-1}},
      {"Tex", -1, -1, {-1}},  // a prefix of another name
      {"Check", -1, -1, {-1}},
      {"Chec", -1, -1, {}},
      {"text", 0, 10, {}},  // names are case-sensitive
      {"Zzz", 0, 10, {}},
      {"", -1, -1, {}},
      {"Text", 4, 2, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(indexesOf(index, c.name, c.first, c.last), c.found) << c.name << " " << c.first;
  EXPECT_EQ(index.find("Text", 4), &form.Text[4]);
  EXPECT_EQ(index.find("Check"), &form.Check);
  EXPECT_EQ(index.find("Text", 3), nullptr);
  EXPECT_EQ(index.find("Twin"), &form.Twin1);
}

TEST(ControlIndex, EachControlHasItsOwnSlot) {
  test::TestHost host;
  Mixed form;
  ControlIndex index(form.controls());
  std::vector<Control*> seen(index.slotCount());
  for (const char* name : {"Caption", "Text", "Labels", "Check", "Tex", "Twin"}) {
    index.forRange(name, -1, 100, [&](Control& c, std::size_t slot) {
      ASSERT_LT(slot, seen.size());
      EXPECT_EQ(seen[slot], nullptr) << name;
      EXPECT_EQ(index.atSlot(slot), &c);
      seen[slot] = &c;
    });
  }
  EXPECT_EQ(std::count_if(seen.begin(), seen.end(), [](Control* c) { return c != nullptr; }),
            static_cast<std::ptrdiff_t>(form.controls().size()) - 1);  // the second twin has no slot
}

TEST(ControlIndex, ManyNamesAllFound) {
  test::TestHost host;
  Form form("Many");
  std::vector<std::unique_ptr<Label>> labels;
  for (int i = 0; i < 300; ++i) labels.push_back(std::make_unique<Label>(form, "L" + std::to_string(i * 7), i % 3 - 1));
  ControlIndex index(form.controls());
  for (int i = 0; i < 300; ++i) {
    std::string name = "L" + std::to_string(i * 7);
    EXPECT_EQ(index.find(name, i % 3 - 1), labels[static_cast<std::size_t>(i)].get()) << name;
    EXPECT_EQ(index.find(name, i % 3), nullptr) << name;
  }
  EXPECT_EQ(index.find("L1"), nullptr);
}

TEST(ControlIndex, EmptyForm) {
  test::TestHost host;
  Form form("Empty");
  ControlIndex index(form.controls());
  EXPECT_EQ(index.find("Text1"), nullptr);
  EXPECT_EQ(index.forRange("Text1", 0, 5, [](Control&) {}), 0);
}

}  // namespace
}  // namespace olvex::ui
