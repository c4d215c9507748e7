#pragma once
// Conversions between the window model's values and Qt's: byte text as Latin-1, paths, &HBBGGRR
// colours, fonts, pictures, twips, and the CR LF line ends of multi-line boxes.
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QImage>
#include <QString>
#include <optional>
#include <string>

#include "ui/canvas.h"
#include "ui/control.h"

namespace olvex::ui::qt {

QString toQString(const std::string& s);
std::string toBytes(const QString& s);
// A path as the file system names it (Qt's file-name bytes: UTF-8), not code-page text.
QString fromPath(const std::string& path);
std::string toPath(const QString& path);

// Empty for a system colour (top bit set): the palette's default applies.
std::optional<QColor> toQColor(Color c);
QRgb toQRgb(Color c);
QFont toQFont(const Font& f);
// A canvas as an image whose see-through pixels are clear, and back (a mostly clear pixel is
// see-through again).
QImage toQImage(const Canvas& c);
void toCanvas(const QImage& image, Canvas& c);
// A mouse pointer made from an XPM picture, aiming with the hot spot its header gives.
QCursor toQCursor(std::string_view xpm);

int toPixels(int twips, int twipsPerPixel);
int toTwips(double pixels, int twipsPerPixel);

// A multi-line box holds CR LF; its widget holds a bare LF. Positions map between the two.
QString toViewText(const std::string& modelText);
std::string toModelText(const QString& viewText);
int toViewPos(const std::string& modelText, int modelPos);
int toModelPos(const std::string& modelText, int viewPos);

}  // namespace olvex::ui::qt
