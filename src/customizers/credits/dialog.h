#pragma once
// "Credits sub-customizer": the end-credits text with its line counter, ruler and per-line
// warning, the characters per line, the effects and alignment of normal and scripted lines,
// the credits audio track and level jump, and two switches. It builds the credits image the
// pass writes.
#include "customizers/credits/image.h"
#include "customizers/frame/dialog.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustCredits : public Dialog {
 public:
  CustCredits();

  // The 1-based line of a multi-line box that holds the caret.
  static int CurrentLine(const ui::TextBox& box);
  // The image of the current text and characters per line.
  CreditsImage RecalcLength() const;
  // The line counter, the per-line warning and the ruler marker.
  void RecalcCounters();
  // The ruler's mouse handler: x in the ruler's pixels.
  void DoRulers(int button, double x);

  ui::TextBox Text1{*this, "Text1"};  // the credits text
  ui::TextBox Text2{*this, "Text2"};  // characters in one line
  ui::ControlArray<ui::TextBox> Text3{*this, "Text3"};  // (0) normal, (1) scripted effect
  ui::ControlArray<ui::TextBox> Text4{*this, "Text4"};  // (1) audio track, (2) level jump
  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"};  // hold one alignment group each
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // normal line alignment
  ui::ControlArray<ui::OptionButton> Option2{*this, "Option2"};  // scripted line alignment
  ui::CheckBox Check1{*this, "Check1"};  // don't replace %n lines
  ui::CheckBox Check2{*this, "Check2"};  // fix credits flyby bug
  ui::Label Label1{*this, "Label1"};     // the line count
  ui::Label Label4{*this, "Label4"};     // the line counter
  ui::Label Label5{*this, "Label5"};     // the per-line warning
  ui::PictureBox Picture2{*this, "Picture2"};  // the ruler
  ui::Image Image1{*this, "Image1"};           // the ruler's marker
  ui::CommandButton Command5{*this, "Command5"};  // takes the focus from the option buttons
  ui::CommandButton Command1{*this, "Command1"}, Command3{*this, "Command3"},
      Command6{*this, "Command6"};  // apply, defaults, ?
  ui::ControlArray<ui::Label> Caption{*this, "Caption"};  // the captions beside the fields

 protected:
  void load() override;

 private:
  void drawRuler();
  int lineChars() const;
  void placeMarker();
  void text2Change();
};

// Its settings keys, scope "creds" (keys.cpp).
void RegisterCreditsKeys();
// CREDITS (stage.cpp).
void WriteCredits(platform::RandomAccessFile& file);
// Keys, the config's credits section and the CREDITS stage (the fonts dialog opens the editor).
void InstallCreditsDialog();

}  // namespace olvex::customizers
