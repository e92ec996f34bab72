#pragma once

#include <QString>

class QWidget;

namespace lotavo::ui {

// The questions the list editor asks the operator through standard dialogs: files, folders and
// a line of text. A test answers them by overriding these.
class EditorPrompts {
public:
    virtual ~EditorPrompts() = default;

    // A file to open or save under; empty when cancelled. `filter` in Qt's form.
    virtual QString openFileName(QWidget* parent, const QString& filter);
    virtual QString saveFileName(QWidget* parent, const QString& filter);
    // A folder; false when cancelled.
    virtual bool folder(QWidget* parent, const QString& prompt, QString& path);
    // The input box; false when cancelled (value unchanged).
    virtual bool text(QWidget* parent, const QString& caption, const QString& prompt, QString& value);
};

}  // namespace lotavo::ui
