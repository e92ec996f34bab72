#pragma once

#include "draw/ProgramFolder.h"

#include <QDialog>
#include <QStringList>

class QAction;
class QMenu;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class MoverSizer;
class PictureView;
class ScrollText;
class SmoothLabel;
class SoundPlayer;

// What the award screen takes from the draw screen that opens it.
struct AwardScreenContext {
    IniStore& settings;
    ProgramFolder folder;
    SoundPlayer& sounds;
    QString& musicPath;       // the music chosen during one opening plays at the next ones
    QString mainCaption;      // the draw screen's title, the first title line by default
    int closeKey = 0x24;      // DownKey AwardScreenKeyO, a virtual-key code
};

// The award screen: the winners scroll upward like credits under two title lines and an
// optional logo, with background music. Full screen and modal; its settings are read when it
// is created and written when it closes.
class TAwardShow : public QDialog {
    Q_OBJECT
public:
    TAwardShow(AwardScreenContext context, QWidget* parent = nullptr);

    // Creates the window, fills it with the lines (GBK text made QString) and runs it modally.
    static void showLines(AwardScreenContext context, const QStringList& lines, QWidget* parent);

    void setLines(const QStringList& lines);
    void startScrolling();

    ScrollText* credits() const { return AAScrollText1; }
    bool inDesignMode() const { return m_design; }

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Creation and closing (TAwardShow.cpp)
    void createComponents();
    void FormCreate();
    bool isCloseKey(int virtualKey) const;
    void FormKeyDown(int virtualKey);
    void FormKeyUp(int virtualKey);
    void AAScrollText1MouseMove(QWidget* control);
    void changeStep(int delta);
    void FormClose();

    // Menus (TAwardShowMenus.cpp)
    void createMenus();
    void N12Click();
    void N8Click();
    void titleFontClick();
    void titleEffectClick();
    void N6Click();
    void N2Click();
    void N3Click();
    void setAlignment(int lcr);
    void N16Click();
    void N21Click();
    void N23Click();
    void N24Click();
    void centreLine(SmoothLabel* line);
    void editLine(SmoothLabel* line, const QString& prompt);

    AwardScreenContext m_context;

    // Components
    PictureView* Image1 = nullptr;
    ScrollText* AAScrollText1 = nullptr;
    SmoothLabel* AALabel1 = nullptr;
    SmoothLabel* AALabel2 = nullptr;
    SmoothLabel* lblDesignStatus = nullptr;
    MoverSizer* Resizer1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QMenu* PopupMenu2 = nullptr;
    SmoothLabel* m_menuLine = nullptr;  // the title line PopupMenu2 was opened on

    bool m_design = false;
};

}  // namespace lotavo::ui
