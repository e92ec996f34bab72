#include "setup/PrizePictureMenu.h"

#include "draw/AtomicFile.h"
#include "present/QtText.h"
#include "present/Pictures.h"
#include "setup/ChosenPicture.h"
#include "setup/WizardDialogs.h"
#include "setup/WizardSettings.h"

#include <QLabel>
#include <QMenu>
#include <QWidgetAction>

#include <string>

namespace lotavo::ui {

namespace {

std::string keyOf(int level)
{
    return "SpeedButton" + std::to_string(level);
}

}  // namespace

PrizePictureMenu::PrizePictureMenu(WizardSettings& settings, ProgramFolder folder, const WizardDialogs& dialogs,
                                   QWidget* parent)
    : m_settings(settings), m_folder(std::move(folder)), m_dialogs(dialogs), m_parent(parent)
{
}

void PrizePictureMenu::popup(int level, const QPoint& where)
{
    QMenu menu(m_parent);
    menu.setObjectName(QStringLiteral("PrizePictureMenu"));
    addPreview(menu, level);
    QAction* add = menu.addAction(QStringLiteral("增加奖品图片"));
    QAction* clear = menu.addAction(QStringLiteral("清除奖品图片"));
    QObject::connect(add, &QAction::triggered, &menu, [this, level] { addPicture(level); });
    QObject::connect(clear, &QAction::triggered, &menu, [this, level] { clearPicture(level); });
    menu.exec(where);
}

void PrizePictureMenu::addPicture(int level)
{
    if (!m_dialogs.choosePicture)
        return;
    QString path = m_dialogs.choosePicture(m_parent);
    if (path.isEmpty())
        return;
    if (!chosenPictureDecodes(path))
        return;
    m_settings.writeString("JXPic", keyOf(level), ProgramFolder::toStored(toPath(path)));
}

void PrizePictureMenu::clearPicture(int level)
{
    m_settings.writeString("JXPic", keyOf(level), "");
}

QString PrizePictureMenu::storedPicture(int level) const
{
    std::string stored = m_settings.readString("JXPic", keyOf(level), "");
    return stored.empty() ? QString() : fromPath(m_folder.resolve(stored));
}

void PrizePictureMenu::addPreview(QMenu& menu, int level) const
{
    QString path = storedPicture(level);
    if (path.isEmpty())
        return;
    auto* preview = new QLabel(&menu);
    preview->setObjectName(QStringLiteral("PrizePicturePreview"));
    preview->setAlignment(Qt::AlignCenter);
    preview->setMargin(4);
    bool exists = fileExists(toPath(path));
    DecodedPicture picture = exists ? decodePicture(path) : DecodedPicture();
    if (picture.ok()) {
        QImage thumb = picture.frames.front().scaled(120, 90, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        preview->setPixmap(QPixmap::fromImage(thumb));
        preview->setToolTip(path);
    } else {
        preview->setText(exists ? QStringLiteral("图片无法显示") : QStringLiteral("图片文件不存在"));
        preview->setToolTip(path);
    }
    auto* action = new QWidgetAction(&menu);
    action->setDefaultWidget(preview);
    action->setEnabled(false);
    menu.addAction(action);
    menu.addSeparator();
}

}  // namespace lotavo::ui
