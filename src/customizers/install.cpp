#include "customizers/install.h"

#include "customizers/bars/dialog.h"
#include "customizers/camera/dialog.h"
#include "customizers/conditions/dialog.h"
#include "customizers/credits/dialog.h"
#include "customizers/enemies/dialog.h"
#include "customizers/fog/dialog.h"
#include "customizers/fonts/dialog.h"
#include "customizers/gfx/dialog.h"
#include "customizers/gfx2/dialog.h"
#include "customizers/health/dialog.h"
#include "customizers/inventory/dialog.h"
#include "customizers/lights/dialog.h"
#include "customizers/limits/dialog.h"
#include "customizers/objects/dialog.h"
#include "customizers/physics/dialog.h"
#include "customizers/puzzles/dialog.h"
#include "customizers/sound/dialog.h"
#include "customizers/weapons/dialog.h"

namespace olvex::customizers {

namespace {

constexpr void (*kInstallers[])() = {
    InstallBarsDialog,
    InstallFontsDialog,
    InstallCreditsDialog,
    InstallPhysicsDialog,
    InstallLimitsDialog,
    InstallHealthDialog,
    InstallCameraDialog,
    InstallSoundDialog,
    InstallObjectsDialog,
    InstallConditionsDialog,
    InstallFogDialog,
    InstallWeaponsDialog,
    InstallInventoryDialog,
    InstallPuzzlesDialog,
    InstallEnemiesDialog,
    InstallGfxDialog,
    InstallGfx2Dialog,
    InstallLightsDialog,
};

}  // namespace

void InstallDialogs() {
  for (auto install : kInstallers) install();
}

}  // namespace olvex::customizers
