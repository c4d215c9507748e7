#include "customizers/fonts/window_title.h"

#include "shell/conversions.h"

namespace olvex::customizers {

std::string StoredTitle(std::string_view title) { return std::string(title.substr(0, kTitleChars)); }

std::string WindowTitleHex(std::string_view title) { return shell::TextToHex(StoredTitle(title)) + "00"; }

std::string SetupTitleHex(std::string_view title) {
  std::string text = StoredTitle(title);
  text.erase(0, text.find_first_not_of(' '));
  text.resize(kTitleChars, ' ');
  std::string hex;
  for (std::size_t i = 0; i < text.size(); ++i) hex += shell::TextToHex(text.substr(i, 1)) + "00";
  return hex;
}

}  // namespace olvex::customizers
