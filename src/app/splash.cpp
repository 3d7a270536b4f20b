#include "app/splash.h"

#include <QLabel>
#include <QPalette>
#include <QTimer>

#include "app/art.h"
#include "gui/fixed_texts.h"
#include "gui/window_parts.h"

namespace {
constexpr int kFrameWidth = 1;
constexpr QSize kClientSize(498, 298);
constexpr int kShowMainAfterMs = 1500;
}  // namespace

SplashWindow::SplashWindow(QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      mainWindow_(mainWindow),
      clientArea_(new QWidget(this)) {
  setObjectName(QStringLiteral("TForm3"));
  // The window's own black shows only in the frame around the client area.
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  setFixedSize(kClientSize + QSize(2 * kFrameWidth, 2 * kFrameWidth));
  clientArea_->setGeometry(QRect(QPoint(kFrameWidth, kFrameWidth), kClientSize));

  initialize();
  createElements();
  startCloseTimer();
  centreOnDesktop(this);
}

QWidget* SplashWindow::clientArea() const { return clientArea_; }

void SplashWindow::initialize() {
  placeShape(clientArea_, "Shape1", clientArea_->rect(), Qt::white,
             palette().color(QPalette::Base));
}

void SplashWindow::createElements() {
  placeImage(clientArea_, "Image1", makerBanner(), {9, 16});
  placeImage(clientArea_, "Image2", productLogo(), {89, 111});
  const QFont bold = formFont(QFont::Bold);
  paintOnWindowColour(
      placeLabel(new QLabel(clientArea_), "Label3", kVersionText, {336, 168}, bold));
  paintOnWindowColour(placeLabel(new QLabel(clientArea_), "Label1", kMakerName, {192, 250}, bold));
  paintOnWindowColour(placeLabel(new QLabel(clientArea_), "Label2", kMakerSite, {200, 264},
                                 formFont(QFont::Normal)),
                      Qt::gray);
}

void SplashWindow::startCloseTimer() {
  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setSingleShot(true);
  // Not a moment early: a coarse timer may fire a little before its time.
  timer1_->setTimerType(Qt::PreciseTimer);
  connect(timer1_, &QTimer::timeout, this, &SplashWindow::Timer1Timer);
  timer1_->start(kShowMainAfterMs);
}

void SplashWindow::Timer1Timer() {
  if (mainWindow_) mainWindow_->showMaximized();
  hide();
  timer1_->deleteLater();
  timer1_ = nullptr;
  emit mainWindowShown();
}
