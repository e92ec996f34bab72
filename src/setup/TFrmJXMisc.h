#pragma once

#include "draw/ProgramFolder.h"

#include <QDialog>
#include <QPixmap>

#include <functional>
#include <string>

class QScrollArea;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class LevelCell;
class TfrmJXName;

// "设定奖级细节": one row per prize level, in which the operator gives a level its cover
// picture (a<n>), background (c<n>), own list (d<n>, List/u<n>.txt), exclusion list (e<n>,
// List/o<n>.txt) and the tail-number draw (s<n>). A click writes the key at once; the list
// buttons open the list editor on the level's file. The level count is Number AllJJ.
class TFrmJXMisc : public QDialog {
public:
    TFrmJXMisc(IniStore& settings, ProgramFolder folder, QWidget* parent = nullptr);

    int levelCount() const { return m_levels; }
    // The cell of column `letter` (a, c, d, u, e, o, s) in the row of `level`; null if none.
    LevelCell* cell(char letter, int level) const;

    // Toggle and button clicks, by column.
    void pictureCellClick(LevelCell* cell);  // a, c
    void listFlagClick(LevelCell* cell);     // d, e
    void tailFlagClick(LevelCell* cell);     // s
    void listButtonClick(LevelCell* cell);   // u, o

    // The picture the next picture cell gets instead of asking (empty: cancelled), and what is
    // done with the list editor instead of showing it modally. Use only for testing.
    void setPictureChooser(std::function<QString()> chooser) { m_pictureChooser = std::move(chooser); }
    void setEditorRunner(std::function<void(TfrmJXName&)> runner) { m_runEditor = std::move(runner); }

private:
    void buildRows();
    void addHeader(QWidget* content, const QString& caption, int centre);
    LevelCell* addCell(QWidget* content, char letter, int level, int left);
    void showState(LevelCell* cell);
    std::string keyOf(const LevelCell* cell) const;
    std::string listFileOf(char listLetter, int level) const;
    bool write(const LevelCell* cell, const std::string& error);
    QString choosePicture();

    IniStore& m_settings;
    ProgramFolder m_folder;
    int m_levels = 1;

    QScrollArea* ScrollBox1 = nullptr;
    QPixmap m_set;
    QPixmap m_notSet;
    QPixmap m_file;

    std::function<QString()> m_pictureChooser;
    std::function<void(TfrmJXName&)> m_runEditor;
};

}  // namespace lotavo::ui
