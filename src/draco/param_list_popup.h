#pragma once
// ParamList: the borderless popup that lists the enabled parameters of the current patch; a
// click on a name shows that parameter in the patch list window. It is only hidden, never
// unloaded, by a choice or Esc.
#include "draco/patch_record.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::draco {

class ParamList : public ui::Form {
 public:
  ParamList();

  // One label per enabled parameter of record, in slot order on consecutive lines (each label
  // keeps its slot's index); the popup and its frame sized to them.
  void fill(const PatchRecord& record);

  ui::ControlArray<ui::Label> Label1{*this, "Label1"};  // index: the parameter slot
  ui::Line Line1{*this, "Line1"}, Line2{*this, "Line2"}, Line3{*this, "Line3"}, Line4{*this, "Line4"};

 protected:
  void load() override;
};

}  // namespace olvex::draco
