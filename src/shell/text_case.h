#pragma once
// Letter case and digits of the program's texts: keys, section markers, command names. Only A to
// Z change case and only 0 to 9 are digits, whatever the locale, so code-page bytes above 127 are
// kept as they are.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace olvex::shell {

constexpr char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char UpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
std::string LowerCase(std::string_view s);
// LowerChar of each character of `s` into out[0] to out[s.size() - 1].
void LowerCaseInto(std::string_view s, char* out);
std::string UpperCase(std::string_view s);
bool StartsWithNoCase(std::string_view s, std::string_view prefix);
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c);  // 0-9, A-F, a-f

namespace text_case_detail {

// Eight characters from `p` as one little-endian word.
constexpr std::uint64_t load8(const char* p) {
  static_assert(std::endian::native == std::endian::little, "the compiler's words must match the run's");
  std::uint64_t w = 0;
  if (std::is_constant_evaluated()) {
    for (int i = 0; i < 8; ++i) w |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
  } else {
    std::memcpy(&w, p, 8);
  }
  return w;
}

// LowerChar on each byte of a word at once.
constexpr std::uint64_t lowerWord(std::uint64_t w) {
  constexpr std::uint64_t ones = 0x0101010101010101u, tops = ones * 0x80;
  std::uint64_t low7 = w & ~tops;                        // every byte below 0x80, so no carries
  std::uint64_t fromA = low7 + ones * (0x80 - 'A');      // top bit set: byte >= 'A'
  std::uint64_t pastZ = low7 + ones * (0x80 - 'Z' - 1);  // top bit set: byte > 'Z'
  std::uint64_t upper = fromA & ~pastZ & ~w & tops;      // top bit set: 'A' to 'Z'
  return w | (upper >> 2);                               // 0x80 >> 2 is the case bit 0x20
}

}  // namespace text_case_detail

// The characters s[i] to s[i + 7] in lower case as one little-endian word, zero-padded past the
// end of `s`: two texts of one length are equal but for case when all their words are equal.
constexpr std::uint64_t LowerWordAt(std::string_view s, std::size_t i) {
  using namespace text_case_detail;
  std::size_t n = s.size() - i;
  if (n >= 8) return lowerWord(load8(s.data() + i));
  if (s.size() >= 8) return lowerWord(load8(s.data() + s.size() - 8) >> (64 - 8 * n));  // the last n
  std::uint64_t w = 0;
  for (std::size_t k = 0; k < n; ++k) w |= std::uint64_t{static_cast<unsigned char>(s[i + k])} << (8 * k);
  return lowerWord(w);
}

// Compares eight characters at a time.
constexpr bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); i += 8)
    if (LowerWordAt(a, i) != LowerWordAt(b, i)) return false;
  return true;
}

}  // namespace olvex::shell
