#pragma once
// FLAbout, "OLVEX info": the borderless window with the statistics of the loaded config, FURR
// command set and patch set; it writes the offset listing offsets.txt and opens the offset map.
// Everything it shows is computed when it loads.
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::draco {

class FLAbout : public ui::Form {
 public:
  FLAbout();

  // Writes WorkDir & "offsets.txt" and shows what it holds; a failure names the path.
  void writeListing();

  ui::ControlArray<ui::Label> Caption{*this, "Caption"};  // one row per figure, top to bottom
  ui::ControlArray<ui::Label> Value{*this, "Value"};
  ui::Label Label28{*this, "Label28"};  // "show map"
  ui::Label Label2{*this, "Label2"};    // "create offsets.txt"
  ui::Label Label1{*this, "Label1"};    // "close"
  ui::Line Line1{*this, "Line1"}, Line2{*this, "Line2"}, Line3{*this, "Line3"}, Line4{*this, "Line4"};

 protected:
  void load() override;
};

}  // namespace olvex::draco
