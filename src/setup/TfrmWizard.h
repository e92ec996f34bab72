#pragma once

#include "draw/ProgramFolder.h"
#include "setup/WizardDialogs.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class QPushButton;
class QStackedWidget;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class DrawScreenLink;
class TfrmJXName;
class WizardLevelRows;
class WizardModePage;
class WizardOptionsPage;
class WizardSettings;

// The setup wizard "设置向导": six pages that prepare a draw (mode and screen texts, level
// names, prizes, winner counts, the participant list, the options of the mode). Every control
// writes its key the moment it changes and the draw screen follows at once; "完成" applies the
// mode and the level count. Nothing is undone by "取消".
//
// Run it modally with exec(): QDialog::Accepted (and completed()) after "完成", when the caller
// starts a new session; Rejected after "取消" or the close box.
class TfrmWizard : public QDialog {
public:
    TfrmWizard(IniStore& settings, ProgramFolder folder, DrawScreenLink& screen, QWidget* parent = nullptr);
    ~TfrmWizard() override;

    bool completed() const { return m_completed; }

    // The dialogs the wizard opens; the standard font and file dialogs unless set here.
    void setDialogs(WizardDialogs dialogs);

    // Pages are numbered 1..6.
    int currentPage() const;
    void showPage(int page);
    int levelCount() const;

    void BtnPriorClick();
    void BtnNextClick();
    void BtnFinishClick();
    void BtnCancelClick();

protected:
    // Every way out (completion, cancel, Esc, the close box) ends here.
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPages();
    QWidget* createPage(const QString& step, const QString& description);
    void createButtons();
    void FormCreate();
    int storedLevelCount();
    void embedListEditor();
    void pageShown(int page);
    void applyMode(int mode);
    void resetPrizeDisplay();
    bool listStartsWithPicture() const;
    bool FormClose();

    std::unique_ptr<WizardSettings> m_settings;
    ProgramFolder m_folder;
    DrawScreenLink& m_screen;
    WizardDialogs m_dialogs;

    QStackedWidget* PageControl1 = nullptr;
    WizardModePage* m_modePage = nullptr;
    std::unique_ptr<WizardLevelRows> m_levels;
    QWidget* ListPanel = nullptr;
    WizardOptionsPage* m_optionsPage = nullptr;
    QPointer<TfrmJXName> m_editor;

    QPushButton* BtnPrior = nullptr;
    QPushButton* BtnNext = nullptr;
    QPushButton* BtnFinish = nullptr;
    QPushButton* BtnCancel = nullptr;

    bool m_completed = false;
    bool m_closed = false;
};

}  // namespace lotavo::ui
