#include <QElapsedTimer>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/splash.h"
#include "window_layout_check.h"
#include "window_test.h"

namespace {

/// Notes when a watched window is first shown, on the clock started before
/// the splash was made.
class ShowClock : public QObject {
 public:
  explicit ShowClock(const QElapsedTimer& clock) : clock_(clock) {}
  qint64 shownAtMs = -1;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show && shownAtMs < 0) shownAtMs = clock_.elapsed();
    return false;
  }

 private:
  const QElapsedTimer& clock_;
};

}  // namespace

class SplashTest : public WindowTest {
  Q_OBJECT
 private:
  /// The splash comes before the main window, which it shows.
  bool showsMainWindowAtStart() const override { return false; }

 private slots:
  void isAFramelessBlackFramedWindow();
  void elementsStandAtTheirPlaces_data();
  void elementsStandAtTheirPlaces();
  void timerIsOneShotOf1500Ms();
  void clicksDoNothing();
  void showsTheMainWindowMaximizedAfter1500MsAndHides();
};

void SplashTest::isAFramelessBlackFramedWindow() {
  MainWindow& mainWindow = window();
  SplashWindow splash(&mainWindow);
  splash.show();
  QVERIFY(QTest::qWaitForWindowExposed(&splash));

  QCOMPARE(splash.objectName(), QStringLiteral("TForm3"));
  QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
  QCOMPARE(splash.size(), QSize(500, 300));
  QCOMPARE(splash.clientArea()->geometry(), QRect(1, 1, 498, 298));
  checkCentred(splash);

  const QImage shot = splash.grab().toImage();
  for (const QPoint frame : {QPoint(0, 0), QPoint(499, 0), QPoint(0, 299), QPoint(499, 299),
                             QPoint(250, 0), QPoint(0, 150)}) {
    QCOMPARE(QColor(shot.pixel(frame)), QColor(Qt::black));
  }
  for (const QPoint inside : {QPoint(1, 1), QPoint(498, 298), QPoint(250, 80)}) {
    QCOMPARE(QColor(shot.pixel(inside)), QColor(Qt::white));
  }
}

void SplashTest::elementsStandAtTheirPlaces_data() {
  addElementRows({
      {"Shape1", {0, 0, 498, 298}, {}},
      {"Image1", {9, 16, 480, 30}, {}},
      {"Image2", {89, 111, 320, 60}, {}},
      {"Label3", {336, 168, 0, 0}, "Version 1.1", true},
      {"Label1", {192, 250, 0, 0}, "KORVANE SOFTWARE", true},
      {"Label2", {200, 264, 0, 0}, "www.korvane.example", false},
  });
}

void SplashTest::elementsStandAtTheirPlaces() {
  QFETCH(ExpectedElement, expected);
  MainWindow& mainWindow = window();
  SplashWindow splash(&mainWindow);
  checkElement(*splash.clientArea(), expected);
}

void SplashTest::timerIsOneShotOf1500Ms() {
  MainWindow& mainWindow = window();
  SplashWindow splash(&mainWindow);
  auto* timer = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
  QVERIFY(timer != nullptr);
  QVERIFY(timer->isActive());
  QVERIFY(timer->isSingleShot());
  QCOMPARE(timer->interval(), 1500);
}

void SplashTest::clicksDoNothing() {
  MainWindow& mainWindow = window();
  SplashWindow splash(&mainWindow);
  splash.show();
  QVERIFY(QTest::qWaitForWindowExposed(&splash));
  for (const char* name : {"Shape1", "Image1", "Image2", "Label1", "Label2", "Label3"}) {
    auto* element = splash.findChild<QWidget*>(QString::fromLatin1(name));
    QTest::mouseClick(element, Qt::LeftButton);
    QTest::mouseDClick(element, Qt::LeftButton);
    QTest::mouseClick(element, Qt::RightButton);
  }
  QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(0, 0));
  QVERIFY(splash.isVisible());
  QVERIFY(!mainWindow.isVisible());
}

void SplashTest::showsTheMainWindowMaximizedAfter1500MsAndHides() {
  QElapsedTimer clock;
  clock.start();
  MainWindow& mainWindow = window();
  ShowClock watch(clock);
  mainWindow.installEventFilter(&watch);
  SplashWindow splash(&mainWindow);
  splash.show();
  QVERIFY(!mainWindow.isVisible());

  QTRY_VERIFY_WITH_TIMEOUT(mainWindow.isVisible(), 20000);
  QVERIFY2(watch.shownAtMs >= 1500, qPrintable(QString::number(watch.shownAtMs)));
  QVERIFY(mainWindow.windowState().testFlag(Qt::WindowMaximized));
  QVERIFY(splash.isHidden());
  QTRY_VERIFY(splash.findChild<QTimer*>(QStringLiteral("Timer1")) == nullptr);
}

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
