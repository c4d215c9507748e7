#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "reflayout/layout.h"

namespace rl = olvex::reflayout;

namespace {

std::vector<std::string> words(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

const rl::OffsetKey& key(std::string_view name) {
  const rl::OffsetKey* k = rl::findOffsetKey(name);
  if (!k) throw std::runtime_error("no offset key " + std::string(name));
  return *k;
}

std::int64_t first(const rl::OffsetKey& k) { return k.position - k.lead; }
std::int64_t end(const rl::OffsetKey& k) { return k.position + k.width; }  // one past the last

constexpr std::int64_t kAppendedEnd = rl::kEndOfFileOffset + rl::kExtendedSizeNum + 1;

}  // namespace

TEST(ReflayoutTables, HasEveryOffsetSlotButTheSignaturePosition) {
  std::set<int> slots;
  std::set<std::string_view> names;
  for (const auto& k : rl::offsetKeys()) {
    slots.insert(k.slot);
    names.insert(k.name);
  }
  EXPECT_EQ(rl::offsetKeys().size(), 744u);
  EXPECT_EQ(names.size(), 744u);
  EXPECT_EQ(slots.size(), 744u);
  EXPECT_EQ(*slots.begin(), 0);
  EXPECT_EQ(*slots.rbegin(), 744);
  EXPECT_FALSE(slots.count(1));
  EXPECT_EQ(rl::findOffsetKey("VersionCheckOffset"), nullptr);
}

TEST(ReflayoutTables, DataKeysByFamily) {
  std::map<rl::KeyFamily, int> count;
  std::set<std::string_view> names;
  for (const auto& k : rl::dataKeys()) {
    ++count[k.family];
    names.insert(k.name);
    EXPECT_FALSE(k.hex.empty()) << k.name;
    EXPECT_NO_THROW(rl::bytesOf(k.hex)) << k.name;
  }
  EXPECT_EQ(count[rl::KeyFamily::Table], 329);
  EXPECT_EQ(count[rl::KeyFamily::Script], 15);
  EXPECT_EQ(count[rl::KeyFamily::Flare], 27);
  EXPECT_EQ(names.size(), rl::dataKeys().size());
}

TEST(ReflayoutTables, DocumentedValues) {
  const std::map<std::string_view, std::int32_t> positions = {
      {"EOFOffset", 790529},          {"ExtSizePEHeaderOffset1", 263},
      {"ExtSizePEHeaderOffset2", 339}, {"ExtSizePEHeaderOffset3", 665},
      {"ItemProcOffset", 253457},      {"ItemFocusBaseOffset", 707293},
      {"FEExtAddressesBaseOffset", 790529}, {"RaceExtProcArrayOffset", 790529 + 0x40000},
  };
  for (const auto& [name, position] : positions) EXPECT_EQ(key(name).position, position) << name;

  const std::map<std::string_view, std::string_view> data = {
      {"SectionCountDefData", "04"},      {"SectionCountModData", "05"},
      {"ImageSizeNoRelNoIncData", "41"},  {"ImageSizeNoRelYoIncData", "59"},
      {"ImageSizeYoRelNoIncData", "81"},  {"ImageSizeYoRelYoIncData", "99"},
      {"StandardSizeBothRData", std::string_view("00000000000000000000000000000000000000000000000000000000000000000000000000000000")},
      // name ".yiff", virtual size 0x180000, virtual address 0x413000 / 0x813000, raw size
      // 0x80000 at 0xC1000, no relocations or line numbers, characteristics 0xE00000E0
      {"ExtendedSizeNoRelData", "2E79696666000000" "00001800" "00304100" "00000800" "00100C00"
                                "000000000000000000000000" "E00000E0"},
      {"ExtendedSizeYoRelData", "2E79696666000000" "00001800" "00308100" "00000800" "00100C00"
                                "000000000000000000000000" "E00000E0"},
      {"StackCorrectionDefData", "68"},   {"StackCorrectionModData", "5C"},
      {"IncStaticLimitDefData1", "903253"}, {"IncStaticLimitModData1", "70004C"},
      {"SparklesUnifyDefAmount", "03"},   {"VolFXModData", "9090909090"},
      {"IncTimerData", "FF0546777F00"},   {"DecTimerData", "FF0D46777F00"},
  };
  for (const auto& [name, hex] : data) {
    ASSERT_NE(rl::findDataKey(name), nullptr) << name;
    EXPECT_EQ(rl::findDataKey(name)->hex, hex) << name;
  }

  const std::map<std::string_view, std::size_t> lengths = {
      {"WColourOverrideDefData1", 7}, {"WColourOverrideModData4", 1}, {"SprinkJmpDefData", 6},
      {"SprinkJmpModData", 6},        {"SprinkExtData", 9},            {"IncStaticLimitDefData6", 2},
      {"IncStaticLimitModData12", 3},
  };
  for (const auto& [name, length] : lengths) EXPECT_EQ(rl::bytesOf(name).size(), length) << name;

  std::map<std::string_view, std::int64_t> numbers;
  for (const auto& n : rl::numericKeys()) numbers[n.name] = n.value;
  EXPECT_EQ(numbers["ExtendedSizeNum"], 524287);
  EXPECT_EQ(numbers["RaceExtRVANoRel"], 8728576);
  EXPECT_EQ(numbers["RaceExtRVAYoRel"], 12922880);
  EXPECT_TRUE(numbers.count("CharArrayBaseOffset"));
}

// Top-level regions never overlap one another, nor the signature; a key inside another lies
// wholly within it and apart from its siblings.
TEST(ReflayoutTables, RegionsAreDisjoint) {
  std::vector<std::pair<std::int64_t, std::int64_t>> top = {
      {rl::kSignaturePosition, rl::kSignaturePosition + 16}};
  std::map<std::string_view, std::vector<std::pair<std::int64_t, std::int64_t>>> inner;
  std::set<std::int32_t> positions;
  for (const auto& k : rl::offsetKeys()) {
    if (k.placement == rl::Placement::EndOfFile) continue;
    EXPECT_GT(k.width, 0) << k.name;
    EXPECT_GE(k.lead, 0) << k.name;
    EXPECT_TRUE(positions.insert(k.position).second) << k.name;
    if (k.enclosing.empty()) {
      top.emplace_back(first(k), end(k));
    } else {
      const auto& outer = key(k.enclosing);
      EXPECT_GE(first(k), first(outer)) << k.name;
      EXPECT_LE(end(k), end(outer)) << k.name;
      inner[k.enclosing].emplace_back(first(k), end(k));
    }
  }
  inner["(top)"] = top;
  for (auto& [outer, regions] : inner) {
    std::sort(regions.begin(), regions.end());
    for (std::size_t i = 1; i < regions.size(); ++i)
      EXPECT_LE(regions[i - 1].second, regions[i].first) << "inside " << outer << " at " << regions[i].first;
  }
}

TEST(ReflayoutTables, PlacementMatchesTheFileArea) {
  for (const auto& k : rl::offsetKeys()) {
    switch (k.placement) {
      case rl::Placement::Standard:
        EXPECT_GE(first(k), 1) << k.name;
        EXPECT_LE(end(k), rl::kEndOfFileOffset) << k.name;
        break;
      case rl::Placement::Appended:
        EXPECT_GE(first(k), rl::kEndOfFileOffset) << k.name;
        EXPECT_LE(end(k), kAppendedEnd) << k.name;
        break;
      case rl::Placement::EndOfFile:
        EXPECT_EQ(k.name, "EOFOffset");
        EXPECT_EQ(k.position, rl::kEndOfFileOffset);
        break;
    }
  }
}

// Locations written only in the extended file, by the stage writes that need extension.
TEST(ReflayoutTables, ExtendedOnlyLocationsAreAppended) {
  for (std::string_view name :
       {"ExtSGameBaseOffset", "SecLevelExtOffset", "XBowFlametailJmpOffset", "LPAWorkaroundOffset",
        "LPACounterStructOffset", "BlockHolstersProcOffset", "BlowExtOffset", "BlowExtJmpOffset",
        "EnableRicoSndExtOffset", "BlinkLightCombineOffset", "BlinkLightDurModOffset",
        "BlinkLightIntervalModOffset", "AlarmRadiusModOffset", "1BPExtendedOffset",
        "1BPDepressDistOffset", "1BPInvertDirThirdOffset", "FEExtProcedureOffset",
        "FEExtArrayBaseOffset"})
    EXPECT_EQ(key(name).placement, rl::Placement::Appended) << name;
  // Written whether or not the file is extended: must stay inside the standard file.
  for (std::string_view name : {"SprinkExtOffset", "LPAExtendedAddOffset", "GunflashExtProcOffset",
                                "XBowFlametailBaseOffset", "1BPLoadingOffset"})
    EXPECT_EQ(key(name).placement, rl::Placement::Standard) << name;
}

// Every write of the location table fits its key's region, and each alternative differs from
// the default it replaces.
TEST(ReflayoutTables, LocationDataFitsAndDiffers) {
  std::set<std::string> used;
  for (const auto& entry : rl::locationData()) {
    const auto& k = key(entry.offsetKey);
    std::vector<std::string> sources = words(entry.alternatives);
    if (!entry.defaults.empty()) sources.insert(sources.begin(), std::string(entry.defaults));
    ASSERT_FALSE(sources.empty()) << entry.offsetKey;
    for (const auto& source : sources) {
      used.insert(source);
      const auto size = static_cast<std::int64_t>(rl::bytesOf(source).size());
      EXPECT_GE(entry.displacement, -k.lead) << entry.offsetKey << " " << source;
      EXPECT_LE(entry.displacement + size, k.width) << entry.offsetKey << " " << source;
    }
    if (entry.defaults.empty()) {
      EXPECT_EQ(k.placement, rl::Placement::Appended) << entry.offsetKey;
      continue;
    }
    for (const auto& alternative : words(entry.alternatives))
      EXPECT_NE(rl::bytesOf(entry.defaults), rl::bytesOf(alternative))
          << entry.offsetKey << ": " << entry.defaults << " / " << alternative;
  }
  for (const auto& d : rl::dataKeys())
    EXPECT_TRUE(used.count(std::string(d.name))) << d.name << " is written nowhere";
}

// Nested keys of the documented layout: the targeting distances inside the weapon records and
// the size-of-image byte inside the PE header block.
TEST(ReflayoutTables, DocumentedNesting) {
  const auto& weapons = key("WeaponOffset");
  const std::map<std::string_view, int> targeting = {
      {"PistolsTargDistOffset", 3},    {"RevolverTargDistOffset", 41}, {"UzisTargDistOffset", 79},
      {"ShotgunTargDistOffset", 117},  {"GrenGunTargOffset", 155},     {"XBowTargOffset", 193},
      {"XBowNormalOffset", 195}};
  for (const auto& [name, displacement] : targeting)
    EXPECT_EQ(key(name).position, weapons.position + displacement) << name;
  const auto& header = key("PEHeaderOffset");
  EXPECT_LE(first(header), 339);
  EXPECT_GT(end(header), 339);
}
