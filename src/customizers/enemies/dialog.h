#pragma once
// The enemies dialog: hit points of 27 enemy kinds, and each kind's hit flag (EnemyFlags) as a
// picture that a click advances. Hit points above 32767 blink.
#include <array>
#include <string_view>

#include "customizers/frame/dialog.h"
#include "shell/shared_tables.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

// The picture resource of a hit-flag code: B, N, R, S, C, a grey C for the fixed code 5, and a
// neutral "?" for every other code.
std::string_view FlagPicture(int code);

class CustEnemy : public Dialog {
 public:
  CustEnemy();

  // Advances the flag of an enemy kind (0 to 4, then 0 again) and shows it; the two kinds with a
  // fixed flag (14, 15) stay.
  void RecalcFlags(int index);
  // Every flag picture from EnemyFlags.
  void showFlags();
  // One blink tick: boxes above 32767 alternate dark red and grey.
  void blink();

  ui::Frame Frame1{*this, "Frame1"};
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};  // by flag entry
  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};
  ui::ControlArray<ui::Image> Image1{*this, "Image1"};  // by flag entry
  ui::Image Image2{*this, "Image2"};
  ui::CheckBox Check1{*this, "Check1"};
  ui::Timer Timer1{*this, "Timer1"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"}, Command3{*this, "Command3"},
      Command4{*this, "Command4"};

 private:
  // Entry `index`'s picture shows its EnemyFlags code (loaded only when the code it shows differs).
  void showFlag(int index);
  bool blinkState_ = false;
  std::array<int, shell::kEnemyFlagCount> shownFlags_;  // the code each picture shows; -1: none
};

// Its settings keys, scope "enemies" (keys.cpp).
void RegisterEnemiesKeys();
// ENEMY: hit points, hit flags and the small scorpion's hit point patch (stage.cpp).
void WriteEnemies(platform::RandomAccessFile& file);
// Keys, the flag pictures after every flag key, the main window's button and the ENEMY stage.
void InstallEnemiesDialog();

}  // namespace olvex::customizers
