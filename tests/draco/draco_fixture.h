#pragma once
// A fresh DRACO module per test: a test host for the message boxes, a temp folder, and helpers
// that build patch records and small files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draco/patch_list.h"
#include "platform/temp_folder.h"
#include "shell/conversions.h"
#include "support/test_host.h"

namespace olvex::draco::test {

using platform::test_files::bytesOf;
using platform::test_files::putBytes;

class DracoTest : public ::testing::Test {
 protected:
  DracoTest() {
    shell::HexErrShown = false;
    ClearPatchList();
    ResetPatches();
    host.messages.clear();
  }

  // Writes lines joined by CR LF (each line ended) and returns the path.
  std::string writeSet(const std::string& name, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    putBytes(folder.file(name), text);
    return folder.file(name);
  }

  // The names of the list items.
  static std::vector<std::string> items() {
    std::vector<std::string> names;
    for (int k = 0; k < ItemCount(); ++k) names.push_back(ItemText(k));
    return names;
  }
  static std::vector<bool> checks() {
    std::vector<bool> states;
    for (int k = 0; k < ItemCount(); ++k) states.push_back(IsItemSelected(k));
    return states;
  }

  olvex::test::TestHost host;
  platform::test_files::TempFolder folder;
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

// Makes the table the given records behind "Empty patch entry" and refreshes the list.
inline void setTable(std::vector<PatchRecord> records) {
  ClearPatchList();
  for (PatchRecord& r : records) PatchList.push_back(std::move(r));
  RefreshPatchList();
}

}  // namespace olvex::draco::test
