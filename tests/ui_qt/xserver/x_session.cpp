#include "ui_qt/xserver/x_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

#include "ui/qt/convert.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_host.h"
#include "ui/round_slider.h"

namespace olvex::test::x {

namespace {

using namespace std::chrono_literals;
constexpr auto kTimeout = 10s;
const QRect kScreen(0, 0, 1280, 1024);

struct ScenarioEnded {};  // thrown on the scenario thread to end it after a failure

// One X server and one QApplication on it per test process, from the first window test on.
struct Screen {
  XDisplay display;
  QApplication* app = nullptr;
};
Screen* screen = nullptr;

struct EndScreen : ::testing::Environment {
  void TearDown() override {
    if (!screen) return;
    delete screen->app;  // before its server goes
    delete screen;
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

QRect onScreenRect(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

QString textOf(QWidget* w) {
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  return {};
}

// What a window draws: its own rendering, where it lies and where its texts are.
struct Rendering {
  QRect onScreen;
  Pixels own;
  std::vector<std::pair<std::string, QRect>> texts;  // in the window
};

Rendering render(QWidget* window) {
  Rendering r{onScreenRect(window), {}, {}};
  QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  r.own.width = image.width();
  r.own.height = image.height();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) r.own.rgb.push_back(image.pixel(x, y) & 0xFFFFFF);
  for (QWidget* child : window->findChildren<QWidget*>()) {
    QString text = withoutMarker(textOf(child)).trimmed();
    if (!text.isEmpty() && child->isVisibleTo(window))
      r.texts.push_back({ui::qt::toBytes(text), QRect(child->mapTo(window, QPoint(0, 0)), child->size())});
  }
  return r;
}

// Two colours differ by little in each channel; a covered pixel matches anything.
bool alike(std::uint32_t a, std::uint32_t b) {
  if (a == Pixels::kHidden || b == Pixels::kHidden) return true;
  for (int shift : {0, 8, 16})
    if (std::abs(int(a >> shift & 255) - int(b >> shift & 255)) > 24) return false;
  return true;
}

// Why the screen does not show the rendering; empty when it does.
std::string unpainted(const Pixels& screen, const Rendering& r) {
  if (r.own.uniform(0, 0, r.own.width, r.own.height)) return "the window draws nothing but one colour";
  if (screen.width != r.own.width || screen.height != r.own.height) return "the screen has it in another size";
  std::size_t same = 0;
  for (std::size_t i = 0; i < r.own.rgb.size(); ++i) same += alike(screen.rgb[i], r.own.rgb[i]);
  if (same < r.own.rgb.size() * 97 / 100) return "the screen differs from the window's rendering";
  for (const auto& [text, rect] : r.texts) {
    QRect a = rect.intersected(QRect(0, 0, screen.width, screen.height));
    if (!a.isEmpty() && !screen.anyHidden(a.left(), a.top(), a.width(), a.height()) &&
        screen.uniform(a.left(), a.top(), a.width(), a.height()))
      return "\"" + text + "\" is not drawn";
  }
  return {};
}

// Grabs are kept as PNG files where OLVEX_X_SHOTS names a folder.
void keep(const Pixels& p, const std::string& caption, const char* suffix) {
  QString dir = QString::fromLocal8Bit(qgetenv("OLVEX_X_SHOTS"));
  if (dir.isEmpty() || p.rgb.empty()) return;
  QString name = QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                 ui::qt::toQString(caption) + suffix;
  QImage image(p.width, p.height, QImage::Format_RGB32);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) image.setPixel(x, y, 0xFF000000u | p.at(x, y));
  QDir().mkpath(dir);
  image.save(dir + "/" + name.replace(QRegularExpression("[^A-Za-z0-9-]+"), "_") + ".png");
}

// Empty for a control that holds nothing the user sets.
std::string valueOf(const ui::Control& c) {
  using K = ui::ControlKind;
  switch (c.kind()) {
    case K::TextBox: return "\"" + static_cast<const ui::TextBox&>(c).text() + "\"";
    case K::CheckBox: return std::to_string(static_cast<const ui::CheckBox&>(c).value());
    case K::OptionButton: return static_cast<const ui::OptionButton&>(c).value() ? "on" : "off";
    case K::HScrollBar: return std::to_string(static_cast<const ui::HScrollBar&>(c).value());
    case K::RoundSlider: return std::to_string(static_cast<const ui::vbkRoundSlider&>(c).value());
    case K::ComboBox: {
      const auto& b = static_cast<const ui::ComboBox&>(c);
      return std::to_string(b.listIndex()) + " \"" + b.text() + "\"";
    }
    case K::ListBox: {
      const auto& l = static_cast<const ui::ListBox&>(c);
      std::string value = std::to_string(l.listIndex());
      if (l.checkBoxes())
        for (int i = 0; i < l.listCount(); ++i) value += l.selected(i) ? " x" : " -";
      return value;
    }
    default: return {};
  }
}

}  // namespace

std::string nameOf(const ui::Control& c) {
  return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
}

bool Shot::shows(const std::string& text) const {
  for (const std::string& t : texts)
    if (t.find(text) != std::string::npos) return true;
  return false;
}

XSession::XSession() = default;

XSession::~XSession() {
  otherProgram_.reset();
  host.reset();
  if (!screen) return;
  screen->display.stopWindowManager();
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

void XSession::SetUp() {
  if (!XDisplay::available()) GTEST_SKIP() << "Xvfb or openbox is not installed";
  if (!screen) {
    screen = new Screen;
    qputenv("DISPLAY", QByteArray::fromStdString(screen->display.name()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    static int argc = 1;
    static char name[] = "olvex_x_tests";
    static char* argv[] = {name, nullptr};
    screen->app = new QApplication(argc, argv);
  }
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
  keep(display().grab(0, 0, kScreen.width(), kScreen.height()), "screen", "-at-failure");
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

void XSession::waitOnServer(const std::string& what, const std::function<bool()>& found) {
  auto until = std::chrono::steady_clock::now() + kTimeout;
  while (!found()) {
    if (std::chrono::steady_clock::now() > until) abort("timed out waiting for " + what);
    std::this_thread::sleep_for(20ms);
  }
}

void XSession::waitFor(const std::string& what, const std::function<bool()>& condition) {
  waitOnServer(what, [&] {
    bool holds = false;
    onGui([&] { holds = condition(); });
    return holds;
  });
}

bool XSession::onScreen(const ui::Form& f) { return exposed(host->view(f)); }

Rect XSession::placeOfWidget(const std::string& what, const std::function<QWidget*()>& find) {
  QRect r;
  waitFor(what + " on the screen", [&] {
    QWidget* w = find();
    if (!w || !exposed(w->window()) || !w->isVisible()) return false;
    r = onScreenRect(w);
    return true;
  });
  return {r.left(), r.top(), r.width(), r.height()};
}

Rect XSession::placeOf(const ui::Form& f) {
  return placeOfWidget("window " + f.name(), [&]() -> QWidget* { return host->view(f); });
}

Rect XSession::placeOf(const ui::Control& c) {
  return placeOfWidget("control " + c.name(), [&]() -> QWidget* {
    ui::qt::FormView* view = host->view(c.form());
    return view ? view->widgetOf(c) : nullptr;
  });
}

Rect XSession::placeOf(const ui::ListBox& list, int row) {
  QRect r;
  waitFor("entry " + std::to_string(row) + " of " + list.name() + " on the screen", [&] {
    ui::qt::FormView* view = host->view(list.form());
    auto* w = qobject_cast<QListWidget*>(view ? view->widgetOf(list) : nullptr);
    QListWidgetItem* item = w ? w->item(row) : nullptr;
    if (!item || !exposed(view) || !w->isVisible()) return false;
    QRect at = w->visualItemRect(item);
    r = QRect(w->viewport()->mapToGlobal(at.topLeft()), at.size());
    return true;
  });
  return {r.left(), r.top(), r.width(), r.height()};
}

void XSession::clickItem(const ui::ListBox& list, int row, int button, const std::string& held, bool onCheckBox) {
  Rect r = placeOf(list, row);
  if (!held.empty()) display().key(held, true);
  // The check box is a square at the entry's left end.
  clickAt(onCheckBox ? r.left + r.height / 2 : r.left + r.width / 2, r.top + r.height / 2, button);
  if (!held.empty()) display().key(held, false);
}

std::vector<int> XSession::highlighted(const ui::ListBox& list) {
  std::string caption;
  std::uint32_t background = 0;
  int rows = 0;
  onGui([&] {
    QWidget* w = host->view(list.form())->widgetOf(list);
    caption = w->window()->windowTitle().toStdString();
    background = w->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
    rows = list.listCount();
  });
  Shot shot = expectPainted(caption);
  Rect window = placeOf(list.form()), box = placeOf(list);
  std::vector<int> shown;
  for (int row = 0; row < rows; ++row) {
    Rect r = placeOf(list, row);
    int x = r.left + r.width - 4, y = r.top + r.height / 2;
    if (y > box.top && y < box.top + box.height && shot.screen.at(x - window.left, y - window.top) != background)
      shown.push_back(row);
  }
  return shown;
}

void XSession::clickAt(int x, int y, int button) {
  display().moveTo(x, y);
  std::this_thread::sleep_for(30ms);
  display().button(true, button);
  std::this_thread::sleep_for(30ms);
  display().button(false, button);
}

void XSession::click(const ui::Control& c, int button) {
  Rect r = placeOf(c);
  clickAt(r.left + r.width / 2, r.top + r.height / 2, button);
}

void XSession::quickClick(const ui::Control& c) {
  Rect r = placeOf(c);
  display().moveTo(r.left + r.width / 2, r.top + r.height / 2);
  std::this_thread::sleep_for(30ms);
  display().button(true);
  display().button(false);
}

Rect XSession::placeOf(const std::string& caption, const std::string& text) {
  return placeOfWidget("\"" + text + "\" in \"" + caption + "\"", [&]() -> QWidget* {
    QWidget* window = windowTitled(caption);
    if (text.empty()) return window;
    for (QWidget* w : window ? window->findChildren<QWidget*>() : QList<QWidget*>())
      if (w->isVisible() && w->isEnabled() && withoutMarker(textOf(w)) == withoutMarker(ui::qt::toQString(text)))
        return w;
    return nullptr;
  });
}

void XSession::clickText(const std::string& caption, const std::string& text) {
  Rect r = placeOf(caption, text);
  clickAt(r.left + r.width / 2, r.top + r.height / 2);
}

void XSession::clickLine(const ui::TextBox& box, int line) {
  auto [x, y] = lineStart(box, line);
  clickAt(x, y);
}

std::pair<int, int> XSession::lineStart(const ui::TextBox& box, int line) {
  QPoint at;
  waitFor("line " + std::to_string(line) + " of " + box.name() + " on the screen", [&] {
    ui::qt::FormView* view = host->view(box.form());
    auto* edit = qobject_cast<QPlainTextEdit*>(view ? view->widgetOf(box) : nullptr);
    QTextBlock block = edit ? edit->document()->findBlockByNumber(line) : QTextBlock();
    if (!block.isValid() || !exposed(view) || !edit->isVisible()) return false;
    at = edit->viewport()->mapToGlobal(edit->cursorRect(QTextCursor(block)).center() + QPoint(2, 0));
    return true;
  });
  return {at.x(), at.y()};
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

void XSession::turnWheel(const ui::Control& c, int notches) {
  Rect r = placeOf(c);
  display().moveTo(r.left + r.width / 2, r.top + r.height / 2);
  for (int i = 0; i < std::abs(notches); ++i) {
    std::this_thread::sleep_for(30ms);
    display().button(true, notches > 0 ? 4 : 5);
    display().button(false, notches > 0 ? 4 : 5);
  }
}

void XSession::waitPopup(bool shown) {
  waitFor(shown ? "a pop-up" : "no pop-up", [&] { return (QApplication::activePopupWidget() != nullptr) == shown; });
}

std::set<std::string> shownWindowTitles() {
  std::set<std::string> shown;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) shown.insert(ui::qt::toBytes(w->windowTitle()));
  return shown;
}

std::set<std::string> XSession::windowsShown() {
  std::set<std::string> shown;
  onGui([&] { shown = shownWindowTitles(); });
  return shown;
}

std::map<std::string, std::string> controlValues(const ui::Form& f) {
  std::map<std::string, std::string> found;
  for (const ui::Control* c : f.controls())
    if (std::string v = valueOf(*c); !v.empty()) found[nameOf(*c)] = v;
  return found;
}

std::map<std::string, std::string> XSession::values(const ui::Form& f) {
  std::map<std::string, std::string> found;
  onGui([&] { found = controlValues(f); });
  return found;
}

void XSession::pressKey(const std::string& keys) {
  std::vector<std::string> chord;
  for (std::size_t from = 0, plus; from != std::string::npos; from = plus == std::string::npos ? plus : plus + 1) {
    plus = keys.find('+', from + 1);
    chord.push_back(keys.substr(from, plus == std::string::npos ? plus : plus - from));
  }
  for (const std::string& k : chord) display().key(k, true);
  for (auto k = chord.rbegin(); k != chord.rend(); ++k) display().key(*k, false);
}

void XSession::typeKeys(const std::string& keys) {
  static const std::map<char, std::string> kNamed = {{'-', "minus"}, {'.', "period"}, {' ', "space"}, {';', "semicolon"}};
  for (char c : keys) {
    auto named = kNamed.find(c);
    pressKey(named == kNamed.end() ? std::string(1, c) : named->second);
  }
}

void XSession::useLayout(const std::string& layout) {
  std::string command = "setxkbmap -display " + display().name() + " " + layout;
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

void XSession::selectElsewhere(const std::string& text, const std::string& selection) {
  if (!otherProgram_) otherProgram_ = std::make_unique<SelectionOwner>(display().name());
  otherProgram_->own(selection, text);
}

Shot XSession::expectPainted(const std::string& caption) {
  Shot shot;
  Rect area;
  std::vector<Rect> above;
  auto grab = [&] {
    if (!display().findWindow(caption, area, above)) return false;
    QRect visible = QRect(area.left, area.top, area.width, area.height).intersected(kScreen);
    shot.screen = display().grab(visible.left(), visible.top(), visible.width(), visible.height());
    for (const Rect& r : above) shot.screen.hide({visible.left(), visible.top(), 0, 0}, r);
    return true;
  };
  waitOnServer("\"" + caption + "\" to show more than one colour", [&] {
    const Pixels& p = shot.screen;
    return grab() && (!p.uniform(0, 0, p.width, p.height) || p.anyHidden(0, 0, p.width, p.height));
  });
  auto until = std::chrono::steady_clock::now() + kTimeout;
  for (std::string why;; std::this_thread::sleep_for(50ms)) {
    Rendering r;
    onGui([&] {
      QWidget* window = windowTitled(caption);
      if (exposed(window)) r = render(window);
    });
    if (r.own.rgb.empty() || !grab()) why = "it is not shown";
    else if (QRect(area.left, area.top, area.width, area.height) != r.onScreen) why = "the screen has it elsewhere";
    else if (!kScreen.contains(r.onScreen)) why = "it lies partly off the screen";
    else why = unpainted(shot.screen, r);
    if (why.empty()) {
      for (const auto& t : r.texts) shot.texts.push_back(t.first);
      keep(shot.screen, caption, "");
      return shot;
    }
    if (std::chrono::steady_clock::now() > until) {
      keep(shot.screen, caption, "-screen");
      keep(r.own, caption, "-own");
      abort("window \"" + caption + "\" is not painted: " + why);
    }
  }
}

// Closed for the window and gone from the screen, so the next click reaches what lies beneath.
void XSession::waitClosed(const std::string& caption) {
  waitFor("\"" + caption + "\" to close", [&] { return windowTitled(caption) == nullptr; });
  waitUnshown(caption);
}

void XSession::waitUnshown(const std::string& caption) {
  waitOnServer("\"" + caption + "\" to leave the screen", [&] { return !display().shows(caption); });
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

std::pair<int, int> XSession::titleButton(const std::string& caption, std::size_t fromRight) {
  std::vector<Rect> buttons;
  waitOnServer("the title bar buttons of \"" + caption + "\"", [&] {
    buttons = display().titleButtons(caption);
    return buttons.size() > fromRight;
  });
  const Rect& b = buttons[buttons.size() - 1 - fromRight];
  return {b.left + b.width / 2, b.top + b.height / 2};
}

void XSession::clickCloseBox(const std::string& caption) {
  auto [x, y] = titleButton(caption, 0);
  clickAt(x, y);
}

// Openbox's title bar ends with minimise, maximise and close.
void XSession::clickMinimiseBox(const std::string& caption) {
  auto [x, y] = titleButton(caption, 2);
  clickAt(x, y);
}

// The title bar's middle: above the window's centre, as high as its buttons.
void XSession::clickTitleBar(const std::string& caption) { dragTitleBar(caption, 0, 0); }

void XSession::dragTitleBar(const std::string& caption, int dx, int dy) {
  Rect before = placeOf(caption);
  const int x = before.left + before.width / 2, y = titleButton(caption, 0).second;
  display().moveTo(x, y);
  display().button(true);
  for (int step = 1; step <= 4; ++step) {
    std::this_thread::sleep_for(30ms);
    display().moveTo(x + dx * step / 4, y + dy * step / 4);
  }
  std::this_thread::sleep_for(30ms);
  display().button(false);
  // The window system has it in its new place once the window's own idea of its place is there.
  waitFor("\"" + caption + "\" to move", [&] {
    QWidget* w = windowTitled(caption);
    return w && w->mapToGlobal(QPoint(0, 0)) == QPoint(before.left + dx, before.top + dy);
  });
}

bool XSession::viewSelects(const ui::TextBox& box) {
  bool selects = false;
  onGui([&] {
    if (auto* line = qobject_cast<QLineEdit*>(host->view(box.form())->widgetOf(box))) selects = line->hasSelectedText();
  });
  return selects;
}

std::uint32_t XSession::selectionColour() {
  std::uint32_t colour = 0;
  onGui([&] { colour = QApplication::palette().color(QPalette::Highlight).rgb() & 0xFFFFFF; });
  return colour;
}

bool XSession::framed(const ui::Form& f) {
  unsigned long window = 0;
  waitFor("the window of " + f.name(), [&] {
    QWidget* view = host->view(f);
    window = view && exposed(view) ? view->winId() : 0;
    return window != 0;
  });
  Rect frame, area;
  waitOnServer("the window of " + f.name() + " in its place",
               [&] { return display().frameOf(window, windowManager, frame, area); });
  return frame.left != area.left || frame.top != area.top || frame.width != area.width || frame.height != area.height;
}

bool XSession::stackedAbove(const std::string& upper, const std::string& lower) {
  return display().stackedAbove(upper, lower);
}

}  // namespace olvex::test::x
