#pragma once
// InputKor: the small borderless box that asks for a patch name or a file offset. The caller
// sets InputMode, shows the box modally and reads InputResult ("EMPTY" when nothing was
// entered); the box unloads itself when answered, so every use starts from its design layout.
#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::draco {

class InputKor : public ui::Form {
 public:
  InputKor();

  // InputResult = the text, or "EMPTY" when it is empty; unloads the box.
  void KillMeNow();

  ui::Label Label1{*this, "Label1"};    // the prompt
  ui::TextBox Text1{*this, "Text1"};
  ui::Image Image1{*this, "Image1"};    // confirms the entry
  ui::Line Line1{*this, "Line1"}, Line2{*this, "Line2"}, Line3{*this, "Line3"}, Line4{*this, "Line4"};

 protected:
  void load() override;

 private:
  bool offsetMode() const;
  void narrow();
};

// Asks in the given mode ("patchname", "offsethex", "offsethex_edit") with the box placed 340
// twips right of and 400 twips below the anchor control of the owner window, starting with text;
// returns InputResult.
std::string AskInput(const std::string& mode, const ui::Form& owner, const ui::Control& anchor,
                     const std::string& text);

}  // namespace olvex::draco
