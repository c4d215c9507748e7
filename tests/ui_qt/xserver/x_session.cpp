#include "ui_qt/xserver/x_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <future>
#include <thread>

#include "ui/qt/convert.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_host.h"

namespace olvex::test::x {

namespace {

using namespace std::chrono_literals;
constexpr auto kTimeout = 10s;

// Thrown on the scenario thread to end it after a failure was recorded.
struct ScenarioEnded {};

// One X server and one QApplication on it per test process, started by the first window test
// and ended after the last.
struct Screen {
  XDisplay display;
  QApplication* app = nullptr;
};
Screen* screen = nullptr;

Screen& theScreen() {
  if (!screen) {
    screen = new Screen;
    qputenv("DISPLAY", QByteArray::fromStdString(screen->display.name()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    static int argc = 1;
    static char name[] = "olvex_x_tests";
    static char* argv[] = {name, nullptr};
    screen->app = new QApplication(argc, argv);
  }
  return *screen;
}

class EndScreen : public ::testing::Environment {
 public:
  void TearDown() override {
    if (!screen) return;
    delete screen->app;  // before its server goes
    delete screen;
    screen = nullptr;
  }
};
[[maybe_unused]] const auto* endScreen = ::testing::AddGlobalTestEnvironment(new EndScreen);

QString withoutMarker(QString text) { return text.remove(QLatin1Char('&')); }

// The visible top-level window with that caption (the newest when several have it).
QWidget* windowTitled(const std::string& caption) {
  QWidget* found = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->windowTitle() == ui::qt::toQString(caption)) found = w;
  return found;
}

bool exposed(const QWidget* w) { return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed(); }

struct TextArea {
  std::string text;
  QRect rect;  // in the window
};

QString textOf(QWidget* w) {
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  return {};
}

// What a window draws: its own rendering and where its texts are.
struct Rendering {
  QRect onScreen;
  Pixels own;
  std::vector<TextArea> texts;
};

Rendering render(QWidget* window) {
  Rendering r;
  r.onScreen = QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
  QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  r.own.width = image.width();
  r.own.height = image.height();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) r.own.rgb.push_back(image.pixel(x, y) & 0xFFFFFF);
  for (QWidget* child : window->findChildren<QWidget*>()) {
    QString text = withoutMarker(textOf(child)).trimmed();
    if (text.isEmpty() || !child->isVisibleTo(window)) continue;
    r.texts.push_back({ui::qt::toBytes(text), QRect(child->mapTo(window, QPoint(0, 0)), child->size())});
  }
  return r;
}

bool close(int a, int b) { return std::abs(a - b) <= 24; }
bool close(std::uint32_t a, std::uint32_t b) {
  if (a == Pixels::kHidden || b == Pixels::kHidden) return true;
  return close(int(a >> 16 & 255), int(b >> 16 & 255)) && close(int(a >> 8 & 255), int(b >> 8 & 255)) &&
         close(int(a & 255), int(b & 255));
}

// The share of pixels of `screen` that match `own` (within a small colour distance); pixels other
// windows cover count as matching.
double matching(const Pixels& screen, const Pixels& own) {
  if (screen.width != own.width || screen.height != own.height || own.rgb.empty()) return 0;
  std::size_t same = 0;
  for (std::size_t i = 0; i < own.rgb.size(); ++i)
    if (close(screen.rgb[i], own.rgb[i])) ++same;
  return static_cast<double>(same) / own.rgb.size();
}

// Why the screen does not show the rendering; empty when it does.
std::string unpainted(const Pixels& screen, const Rendering& r) {
  if (r.own.uniform(0, 0, r.own.width, r.own.height)) return "the window draws nothing but one colour";
  double share = matching(screen, r.own);
  if (share < 0.97) return "only " + std::to_string(int(share * 100)) + "% of the screen matches the window";
  for (const TextArea& t : r.texts) {
    QRect a = t.rect.intersected(QRect(0, 0, screen.width, screen.height));
    if (a.isEmpty() || screen.anyHidden(a.left(), a.top(), a.width(), a.height())) continue;
    if (screen.uniform(a.left(), a.top(), a.width(), a.height())) return "\"" + t.text + "\" is not drawn";
  }
  return {};
}

void savePng(const Pixels& p, const QString& path) {
  QImage image(p.width, p.height, QImage::Format_RGB32);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) image.setPixel(x, y, 0xFF000000u | p.at(x, y));
  image.save(path);
}

// Shots are kept for a look where OLVEX_X_SHOTS names a folder.
void keep(const Pixels& p, const std::string& caption, const char* suffix) {
  QByteArray dir = qgetenv("OLVEX_X_SHOTS");
  if (dir.isEmpty()) return;
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  QString name = (test ? QString::fromLatin1(test->name()) + "-" : QString()) + ui::qt::toQString(caption);
  name.replace(QRegularExpression("[^A-Za-z0-9-]+"), "_");
  QDir().mkpath(QString::fromLocal8Bit(dir));
  savePng(p, QString::fromLocal8Bit(dir) + "/" + name + suffix + ".png");
}

}  // namespace

bool Shot::shows(const std::string& text) const {
  for (const std::string& t : texts)
    if (t.find(text) != std::string::npos) return true;
  return false;
}

XSession::XSession() = default;

XSession::~XSession() {
  host.reset();
  if (screen) screen->display.stopWindowManager();
  for (int i = 0; i < 3 && screen; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

void XSession::SetUp() {
  if (!XDisplay::available()) GTEST_SKIP() << "Xvfb is not installed";
  if (windowManager && !XDisplay::windowManagerAvailable()) GTEST_SKIP() << "openbox is not installed";
  theScreen();
  if (windowManager) screen->display.startWindowManager();
  host = std::make_unique<ui::qt::QtHost>(*screen->app);
}

XDisplay& XSession::display() { return screen->display; }

void XSession::run(const std::function<void()>& scenario) {
  QEventLoop loop;
  std::thread thread([&] {
    try {
      scenario();
    } catch (const ScenarioEnded&) {
    } catch (const std::exception& e) {
      ADD_FAILURE() << "scenario ended by " << e.what();
    }
    // Modal windows still open are closed until the scenario's loop can end.
    QMetaObject::invokeMethod(&loop, [this, &loop] {
      auto* closer = new QTimer(&loop);
      QObject::connect(closer, &QTimer::timeout, [this, &loop] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else if (auto* view = dynamic_cast<ui::qt::FormView*>(modal); view && view->live()) host->hide(view->form());
        else if (modal) modal->hide();
        loop.quit();
      });
      closer->start(20);
    }, Qt::QueuedConnection);
  });
  loop.exec();
  thread.join();
}

void XSession::abort(const std::string& why) {
  std::string shown;
  callGui([&shown] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible()) shown += " \"" + ui::qt::toBytes(w->windowTitle()) + "\"";
  });
  ADD_FAILURE() << why << "; windows shown:" << (shown.empty() ? " none" : shown);
  keep(display().grab(0, 0, 1280, 1024), "screen", "-at-failure");
  throw ScenarioEnded{};
}

void XSession::onGui(const std::function<void()>& f) {
  if (!callGui(f)) abort("the window thread did not answer");
}

bool XSession::callGui(const std::function<void()>& f) {
  auto done = std::make_shared<std::promise<std::exception_ptr>>();
  std::future<std::exception_ptr> result = done->get_future();
  QMetaObject::invokeMethod(screen->app, [f, done] {
    try {
      f();
      done->set_value(nullptr);
    } catch (...) {
      done->set_value(std::current_exception());
    }
  }, Qt::QueuedConnection);
  if (result.wait_for(kTimeout) != std::future_status::ready) return false;
  if (std::exception_ptr e = result.get()) std::rethrow_exception(e);
  return true;
}

void XSession::waitFor(const std::string& what, const std::function<bool()>& condition) {
  auto until = std::chrono::steady_clock::now() + kTimeout;
  for (;;) {
    bool holds = false;
    onGui([&] { holds = condition(); });
    if (holds) return;
    if (std::chrono::steady_clock::now() > until) abort("timed out waiting for " + what);
    std::this_thread::sleep_for(20ms);
  }
}

bool XSession::onScreen(const ui::Form& f) {
  ui::qt::FormView* view = host->view(f);
  return view && exposed(view);
}

namespace {
void clickAt(XDisplay& d, QPoint p) {
  d.moveTo(p.x(), p.y());
  std::this_thread::sleep_for(30ms);
  d.button(true);
  std::this_thread::sleep_for(30ms);
  d.button(false);
}
}  // namespace

Rect XSession::placeOf(const ui::Form& f) {
  QRect r;
  waitFor("window " + f.name() + " on the screen", [&] {
    ui::qt::FormView* view = host->view(f);
    if (!exposed(view)) return false;
    r = QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
    return true;
  });
  return {r.left(), r.top(), r.width(), r.height()};
}

Rect XSession::placeOf(const ui::Control& c) {
  QRect r;
  waitFor("control " + c.name() + " on the screen", [&] {
    ui::qt::FormView* view = host->view(c.form());
    QWidget* w = view ? view->widgetOf(c) : nullptr;
    if (!w || !exposed(view) || !w->isVisible()) return false;
    r = QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    return true;
  });
  return {r.left(), r.top(), r.width(), r.height()};
}

void XSession::click(const ui::Control& c) {
  Rect r = placeOf(c);
  clickAt(display(), QRect(r.left, r.top, r.width, r.height).center());
}

void XSession::drag(const ui::Control& c, const std::vector<std::pair<int, int>>& path) {
  Rect origin = placeOf(c);
  for (std::size_t i = 0; i < path.size(); ++i) {
    display().moveTo(origin.left + path[i].first, origin.top + path[i].second);
    std::this_thread::sleep_for(30ms);
    if (i == 0) display().button(true);
    std::this_thread::sleep_for(30ms);
  }
  display().button(false);
}

void XSession::clickLine(const ui::TextBox& box, int line) {
  QPoint at;
  waitFor("line " + std::to_string(line) + " of " + box.name() + " on the screen", [&] {
    ui::qt::FormView* view = host->view(box.form());
    auto* edit = qobject_cast<QPlainTextEdit*>(view ? view->widgetOf(box) : nullptr);
    QTextBlock block = edit ? edit->document()->findBlockByNumber(line) : QTextBlock();
    if (!block.isValid() || !exposed(view) || !edit->isVisible()) return false;
    QRect caret = edit->cursorRect(QTextCursor(block));
    at = edit->viewport()->mapToGlobal(caret.center() + QPoint(2, 0));
    return true;
  });
  clickAt(display(), at);
}

void XSession::waitKeyboardOn(const ui::Control& c) {
  std::string caption;
  waitFor("the focus on " + c.name(), [&] {
    ui::qt::FormView* view = host->view(c.form());
    caption = c.form().caption();
    return view && QApplication::focusWidget() && QApplication::focusWidget() == view->widgetOf(c);
  });
  waitOnServer("the keyboard in \"" + caption + "\"", [&] { return display().focusedIn(caption); });
}

void XSession::clickButton(const std::string& caption, const std::string& text) {
  QPoint centre;
  waitFor("button \"" + text + "\" in \"" + caption + "\"", [&] {
    QWidget* window = windowTitled(caption);
    if (!exposed(window)) return false;
    for (auto* b : window->findChildren<QAbstractButton*>()) {
      if (!b->isVisible() || withoutMarker(b->text()) != withoutMarker(ui::qt::toQString(text))) continue;
      centre = b->mapToGlobal(b->rect().center());
      return true;
    }
    return false;
  });
  clickAt(display(), centre);
}

void XSession::pressKey(const std::string& keys) {
  std::vector<std::string> chord;
  for (std::size_t from = 0;;) {
    std::size_t plus = keys.find('+', from + 1);
    chord.push_back(keys.substr(from, plus == std::string::npos ? std::string::npos : plus - from));
    if (plus == std::string::npos) break;
    from = plus + 1;
  }
  for (const std::string& k : chord) display().key(k, true);
  for (auto k = chord.rbegin(); k != chord.rend(); ++k) display().key(*k, false);
}

void XSession::typeKeys(const std::string& keys) {
  for (char c : keys) pressKey(std::string(1, c));
}

// The screen is watched through the X server alone until the window shows more than one colour:
// a call into the window thread would wake its event loop and could hide a starved one. Then the
// pixels are compared with the window's own rendering.
Shot XSession::expectPainted(const std::string& caption) {
  auto until = std::chrono::steady_clock::now() + kTimeout;
  Shot shot{caption, {}, {}};
  std::string title = ui::qt::toQString(caption).toStdString(), why = "it is not shown";
  Rect area;
  std::vector<Rect> above;
  for (;;) {
    if (display().findWindow(title, area, above)) {
      shot.screen = grabArea(area, above);
      // Covered in part, it is judged against its rendering at once.
      why = "the screen shows one flat colour";
      const Pixels& p = shot.screen;
      if (!p.uniform(0, 0, p.width, p.height) || p.anyHidden(0, 0, p.width, p.height)) break;
    }
    if (std::chrono::steady_clock::now() > until) {
      if (!shot.screen.rgb.empty()) keep(shot.screen, caption, "-screen");
      abort("window \"" + caption + "\" is not painted: " + why);
    }
    std::this_thread::sleep_for(50ms);
  }
  for (;;) {
    Rendering r;
    bool shown = false;
    onGui([&] {
      QWidget* window = windowTitled(caption);
      if ((shown = exposed(window))) r = render(window);
    });
    if (shown && display().findWindow(title, area, above)) {
      shot.screen = grabArea(area, above);
      QRect onScreen(area.left, area.top, area.width, area.height);
      why = onScreen != r.onScreen                              ? "the screen has it elsewhere"
            : onScreen.intersected(QRect(0, 0, 1280, 1024)) != onScreen ? "it lies partly off the screen"
                                                                : unpainted(shot.screen, r);
      if (why.empty()) {
        for (const TextArea& t : r.texts) shot.texts.push_back(t.text);
        keep(shot.screen, caption, "");
        return shot;
      }
    }
    if (std::chrono::steady_clock::now() > until) {
      if (shown) {
        keep(shot.screen, caption, "-screen");
        keep(r.own, caption, "-own");
      }
      abort("window \"" + caption + "\" is not painted: " + why);
    }
    std::this_thread::sleep_for(50ms);
  }
}

Pixels XSession::grabArea(const Rect& area, const std::vector<Rect>& above) {
  QRect visible = QRect(area.left, area.top, area.width, area.height).intersected(QRect(0, 0, 1280, 1024));
  Pixels p = display().grab(visible.left(), visible.top(), visible.width(), visible.height());
  for (const Rect& r : above) p.hide({visible.left(), visible.top(), 0, 0}, r);
  return p;
}

// Closed for the window and gone from the screen, so the next click reaches what lies beneath.
void XSession::waitClosed(const std::string& caption) {
  waitFor("\"" + caption + "\" to close", [&] { return windowTitled(caption) == nullptr; });
  waitUnshown(caption);
}

void XSession::waitOnServer(const std::string& what, const std::function<bool()>& found) {
  auto until = std::chrono::steady_clock::now() + kTimeout;
  while (!found()) {
    if (std::chrono::steady_clock::now() > until) abort("timed out waiting for " + what);
    std::this_thread::sleep_for(20ms);
  }
}

Rect XSession::placeOf(const std::string& caption) {
  Rect area;
  std::vector<Rect> above;
  waitOnServer("\"" + caption + "\" on the screen", [&] { return display().findWindow(caption, area, above); });
  return area;
}

void XSession::clickTitleButton(const std::string& caption, std::size_t fromRight) {
  std::vector<Rect> buttons;
  waitOnServer("the title bar buttons of \"" + caption + "\"", [&] {
    buttons = display().titleButtons(caption);
    return buttons.size() > fromRight;
  });
  const Rect& b = buttons[buttons.size() - 1 - fromRight];
  clickAt(display(), QPoint(b.left + b.width / 2, b.top + b.height / 2));
}

void XSession::clickCloseBox(const std::string& caption) { clickTitleButton(caption, 0); }

// Openbox's title bar ends with minimise, maximise and close.
void XSession::clickMinimiseBox(const std::string& caption) { clickTitleButton(caption, 2); }

QPoint XSession::titleBarPoint(const std::string& caption) {
  Rect frame, area = placeOf(caption);
  waitOnServer("the title bar of \"" + caption + "\"", [&] { return display().findFrame(caption, frame) && frame.top < area.top; });
  return {area.left + area.width / 2, (frame.top + area.top) / 2};
}

void XSession::clickTitleBar(const std::string& caption) { clickAt(display(), titleBarPoint(caption)); }

void XSession::dragTitleBar(const std::string& caption, int dx, int dy) {
  Rect before = placeOf(caption);
  QPoint p = titleBarPoint(caption);
  display().moveTo(p.x(), p.y());
  display().button(true);
  for (int step = 1; step <= 4; ++step) {
    std::this_thread::sleep_for(30ms);
    display().moveTo(p.x() + dx * step / 4, p.y() + dy * step / 4);
  }
  std::this_thread::sleep_for(30ms);
  display().button(false);
  // The window system has it in its new place once the window's own idea of its place is there.
  QPoint to(before.left + dx, before.top + dy);
  waitFor("\"" + caption + "\" to move", [&] {
    QWidget* w = windowTitled(caption);
    return w && w->mapToGlobal(QPoint(0, 0)) == to;
  });
}

bool XSession::stackedAbove(const std::string& upper, const std::string& lower) {
  return display().stackedAbove(upper, lower);
}

void XSession::waitUnshown(const std::string& caption) {
  waitOnServer("\"" + caption + "\" to leave the screen", [&] { return !display().shows(caption); });
}

}  // namespace olvex::test::x
