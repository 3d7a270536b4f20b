#pragma once

#include <QFont>
#include <QPoint>

class QColor;
class QFrame;
class QLabel;
class QPixmap;
class QRect;
class QString;
class QWidget;

// The pieces of the fixed-layout windows: fixed places in pixels, one font.

/// The fixed windows' font: Arial 8 pt (Liberation Sans where Arial is absent).
QFont formFont(QFont::Weight weight);

/// The working windows' font (main window, settings dialog): MS Sans Serif
/// 8 pt; where it is absent, Liberation Sans, close to it in size, rather
/// than whatever sans the system would pick.
QFont windowFont();

/// Names label, gives it its plain text and font and puts it at its place;
/// it sizes itself to the text.
QLabel* placeLabel(QLabel* label, const char* name, const QString& text, QPoint at,
                   const QFont& font);

/// Sets the label's text in the system's window-text colour, or in textColour,
/// on the system's window colour.
void paintOnWindowColour(QLabel* label);
void paintOnWindowColour(QLabel* label, const QColor& textColour);

/// An image at its place, as large as its bitmap.
QLabel* placeImage(QWidget* parent, const char* name, const QPixmap& bitmap, QPoint at);

/// Moves the window so that the middle of it with its frame is the middle of
/// the primary screen's desktop.
void centreOnDesktop(QWidget* window);

/// Keeps window in front of owner on the desktop, as window managers keep a
/// window in front of the one it stands for, without owner owning it.
void standAbove(QWidget* window, QWidget* owner);

/// A filled rectangle with a one-pixel outline.
QFrame* placeShape(QWidget* parent, const char* name, const QRect& bounds, const QColor& fill,
                   const QColor& outline);
