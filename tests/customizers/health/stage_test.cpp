// The HEALTH stage in a whole pass: damages negated, attack values as entered, the locust switch,
// and the SAS fix with its fast kill and its blow-up in both memory layouts.
#include "customizers/health/dialog.h"
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

using shell::Form1;

CustLaraHP& health() { return ui::Forms::get<CustLaraHP>(); }

void sasFix(int fix, int fastKill, int blow) {
  health().Check2.setValue(fix);
  health().Check3.setValue(fastKill);
  health().Check4.setValue(blow);
}

TEST_F(SilentPassTest, HealthSettings) {
  expectPasses({
      {"damages negated, attack values as entered",
       [](Form1&) {
         auto& d = health();
         for (auto [i, text] : {std::pair{0, "-1"}, {9, "0"}, {25, "127"}, {5, "-128"}, {4, "200"}, {14, "7"}})
           d.Text1[i].setText(text);
         d.Text2[5].setText("400");
         d.Text2[6].setText("-32767");
         d.Text2[8].setText("0");
         d.Check1.setValue(1);
       },
       {{"DragonLoCutAttackOffset", 0}},
       {{"NoAirLeakageOffset", 0, "01"}, {"CrocodileUWDmgOffset", 0, "00"}, {"InProngLeakageOffset", 0, "81"},
        {"SmallScorpionDmgOffset", 0, "80"}, {"BaddyUZIDmgOffset", 0, "C8"}, {"MagicAttackDividerOffset", 0, "07"},
        {"LittleBeetleDispOffset", 0, "0004"}, {"SphinxDmgOffset", 0, "FF7F"},
        {"SetAttack1DmgParameterOffset", 0, "0000"}}},
      {"greyed locust switch writes nothing", [](Form1&) { health().Check1.setValue(2); }, {}},
      {"SAS fix with its built-in damage and threshold", [](Form1&) { sasFix(1, 0, 0); },
       {{"SASGrenadeProcOffset", 0}}},
      {"SAS fix: damage without a number counts as 0",
       [](Form1&) {
         sasFix(1, 0, 0);
         health().Text1[26].setText("x");
         health().Text1[27].setText("200");
       },
       {{"SASGrenadeProcOffset", 0}}, {{"FastKillOffset", 2, "00"}, {"FastKillOffset", 48, "C8"}}},
      {"SAS fast kill",
       [](Form1&) {
         sasFix(1, 1, 0);
         health().Text1[26].setText("10");
         health().Text1[27].setText("3");
       },
       {{"SASGrenadeProcOffset", 0}, {"FastKillOffset", 0}}, {{"FastKillOffset", 48, "03"}}},
      {"SAS blow-up without the extension", [](Form1&) { sasFix(1, 0, 1); }, {{"SASGrenadeProcOffset", 0}}},
      {"SAS blow-up, extended",
       [](Form1& f) {
         sasFix(1, 0, 1);
         f.Check9.setValue(1);
       },
       join(kExtended, {{"SASGrenadeProcOffset", 0}, {"BlowExtOffset", 0}, {"BlowOffset", 0}, {"BlowExtJmpOffset", 0}}),
       {}, true},
      {"SAS blow-up, extended and remapped",
       [](Form1& f) {
         sasFix(1, 0, 1);
         f.Check9.setValue(1);
         f.Check5.setValue(1);
       },
       join(kExtendedRemapped,
            {{"SASGrenadeProcOffset", 0}, {"BlowExtOffset", 0}, {"BlowOffset", 1}, {"BlowExtJmpOffset", 1}}),
       {}, true},
      {"greyed SAS fix writes nothing", [](Form1&) { sasFix(2, 1, 1); }, {}},
      {"SAS fix off restores the game's code",
       [](Form1&) {
         sasFix(0, 1, 1);
         plant({{"FastKillOffset", 48, "07"}});
       },
       {}, {}, false, {{"SASGrenadeProcOffset", 0}, {"FastKillOffset", 0}, {"BlowOffset", 0}}},
  });
}

}  // namespace
}  // namespace olvex::customizers::test
