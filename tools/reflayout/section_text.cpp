#include "reflayout/layout.h"

namespace olvex::reflayout {

namespace {
void addLine(std::string& text, std::string_view key, std::string_view value) {
  text.append(key).append("=").append(value).append("\r\n");
}
}  // namespace

// The offset table has no slot 1: the signature position belongs to [common].
std::string versionSectionText() {
  std::string text = "[version " + std::string(kSignatureHex) + ";" + std::string(kLabel) + "]\r\n";
  for (const OffsetKey& key : offsetKeys()) addLine(text, key.name, std::to_string(key.position));
  for (const NumericKey& key : numericKeys()) addLine(text, key.name, std::to_string(key.value));
  for (const DataKey& key : dataKeys()) addLine(text, key.name, key.hex);
  text += "[end version]\r\n";
  return text;
}

}  // namespace olvex::reflayout
