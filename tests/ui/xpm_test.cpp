#include <gtest/gtest.h>

#include "ui/xpm.h"

namespace olvex::ui {
namespace {

constexpr Color kBack = 0x123456;

// Two characters a pixel; "None" keeps the background; spans of one colour and single pixels.
TEST(Xpm, DrawsEveryPixelInItsColourAndKeepsTheBackgroundUnderNone) {
  constexpr std::string_view kPicture = R"(static char *p[] = {
"5 2 3 2",
"aa c #FF0000",
"ab c #0000FF",
".. c None",
"aaaaab..aa",
"....abaaab"};)";
  Canvas canvas;
  DrawXpm(kPicture, canvas, kBack);
  const Color red = rgb(255, 0, 0), blue = rgb(0, 0, 255);
  EXPECT_EQ(canvas.width(), 5);
  EXPECT_EQ(canvas.height(), 2);
  EXPECT_EQ(canvas.pixels(), (std::vector<Color>{red, red, blue, kBack, red, kBack, kBack, blue, red, blue}));
}

TEST(Xpm, HotSpotFollowsTheFourNumbersOfTheHeader) {
  const struct {
    std::string_view header;
    HotSpot hot;
  } cases[] = {
      {R"("1 1 1 1")", {0, 0}},
      {R"("1 1 1 1 ")", {0, 0}},
      {R"("8 8 1 1 0 5")", {0, 5}},
      {R"("8 8 1 1 7 2 XPMEXT")", {7, 2}},
  };
  for (const auto& c : cases) EXPECT_EQ(XpmHotSpot(c.header), c.hot) << c.header;
  EXPECT_THROW(XpmHotSpot(R"("8 8 1 1 3")"), PictureError);
}

TEST(Xpm, RefusesTextThatIsNoPicture) {
  const struct {
    const char* name;
    std::string_view text;
  } cases[] = {
      {"no strings", "nothing quoted"},
      {"unterminated", R"("1 1 1 1", "a c #000000)"},
      {"bad header", R"("1 x 1 1")"},
      {"too few rows", R"("1 2 1 1", "a c #000000", "a")"},
      {"row too short", R"("2 1 1 1", "a c #000000", "a")"},
      {"bad colour", R"("1 1 1 1", "a c red", "a")"},
      {"unknown pixel after a known one", R"("2 1 1 1", "a c #000000", "ab")"},
  };
  for (const auto& c : cases) {
    Canvas canvas;
    EXPECT_THROW(DrawXpm(c.text, canvas, kBack), PictureError) << c.name;
  }
}

}  // namespace
}  // namespace olvex::ui
