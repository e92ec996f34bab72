#pragma once

#include "draw/ProgramFolder.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class DrawScreenLink;

// The temporary-level dialog: an unplanned prize level, its winners and its own list.
// Accepted ("确 定") once the settings hold the level; the draw screen then starts it.
class TTemporary : public QDialog {
public:
    TTemporary(IniStore& settings, ProgramFolder folder, DrawScreenLink& screen, QWidget* parent = nullptr);

    void FormShow();
    void RzSpinEdit2Exit();
    void RzCheckBox1Click(bool checked);
    void RzButton1Click();
    void RzButton2Click();
    void RzButton3Click();

    QLineEdit* RzEdit1 = nullptr;
    QLineEdit* RzEdit2 = nullptr;
    QSpinBox* RzSpinEdit1 = nullptr;
    QSpinBox* RzSpinEdit2 = nullptr;
    QCheckBox* RzCheckBox1 = nullptr;
    QPushButton* RzButton3 = nullptr;
    QPushButton* RzButton1 = nullptr;
    QPushButton* RzButton2 = nullptr;

private:
    void createComponents();

    IniStore& m_settings;
    ProgramFolder m_folder;
    DrawScreenLink& m_screen;
};

}  // namespace lotavo::ui
