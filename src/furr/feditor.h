#pragma once
// The flipeffect editor: one user flipeffect slot at a time (flipeffect 47 + slot), its FURR
// code checked as it is typed, its description and one-shot flag; checking every slot, the
// command list, loading a command set, import and export of one flipeffect.
#include "furr/script_editor.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::furr {

class FEditor : public ui::Form {
 public:
  FEditor();

  // The slot the selector shows (its number - 47), or -1 when it names no slot.
  int slot() const;
  void ShowLinePos();
  bool SeeSyntax();
  // Shows a slot with its check's message, as after a link that failed there.
  void showSlot(int slot);
  // Follows "Enable advanced savegame management" of the main window: the one-shot controls are
  // enabled while it and the editor are on.
  void followAdvancedSave(bool checked);

  ui::CheckBox Check1{*this, "Check1"};  // "Enable flipeffect editor"
  ui::Label Label33{*this, "Label33"};   // "Current flipeffect:" opens the number popup
  ui::ComboBox Combo1{*this, "Combo1"};  // the flipeffect number
  ui::Label Label1{*this, "Label1"};     // "Description:"
  ui::TextBox Text2{*this, "Text2"};     // description
  ui::CheckBox Check2{*this, "Check2"};  // "One shot"
  ui::Label Label4{*this, "Label4"};     // "(mode:"
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // "pre", "post"
  ui::Label Label5{*this, "Label5"};     // ")"
  ui::TextBox Text1{*this, "Text1"};     // FURR code
  ui::Label Label3{*this, "Label3"};     // line indicator
  ui::Label Label2{*this, "Label2"};     // check status
  ui::CommandButton Command2{*this, "Command2"};    // "S"
  ui::CommandButton Command3{*this, "Command3"};    // "LIST"
  ui::CommandButton Command5{*this, "Command5"};    // "L"
  ui::CommandButton Command12{*this, "Command12"};  // "import"
  ui::CommandButton Command16{*this, "Command16"};  // "export"
  ui::CommandButton Command28{*this, "Command28"};  // "defaults"
  ui::CommandButton Command1{*this, "Command1"};    // "proceed"

 protected:
  void load() override;

 private:
  void layOut();
  void wire();
  void enableEditor();  // Check1_Click
  void proceed();       // "proceed": shows flipeffect 47 and hides the window
  void openGuide();
  void loadCommandSet();
  void importFlip();
  void exportFlip();

  LineIndicator lines_{Text1, Label3, [this] { return SeeSyntax(); }};
};

}  // namespace olvex::furr
