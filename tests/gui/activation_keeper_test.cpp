#include "gui/activation_keeper.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>

class ActivationKeeperTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QWidget> main_, first_, second_;
  std::unique_ptr<ActivationKeeper> keeper_;

  static std::unique_ptr<QWidget> window(const char* name) {
    auto widget = std::make_unique<QWidget>();
    widget->setObjectName(name);
    widget->setWindowTitle(name);
    widget->resize(200, 100);
    widget->show();
    return widget;
  }
  static void activate(QWidget* widget) {
    widget->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(widget));
  }
  /// The window that ends up active once the keeper has had its say.
  static QWidget* settledActive() {
    QTest::qWait(50);
    return QApplication::activeWindow();
  }

 private slots:
  void init() {
    keeper_ = std::make_unique<ActivationKeeper>();
    main_ = window("main");
    first_ = window("first");
    second_ = window("second");
  }
  void cleanup() {
    keeper_.reset();
    main_.reset();
    first_.reset();
    second_.reset();
  }

  void kept_window_takes_the_activation_back() {
    keeper_->keep(first_.get());
    activate(main_.get());
    QCOMPARE(settledActive(), first_.get());
  }

  void released_window_lets_the_others_be_active() {
    keeper_->keep(first_.get());
    keeper_->release(first_.get());
    activate(main_.get());
    QCOMPARE(settledActive(), main_.get());
  }

  void newest_kept_window_holds_the_activation() {
    keeper_->keep(first_.get());
    keeper_->keep(second_.get());
    activate(main_.get());
    QCOMPARE(settledActive(), second_.get());
    activate(first_.get());
    QCOMPARE(settledActive(), second_.get());
    second_->hide();
    activate(main_.get());
    QCOMPARE(settledActive(), first_.get());
  }

  void released_active_window_hands_the_activation_on_data() {
    QTest::addColumn<QStringList>("kept");  // in order, each made active first
    QTest::addColumn<QString>("released");
    QTest::addColumn<QString>("active");  // once it has gone
    QTest::newRow("back where it came from") << QStringList{"first"} << "first"
                                             << "main";
    QTest::newRow("to the window kept before it") << QStringList{"first", "second"} << "second"
                                                  << "first";
    QTest::newRow("one behind the active window changes nothing")
        << QStringList{"first", "second"} << "first"
        << "second";
  }
  void released_active_window_hands_the_activation_on() {
    QFETCH(QStringList, kept);
    QFETCH(QString, released);
    QFETCH(QString, active);
    const std::map<QString, QWidget*> windows = {
        {"main", main_.get()}, {"first", first_.get()}, {"second", second_.get()}};
    activate(main_.get());
    for (const QString& name : kept) {
      keeper_->keep(windows.at(name));
      activate(windows.at(name));
    }
    QWidget* going = windows.at(released);
    keeper_->release(going);
    going->hide();
    QCOMPARE(settledActive(), windows.at(active));
  }

  void closed_window_is_let_go() {
    keeper_->keep(first_.get());
    first_.reset();
    activate(main_.get());
    QCOMPARE(settledActive(), main_.get());
  }

  void modal_boxes_are_let_through() {
    keeper_->keep(first_.get());
    bool boxWasActive = false;
    QTimer::singleShot(100, [&] {
      boxWasActive = qobject_cast<QMessageBox*>(QApplication::activeWindow()) != nullptr;
      QApplication::activeModalWidget()->close();
    });
    QMessageBox::information(main_.get(), "box", "text");
    QVERIFY(boxWasActive);
  }
};

QTEST_MAIN(ActivationKeeperTest)
#include "activation_keeper_test.moc"
