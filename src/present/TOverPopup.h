#pragma once

#include "draw/ProgramFolder.h"
#include "present/PopupMemory.h"

#include <QDialog>

#include <functional>
#include <string>

class QAction;
class QLabel;
class QMenu;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

// The end-of-level pop-up: a small borderless window on its own picture that announces the
// end of a prize level ("<title>抽取结束"). Space or a click closes it; the award-screen keys
// open the award screen from it. Ctrl and the left button move it; the place and the message
// font are kept in section Option.
class TOverPopup : public QDialog {
public:
    TOverPopup(IniStore& settings, ProgramFolder folder, QWidget* parent = nullptr);

    void setMessage(const QString& text);
    QString message() const;

    // The key of the award screen with all winners; End shows the winners of the level.
    // `open(all)` opens the award screen and returns when it closes.
    void setAwardScreen(int awardScreenKey, std::function<void(bool all)> open);

    void FormKeyDown(int virtualKey);
    void AALabel1Click();
    void N1Click();
    // Until the operator has placed the window, it opens clear of this area (screen
    // coordinates): the winners it is about stay readable.
    void keepClearOf(const QRect& area);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void AALabel1MouseDown(const QMouseEvent& event);
    void AALabel1MouseMove(const QMouseEvent& event);
    void AALabel1MouseUp();
    void applyFont(const QFont& font, const QColor& colour);

    PopupMemory m_memory;
    ProgramFolder m_folder;

    QWidget* imgOverPopup = nullptr;
    QLabel* AALabel1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr;

    bool m_clickAttached = true;
    int m_awardScreenKey = 36;
    std::function<void(bool all)> m_openAwardScreen;
};

}  // namespace lotavo::ui
