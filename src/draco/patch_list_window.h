#pragma once
// The patch list window "patches": the user chooses the patches the next pass applies, sees each
// patch's description, unmet requirements and parameters, edits the shown parameter, searches
// the list and loads and saves patch sets; the developer layout also creates, deletes, reorders
// and edits patches. Its list box mirrors the DRACO module's selection (patch_selection.h).
#include <array>

#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::draco {

class Patches : public ui::Form {
 public:
  Patches();

  // Shows the current patch: name, description, parameter, warnings and their markers.
  void Listbox1_Click();
  // Shows the parameter slot CurParamSlot (or the lowest enabled one) and lays out the area.
  void SelParamShowez();
  // Stores the value box's text as the current value of the shown parameter.
  void ErraticDreams();
  // Fills the parameter list popup with the enabled parameters of the current patch.
  void ProcessParamList();
  // The single record "Empty patch entry".
  void killlist();
  bool CheckEqualNames(std::string_view name) const;
  // Finds the next patch whose name holds text (any case), from the top when SearchFromTop.
  void ScrollThru(const std::string& text);
  void setDeveloperLayout(bool developer);
  // The record the current item shows (item k shows record k); the first record when no item is
  // current, -1 when the table is empty.
  int currentRecord() const;

  ui::ListBox Listbox1{*this, "Listbox1"};
  ui::Label Label1{*this, "Label1"};  // name of the current patch, coloured by its warnings
  ui::TextBox Text3{*this, "Text3"};  // description
  ui::TextBox Text4{*this, "Text4"};  // long description, with a scroll bar
  ui::Line Line2{*this, "Line2"};     // separates the parameter row
  ui::Label Label3{*this, "Label3"};  // the shown parameter's name; opens the popup
  ui::TextBox Text1{*this, "Text1"};  // its value
  ui::Image Image2{*this, "Image2"};  // back to the default value
  ui::Image Image3{*this, "Image3"};  // unselected dependencies
  ui::Image Image6{*this, "Image6"}, Image5{*this, "Image5"}, Image4{*this, "Image4"},
      Image7{*this, "Image7"};  // remap, extend, particle buffer, savegame requirement markers
  ui::Shape Shape3{*this, "Shape3"};  // frame of the search row
  ui::Label Label6{*this, "Label6"};  // "search:"
  ui::TextBox Text5{*this, "Text5"};  // search pattern
  ui::TextBox Text6{*this, "Text6"};  // "[sequence not found]"
  ui::Image Image8{*this, "Image8"};  // search next
  ui::Image Image9{*this, "Image9"};  // search from the first patch
  ui::Timer Timer2{*this, "Timer2"};
  ui::Image Image1{*this, "Image1"};  // switches compact and developer layout
  ui::Label Label4{*this, "Label4"};  // "DEVELOPER MODE!"
  ui::Shape Shape1{*this, "Shape1"}, Shape4{*this, "Shape4"};  // frames of the developer buttons
  ui::CommandButton Command12{*this, "Command12"}, Command16{*this, "Command16"},
      Command7{*this, "Command7"}, Command3{*this, "Command3"}, Command1{*this, "Command1"},
      Command5{*this, "Command5"}, Command2{*this, "Command2"}, Command28{*this, "Command28"},
      Command4{*this, "Command4"}, Command6{*this, "Command6"};

  int LastListIndex = -1;
  bool SearchUsed = false;
  bool SearchFromTop = false;
  int NotFoundTicks = 0;
  int ShownParamType = 0;
  int ShownParamCount = 0;

 protected:
  void load() override;

 private:
  void layOut();        // designer values (patch_list_layout.cpp)
  void wireList();      // list, markers, sets, developer commands (patch_list_window.cpp)
  void wireSearch();
  void wireParams();    // parameter row (patch_params.cpp)
  void showWarnings(int record);
  void setParamRowShown(bool shown);
  void moveCurrent(int step);
  void deleteCurrent();
  void newPatch();
  void editCurrent();
  void loadSet();
  void proceed();
  std::array<ui::Image*, 4> requirementMarkers();
};

}  // namespace olvex::draco
