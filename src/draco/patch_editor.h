#pragma once
// patchesConf: edits one patch record on a working copy: title, description, requirements,
// dependencies, behaviour when not applied, up to 100 patched places with their bytes and up to
// 30 parameters. Nothing reaches the record before "apply"; "import" and "export" carry one
// patch as a layout file.
#include <string>

#include "draco/patch_record.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::draco {

class PatchesConf : public ui::Form {
 public:
  PatchesConf();

  int EditIndex = 0;  // the record being edited
  // The working copy: offsets, bytes and parameters (the other fields live in the controls).
  PatchRecord Edit;

  void ValidateOffsetEntries();
  void ENableBoxes();
  int ScanByOffset(const std::string& offset) const;  // first slot with that offset; 0 when none
  int CheckAvailableOffs() const;                      // first free slot; 255 when none
  bool CheckIfEqual(const std::string& offset) const;
  void savebytes();
  // Stores the shown parameter slot into the working copy (the slot list's GotFocus).
  void Combo1_GotFocus();

  ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};  // 0 title, 1 description, 2..4 parameter, 5 deps
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"},
      Check5{*this, "Check5"}, Check4{*this, "Check4"};
  ui::Frame Frame1{*this, "Frame1"};  // "When conditions are not complied..."
  ui::ControlArray<ui::OptionButton> Option2{*this, "Option2"};
  ui::Shape Shape1{*this, "Shape1"};  // panel behind the code boxes
  ui::ListBox List1{*this, "List1"};  // offsets of the slots in use
  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // 0 original, 2 modified, 1 modified (remap)
  ui::ComboBox Combo1{*this, "Combo1"};                 // parameter slot "00".."29"
  ui::Frame Frame2{*this, "Frame2"};                    // holds the type buttons
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // parameter type
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"}, Command3{*this, "Command3"},
      Command28{*this, "Command28"}, Command12{*this, "Command12"}, Command16{*this, "Command16"};
  ui::Label Label13{*this, "Label13"};  // "TRIM"
  ui::Label Label16{*this, "Label16"};  // "?"
  // Captions: Label1 "Title:", Label2 "Description:", Label3 "Dependencies:", Label4 "OFFSET
  // LIST", Label5 "ORIGINAL", Label6 "MODIFIED", Label11 "MODIFIED (REMAP)", Label12 "Parameter
  // slot:", and the parameter fields' Label7 "Title:", Label8 "Offset:", Label9 "Value:",
  // Label10 "Type:".
  ui::Label Label1{*this, "Label1"}, Label2{*this, "Label2"}, Label3{*this, "Label3"}, Label4{*this, "Label4"},
      Label5{*this, "Label5"}, Label6{*this, "Label6"}, Label7{*this, "Label7"}, Label8{*this, "Label8"},
      Label9{*this, "Label9"}, Label10{*this, "Label10"}, Label11{*this, "Label11"}, Label12{*this, "Label12"};

 protected:
  void load() override;

 private:
  void layOut();  // designer values (patch_editor_layout.cpp)
  void wire();
  void showRecord(const PatchRecord& record);  // the fields and the working copy
  PatchRecord gathered();                      // the working copy with the fields of the controls
  void rebuildOffsets();                       // list in slot order, first entry shown, boxes
  void showParamSlot(int k);
  void enableParamFields(bool enabled);
  void addOffset();
  void editOffset();
  void killOffset();
  void apply();
  void importLayout();
  void exportLayout();
};

}  // namespace olvex::draco
