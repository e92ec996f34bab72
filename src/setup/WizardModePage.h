#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class QRadioButton;
class QToolButton;

namespace lotavo::ui {

class WizardSettings;
struct WizardDialogs;

// Page 1 of the wizard: the draw mode to apply on completion, and the four texts of the draw
// screen (title, subtitle, hint line, bottom marquee) with their fonts and effects.
class WizardModePage : public QWidget {
    Q_OBJECT
public:
    WizardModePage(WizardSettings& settings, const WizardDialogs& dialogs, QWidget* parent);

    // Opening: the mode button of `mode` is checked, then the fields take the screen's texts.
    void setMode(int mode);
    void fillTexts();

    int selectedMode() const;

    void RBModeClick(int mode);
    void EditChange(int field);      // 0..3: Edit1..Edit4
    void FontSizeClick(int field);   // 0..3
    void BClick(int field);          // 0..2: the effect buttons B1..B3
    void B4Click();

signals:
    void modeChosen(int mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createModeButtons();
    void createTextFields();
    void showMarqueeState();

    WizardSettings& m_settings;
    const WizardDialogs& m_dialogs;
    std::array<QRadioButton*, 4> RBMode {};
    std::array<QLineEdit*, 4> Edit {};
    std::array<QToolButton*, 4> FontSize {};
    std::array<QToolButton*, 4> B {};
};

}  // namespace lotavo::ui
