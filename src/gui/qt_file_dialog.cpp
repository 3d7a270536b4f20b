#include "gui/qt_file_dialog.h"

#include "gui/pattern_filter_proxy.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>

QtFileDialog::QtFileDialog(QWidget* parent, const FileDialogOptions& options)
    : options_(options), dialog_(new QFileDialog(parent)), confirmedFilter_(options.initialFilter) {
  dialog_->setObjectName(options.objectName);
  dialog_->setOption(QFileDialog::DontUseNativeDialog);
  if (options.kind == FileDialogOptions::Kind::Save) {
    dialog_->setAcceptMode(QFileDialog::AcceptSave);
    dialog_->setFileMode(QFileDialog::AnyFile);
  } else {
    dialog_->setAcceptMode(QFileDialog::AcceptOpen);
    dialog_->setFileMode(QFileDialog::ExistingFile);
  }
  proxy_ = new PatternFilterProxy(dialog_);
  dialog_->setProxyModel(proxy_);
  files_ = qobject_cast<QFileSystemModel*>(proxy_->sourceModel());
  filterBox_ = dialog_->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  nameEdit_ = dialog_->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));

  QStringList descriptions;
  for (const FileFilter& filter : options.filters) descriptions.append(filter.description);
  dialog_->setNameFilters(descriptions);
  dialog_->selectNameFilter(descriptions.value(options.initialFilter - 1));
  useSelectedFilter();

  if (filterBox_) {
    QObject::connect(filterBox_, &QComboBox::activated, dialog_, [this] {
      keepNameAcrossFilterChange();
      useSelectedFilter();
    });
  }
  if (nameEdit_) {
    QObject::connect(nameEdit_, &QLineEdit::textChanged, dialog_, [this](const QString& text) {
      nameBeforeLastEdit_ = currentName_;
      currentName_ = text;
    });
  }
}

QtFileDialog::~QtFileDialog() { delete dialog_.data(); }

bool QtFileDialog::execute() {
  // A filter picked in a cancelled showing is not kept; the name goes after
  // the filter, whose choosing may change the name's extension.
  dialog_->selectNameFilter(options_.filters.value(confirmedFilter_ - 1).description);
  const QString shownName = confirmedName_.isEmpty() ? proposedName_ : confirmedName_;
  if (!shownName.isEmpty()) dialog_->selectFile(shownName);
  useSelectedFilter();
  const int result = dialog_->exec();
  hideNameCompletions();
  if (result != QDialog::Accepted || dialog_->selectedFiles().isEmpty()) return false;
  confirmedName_ = dialog_->selectedFiles().constFirst();
  confirmedFilter_ = filterBox_ ? filterBox_->currentIndex() + 1 : options_.initialFilter;
  return true;
}

QString QtFileDialog::fileName() const { return confirmedName_; }

int QtFileDialog::filterIndex() const { return confirmedFilter_; }

void QtFileDialog::setFileName(const QString& fileName) { confirmedName_ = fileName; }

void QtFileDialog::proposeFileName(const QString& fileName) { proposedName_ = fileName; }

QFileDialog& QtFileDialog::dialog() const { return *dialog_; }

void QtFileDialog::useSelectedFilter() {
  const int index = filterBox_ ? filterBox_->currentIndex() : options_.initialFilter - 1;
  // Qt reads its own patterns out of the description's parentheses ("*.pas,"
  // with its comma); the proxy matches the real ones instead.
  if (files_) files_->setNameFilters({});
  proxy_->setPatterns(options_.filters.value(index).patterns);
}

void QtFileDialog::hideNameCompletions() {
  // Enter pressed while the list of completions shows closes the dialog but
  // leaves the list standing over the main window.
  if (QCompleter* completer = nameEdit_ ? nameEdit_->completer() : nullptr)
    if (completer->popup()) completer->popup()->hide();
}

void QtFileDialog::keepNameAcrossFilterChange() {
  // On a filter change Qt's save dialog swaps the typed name's extension for
  // the filter's, which for "*.*" gives "page.*"; put the typed name back.
  if (nameEdit_ && currentName_.endsWith(QLatin1String(".*")))
    nameEdit_->setText(nameBeforeLastEdit_);
}

FileDialogFactory qtFileDialogFactory() {
  return [](QWidget* parent, const FileDialogOptions& options) -> std::unique_ptr<FileDialog> {
    return std::make_unique<QtFileDialog>(parent, options);
  };
}
