// The hooks in the game's code that lead into the appended area, over two passes: whatever the
// boxes of the second, every hook leads to its code, in the variant of the section header, and
// never into the 0x90 fill or past the end of the file.
#include <string>
#include <vector>

#include "customizers/health/dialog.h"
#include "customizers/inventory/dialog.h"
#include "customizers/lights/dialog.h"
#include "customizers/objects/dialog.h"
#include "customizers/sound/dialog.h"
#include "customizers/weapons/dialog.h"
#include "furr/feditor.h"
#include "furr/rteditor.h"
#include "pass_fixture.h"

namespace olvex::patcher::test {
namespace {

using shell::Form1;
using ui::Forms;

// A location and the data key written there for the standard and the remapped scene memory; a
// code without data keys is linked by the pass.
struct Place {
  std::string key, standard, remapped;
};

struct AppendedHook {
  std::string name;
  ui::CheckBox& (*box)(Form1&);
  std::vector<std::string> defaults;  // what the first jump site holds without the hook
  std::vector<Place> jumps, code;
  bool greyedKeeps = false;  // a greyed box keeps the hook the file holds
};

template <class Dialog, ui::CheckBox Dialog::*Box>
ui::CheckBox& dialogBox(Form1&) {
  return Forms::get<Dialog>().*Box;
}
template <ui::CheckBox Form1::*Box>
ui::CheckBox& mainBox(Form1& f) {
  return f.*Box;
}

const std::vector<AppendedHook>& appendedHooks() {
  using namespace customizers;
  static const std::vector<AppendedHook> hooks = {
      {"advanced savegame", mainBox<&Form1::Check21>, {"ExtSGJmp1DataD"},
       {{"ExtSGameInsideOffset1", "ExtSGJmp1DataN", "ExtSGJmp1DataR"},
        {"ExtSGameInsideOffset2", "ExtSGJmp2DataN", "ExtSGJmp2DataR"},
        {"ExtSGameInsideOffset3", "ExtSGJmp3DataN", "ExtSGJmp3DataR"}},
       {{"ExtSGameBaseOffset", "ExtSGBaseNoRelData", "ExtSGBaseYoRelData"}}, true},
      {"SAS blow-up", dialogBox<CustLaraHP, &CustLaraHP::Check2>, {"BlowModDefData"},
       {{"BlowOffset", "BlowModNoRelData", "BlowModYoRelData"}},
       {{"BlowExtOffset", "BlowProcData", "BlowProcData"},
        {"BlowExtJmpOffset", "BlowProcJumpNoRel", "BlowProcJumpYoRel"}},
       true},
      {"bonus level", mainBox<&Form1::Check19>, {"SecLevelJumpDefData"},
       {{"SecLevelJumpOffset", "SecLevelJumpModNData", "SecLevelJumpModRData"}},
       {{"SecLevelExtOffset", "SecLevelExtModNData", "SecLevelExtModRData"}}},
      {"pistol ammo", dialogBox<CustInv, &CustInv::Check4>, {"LPAWorkaroundJmpDefData"},
       {{"LPAWorkaroundJmpOffset", "LPAWorkaroundJmpNData", "LPAWorkaroundJmpRData"},
        {"LPACounterJumpOffset", "LPACounterJumpNModData", "LPACounterJumpRModData"},
        {"BlockHolstersJmpOffset", "BlockHolstersJmpModNData", "BlockHolstersJmpModRData"}},
       {{"LPAWorkaroundOffset", "LPAWorkaroundNData", "LPAWorkaroundRData"},
        {"LPACounterStructOffset", "LPACounterStructNData", "LPACounterStructRData"},
        {"BlockHolstersProcOffset", "BlockHolstersProcNData", "BlockHolstersProcRData"}}},
      {"alarm light", dialogBox<CustLite, &CustLite::Check2>, {"BlinkingLightJmp1DefData"},
       {{"BlinkLightJump1Offset", "BlinkingLightJmp1ModData", "BlinkingLightJmp1ModRData"},
        {"BlinkLightJump2Offset", "BlinkingLightJmp2ModData", "BlinkingLightJmp2ModRData"}},
       {{"BlinkLightCombineOffset", "BlinkingLightModData", "BlinkingLightModRData"}}},
      {"ricochet", dialogBox<CustSnd, &CustSnd::Check9>, {"EnableRicoSndBaseModData"},
       {{"EnableRicoSndJmpOffset", "EnableRicoSndJmpModNData", "EnableRicoSndJmpModRData"},
        {"EnableRicoFixJumpOffset", "EnableRicoFixJumpModNData", "EnableRicoFixJumpModRData"}},
       {{"EnableRicoSndExtOffset", "EnableRicoSndExtModNData", "EnableRicoSndExtModRData"}}},
      {"one-block platform", dialogBox<CustObj, &CustObj::Check10>, {"1BPDefltLoadingData"},
       {{"1BPLoadingOffset", "1BPNoRelLoadingData", "1BPRelocLoadingData"}},
       {{"1BPExtendedOffset", "1BPNoRelData", "1BPRelocData"}}},
      {"flame tail", dialogBox<CustWeapons, &CustWeapons::Check9>, {"XBowFlametailBaseDefData"},
       {{"XBowFlametailBaseOffset", "XBowFlametailBaseModNData", "XBowFlametailBaseModRData"}},
       {{"XBowFlametailJmpOffset", "XBowFlametailJmpNData", "XBowFlametailJmpRData"}}},
      {"flipeffects", dialogBox<furr::FEditor, &furr::FEditor::Check1>, {"FEBaseProcDefData"},
       {{"FEBaseProcOffset", "FEBaseProcModDataNoRel", "FEBaseProcModDataYoRel"},
        {"FEBaseProcOffset2", "FEBaseProc2ModDataNoRel", "FEBaseProc2ModDataYoRel"},
        {"FEBaseProcOffset3", "FEBaseProc3ModDataNoRel", "FEBaseProc3ModDataYoRel"}},
       {{"FEExtAddressesBaseOffset", "", ""}}},
      {"race timer", dialogBox<furr::RTEditor, &furr::RTEditor::Check1>, {"IncTimerData", "DecTimerData"},
       {{"RaceBaseOffset", "RaceExtJmpNoRelData", "RaceExtJmpYoRelData"}},
       {{"RaceExtProcArrayOffset", "", ""}}},
      {"particle buffer", mainBox<&Form1::Check20>, {"PartBuffer2DefData"},
       {{"PartBuffer2Offset1", "PartBuffer2ModNData", "PartBuffer2ModRData"}}, {}},
  };
  return hooks;
}

std::string dataHex(const std::string& key) { return std::string(reflayout::findDataKey(key)->hex); }

bool holds(const std::string& file, const std::string& key, const std::string& hex) {
  return hexAt(file, key, 0, hex.size() / 2) == hex;
}

// 1 / 2 when the site holds its standard / remapped jump, 0 neither.
int jumpAt(const std::string& file, const Place& jump) {
  if (holds(file, jump.key, dataHex(jump.standard))) return 1;
  return holds(file, jump.key, dataHex(jump.remapped)) ? 2 : 0;
}

// 0 when the hook's first site holds its default bytes, 1 / 2 its standard / remapped jump, -1
// neither.
int hookState(const std::string& file, const AppendedHook& hook) {
  for (const std::string& d : hook.defaults)
    if (holds(file, hook.jumps[0].key, dataHex(d))) return 0;
  return jumpAt(file, hook.jumps[0]) == 0 ? -1 : jumpAt(file, hook.jumps[0]);
}

// Every jump at a hook's sites is in the variant of the fifth section's header, inside an extended
// file, and leads to its code: the code's first two bytes (later writes fill in its operands) or,
// for linked code, anything but the fill. A file a pass wrote holds each hook whole: its default
// bytes or its jumps at every site.
void expectHooksLeadToTheirCode(const std::string& file, bool written = true) {
  for (const AppendedHook& hook : appendedHooks()) {
    SCOPED_TRACE(hook.name);
    const int state = hookState(file, hook);
    if (written) {
      ASSERT_NE(state, -1);
      for (const Place& jump : hook.jumps) EXPECT_EQ(jumpAt(file, jump), state) << jump.key;
    }
    for (const Place& jump : hook.jumps) {
      const int variant = jumpAt(file, jump);
      if (variant == 0) continue;
      ASSERT_EQ(file.size(), kExtendedLength) << jump.key;
      EXPECT_EQ(hexAt(file, "ExtSizePEHeaderOffset3", 12, 4), variant == 2 ? "00308100" : "00304100") << jump.key;
      for (const Place& code : hook.code) {
        if (code.standard.empty()) {
          EXPECT_NE(hexAt(file, code.key, 0, 4), "90909090") << code.key;
        } else {
          EXPECT_EQ(hexAt(file, code.key, 0, 2), dataHex(variant == 2 ? code.remapped : code.standard).substr(0, 4))
              << code.key;
        }
      }
    }
  }
}

class AppendedHooks : public PassTest {
 protected:
  // A first pass, extended, with the given remap and every hook's box checked, its file then given
  // back the game's own bytes at the savegame's first site where asked; then a second pass with
  // the remap and the extension given and every hook's box greyed.
  std::string twoPasses(int firstRemap, int secondRemap, int secondExtended, bool firstSavegameSiteBack) {
    putBytes(exe(), reflayout::referenceExecutable());
    Form1& f = start();
    f.Check9.setValue(1);
    f.Check5.setValue(firstRemap);
    Forms::get<customizers::CustLaraHP>().Check4.setValue(1);  // the blow-up, under the SAS grenade fix
    Forms::get<furr::RTEditor>().Option1[0].setValue(true);     // the race timer's jump entry
    for (const AppendedHook& hook : appendedHooks()) hook.box(f).setValue(1);
    pass();
    firstFile = exeBytes();
    if (firstSavegameSiteBack) {
      firstFile = withBytes(firstFile, {{"ExtSGameInsideOffset1", 0, dataHex("ExtSGJmp1DataD")}});
      putBytes(exe(), firstFile);
      expectHooksLeadToTheirCode(firstFile, false);  // jumps 2 and 3 lead to the savegame's code still
    }
    f.Check9.setValue(secondExtended);
    f.Check5.setValue(secondRemap);
    for (const AppendedHook& hook : appendedHooks()) hook.box(f).setValue(2);
    pass();
    ui::Forms::reset();
    return exeBytes();
  }

  std::string firstFile;
};

// After hooks of either variant, greyed boxes keep the savegame and blow-up hooks with their code
// (for the scene memory the second pass writes for) when it extends, and their default bytes
// when it cuts the file back; the other boxes' greyed states lead nowhere either. The savegame
// hook counts as kept also where only its later sites hold their jumps.
TEST_F(AppendedHooks, GreyedBoxesLeaveEveryHookLeadingToItsCode) {
  for (int firstRemap : {0, 1}) {
    for (int secondRemap : {0, 1}) {
      for (int extended : {1, 0}) {
        for (bool siteBack : {false, true}) {
          SCOPED_TRACE(testing::Message() << "remap " << firstRemap << " then " << secondRemap << ", extended "
                                          << extended << (siteBack ? ", first savegame site put back" : ""));
          const std::string file = twoPasses(firstRemap, secondRemap, extended, siteBack);
          for (const AppendedHook& hook : appendedHooks()) {
            EXPECT_EQ(hookState(firstFile, hook), siteBack && hook.name == "advanced savegame" ? 0 : firstRemap + 1)
                << hook.name;
          }
          expectHooksLeadToTheirCode(file);
          for (const AppendedHook& hook : appendedHooks()) {
            if (hook.greyedKeeps) {
              EXPECT_EQ(hookState(file, hook), extended ? secondRemap + 1 : 0) << hook.name;
            }
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace olvex::patcher::test
