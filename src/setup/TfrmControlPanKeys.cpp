// The "热键" tab: the keys of the draw screen and the two programs it starts, and the unlock
// key of the "启动" tab. A key pressed in a field is stored and works on the draw screen at once.
#include "setup/TfrmControlPan.h"

#include "draw/DrawEngine.h"
#include "main/settings/IniStore.h"
#include "present/HotKeys.h"
#include "present/QtText.h"
#include "setup/DrawScreenLink.h"
#include "setup/KeyField.h"
#include "setup/KeyNames.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace lotavo::ui {

namespace {

struct KeyFieldSetting {
    const char* name;
    HotKey key;
    int shownDefault;  // what the panel assumes for a missing key
    const char* function;  // as a clash notice names it
    int KeyOptions::*live;
};

constexpr KeyFieldSetting kKeyFields[] = {
    {"RzEdit3", HotKey::StartStop, 32, "抽奖热键", &KeyOptions::space1},
    {"RzEdit4", HotKey::ClosePopup, 32, "返回热键", &KeyOptions::space2},
    {"RzEdit6", HotKey::OpenAwardScreen, 36, "滚动字幕打开", &KeyOptions::awardScreenKeyS},
    {"RzEdit9", HotKey::CloseAwardScreen, 36, "滚动字幕退出", &KeyOptions::awardScreenKeyO},
    {"RzEdit7", HotKey::FullScreen, 122, "窗口全屏切换", &KeyOptions::fullScreen},
    {"RzEdit5", HotKey::Pause, 19, "暂停抽奖热键", &KeyOptions::pauseKey},
    {"RzEdit8", HotKey::Launcher1, 116, "调用文件热键", &KeyOptions::hotkey1},
    {"RzEdit10", HotKey::Launcher2, 117, "PoewrPoint热键", &KeyOptions::hotkey2},
    {"RzEdit13", HotKey::Unlock, 27, "键盘锁定键", &KeyOptions::allKey},
};

// The keys the draw screen itself acts on. The return key and the award screen's close key act
// in their own windows, so sharing a key with these is what they are made for.
constexpr HotKey kDrawScreenKeys[] = {HotKey::StartStop, HotKey::Pause,     HotKey::FullScreen, HotKey::OpenAwardScreen,
                                      HotKey::Launcher1, HotKey::Launcher2, HotKey::Unlock};

const KeyFieldSetting& fieldSetting(HotKey key)
{
    for (const KeyFieldSetting& field : kKeyFields)
        if (field.key == key)
            return field;
    return kKeyFields[0];
}

QString keyCaption(int code)
{
    QString name = virtualKeyName(code);
    return name.isEmpty() ? QStringLiteral("代码 %1").arg(code) : name;
}

}  // namespace

KeyField* TfrmControlPan::keyField(QWidget* page, const char* name, int x, int y, int width)
{
    auto* field = new KeyField(page);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(x, y, width, 21);
    for (const KeyFieldSetting& setting : kKeyFields)
        if (qstrcmp(setting.name, name) == 0)
            field->onKey = [this, key = setting.key](int code) { assignKey(key, code); };
    m_keyFields.push_back(field);
    return field;
}

void TfrmControlPan::createKeysPage()
{
    QWidget* page = addPage("热键");

    auto captioned = [&](const char* name, const char* caption, int x, int y) {
        label(page, QString::fromUtf8(caption), x, y + 4);
        return keyField(page, name, x + 90, y, 74);
    };
    RzEdit3 = captioned("RzEdit3", "抽奖热键:", 10, 6);
    RzEdit4 = captioned("RzEdit4", "返回热键:", 186, 6);
    RzEdit5 = captioned("RzEdit5", "暂停抽奖热键:", 362, 6);
    RzEdit6 = captioned("RzEdit6", "滚动字幕打开:", 10, 32);
    RzEdit9 = captioned("RzEdit9", "滚动字幕退出:", 186, 32);
    RzEdit7 = captioned("RzEdit7", "窗口全屏切换:", 362, 32);

    auto launcherRow = [&](const char* program, const char* programCaption, const char* programKey,
                           const char* params, const char* paramsKey, const char* hotkey, int y,
                           QLineEdit*& programField, QLineEdit*& paramsField) {
        label(page, QString::fromUtf8(programCaption), 10, y + 4);
        programField = edit(page, program, QString(), 84, y, 174);
        QAction* browse = programField->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                                  QLineEdit::TrailingPosition);
        browse->setToolTip(QStringLiteral("选择文件"));
        connect(browse, &QAction::triggered, this, [this, programField] { chooseLauncherFile(programField); });
        connect(programField, &QLineEdit::textChanged, this,
                [this, programKey](const QString& text) { writeText("Launcher", programKey, text); });
        label(page, QStringLiteral("参数:"), 266, y + 4);
        paramsField = edit(page, params, QString(), 300, y, 96);
        connect(paramsField, &QLineEdit::textChanged, this,
                [this, paramsKey](const QString& text) { writeText("Launcher", paramsKey, text); });
        label(page, QStringLiteral("热键:"), 404, y + 4);
        return keyField(page, hotkey, 440, y, 80);
    };
    RzEdit8 = launcherRow("RzButtonEdit1", "调用文件:", "Program1", "RzEdit11", "params1", "RzEdit8", 66,
                          RzButtonEdit1, RzEdit11);
    RzEdit10 = launcherRow("RzButtonEdit2", "PoewrPoint:", "Program2", "RzEdit12", "params2", "RzEdit10", 92,
                           RzButtonEdit2, RzEdit12);

    label(page, QStringLiteral("您可以自定义程序中的任何热键。鼠标移动至某个热键编辑框中单击，然后按下需要的热键,"), 10,
          128);
    label(page, QStringLiteral("程序将会记录下此热键并在程序中使用。"), 10, 146);
    lblKeyClash = new QLabel(page);
    lblKeyClash->setObjectName(QStringLiteral("lblKeyClash"));
    lblKeyClash->setGeometry(10, 164, 515, 30);
    lblKeyClash->setWordWrap(true);
    lblKeyClash->setStyleSheet(QStringLiteral("color: #C00000;"));
}

void TfrmControlPan::loadKeysPage()
{
    // As if each stored key were pressed in its field: all nine are in the file afterwards and
    // the draw screen has what the panel shows.
    for (KeyField* field : m_keyFields)
        for (const KeyFieldSetting& setting : kKeyFields)
            if (field->objectName() == QLatin1String(setting.name)) {
                HotKeySetting stored = hotKeySetting(setting.key);
                int code = m_settings.readInteger(stored.section, stored.key, setting.shownDefault);
                field->showCode(code);
                assignKey(setting.key, code);
            }
    RzButtonEdit1->setText(fromGbk(m_settings.readString("Launcher", "Program1", "")));
    RzEdit11->setText(fromGbk(m_settings.readString("Launcher", "params1", "")));
    RzButtonEdit2->setText(fromGbk(m_settings.readString("Launcher", "Program2", "")));
    RzEdit12->setText(fromGbk(m_settings.readString("Launcher", "params2", "/s")));
    // An empty text runs no change handler; the file gets every launcher key all the same.
    for (auto [field, key] : {std::pair {RzButtonEdit1, "Program1"}, std::pair {RzEdit11, "params1"},
                              std::pair {RzButtonEdit2, "Program2"}, std::pair {RzEdit12, "params2"}})
        if (field->text().isEmpty())
            writeText("Launcher", key, field->text());
}

void TfrmControlPan::assignKey(HotKey key, int code)
{
    HotKeySetting stored = hotKeySetting(key);
    m_screen.engine().options().keys.*fieldSetting(key).live = code;
    writeInteger(stored.section, stored.key, code);
    showKeyClashes();
}

void TfrmControlPan::showKeyClashes()
{
    if (!lblKeyClash)
        return;
    struct Assigned {
        QString function;
        int code;
    };
    std::vector<Assigned> assigned;
    const KeyOptions& keys = m_screen.engine().options().keys;
    for (HotKey key : kDrawScreenKeys)
        assigned.push_back({QString::fromUtf8(fieldSetting(key).function), keys.*fieldSetting(key).live});
    // Keys of the draw screen that cannot be changed.
    assigned.push_back({QStringLiteral("设计状态(Ctrl)"), 17});
    assigned.push_back({QStringLiteral("本奖级中奖名单(End)"), 35});

    QStringList clashes;
    for (size_t i = 0; i < assigned.size(); ++i) {
        QStringList same;
        bool seenBefore = false;
        for (size_t j = 0; j < assigned.size(); ++j)
            if (assigned[j].code == assigned[i].code && j != i) {
                seenBefore = seenBefore || j < i;
                same << QStringLiteral("“%1”").arg(assigned[j].function);
            }
        if (!same.isEmpty() && !seenBefore)
            clashes << QStringLiteral("“%1”与%2是同一个键（%3）")
                           .arg(assigned[i].function, same.join(QStringLiteral("、")), keyCaption(assigned[i].code));
    }
    lblKeyClash->setText(clashes.isEmpty() ? QString()
                                           : QStringLiteral("注意：") + clashes.join(QStringLiteral("；")) +
                                                 QStringLiteral("。"));
}

void TfrmControlPan::chooseLauncherFile(QLineEdit* field)
{
    QString file;
    if (m_fileChooser) {
        file = m_fileChooser();
    } else {
        QString start = field->text().isEmpty() ? fromPath(m_folder.path()) : QFileInfo(field->text()).absolutePath();
        file = QFileDialog::getOpenFileName(this, QString(), start, QStringLiteral("任何文件 (*)"));
    }
    if (!file.isEmpty())
        field->setText(file);
}

}  // namespace lotavo::ui
