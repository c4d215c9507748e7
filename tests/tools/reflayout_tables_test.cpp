// The reference layout's tables hold the documented keys and values, their regions fit the file
// areas without overlapping, and the version section text lists every key once.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <iterator>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "reflayout/layout.h"

namespace rl = olvex::reflayout;

namespace {

const rl::OffsetKey& key(std::string_view name) {
  const rl::OffsetKey* k = rl::findOffsetKey(name);
  if (!k) throw std::runtime_error("no offset key " + std::string(name));
  return *k;
}

std::int64_t first(const rl::OffsetKey& k) { return k.position - k.lead; }
std::int64_t end(const rl::OffsetKey& k) { return k.position + k.width; }  // one past the last

}  // namespace

TEST(ReflayoutTables, DocumentedKeysAndExtensionData) {
  std::set<int> slots;
  for (const auto& k : rl::offsetKeys()) slots.insert(k.slot);
  EXPECT_EQ(rl::offsetKeys().size(), 744u);
  EXPECT_EQ(slots.size(), 744u);
  EXPECT_EQ(*slots.begin(), 0);
  EXPECT_EQ(*slots.rbegin(), 744);
  EXPECT_FALSE(slots.count(1));  // the signature position's slot
  EXPECT_EQ(rl::findOffsetKey("VersionCheckOffset"), nullptr);
  std::map<rl::KeyFamily, int> families;
  for (const auto& k : rl::dataKeys()) {
    ++families[k.family];
    EXPECT_FALSE(k.hex.empty()) << k.name;
  }
  EXPECT_EQ(families, (std::map<rl::KeyFamily, int>{
                          {rl::KeyFamily::Table, 329}, {rl::KeyFamily::Script, 15}, {rl::KeyFamily::Flare, 27}}));

  // The extension's PE header data: section count, size of image (standard / extended, standard /
  // remapped memory), no fifth header, and the fifth header: name ".yiff", virtual size 0x180000,
  // virtual address 0x413000 / 0x813000, raw size 0x80000 at 0xC1000, no relocations or line
  // numbers, characteristics 0xE00000E0.
  const std::map<std::string_view, std::string> data = {
      {"SectionCountDefData", "04"},      {"SectionCountModData", "05"},
      {"ImageSizeNoRelNoIncData", "41"},  {"ImageSizeNoRelYoIncData", "59"},
      {"ImageSizeYoRelNoIncData", "81"},  {"ImageSizeYoRelYoIncData", "99"},
      {"StandardSizeBothRData", std::string(80, '0')},
      {"ExtendedSizeNoRelData", "2E79696666000000" "00001800" "00304100" "00000800" "00100C00"
                                "000000000000000000000000" "E00000E0"},
      {"ExtendedSizeYoRelData", "2E79696666000000" "00001800" "00308100" "00000800" "00100C00"
                                "000000000000000000000000" "E00000E0"},
  };
  for (const auto& [name, hex] : data) {
    ASSERT_NE(rl::findDataKey(name), nullptr) << name;
    EXPECT_EQ(rl::findDataKey(name)->hex, hex) << name;
  }
  std::map<std::string_view, std::int64_t> numbers;
  for (const auto& n : rl::numericKeys()) numbers[n.name] = n.value;
  EXPECT_EQ(numbers["ExtendedSizeNum"], 524287);
  EXPECT_EQ(numbers["RaceExtRVANoRel"], 8728576);
  EXPECT_EQ(numbers["RaceExtRVAYoRel"], 12922880);
  EXPECT_TRUE(numbers.count("CharArrayBaseOffset"));
}

// Top-level regions never overlap one another, nor the signature; a key inside another lies
// wholly within it and apart from its siblings. Each placement keeps to its area of the file.
TEST(ReflayoutTables, RegionsAreDisjointAndInTheirArea) {
  std::map<std::string_view, std::vector<std::pair<std::int64_t, std::int64_t>>> inside = {
      {"", {{rl::kSignaturePosition, rl::kSignaturePosition + 16}}}};
  std::set<std::int32_t> positions;
  for (const auto& k : rl::offsetKeys()) {
    if (k.placement == rl::Placement::EndOfFile) {
      EXPECT_EQ(k.name, "EOFOffset");
      EXPECT_EQ(k.position, rl::kEndOfFileOffset);
      continue;
    }
    EXPECT_GT(k.width, 0) << k.name;
    EXPECT_GE(k.lead, 0) << k.name;
    EXPECT_TRUE(positions.insert(k.position).second) << k.name;
    inside[k.enclosing].emplace_back(first(k), end(k));
    if (!k.enclosing.empty()) {
      EXPECT_GE(first(k), first(key(k.enclosing))) << k.name;
      EXPECT_LE(end(k), end(key(k.enclosing))) << k.name;
    }
    const bool standard = k.placement == rl::Placement::Standard;
    EXPECT_GE(first(k), standard ? 1 : rl::kEndOfFileOffset) << k.name;
    EXPECT_LE(end(k), standard ? rl::kEndOfFileOffset : rl::kEndOfFileOffset + rl::kExtendedSizeNum + 1) << k.name;
  }
  for (auto& [outer, regions] : inside) {
    std::sort(regions.begin(), regions.end());
    for (std::size_t i = 1; i < regions.size(); ++i)
      EXPECT_LE(regions[i - 1].second, regions[i].first) << "inside " << outer << " at " << regions[i].first;
  }
}

// Every write of the location table fits its key's region, each alternative differs from the
// default it replaces, and every data key is written somewhere.
TEST(ReflayoutTables, LocationDataFitsAndDiffers) {
  std::set<std::string> used;
  for (const auto& entry : rl::locationData()) {
    const auto& k = key(entry.offsetKey);
    std::istringstream alternatives{std::string(entry.alternatives)};
    std::vector<std::string> sources(std::istream_iterator<std::string>(alternatives), {});
    if (entry.defaults.empty()) {
      EXPECT_EQ(k.placement, rl::Placement::Appended) << entry.offsetKey;
    } else {
      for (const auto& source : sources)
        EXPECT_NE(rl::bytesOf(source), rl::bytesOf(entry.defaults)) << entry.offsetKey << " " << source;
      sources.emplace_back(entry.defaults);
    }
    ASSERT_FALSE(sources.empty()) << entry.offsetKey;
    for (const auto& source : sources) {
      used.insert(source);
      EXPECT_GE(entry.displacement, -k.lead) << entry.offsetKey << " " << source;
      EXPECT_LE(entry.displacement + std::int64_t(rl::bytesOf(source).size()), k.width) << entry.offsetKey << " " << source;
    }
  }
  for (const auto& d : rl::dataKeys()) EXPECT_TRUE(used.count(std::string(d.name))) << d.name << " is written nowhere";
}

// The section text: its header and end line, then every key of the tables once as Key=value, in
// CR LF lines.
TEST(ReflayoutSection, EveryKeyOnceWithItsValue) {
  const std::string text = rl::versionSectionText();
  std::map<std::string, std::string> values;
  std::vector<std::string> lines;
  for (std::size_t at = 0, lf; at < text.size(); at = lf + 1) {
    lf = text.find('\n', at);
    ASSERT_TRUE(lf != std::string::npos && lf > at && text[lf - 1] == '\r') << "a line not ended by CR LF at " << at;
    lines.push_back(text.substr(at, lf - at - 1));
  }
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front(), "[version 65636B005F494E495400000057696E50;OLVEX reference layout]");
  EXPECT_EQ(lines.back(), "[end version]");
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    const auto eq = lines[i].find('=');
    ASSERT_NE(eq, std::string::npos) << lines[i];
    EXPECT_TRUE(values.emplace(lines[i].substr(0, eq), lines[i].substr(eq + 1)).second) << lines[i];
  }
  for (const auto& k : rl::offsetKeys()) EXPECT_EQ(values[std::string(k.name)], std::to_string(k.position)) << k.name;
  for (const auto& k : rl::numericKeys()) EXPECT_EQ(values[std::string(k.name)], std::to_string(k.value)) << k.name;
  for (const auto& k : rl::dataKeys()) EXPECT_EQ(values[std::string(k.name)], k.hex) << k.name;
  EXPECT_EQ(values.size(), 744u + 4u + 371u);
}
