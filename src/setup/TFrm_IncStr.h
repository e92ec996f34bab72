#pragma once

#include "draw/ProgramFolder.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace lotavo::ui {

// "生成编号": replaces the text of the open list editor by a run of consecutive numbers of
// fixed width, each between an optional prefix and suffix.
class TFrm_IncStr : public QDialog {
public:
    TFrm_IncStr(ProgramFolder folder, QWidget* parent);

    void RzButton1Click();

    // Whether a run is under way (the dialog then ignores its button and closing).
    bool running() const { return m_running; }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createComponents();
    QLineEdit* numberField(QWidget* parent, const char* name, int left, int top);
    // Builds the lines, writes temp.txt and loads it into the editor; false when the
    // scratch file cannot be written.
    bool generate(const std::string& startText, int64_t lines);
    void setRunning(bool running);

    ProgramFolder m_folder;
    bool m_running = false;

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QProgressBar* ProgressBar1;
    QPushButton* RzButton1;
};

}  // namespace lotavo::ui
