#pragma once

#include "draw/ProgramFolder.h"

#include <QDialog>

#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class ViewerPrompts;

// "查看中奖结果": the results file of the draw as plain text, to read, edit, save under another
// name, replace by another text file, and print.
class TfrmZJSList : public QDialog {
    Q_OBJECT
public:
    // `resultsFileName` (GBK) names the results file in the program folder.
    TfrmZJSList(IniStore& settings, ProgramFolder folder, std::string resultsFileName, QWidget* parent = nullptr);
    ~TfrmZJSList() override;

    void Button4Click();
    void Button3Click();
    void Button5Click();
    void CheckBox1Click();
    void Button2Click();

    // The dialogs that ask for files and a font. Use only for testing.
    void setPrompts(std::unique_ptr<ViewerPrompts> prompts);

private:
    void FormCreate();
    // Replaces the text by a GBK file; false (reported) when it cannot be read.
    bool loadText(const std::string& path, int* lineCount = nullptr);

    IniStore& m_settings;
    ProgramFolder m_folder;
    std::string m_resultsFileName;
    std::unique_ptr<ViewerPrompts> m_prompts;

    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button5 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace lotavo::ui
