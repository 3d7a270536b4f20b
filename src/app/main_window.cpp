#include "app/main_window.h"

#include "app/about.h"
#include "app/formatted_copy.h"
#include "app/help_page.h"
#include "app/large_source.h"
#include "app/layout.h"
#include "app/live_panes.h"
#include "app/settings_dialog.h"
#include "app/status_messages.h"
#include "app/status_report.h"
#include "app/style_sheet_warning.h"
#include "app/view_option_items.h"
#include "engine/converter.h"
#include "engine/source_lines.h"
#include "files/file_error.h"
#include "files/whole_file.h"
#include "gui/activation_keeper.h"
#include "gui/busy_cursor.h"
#include "gui/display_text.h"
#include "gui/divider.h"
#include "gui/error_box.h"
#include "gui/file_drop.h"
#include "gui/fixed_texts.h"
#include "gui/pane.h"
#include "gui/window_parts.h"
#include "output/page_writer.h"
#include "settings/get_tags.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QMenuBar>
#include <QStatusBar>
#include <QUrl>
#include <cerrno>
#include <new>
#include <utility>

namespace {

/// One item of the menu bar and the handler it runs.
struct MenuCommand {
  const char* menu;
  const char* caption;
  QKeySequence shortcut;
  const char* objectName;
  void (MainWindow::*handler)();
  bool separatorBefore = false;
  /// Set for a view option's checkable item, which has no handler.
  ViewOption option = nullptr;
};

QGroupBox* makeGroupBox(QWidget* parent, const char* name, const char* caption) {
  auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

void place(QWidget* widget, const LayoutRect& rect) {
  widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

}  // namespace

FileDialogOptions openDialogOptions() {
  FileDialogOptions options;
  options.kind = FileDialogOptions::Kind::Open;
  options.objectName = QStringLiteral("OpenDialog");
  // Free Pascal's and Lazarus' units, includes, programs and packages are
  // Delphi sources too.
  options.filters = {
      {QStringLiteral("All Delphi Files (*.pas, *.dpr, *.dfm, *.dpk, *.pp, *.inc, *.lpr, *.lpk)"),
       {QStringLiteral("*.pas"), QStringLiteral("*.dpr"), QStringLiteral("*.dfm"),
        QStringLiteral("*.dpk"), QStringLiteral("*.pp"), QStringLiteral("*.inc"),
        QStringLiteral("*.lpr"), QStringLiteral("*.lpk")}},
      {QStringLiteral("Text Files (*.txt)"), {QStringLiteral("*.txt")}},
      {QStringLiteral("All Files (*.*)"), {QStringLiteral("*.*")}}};
  options.initialFilter = 1;
  return options;
}

QString mainCaption(const std::string& outputFileName) {
  return kMainCaptionPrefix +
         (outputFileName.empty() ? QString(kUntitledDocument) : displayFileName(outputFileName));
}

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      keeper_(new ActivationKeeper(this)),
      openDialog_(context.fileDialogs(this, openDialogOptions())),
      saver_(this, context.fileDialogs),
      styleSheets_(this, context.fileDialogs) {
  setObjectName(QStringLiteral("TForm1"));
  setFont(windowFont());
  setGeometry(229, 161, 696, 539);
  createControls();
  createStatusBar();
  createMenus();
  acceptFileDrops();
  initialize();
}

MainWindow::~MainWindow() {
  for (const QPointer<QWidget>& window : std::as_const(ownWindows_)) delete window.data();
}

void MainWindow::createControls() {
  panel_ = new QFrame(this);
  panel_->setObjectName(QStringLiteral("Panel1"));
  panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setCentralWidget(panel_);
  sourceBox_ = makeGroupBox(panel_, "GroupBox1", " Delphi Source ");
  htmlBox_ = makeGroupBox(panel_, "GroupBox2", " HTML ");
  edSource_ = new Pane(QStringLiteral("edSource"), sourceBox_);
  edHTML_ = new Pane(QStringLiteral("edHTML"), htmlBox_);
  edHTML_->setReadOnly(true);
  divider_ = new Divider(QStringLiteral("Divider1"), panel_);
  connect(divider_, &Divider::dragged, this,
          [this](int x) { moveDivider(sourceShareAt(panel_->width(), x)); });
  connect(divider_, &Divider::evenSplitAsked, this, [this] { moveDivider(EvenShare); });
}

void MainWindow::createStatusBar() {
  status_ = std::make_unique<StatusReport>(*statusBar());
  livePanes_ = new LivePanes(*edSource_, *edHTML_, context_, *status_,
                             [this] { convertSourceKeepingCaret(); });
  viewOptions_ = new ViewOptionItems(
      context_.store, *this, [this](const ViewOptions& options) { livePanes_->change(options); });
}

void MainWindow::createMenus() {
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  const MenuCommand commands[] = {
      {"&File", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), "Open1", &MainWindow::open},
      {"&File", "&Save Output", QKeySequence(Qt::CTRL | Qt::Key_S), "Save1", &MainWindow::save},
      {"&File", "Save Output &As...", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S), "SaveAs1",
       &MainWindow::saveAs},
      {"&File", "Save St&yle Sheet...", QKeySequence(), "SaveStyleSheet1",
       &MainWindow::saveStyleSheet},
      {"&File", "&Exit", QKeySequence(), "Exit1", &MainWindow::exitProgram, true},
      {"&Options", "&Settings...", QKeySequence(Qt::Key_F3), "Settings1",
       &MainWindow::openSettings},
      {"&Options", "&Highlight Source", QKeySequence(), "HighlightSource1", nullptr, true,
       &ViewOptions::HighlightSource},
      {"&Options", "&Line Numbers", QKeySequence(), "LineNumbers1", nullptr, false,
       &ViewOptions::LineNumbers},
      {"&Output", "&Preview in Browser", QKeySequence(Qt::Key_F10), "PreviewInBrowser1",
       &MainWindow::preview},
      {"&Output", "&Copy Output to Clipboard", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C),
       "CopyoutputtoClipboard1", &MainWindow::copyToClipboard},
      {"&Output", "Copy &Formatted", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
       "CopyFormatted1", &MainWindow::copyFormatted},
      {"&Output", "&Convert / Refresh", QKeySequence(Qt::Key_F5), "Refresh1", &MainWindow::refresh},
      {"&Output", "Convert as You &Type", QKeySequence(), "ConvertAsYouType1", nullptr, false,
       &ViewOptions::ConvertAsYouType},
      {"&Help", "&Online Help", QKeySequence(Qt::Key_F1), "Contents1", &MainWindow::showHelp},
      {"&Help", "&About", QKeySequence(), "About1", &MainWindow::showAbout},
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
    if (command.option) {
      viewOptions_->attach(action, command.option);
      continue;
    }
    // Every command sees the HTML pane as the edits so far leave it.
    connect(action, &QAction::triggered, this, [this, handler = command.handler] {
      runCommand(this, [&] {
        livePanes_->catchUp();
        (this->*handler)();
      });
    });
  }
}

void MainWindow::acceptFileDrops() {
  auto* drops = new FileDropOpener([this](const QString& fileName) { openFile(fileName); }, this);
  drops->watch(this);
  drops->watch(edSource_->viewport());
  drops->watch(edHTML_->viewport());
}

void MainWindow::initialize() {
  saver_.forgetOutputFileName();
  showCaption();
  // The preview's place does not depend on the settings, so a store that
  // cannot be read now does not take it away for the rest of the run.
  previewFileName_ = previewFileNameFor(fileNameBytes(QApplication::applicationDirPath()));
  runCommand(this, [this] { GetTags(context_.store, context_.tags); });
  ViewOptions options;
  runCommand(this, [&] { options = viewOptions_->read(); });
  livePanes_->start(options);
}

void MainWindow::layOutPanes() {
  const FormLayout layout = computeFormLayout(panel_->width(), panel_->height(), sourceShare_);
  place(sourceBox_, layout.sourceBox);
  place(edSource_, layout.source);
  place(htmlBox_, layout.htmlBox);
  place(edHTML_, layout.html);
  place(divider_, layout.divider);
}

void MainWindow::moveDivider(double sourceShare) {
  sourceShare_ = sourceShare;
  layOutPanes();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  layOutPanes();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layOutPanes();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  previewPage_.removeIfOwn();
  previewSheet_.remove();
  event->accept();
  // The program ends with its main window, whatever else is open.
  QApplication::quit();
}

void MainWindow::showCaption() { setWindowTitle(mainCaption(saver_.outputFileName())); }

std::vector<std::string> MainWindow::convertLines(const std::vector<std::string>& lines) {
  GetTags(context_.store, context_.tags);
  return Convert(lines, context_.tags);
}

void MainWindow::open() {
  if (openDialog_->execute()) openChosenFile();
}

void MainWindow::openFile(const QString& fileName) {
  openDialog_->setFileName(QFileInfo(fileName).absoluteFilePath());
  runCommand(this, [this] { openChosenFile(); });
}

void MainWindow::openFromCommandLine(const QString& fileName) {
  openDialog_->setFileName(QFileInfo(fileName).absoluteFilePath());
  runCommand(this, [this] { openChosenFile(WhenNotConverted::SourceShows); });
}

void MainWindow::openChosenFile(WhenNotConverted whenNotConverted) {
  const std::string fileName = fileNameBytes(openDialog_->fileName());
  const QFileInfo file(openDialog_->fileName());
  const auto size = static_cast<std::uint64_t>(file.size());
  if (file.isFile() && size > context_.largeSourceSize && !confirmLargeSource(this, fileName, size))
    return;
  saver_.forgetOutputFileName();
  showCaption();
  loadSourceFile(fileName, whenNotConverted);
}

void MainWindow::loadSourceFile(const std::string& fileName, WhenNotConverted whenNotConverted) {
  const BusyCursor busy;
  // The tag set and the source pane's looks from one read of the settings.
  const SettingsReadGroup reads(context_.store);
  std::size_t lineCount = 0;
  try {
    const std::string bytes = readRegularFile(fileName);
    const CodePage page = codePageOf(bytes);
    const std::vector<std::string> lines = splitSourceLines(bytes);
    std::vector<std::string> html;
    try {
      html = convertLines(lines);
    } catch (const std::exception&) {
      if (whenNotConverted == WhenNotConverted::SourceShows) showSource(fileName, lines, page);
      throw;
    }
    showSource(fileName, lines, page);
    edHTML_->setLines(html, page);
    lineCount = lines.size();
  } catch (const std::bad_alloc&) {
    throw FileError("read", fileName, ENOMEM, TooLargeForMemory);
  }
  edHTML_->moveCaretToStart();
  livePanes_->converted(openedMessage(QFileInfo(displayFileName(fileName)).fileName(), lineCount));
}

void MainWindow::showSource(const std::string& fileName, const std::vector<std::string>& lines,
                            CodePage page) {
  edSource_->setLines(lines, page);
  edSource_->moveCaretToStart();
  saver_.proposeNameFor(fileName);
}

void MainWindow::refresh() {
  const BusyCursor busy;
  const SettingsReadGroup reads(context_.store);
  const std::vector<std::string> html = convertLines(edSource_->lines());
  edHTML_->setLines(html, edSource_->codePage());
  edHTML_->moveCaretToStart();
  livePanes_->converted(convertedMessage(html.size()));
}

void MainWindow::convertSourceKeepingCaret() {
  const BusyCursor busy;
  const SettingsReadGroup reads(context_.store);
  const std::vector<std::string> html = convertLines(edSource_->lines());
  edHTML_->replaceLinesKeepingView(html, edSource_->codePage());
  livePanes_->converted(convertedMessage(html.size()));
}

void MainWindow::save() {
  if (!saver_.outputFileName().empty() || saver_.chooseName()) writePageAndName();
}

void MainWindow::saveAs() {
  if (saver_.chooseName()) writePageAndName();
}

void MainWindow::writePageAndName() {
  if (needsSaveWarning(context_.store, context_.tags)) showStyleSheetWarning(this);
  saver_.writePage(context_.tags, edHTML_->lines(), viewOptions_->options().LineNumbers);
  showCaption();
  status_->say(savedMessage(displayFileName(saver_.outputFileName())));
  styleSheets_.offerBeside(context_.store, context_.tags, saver_.outputFileName());
}

void MainWindow::saveStyleSheet() { styleSheets_.saveAs(context_.store, saver_.outputFileName()); }

void MainWindow::exitProgram() { close(); }

void MainWindow::openSettings() {
  if (settingsDialog_ && settingsDialog_->isVisible()) {
    // The dialog brought forward holds the activation, even over a newer
    // About window.
    keeper_->keep(settingsDialog_);
    settingsDialog_->raise();
    settingsDialog_->activateWindow();
    return;
  }
  settingsDialog_ = new SettingsDialog(context_, *keeper_, [this] { convertSourceKeepingCaret(); });
  // Also while its file dialog is open, the settings dialog stays in front of this window.
  standAbove(settingsDialog_, this);
  showOwnWindow(settingsDialog_);
}

void MainWindow::showAbout() { showOwnWindow(new AboutWindow(*keeper_, context_.openUrl)); }

void MainWindow::showOwnWindow(QWidget* window) {
  ownWindows_.removeIf([](const QPointer<QWidget>& open) { return open.isNull(); });
  ownWindows_.append(window);
  window->show();
}

void MainWindow::preview() {
  if (needsStyleSheetWarning(context_.tags)) showStyleSheetWarning(this);
  preparePreviewFolder(previewFileName_, fileNameBytes(QApplication::applicationDirPath()));
  SaveOutput(previewFileName_, PreviewTitle, context_.tags, edHTML_->lines(),
             viewOptions_->options().LineNumbers);
  previewPage_.noteWritten(previewFileName_);
  // A sheet that cannot be written is reported, and the page still opens.
  runCommand(
      this, [this] { previewSheet_.writeBeside(previewFileName_, context_.tags, context_.store); });
  context_.openUrl(QUrl::fromLocalFile(displayFileName(previewFileName_)).toString());
}

void MainWindow::copyToClipboard() {
  edHTML_->copyLinesToClipboard();
  status_->say(copiedMessage(edHTML_->lineCount()));
}

void MainWindow::copyFormatted() {
  const BusyCursor busy;
  QApplication::clipboard()->setMimeData(formattedCopy(context_.store, *edSource_));
  status_->say(formattedCopyMessage(edSource_->lineCount()));
}

void MainWindow::showHelp() { context_.openUrl(helpAddress(context_.helpPage)); }
