#pragma once
// Message boxes with an OK button only, shown on the user-interface thread.
#include <QString>

class QWidget;

namespace orvane::toolkit {

// A message without a title of its own (the platform's default title).
void ShowMessage(QWidget* parent, const QString& text);

// A failure: says what failed and what to do; titled with the program's name.
void ShowError(QWidget* parent, const QString& text);

}  // namespace orvane::toolkit
