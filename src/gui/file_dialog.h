#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

/// One entry of a file dialog's filter list: the description the user sees
/// and the patterns it really matches (compared case-insensitively).
struct FileFilter {
  QString description;
  QStringList patterns;
};

/// What a file dialog is made with.
struct FileDialogOptions {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  QString objectName;
  QList<FileFilter> filters;
  /// 1-based number of the filter selected when first shown.
  int initialFilter = 1;
};

/// A file dialog kept by its owner; it reopens with the name and filter
/// confirmed last. Tests substitute their own answers.
class FileDialog {
 public:
  virtual ~FileDialog() = default;
  /// Shows the dialog modally; true when the user confirmed a file.
  virtual bool execute() = 0;
  /// The confirmed file's full path.
  virtual QString fileName() const = 0;
  /// The 1-based number of the filter selected at confirmation.
  virtual int filterIndex() const = 0;
  /// Takes fileName (a full path) as confirmed, as if it had been chosen in
  /// the dialog.
  virtual void setFileName(const QString& fileName) = 0;
  /// Until a name has been confirmed, the dialog opens in the folder of
  /// fileName (a full path) with its name filled in; once one has, the
  /// confirmed name comes back instead.
  virtual void proposeFileName(const QString& fileName) = 0;
};

using FileDialogFactory =
    std::function<std::unique_ptr<FileDialog>(QWidget* parent, const FileDialogOptions& options)>;

/// Opens an address with the user's default program; the result is ignored.
using UrlOpener = std::function<void(const QString& address)>;
