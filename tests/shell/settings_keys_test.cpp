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
  ui::ComboBox Combo2{*this, "Combo2"};
};

int followUps = 0;
void countFollowUp() { ++followUps; }

constexpr KeyRow kTestRows[] = {
    {"textkey", Conversion::Number, TextBoxOf{&control<KeyTestForm, &KeyTestForm::Text1>}, &countFollowUp},
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
      {C::Text, "0.76", "", " 0A x", " 0A x"},
      {C::Number, "0.76", "", "05", "5"},
      {C::Number, "0.76", "", "12abc", "12"},
      {C::Number, "0.76", "", "abc", "0"},
      {C::Number, "0.76", "", "&H10", "16"},
      {C::Number, "0.76", "", "-1.5", "-1.5"},
      {C::Number, "0.76", "", "1e400", std::nullopt},  // overflow, not "INF"
      {C::Check, "0.76", "", "1.5", "2"},
      {C::Check, "0.76", "", "2.5", "2"},
      {C::Option, "0.76", "", "0.5", "0"},
      {C::OptionByte, "0.76", "", "3", "3"},
      {C::OptionByte, "0.76", "", "3x", std::nullopt},
      {C::OptionByte, "0.76", "", "256", std::nullopt},
      {C::Byte, "0.76", "", "254.5", "254"},
      {C::Byte, "0.76", "", "256", std::nullopt},
      {C::Byte, "0.76", "", "-1", std::nullopt},
      {C::Integer, "0.76", "", "-5.5", "-6"},
      {C::Integer, "0.76", "", "2147483648", std::nullopt},
      {C::First4, "0.76", "", "QUABX", "QUAB"},
      {C::First4, "0.76", "", "AB", "AB"},
      // Values of files without a Version line were hex; damage values up to 0.672 positive.
      {C::OldHex, "0.76", "", "0A", "0A"},
      {C::OldHex, "", "", "3E8", "1000"},
      {C::OldHex, "", "", "255", "597"},
      {C::OldByte, "", "", "FB", "5"},
      {C::OldByte, "0.670", "", "5", "-5"},
      {C::OldByte, "0.672", "", "5", "-5"},
      {C::OldByte, "0.76", "", "5", "5"},
      {C::OldByte, "0.65", "", "x", std::nullopt},
      {C::OldWord, "", "", "FF38", "200"},
      {C::OldWord, "0.5", "", "200", "-200"},
      {C::OldWord, "0.76", "", "200", "200"},
      {C::OldRange, "", "drawingdistancerange", "2", "20480"},
      {C::OldRange, "", "drawingdistancerange", "-3", "5024"},
      {C::OldRange, "", "distantfogrange", "-3", ""},
      {C::OldRange, "", "distantfogrange", "29", "102400"},
      {C::OldRange, "0.5", "drawingdistancerange", "5.5", ""},
      {C::OldRange, "0.5", "distantfogrange", "12288", ""},
      {C::OldRange, "0.76", "distantfogrange", "12288", "12288"},
      {C::OldRange, "0.678", "drawingdistancerange", "1.50", "1.5"},
      {C::OldRange, "0.76", "drawingdistancerange", "abc", std::nullopt},
      {C::OldRange, "0.76", "drawingdistancerange", "1e400", std::nullopt},
      {C::OldByte, "0.5", "", "1e400", std::nullopt},
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
}

struct TargetCase {
  const char* key;
  const char* value;
  bool ok;
};

TEST_F(SettingsKeys, StoresIntoControlsOrFails) {
  const TargetCase cases[] = {
      {"textkey", "12abc", true},   {"checkkey", "1", true},    {"checkkey", "3", false},
      {"optionkey", "2", true},     {"optionkey", "5", false},  {"scrollkey", "3", true},
      {"scrollkey", "11", false},   {"listkey", "1", true},     {"listkey", "7", false},
      {"rangekey", "10", true},     {"rangekey", "20", false},  {"checkkey", "1e300", false},
      {"elementkey", "QUABX", true},
  };
  for (const auto& c : cases) EXPECT_EQ(apply(c.key, c.value), c.ok) << c.key << "=" << c.value;
  EXPECT_EQ(form().Text1.text(), "12");
  EXPECT_EQ(form().Check1.value(), 1);
  EXPECT_TRUE(form().Option1[2].value());
  EXPECT_EQ(form().HScroll1.value(), 3);
  EXPECT_EQ(form().Combo1.text(), "10");
  EXPECT_EQ(form().Text2[4].text(), "QUAB");
  EXPECT_EQ(followUps, 1);
}

TEST_F(SettingsKeys, CreatesTheWindowHiddenOnlyForItsOwnKeys) {
  ASSERT_FALSE(ui::Forms::loaded<KeyTestForm>());
  EXPECT_TRUE(apply("textkey", "1", "gfx"));
  EXPECT_TRUE(apply("unknownkey", "1"));
  EXPECT_TRUE(apply("", "1"));
  EXPECT_FALSE(ui::Forms::loaded<KeyTestForm>());
  EXPECT_TRUE(apply("textkey", "7", "camera"));
  ASSERT_TRUE(ui::Forms::loaded<KeyTestForm>());
  EXPECT_FALSE(form().visible());
  EXPECT_EQ(form().Text1.text(), "7");
}

TEST_F(SettingsKeys, RegistrationIsIdempotentAndRejectsSharedKeys) {
  RegisterKeys(Scope::Camera, kTestRows);
  RegisterSharedKeys();
  static constexpr KeyRow clash[] = {{"checkkey", Conversion::Check, Setter{nullptr}}};
  EXPECT_THROW(RegisterKeys(Scope::Gfx, clash), std::logic_error);
  // A table is refused whole; a key a family of another scope takes is refused too.
  static constexpr KeyRow halfClash[] = {{"freshkey", Conversion::Text, Setter{nullptr}},
                                         {"fogunit99", Conversion::Text, Setter{nullptr}}};
  EXPECT_THROW(RegisterKeys(Scope::Race, halfClash), std::logic_error);
  EXPECT_EQ(ScopeOfKey("freshkey"), std::nullopt);
  EXPECT_EQ(FindKeyRow("freshkey"), nullptr);
  EXPECT_EQ(FindKeyRow("checkkey"), &kTestRows[1]);
  EXPECT_EQ(ScopeOfKey("checkkey"), Scope::Camera);
  EXPECT_EQ(ScopeOfKey("fogunit07"), Scope::Gfx2);
  EXPECT_EQ(ScopeOfKey("combo1"), std::nullopt);
}

std::vector<std::string> seen;

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
  static constexpr KeyRow main[] = {
      {"earlykey", Conversion::Text, Setter{[](const Converted& v) { seen.push_back("early=" + v.text); }}}};
  RegisterKeys(Scope::Snd, sound);
  RegisterKeys(Scope::Race, race);
  RegisterKeys(Scope::Main, main);
  static int hooks = 0;
  struct Case {
    const char* value;
    std::vector<std::string> want;
  };
  const Case cases[] = {
      {"late", {"switch=late", "later=7"}},
      {"early", {"switch=early"}},  // the main scope has passed
      {"camera", {"switch=camera"}},
  };
  for (const auto& c : cases) {
    seen.clear();
    hooks = 0;
    CfgKey = "switchkey";
    CfgValue = c.value;
    ApplyKeyInAll([] { ++hooks; });
    EXPECT_EQ(seen, c.want) << c.value;
    EXPECT_EQ(hooks, 1) << c.value;
  }
  EXPECT_EQ(form().Text1.text(), "7");
}

TEST_F(SettingsKeys, ScopeWordsRoundTrip) {
  for (int s = 0; s < kScopeCount; ++s) EXPECT_EQ(ScopeFromWord(ScopeWord(static_cast<Scope>(s))), static_cast<Scope>(s));
  EXPECT_EQ(ScopeWord(Scope::Race), "rt");
  EXPECT_EQ(ScopeWord(Scope::Inv), "inventory");
  EXPECT_EQ(ScopeFromWord("all"), std::nullopt);
}

TEST_F(SettingsKeys, FogUnitFamily) {
  int shown = 0;
  SharedHooks.fogUnitsApplied = [&] { ++shown; };
  EXPECT_TRUE(apply("fogunit05", "1,2,3"));
  EXPECT_TRUE(apply("fogunit7", "4,5,6"));
  EXPECT_TRUE(apply("fogunit28", "9,9,9"));
  EXPECT_TRUE(apply("fogunit06", "7,8,9", "gfx"));
  EXPECT_FALSE(apply("fogunit300", "1,1,1"));
  EXPECT_EQ((std::array<int, 3>{FogUnitR[5], FogUnitG[5], FogUnitB[5]}), (std::array<int, 3>{1, 2, 3}));
  EXPECT_EQ((std::array<int, 3>{FogUnitR[7], FogUnitG[7], FogUnitB[7]}), (std::array<int, 3>{4, 5, 6}));
  EXPECT_EQ(FogUnitR[6], 243);  // untouched by a read of another scope
  EXPECT_EQ(shown, 3);
}

struct ParseCase {
  const char* value;
  std::array<int, 3> want;
};

TEST_F(SettingsKeys, ParseFogUnitReadsEachFieldUntilAnError) {
  const ParseCase cases[] = {
      {"245,200,060", {245, 200, 60}}, {"0,0,0", {0, 0, 0}},          {"0001,0002,0003", {1, 2, 3}},
      {"1,300,3", {1, 9, 9}},          {"1,2", {1, 2, 9}},            {" 7 ,8x, 9", {7, 8, 9}},
      {"", {0, 9, 9}},                 {"-1,2,3", {9, 9, 9}},
  };
  for (const auto& c : cases) {
    FogUnitR[3] = FogUnitG[3] = FogUnitB[3] = 9;
    EXPECT_EQ(ParseFogUnit(c.value, 3), 1);
    EXPECT_EQ((std::array<int, 3>{FogUnitR[3], FogUnitG[3], FogUnitB[3]}), c.want) << c.value;
  }
  auto before = FogUnitR;
  EXPECT_EQ(ParseFogUnit("1,2,3", 28), 1);
  EXPECT_EQ(FogUnitR, before);
}

TEST_F(SettingsKeys, ComboFamily) {
  int shown = 0;
  SharedHooks.combosApplied = [&] { ++shown; };
  EXPECT_TRUE(apply("combo03", "7,1"));
  EXPECT_TRUE(apply("combo3", "9,1"));
  EXPECT_TRUE(apply("combo25", "9,1"));
  EXPECT_TRUE(apply("combo04", "100,1"));  // the tool writes three-digit items too
  EXPECT_EQ(PuzzleCombos[3], 7);
  EXPECT_EQ(PuzzleCombos[24], 1);
  EXPECT_EQ(PuzzleCombos[4], 100);
  EXPECT_EQ(PuzzleCombos[25], 1);
  EXPECT_EQ(PuzzleCombos[8], 28);  // built-in default
  EXPECT_EQ(shown, 3);
}

TEST_F(SettingsKeys, EnemyFlags) {
  int pictures = 0;
  SharedHooks.enemyFlagsApplied = [&] { ++pictures; };
  EXPECT_TRUE(apply("demigod1flag", "0"));
  EXPECT_EQ(EnemyFlags[13], 0);
  EXPECT_EQ(EnemyFlags[14], 5);
  EXPECT_EQ(EnemyFlags[15], 5);
  EXPECT_FALSE(apply("skeletonflag", "256"));
  // Every flag key brings the pictures up to date, whatever code it stores.
  EXPECT_TRUE(apply("smallscorpionflag", "4"));
  EXPECT_TRUE(apply("skeletonflag", "6"));
  EXPECT_EQ(EnemyFlags[0], 6);
  EXPECT_EQ(pictures, 3);
}

TEST_F(SettingsKeys, AmmoFlagLetters) {
  std::array<std::string, 3> crossbow, grenade;
  SharedHooks.crossbowLetters = [&](const auto& l) { crossbow = l; };
  SharedHooks.grenadeLetters = [&](const auto& l) { grenade = l; };
  EXPECT_TRUE(apply("xbownormflag", "7"));
  EXPECT_TRUE(apply("xbowpoisonflag", "2"));
  EXPECT_TRUE(apply("xbowexplosiveflag", "3"));
  EXPECT_EQ(crossbow, (std::array<std::string, 3>{"n", "p", "e"}));
  EXPECT_EQ(XBowNormFlag, 1);
  EXPECT_TRUE(apply("grennormflag", "5"));
  EXPECT_TRUE(apply("grensupaflag", "2.5"));
  EXPECT_TRUE(apply("grenflshflag", "7"));
  EXPECT_EQ(grenade, (std::array<std::string, 3>{"x", "n", "n"}));
  EXPECT_EQ(GrenSupaFlag, 1);
  EXPECT_EQ(GrenFlshFlag, 1);
  EXPECT_FALSE(apply("grenflshflag", "300"));
}

TEST_F(SettingsKeys, MainSharedKeys) {
  EXPECT_TRUE(apply("version", "0.75", "main"));
  EXPECT_EQ(CfgVersion, "0.75");
  EXPECT_TRUE(apply("fogbulbrange", "20.5"));
  EXPECT_EQ(FogBulbRange, 20);
  EXPECT_FALSE(apply("fogbulbrange", "1e10"));
}

TEST(NumberText, PlainDecimal) {
  EXPECT_EQ(NumberText(5), "5");
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(-3), "-3");
  EXPECT_EQ(NumberText(1.5), "1.5");
  EXPECT_EQ(NumberText(0.1), "0.1");
  EXPECT_EQ(NumberText(4294967295.0), "4294967295");
  EXPECT_EQ(NumberText(999999999999999.0), "999999999999999");
  EXPECT_EQ(NumberText(-123456789012345.0), "-123456789012345");
  EXPECT_EQ(NumberText(1e15), "1E+15");
  EXPECT_EQ(NumberText(-2.5), "-2.5");
  EXPECT_EQ(NumberText(1e20), "1E+20");
}

}  // namespace
}  // namespace olvex::shell
