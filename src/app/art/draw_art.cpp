// Draws the program's bitmaps: the product logo, the maker banner and the
// program icon, and the icon again as SVG for the desktop. Their files are
// committed beside this file; run it again (offscreen, with Liberation Sans
// installed) after changing a drawing:
//   QT_QPA_PLATFORM=offscreen tessaline_draw_art src/app/art

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <cstdio>

namespace {

// The mosaic runs from light at the top left to dark at the bottom right.
const QList<QColor> kTileColours = {QColor(0x9E, 0xD8, 0xE3), QColor(0x5F, 0xB8, 0xCC),
                                    QColor(0x2A, 0x93, 0xAD), QColor(0x1D, 0x6E, 0x8A),
                                    QColor(0x1F, 0x3A, 0x5F)};
const QColor kWordmarkColour(0x1F, 0x3A, 0x5F);
const QColor kBannerGray(0xC8, 0xC8, 0xC8);

/// One square of the mosaic.
struct Tile {
  QRectF cell;
  QColor colour;
};

/// Three by three square tiles filling box, gap pixels apart, row by row.
QList<Tile> mosaicTiles(const QRectF& box, qreal gap) {
  const qreal tile = (box.width() - 2 * gap) / 3;
  QList<Tile> tiles;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      tiles.append(
          {QRectF(box.left() + column * (tile + gap), box.top() + row * (tile + gap), tile, tile),
           kTileColours[row + column]});
    }
  }
  return tiles;
}

void drawMosaic(QPainter& painter, const QRectF& box, qreal gap, qreal cornerRadius) {
  painter.setPen(Qt::NoPen);
  for (const Tile& tile : mosaicTiles(box, gap)) {
    painter.setBrush(tile.colour);
    painter.drawRoundedRect(tile.cell, cornerRadius, cornerRadius);
  }
}

QFont sansFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setPixelSize(pixelSize);
  font.setBold(true);
  return font;
}

QImage filledImage(QSize size, QImage::Format format, const QColor& background) {
  QImage image(size, format);
  image.fill(background);
  return image;
}

/// 320 by 60, transparent: the mosaic and the product's name. The bottom rows
/// stay empty because the version label overlaps them in both windows.
QImage drawLogo() {
  QImage image = filledImage({320, 60}, QImage::Format_ARGB32, Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  const QFont font = sansFont(36);
  const QString name = QStringLiteral("Tessaline");
  const int mark = 42;
  const int spacing = 12;
  const int textWidth = QFontMetrics(font).horizontalAdvance(name);
  const int left = (image.width() - (mark + spacing + textWidth)) / 2;
  const int top = 6;

  drawMosaic(painter, QRectF(left, top, mark, mark), 3, 2.5);
  painter.setFont(font);
  painter.setPen(kWordmarkColour);
  painter.drawText(QRect(left + mark + spacing, top, textWidth + 4, mark),
                   Qt::AlignLeft | Qt::AlignVCenter, name);
  return image;
}

/// 480 by 30, 24 bits: the maker's name in widely spaced light gray capitals.
QImage drawBanner() {
  QImage image = filledImage({480, 30}, QImage::Format_RGB888, Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font = sansFont(15);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 9);
  painter.setFont(font);
  painter.setPen(kBannerGray);
  // The spacing follows the last letter too; shift by half of it to centre the ink.
  painter.drawText(QRect(4, 0, image.width(), image.height()), Qt::AlignCenter,
                   QStringLiteral("KORVANE SOFTWARE"));
  return image;
}

/// 32 by 32 in at most 16 colours: the mosaic alone, drawn without smoothing
/// so that no in-between colours appear.
QImage drawIcon() {
  QImage image = filledImage({32, 32}, QImage::Format_ARGB32, Qt::transparent);
  {
    QPainter painter(&image);
    drawMosaic(painter, QRectF(0, 0, 32, 32), 1, 0);
  }
  QList<QRgb> palette;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!palette.contains(image.pixel(x, y))) palette.append(image.pixel(x, y));
    }
  }
  return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::AvoidDither);
}

/// The scalable icon: the logo's mosaic (42 wide, tiles 3 apart, corners of
/// 2.5) with a margin of 3 on a 48 by 48 canvas.
QByteArray drawScalableIcon() {
  QString svg = QStringLiteral(
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
      "viewBox=\"0 0 48 48\">\n");
  for (const Tile& tile : mosaicTiles(QRectF(3, 3, 42, 42), 3)) {
    svg += QStringLiteral(
               "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"2.5\" "
               "fill=\"%4\"/>\n")
               .arg(tile.cell.x())
               .arg(tile.cell.y())
               .arg(tile.cell.width())
               .arg(tile.colour.name());
  }
  svg += QStringLiteral("</svg>\n");
  return svg.toUtf8();
}

bool saved(bool written, const QString& path) {
  if (!written) std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
  return written;
}

bool save(const QByteArray& text, const QDir& folder, const char* name) {
  QFile file(folder.filePath(QString::fromLatin1(name)));
  return saved(file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush(),
               file.fileName());
}

bool save(const QImage& image, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  return saved(image.save(path, "PNG"), path);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const bool saved =
      save(drawLogo(), folder, "logo.png") && save(drawBanner(), folder, "banner.png") &&
      save(drawIcon(), folder, "icon.png") && save(drawScalableIcon(), folder, "icon.svg");
  return saved ? 0 : 1;
}
