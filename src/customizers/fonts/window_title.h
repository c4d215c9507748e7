#pragma once
// The game window's title as the fonts dialog stores it and the pass writes it.
#include <string>
#include <string_view>

namespace olvex::customizers {

inline constexpr int kTitleIndex = 29;      // CustFonts.Text1(29)
inline constexpr std::size_t kTitleChars = 33;

// The title cut to its first 33 characters.
std::string StoredTitle(std::string_view title);
// Hex of the window title: its characters (cut to 33) and a zero byte.
std::string WindowTitleHex(std::string_view title);
// Hex of the setup title: the title cut to 33 characters, leading blanks removed, padded with
// blanks to 33 characters, each character as two bytes, low byte first.
std::string SetupTitleHex(std::string_view title);

}  // namespace olvex::customizers
