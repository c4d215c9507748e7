#pragma once
// The version signature of the game executable: the bytes at the configured position as hex.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace olvex::shell {

// Each byte as upper-case hex without a leading zero ("5" for 05, "1C" for 1C), a zero byte as
// "00".
std::string buildVersionSig(std::string_view bytes);

// The signature of the count bytes at the 1-based position offset of the file at path; no value
// when the file ends before them (no version can match). Throws platform::FileError when the file
// cannot be read or offset is below 1, std::out_of_range when count is negative.
std::optional<std::string> readVersionSig(const std::string& path, std::int64_t offset, int count);

}  // namespace olvex::shell
