#include "app/main_window.h"
#include "app/page_saver.h"
#include "gui/qt_file_dialog.h"
#include "window_test.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <utility>

class FileDialogTest : public WindowTest {
  Q_OBJECT

 private:
  /// The test function's folder, holding a file of every kind the filters tell apart.
  QString folder_;
  void initTest() override {
    folder_ = QString::fromStdString(folder().path().string());
    for (const char* name :
         {"UNIT1.PAS", "a.dpr", "b.Dfm", "c.dpk", "d.pp", "e.INC", "f.lpr", "g.lpk", "notes.txt",
          "Makefile", "page.html", "readme.md", "x.pas.bak"})
      file(name, "");
    QVERIFY(QDir(folder_).mkdir("sub"));
  }

  static QComboBox* filterBox(QtFileDialog& dialog) {
    return dialog.dialog().findChild<QComboBox*>("fileTypeCombo");
  }
  static QLineEdit* nameEdit(QtFileDialog& dialog) {
    return dialog.dialog().findChild<QLineEdit*>("fileNameEdit");
  }
  static void chooseFilter(QtFileDialog& dialog, int index) {
    filterBox(dialog)->setCurrentIndex(index);
    emit filterBox(dialog)->activated(index);
  }
  /// The names the dialog lists in the test folder, sorted.
  QStringList listed(QtFileDialog& dialog) const {
    auto* proxy = dialog.dialog().proxyModel();
    auto* files = qobject_cast<QFileSystemModel*>(proxy->sourceModel());
    const QModelIndex root = proxy->mapFromSource(files->index(folder_));
    QStringList names;
    for (int row = 0; row < proxy->rowCount(root); ++row)
      names << proxy->index(row, 0, root).data().toString();
    names.sort();
    return names;
  }
  /// Shows the dialog, types name, picks filter and confirms.
  static bool confirm(QtFileDialog& dialog, const QString& name, int filter) {
    QTimer::singleShot(50, [&dialog, name, filter] {
      chooseFilter(dialog, filter);
      nameEdit(dialog)->setText(name);
      QMetaObject::invokeMethod(&dialog.dialog(), "accept");
    });
    return dialog.execute();
  }

  /// The name and the filter position a dialog comes up with.
  using Shown = std::pair<QString, int>;
  /// Shows the dialog and cancels it.
  static Shown shownOnReopen(QtFileDialog& dialog) {
    Shown shown{QString(), -1};
    QTimer::singleShot(50, [&] {
      shown = {nameEdit(dialog)->text(), filterBox(dialog)->currentIndex()};
      dialog.dialog().reject();
    });
    if (dialog.execute()) qWarning("a cancelled dialog confirmed");
    return shown;
  }

 private slots:
  void filters_show_their_descriptions_as_written() {
    QtFileDialog open(nullptr, openDialogOptions());
    const QString delphi =
        "All Delphi Files (*.pas, *.dpr, *.dfm, *.dpk, *.pp, *.inc, *.lpr, *.lpk)";
    QCOMPARE(open.dialog().nameFilters(),
             QStringList({delphi, "Text Files (*.txt)", "All Files (*.*)"}));
    QCOMPARE(open.dialog().selectedNameFilter(), delphi);
    QVERIFY(open.dialog().testOption(QFileDialog::DontUseNativeDialog));
    QCOMPARE(open.dialog().fileMode(), QFileDialog::ExistingFile);

    QtFileDialog save(nullptr, saveDialogOptions());
    QCOMPARE(save.dialog().nameFilters(), QStringList({"All Files (*.*)", "HTML File (*.html)",
                                                       "HTM File (*.htm)", "SSI File (*.shtml)"}));
    QCOMPARE(save.dialog().selectedNameFilter(), QString("HTML File (*.html)"));
    QCOMPARE(save.dialog().acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(save.filterIndex(), 2);
  }

  void listing_matches_the_real_patterns_ignoring_case() {
    const QStringList allListed = {"Makefile",  "UNIT1.PAS", "a.dpr", "b.Dfm",    "c.dpk",
                                   "d.pp",      "e.INC",     "f.lpr", "g.lpk",    "notes.txt",
                                   "page.html", "readme.md", "sub",   "x.pas.bak"};
    QtFileDialog open(nullptr, openDialogOptions());
    open.dialog().setDirectory(folder_);
    open.dialog().open();
    QTRY_COMPARE(listed(open), QStringList({"UNIT1.PAS", "a.dpr", "b.Dfm", "c.dpk", "d.pp", "e.INC",
                                            "f.lpr", "g.lpk", "sub"}));
    chooseFilter(open, 1);
    QTRY_COMPARE(listed(open), QStringList({"notes.txt", "sub"}));
    chooseFilter(open, 2);
    QTRY_COMPARE(listed(open), allListed);
    open.dialog().reject();

    QtFileDialog save(nullptr, saveDialogOptions());
    save.dialog().setDirectory(folder_);
    save.dialog().open();
    QTRY_COMPARE(listed(save), QStringList({"page.html", "sub"}));
    chooseFilter(save, 0);
    QTRY_COMPARE(listed(save), allListed);
    save.dialog().reject();
  }

  void reopens_with_the_name_and_filter_confirmed_last() {
    QtFileDialog save(nullptr, saveDialogOptions());
    save.dialog().setDirectory(folder_);
    QVERIFY(confirm(save, "first", 2));
    QCOMPARE(save.fileName(), folder_ + "/first");
    QCOMPARE(save.filterIndex(), 3);
    QCOMPARE(shownOnReopen(save), Shown({"first", 2}));
    QCOMPARE(save.fileName(), folder_ + "/first");

    // What a cancelled showing chose is forgotten.
    QTimer::singleShot(50, [&save] {
      chooseFilter(save, 0);
      nameEdit(save)->setText("cancelled");
      save.dialog().reject();
    });
    QVERIFY(!save.execute());
    QCOMPARE(shownOnReopen(save), Shown({"first", 2}));
    QCOMPARE(save.filterIndex(), 3);
  }

  void completions_go_with_the_dialog() {
    QtFileDialog open(nullptr, openDialogOptions());
    open.dialog().setDirectory(folder_);
    QCompleter* completer = nullptr;
    bool listed = false;
    QTimer::singleShot(50, [&] {
      completer = nameEdit(open)->completer();
      nameEdit(open)->setText(folder_ + "/UNIT1.PAS");
      completer->complete();
      listed = completer->popup()->isVisible();
      QMetaObject::invokeMethod(&open.dialog(), "accept", Qt::QueuedConnection);
    });
    open.execute();
    QVERIFY(listed);
    QVERIFY(!completer->popup()->isVisible());
  }

  void all_files_keeps_the_typed_extension() {
    QtFileDialog save(nullptr, saveDialogOptions());
    save.dialog().setDirectory(folder_);
    QVERIFY(confirm(save, "typed.htm", 0));
    QCOMPARE(save.fileName(), folder_ + "/typed.htm");
    QCOMPARE(save.filterIndex(), 1);
  }

  void a_name_chosen_elsewhere_comes_up_on_reopening() {
    QtFileDialog open(nullptr, openDialogOptions());
    open.setFileName(folder_ + "/notes.txt");
    QCOMPARE(open.fileName(), folder_ + "/notes.txt");
    QCOMPARE(shownOnReopen(open).first, QString("notes.txt"));
    QCOMPARE(open.dialog().directory().absolutePath(), folder_);
  }

  void a_proposed_name_comes_up_until_one_is_confirmed() {
    QtFileDialog save(nullptr, saveDialogOptions());
    save.proposeFileName(folder_ + "/UNIT1.PAS.html");
    QCOMPARE(shownOnReopen(save), Shown({"UNIT1.PAS.html", 1}));
    QCOMPARE(save.dialog().directory().absolutePath(), folder_);
    QVERIFY(save.fileName().isEmpty());
    QVERIFY(confirm(save, "mine", 1));
    save.proposeFileName(folder_ + "/a.dpr.html");
    QCOMPARE(shownOnReopen(save).first, QString("mine"));
  }

  void closed_dialogs_leave_no_qt_settings_file() {
    {
      QtFileDialog open(nullptr, openDialogOptions());
      QVERIFY(confirm(open, folder_ + "/a.dpr", 1));
      QtFileDialog save(nullptr, saveDialogOptions());
      QVERIFY(confirm(save, folder_ + "/page", 2));
    }
    const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    QVERIFY(!QFile::exists(config + "/QtProject.conf"));
    QVERIFY(QDir(config).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
  }
};

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
