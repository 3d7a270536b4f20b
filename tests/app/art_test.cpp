#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include "app/art.h"

class ArtTest : public QObject {
  Q_OBJECT
 private slots:
  void logoIs320By60WithTransparency();
  void bannerIs480By30OnWhite();
  void iconIs32By32InAtMost16Colours();
  void scalableIconShowsTheBitmapIconsTiles();
};

void ArtTest::logoIs320By60WithTransparency() {
  const QImage logo = productLogo().toImage();
  QCOMPARE(logo.size(), QSize(320, 60));
  QVERIFY(logo.hasAlphaChannel());
  QCOMPARE(qAlpha(logo.pixel(0, 0)), 0);
}

void ArtTest::bannerIs480By30OnWhite() {
  const QImage banner = makerBanner().toImage();
  QCOMPARE(banner.size(), QSize(480, 30));
  QVERIFY(!banner.hasAlphaChannel());
  QCOMPARE(QColor(banner.pixel(0, 0)), QColor(Qt::white));
  QCOMPARE(QColor(banner.pixel(479, 29)), QColor(Qt::white));
}

void ArtTest::iconIs32By32InAtMost16Colours() {
  const QIcon icon = programIcon();
  QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
  const QImage image = icon.pixmap(32, 32).toImage();
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  }
  QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
}

// The desktop's scalable icon is drawn apart from the bitmap: the same three
// by three tiles, square and in the same colours, row by row.
void ArtTest::scalableIconShowsTheBitmapIconsTiles() {
  QFile file(QStringLiteral(ART_DIR "/icon.svg"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QXmlStreamReader svg(&file);
  QVERIFY(svg.readNextStartElement());
  QCOMPARE(svg.name(), QStringLiteral("svg"));
  QCOMPARE(svg.attributes().value("viewBox"), QStringLiteral("0 0 48 48"));

  const QImage bitmap = programIcon().pixmap(32, 32).toImage();
  int tile = 0;
  while (svg.readNextStartElement()) {
    QCOMPARE(svg.name(), QStringLiteral("rect"));
    const QXmlStreamAttributes rect = svg.attributes();
    QCOMPARE(rect.value("width"), rect.value("height"));
    // The bitmap's tiles are 10 pixels, 1 apart.
    const QPoint middle(tile % 3 * 11 + 5, tile / 3 * 11 + 5);
    QCOMPARE(rect.value("fill").toString(), QColor(bitmap.pixel(middle)).name());
    svg.skipCurrentElement();
    ++tile;
  }
  QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
  QCOMPARE(tile, 9);
}

QTEST_MAIN(ArtTest)
#include "art_test.moc"
