// The settings key table: conversions, stores into controls and shared tables, scopes and the
// registry, and the keys of the shared tables.
#include "shell/settings_keys.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/config_state.h"
#include "shell/shared_keys.h"
#include "shell/shared_tables.h"
#include "support/test_host.h"
#include "ui/control_array.h"

namespace olvex::shell {
namespace {

struct KeyTestForm : ui::Form {
  KeyTestForm() : ui::Form("KeyTestForm") {
    for (int i = 0; i < 3; ++i) Option1.add(i);
    HScroll1.setRange(0, 10);
    Combo1.setStyle(ui::ComboBox::Style::DropDownList);
    for (const char* item : {"00", "05", "10"}) Combo1.addItem(item);
    Text2.add(4);
  }
  ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};
  ui::TextBox Text1{*this, "Text1"};
  ui::CheckBox Check1{*this, "Check1"};
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};
  ui::HScrollBar HScroll1{*this, "HScroll1"};
  ui::ComboBox Combo1{*this, "Combo1"};
};

int followUps = 0;
std::vector<std::string> seen;

constexpr KeyRow kTestRows[] = {
    {"textkey", Conversion::Number, TextBoxOf{&control<KeyTestForm, &KeyTestForm::Text1>}, [] { ++followUps; }},
    {"checkkey", Conversion::Check, CheckBoxOf{&control<KeyTestForm, &KeyTestForm::Check1>}},
    {"optionkey", Conversion::Option, OptionOf{&control<KeyTestForm, &KeyTestForm::Option1>}},
    {"scrollkey", Conversion::Scroll, ScrollBarOf{&control<KeyTestForm, &KeyTestForm::HScroll1>}},
    {"listkey", Conversion::List, ListIndexOf{&control<KeyTestForm, &KeyTestForm::Combo1>}},
    {"rangekey", Conversion::Text, ComboTextOf{&control<KeyTestForm, &KeyTestForm::Combo1>}},
    {"elementkey", Conversion::First4, TextBoxOf{&element<KeyTestForm, &KeyTestForm::Text2, 4>}},
};

class SettingsKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetConfigState();
    ResetSharedTables();
    SharedHooks = {};
    ClearKeyRegistry();
    RegisterSharedKeys();
    RegisterKeys(Scope::Camera, kTestRows);
    followUps = 0;
  }
  void TearDown() override { ClearKeyRegistry(); }
  // Applies key=value with a scope word; false when it raised SettingsKeyError.
  bool apply(const std::string& key, const std::string& value, std::string_view scope = "all") {
    CfgKey = key;
    CfgValue = value;
    try {
      ApplyKey(scope);
      return true;
    } catch (const SettingsKeyError&) {
      return false;
    }
  }
  KeyTestForm& form() { return ui::Forms::get<KeyTestForm>(); }
  test::TestHost host;
};

struct ConversionCase {
  Conversion conversion;
  const char* version;
  const char* key;
  const char* value;
  std::optional<std::string> want;  // nullopt: a conversion error
};

TEST_F(SettingsKeys, ConvertsValues) {
  using C = Conversion;
  const ConversionCase cases[] = {
      {C::Number, "0.76", "", "1e400", std::nullopt},  // overflow, not "INF"
      {C::OptionByte, "0.76", "", "255", "255"},
      {C::OptionByte, "0.76", "", "3x", std::nullopt},
      {C::Byte, "0.76", "", "-1", std::nullopt},
      {C::Integer, "0.76", "", "2147483648", std::nullopt},
      // Values of files without a Version line were hex; damage values up to 0.672 positive.
      {C::OldHex, "", "", "3E8", "1000"},
      {C::OldByte, "", "", "FB", "5"},
      {C::OldByte, "0.672", "", "5", "-5"},
      {C::OldByte, "0.673", "", "5", "5"},
      {C::OldWord, "", "", "FF38", "200"},
      {C::OldWord, "0.5", "", "x", std::nullopt},
      {C::OldRange, "", "drawingdistancerange", "-3", "5024"},
      {C::OldRange, "", "distantfogrange", "29", "102400"},
      {C::OldRange, "0.5", "drawingdistancerange", "11", ""},
      {C::OldRange, "0.678", "drawingdistancerange", "1.50", "1.5"},
      {C::OldRange, "0.76", "drawingdistancerange", "abc", std::nullopt},
  };
  for (const auto& c : cases) {
    CfgVersion = c.version;
    std::optional<std::string> got;
    try {
      got = Convert(c.conversion, c.value, c.key).text;
    } catch (const SettingsKeyError&) {
    }
    EXPECT_EQ(got, c.want) << "value '" << c.value << "' version '" << c.version << "' conversion "
                           << static_cast<int>(c.conversion);
  }
  EXPECT_EQ(NumberText(1e15), "1E+15");
}

TEST_F(SettingsKeys, StoresIntoControlsOrFails) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"textkey", "12abc", true},
      {"checkkey", "1.5", true},
      {"checkkey", "1e300", false},
      {"optionkey", "2", true},
      {"scrollkey", "3", true},
      {"scrollkey", "11", false},
      {"scrollkey", "-1", false},
      {"listkey", "1", true},
      {"rangekey", "20", false},
      {"rangekey", "10", true},
      {"elementkey", "QUABX", true},
  };
  for (const auto& [key, value, ok] : cases) EXPECT_EQ(apply(key, value), ok) << key << "=" << value;
  EXPECT_EQ(form().Text1.text(), "12");
  EXPECT_EQ(form().Check1.value(), 2);
  EXPECT_TRUE(form().Option1[2].value());
  EXPECT_EQ(form().HScroll1.value(), 3);
  EXPECT_EQ(form().Combo1.text(), "10");
  EXPECT_EQ(form().Text2[4].text(), "QUAB");
  EXPECT_EQ(followUps, 1);
}

// A key creates its window hidden, only in its own scope; a key is registered once, in one scope.
TEST_F(SettingsKeys, ScopesAndTheRegistry) {
  EXPECT_TRUE(apply("textkey", "1", "gfx"));
  EXPECT_TRUE(apply("textkey", "1", "no such scope"));
  EXPECT_TRUE(apply("", "1"));
  EXPECT_FALSE(ui::Forms::loaded<KeyTestForm>());
  EXPECT_TRUE(apply("textkey", "7", ScopeWord(Scope::Camera)));
  EXPECT_FALSE(form().visible());
  EXPECT_EQ(form().Text1.text(), "7");
  RegisterKeys(Scope::Camera, kTestRows);  // again: nothing happens
  static constexpr KeyRow halfClash[] = {{"freshkey", Conversion::Text, Setter{nullptr}},
                                         {"fogunit99", Conversion::Text, Setter{nullptr}}};
  EXPECT_THROW(RegisterKeys(Scope::Race, halfClash), std::logic_error);  // refused whole
  EXPECT_EQ(FindKeyRow("freshkey"), nullptr);
  EXPECT_EQ(ScopeOfKey("checkkey"), Scope::Camera);
  EXPECT_EQ(ScopeOfKey("fogunit07"), Scope::Gfx2);
  EXPECT_EQ(ScopeOfKey("combo1"), std::nullopt);  // too short for the family
  EXPECT_EQ(RegisteredKeys().size(), std::size(kTestRows) + 2 + 6 + 25);
}

// A follow-up that reads another line: the scopes after its own get the new key.
TEST_F(SettingsKeys, LaterScopesTakeTheKeyAFollowUpRead) {
  static constexpr KeyRow sound[] = {
      {"switchkey", Conversion::Text, Setter{[](const Converted& v) { seen.push_back("switch=" + v.text); }},
       [] {
         CfgKey = CfgValue == "late" ? "laterkey" : CfgValue == "early" ? "earlykey" : "textkey";
         CfgValue = "7";
       }}};
  static constexpr KeyRow race[] = {
      {"laterkey", Conversion::Text, Setter{[](const Converted& v) { seen.push_back("later=" + v.text); }}}};
  static constexpr KeyRow early[] = {
      {"earlykey", Conversion::Text, Setter{[](const Converted& v) { seen.push_back("early=" + v.text); }}}};
  RegisterKeys(Scope::Snd, sound);
  RegisterKeys(Scope::Race, race);
  RegisterKeys(Scope::Main, early);
  static int hooks = 0;
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"late", {"switch=late", "later=7"}},
      {"early", {"switch=early"}},  // the main scope has passed
      {"camera", {"switch=camera"}},
  };
  for (const auto& [value, want] : cases) {
    seen.clear();
    hooks = 0;
    CfgKey = "switchkey";
    CfgValue = value;
    ApplyKeyInAll([] { ++hooks; });
    EXPECT_EQ(seen, want) << value;
    EXPECT_EQ(hooks, 1) << value;
  }
  EXPECT_EQ(form().Text1.text(), "7");
}

// The families and flags of the shared tables, and what their windows do after a change.
TEST_F(SettingsKeys, SharedTableKeys) {
  int fogs = 0, combos = 0, pictures = 0;
  std::array<std::string, 3> crossbow, grenade;
  SharedHooks = {[&] { ++fogs; }, [&] { ++combos; }, [&](const auto& l) { crossbow = l; },
                 [&](const auto& l) { grenade = l; }, [&] { ++pictures; }};
  const std::pair<const char*, bool> lines[] = {
      {"fogunit05=1,2,3", true},
      {"fogunit7=4,300,6", true},  // a field out of range ends the line
      {"fogunit28=9,9,9", true},
      {"fogunit300=1,1,1", false},
      {"combo03=7,1", true},
      {"combo3=9,1", true},  // too short for the family
      {"combo04=100", true},
      {"demigod1flag=0", true},
      {"skeletonflag=256", false},
      {"xbownormflag=7", true},
      {"xbowexplosiveflag=3", true},
      {"grensupaflag=2.5", true},
      {"grenflshflag=5", true},
  };
  for (const auto& [line, ok] : lines) {
    const std::string l = line;
    EXPECT_EQ(apply(l.substr(0, l.find('=')), l.substr(l.find('=') + 1)), ok) << line;
  }
  EXPECT_EQ((std::array<int, 3>{FogUnitR[5], FogUnitG[5], FogUnitB[5]}), (std::array<int, 3>{1, 2, 3}));
  EXPECT_EQ((std::array<int, 3>{FogUnitR[7], FogUnitG[7], FogUnitB[7]}), (std::array<int, 3>{4, 64, 192}));
  EXPECT_EQ((std::array<int, 4>{PuzzleCombos[3], PuzzleCombos[24], PuzzleCombos[4], PuzzleCombos[25]}),
            (std::array<int, 4>{7, 1, 100, 0}));
  EXPECT_EQ((std::array<int, 3>{EnemyFlags[13], EnemyFlags[14], EnemyFlags[15]}), (std::array<int, 3>{0, 5, 5}));
  EXPECT_EQ((std::array<int, 3>{fogs, combos, pictures}), (std::array<int, 3>{3, 2, 1}));
  // A flag without a letter is set to 1.
  EXPECT_EQ(crossbow, (std::array<std::string, 3>{"n", "p", "e"}));
  EXPECT_EQ(grenade, (std::array<std::string, 3>{"n", "n", "x"}));
  EXPECT_EQ((std::array<double, 2>{XBowNormFlag, GrenSupaFlag}), (std::array<double, 2>{1, 1}));
}

}  // namespace
}  // namespace olvex::shell
