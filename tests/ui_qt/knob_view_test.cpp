// The knob in a real window: drawn with its face and markers, dragged with the mouse.
#include <QMouseEvent>
#include <QTest>

#include "qt_fixture.h"
#include "ui/form.h"
#include "ui/qt/form_view.h"
#include "ui/round_slider.h"

namespace olvex::test {
namespace {

class KnobWindow : public ui::Form {
 public:
  KnobWindow() : Form("KnobWindow") {
    move(0, 0, 3000, 2000);
    knob.move(300, 300, 100, 100);
    knob.setMax(9000);
    knob.onChange = [this](int& v) { last = v; };
  }
  ui::vbkRoundSlider knob{*this, "vbkRoundSlider1"};
  int last = -1;
};

// The marker is drawn dark red.
bool isMarker(QColor c) { return c.red() > 150 && c.green() < 80 && c.blue() < 80; }

class KnobViewTest : public QtHostTest {
 protected:
  KnobViewTest() : form(ui::Forms::get<KnobWindow>()) {
    form.show();
    view = host->view(form);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
    dial = view->widgetOf(form.knob);
  }
  // A mouse event at a point of the dial given in twips, and the handlers it leads to.
  void send(QEvent::Type type, double x, double y, Qt::MouseButton button, Qt::MouseButtons held) {
    QPointF local(x / 15, y / 15);
    QMouseEvent e(type, local, dial->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(dial, &e);
    settle();
  }
  QColor pixelAt(double x, double y) { return dial->grab().toImage().pixelColor(int(x / 15), int(y / 15)); }
  KnobWindow& form;
  ui::qt::FormView* view = nullptr;
  QWidget* dial = nullptr;
};

TEST_F(KnobViewTest, DrawsTheMarkerWhereTheModelPutsIt) {
  ASSERT_NE(dial, nullptr);
  EXPECT_EQ(dial->size(), QSize(98, 67));
  EXPECT_TRUE(isMarker(pixelAt(100 + 82, 720 + 82)));
  EXPECT_FALSE(isMarker(pixelAt(790, 203 + 82)));
}

TEST_F(KnobViewTest, DraggingTheMarkerChangesTheValueAndMovesIt) {
  double mx = 100 + 82, my = 720 + 82;
  send(QEvent::MouseMove, mx, my, Qt::NoButton, Qt::NoButton);  // hover: the marker captures
  send(QEvent::MouseButtonPress, mx, my, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, 780, 300, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(form.knob.value(), 4700);
  EXPECT_EQ(form.last, 4700);
  send(QEvent::MouseMove, 2400, 850, Qt::NoButton, Qt::LeftButton);  // beyond the right edge
  EXPECT_EQ(form.knob.value(), 8900);
  send(QEvent::MouseButtonRelease, 2400, 850, Qt::LeftButton, Qt::NoButton);
  EXPECT_FALSE(form.knob.captured());
  EXPECT_TRUE(isMarker(pixelAt(form.knob.markerLeft() + 82, form.knob.markerTop() + 82)));
}

}  // namespace
}  // namespace olvex::test
