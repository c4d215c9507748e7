// The host's services: modal shows, dialogs without a screen, timers, activation, text drawn
// into a canvas, and the conversions between the model's bytes and Qt's text.
#include <QTest>
#include <QTimer>

#include "qt_fixture.h"
#include "sample_form.h"
#include "ui/qt/convert.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/form_view.h"

namespace olvex::test {
namespace {

struct Popup : ui::Form {
  Popup() : Form("Popup") {}
  ui::CommandButton ok{*this, "OK"};
  int activations = 0, deactivations = 0;
 protected:
  void load() override {
    onActivate = [this] { ++activations; };
    onDeactivate = [this] { ++deactivations; };
  }
};

using QtHostServices = QtHostTest;

TEST_F(QtHostServices, ModalShowReturnsWhenTheFormHidesOrUnloads) {
  auto& popup = ui::Forms::get<Popup>();
  QTimer::singleShot(20, [&popup] { popup.hide(); });
  popup.show(true);
  EXPECT_FALSE(popup.visible());
  EXPECT_TRUE(ui::Forms::loaded<Popup>());
  EXPECT_EQ(host->view(popup)->windowModality(), Qt::NonModal);

  QTimer::singleShot(20, [&popup] { popup.unload(); });
  popup.show(true);
  EXPECT_FALSE(ui::Forms::loaded<Popup>());
  settle();
}

// The buttons of a modal window reach its handlers inside its modal loop.
TEST_F(QtHostServices, AModalFormsButtonEndsItsLoop) {
  auto& popup = ui::Forms::get<Popup>();
  popup.ok.onClick = [&popup] { popup.hide(); };
  QTimer::singleShot(20, [this, &popup] { QTest::mouseClick(host->view(popup)->widgetOf(popup.ok), Qt::LeftButton); });
  popup.show(true);
  EXPECT_FALSE(popup.visible());
}

TEST_F(QtHostServices, TimersTickWhileEnabledEvenOnHiddenForms) {
  auto& form = ui::Forms::get<SampleForm>();  // loaded, never shown
  int ticks = 0;  // counted outside the form, which its unload frees
  form.timer.onTimer = [&ticks] { ++ticks; };
  form.timer.setInterval(5);
  QTest::qWait(60);
  EXPECT_GT(ticks, 0);
  form.timer.setEnabled(false);
  int stopped = ticks;
  QTest::qWait(40);
  EXPECT_EQ(ticks, stopped);
  form.timer.setEnabled(true);
  form.unload();  // an unloaded form's timers stop at once
  QTest::qWait(40);
  EXPECT_FALSE(ui::Forms::loaded<SampleForm>());
  EXPECT_EQ(ticks, stopped);
}

TEST_F(QtHostServices, ActivatingAnotherFormDeactivatesThePreviousOne) {
  auto& sample = ui::Forms::get<SampleForm>();
  auto& popup = ui::Forms::get<Popup>();
  popup.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(host->view(popup)));
  sample.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(host->view(sample)));
  settle();
  EXPECT_EQ(popup.activations, 1);
  EXPECT_EQ(popup.deactivations, 1);
}

TEST_F(QtHostServices, ScreenlessMessagesTakeTheDefaultButton) {
  ASSERT_TRUE(ui::qt::screenless());
  const std::pair<ui::MsgButtons, ui::MsgAnswer> table[] = {
      {ui::MsgButtons::Ok, ui::MsgAnswer::Ok},       {ui::MsgButtons::YesNo, ui::MsgAnswer::Yes},
      {ui::MsgButtons::RetryCancel, ui::MsgAnswer::Retry}, {ui::MsgButtons::AbortRetryIgnore, ui::MsgAnswer::Abort},
  };
  for (auto [buttons, answer] : table) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(ui::msgBox("Disk full", buttons), answer);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "OLVEX: Disk full\n");
  }
  testing::internal::CaptureStderr();
  ui::msgBox("x", ui::MsgButtons::Ok, "Patch");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Patch: x\n");
  EXPECT_EQ(host->openFile({"Open", "All (*.*)|*.*", "", ""}), std::nullopt);
  EXPECT_EQ(host->saveFile({"Save", "All (*.*)|*.*", "", "a.drc"}), std::nullopt);
}

// Text lands where asked, in its colour; every other pixel keeps its own, a see-through one too.
TEST_F(QtHostServices, TextIsDrawnIntoACanvasAtItsPlace) {
  const ui::Color blue = ui::rgb(0, 0, 255), white = ui::rgb(255, 255, 255);
  ui::Canvas c;
  c.resize(80, 40, blue);
  c.setPixel(0, 39, ui::kSeeThrough);
  host->drawText(c, 40, 5, "WW", ui::Font{"Sans", 12, true}, white);
  int whites = 0, outside = 0;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      const ui::Color p = c.pixel(x, y);
      whites += p == white;
      outside += p != blue && (x < 40 || y < 5) && !(x == 0 && y == 39);
    }
  EXPECT_GT(whites, 10);
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(c.pixel(0, 39), ui::kSeeThrough);
}

TEST(QtFilter, PairsBecomeQtFilterEntries) {
  const std::pair<const char*, const char*> table[] = {
      {"Patch sets (*.drc)|*.drc|All files (*.*)|*.*", "Patch sets (*.drc);;All files (*.*)"},
      {"Scripts|*.txt;*.scr", "Scripts (*.txt *.scr)"},
      {"Shown (*.a)|*.b", "Shown (*.b)"},  // the pattern decides, not the description
      {"", ""},
  };
  for (auto [in, out] : table) EXPECT_EQ(ui::qt::toQtFilter(in), QString(out)) << in;
}

// A save dialog adds the chosen filter's extension to a bare name, so the open dialog with the
// same filter lists the file; a wildcard extension adds none.
TEST(QtFilter, TheChosenFiltersExtensionIsTheDefault) {
  const std::pair<const char*, const char*> table[] = {
      {"OLVEX preset (*.ovp)", "ovp"},
      {"Scripts (*.txt *.scr)", "txt"},
      {"All Files (*.*)", ""},
      {"Any (*)", ""},
      {"Some (a*.txt)", ""},
      {"", ""},
  };
  for (auto [in, out] : table) EXPECT_EQ(ui::qt::filterSuffix(in), QString(out)) << in;
}

TEST(QtConvert, TextIsLatin1Bytes) {
  std::string bytes = "A\xE9\xFF\x80";
  EXPECT_EQ(ui::qt::toQString(bytes), QString::fromUtf8("Aé\u00FF\u0080"));
  EXPECT_EQ(ui::qt::toBytes(ui::qt::toQString(bytes)), bytes);
}

TEST(QtConvert, CrLfPositionsMapToTheWidgetsBareLf) {
  const std::string text = "ab\r\ncd\r\n\r\ne";
  EXPECT_EQ(ui::qt::toViewText(text), "ab\ncd\n\ne");
  EXPECT_EQ(ui::qt::toModelText("ab\ncd\n\ne"), text);
  // model position -> view position, and back for positions outside a CR LF pair
  const std::pair<int, int> table[] = {{0, 0}, {2, 2}, {4, 3}, {6, 5}, {8, 6}, {10, 7}, {11, 8}};
  for (auto [model, view] : table) {
    EXPECT_EQ(ui::qt::toViewPos(text, model), view) << model;
    EXPECT_EQ(ui::qt::toModelPos(text, view), model) << view;
  }
}

TEST(QtConvert, ColoursAreBgrAndSystemColoursUseThePalette) {
  EXPECT_EQ(ui::qt::toQColor(ui::rgb(1, 2, 3)), QColor(1, 2, 3));
  EXPECT_EQ(ui::qt::toQColor(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(ui::qt::toQColor(ui::kButtonFace), std::nullopt);
}

}  // namespace
}  // namespace olvex::test
