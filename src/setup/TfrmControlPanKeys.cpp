// The "热键" tab: the keys of the draw screen and the two programs it starts. Shown with what
// is stored, so the operator sees the keys in force; editing them comes in a later version.
#include "setup/TfrmControlPan.h"

#include "present/QtText.h"
#include "main/settings/IniStore.h"
#include "setup/KeyNames.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace lotavo::ui {

void TfrmControlPan::createKeysPage()
{
    QWidget* page = addPage("热键");

    auto keyField = [&](const char* name, const char* caption, const char* section, const char* key,
                        int defaultCode, int x, int y) {
        label(page, QString::fromUtf8(caption), x, y + 4);
        QLineEdit* field = edit(page, name, virtualKeyName(m_settings.readInteger(section, key, defaultCode)),
                                x + 90, y, 74);
        field->setReadOnly(true);
        field->setEnabled(false);
        return field;
    };
    RzEdit3 = keyField("RzEdit3", "抽奖热键:", "DownKey", "Space1", 32, 10, 6);
    RzEdit4 = keyField("RzEdit4", "返回热键:", "DownKey", "Space2", 32, 186, 6);
    RzEdit5 = keyField("RzEdit5", "暂停抽奖热键:", "DownKey", "PauseKey", 19, 362, 6);
    RzEdit6 = keyField("RzEdit6", "滚动字幕打开:", "DownKey", "AwardScreenKeyS", 36, 10, 32);
    RzEdit9 = keyField("RzEdit9", "滚动字幕退出:", "DownKey", "AwardScreenKeyO", 36, 186, 32);
    RzEdit7 = keyField("RzEdit7", "窗口全屏切换:", "DownKey", "FullScreen", 122, 362, 32);

    auto launcherRow = [&](const char* program, const char* programCaption, const char* programKey,
                           const char* params, const char* paramsKey, const char* paramsDefault, int y,
                           QLineEdit*& programField, QLineEdit*& paramsField) {
        label(page, QString::fromUtf8(programCaption), 10, y + 4);
        programField = edit(page, program, fromGbk(m_settings.readString("Launcher", programKey, "")), 84, y, 150);
        programField->setEnabled(false);
        auto* browse = new QToolButton(page);
        browse->setText(QStringLiteral("..."));
        browse->setGeometry(236, y, 22, 21);
        browse->setEnabled(false);
        label(page, QStringLiteral("参数:"), 266, y + 4);
        paramsField = edit(page, params, fromGbk(m_settings.readString("Launcher", paramsKey, paramsDefault)), 300,
                           y, 96);
        paramsField->setEnabled(false);
        label(page, QStringLiteral("热键:"), 404, y + 4);
    };
    launcherRow("RzButtonEdit1", "调用文件:", "Program1", "RzEdit11", "params1", "", 66, RzButtonEdit1, RzEdit11);
    RzEdit8 = edit(page, "RzEdit8", virtualKeyName(m_settings.readInteger("Launcher", "Hotkey1", 116)), 440, 66, 80);
    launcherRow("RzButtonEdit2", "PoewrPoint:", "Program2", "RzEdit12", "params2", "/s", 92, RzButtonEdit2, RzEdit12);
    RzEdit10 = edit(page, "RzEdit10", virtualKeyName(m_settings.readInteger("Launcher", "Hotkey2", 117)), 440, 92, 80);
    for (QLineEdit* field : {RzEdit8, RzEdit10}) {
        field->setReadOnly(true);
        field->setEnabled(false);
    }

    label(page, QStringLiteral("您可以自定义程序中的任何热键。鼠标移动至某个热键编辑框中单击，然后按下需要的热键,"), 10,
          128);
    label(page, QStringLiteral("程序将会记录下此热键并在程序中使用。"), 10, 146);
    QLabel* later = label(page, QStringLiteral("热键设置将在后续版本提供"), 10, 172);
    QFont bold = later->font();
    bold.setBold(true);
    later->setFont(bold);
    later->adjustSize();
}

}  // namespace lotavo::ui
