#pragma once

#include "draw/PrizeAttachmentKey.h"
#include "draw/RandomGenerator.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class EditorPrompts;

// "生成奖品名单": adds entries for the prize draw to the open list editor, a six-digit code and
// the prize name for every unit, and attaches a picture and a sound to the prize name.
// Stays open so that several prizes can be added in one visit.
class TfrmCreateAw : public QDialog {
public:
    // `random` is the program's generator; `prompts` asks for the picture and sound files.
    TfrmCreateAw(IniStore& settings, RandomGenerator& random, EditorPrompts& prompts, QWidget* parent);

    void RzButton1Click();
    void Edit1Change();
    void RzCheckBox1Click();
    void RzCheckBox2Click();

private:
    void createComponents();
    // Asks for a file and stores it under the prize's key; the box shows whether one is attached.
    void attach(QCheckBox* box, prize::Attachment kind, const QString& filter);
    // Tells the operator once per name that only the beginning of a long name is shown.
    void warnLongName(const std::string& name);

    IniStore& m_settings;
    RandomGenerator& m_random;
    EditorPrompts& m_prompts;
    std::string m_warnedName;

    QSpinBox* SpinEdit1;
    QLineEdit* Edit1;
    QCheckBox* RzCheckBox1;
    QCheckBox* RzCheckBox2;
    QPushButton* RzButton1;
};

}  // namespace lotavo::ui
