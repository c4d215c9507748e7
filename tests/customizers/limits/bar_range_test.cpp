#include "customizers/limits/bar_range.h"

#include <gtest/gtest.h>

#include "support/test_host.h"

namespace olvex::customizers {
namespace {

struct Case {
  Bar bar;
  const char* maximum;
  const char* multiplier;
  const char* shift;
  const char* corrected = "";
  const char* message = "";
};

TEST(BarRange, MaximaBecomeMultiplierAndShift) {
  test::TestHost host;
  const Case cases[] = {
      // The built-in maxima give the built-in ranges.
      {Bar::Health, "1000", "66666667", "02"},
      {Bar::Air, "1800", "91A2B3C5", "0A"},
      {Bar::Sprint, "120", "88888889", "06"},
      // Health: the divider steps at 403 and 805.
      {Bar::Health, "201", "7F5CF9A2", "00"},
      {Bar::Health, "402", "3FAE7CD1", "00"},
      {Bar::Health, "403", "7F0C11CA", "01"},
      {Bar::Health, "804", "3FAE7CD1", "01"},
      {Bar::Health, "805", "7F3478D9", "02"},
      {Bar::Health, "32767", "03200640", "02"},
      {Bar::Health, "200", "7F5CF9A2", "00", "201", "You have set too low Max. HP bar value."},
      {Bar::Health, "", "7F5CF9A2", "00", "201", "You have set too low Max. HP bar value."},
      {Bar::Health, "40000", "03200640", "02", "32767", "You have set too high Max. HP bar value."},
      // Air: one shift per power-of-two range.
      {Bar::Air, "129", "FE03F810", "07"},
      {Bar::Air, "256", "80000000", "07"},
      {Bar::Air, "257", "FF00FF01", "08"},
      {Bar::Air, "32767", "80010002", "0E"},
      {Bar::Air, "128", "FE03F810", "07", "129", "You have set too low Max. AP bar value."},
      {Bar::Air, "99999", "80010002", "0E", "32767", "You have set too high Max. AP bar value."},
      // Sprint: its base is the game's constant, not a power of two.
      {Bar::Sprint, "65", "FC0FC0FD", "06"},
      {Bar::Sprint, "127", "81020409", "06"},
      {Bar::Sprint, "128", "80000000", "06"},
      {Bar::Sprint, "129", "FE03F811", "07"},
      {Bar::Sprint, "0", "FC0FC0FD", "06", "65", "You have set too low Max. SP bar value."},
  };
  for (const Case& c : cases) {
    BarRange r = RecalculateBar(c.bar, c.maximum);
    EXPECT_EQ(r.multiplier, c.multiplier) << c.maximum;
    EXPECT_EQ(r.shift, c.shift) << c.maximum;
    EXPECT_EQ(r.maximum, c.corrected) << c.maximum;
    EXPECT_EQ(r.message, c.message) << c.maximum;
  }
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace olvex::customizers
