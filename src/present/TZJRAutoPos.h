#pragma once

#include "draw/ProgramFolder.h"

#include <QDialog>
#include <QSize>

class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class MoverSizer;
class PictureView;

// "自动排列位置设定 ": where the automatic arrangement of the winner pop-up starts, where its
// rows wrap and the gaps between rows and cells (section frmMainLabel). The pop-up reads
// them at its next showing. A preview of the pop-up background at a third of the screen
// carries the arrangement area, which the operator drags and sizes with the mouse.
class TZJRAutoPos : public QDialog {
public:
    // `screen` is the size of the screen the pop-up covers.
    TZJRAutoPos(IniStore& settings, ProgramFolder folder, QSize screen, QWidget* parent);

    // Opens the dialog modally over `owner`, on the screen of `owner`; `captionSuffix`
    // extends the caption.
    static void open(IniStore& settings, const ProgramFolder& folder, QWidget* owner, const QString& captionSuffix);

    void Button1Click();
    void SpinEdit3Change();
    void SpinEdit4Change();

    // Outer size of the dialog the preview is centred in: 501 × 401, larger only where the
    // preview of a big screen would otherwise cover the controls.
    static QSize dialogSize(QSize screen);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createComponents();
    void FormCreate();
    void loadPreview();
    void placeControls();
    void write(const char* key, int value);

    IniStore& m_settings;
    ProgramFolder m_folder;
    QSize m_screen;
    bool m_writeFailed = false;

    QFrame* Panel1;
    PictureView* Image1;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* lbltipLabel5;
    QSpinBox* SpinEdit3;
    QSpinBox* SpinEdit4;
    QPushButton* Button1;
    MoverSizer* Resizer1;
};

}  // namespace lotavo::ui
