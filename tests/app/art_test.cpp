#include <QImage>
#include <QSet>
#include <QTest>

#include "app/art.h"

class ArtTest : public QObject {
  Q_OBJECT
 private slots:
  void logoIs320By60WithTransparency();
  void bannerIs480By30OnWhite();
  void iconIs32By32InAtMost16Colours();
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

QTEST_MAIN(ArtTest)
#include "art_test.moc"
