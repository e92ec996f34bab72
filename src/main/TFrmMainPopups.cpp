// The small windows the draw opens on its way: the end-of-level pop-up, the confirmation of
// a press, and the per-level extras of the menu.
#include "main/TFrmMain.h"

#include "present/EarlierKeyReleases.h"
#include "present/SmoothLabel.h"
#include "present/TOverPopup.h"
#include "present/TfrmHintValid.h"
#include "setup/TFrmJXMisc.h"

#include <QLabel>

namespace lotavo::ui {

// Where the winners of the press are on screen: the rolling labels that show, and the
// picture area of the picture draw.
QRect TFrmMain::winnersArea() const
{
    QRect area;
    for (QLabel* label : LblGdArea)
        if (label && label->isVisibleTo(this))
            area |= QRect(label->mapToGlobal(QPoint(0, 0)), label->size());
    if (Panel1 && Panel1->isVisibleTo(this))
        area |= QRect(Panel1->mapToGlobal(QPoint(0, 0)), Panel1->size());
    return area;
}

// The key that made the press went up while a window of the press had the keyboard: the
// draw hears of it once the press is over, or it would wait for a release that never comes
// and ignore the operator's next key.
void TFrmMain::takeEarlierReleases(const std::vector<int>& keys)
{
    if (!keys.empty())
        m_releasedDuringKey = keys.back();
}

void TFrmMain::PopupForm()
{
    {
        TOverPopup popup(m_settings, m_folder, this);
        popup.setMessage(lblLevel->text() + QStringLiteral("抽取结束"));
        popup.keepClearOf(winnersArea());
        EarlierKeyReleases releases(&popup);
        popup.setAwardScreen(m_engine->options().keys.awardScreenKeyS, [this](bool all) {
            m_engine->fillAwardScreen(all);
            m_engine->pauseSw(true);
        });
        popup.exec();
        takeEarlierReleases(releases.keys());
    }
    takeKeyboardBack();
}

void TFrmMain::showEndOfLevelPopup()
{
    PopupForm();
}

bool TFrmMain::confirmPress(size_t, bool)
{
    int answer = QDialog::Rejected;
    {
        TfrmHintValid dialog(m_settings, m_folder, this);
        dialog.keepClearOf(winnersArea());
        EarlierKeyReleases releases(&dialog);
        answer = dialog.exec();
        takeEarlierReleases(releases.keys());
    }
    takeKeyboardBack();
    return answer == QDialog::Accepted;
}

void TFrmMain::N36Click()
{
    // The draw stays on its level: the dialog only needs the level count, which it reads.
    runDialogCommand([this] {
        TFrmJXMisc dialog(m_settings, m_folder, this);
        dialog.exec();
        m_engine->levelExtrasChanged();
    });
}

}  // namespace lotavo::ui
