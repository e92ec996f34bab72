#pragma once

#include <QString>

class QFont;
class QWidget;

namespace lotavo::ui {

// The standard dialogs of the winners list viewer. A test answers them by overriding these.
class ViewerPrompts {
public:
    virtual ~ViewerPrompts() = default;

    // A text file to open, starting in `folder`; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& folder);
    // A name to save under; empty when cancelled.
    virtual QString saveFileName(QWidget* parent);
    // The font dialog starting with `font`; true with `font` replaced when OK.
    virtual bool chooseFont(QWidget* parent, QFont& font);
};

}  // namespace lotavo::ui
