#include "ui/qt/convert.h"

#include <QFile>
#include <QPixmap>
#include <cmath>

#include "ui/xpm.h"

namespace olvex::ui::qt {

namespace {
bool crlfAt(const std::string& s, std::size_t i) {
  return s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n';
}
}  // namespace

QString toQString(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

std::string toBytes(const QString& s) { return s.toLatin1().toStdString(); }

QString fromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string toPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::optional<QColor> toQColor(Color c) {
  if (c & 0x80000000u) return std::nullopt;
  return QColor(toQRgb(c));
}

QRgb toQRgb(Color c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QFont toQFont(const Font& f) {
  QFont q(toQString(f.name));
  if (f.size > 0) q.setPointSizeF(f.size);
  q.setBold(f.bold);
  q.setItalic(f.italic);
  q.setUnderline(f.underline);
  return q;
}

QImage toQImage(const Canvas& c) {
  QImage image(c.width(), c.height(), QImage::Format_ARGB32);
  const auto& px = c.pixels();
  for (int y = 0; y < c.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < c.width(); ++x) {
      Color p = px[static_cast<std::size_t>(y) * c.width() + x];
      line[x] = p == kSeeThrough ? qRgba(0, 0, 0, 0) : toQRgb(p);
    }
  }
  return image;
}

void toCanvas(const QImage& image, Canvas& c) {
  QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  c.resize(argb.width(), argb.height());
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      c.setPixel(x, y, qAlpha(line[x]) < 128 ? kSeeThrough : rgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
  }
}

QCursor toQCursor(std::string_view xpm) {
  Canvas picture;
  DrawXpm(xpm, picture, kSeeThrough);
  HotSpot hot = XpmHotSpot(xpm);
  return QCursor(QPixmap::fromImage(toQImage(picture)), hot.x, hot.y);
}

int toPixels(int twips, int twipsPerPixel) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

int toTwips(double pixels, int twipsPerPixel) {
  return static_cast<int>(std::lround(pixels * twipsPerPixel));
}

QString toViewText(const std::string& modelText) {
  std::string lf;
  lf.reserve(modelText.size());
  for (std::size_t i = 0; i < modelText.size(); ++i)
    if (!crlfAt(modelText, i)) lf += modelText[i];
  return toQString(lf);
}

std::string toModelText(const QString& viewText) {
  std::string lf = toBytes(viewText), crlf;
  crlf.reserve(lf.size());
  for (char ch : lf) {
    if (ch == '\n') crlf += '\r';
    crlf += ch;
  }
  return crlf;
}

int toViewPos(const std::string& modelText, int modelPos) {
  int view = 0;
  for (std::size_t i = 0; static_cast<int>(i) < modelPos && i < modelText.size(); ++i, ++view)
    if (crlfAt(modelText, i) && static_cast<int>(i) + 1 < modelPos) ++i;
  return view;
}

int toModelPos(const std::string& modelText, int viewPos) {
  std::size_t i = 0;
  for (int view = 0; i < modelText.size() && view < viewPos; ++view) i += crlfAt(modelText, i) ? 2 : 1;
  return static_cast<int>(i);
}

}  // namespace olvex::ui::qt
