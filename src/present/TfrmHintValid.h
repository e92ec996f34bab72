#pragma once

#include "draw/ProgramFolder.h"
#include "present/PopupMemory.h"

#include <QDialog>
#include <QPixmap>

#include <string>

class QAction;
class QMenu;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class PictureButton;

// The confirmation of a press: "确 认" (Accepted) or "取消" (Rejected, also Esc and any other
// close) on a background picture that carries the question. Borderless and modal; Ctrl and
// the left button on the background move it; the place and the button font are kept in
// section Option.
class TfrmHintValid : public QDialog {
public:
    TfrmHintValid(IniStore& settings, ProgramFolder folder, QWidget* parent = nullptr);

    PictureButton* confirmButton() const { return RzBmpButton1; }
    PictureButton* cancelButton() const { return RzBmpButton2; }

    void N1Click();
    // Until the operator has placed the window, it opens clear of this area (screen
    // coordinates): the winners it is about stay readable.
    void keepClearOf(const QRect& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void applyFont(const QFont& font, const QColor& colour);

    PopupMemory m_memory;
    ProgramFolder m_folder;

    QWidget* RzBackground1 = nullptr;
    PictureButton* RzBmpButton1 = nullptr;
    PictureButton* RzBmpButton2 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr;
};

}  // namespace lotavo::ui
