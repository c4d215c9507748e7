// The texts of the built-in settings as the reference executable holds them.
#include "reflayout/layout.h"

namespace olvex::reflayout {

namespace {

// The built-in [credits] section, line by line, and its characters per line.
constexpr std::string_view kCreditsLines[] = {
    "%01", "Level design", "Your name here", "",
    "%02", "Programming", "Your name here", "",
    "%03", "Graphics", "Your name here", "",
    "%04", "Sound and music", "Your name here", "",
    "%05", "Testing", "Your name here", "",
    "%06", "Special thanks", "Everyone who played"};
constexpr std::size_t kCreditsLineChars = 21;
constexpr std::size_t kCreditsAreaBytes = 1562;
constexpr std::size_t kSetupTitleChars = 33;

}  // namespace

std::string windowTitleBytes() { return std::string(kWindowTitle) + '\0'; }

std::string setupTitleBytes() {
  std::string title(kWindowTitle);
  title.resize(kSetupTitleChars, ' ');
  std::string wide;
  for (char c : title) wide += {c, '\0'};
  return wide;
}

std::string creditsImageBytes() {
  std::string image(kCreditsAreaBytes / (kCreditsLineChars + 1) * (kCreditsLineChars + 1), '\0');
  std::size_t slot = 0;
  for (std::string_view line : kCreditsLines) {
    image.replace(slot, line.size(), line);
    slot += kCreditsLineChars + 1;
  }
  return image;
}

}  // namespace olvex::reflayout
