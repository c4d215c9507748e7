#pragma once
// The command list: a borderless window listing the loaded command set's commands with their
// parameter types, opened modally from the editors and rebuilt every time it opens.
#include <string>

#include "furr/command_set.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::furr {

// "List of commands available:", an empty line, then one line per command row: the name, then
// " [type1] " and " [type2]" for the types it has.
std::string CommandListText(const CommandSet& set);

class FLListCmd : public ui::Form {
 public:
  FLListCmd();

  ui::TextBox Text1{*this, "Text1"};
  ui::Label Label1{*this, "Label1"};  // "close"
  ui::Line Line1{*this, "Line1"}, Line2{*this, "Line2"}, Line3{*this, "Line3"}, Line4{*this, "Line4"};

 protected:
  void load() override;
};

// Shows the command list of the loaded command set modally.
void ShowCommandList();

}  // namespace olvex::furr
