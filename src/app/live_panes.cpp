#include "app/live_panes.h"

#include "app/live_conversion.h"
#include "app/status_messages.h"
#include "app/status_report.h"
#include "gui/display_text.h"
#include "gui/pane.h"
#include "gui/pane_edits.h"
#include "gui/source_highlighter.h"
#include "gui/source_looks.h"
#include "settings/theme_store.h"

#include <exception>
#include <utility>

LivePanes::LivePanes(Pane& source, Pane& html, AppContext& context, StatusReport& status,
                     std::function<void()> convertAll)
    : QObject(&source),
      context_(context),
      status_(status),
      convertAll_(std::move(convertAll)),
      edits_(new PaneEdits(source)),
      highlighter_(new SourceHighlighter(source, *edits_)),
      live_(new LiveConversion(source, html, *edits_, context.store, context.tags, convertAll_)) {
  connect(edits_, &PaneEdits::editing, this, [this] {
    if (!live_->isEnabled()) status_.setOutOfDate(true);
  });
  connect(live_, &LiveConversion::followed, this, [this] { status_.setOutOfDate(false); });
  connect(live_, &LiveConversion::failed, this, [this](const QString& error) {
    status_.say(notFollowedMessage(error));
    status_.setOutOfDate(true);
  });
}

void LivePanes::start(const ViewOptions& options) {
  showHighlighting(options.HighlightSource);
  live_->setEnabled(options.ConvertAsYouType);
  live_->restart();
}

void LivePanes::change(const ViewOptions& options) {
  showHighlighting(options.HighlightSource);
  const bool startsFollowing = options.ConvertAsYouType && !live_->isEnabled();
  live_->setEnabled(options.ConvertAsYouType);
  if (startsFollowing) convertAll_();
}

void LivePanes::converted(const QString& message) {
  status_.say(message);
  status_.setOutOfDate(false);
  if (highlighter_->isEnabled()) readLooks();
  live_->restart();
}

void LivePanes::catchUp() { live_->catchUp(); }

void LivePanes::showHighlighting(bool on) {
  if (on && !highlighter_->isEnabled()) readLooks();
  highlighter_->setEnabled(on);
}

void LivePanes::readLooks() {
  try {
    const SettingsReadGroup reads(context_.store);
    Theme theme;
    readTheme(context_.store, theme, ThemeKeys::InCode);
    highlighter_->setLooks(sourceLooksOf(theme));
  } catch (const std::exception& error) {
    status_.say(looksNotReadMessage(displayText(error.what())));
  }
}
