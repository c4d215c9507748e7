#include "shell/version_signature.h"

#include <stdexcept>

#include "platform/files.h"

namespace olvex::shell {

std::string buildVersionSig(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string sig;
  for (unsigned char b : bytes) {
    if (b == 0) {
      sig += "00";
      continue;
    }
    if (b >= 16) sig += kDigits[b >> 4];
    sig += kDigits[b & 15];
  }
  return sig;
}

std::optional<std::string> readVersionSig(const std::string& path, std::int64_t offset, int count) {
  if (count < 0) throw std::out_of_range("signature length below 0");
  platform::RandomAccessFile file(path, platform::RandomAccessFile::Mode::ReadOnly);
  if (offset < 1) throw platform::FileError("signature position below 1");
  if (offset - 1 + count > file.length()) return std::nullopt;
  return buildVersionSig(file.read(offset, static_cast<std::size_t>(count)));
}

}  // namespace olvex::shell
