#pragma once
// The main window: the options the patch pass writes, the three distance boxes and their
// presets, the buttons that open the dialogs, reload the defaults, patch and quit, and the status.
// Its Load is the program's start-up: config, executable, version signature, version data.
#include <string>

#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::shell {

class Form1 : public ui::Form {
 public:
  Form1();

  // The window's height with the console below its normal bottom edge closed and open (twips).
  static constexpr int kConsoleClosedHeight = 7380;
  static constexpr int kConsoleOpenHeight = kConsoleClosedHeight + 435;
  static constexpr int kConsoleKey = 192;  // the key left of 1 opens and closes the console

  // The executable's full path, and whether it existed at start-up (kept for the whole run).
  std::string ExePath;
  bool ExeFound = false;
  // "modify" can run: the executable was found and a version section of the config matched it.
  bool canModify() const { return ExeFound && versionMatched_; }

  // "FE 40/41 save": the controls that depend on it follow its state.
  void applyFE4041Save();

  // The handlers of "modify" (Command3) and "defaults" (Command9), which the console runs too.
  void modify();
  void reloadDefaults();

  // The check boxes hold 0, 1 or 2; "checked" is 1.
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"},
      Check4{*this, "Check4"}, Check5{*this, "Check5"}, Check6{*this, "Check6"},
      Check7{*this, "Check7"}, Check8{*this, "Check8"}, Check9{*this, "Check9"},
      Check10{*this, "Check10"}, Check11{*this, "Check11"}, Check12{*this, "Check12"},
      Check13{*this, "Check13"}, Check14{*this, "Check14"}, Check15{*this, "Check15"},
      Check16{*this, "Check16"}, Check17{*this, "Check17"}, Check18{*this, "Check18"},
      Check19{*this, "Check19"}, Check20{*this, "Check20"}, Check21{*this, "Check21"};

  ui::Frame Frame1{*this, "Frame1"};  // "Force pigtails:" holds Option1
  ui::Frame Frame2{*this, "Frame2"};  // "Affect:" holds Option2
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // ponytail mode
  ui::ControlArray<ui::OptionButton> Option2{*this, "Option2"};  // clipping mode

  ui::TextBox Text1{*this, "Text1"};  // hard clipping range
  ui::TextBox Text2{*this, "Text2"};  // drawing distance range
  ui::TextBox Text3{*this, "Text3"};  // distant fog range
  ui::TextBox Text4{*this, "Text4"};  // bonus level number
  ui::TextBox Text5{*this, "Text5"};  // the console
  ui::TextBox Text7{*this, "Text7"};  // alternate level number

  ui::Label Label1{*this, "Label1"}, Label2{*this, "Label2"}, Label3{*this, "Label3"},
      Label4{*this, "Label4"}, Label5{*this, "Label5"}, Label6{*this, "Label6"},
      Label10{*this, "Label10"}, Label12{*this, "Label12"}, Label14{*this, "Label14"},
      Label16{*this, "Label16"};

  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"},
      Command3{*this, "Command3"}, Command4{*this, "Command4"}, Command5{*this, "Command5"},
      Command6{*this, "Command6"}, Command7{*this, "Command7"}, Command8{*this, "Command8"},
      Command9{*this, "Command9"}, Command10{*this, "Command10"}, Command11{*this, "Command11"},
      Command12{*this, "Command12"}, Command13{*this, "Command13"},
      Command14{*this, "Command14"}, Command15{*this, "Command15"},
      Command16{*this, "Command16"}, Command17{*this, "Command17"},
      Command18{*this, "Command18"}, Command19{*this, "Command19"},
      Command20{*this, "Command20"}, Command21{*this, "Command21"},
      Command22{*this, "Command22"}, Command23{*this, "Command23"},
      Command24{*this, "Command24"}, Command25{*this, "Command25"},
      Command26{*this, "Command26"}, Command27{*this, "Command27"},
      Command28{*this, "Command28"}, Command29{*this, "Command29"},
      Command30{*this, "Command30"};

  ui::Image Image1{*this, "Image1"};  // reloads the main window's defaults
  ui::Image Image2{*this, "Image2"};  // opens the statistics window
  ui::Shape Shape3{*this, "Shape3"};  // frame of the patch pass's progress bar
  ui::Shape Shape4{*this, "Shape4"};  // the progress bar
  ui::Timer Timer1{*this, "Timer1"};  // blinks "Remap scene memory"

 protected:
  void load() override;

 private:
  void layOut();             // designer values (form1_layout.cpp)
  void wireOptions();        // interlocks, blink, checks, presets (form1_options.cpp)
  void wireCommands();       // buttons (form1.cpp)
  void readExecutable();     // start-up steps from the executable to the version data
  void loadVersionData();    // the version sections matching VersionSig, and the status
  void reportNoSupport();    // no version section can match the executable
  void reportLoadError();    // a read failed: message and status
  void reloadMainDefaults(); // Image1: the main window's keys only

  // Option interlocks and rules (form1_options.cpp).
  void extendExeClick();
  void bonusLevelClick();
  void blinkRule();
  void colourRule();
  void blinkTick();
  void applyDistancePreset(int row);

  bool signatureRead_ = false;  // VersionSig was built from the executable
  bool versionMatched_ = false;
  bool blink_ = false;
};

// "Extend tomb4.exe size" is checked in the main window; false while the window is not loaded.
// The controls that follow the option take this state when their window is made.
bool ExtendExeChecked();

}  // namespace olvex::shell
