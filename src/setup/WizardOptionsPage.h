#pragma once

#include "draw/ProgramFolder.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QSpinBox;

namespace lotavo::ui {

class WizardSettings;

// Page 6 of the wizard: the options of the chosen mode. Modes 1 to 3 show the winner pop-up
// group, mode 4 the picture group.
class WizardOptionsPage : public QWidget {
public:
    WizardOptionsPage(WizardSettings& settings, ProgramFolder folder, QWidget* parent);

    // Which group shows.
    void showGroupFor(int mode);
    // Opening: every control from its key; a spin whose shown number changes rewrites its key.
    void load();

    void btnAutoPosClick();
    void btnClearPosClick();
    void CheckBox20Click();
    void SpinEdit8Change();
    void CheckBox23Click();
    void SpinEdit21Change();
    void CheckBox1Click();
    void RzCheckBox1Click();
    void RzCheckBox2Click();

private:
    void createPopupGroup();
    void createPictureGroup();
    QSpinBox* secondsSpin(QWidget* parent, const char* name, int left, int top);

    WizardSettings& m_settings;
    ProgramFolder m_folder;

    QGroupBox* gbPopup = nullptr;
    QPushButton* btnAutoPos = nullptr;
    QPushButton* btnClearPos = nullptr;
    QCheckBox* CheckBox20 = nullptr;
    QSpinBox* SpinEdit8 = nullptr;
    QCheckBox* CheckBox23 = nullptr;
    QSpinBox* SpinEdit21 = nullptr;
    QCheckBox* CheckBox1 = nullptr;

    QGroupBox* gbPicture = nullptr;
    QCheckBox* RzCheckBox1 = nullptr;
    QCheckBox* RzCheckBox2 = nullptr;
};

}  // namespace lotavo::ui
