// The sound dialog: its leave rules, the audio track limit that follows the extension, the
// switches and their fields, the rate read-out, and its keys with the old-version upgrades.
#include "customizers/dialog_fixture.h"
#include "customizers/sound/dialog.h"

namespace olvex::customizers::test {
namespace {

CustSnd& sound() { return ui::Forms::get<CustSnd>(); }

TEST_F(DialogTest, SoundFieldsOnLeaving) {
  auto& s = sound();
  const LeaveCase cases[] = {
      {s.Text5[18], "200", "127"}, {s.Text5[0], "", "0"}, {s.Text1[2], "-1", "1"}, {s.Text1[4], "", "0"}};
  expectLeaving(cases);
}

// Without the extension the tracks stop at 111 with a message and the focus back; extended at
// 127 silently. Changing the extension later changes no box until it is left again.
TEST_F(DialogTest, AudioTrackLimitFollowsTheExtension) {
  auto& s = sound();
  EXPECT_EQ(typeAndLeave(s.Text1[3], "115", s.Text1[4]), "111");
  EXPECT_EQ(host.texts(), std::vector<std::string>{"You can't use audiotracks more than 111 if you haven't extended audiotracks!"});
  EXPECT_EQ(s.activeControl(), &s.Text1[3]);
  s.Check1.setValue(1);
  EXPECT_EQ(s.Text1[3].text(), "111");
  EXPECT_EQ(typeAndLeave(s.Text1[3], "115", s.Text1[4]), "115");
  EXPECT_EQ(typeAndLeave(s.Text1[2], "130", s.Text1[4]), "127");
  EXPECT_EQ(host.messages.size(), 1u);
  s.Text1[0].setText("120");
  s.Check1.setValue(0);
  EXPECT_EQ(s.Text1[0].text(), "120");
}

TEST_F(DialogTest, SoundSwitchesEnableTheirFieldsAndTheRateReadOut) {
  auto& s = sound();
  struct Case { ui::CheckBox& check; ui::TextBox& box; bool enabledWhenChecked; } cases[] = {
      {s.Check2, s.Text1[0], true},  {s.Check3, s.Text1[2], false}, {s.Check4, s.Text1[3], false},
      {s.Check8, s.Text1[4], false}, {s.Check7, s.Text5[0], false}, {s.Check5, s.Text5[18], false},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.check.name());
    c.box.setText("42");
    c.check.setValue(1);
    EXPECT_EQ(c.box.enabled(), c.enabledWhenChecked);
    c.check.setValue(0);
    EXPECT_EQ(c.box.enabled(), !c.enabledWhenChecked);
    EXPECT_EQ(c.box.text(), "42");
  }
  EXPECT_EQ(s.Text1[1].text(), "22050 Hz");
  s.HScroll3.setValue(3);
  EXPECT_EQ(s.Text1[1].text(), "48000 Hz");
  s.HScroll3.setValue(0);
  EXPECT_EQ(s.Text1[1].text(), "11025 Hz");
}

TEST_F(DialogTest, SoundKeys) {
  auto checked = [](ui::CheckBox CustSnd::*box) { return [box] { return std::to_string((sound().*box).value()); }; };
  const KeyCase cases[] = {
      // The sound IDs: hex without a Version line, as stored after.
      {"", "uwdoorbugsoundid", "32", [] { return sound().Text5[18].text(); }, "50"},
      {"", "noammobugsoundid", "7F", [] { return sound().Text5[0].text(); }, "127"},
      {"0.5", "noammobugsoundid", "48", [] { return sound().Text5[0].text(); }, "48"},
      {"0.76", "loopedmarker", "105.0x", [] { return sound().Text1[0].text(); }, "105"},
      {"0.76", "samplerate", "0", [] { return sound().Text1[1].text(); }, "11025 Hz"},
      {"0.76", "samplerate", "3", [] { return sound().Text1[1].text(); }, "48000 Hz"},
      {"0.76", "samplerate", "4", [] { return sound().Text1[1].text(); }, std::nullopt},
      {"0.76", "insidejeeptrackdisable", "1", [] { return std::to_string(sound().Text1[2].enabled()); }, "0"},
      {"0.76", "extendaudiotracks", "1", checked(&CustSnd::Check1), "1"},
      {"0.76", "changeloopedrange", "1", checked(&CustSnd::Check2), "1"},
      {"0.76", "outsidejeeptrackdisable", "1", checked(&CustSnd::Check4), "1"},
      {"0.76", "secrettrackdisable", "1", checked(&CustSnd::Check8), "1"},
      {"0.76", "fixnoammobug", "1", checked(&CustSnd::Check7), "1"},
      {"0.76", "fixuwdoorbug", "1", checked(&CustSnd::Check5), "1"},
      {"0.76", "extendsamplesize", "1", checked(&CustSnd::Check6), "1"},
      {"0.76", "enablericochetsound", "1", checked(&CustSnd::Check9), "1"},
  };
  expectKeys(cases);
  EXPECT_EQ(shell::ScopeOfKey("samplerate"), shell::Scope::Snd);
}

}  // namespace
}  // namespace olvex::customizers::test
