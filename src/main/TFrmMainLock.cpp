// The settings lock: every menu command of the draw screen is disabled until the password is
// given again; the keys of the draw keep working.
#include "main/TFrmMain.h"

#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/TFrmAniPop.h"
#include "present/TfrmLock.h"

#include <QMenu>

namespace lotavo::ui {

namespace {

// "权限" in the tools menu and in the tools menus of the two toolbars.
bool releasesLock(const QAction* action)
{
    const QString name = action->objectName();
    return name == QStringLiteral("N129") || name == QStringLiteral("N135") || name == QStringLiteral("MenuItem12");
}

}  // namespace

void TFrmMain::Locka()
{
    m_locked = !m_locked;
    m_settings.writeBool("Option", "LockEnable", m_locked);
    applyMenuLock();
    if (m_pop)
        m_pop->setSettingsLocked(m_locked);
    showFadingMessage(m_locked ? QStringLiteral("已锁定当前设定,用户不能修改任何设置及界面文字")
                               : QStringLiteral("解锁状态,用户可以修改设置及界面文字"),
                      1);
}

void TFrmMain::applyMenuLock()
{
    for (QMenu* menu : findChildren<QMenu*>()) {
        // Menus of the draw screen only: the pop-up and the other windows keep their own.
        QWidget* owner = menu->parentWidget();
        while (owner && (!owner->isWindow() || qobject_cast<QMenu*>(owner)))
            owner = owner->parentWidget();
        if (owner != this)
            continue;
        for (QAction* action : menu->actions())
            action->setEnabled(!m_locked);
    }
    if (m_locked)
        for (QMenu* menu : findChildren<QMenu*>())
            for (QAction* action : menu->actions())
                if (releasesLock(action)) {
                    action->setEnabled(true);
                    menu->menuAction()->setEnabled(true);
                }
}

void TFrmMain::N129Click()
{
    bool passwordRight = false;
    runDialogCommand([this, &passwordRight] {
        TfrmLock dialog(m_settings, this);
        passwordRight = dialog.exec() == QDialog::Accepted;
    });
    // Once the draw screen is on top again, or it would cover the lock's message.
    if (passwordRight)
        Locka();
}

}  // namespace lotavo::ui
