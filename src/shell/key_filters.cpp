#include "shell/key_filters.h"

#include <string_view>

namespace olvex::shell {
namespace {

constexpr int kBackspace = 8;

struct KeyFilter {
  std::string_view allowed;  // characters typed as they are (after upper-casing)
  bool upperCase;            // lower-case letters are typed as upper case
};

constexpr KeyFilter kHex{"0123456789ABCDEF", true};
constexpr KeyFilter kDigit{"0123456789", false};
constexpr KeyFilter kSigned{"0123456789-", false};
constexpr KeyFilter kLetter{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", true};
constexpr KeyFilter kDecimal{"0123456789.", false};

int filter(const KeyFilter& f, int key) {
  if (key == kBackspace) return key;
  if (f.upperCase && key >= 'a' && key <= 'z') key -= 'a' - 'A';
  if (key <= 0 || key > 127) return 0;
  return f.allowed.find(static_cast<char>(key)) != std::string_view::npos ? key : 0;
}

}  // namespace

int FilterHexKey(int key) { return filter(kHex, key); }
int FilterDigitKey(int key) { return filter(kDigit, key); }
int FilterSignedKey(int key) { return filter(kSigned, key); }
int FilterLetterKey(int key) { return filter(kLetter, key); }
int FilterDecimalKey(int key) { return filter(kDecimal, key); }

}  // namespace olvex::shell
