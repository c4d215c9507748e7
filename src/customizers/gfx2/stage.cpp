// GFX2: the graphics 2 dialog's values and the volumetric fog colour table.
#include "customizers/gfx2/dialog.h"

#include "customizers/frame/dialog_rows.h"
#include "customizers/frame/stage_vocabulary.h"
#include "patcher/value_paths.h"
#include "shell/number_text.h"
#include "shell/shared_tables.h"

namespace olvex::customizers {

namespace {

using namespace stage;

constexpr int kFogEntryBytes = 4;
constexpr double kLongGravity = 128;

template <int I>
constexpr Hex byte1() { return C(&rows::valueOf<CustGfx2, &CustGfx2::Text1, I, rows::Byte>); }
template <int I>
constexpr Hex hex1() { return C(&rows::valueOf<CustGfx2, &CustGfx2::Text1, I, rows::Hex2>); }
template <int I>
constexpr Hex swapped2() { return C(&rows::valueOf<CustGfx2, &CustGfx2::Text2, I, rows::SwappedHex8>); }
template <ui::CheckBox CustGfx2::*Box>
constexpr auto choice = &rows::choice<CustGfx2, Box>;

// Gravities of 128 and more need the code extension: value 1.
int longGravity(const Form1&) {
  return shell::Val(ui::Forms::get<CustGfx2>().Text1[30].text()) >= kLongGravity;
}

constexpr Hex kUnifyDefault = F("SparklesUnifyDefAmount");

const Row kBeforeFog[] = {
    {always, At{"FireballSpriteSizeOffset"}, {hex1<4>()}},
    {always, At{"FireballDurationOffset"}, {hex1<5>()}},
    {always, At{"FireballDispersionOffset"}, {hex1<7>()}},
    {always, At{"BlastRadiusOffset"}, {hex1<6>()}},
    {always, At{"BlastTimeoutOffset"}, {swapped2<1>()}},
    {always, At{"BlastSizeOffset"}, {swapped2<3>()}},
    {always, At{"SparkleAmountOffset"}, {byte1<1>()}},
    {always, At{"SparkleFallOffDelayOffset"}, {byte1<0>()}},
    {always, At{"SparkleSpriteInitSizeOffset"}, {byte1<3>()}},
    {always, At{"SparkleSpriteIDOffset"}, {byte1<2>()}},
    {always, At{"AnimTextIntervalOffset"}, {byte1<8>()}},
    {always, At{"FlybyBarHeightOffset"}, {byte1<9>()}},
    {always, At{"FlybyBarHeightOffset2"}, {byte1<9>()}},
    {always, At{"FlybyBarSpeedOffset"}, {byte1<10>()}},
    {always, At{"FlybyBarSpeedOffset2"}, {byte1<10>()}},
    {always, At{"UWDustAmountOffset"}, {byte1<11>()}},
    {always, At{"UWDustMeltSpeedOffset"}, {byte1<12>()}},
    {choice<&CustGfx2::Check1>, At{"SparkleAmountOffset2"}, {kUnifyDefault, byte1<1>()}},
    {choice<&CustGfx2::Check1>, At{"SparkleAmountOffset3"}, {kUnifyDefault, byte1<1>()}},
    {choice<&CustGfx2::Check1>, At{"SparkleAmountOffset4"}, {kUnifyDefault, byte1<1>()}},
    {choice<&CustGfx2::Check1>, At{"SparkleAmountOffset5"}, {kUnifyDefault, byte1<1>()}},
    {choice<&CustGfx2::Check1>, At{"SparkleAmountOffset6"}, {kUnifyDefault, byte1<1>()}},
    {choice<&CustGfx2::Check1>, At{"SparkleAmountOffset7"}, {kUnifyDefault, byte1<1>()}},
    {choice<&CustGfx2::Check1>, At{"SparkleAmountOffset8"}, {kUnifyDefault, byte1<1>()}},
    {choice<&CustGfx2::Check1>, At{"SparkleAmountOffset9"}, {kUnifyDefault, byte1<1>()}},
    {choice<&CustGfx2::Check1>, At{"SparkleAmountOffset10"}, {kUnifyDefault, byte1<1>()}},
    {always, At{"FadeoutsSpeedOffset"}, {byte1<14>()}},
    {always, At{"FadeoutsDurationOffset"}, {byte1<13>()}},
};

const Row kAfterFog[] = {
    {always, At{"MISTColoursBaseOffset", 1, 0}, {byte1<26>()}},
    {always, At{"MISTColoursBaseOffset", 1, 4}, {byte1<25>()}},
    {always, At{"MISTColoursBaseOffset", 1, 8}, {byte1<24>()}},
    {always, At{"MISTColoursBaseOffset", 1, 12}, {byte1<18>()}},
    {always, At{"MISTColoursBaseOffset", 1, 16}, {byte1<19>()}},
    {always, At{"MISTColoursBaseOffset", 1, 20}, {byte1<20>()}},
    {always, At{"MISTDensityOffset"}, {byte1<22>()}},
    {always, At{"MISTSizeOffset"}, {byte1<21>()}},
    {always, At{"MISTAmountOffset"}, {byte1<23>()}},
    {always, At{"UWDustXFlowOffset"}, {byte1<32>()}},
    {always, At{"UWDustYFlowOffset"}, {byte1<33>()}},
    {always, At{"UWDustSizeOffset1"}, {byte1<27>()}},
    {always, At{"UWDustSizeOffset2"}, {byte1<27>()}},
    {always, At{"UWDustSpriteIDOffset"}, {byte1<28>()}},
    {choice<&CustGfx2::Check2>, At{"SprinkLoopForeverOffset"}, {L("40"), L("90")}},
    {always, At{"SprinkAmountOffset"}, {byte1<29>()}},
    {always, At{"SprinkRedOffset"}, {byte1<36>()}},
    {always, At{"SprinkGreenOffset"}, {byte1<35>()}},
    {always, At{"SprinkBlueOffset"}, {byte1<34>()}},
    {always, At{"SprinkSpreadOffset"}, {byte1<31>()}},
    // The gravity lands inside the code written just before it.
    {longGravity, At{"SprinkGravityOffset"}, {F("SprinkJmpDefData"), F("SprinkJmpModData")}},
    {longGravity, At{"SprinkGravityOffset", 1, 5}, {byte1<30>(), Hex{}}},
    {longGravity, At{"SprinkExtOffset"}, {L("909090909090909090"), F("SprinkExtData")}},
    {longGravity, At{"SprinkExtOffset", 1, 4}, {Hex{}, C(&rows::valueOf<CustGfx2, &CustGfx2::Text1, 30, rows::Word>)}},
    {always, At{"SprinkArchOffset"}, {C(&rows::valueOf<CustGfx2, &CustGfx2::Text1, 42, rows::LenientNegLong>)}},
    {always, At{"SparkleColRedOffset"}, {byte1<39>()}},
    {always, At{"SparkleColGreenOffset"}, {byte1<38>()}},
    {always, At{"SparkleColBlueOffset"}, {byte1<37>()}},
    {always, At{"SparkleCoreIntensityOffset"}, {byte1<40>()}},
    {always, At{"SparkleFallOffDelayOffset2"}, {byte1<0>()}},
    {always, At{"WaterNoiseOffset"}, {byte1<41>()}},
};

// Entry i of the table: blue, green, red of fog unit i; its fourth byte is left alone.
void writeFogTable(platform::RandomAccessFile& file) {
  for (int i = 0; i < shell::kFogUnitCount; ++i) {
    std::string hex = rows::Byte(std::to_string(shell::FogUnitB[i])) + rows::Byte(std::to_string(shell::FogUnitG[i])) +
                      rows::Byte(std::to_string(shell::FogUnitR[i]));
    patcher::Put(file, "FogTableBaseOffset", kFogEntryBytes * i, hex);
  }
}

}  // namespace

void WriteGfx2(platform::RandomAccessFile& file) {
  const Form1& main = ui::Forms::get<Form1>();
  patcher::WriteRows(file, main, kBeforeFog);
  writeFogTable(file);
  patcher::WriteRows(file, main, kAfterFog);
}

}  // namespace olvex::customizers
