#include "ui/qt/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <utility>
#include <vector>

#include "ui/qt/convert.h"

namespace olvex::ui::qt {

namespace {

QString titleOf(const std::string& title) { return title.empty() ? QStringLiteral("OLVEX") : toQString(title); }

const std::vector<std::pair<QMessageBox::StandardButton, MsgAnswer>>& answerTable() {
  static const std::vector<std::pair<QMessageBox::StandardButton, MsgAnswer>> table = {
      {QMessageBox::Ok, MsgAnswer::Ok},       {QMessageBox::Cancel, MsgAnswer::Cancel},
      {QMessageBox::Abort, MsgAnswer::Abort}, {QMessageBox::Retry, MsgAnswer::Retry},
      {QMessageBox::Ignore, MsgAnswer::Ignore}, {QMessageBox::Yes, MsgAnswer::Yes},
      {QMessageBox::No, MsgAnswer::No}};
  return table;
}

QMessageBox::StandardButton toButton(MsgAnswer a) {
  for (auto& [button, answer] : answerTable())
    if (answer == a) return button;
  return QMessageBox::Ok;
}

// The buttons in the order they are shown; the first is the default.
std::vector<MsgAnswer> buttonsOf(MsgButtons b) {
  using A = MsgAnswer;
  switch (b) {
    case MsgButtons::Ok: return {A::Ok};
    case MsgButtons::OkCancel: return {A::Ok, A::Cancel};
    case MsgButtons::AbortRetryIgnore: return {A::Abort, A::Retry, A::Ignore};
    case MsgButtons::YesNoCancel: return {A::Yes, A::No, A::Cancel};
    case MsgButtons::YesNo: return {A::Yes, A::No};
    case MsgButtons::RetryCancel: return {A::Retry, A::Cancel};
  }
  return {A::Ok};
}

QMessageBox::Icon toIcon(MsgIcon i) {
  switch (i) {
    case MsgIcon::None: return QMessageBox::NoIcon;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

bool screenless() {
  QString p = QGuiApplication::platformName();
  return p == QLatin1String("offscreen") || p == QLatin1String("minimal");
}

MsgAnswer showMessage(const Message& m, QWidget* parent) {
  if (screenless()) {
    printMessage(m);
    return defaultAnswer(m.buttons);
  }
  QMessageBox box(toIcon(m.icon), titleOf(m.title), toQString(m.text), QMessageBox::NoButton, parent);
  auto buttons = buttonsOf(m.buttons);
  for (MsgAnswer a : buttons) box.addButton(toButton(a));
  box.setDefaultButton(toButton(buttons.front()));
  box.exec();
  for (auto& [button, answer] : answerTable())
    if (box.clickedButton() == box.button(button)) return answer;
  // Closed without a button (Escape or the title bar): the cancelling button, else the default.
  for (MsgAnswer a : {MsgAnswer::Cancel, MsgAnswer::No, MsgAnswer::Ignore})
    for (MsgAnswer b : buttons)
      if (a == b) return a;
  return defaultAnswer(m.buttons);
}

QString toQtFilter(const std::string& filter) {
  QStringList parts = toQString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString desc = parts[i].trimmed();
    qsizetype paren = desc.lastIndexOf(QLatin1Char('('));
    if (paren > 0 && desc.endsWith(QLatin1Char(')'))) desc = desc.left(paren).trimmed();
    QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    entries << desc + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> askFileName(const FileDialog& d, bool save, QWidget* parent) {
  if (screenless()) return std::nullopt;
  QString dir = d.initialDir.empty() ? QDir::currentPath() : fromPath(d.initialDir);
  QString start = d.fileName.empty() ? dir : QDir(dir).filePath(fromPath(d.fileName));
  QFileDialog dialog(parent, toQString(d.title), start, toQtFilter(d.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // A name saved without an extension takes the chosen filter's, so that the open dialog with
  // the same filter lists the file again.
  if (save) {
    dialog.setDefaultSuffix(filterSuffix(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& f) { dialog.setDefaultSuffix(filterSuffix(f)); });
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return toPath(QDir::toNativeSeparators(dialog.selectedFiles().front()));
}

QString filterSuffix(const QString& nameFilter) {
  static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^*?\\s)]+)[\\s)]"));
  QRegularExpressionMatch m = pattern.match(nameFilter);
  return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace olvex::ui::qt
