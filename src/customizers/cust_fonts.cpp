#include "customizers/cust_fonts.h"

#include <array>

#include "customizers/window_title.h"

namespace olvex::customizers {

namespace {

// Designer values of Text1(0..28), by index.
constexpr std::array<int, 29> kNumbers = {128, 128, 128, 128, 128, 128, 192, 128, 64, 0,   16, 64, 224, 192, 0,
                                          0,   32,  64,  150, 16,  16,  16,  128, 128, 128, 1,  1,  1,   1};
constexpr const char* kGameTitle = "OLVEX Reference Game";

}  // namespace

CustFonts::CustFonts() : Form("CustFonts") {
  for (int i = 0; i < static_cast<int>(kNumbers.size()); ++i) Text1.add(i).setText(std::to_string(kNumbers[i]));
  Text1.add(kTitleIndex).setText(kGameTitle);
  auto& align = Combo1.add(0);
  align.setStyle(ui::ComboBox::Style::DropDownList);
  for (const std::string* entry : {&AlignLeft, &AlignCenter, &AlignRight}) align.addItem(*entry);
  align.setListIndex(1);
}

}  // namespace olvex::customizers
