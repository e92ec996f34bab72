#pragma once

#include "draw/ProgramFolder.h"

#include <QPoint>
#include <QString>

class QMenu;
class QWidget;

namespace lotavo::ui {

class WizardSettings;
struct WizardDialogs;

// The menu of a level's prize-picture button: a preview of the stored picture, "增加奖品图片"
// and "清除奖品图片". The picture path lives in section JXPic, key SpeedButton<level>.
class PrizePictureMenu {
public:
    PrizePictureMenu(WizardSettings& settings, ProgramFolder folder, const WizardDialogs& dialogs, QWidget* parent);

    // Shows the menu at `where` (global) and runs the chosen command.
    void popup(int level, const QPoint& where);

    // The two commands.
    void addPicture(int level);
    void clearPicture(int level);

    // The stored picture of a level as a path of this system (empty when none is set).
    QString storedPicture(int level) const;

private:
    void addPreview(QMenu& menu, int level) const;

    WizardSettings& m_settings;
    ProgramFolder m_folder;
    const WizardDialogs& m_dialogs;
    QWidget* m_parent;
};

}  // namespace lotavo::ui
