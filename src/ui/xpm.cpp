#include "ui/xpm.h"

#include <charconv>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace olvex::ui {
namespace {

std::vector<std::string_view> quotedStrings(std::string_view text) {
  std::vector<std::string_view> strings;
  for (std::size_t at = text.find('"'); at != std::string_view::npos;) {
    std::size_t end = text.find('"', at + 1);
    if (end == std::string_view::npos) throw PictureError("unterminated string in picture");
    strings.push_back(text.substr(at + 1, end - at - 1));
    at = text.find('"', end + 1);
  }
  return strings;
}

int number(std::string_view& s, int least = 1) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  int n = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec != std::errc() || n < least) throw PictureError("bad picture header");
  s.remove_prefix(static_cast<std::size_t>(end - s.data()));
  return n;
}

std::string_view header(const std::vector<std::string_view>& strings) {
  if (strings.empty()) throw PictureError("no picture");
  return strings[0];
}

// "#RRGGBB" as &HBBGGRR; nothing for "None".
std::optional<Color> colour(std::string_view entry) {
  std::size_t c = entry.rfind("c ");
  if (c == std::string_view::npos) throw PictureError("colour line without 'c'");
  std::string_view value = entry.substr(c + 2);
  if (value == "None") return std::nullopt;
  unsigned rgbValue = 0;
  if (value.size() != 7 || value[0] != '#' ||
      std::from_chars(value.data() + 1, value.data() + 7, rgbValue, 16).ptr != value.data() + 7)
    throw PictureError("bad colour: " + std::string(value));
  return rgb(static_cast<int>(rgbValue >> 16), static_cast<int>(rgbValue >> 8), static_cast<int>(rgbValue));
}

bool sameCode(const char* a, const char* b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

}  // namespace

void DrawXpm(std::string_view xpm, Canvas& canvas, Color background) {
  std::vector<std::string_view> s = quotedStrings(xpm);
  std::string_view head = header(s);
  int width = number(head), height = number(head), colours = number(head), cpp = number(head);
  if (s.size() != 1 + static_cast<std::size_t>(colours) + height) throw PictureError("picture has the wrong size");
  std::unordered_map<std::string_view, std::optional<Color>> palette;
  for (int i = 1; i <= colours; ++i) palette[s[i].substr(0, cpp)] = colour(s[i].substr(cpp));
  canvas.resize(width, height, background);
  const auto step = static_cast<std::size_t>(cpp);
  for (int y = 0; y < height; ++y) {
    std::string_view row = s[1 + colours + y];
    if (row.size() != static_cast<std::size_t>(width) * step) throw PictureError("picture row of the wrong width");
    // Pictures run in spans of one colour: one look-up and one fill a span.
    for (std::size_t x = 0, end = static_cast<std::size_t>(width); x < end;) {
      const char* code = row.data() + x * step;
      std::size_t next = x + 1;
      while (next < end && sameCode(code, row.data() + next * step, step)) ++next;
      auto it = palette.find(std::string_view(code, step));
      if (it == palette.end()) throw PictureError("pixel of no colour");
      if (it->second) canvas.fillRect(static_cast<int>(x), y, static_cast<int>(next - x), 1, *it->second);
      x = next;
    }
  }
}

HotSpot XpmHotSpot(std::string_view xpm) {
  std::string_view head = header(quotedStrings(xpm));
  for (int i = 0; i < 4; ++i) number(head);
  if (head.find_first_not_of(' ') == std::string_view::npos) return {};
  int x = number(head, 0);
  return {x, number(head, 0)};
}

}  // namespace olvex::ui
