#include "customizers/weapons/dialog.h"

#include <cmath>

#include "customizers/frame/column_layout.h"
#include "customizers/frame/picture.h"
#include "patcher/pass_hooks.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/number_text.h"
#include "shell/shared_keys.h"
#include "shell/shared_tables.h"
#include "ui/host.h"

namespace olvex::customizers {

bool FlashPreview::tick(double flashDuration, double rate, bool shown) {
  const double f = flashDuration * 3.6, r = rate * 3.7;
  ++counter;
  if (counter <= r) shown = false;
  if (counter <= f) shown = true;
  if (counter == r || counter == f) shown = false;
  if (counter > r) counter = 0;
  return shown;
}

std::optional<char> FlagLetter(double flag, std::string_view letters) {
  if (flag < 1 || flag > static_cast<double>(letters.size()) || flag != std::floor(flag)) return std::nullopt;
  return letters[static_cast<std::size_t>(flag) - 1];
}

double NextFlag(double flag, std::string_view letters) {
  if (!FlagLetter(flag, letters)) return flag;
  return flag == static_cast<double>(letters.size()) ? 1 : flag + 1;
}

namespace {

constexpr std::string_view kCrossbowLetters = "npe", kGrenadeLetters = "nsfux";

constexpr const char* kLegend =
    "Crossbow ammo flags:\r\n   n = Normal Ammo\r\n   p = Poison Ammo\r\n   e = Explosive Ammo\r\n\r\n"
    "Grenade ammo flags:\r\n   n = Normal Ammo\r\n   s = Super Ammo\r\n   f = Flash Ammo\r\n"
    "   u = Ultra Ammo (One-Touch Grenade)\r\n   x = Frag Ammo";

// The weapon table: four guns, each with its damage, rate, dispersion and flash boxes.
struct GunRow {
  std::string_view caption;
  int damage, rate, dispersion, flash;
  std::string_view values[4];
};
constexpr GunRow kGuns[] = {
    {"pistols:", 0, 1, 2, 3, {"1", "9", "5", "3"}},
    {"uzis:", 15, 6, 5, 4, {"1", "3", "5", "3"}},
    {"revolver:", 13, 9, 8, 7, {"21", "16", "2", "3"}},
    {"shotgun:", 14, 12, 11, 10, {"3", "32", "1554", "3"}},
};
constexpr std::string_view kColumns[] = {"damage", "rate", "dispersion", "flash dur."};

constexpr ColumnRow kGrenadesAndBolts[] = {
    {"Text5", 19, "Shotgun shot amount:", "Label5", 19, "6"},
    {"Text5", 16, "Explosive weapons damage:", "Label5", 16, "30"},
    {"Text5", 20, "Crossbow bolt fly speed:", "Label5", 20, "512"},
    {"Check9", -1, "flametail"},
    {"Text5", 18, "Crossbow normal damage:", "Label5", 18, "5"},
    {"Text5", 17, "Crossbow poison damage:", "Label5", 17, "1"},
    {"Check1", -1, "change"},
    {"Text5", 21, "Grenade timer (1/24 sec):", "Label5", 21, "120"},
    {"Text5", 32, "Grenade weight \\ launch power:", "Label5", 32, "3"},
    {"Check4", -1, "Disable grenade rotation"},
    {"Check5", -1, "Force one-touch for all ammo types"},
    {"Check8", -1, "Disable automatical weapon change "},
};

constexpr ColumnRow kTargeting[] = {
    {"Text5", 25, "Pistols targeting distance:", "Label5", 25, "8192"},
    {"Text5", 27, "Uzis targeting distance:", "Label5", 27, "8192"},
    {"Text5", 28, "Revolver targeting distance:", "Label5", 28, "8192"},
    {"Text5", 29, "Shotgun targeting distance:", "Label5", 29, "8192"},
    {"Text5", 30, "Grenade gun targeting distance:", "Label5", 30, "8192"},
    {"Text5", 31, "Crossbow targeting distance:", "Label5", 31, "8192"},
    {"Text5", 24, "Shotgun smoke puff Y position:", "Label5", 24, "11"},
};

constexpr ColumnRow kGunflash[] = {
    {"Check2", -1, "Turn on gunflash mesh for shotgun"},
    {"Text5", 22, "X position:", "Label5", 22, "308"},
    {"Text5", 23, "Y position:", "Label5", 23, "85"},
};

constexpr ColumnRow kTwinGuns[] = {
    {"Label7", 0, "unpush button to disable gun!"},
    {"Check6", -1, "left gun"},
    {"Check7", -1, "right gun"},
};

constexpr int kColumnWidth = 4800, kBoxWidth = 840, kRowStep = 330, kFlagsHeight = 1440;
constexpr int kLeft = 120, kRight = kLeft + kColumnWidth + 120;

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> p;
  // The weapon table: column headers over four rows.
  int tableHeight = 300 + 5 * kRowStep + 60;
  p.push_back({"Frame1", -1, kLeft, 120, kColumnWidth, tableHeight, "complex weapon modifiers"});
  for (int c = 0; c < 4; ++c)
    p.push_back({"Label6", 4 + c, 1140 + c * 900, 300, 840, 255, kColumns[c], "Frame1"});
  for (int g = 0; g < 4; ++g) {
    const GunRow& gun = kGuns[g];
    int y = 300 + (g + 1) * kRowStep;
    p.push_back({"Label6", g, 120, y + 30, 960, 255, gun.caption, "Frame1"});
    const int boxes[] = {gun.damage, gun.rate, gun.dispersion, gun.flash};
    for (int c = 0; c < 4; ++c)
      p.push_back({"Text5", boxes[c], 1140 + c * 900, y, c == 2 && g == 3 ? 540 : 840, 285, gun.values[c], "Frame1"});
  }
  p.push_back({"Text5", 26, 1140 + 2 * 900 + 570, 300 + 4 * kRowStep, 270, 285, "0", "Frame1"});

  int below = 120 + tableHeight + 120;
  AddColumn(p, "Frame2", "", kLeft, below, kColumnWidth, kBoxWidth, kGrenadesAndBolts);
  // The launch power shares the weight's row.
  for (Place& place : p)
    if (place.name == "Text5" && place.index == 32) place.width = kBoxWidth / 2 - 30;
  const Place* weight = nullptr;
  for (const Place& place : p)
    if (place.name == "Text5" && place.index == 32) weight = &place;
  Place power{"Text5", 33, weight->left + kBoxWidth / 2, weight->top, kBoxWidth / 2, 285, "128", "Frame2"};
  p.push_back(power);

  AddColumn(p, "Frame3", "", kRight, 120, kColumnWidth, kBoxWidth, kTargeting);
  int gunflashTop = 120 + ColumnHeight(std::size(kTargeting)) + 120;
  AddColumn(p, "Frame4", "gunflash", kRight, gunflashTop, kColumnWidth, kBoxWidth, kGunflash);
  int twinTop = gunflashTop + ColumnHeight(std::size(kGunflash)) + 120;
  AddColumn(p, "Frame5", "twin weapon overrides", kRight, twinTop, kColumnWidth, kBoxWidth, kTwinGuns);

  // Ammo flags: a row of letters under the column headers for each weapon.
  int flagsTop = twinTop + ColumnHeight(std::size(kTwinGuns)) + 120;
  p.push_back({"Frame6", -1, kRight, flagsTop, kColumnWidth, kFlagsHeight, ""});
  p.push_back({"Label7", 1, 120, 480, 2400, 255, "Crossbow ammo flags:", "Frame6"});
  p.push_back({"Label7", 2, 120, 1020, 2400, 255, "Grenade ammo flags:", "Frame6"});
  constexpr std::string_view kCrossbowHeads[] = {"n", "p", "e"}, kGrenadeHeads[] = {"n", "s", "f"};
  for (int c = 0; c < 3; ++c) {
    int x = 2640 + c * 420;
    p.push_back({"Label7", 3 + c, x, 240, 300, 255, kCrossbowHeads[c], "Frame6"});
    p.push_back({"Label7", 6 + c, x, 780, 300, 255, kGrenadeHeads[c], "Frame6"});
    p.push_back({"Label31", c, x, 1020, 300, 255, {}, "Frame6"});
  }
  p.push_back({"Label11", -1, 2640, 480, 300, 255, {}, "Frame6"});
  p.push_back({"Label21", -1, 3060, 480, 300, 255, {}, "Frame6"});
  p.push_back({"Label23", -1, 3480, 480, 300, 255, {}, "Frame6"});
  p.push_back({"Command4", -1, 4080, 660, 480, 375, "?", "Frame6"});

  // The firing preview: the gun chosen, the gun picture with its flash, start / stop.
  int previewTop = below + ColumnHeight(std::size(kGrenadesAndBolts)) + 120;
  p.push_back({"Frame7", -1, kLeft, previewTop, kColumnWidth, 1200, ""});
  constexpr std::string_view kGunNames[] = {"pistols", "uzis", "revolver", "shotgun"};
  for (int g = 0; g < 4; ++g) p.push_back({"Option1", g, 120, 240 + g * 225, 1200, 225, kGunNames[g], "Frame7"});
  p.push_back({"Image1", -1, 1560, 300, 600, 360, {}, "Frame7"});
  p.push_back({"Image2", -1, 2160, 225, 360, 360, {}, "Frame7"});
  p.push_back({"Command10", -1, 2880, 300, 420, 420, {}, "Frame7"});
  p.push_back({"Image3", -1, 3600, 360, 240, 240, {}, "Frame7"});
  p.push_back({"Image4", -1, 3900, 360, 240, 240, {}, "Frame7"});

  int buttons = std::max(previewTop + 1200, flagsTop + kFlagsHeight) + 180;
  p.push_back({"Command1", -1, kLeft, buttons, 1455, 375, "apply"});
  p.push_back({"Command2", -1, kLeft + 1575, buttons, 1455, 375, "defaults"});
  return p;
}>();

// One row per run of boxes: digits with their maximum (empty asks for a digit), the shotgun's
// dispersion four hex digits.
const FieldRow kFields[] = {
    {"Text5", 0, 10, Filter::Digit, 3, required(255)},
    {"Text5", 11, 11, Filter::Hex, 4, hexWidth(4)},
    {"Text5", 12, 18, Filter::Digit, 3, required(255)},
    {"Text5", 19, 19, Filter::Digit, 1, required(6)},
    {"Text5", 20, 20, Filter::Digit, 4, required(65535)},
    {"Text5", 21, 23, Filter::Digit, 5, required(65535)},
    {"Text5", 24, 24, Filter::Digit, 3, required(255)},
    {"Text5", 25, 25, Filter::Digit, 5, required(32767)},
    {"Text5", 26, 26, Filter::Digit, 3, required(255)},
    {"Text5", 27, 31, Filter::Digit, 5, required(32767)},
    {"Text5", 32, 32, Filter::Digit, 5, required(255)},
    {"Text5", 33, 33, Filter::Digit, 5, required(32767)},
};

const Coupling kCouplings[] = {
    {"Check1", "Text5", 17, 17},
    {"Check2", "Text5", 22, 23},
};

void tick(Dialog& d);

const Preview kPreviews[] = {{"Timer1", 10, false, &tick}};

const DialogTable& designSpec() {
  static const DialogTable s{.caption = "Weapon customizer", .scope = "weapons", .width = kRight + kColumnWidth + 240,
                            .height = DialogHeight(kLayout), .layout = kLayout, .fields = kFields,
                            .couplings = kCouplings, .previews = kPreviews};
  return s;
}

void tick(Dialog& d) { static_cast<CustWeapons&>(d).previewTick(); }

// A click on a flag's label: the flag's next value and its letter.
template <class Flag>
void cycleFlag(ui::Label& label, Flag& flag, std::string_view letters) {
  flag = static_cast<Flag>(NextFlag(flag, letters));
  if (auto l = FlagLetter(flag, letters)) label.setCaption(std::string(1, *l));
}

// The letter a flag label shows when the dialog is created: the flag's own, or else the letter
// of its ammo type's usual flag (slot + 1).
std::string initialLetter(double flag, std::string_view letters, int slot) {
  return std::string(1, FlagLetter(flag, letters).value_or(letters[static_cast<std::size_t>(slot)]));
}

}  // namespace

CustWeapons::CustWeapons() : Dialog("CustWeapons", designSpec()) {
  addRange(Text5, 0, 33);
  for (std::span<const ColumnRow> rows : {std::span<const ColumnRow>(kGrenadesAndBolts), std::span<const ColumnRow>(kTargeting),
                                          std::span<const ColumnRow>(kGunflash)})
    for (const ColumnRow& r : rows)
      if (r.label == "Label5") Label5.add(r.labelIndex);
  addRange(Label6, 0, 7);
  addRange(Label7, 0, 8);
  addRange(Label31, 0, 2);
  addRange(Option1, 0, 3);
  Option1[0].setValue(true);
  for (int i : {11, 12, 26}) Text5[i].setEnabled(false);
  Check6.setValue(1);
  Check7.setValue(1);
  // "flametail" needs the extended executable.
  Check9.setEnabled(shell::ExtendExeChecked());

  LoadPicture(Image1, "pistol.xpm");
  LoadPicture(Image2, "muzzle-flash.xpm");
  // The start and stop icons are the button's pictures: its face shows around them.
  LoadPicture(Image3, "preview-start.xpm", ui::kSeeThrough);
  LoadPicture(Image4, "preview-stop.xpm", ui::kSeeThrough);
  Image2.setVisible(false);
  Image3.setVisible(false);
  Image4.setVisible(false);
  showIcon(Image3);

  for (ui::Label* l : {&Label11, &Label21, &Label23, &Label31[0], &Label31[1], &Label31[2]}) l->setMouseIcon(ui::kHandCursor);
  Label11.setCaption(initialLetter(shell::XBowNormFlag, kCrossbowLetters, 0));
  Label21.setCaption(initialLetter(shell::XBowPoisonFlag, kCrossbowLetters, 1));
  Label23.setCaption(initialLetter(shell::XBowExplFlag, kCrossbowLetters, 2));
  const double grenade[] = {shell::GrenNormFlag, shell::GrenSupaFlag, static_cast<double>(shell::GrenFlshFlag)};
  for (int i = 0; i < 3; ++i) Label31[i].setCaption(initialLetter(grenade[i], kGrenadeLetters, i));

  Label11.onClick = [this] { cycleFlag(Label11, shell::XBowNormFlag, kCrossbowLetters); };
  Label21.onClick = [this] { cycleFlag(Label21, shell::XBowPoisonFlag, kCrossbowLetters); };
  Label23.onClick = [this] { cycleFlag(Label23, shell::XBowExplFlag, kCrossbowLetters); };
  Label31.onClick = [this](int i) {
    if (i == 0) cycleFlag(Label31[0], shell::GrenNormFlag, kGrenadeLetters);
    if (i == 1) cycleFlag(Label31[1], shell::GrenSupaFlag, kGrenadeLetters);
    if (i == 2) cycleFlag(Label31[2], shell::GrenFlshFlag, kGrenadeLetters);
  };
  Command4.onClick = [] { ui::msgBox(kLegend); };
  Command10.onClick = [this] {
    if (Timer1.enabled()) {
      stopPreview();
      return;
    }
    showIcon(Image4);
    Timer1.setEnabled(true);
  };
  build();
}

void CustWeapons::showIcon(const ui::Image& icon) { Command10.setPicture(icon.canvas()); }

void CustWeapons::stopPreview() {
  Timer1.setEnabled(false);
  Image2.setVisible(false);
  showIcon(Image3);
}

void CustWeapons::defaults() {
  stopPreview();
  Dialog::defaults();
}

void CustWeapons::previewTick() {
  // Flash duration and rate of the chosen gun, read on every tick.
  static constexpr int kBoxes[4][2] = {{3, 1}, {4, 6}, {7, 9}, {10, 12}};
  int gun = 0;
  for (int g = 0; g < 4; ++g)
    if (Option1[g].value()) gun = g;
  double flash = shell::Val(Text5[kBoxes[gun][0]].text()), rate = shell::Val(Text5[kBoxes[gun][1]].text());
  Image2.setVisible(preview_.tick(flash, rate, Image2.visible()));
}

void CustWeapons::showCrossbowLetters(const std::array<std::string, 3>& letters) {
  Label11.setCaption(letters[0]);
  Label21.setCaption(letters[1]);
  Label23.setCaption(letters[2]);
}

void CustWeapons::showGrenadeLetters(const std::array<std::string, 3>& letters) {
  for (int i = 0; i < 3; ++i) Label31[i].setCaption(letters[i]);
}

namespace {

CustWeapons& weapons() { return ui::Forms::get<CustWeapons>(); }

}  // namespace

void InstallWeaponsDialog() {
  RegisterWeaponsKeys();
  shell::SharedHooks.crossbowLetters = [](const std::array<std::string, 3>& l) { weapons().showCrossbowLetters(l); };
  shell::SharedHooks.grenadeLetters = [](const std::array<std::string, 3>& l) { weapons().showGrenadeLetters(l); };
  auto& main = shell::form1Hooks();
  // The preview runs only while the dialog is on the screen: open() returns once it is hidden.
  main.ButtonActions["Command20"] = [] {
    weapons().open();
    weapons().stopPreview();
  };
  main.StopWeaponsPreview = [] {
    if (ui::Forms::loaded<CustWeapons>()) weapons().stopPreview();
  };
  main.ExtendExeFollowers.push_back([](bool on) { weapons().Check9.setEnabled(on); });
  patcher::passHooks().StageWriters["WEAPON"] = WriteWeapons;
}

}  // namespace olvex::customizers
