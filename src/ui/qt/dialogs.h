#pragma once
// Message boxes and file dialogs. On a platform without a screen nobody can answer them: a
// message prints to standard error and takes its default button, a file dialog cancels.
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "ui/host.h"

namespace olvex::ui::qt {

// The platform has no screen (offscreen, minimal).
bool screenless();

MsgAnswer showMessage(const Message& m, QWidget* parent);
std::optional<std::string> askFileName(const FileDialog& d, bool save, QWidget* parent);

// "Desc (*.x)|*.x;*.y|All (*.*)|*.*" -> "Desc (*.x *.y);;All (*.*)": the patterns of each pair
// replace whatever the description shows in parentheses.
QString toQtFilter(const std::string& filter);

// The extension a Qt name filter's first pattern gives ("Preset (*.ovp *.x)" -> "ovp"); empty
// where that pattern has a wildcard in its extension ("All Files (*.*)").
QString filterSuffix(const QString& nameFilter);

}  // namespace olvex::ui::qt
