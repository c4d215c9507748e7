#pragma once
// The weapons dialog: damage, fire rate, dispersion and flash of the guns, crossbow and grenade
// values, the six ammo flags as clickable letters, the shotgun's flash mesh, targeting distances,
// and a preview that flashes the chosen gun's muzzle at its rate.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

// The preview's flash: shown from the first tick while the counter is below the flash length F
// (duration x 3.6 ticks), hidden up to the period R (rate x 3.7 ticks), restarting after R.
struct FlashPreview {
  short counter = 0;
  // One tick; returns whether the flash is shown afterwards, given whether it was shown before.
  bool tick(double flashDuration, double rate, bool shown);
};

// The letter of an ammo flag in its group ("npe" crossbow, "nsfux" grenade); none for a value
// without a letter.
std::optional<char> FlagLetter(double flag, std::string_view letters);
// The next value of a flag clicked in its group: 1 -> 2 -> ... -> last -> 1; others stay.
double NextFlag(double flag, std::string_view letters);

class CustWeapons : public Dialog {
 public:
  CustWeapons();

  // Stops the preview: timer off, flash hidden, the start icon shown.
  void stopPreview();
  // Shows the crossbow (grenade) letters given.
  void showCrossbowLetters(const std::array<std::string, 3>& letters);
  void showGrenadeLetters(const std::array<std::string, 3>& letters);
  // One tick of the preview timer.
  void previewTick();
  // "defaults" stops the preview first.
  void defaults() override;

  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"}, Frame4{*this, "Frame4"},
      Frame5{*this, "Frame5"}, Frame6{*this, "Frame6"}, Frame7{*this, "Frame7"};
  ui::ControlArray<ui::TextBox> Text5{*this, "Text5"};
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check4{*this, "Check4"},
      Check5{*this, "Check5"}, Check6{*this, "Check6"}, Check7{*this, "Check7"},
      Check8{*this, "Check8"}, Check9{*this, "Check9"};
  // Captions of the fields and of the weapon table's rows and columns.
  ui::ControlArray<ui::Label> Label5{*this, "Label5"}, Label6{*this, "Label6"};
  // The ammo flag letters, their column headers and row captions.
  ui::Label Label11{*this, "Label11"}, Label21{*this, "Label21"}, Label23{*this, "Label23"};
  ui::ControlArray<ui::Label> Label31{*this, "Label31"}, Label7{*this, "Label7"};
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // pistols, uzis, revolver, shotgun
  ui::Image Image1{*this, "Image1"};                              // the gun
  ui::Image Image2{*this, "Image2"};                              // the muzzle flash
  ui::Image Image3{*this, "Image3"}, Image4{*this, "Image4"};     // start and stop icons
  ui::Timer Timer1{*this, "Timer1"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"}, Command4{*this, "Command4"};
  ui::CommandButton Command10{*this, "Command10"};  // starts and stops the preview

 private:
  void showIcon(const ui::Image& icon);
  FlashPreview preview_;
};

// Its settings keys, scope "weapons" (keys.cpp).
void RegisterWeaponsKeys();
// WEAPON: the dialog's values and the ammo flags (stage.cpp).
void WriteWeapons(platform::RandomAccessFile& file);
// Keys, the ammo flag letters after their keys, the main window's button and options, and
// the WEAPON stage.
void InstallWeaponsDialog();

}  // namespace olvex::customizers
