#pragma once
// The race-timer editor: one race-timer event at a time (event = slot + 1), its moment, its FURR
// code checked as it is typed and its description; the race-timer options the writer puts into
// the executable; checking every event, the command list, import and export of one event.
#include "furr/script_editor.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::furr {

class RTEditor : public ui::Form {
 public:
  RTEditor();

  // The slot the selector shows (its number - 1), or -1 when it names no slot.
  int slot() const;
  void ShowLinePos();
  bool SeeSyntax();
  // Shows a slot with its check's message, as after a link that failed there.
  void showSlot(int slot);
  // Follows "Extend tomb4.exe size" of the main window: the workaround needs it.
  void followExtendExe(bool checked);

  ui::CheckBox Check1{*this, "Check1"};  // "Enable race timer workaround"
  ui::CheckBox Check2{*this, "Check2"};  // "Invert race timer"
  ui::Label Label13{*this, "Label13"};   // "(method:"
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // "jump", "call"
  ui::Label Label14{*this, "Label14"};   // ")"
  ui::Label Label8{*this, "Label8"};     // "Timer font effect ID:"
  ui::TextBox Text3{*this, "Text3"};     // font effect id
  ui::Label Label9{*this, "Label9"};     // "Timer becomes visible at:"
  ui::ControlArray<ui::TextBox> Text4{*this, "Text4"};  // minutes, seconds
  ui::Label Label2{*this, "Label2"};     // ":" between them
  ui::Label Label5{*this, "Label5"};     // "Event number:" opens the number popup
  ui::ComboBox Combo2{*this, "Combo2"};  // the event number
  ui::Label Label1{*this, "Label1"};     // "If race timer value ="
  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // minutes, seconds of the moment
  ui::Label Label6{*this, "Label6"};     // "min"
  ui::Label Label7{*this, "Label7"};     // "sec..."
  ui::Label Label12{*this, "Label12"};   // the moment in frames
  ui::Label Label3{*this, "Label3"};     // "Then (description):"
  ui::TextBox Text7{*this, "Text7"};     // description
  ui::TextBox Text2{*this, "Text2"};     // FURR code
  ui::Label Label10{*this, "Label10"};   // line indicator
  ui::Label Label11{*this, "Label11"};   // check status
  ui::CommandButton Command3{*this, "Command3"};    // "S"
  ui::CommandButton Command4{*this, "Command4"};    // "LIST"
  ui::CommandButton Command12{*this, "Command12"};  // "import"
  ui::CommandButton Command16{*this, "Command16"};  // "export"
  ui::CommandButton Command2{*this, "Command2"};    // "defaults"
  ui::CommandButton Command1{*this, "Command1"};    // "proceed"
  ui::Shape Shape2{*this, "Shape2"};                // its colour shows the enabled state

 protected:
  void load() override;

 private:
  void layOut();
  void wire();
  void enableEvents();  // Check1_Click
  void proceed();       // "proceed": shows event 1 and hides the window
  void timeChanged(int index);
  void openGuide();
  void importEvent();

  LineIndicator lines_{Text2, Label10, [this] { return SeeSyntax(); }};
};

}  // namespace olvex::furr
