#pragma once
// The reference layout: the offsets and byte strings of the built-in version section and a
// matching reference executable, internally consistent so that whole patch passes can be checked.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace olvex::reflayout {

// Where a location lies: inside the standard file, only in the area that extension appends, or
// the end-of-file marker itself.
enum class Placement { Standard, Appended, EndOfFile };

// One offset key of the version section. Writes at this key reach from `position - lead` to
// `position + width - 1` (1-based). A key with an enclosing key lies inside that key's region.
struct OffsetKey {
  int slot;
  std::string_view name;
  std::int32_t position;
  int lead;
  int width;
  Placement placement;
  std::string_view enclosing;
};

// Table: the version data fields; Script: the values read by the script writers; Flare: the
// flare colour sets.
enum class KeyFamily { Table, Script, Flare };

struct DataKey {
  std::string_view name;
  KeyFamily family;
  std::string_view hex;
};

struct NumericKey {
  std::string_view name;
  std::int64_t value;
};

// The bytes a location holds by default and the other data the patch pass writes there.
// `defaults` and each blank-separated entry of `alternatives` is a data key or literal hex;
// `defaults` is empty where only the appended area is written. `reversed`: the data key is kept
// in reading order and stored byte-reversed.
struct LocationData {
  std::string_view offsetKey;
  int displacement;
  std::string_view defaults;
  std::string_view alternatives;
  bool reversed;
};

inline constexpr std::string_view kSignatureHex = "65636B005F494E495400000057696E50";
inline constexpr std::int32_t kSignaturePosition = 730225;
inline constexpr std::string_view kLabel = "OLVEX reference layout";
inline constexpr std::size_t kStandardLength = 0xC1000;
inline constexpr std::int32_t kEndOfFileOffset = 790529;
inline constexpr std::int32_t kExtendedSizeNum = 524287;
inline constexpr std::uint32_t kImageBase = 0x400000;
inline constexpr std::uint32_t kSizeOfImage = 0x413000;
inline constexpr std::uint32_t kPeHeaderOffset = 0x100;
// Source name of the default audio-track file-name table (000.wav to 111.wav, 64-byte records).
inline constexpr std::string_view kTrackNames = "@tracknames";

std::span<const OffsetKey> offsetKeys();
std::span<const DataKey> dataKeys();
std::span<const NumericKey> numericKeys();
std::span<const LocationData> locationData();

const OffsetKey* findOffsetKey(std::string_view name);
const DataKey* findDataKey(std::string_view name);

// Raw bytes of a data key, a literal hex string or the track-name table.
std::string bytesOf(std::string_view source);
// The bytes that `entry`'s default leaves in the file (reversed where the entry says so).
std::string fileBytes(const LocationData& entry, std::string_view source);

std::string versionSectionText();
std::string referenceExecutable();

}  // namespace olvex::reflayout
