#pragma once
// The number popup: the user types a flipeffect or race-timer event number and the editor that
// opened it jumps there. Borderless and modal; it closes after one entry.
#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::furr {

enum class GuideFor { None, Flipeffect, RaceEvent };
// Which editor the popup serves; the opener sets it before showing the popup.
extern GuideFor GuideMode;

class Guide : public ui::Form {
 public:
  Guide();

  // Accepts the number when it names a slot of the editor served, then closes.
  void accept();

  ui::TextBox Text1{*this, "Text1"};
  ui::Image Image1{*this, "Image1"};  // OK
  ui::Line Line1{*this, "Line1"}, Line2{*this, "Line2"}, Line3{*this, "Line3"}, Line4{*this, "Line4"};

 protected:
  void load() override;
};

// Sets the mode, fills the entry box with the editor's current number and shows the popup
// modally at left, top (twips).
void OpenGuide(GuideFor mode, const std::string& number, int left, int top);

}  // namespace olvex::furr
