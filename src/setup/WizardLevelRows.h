#pragma once

#include "draw/ProgramFolder.h"

#include <QIcon>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace lotavo::ui {

class PrizePictureMenu;
class WizardScrollBox;
class WizardSettings;
class WizardSpinBox;
struct WizardDialogs;

// The prize levels on pages 2 to 4 of the wizard: one row of nine controls per level, spread
// over three scrolling areas, each control named after its kind and level and holding the
// level's value under that name as its settings key.
class WizardLevelRows {
public:
    // More rows than this are refused: nobody draws a thousand prize levels, and a settings
    // file that says so is damaged.
    static constexpr int kMaxLevels = 1000;

    WizardLevelRows(WizardSettings& settings, ProgramFolder folder, const WizardDialogs& dialogs, QWidget* page2,
                    QWidget* page3, QWidget* page4);
    ~WizardLevelRows();
    WizardLevelRows(const WizardLevelRows&) = delete;
    WizardLevelRows& operator=(const WizardLevelRows&) = delete;

    // The rows of levels 1..count from the stored values; writes nothing.
    void build(int count);
    int count() const { return static_cast<int>(RzEdit.size()); }

    void SbtnAddClick();
    void SbtnDelClick();

    // The sum of the stored winner counts of all levels, shown under "当前总中奖名额".
    int64_t total() const;
    void refreshTotal();

    // Completion: a level drawing more per press than it has winners draws them all at once.
    void clampPerPress();

    WizardScrollBox* scrollBox(int page) const;  // 2, 3 or 4

private:
    void createRow(int level, bool loadTexts);
    void connectRow(size_t index);
    void setLevelLabels(size_t index, const QString& title);
    void setScrollRanges(int height);

    void RzEditChange(size_t index);
    void AWRzEditChange(size_t index);
    void SpeedButtonMouseUp(size_t index);
    void RzSpinEditChange(size_t index);
    void rChange(size_t index);

    WizardSettings& m_settings;
    ProgramFolder m_folder;
    std::unique_ptr<PrizePictureMenu> m_pictureMenu;
    QIcon m_menuGlyph;  // null when Bmp/menu.bmp cannot be read

    WizardScrollBox* sbox;
    WizardScrollBox* ScrollBox1;
    WizardScrollBox* ScrollBox2;
    QPushButton* SbtnAdd;
    QPushButton* SbtnDel;
    QLabel* lblTotal;

    // The nine columns, rows in level order.
    std::vector<QLabel*> lblJxNameLabel;
    std::vector<QLineEdit*> RzEdit;
    std::vector<QLabel*> AWLabel;
    std::vector<QLineEdit*> AWRzEdit;
    std::vector<QToolButton*> SpeedButton;
    std::vector<QLabel*> LabelA;
    std::vector<WizardSpinBox*> RzSpinEdit;
    std::vector<QLabel*> LabelAB;
    std::vector<WizardSpinBox*> r;
};

}  // namespace lotavo::ui
