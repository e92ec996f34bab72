#pragma once

#include "draw/ListFile.h"
#include "draw/ListTools.h"
#include "draw/ProgramFolder.h"
#include "draw/RandomGenerator.h"
#include "setup/OfficeConverter.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class EditorPrompts;
class FindDialog;
class ListTextEdit;

// The participant list editor: a plain-text editor for a list file, one entry per line,
// with imports, clean-up tools, find and print. One instance at a time.
class TfrmJXName : public QDialog {
public:
    enum class Host { DrawScreen, Wizard, LevelExtras };

    TfrmJXName(IniStore& settings, ProgramFolder folder, Host host, QWidget* parent = nullptr);
    ~TfrmJXName() override;

    // The editor open now, which the number list generator and the prize creator write
    // into; null when there is none.
    static TfrmJXName* current();

    Host host() const { return m_host; }

    // Loads a list file (GBK) into the text; false after telling the operator why.
    bool loadFile(const std::string& path);
    // The current list file: closing saves to it when the operator agrees (a list named
    // Text.txt always to Text.txt in the program folder). A list that cannot be written is
    // reported and keeps the editor open, so close() then returns false.
    void setListFile(const std::string& path);
    const std::string& listFile() const;

    // The text as GBK entries, one per line.
    EntryList lines() const;
    // Replaces the text, or adds after its last line, and marks it modified.
    void setLines(const EntryList& lines);
    void appendLines(const EntryList& lines);
    int lineCount() const;

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Embedded in the wizard: a borderless child widget filling `page`. The wizard closes
    // it with close(), which asks about a changed list as the window does.
    void embedInto(QWidget* page);

    // The program's random generator, for the shuffle (otherwise one of its own).
    void setRandomGenerator(RandomGenerator* random) { m_random = random ? random : &m_ownRandom; }
    // Run when closing has saved the list as Text.txt: the host clears the draw list and
    // loads it from that file again.
    void setOnMainListSaved(std::function<void()> reload) { m_onMainListSaved = std::move(reload); }

    // The dialogs that ask for files, folders and text. Use only for testing.
    void setPrompts(std::unique_ptr<EditorPrompts> prompts);
    OfficeConverter& officeConverter() { return m_converter; }

    // "文件"
    void mnuImportTextClick();
    void mnuImportExcelClick();
    void mnuImportWordClick();
    void mnuImportPicturesClick();
    void mnuPrintClick();
    void mnuSaveClick();
    void mnuSaveAsClick();
    // "编辑"
    void mnuClearClick();
    void mnuSelectAllClick();
    void mnuCopyClick();
    void mnuPasteClick();
    void mnuCutClick();
    void mnuFindClick();
    // " 工具 "; the number list generator and the prize creator write into current().
    void mnuNumberListClick();
    void mnuPrizeListClick();
    void mnuJpgToBmpClick();
    void mnuShuffleClick();
    void mnuTrimClick();
    void mnuBlankLinesClick();
    void mnuDuplicatesClick();
    void mnuDeleteTailClick();

    void Memo1Change();
    void FindDialog1Find(const QString& text, bool matchCase);
    // Writes the working copy TempEdit.txt.
    void tmAutoSaveTimer();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents();
    QMenu* createFileMenu();
    QMenu* createEditMenu();
    QMenu* createToolsMenu();
    // The text from entries without touching the modified flag.
    void showLines(const EntryList& lines);
    EntryList linesReporting(std::vector<std::u32string>* unmappable) const;
    void updateLineCount();
    void showCaret(int line, int column, bool withLength);
    // Runs a clean-up tool on the lines with the progress window, then shows the result.
    void runTool(const std::function<void(EntryList&, const ToolProgress&)>& tool);
    bool saveOnClose();
    std::string workingCopyPath() const;
    void reportWriteFailure(const QString& what, const std::string& reason);
    void reportUnmappable(const std::vector<std::u32string>& unmappable);

    IniStore& m_settings;
    ProgramFolder m_folder;
    Host m_host;
    std::string m_listFile;
    bool m_modified = false;
    bool m_loading = false;
    bool m_embedded = false;
    QWidget* m_page = nullptr;
    int m_closeResult = QDialog::Rejected;

    QToolBar* ToolBar1;
    QToolButton* btnFile;
    QToolButton* btnEdit;
    QToolButton* btnTools;
    ListTextEdit* Memo1;
    QStatusBar* StatusBar1;
    QLabel* lblCaret;
    QLabel* lblTotal;
    QTimer* tmAutoSave;
    FindDialog* FindDialog1 = nullptr;

    RandomGenerator m_ownRandom;
    RandomGenerator* m_random = &m_ownRandom;
    std::unique_ptr<EditorPrompts> m_prompts;
    OfficeConverter m_converter;
    std::function<void()> m_onMainListSaved;
    int m_autoSaveInterval = 1000;
    bool m_autoSaveFailed = false;
};

}  // namespace lotavo::ui
