#pragma once

#include "draw/DrawHost.h"

#include <QString>

#include <deque>

class QWidget;

// The small services every window uses: message boxes with the program's captions, the
// fading message, the input box, the pumped delay and the folder picker.
namespace lotavo::ui {

// A modal message box; `defaultButton` is 0-based in the order Yes/OK, No, Cancel.
MessageAnswer messageBox(QWidget* parent, const QString& text, const QString& caption, MessageButtons buttons,
                         MessageIcon icon, int defaultButton = 0);

// The next message boxes answer at once with these, in order, without showing anything.
// Use only for testing.
void setNextMessageAnswers(std::deque<MessageAnswer> answers);
// The texts of the message boxes answered that way, in order. Use only for testing.
QStringList answeredMessages();

// The non-modal notice that slides in at the bottom right: 0 error, 1 information, 2 warning
// (any other value shows as information). Never takes the keyboard focus.
void showFadingMessage(const QString& text, int style = 1);
void showErrorMessage(const QString& text);

// A one-line prompt with "确定(&Y)" and "取消(&C)"; true with `value` replaced when OK.
bool inputBox(QWidget* parent, const QString& caption, const QString& prompt, QString& value);

// Waits `milliseconds` while the windows keep handling their events.
void pumpedDelay(double milliseconds);

// The folder-browse dialog; true with `path` set when a folder was chosen.
bool pickFolder(QWidget* owner, const QString& title, const QString& startFolder, QString& path);

}  // namespace lotavo::ui
