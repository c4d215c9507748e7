// The LIGHT stage through silent runs and through passes with the extended executable.
#include "customizers/lights/dialog.h"
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

TEST_F(SilentPassTest, LightWritesEveryValueAwayFromTheDefaults) {
  writeConfig({
      {"DynLightPower", "-1"}, {"PistolFlashArea", "1"}, {"RevolverFlashArea", "2"}, {"ShotgunFlashArea", "3"},
      {"FlameEmitter1Area", "4"}, {"BinocsRange", "5"}, {"FlareColour", "3"}, {"DisableBlinkFlare", "1"},
      {"FlareLifeTime", "0"}, {"DisableMotoHeadlight", "1"}, {"AmberLightFadeSpeed", "1"},
      {"AmberLightEffectiveArea", "20"}, {"AmberLightColour", "3"}, {"BlinkingLightR", "1"},
      {"BlinkingLightG", "2"}, {"BlinkingLightB", "3"}, {"BlinkingLightEffectiveArea", "4"},
      {"BlinkingPos1", "256"}, {"BlinkingPos2", "2"}, {"BlinkingPos3", "65535"}, {"BlinkingShowMesh", "1"},
      {"ReplaceBlinkingWithAlarm", "1"}, {"BlinkingLightDuration", "5"}, {"BlinkingLightInterval", "40"},
  });
  std::vector<Bytes> bytes = {
      {"DLiteIntOffset", 0, "00000000"}, {"PistolFlashPowerOffset", 0, "01"}, {"RevolverFlashPowerOffset", 0, "02"},
      {"ShotgunFlashPowerOffset", 0, "03"}, {"FlameEmitter1PowerOffset", 0, "04"}, {"BinocRangeOffset", 0, "9D45"},
      {"BLOffset", 0, "9090909090"}, {"FlareLifetime2Offset", 0, "A6FF"}, {"FlareLifetime3Offset", 0, "E8FF"},
      {"FlareLifetimeInvOffset", 0, "18000000"}, {"MotorbikeHeadlightOffset", 0, "C3"},
      {"MotorbikeLightMeshOffset", 0, dataHex("MotorbikeLightModData")}, {"AmberLightFadeOffset", 0, "FFFF"},
      {"AmberLightOffset", 0, dataHex("AmberLightColourModData")}, {"AmberLightOffset", 3, "505051"},
      {"AmberLightOffset", 10, "14"}, {"BlinkLightColAreaOffset", 0, "03"}, {"BlinkLightColAreaOffset", 2, "02"},
      {"BlinkLightColAreaOffset", 7, "01"}, {"BlinkLightColAreaOffset", 12, "04"},
      {"AlarmLightPos1Offset", 0, "0001"}, {"AlarmLightPos2Offset", 0, "0200"}, {"AlarmLightPos3Offset", 0, "FFFF"},
      {"BlinkLightShowMeshOffset", 0, "01"}, {"BlinkLightDurOffset", 0, "05"}, {"BlinkLightIntervalOffset", 0, "2800"},
  };
  for (int k = 1; k <= 4; ++k) bytes.push_back({"FlareLifetimeOffset" + std::to_string(k), 0, "0000"});
  const int flareData[] = {1, 2, 3, 4, 5, 6, 7, 6, 8, 9, 9, 9};
  for (int k = 1; k <= 12; ++k)
    bytes.push_back({"FlareColourOffset" + std::to_string(k), 0, dataHex("FlareColourData" + std::to_string(flareData[k - 1]) + "Red")});
  expectRuns(bytes);
}

TEST_F(SilentPassTest, LightTablesOfTextsAndTheFlareSets) {
  struct Case {
    std::vector<std::pair<std::string, std::string>> settings;
    std::vector<Bytes> bytes;
  };
  const Case cases[] = {
      {{{"DynLightPower", "10"}, {"BinocsRange", "90"}}, {{"DLiteIntOffset", 0, "61F0323C"}, {"BinocRangeOffset", 0, "B047"}}},
      {{{"BinocsRange", "0"}, {"FlareLifeTime", "1092"}},
       {{"BinocRangeOffset", 0, "0000"}, {"FlareLifetimeOffset1", 0, "F87F"}, {"FlareLifetimeOffset2", 0, "F87F"},
        {"FlareLifetimeOffset3", 0, "F87F"}, {"FlareLifetimeOffset4", 0, "F87F"}, {"FlareLifetime2Offset", 0, "9E7F"},
        {"FlareLifetime3Offset", 0, "E07F"}, {"FlareLifetimeInvOffset", 0, "2080FFFF"}}},
      {{{"BinocsRange", "7"}}, {}},  // no list entry: nothing written
      {{{"AmberLightColour", "6"}},
       {{"AmberLightOffset", 0, dataHex("AmberLightColourModData")}, {"AmberLightOffset", 3, "515151"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings.front().first + "=" + c.settings.front().second);
    restoreExecutable();
    writeConfig(c.settings);
    expectRuns(c.bytes);
  }
}

TEST_F(SilentPassTest, LightCombinedWithTheAlarmOnTheExtendedExecutable) {
  shell::Form1& main = start();
  CustLite& lite = ui::Forms::get<CustLite>();
  main.Check9.setValue(1);
  lite.Check2.setValue(1);
  lite.Text1[5].setText("7");
  lite.Text1[4].setText("300");
  lite.Text1[12].setText("2560");
  for (int layout : {0, 1}) {
    main.Check5.setValue(layout);
    pass();
    std::string file = exeBytes();
    const char* suffix = layout ? "ModRData" : "ModData";
    auto at = [&](const char* key, std::size_t n) { return patcher::test::hexAt(file, key, 0, n); };
    std::string jump1 = dataHex(std::string("BlinkingLightJmp1") + suffix);
    EXPECT_EQ(at("BlinkLightJump1Offset", jump1.size() / 2), jump1);
    // The combined code up to the first value written into it.
    std::string combine = dataHex(std::string("BlinkingLight") + suffix).substr(0, 24);
    EXPECT_EQ(at("BlinkLightCombineOffset", 12), combine);
    EXPECT_EQ(at("BlinkLightDurModOffset", 1), "07");
    EXPECT_EQ(at("BlinkLightIntervalModOffset", 2), "2C01");
    EXPECT_EQ(at("AlarmRadiusModOffset", 2), "000A");
    EXPECT_EQ(at("BlinkLightDurOffset", 1), "03");  // the standard positions keep their bytes
  }
}

TEST_F(SilentPassTest, AFlareLifetimeThatIsNoNumberRollsThePassBack) {
  start();
  ui::Forms::get<CustLite>().Text1[13].setText("");
  pass();
  EXPECT_EQ(exeBytes(), reflayout::referenceExecutable());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Cannot modify file");
}

}  // namespace
}  // namespace olvex::customizers::test
