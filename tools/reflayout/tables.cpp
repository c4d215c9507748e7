#include <algorithm>
#include <stdexcept>

#include "reflayout/tables.h"

namespace olvex::reflayout {

std::span<const OffsetKey> offsetKeys() { return {kOffsetKeys, kOffsetKeyCount}; }
std::span<const DataKey> dataKeys() { return {kDataKeys, kDataKeyCount}; }
std::span<const LocationData> locationData() { return {kLocationData, kLocationDataCount}; }

const OffsetKey* findOffsetKey(std::string_view name) {
  auto keys = offsetKeys();
  auto it = std::find_if(keys.begin(), keys.end(), [&](const OffsetKey& k) { return k.name == name; });
  return it == keys.end() ? nullptr : &*it;
}

const DataKey* findDataKey(std::string_view name) {
  auto keys = dataKeys();
  auto it = std::find_if(keys.begin(), keys.end(), [&](const DataKey& k) { return k.name == name; });
  return it == keys.end() ? nullptr : &*it;
}

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  throw std::invalid_argument(std::string("not a hex digit: ") + c);
}

std::string hexToBytes(std::string_view hex) {
  if (hex.size() % 2 != 0) throw std::invalid_argument("odd hex length: " + std::string(hex));
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2)
    bytes.push_back(static_cast<char>(hexDigit(hex[i]) * 16 + hexDigit(hex[i + 1])));
  return bytes;
}

// 112 records of 64 bytes: "000.wav" to "111.wav", each followed by zero bytes.
std::string trackNames() {
  std::string table;
  for (int c = 0; c <= 111; ++c) {
    std::string name = std::to_string(c) + ".wav";
    name.insert(0, 7 - name.size(), '0');
    name.resize(64, '\0');
    table += name;
  }
  return table;
}

}  // namespace

std::string bytesOf(std::string_view source) {
  if (source == kTrackNames) return trackNames();
  if (source == kWindowTitleText) return windowTitleBytes();
  if (source == kSetupTitleText) return setupTitleBytes();
  if (source == kCreditsText) return creditsImageBytes();
  if (const DataKey* key = findDataKey(source)) return hexToBytes(key->hex);
  return hexToBytes(source);
}

std::string fileBytes(const LocationData& entry, std::string_view source) {
  std::string bytes = bytesOf(source);
  if (entry.reversed) std::reverse(bytes.begin(), bytes.end());
  return bytes;
}

}  // namespace olvex::reflayout
