#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;

/// The text the error box shows: the message, with a full stop appended when
/// its last character sorts after ".".
QString errorBoxText(const QString& message);

/// Shows an error in the program's error box: critical icon, caption
/// "Tessaline", OK, plain text.
void showErrorBox(QWidget* parent, const std::exception& error);

/// Runs one command; whatever it raises is shown in the error box and goes no
/// further, so no exception ever crosses the event loop. True when it ran
/// through without an error.
bool runCommand(QWidget* parent, const std::function<void()>& command);
