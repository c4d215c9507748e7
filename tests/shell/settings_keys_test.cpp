// The settings key table: conversions, stores into controls and shared tables, scopes and the
// registry, and the keys of the shared tables.
#include "shell/settings_keys.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "config_fixture.h"
#include "support/compiled_locale.h"
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

constexpr KeyRow kTestRows[] = {
    {"textkey", Conversion::Number, TextBoxOf{&control<KeyTestForm, &KeyTestForm::Text1>}, [] { ++followUps; }},
    {"checkkey", Conversion::Check, CheckBoxOf{&control<KeyTestForm, &KeyTestForm::Check1>}},
    {"optionkey", Conversion::Option, OptionOf{&control<KeyTestForm, &KeyTestForm::Option1>}},
    {"scrollkey", Conversion::Scroll, ScrollBarOf{&control<KeyTestForm, &KeyTestForm::HScroll1>}},
    {"listkey", Conversion::List, ListIndexOf{&control<KeyTestForm, &KeyTestForm::Combo1>}},
    {"rangekey", Conversion::Text, ComboTextOf{&control<KeyTestForm, &KeyTestForm::Combo1>}},
    {"elementkey", Conversion::First4, TextBoxOf{&element<KeyTestForm, &KeyTestForm::Text2, 4>}},
};

class SettingsKeys : public testing::ConfigTest {
 protected:
  void SetUp() override {
    ConfigTest::SetUp();
    RegisterKeys(Scope::Camera, kTestRows);
    followUps = 0;
  }
  // Applies "key=value" with a scope word; false when it raised SettingsKeyError.
  bool apply(const std::string& line, std::string_view scope = "all") {
    CfgKey = line.substr(0, line.find('='));
    CfgValue = line.substr(line.find('=') + 1);
    try {
      ApplyKey(scope);
      return true;
    } catch (const SettingsKeyError&) {
      return false;
    }
  }
  KeyTestForm& form() { return ui::Forms::get<KeyTestForm>(); }
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

// The window toolkit sets the C library's locale from the user's: numbers are still written
// with a point where that locale writes a comma.
TEST_F(SettingsKeys, NumbersKeepTheirPointUnderADecimalCommaLocale) {
  const olvex::test::CompiledLocale german("de_DE", "UTF-8");
  if (!german.ok()) GTEST_SKIP() << "localedef or the de_DE sources are missing";
  olvex::test::CompiledLocale::Scope scope(german);
  CfgVersion = "0.76";
  EXPECT_EQ(Convert(Conversion::Number, "45.5").text, "45.5");
  EXPECT_EQ(Convert(Conversion::OldRange, "1.50", "drawingdistancerange").text, "1.5");
  EXPECT_EQ(NumberText(-1.5e-5), "-1.5E-5");
}

// Each line stores into its control or shared table, or fails; the shared tables' windows follow.
TEST_F(SettingsKeys, KeysStoreIntoControlsAndTablesOrFail) {
  int fogs = 0, combos = 0, pictures = 0;
  std::array<std::string, 3> crossbow, grenade;
  SharedHooks = {.fogUnitsApplied = [&] { ++fogs; },
                 .combosApplied = [&] { ++combos; },
                 .crossbowLetters = [&](const auto& l) { crossbow = l; },
                 .grenadeLetters = [&](const auto& l) { grenade = l; },
                 .enemyFlagsApplied = [&] { ++pictures; }};
  // A fog unit field out of range ends its line; "combo3" is too short for the family.
  for (const char* line : {"textkey=12abc", "checkkey=1.5", "optionkey=2", "scrollkey=3", "listkey=1", "rangekey=10",
                           "elementkey=QUABX", "fogunit05=1,2,3", "fogunit7=4,300,6", "fogunit28=9,9,9", "combo03=7,1",
                           "combo3=9,1", "combo04=100", "demigod1flag=0", "xbownormflag=7", "xbowexplosiveflag=3",
                           "grensupaflag=2.5", "grenflshflag=5"})
    EXPECT_TRUE(apply(line)) << line;
  for (const char* line : {"checkkey=1e300", "scrollkey=11", "scrollkey=-1", "rangekey=20", "fogunit300=1,1,1", "skeletonflag=256"})
    EXPECT_FALSE(apply(line)) << line;
  const KeyTestForm& f = form();
  EXPECT_EQ(f.Text1.text() + " " + f.Combo1.text() + " " + f.Text2[4].text(), "12 10 QUAB");
  EXPECT_EQ((std::array<int, 3>{f.Check1.value(), f.Option1[2].value(), f.HScroll1.value()}), (std::array<int, 3>{2, 1, 3}));
  EXPECT_EQ(followUps, 1);
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

// A key creates its window hidden, only in its own scope; a key is registered once, in one scope.
TEST_F(SettingsKeys, ScopesAndTheRegistry) {
  EXPECT_TRUE(apply("textkey=1", "gfx"));
  EXPECT_TRUE(apply("textkey=1", "no such scope"));
  EXPECT_TRUE(apply("=1"));
  EXPECT_FALSE(ui::Forms::loaded<KeyTestForm>());
  EXPECT_TRUE(apply("textkey=7", ScopeWord(Scope::Camera)));
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

}  // namespace
}  // namespace olvex::shell
