#include "app/page_saver.h"

#include "gui/display_text.h"
#include "gui/fixed_texts.h"
#include "gui/question_box.h"
#include "output/file_name_rules.h"
#include "output/page_writer.h"

#include <QFileInfo>

namespace {

bool confirmReplace(QWidget* owner, const std::string& fileName) {
  return askYesNo(owner, QStringLiteral("ReplaceQuestion"),
                  displayFileName(fileNamePart(fileName)) + kReplaceQuestion);
}

}  // namespace

FileDialogOptions saveDialogOptions() {
  FileDialogOptions options;
  options.kind = FileDialogOptions::Kind::Save;
  options.objectName = QStringLiteral("SaveDialog");
  options.filters = {{QStringLiteral("All Files (*.*)"), {QStringLiteral("*.*")}},
                     {QStringLiteral("HTML File (*.html)"), {QStringLiteral("*.html")}},
                     {QStringLiteral("HTM File (*.htm)"), {QStringLiteral("*.htm")}},
                     {QStringLiteral("SSI File (*.shtml)"), {QStringLiteral("*.shtml")}}};
  options.initialFilter = HtmlFilter;
  return options;
}

PageSaver::PageSaver(QWidget* owner, const FileDialogFactory& dialogs)
    : owner_(owner), dialog_(dialogs(owner, saveDialogOptions())) {}

bool PageSaver::chooseName() {
  if (!dialog_->execute()) return false;
  const std::string confirmed = fileNameBytes(dialog_->fileName());
  const std::string extended = applyExtensionRule(confirmed, dialog_->filterIndex());
  // The dialog asked about the name as typed; the added extension names
  // another file, which is asked about here.
  if (extended != confirmed && QFileInfo::exists(displayFileName(extended)) &&
      !confirmReplace(owner_, extended))
    return false;
  outputFileName_ = extended;
  confirmedName_ = confirmed;
  return true;
}

void PageSaver::proposeNameFor(const std::string& sourceFileName) {
  dialog_->proposeFileName(displayFileName(sourceFileName + ".html"));
}

void PageSaver::writePage(const TagSet& tags, const std::vector<std::string>& lines,
                          bool lineNumbers) const {
  SaveOutput(outputFileName_, htmlTitle(fileNamePart(confirmedName_)), tags, lines, lineNumbers);
}
