#pragma once
// Form3, the offset map: two strips showing where the config's offsets (red), the patches'
// places (blue) and their parameters (green) lie in the executable: its own part below file
// position C0FFF, and the extended area above it. The pointer's file position is read out.
#include <optional>

#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::draco {

// Bytes a twip of a strip stands for: 172.7 on the first (kept as tenths, so that whole twips
// give exact positions), 255 on the extended one.
inline constexpr double kFirstStripTenthBytesPerTwip = 1727;
inline constexpr double kExtendedStripBytesPerTwip = 255;
inline constexpr long long kExtendedStart = 0xC0FFF;

// Where a mark for file position v goes: the strip (0 own part, 1 extended area) and the
// horizontal position in twips; nothing for v of 0 or less.
struct MapMark {
  int strip;
  double x;
};
std::optional<MapMark> MapPlace(long long v);
// The file position under the pointer at x twips inside a strip.
long long MapPosition(int strip, double x);

class Form3 : public ui::Form {
 public:
  Form3();

  void mark(long long v, ui::Color colour);

  ui::PictureBox Picture1{*this, "Picture1"};  // the executable's own part
  ui::PictureBox Picture2{*this, "Picture2"};  // the extended area
  ui::Label Label4{*this, "Label4"};           // position under the pointer
  ui::Shape Shape1{*this, "Shape1"}, Shape2{*this, "Shape2"}, Shape3{*this, "Shape3"};
  ui::Label Label1{*this, "Label1"}, Label2{*this, "Label2"}, Label3{*this, "Label3"};
  ui::Label Label5{*this, "Label5"};  // "close"
  ui::Line Line1{*this, "Line1"}, Line2{*this, "Line2"}, Line3{*this, "Line3"}, Line4{*this, "Line4"};

 protected:
  void load() override;
};

}  // namespace olvex::draco
