#include "app/status_report.h"

#include "app/status_messages.h"

#include <QLabel>
#include <QStatusBar>

StatusReport::StatusReport(QStatusBar& bar)
    : bar_(bar), notice_(new QLabel(QString::fromLatin1(OutOfDateNotice), &bar)) {
  bar_.setObjectName(QStringLiteral("StatusBar1"));
  notice_->setObjectName(QStringLiteral("OutOfDateNotice"));
  notice_->setTextFormat(Qt::PlainText);
  bar_.addPermanentWidget(notice_);
  notice_->hide();
}

void StatusReport::say(const QString& message) { bar_.showMessage(message); }

void StatusReport::setOutOfDate(bool outOfDate) { notice_->setVisible(outOfDate); }
