#include "gui/window_parts.h"

#include <QColor>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <QWindow>

namespace {
// The layouts are in pixels at 96 dpi, where 8 pt is a character height of 11
// pixels; a pixel size keeps the text inside its layout on any screen.
constexpr int kCharacterHeight = 11;
}  // namespace

QFont formFont(QFont::Weight weight) {
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setPixelSize(kCharacterHeight);
  font.setWeight(weight);
  return font;
}

QFont windowFont() {
  QFont font(QStringLiteral("MS Sans Serif"), 8);
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
  return font;
}

QLabel* placeLabel(QLabel* label, const char* name, const QString& text, QPoint at,
                   const QFont& font) {
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setFont(font);
  label->move(at);
  label->adjustSize();
  return label;
}

void paintOnWindowColour(QLabel* label) {
  label->setBackgroundRole(QPalette::Base);
  label->setForegroundRole(QPalette::Text);
  label->setAutoFillBackground(true);
}

void paintOnWindowColour(QLabel* label, const QColor& textColour) {
  paintOnWindowColour(label);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Text, textColour);
  label->setPalette(palette);
}

QLabel* placeImage(QWidget* parent, const char* name, const QPixmap& bitmap, QPoint at) {
  auto* image = new QLabel(parent);
  image->setObjectName(QString::fromLatin1(name));
  image->setPixmap(bitmap);
  image->setGeometry(QRect(at, bitmap.size()));
  return image;
}

void centreOnDesktop(QWidget* window) {
  const QScreen* desktop = QGuiApplication::primaryScreen();
  if (desktop == nullptr) return;
  // A window's position is that of its frame, known once it is shown.
  QRect frame = window->frameGeometry();
  frame.moveCenter(desktop->availableGeometry().center());
  window->move(frame.topLeft());
}

void standAbove(QWidget* window, QWidget* owner) {
  // Both need a window of the window system for it to know which is which.
  window->winId();
  owner->winId();
  window->windowHandle()->setTransientParent(owner->windowHandle());
}

QFrame* placeShape(QWidget* parent, const char* name, const QRect& bounds, const QColor& fill,
                   const QColor& outline) {
  auto* shape = new QFrame(parent);
  shape->setObjectName(QString::fromLatin1(name));
  shape->setFrameStyle(QFrame::Box | QFrame::Plain);
  shape->setLineWidth(1);
  QPalette palette = shape->palette();
  palette.setColor(QPalette::Window, fill);
  palette.setColor(QPalette::WindowText, outline);
  shape->setPalette(palette);
  shape->setAutoFillBackground(true);
  shape->setGeometry(bounds);
  return shape;
}
