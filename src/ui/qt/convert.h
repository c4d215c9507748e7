#pragma once
// Conversions between the window model's values and Qt's: byte text as Latin-1, &HBBGGRR
// colours, fonts, twips, and the CR LF line ends of multi-line boxes.
#include <QColor>
#include <QFont>
#include <QString>
#include <optional>
#include <string>

#include "ui/control.h"

namespace olvex::ui::qt {

QString toQString(const std::string& s);
std::string toBytes(const QString& s);

// Empty for a system colour (top bit set): the palette's default applies.
std::optional<QColor> toQColor(Color c);
QRgb toQRgb(Color c);
QFont toQFont(const Font& f);

int toPixels(int twips, int twipsPerPixel);
int toTwips(double pixels, int twipsPerPixel);

// A multi-line box holds CR LF; its widget holds a bare LF. Positions map between the two.
QString toViewText(const std::string& modelText);
std::string toModelText(const QString& viewText);
int toViewPos(const std::string& modelText, int modelPos);
int toModelPos(const std::string& modelText, int viewPos);

}  // namespace olvex::ui::qt
