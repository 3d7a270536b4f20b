#pragma once

#include "app/app_context.h"
#include "settings/view_options.h"

#include <QObject>
#include <QString>
#include <functional>

class LiveConversion;
class Pane;
class PaneEdits;
class SourceHighlighter;
class StatusReport;

/// What the panes show while the user types: the source pane in the
/// theme's in-code looks, the HTML pane following the source while the user
/// converts as he types, and the out-of-date notice while the HTML pane lags
/// behind the source. The main window tells it of every conversion and of
/// the view options.
class LivePanes : public QObject {
  Q_OBJECT
 public:
  /// convertAll converts the whole source pane into the HTML pane (and then
  /// calls converted()), raising what fails.
  LivePanes(Pane& source, Pane& html, AppContext& context, StatusReport& status,
            std::function<void()> convertAll);

  /// Takes the options at start, while both panes are empty.
  void start(const ViewOptions& options);
  /// Takes the options as the user changed them. To start converting as
  /// you type, the whole source is converted first; an error goes to the
  /// caller.
  void change(const ViewOptions& options);
  /// The HTML pane now holds the whole source converted, which message
  /// tells: the looks are read afresh and the HTML pane follows from here.
  void converted(const QString& message);
  /// Brings the HTML pane up to date now, when it follows the source.
  void catchUp();

 private:
  /// Reads the looks from the store; an error is told in the status bar and
  /// leaves the looks as they were.
  void readLooks();
  void showHighlighting(bool on);

  AppContext& context_;
  StatusReport& status_;
  std::function<void()> convertAll_;
  PaneEdits* edits_;
  SourceHighlighter* highlighter_;
  LiveConversion* live_;
};
