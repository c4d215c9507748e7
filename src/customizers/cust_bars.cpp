#include "customizers/cust_bars.h"

#include <array>

namespace olvex::customizers {

namespace {

// Designer values, by index.
constexpr std::array<int, 51> kColours = {
    255, 0,   0,   0,   0,   0,   0,   0,   0,   255, 0,   0,   0,   0,   0,   0,   255,
    0,   159, 31,  128, 0,   0,   0,   0,   255, 0,   255, 63,  63,  31,  31,  31,  127,
    127, 127, 255, 63,  63,  31,  31,  31,  127, 127, 127, 63,  63,  63,  63,  63,  63};
constexpr std::array<int, 12> kSizes = {150, 12, 12, 150, 12, 150, 600, 15, 20, 490, 490, 5};

}  // namespace

CustBars::CustBars() : Form("CustBars") {
  for (int i = 0; i < static_cast<int>(kColours.size()); ++i) Text1.add(i).setText(std::to_string(kColours[i]));
  for (int i = 0; i < static_cast<int>(kSizes.size()); ++i) Text2.add(i).setText(std::to_string(kSizes[i]));
  for (int i = 0; i < 3; ++i) Option1.add(i);
  Option1[0].setValue(true);
}

}  // namespace olvex::customizers
