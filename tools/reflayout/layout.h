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
// Sources of the texts the built-in settings write: the game window's title with its zero byte,
// the setup title (UTF-16LE, padded with blanks to 33 characters) and the credits image.
inline constexpr std::string_view kWindowTitleText = "@windowtitle";
inline constexpr std::string_view kSetupTitleText = "@setuptitle";
inline constexpr std::string_view kCreditsText = "@credits";
// The built-in WindowTitle, which the reference executable holds.
inline constexpr std::string_view kWindowTitle = "OLVEX Reference Game";

std::span<const OffsetKey> offsetKeys();
std::span<const DataKey> dataKeys();
std::span<const NumericKey> numericKeys();
std::span<const LocationData> locationData();

const OffsetKey* findOffsetKey(std::string_view name);
const DataKey* findDataKey(std::string_view name);

// The bytes of the built-in texts (the sources above).
std::string windowTitleBytes();
std::string setupTitleBytes();
std::string creditsImageBytes();

// Raw bytes of a data key, a literal hex string, the track-name table or a built-in text.
std::string bytesOf(std::string_view source);
// The bytes that `entry`'s default leaves in the file (reversed where the entry says so).
std::string fileBytes(const LocationData& entry, std::string_view source);

std::string versionSectionText();
std::string referenceExecutable();

}  // namespace olvex::reflayout
