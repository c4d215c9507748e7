#pragma once
// A fresh DRACO module per test: a test host for the message boxes and the modal windows, a temp
// folder, the main window's options as the test sets them, and helpers that build patch records.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "draco/input_box.h"
#include "draco/patch_list.h"
#include "draco/patch_list_window.h"
#include "draco/patch_selection.h"
#include "draco/patch_writer.h"
#include "platform/temp_folder.h"
#include "shell/conversions.h"
#include "support/test_host.h"

namespace olvex::draco::test {

using platform::test_files::bytesOf;
using platform::test_files::putBytes;
using Names = std::vector<std::string>;

class DracoTest : public ::testing::Test {
 protected:
  DracoTest() {
    shell::HexErrShown = false;
    PatchList = std::vector<PatchRecord>();  // its memory given back: tests measure its capacity
    ClearPatchList();
    ResetPatches();
    host.messages.clear();
    MainWindowOptions = [this] { return options; };
  }
  ~DracoTest() override { MainWindowOptions = nullptr; }

  // Writes the lines, each ended by CR LF, and returns the path.
  std::string writeSet(const std::string& name, const Names& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    putBytes(folder.file(name), text);
    return folder.file(name);
  }
  // The list items' names, and their check marks.
  static Names items() {
    Names names;
    for (int k = 0; k < ItemCount(); ++k) names.push_back(ItemText(k));
    return names;
  }
  static std::vector<bool> checks() {
    std::vector<bool> states;
    for (int k = 0; k < ItemCount(); ++k) states.push_back(IsItemSelected(k));
    return states;
  }
  static Patches& list() { return ui::Forms::get<Patches>(); }

  // The input box, when it opens, records its text and answers with `answer` ("" cancels).
  void answerInput(const std::string& answer, std::string* proposed = nullptr) {
    host.onShow = [answer, proposed](ui::Form& f, bool) {
      if (f.name() != "InputKor") return;
      auto& box = static_cast<InputKor&>(f);
      if (proposed) *proposed = box.Text1.text();
      box.Text1.setText(answer);
      box.KillMeNow();
    };
  }

  olvex::test::TestHost host;
  platform::test_files::TempFolder folder;
  RequirementChecks options;
};

inline PatchRecord patch(std::string name, int condBehave = 1) {
  PatchRecord r;
  r.Omnipresence = 1;
  r.Name = std::move(name);
  r.CondBehave = static_cast<std::uint8_t>(condBehave);
  return r;
}

inline void slot(PatchRecord& r, int j, std::string offset, std::string defl, std::string modN, std::string modR = "") {
  r.Offffset[j] = std::move(offset);
  r.DeflData[j] = std::move(defl);
  r.ModNData[j] = std::move(modN);
  r.ModRData[j] = std::move(modR);
}

inline void param(PatchRecord& r, int k, std::string offset, std::string defaultValue, std::string current, int type,
                  std::string name = "p") {
  r.Params[k] = PatchParam{1, std::move(offset), std::move(defaultValue), std::move(current), std::move(name),
                           static_cast<std::uint8_t>(type)};
}

// The example record of the patch-set format (one offset slot, one parameter) and its layout file.
inline PatchRecord examplePatch() {
  PatchRecord r = patch("Example patch");
  r.Description = "First line//Second line";
  r.RequiresYiff = 1;
  slot(r, 0, "4A3C12", "E80CF5FFFF", "9090909090");
  param(r, 0, "4A3C13", "20", "", 3, "Speed");
  return r;
}
inline const Names kExampleLayout = {
    "DRACO=0.3", "", "Omnipresence=1", "Name=Example patch", "Description=First line//Second line", "",
    "RequiresRemap=0", "RequiresYiff=1", "RequiresPart=0", "RequiresSave=0", "Dependencies=", "",
    "CondBehave=1", "",
    "Offffset00=4A3C12", "DeflData00=E80CF5FFFF", "ModNData00=9090909090", "ModRData00=", "",
    "bambi=0|1", "ronno=0|4A3C13", "gprince=0|20", "faline=0|Speed", "mena=0|3",
};

// Makes the table the given records behind "Empty patch entry" and refreshes the list.
inline void setTable(std::vector<PatchRecord> records) {
  ClearPatchList();
  for (PatchRecord& r : records) PatchList.push_back(std::move(r));
  RefreshPatchList();
}

}  // namespace olvex::draco::test
