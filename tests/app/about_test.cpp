#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QTest>

#include "app/about.h"
#include "gui/activation_keeper.h"
#include "window_layout_check.h"
#include "window_test.h"

class AboutTest : public WindowTest {
  Q_OBJECT
 private slots:
  void isAFixedDialogCaptionedAboutTessaline();
  void elementsStandAtTheirPlaces_data();
  void elementsStandAtTheirPlaces();
  void linksOpenTheirAddressAndLeaveTheWindowOpen_data();
  void linksOpenTheirAddressAndLeaveTheWindowOpen();
  void plainLabelsOpenNothing();
  void aClickElsewhereClosesItAndGoesOn_data();
  void aClickElsewhereClosesItAndGoesOn();
  void holdsTheActivationUntilClosedEveryTime();
  void theNewerWindowHoldsTheActivation();
  void theCloseHandlerLetsTheActivationGo();

 private:
  /// A new About window, shown as Help, About shows it.
  AboutWindow* openAbout();
  void activateMainWindow();
  QWidget* mainWindow() const { return &window(); }
};

AboutWindow* AboutTest::openAbout() {
  auto* about = new AboutWindow(window().activationKeeper(), context().openUrl);
  about->show();
  return about;
}

void AboutTest::activateMainWindow() {
  window().activateWindow();
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
  AboutWindow about(window().activationKeeper(), context().openUrl);
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
  QCOMPARE(opened(), QStringList{address});
  QVERIFY(about->isVisible());
  QTest::mouseClick(label, Qt::RightButton);
  QCOMPARE(opened().size(), 1);
  about->close();
}

void AboutTest::plainLabelsOpenNothing() {
  QPointer<AboutWindow> about = openAbout();
  for (const char* name :
       {"Label1", "Label3", "Label4", "Label5", "Label6", "lbLicence", "Image1"}) {
    QTest::mouseClick(about->findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
  }
  QVERIFY(opened().isEmpty());
  about->close();
}

void AboutTest::aClickElsewhereClosesItAndGoesOn_data() {
  QTest::addColumn<bool>("inAbout");
  QTest::addColumn<QString>("control");
  QTest::addColumn<bool>("closes");
  QTest::newRow("the source pane") << false << "edSource" << true;
  QTest::newRow("the HTML pane") << false << "edHTML" << true;
  QTest::newRow("the main window's frame") << false << "GroupBox1" << true;
  QTest::newRow("About's own version") << true << "Label1" << false;
  QTest::newRow("About's own link") << true << "Label7" << false;
}

void AboutTest::aClickElsewhereClosesItAndGoesOn() {
  QFETCH(bool, inAbout);
  QFETCH(QString, control);
  QFETCH(bool, closes);
  QPointer<AboutWindow> about = openAbout();
  QVERIFY(QTest::qWaitForWindowActive(about));
  const QWidget* holder = inAbout ? static_cast<QWidget*>(about.data()) : mainWindow();
  auto* clicked = WindowTest::control<QWidget>(holder, qPrintable(control));
  if (auto* area = qobject_cast<QAbstractScrollArea*>(clicked)) clicked = area->viewport();
  QTest::mouseClick(clicked, Qt::LeftButton);
  if (!closes) {
    QVERIFY(about->isVisible());
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(about.data()));
    about->close();
    return;
  }
  QTRY_VERIFY(about.isNull());
  // The main window holds the activation, and the click went on to what it hit.
  QTest::qWait(50);
  QCOMPARE(QApplication::activeWindow(), mainWindow());
  if (control != "GroupBox1")
    QCOMPARE(QApplication::focusWidget(),
             WindowTest::control<QWidget>(mainWindow(), qPrintable(control)));
}

void AboutTest::holdsTheActivationUntilClosedEveryTime() {
  for (int opening = 1; opening <= 2; ++opening) {
    QPointer<AboutWindow> about = openAbout();
    QVERIFY(QTest::qWaitForWindowActive(about));
    activateMainWindow();
    QTRY_COMPARE(QApplication::activeWindow(), about.data());

    about->close();
    activateMainWindow();
    QTRY_COMPARE(QApplication::activeWindow(), mainWindow());
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
  QCOMPARE(QApplication::activeWindow(), mainWindow());
  about->close();
}

QTEST_MAIN(AboutTest)
#include "about_test.moc"
