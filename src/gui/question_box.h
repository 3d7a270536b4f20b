#pragma once

#include <QString>

class QWidget;

/// The button a question box's Enter presses.
enum class DefaultAnswer { No, Yes };

/// Asks a question in the program's question box: question icon, caption
/// "Tessaline", Yes and No with No the default unless said otherwise, plain
/// text. The box carries objectName, so tests can answer it. True for Yes.
bool askYesNo(QWidget* owner, const QString& objectName, const QString& text,
              DefaultAnswer defaultAnswer = DefaultAnswer::No);
