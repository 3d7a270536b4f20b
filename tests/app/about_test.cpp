#include <QCloseEvent>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QTest>

#include "app/about.h"
#include "gui/activation_keeper.h"
#include "window_layout_check.h"

class AboutTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void isAFixedDialogCaptionedAboutTessaline();
  void elementsStandAtTheirPlaces_data();
  void elementsStandAtTheirPlaces();
  void linksOpenTheirAddressAndLeaveTheWindowOpen_data();
  void linksOpenTheirAddressAndLeaveTheWindowOpen();
  void plainLabelsOpenNothing();
  void closesOnlyByItsCloseBox();
  void holdsTheActivationUntilClosedEveryTime();
  void theNewerWindowHoldsTheActivation();
  void theCloseHandlerLetsTheActivationGo();

 private:
  /// A new About window, shown as Help, About shows it.
  AboutWindow* openAbout();
  void activateMainWindow();

  ActivationKeeper* keeper_ = nullptr;
  QWidget* mainWindow_ = nullptr;
  QStringList opened_;
};

void AboutTest::init() {
  opened_.clear();
  keeper_ = new ActivationKeeper;
  mainWindow_ = new QWidget;
  mainWindow_->resize(800, 600);
  mainWindow_->show();
  activateMainWindow();
}

void AboutTest::cleanup() {
  delete mainWindow_;
  delete keeper_;
}

AboutWindow* AboutTest::openAbout() {
  auto* about = new AboutWindow(*keeper_, [this](const QString& address) { opened_ << address; });
  about->show();
  return about;
}

void AboutTest::activateMainWindow() {
  mainWindow_->activateWindow();
  QApplication::processEvents();
}

void AboutTest::isAFixedDialogCaptionedAboutTessaline() {
  QPointer<AboutWindow> about = openAbout();
  QVERIFY(QTest::qWaitForWindowExposed(about));
  QCOMPARE(about->objectName(), QStringLiteral("TForm4"));
  QCOMPARE(about->windowTitle(), QStringLiteral("About Tessaline"));
  QCOMPARE(about->size(), QSize(480, 297));
  QCOMPARE(about->minimumSize(), QSize(480, 297));
  QCOMPARE(about->maximumSize(), QSize(480, 297));
  const Qt::WindowFlags flags = about->windowFlags();
  QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  checkCentred(*about);
  QCOMPARE(QColor(about->grab().toImage().pixel(20, 100)), QColor(Qt::white));
  about->close();
}

void AboutTest::elementsStandAtTheirPlaces_data() {
  addElementRows({
      {"Shape1", {100, 104, 281, 145}, {}},
      {"Image1", {80, 16, 320, 60}, {}},
      {"Image2", {0, 264, 480, 30}, {}},
      {"Label1", {328, 72, 0, 0}, "Version 1.1", true},
      {"Label3", {153, 123, 0, 0}, "Created By:", true},
      {"Label6", {233, 123, 0, 0}, "Korvane Software", false},
      {"Label4", {150, 155, 0, 0}, " Website:", true},
      {"Label7", {231, 155, 0, 0}, "www.korvane.example", false},
      {"Label5", {153, 187, 0, 0}, "Feedback:", true},
      {"Label8", {231, 187, 0, 0}, "feedback@korvane.example", false},
      {"lbLicenceCaption", {153, 219, 0, 0}, "Licence:", true},
      {"lbLicence", {233, 219, 0, 0}, "GNU GPL version 3 or later", false},
  });
}

void AboutTest::elementsStandAtTheirPlaces() {
  QFETCH(ExpectedElement, expected);
  AboutWindow about(*keeper_, [](const QString&) {});
  checkElement(about, expected);
}

void AboutTest::linksOpenTheirAddressAndLeaveTheWindowOpen_data() {
  QTest::addColumn<QString>("link");
  QTest::addColumn<QString>("address");
  QTest::newRow("web site") << "Label7"
                            << "https://www.korvane.example";
  QTest::newRow("feedback") << "Label8"
                            << "mailto:feedback@korvane.example";
}

void AboutTest::linksOpenTheirAddressAndLeaveTheWindowOpen() {
  QFETCH(QString, link);
  QFETCH(QString, address);
  QPointer<AboutWindow> about = openAbout();
  QVERIFY(QTest::qWaitForWindowExposed(about));
  auto* label = about->findChild<QLabel*>(link);
  QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
  QVERIFY(label->font().underline());
  QCOMPARE(label->palette().color(label->foregroundRole()), QColor(0, 0, 0x80));

  QTest::mouseClick(label, Qt::LeftButton);
  QCOMPARE(opened_, QStringList{address});
  QVERIFY(about->isVisible());
  QTest::mouseClick(label, Qt::RightButton);
  QCOMPARE(opened_.size(), 1);
  about->close();
}

void AboutTest::plainLabelsOpenNothing() {
  QPointer<AboutWindow> about = openAbout();
  for (const char* name :
       {"Label1", "Label3", "Label4", "Label5", "Label6", "lbLicence", "Image1"}) {
    QTest::mouseClick(about->findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
  }
  QVERIFY(opened_.isEmpty());
  about->close();
}

void AboutTest::closesOnlyByItsCloseBox() {
  QPointer<AboutWindow> about = openAbout();
  QVERIFY(QTest::qWaitForWindowActive(about));
  QTest::keyClick(about, Qt::Key_Escape);
  QTest::keyClick(about, Qt::Key_Return);
  QVERIFY(about->isVisible());
  about->close();
  QTRY_VERIFY(about.isNull());
}

void AboutTest::holdsTheActivationUntilClosedEveryTime() {
  for (int opening = 1; opening <= 2; ++opening) {
    QPointer<AboutWindow> about = openAbout();
    QVERIFY(QTest::qWaitForWindowActive(about));
    activateMainWindow();
    QTRY_COMPARE(QApplication::activeWindow(), about.data());

    about->close();
    activateMainWindow();
    QTRY_COMPARE(QApplication::activeWindow(), mainWindow_);
    QTRY_VERIFY(about.isNull());
  }
}

void AboutTest::theNewerWindowHoldsTheActivation() {
  QPointer<AboutWindow> older = openAbout();
  QVERIFY(QTest::qWaitForWindowActive(older));
  QPointer<AboutWindow> newer = openAbout();
  QVERIFY(QTest::qWaitForWindowActive(newer));

  activateMainWindow();
  QTRY_COMPARE(QApplication::activeWindow(), newer.data());
  older->activateWindow();
  QTRY_COMPARE(QApplication::activeWindow(), newer.data());

  newer->close();
  activateMainWindow();
  QTRY_COMPARE(QApplication::activeWindow(), older.data());
  older->close();
}

void AboutTest::theCloseHandlerLetsTheActivationGo() {
  QPointer<AboutWindow> about = openAbout();
  QVERIFY(QTest::qWaitForWindowActive(about));
  QVERIFY(!about->closing());

  // The handler alone, before the window is hidden: the activation that the
  // closing hands on must go through.
  QCloseEvent closing;
  QApplication::sendEvent(about, &closing);
  QVERIFY(about->closing());
  activateMainWindow();
  QTest::qWait(50);
  QCOMPARE(QApplication::activeWindow(), mainWindow_);
  about->close();
}

QTEST_MAIN(AboutTest)
#include "about_test.moc"
