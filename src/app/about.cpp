#include "app/about.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QShowEvent>

#include "app/art.h"
#include "gui/activation_keeper.h"
#include "gui/fixed_texts.h"
#include "gui/link_label.h"
#include "gui/window_parts.h"

namespace {
constexpr QSize kClientSize(480, 297);

QFont underlined(QFont font) {
  font.setUnderline(true);
  return font;
}
}  // namespace

AboutWindow::AboutWindow(ActivationKeeper& keeper, UrlOpener openUrl, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      keeper_(keeper),
      openUrl_(std::move(openUrl)) {
  setObjectName(QStringLiteral("TForm4"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(kAboutCaption);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  setFixedSize(kClientSize);

  createElements();
}

bool AboutWindow::closing() const { return closing_; }

void AboutWindow::createElements() {
  placeShape(this, "Shape1", QRect(100, 104, 281, 145), Qt::white, Qt::gray);
  placeImage(this, "Image1", productLogo(), {80, 16});
  placeImage(this, "Image2", makerBanner(), {0, 264});

  const QFont bold = formFont(QFont::Bold);
  const QFont regular = formFont(QFont::Normal);
  paintOnWindowColour(placeLabel(new QLabel(this), "Label1", kVersionText, {328, 72}, bold));
  placeLabel(new QLabel(this), "Label3", QStringLiteral("Created By:"), {153, 123}, bold);
  placeLabel(new QLabel(this), "Label6", kAuthorCredit, {233, 123}, regular);
  placeLabel(new QLabel(this), "Label4", QStringLiteral(" Website:"), {150, 155}, bold);
  placeLabel(new QLabel(this), "Label5", QStringLiteral("Feedback:"), {153, 187}, bold);
  // The licence takes a fourth row inside the frame, in the rhythm of the three above.
  placeLabel(new QLabel(this), "lbLicenceCaption", QStringLiteral("Licence:"), {153, 219}, bold);
  placeLabel(new QLabel(this), "lbLicence", kLicenceName, {233, 219}, regular);

  auto* site = new LinkLabel(this);
  placeLabel(site, "Label7", kMakerSite, {231, 155}, underlined(regular));
  connect(site, &LinkLabel::clicked, this, &AboutWindow::openWebSite);
  auto* feedback = new LinkLabel(this);
  placeLabel(feedback, "Label8", kFeedbackAddress, {231, 187}, underlined(regular));
  connect(feedback, &LinkLabel::clicked, this, &AboutWindow::writeFeedback);
}

void AboutWindow::openWebSite() { openUrl_(kMakerSiteUrl); }

void AboutWindow::writeFeedback() { openUrl_(kFeedbackUrl); }

void AboutWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shownBefore_) {
    shownBefore_ = true;
    centreOnDesktop(this);
    keeper_.keep(this);
    qApp->installEventFilter(this);
  }
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  qApp->removeEventFilter(this);
  releaseActivation();
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      close();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType()) return false;
  QWidget* clicked = static_cast<QWidget*>(watched)->window();
  // A message box or a menu over another window is not that window.
  if (clicked == this || QApplication::activeModalWidget() || clicked->windowType() == Qt::Popup)
    return false;
  // The user works in another window now: this one goes, and the click goes
  // on into the window it was aimed at, which takes the activation.
  close();
  clicked->activateWindow();
  return false;
}

void AboutWindow::releaseActivation() {
  closing_ = true;
  keeper_.release(this);
}
