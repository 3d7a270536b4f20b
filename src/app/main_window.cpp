#include "app/main_window.h"

#include "app/about.h"
#include "gui/activation_keeper.h"
#include "gui/busy_cursor.h"
#include "app/credits.h"
#include "gui/display_text.h"
#include "gui/error_box.h"
#include "app/layout.h"
#include "gui/pane.h"
#include "gui/pane_text.h"
#include "app/preview_location.h"
#include "files/source_file.h"
#include "engine/converter.h"
#include "engine/source_lines.h"
#include "settings/get_tags.h"
#include "output/page_writer.h"
#include "app/style_sheet_warning.h"
#include "app/settings_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QMenuBar>
#include <QUrl>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace {

/// One item of the menu bar and the handler it runs.
struct MenuCommand {
  const char* menu;
  const char* caption;
  QKeySequence shortcut;
  const char* objectName;
  void (TForm1::*handler)();
  bool separatorBefore = false;
};

const char* const HelpPath = "/help/tessaline";

QGroupBox* makeGroupBox(QWidget* parent, const char* name, const char* caption) {
  auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

/// MS Sans Serif 8 pt; where it is absent, Liberation Sans, close to it in
/// size, rather than whatever sans the system would pick.
QFont windowFont() {
  QFont font(QStringLiteral("MS Sans Serif"), 8);
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
  return font;
}

void place(QWidget* widget, const LayoutRect& rect) {
  widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

}  // namespace

FileDialogSpec openDialogSpec() {
  FileDialogSpec spec;
  spec.kind = FileDialogSpec::Kind::Open;
  spec.objectName = QStringLiteral("OpenDialog");
  spec.filters = {{QStringLiteral("All Delphi Files (*.pas, *.dpr, *.dfm, *.dpk)"),
                   {QStringLiteral("*.pas"), QStringLiteral("*.dpr"), QStringLiteral("*.dfm"),
                    QStringLiteral("*.dpk")}},
                  {QStringLiteral("Text Files (*.txt)"), {QStringLiteral("*.txt")}}};
  spec.initialFilter = 1;
  return spec;
}

QString mainCaption(const std::string& outputFileName) {
  const QString prefix = QStringLiteral("Korvane Software - Tessaline v1.0  |  ");
  return prefix + (outputFileName.empty() ? QStringLiteral("Untitled Document")
                                          : displayFileName(outputFileName));
}

TForm1::TForm1(AppContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      keeper_(new ActivationKeeper(this)),
      openDialog_(context.fileDialogs(this, openDialogSpec())),
      saver_(this, context.fileDialogs) {
  setObjectName(QStringLiteral("TForm1"));
  setFont(windowFont());
  setGeometry(229, 161, 696, 539);
  createControls();
  createMenus();
  FormCreate();
}

TForm1::~TForm1() {
  for (const QPointer<QWidget>& window : std::as_const(ownWindows_)) delete window.data();
}

void TForm1::createControls() {
  panel1_ = new QFrame(this);
  panel1_->setObjectName(QStringLiteral("Panel1"));
  panel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setCentralWidget(panel1_);
  groupBox1_ = makeGroupBox(panel1_, "GroupBox1", " Delphi Source ");
  groupBox2_ = makeGroupBox(panel1_, "GroupBox2", " HTML ");
  edSource_ = new Pane(QStringLiteral("edSource"), groupBox1_);
  edHTML_ = new Pane(QStringLiteral("edHTML"), groupBox2_);
  edHTML_->setReadOnly(true);
}

void TForm1::createMenus() {
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  const MenuCommand commands[] = {
      {"&File", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), "Open1", &TForm1::Open1Click},
      {"&File", "&Save Output", QKeySequence(Qt::CTRL | Qt::Key_S), "Save1", &TForm1::Save1Click},
      {"&File", "&Save Output As...", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S), "SaveAs1",
       &TForm1::SaveAs1Click},
      {"&File", "&Exit", QKeySequence(), "Exit1", &TForm1::Exit1Click, true},
      {"&Options", "&Settings...", QKeySequence(Qt::Key_F3), "Settings1", &TForm1::Settings1Click},
      {"&Output", "&Preview in Browser", QKeySequence(Qt::Key_F10), "PreviewInBrowser1",
       &TForm1::PreviewInBrowser1Click},
      {"&Output", "&Copy Output to Clipboard", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C),
       "CopyoutputtoClipboard1", &TForm1::CopyoutputtoClipboard1Click},
      {"&Output", "&Convert / Refresh", QKeySequence(Qt::Key_F5), "Refresh1",
       &TForm1::Refresh1Click},
      {"&Help", "&Online Help", QKeySequence(Qt::Key_F1), "Contents1", &TForm1::Contents1Click},
      {"&Help", "&About", QKeySequence(), "About1", &TForm1::About1Click},
  };
  QMenu* menu = nullptr;
  for (const MenuCommand& command : commands) {
    const QString title = QString::fromLatin1(command.menu);
    if (!menu || menu->title() != title) {
      menu = menuBar()->addMenu(title);
      // A menu opens in a window of its own, which would not take the window's font.
      menu->setFont(font());
    }
    if (command.separatorBefore) menu->addSeparator();
    QAction* action = menu->addAction(QString::fromLatin1(command.caption));
    action->setObjectName(QString::fromLatin1(command.objectName));
    action->setShortcut(command.shortcut);
    // The commands also answer while the settings dialog or About is active.
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this,
            [this, handler = command.handler] { runCommand(this, [&] { (this->*handler)(); }); });
  }
}

void TForm1::FormCreate() {
  saver_.forgetOutputFileName();
  showCaption();
  runCommand(this, [this] {
    GetTags(context_.store, context_.tags);
    previewFileName_ = previewFileNameFor(fileNameBytes(QApplication::applicationDirPath()));
  });
}

void TForm1::FormShow() { FormResize(); }

void TForm1::FormResize() {
  const FormLayout layout = computeFormLayout(panel1_->width(), panel1_->height());
  place(groupBox1_, layout.sourceBox);
  place(edSource_, layout.source);
  place(groupBox2_, layout.htmlBox);
  place(edHTML_, layout.html);
}

void TForm1::FormClose() {
  if (!previewFileName_.empty()) std::remove(previewFileName_.c_str());
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  FormShow();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
  // The program ends with its main window, whatever else is open.
  QApplication::quit();
}

void TForm1::showCaption() { setWindowTitle(mainCaption(saver_.outputFileName())); }

std::vector<std::string> TForm1::convertLines(const std::vector<std::string>& lines) {
  GetTags(context_.store, context_.tags);
  return Convert(lines, context_.tags);
}

void TForm1::Open1Click() {
  if (!openDialog_->execute()) return;
  saver_.forgetOutputFileName();
  showCaption();
  loadSourceFile(fileNameBytes(openDialog_->fileName()));
}

void TForm1::loadSourceFile(const std::string& fileName) {
  const BusyCursor busy;
  const std::string bytes = readFileBytes(fileName);
  const bool utf8 = isValidUtf8(bytes);
  const std::vector<std::string> lines = splitSourceLines(bytes);
  const std::vector<std::string> html = convertLines(lines);
  edSource_->setLines(lines, utf8);
  edHTML_->setLines(html, utf8);
  edSource_->moveCaretToStart();
  edHTML_->moveCaretToStart();
}

void TForm1::Refresh1Click() {
  const BusyCursor busy;
  edHTML_->setLines(convertLines(edSource_->lines()), edSource_->isUtf8());
  edHTML_->moveCaretToStart();
}

void TForm1::convertSourceKeepingCaret() {
  const BusyCursor busy;
  const std::vector<std::string> html = convertLines(edSource_->lines());
  const long caret = edHTML_->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
  const long firstLine = edHTML_->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
  const long xOffset = edHTML_->SendScintilla(QsciScintillaBase::SCI_GETXOFFSET);
  edHTML_->setLines(html, edSource_->isUtf8());
  edHTML_->SendScintilla(QsciScintillaBase::SCI_SETEMPTYSELECTION, caret);
  edHTML_->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, firstLine);
  edHTML_->SendScintilla(QsciScintillaBase::SCI_SETXOFFSET, xOffset);
}

void TForm1::Save1Click() {
  if (!saver_.outputFileName().empty() || saver_.chooseName()) writePageAndName();
}

void TForm1::SaveAs1Click() {
  if (saver_.chooseName()) writePageAndName();
}

void TForm1::writePageAndName() {
  saver_.writePage(context_.tags, edHTML_->lines());
  showCaption();
}

void TForm1::Exit1Click() { close(); }

void TForm1::Settings1Click() {
  if (settingsDialog_ && settingsDialog_->isVisible()) {
    // The dialog brought forward holds the activation, even over a newer
    // About window.
    keeper_->keep(settingsDialog_);
    settingsDialog_->raise();
    settingsDialog_->activateWindow();
    return;
  }
  settingsDialog_ = new TForm2(context_, *keeper_, [this] { convertSourceKeepingCaret(); });
  showOwnWindow(settingsDialog_);
}

void TForm1::About1Click() { showOwnWindow(new TForm4(*keeper_, context_.openUrl)); }

void TForm1::showOwnWindow(QWidget* window) {
  ownWindows_.removeIf([](const QPointer<QWidget>& open) { return open.isNull(); });
  ownWindows_.append(window);
  window->show();
}

void TForm1::PreviewInBrowser1Click() { PreviewInBrowser(); }

void TForm1::PreviewInBrowser() {
  if (previewFileName_.empty())
    throw std::runtime_error(
        "The preview page has no place: the settings could not be read when the program started");
  if (needsStyleSheetWarning(context_.tags)) showStyleSheetWarning(this);
  SaveOutput(previewFileName_, PreviewTitle, context_.tags, edHTML_->lines());
  context_.openUrl(QUrl::fromLocalFile(displayFileName(previewFileName_)).toString());
}

void TForm1::CopyoutputtoClipboard1Click() { edHTML_->copyLinesToClipboard(); }

void TForm1::Contents1Click() { context_.openUrl(kMakerSite + QLatin1String(HelpPath)); }
