#include "gui/pane.h"
#include "window_test.h"

#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <memory>

namespace {

constexpr Qt::DropActions AnyAction = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

/// Drags data over the middle of widget and drops it there, through the
/// widget's window as the window system would; true when the drop was taken.
bool dropOn(QWidget* widget, const QMimeData& data, Qt::DropActions actions = AnyAction) {
  QWidget* top = widget->window();
  const QPoint at = widget->mapTo(top, widget->rect().center());
  QWindow* window = top->windowHandle();
  QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &enter);
  QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &move);
  QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &drop);
  return drop.isAccepted();
}

std::unique_ptr<QMimeData> urls(const QList<QUrl>& list) {
  auto data = std::make_unique<QMimeData>();
  data->setUrls(list);
  return data;
}

}  // namespace

class FileDropTest : public WindowTest {
  Q_OBJECT

 private:
  QWidget* target(const QString& name) const {
    if (name == "GroupBox1") return window().findChild<QGroupBox*>(name);
    return pane(qPrintable(name))->viewport();
  }
  QUrl fileUrl(const QString& name, const std::string& bytes) const {
    return QUrl::fromLocalFile(file(name, bytes));
  }
  std::vector<std::string> sourceLines() const { return pane("edSource")->lines(); }
  /// What a pane outside the window makes of the same drop: what the source
  /// pane did before it opened files.
  static std::vector<std::string> plainPaneDrop(const QMimeData& data) {
    Pane plain(QStringLiteral("plain"));
    plain.show();
    if (!QTest::qWaitForWindowExposed(&plain)) qWarning("the plain pane was not shown");
    dropOn(plain.viewport(), data);
    return plain.lines();
  }

 private slots:
  void dropped_file_opens_as_with_open_data() {
    QTest::addColumn<QString>("over");
    QTest::newRow("source pane") << "edSource";
    QTest::newRow("html pane") << "edHTML";
    QTest::newRow("the window around them") << "GroupBox1";
  }
  void dropped_file_opens_as_with_open() {
    QFETCH(QString, over);
    const QUrl dropped = fileUrl("a b.pas", "unit A;\n{ x }\n");
    open(file("c.pas", "begin end."));
    dialogs().save.answers.push_back(DialogAnswer{path("c"), 2});
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!window().outputFileName().empty());

    QVERIFY(dropOn(target(over), *urls({dropped})));
    QTRY_COMPARE(sourceLines(), (std::vector<std::string>{"unit A;", "{ x }"}));
    QVERIFY(window().outputFileName().empty());
    QVERIFY(window().windowTitle().endsWith("Untitled Document"));
    QCOMPARE(pane("edHTML")->lines().front(), std::string("<b>unit</b> A;"));
    QCOMPARE(dialogs().open.shown, 1);
  }

  void of_several_files_the_first_opens() {
    const QUrl folder = QUrl::fromLocalFile(path(""));
    const QUrl remote("https://example.org/remote.pas");
    const QUrl first = fileUrl("first.pas", "first");
    const QUrl second = fileUrl("second.pas", "second");
    QVERIFY(dropOn(pane("edSource")->viewport(), *urls({folder, remote, first, second})));
    QTRY_COMPARE(sourceLines(), std::vector<std::string>{"first"});
  }

  // A file manager offers an address as text too, which a pane takes.
  void other_drops_on_the_source_pane_do_what_they_did_data() {
    QTest::addColumn<QList<QUrl>>("dropped");
    QTest::addColumn<QString>("text");
    const QUrl folder = QUrl::fromLocalFile(QDir::tempPath());
    const QUrl remote("https://example.org/a.pas");
    QTest::newRow("plain text") << QList<QUrl>() << "x := 1;";
    QTest::newRow("folder") << QList<QUrl>{folder} << folder.toString();
    QTest::newRow("remote address") << QList<QUrl>{remote} << remote.toString();
  }
  void other_drops_on_the_source_pane_do_what_they_did() {
    QFETCH(QList<QUrl>, dropped);
    QFETCH(QString, text);
    QMimeData data;
    if (!dropped.isEmpty()) data.setUrls(dropped);
    data.setText(text);
    const std::vector<std::string> before = plainPaneDrop(data);
    if (dropped.isEmpty()) QVERIFY(!before.empty());
    dropOn(pane("edSource")->viewport(), data);
    QCOMPARE(sourceLines(), before);
    QCOMPARE(dialogs().open.shown, 0);
  }

  void dropped_file_never_becomes_text() {
    auto data = urls({fileUrl("a.pas", "begin end.")});
    data->setText(data->urls().value(0).toLocalFile());
    // Offered to be moved only, the file is turned down rather than taken,
    // which would let the program it came from delete it.
    QVERIFY(!dropOn(pane("edSource")->viewport(), *data, Qt::MoveAction));
    QCoreApplication::processEvents();
    QVERIFY(sourceLines().empty());
    QVERIFY(dropOn(pane("edSource")->viewport(), *data));
    QTRY_COMPARE(sourceLines(), std::vector<std::string>{"begin end."});
  }
};

QTEST_MAIN(FileDropTest)
#include "file_drop_test.moc"
