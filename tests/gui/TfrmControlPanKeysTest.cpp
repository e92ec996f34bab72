// The keys of the control panel: a key pressed in a field shows its name, is stored at once and
// is the key the draw screen acts on; every key of the name table can be assigned.
#include "ControlPanFixture.h"

#include "present/FontNames.h"
#include "present/KeyMap.h"
#include "present/QtText.h"
#include "setup/KeyNames.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

using namespace lotavo;
using lotavo::test::G;
using lotavo::test::Program;

namespace {

struct Field {
    const char* name;
    const char* section;
    const char* key;
    int KeyOptions::*live;
};
constexpr Field kFields[] = {
    {"RzEdit3", "DownKey", "Space1", &KeyOptions::space1},
    {"RzEdit4", "DownKey", "Space2", &KeyOptions::space2},
    {"RzEdit6", "DownKey", "AwardScreenKeyS", &KeyOptions::awardScreenKeyS},
    {"RzEdit9", "DownKey", "AwardScreenKeyO", &KeyOptions::awardScreenKeyO},
    {"RzEdit7", "DownKey", "FullScreen", &KeyOptions::fullScreen},
    {"RzEdit5", "DownKey", "PauseKey", &KeyOptions::pauseKey},
    {"RzEdit8", "Launcher", "Hotkey1", &KeyOptions::hotkey1},
    {"RzEdit10", "Launcher", "Hotkey2", &KeyOptions::hotkey2},
    {"RzEdit13", "DownKey", "AllKey", &KeyOptions::allKey},
};

// A press of the key with that code as the keyboard delivers it under X11.
void pressCode(QWidget* field, int code)
{
    int key = ui::qtKeyOf(code);
    Qt::KeyboardModifiers keypad = (code >= 0x60 && code <= 0x6F) ? Qt::KeypadModifier : Qt::NoModifier;
    quint32 symbol = 0;
    for (auto [vk, sym] : {std::pair {0xF6, 0xFD0E}, {0xF7, 0xFD1C}, {0xF8, 0xFD1B}, {0xF9, 0xFD06}, {0xFD, 0xFD0A}})
        if (vk == code)
            symbol = sym;
    QKeyEvent press(QEvent::KeyPress, key, keypad, 0, symbol, 0);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, keypad, 0, symbol, 0);
    QApplication::sendEvent(field, &release);
}

}  // namespace

class TfrmControlPanKeysTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void openingStoresTheNineKeysAndTheLauncherTexts()
    {
        Program p;
        p.open();
        QCOMPARE(p.get<QLineEdit>("RzEdit10")->text(), QStringLiteral("F6"));
        QCOMPARE(p.get<QLineEdit>("RzEdit13")->text(), QStringLiteral("ESC"));
        QCOMPARE(p.get<QLineEdit>("RzEdit3")->text(), QStringLiteral("空格键"));
        const int expected[] = {32, 32, 36, 36, 122, 19, 116, 117, 27};
        for (size_t i = 0; i < std::size(kFields); ++i) {
            QCOMPARE(p.settings.readInteger(kFields[i].section, kFields[i].key, -1), expected[i]);
            QCOMPARE(p.options().keys.*kFields[i].live, expected[i]);
        }
        QCOMPARE(p.key("params2", "Launcher"), std::string("/s"));
        for (const char* key : {"Program1", "params1", "Program2"})
            QCOMPARE(p.key(key, "Launcher"), std::string());
        QVERIFY(p.get<QLineEdit>("RzEdit3")->isReadOnly());
        QVERIFY(p.get<QLineEdit>("RzEdit3")->isEnabled());
    }

    void aKeyPressedInAFieldIsShownStoredAndLive()
    {
        for (const Field& f : kFields) {
            Program p;
            p.open();
            auto* field = p.get<QLineEdit>(f.name);
            QTest::mouseClick(field, Qt::LeftButton);
            QTest::keyClick(field, Qt::Key_PageDown);
            QCOMPARE(field->text(), QStringLiteral("PageDown"));
            QCOMPARE(p.settings.readInteger(f.section, f.key, -1), 34);
            QCOMPARE(p.options().keys.*f.live, 34);
        }
    }

    void everyKeyOfTheNameTableCanBeAssigned()
    {
        Program p;
        p.open();
        auto* field = p.get<QLineEdit>("RzEdit3");
        QStringList notAssignable;
        for (int code = 0; code < 256; ++code) {
            if (ui::virtualKeyName(code).isEmpty())
                continue;
            pressCode(field, code);
            if (p.settings.readInteger("DownKey", "Space1", -1) == code && field->text() == ui::virtualKeyName(code))
                continue;
            notAssignable << ui::virtualKeyName(code);
        }
        // The left and right modifiers are pressed as Shift, Ctrl and Alt; the other three
        // are no keys of a keyboard here.
        QCOMPARE(notAssignable,
                 QStringLiteral("LSHIFT,RSHIFT,Left Ctrl,Right Ctrl,Left Alt,Right Alt,PROCESSKEY,NONAME,OEM_CLEAR").split(u','));
    }

    void modifiersAndDialogKeysAreKeysOfTheirOwn()
    {
        Program p;
        ui::TfrmControlPan& panel = p.open();
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        p.get<QTabWidget>("PageControl1")->setCurrentIndex(7);
        auto* field = p.get<QLineEdit>("RzEdit3");
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Shift);
        QCOMPARE(field->text(), QStringLiteral("Shift"));
        QCOMPARE(p.options().keys.space1, 16);
        QTest::keyClick(field, Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(field->text(), QStringLiteral("A"));
        QTest::keyClick(field, Qt::Key_Exclam, Qt::ShiftModifier);  // Shift+1
        QCOMPARE(field->text(), QStringLiteral("1"));
        QTest::keyClick(field, Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(field->text(), QStringLiteral("SUBTRACT"));
        QTest::keyClick(field, Qt::Key_Minus);
        QCOMPARE(p.options().keys.space1, 189);  // the main keyboard's minus has no name
        QCOMPARE(field->text(), QString());
        // Tab, Esc and Enter are recorded; the focus stays and the panel stays open.
        for (auto [key, code] : {std::pair {Qt::Key_Tab, 9}, {Qt::Key_Escape, 27}, {Qt::Key_Return, 13}}) {
            QTest::keyClick(field, key);
            QCOMPARE(p.options().keys.space1, code);
            QVERIFY(field->hasFocus());
            QVERIFY(panel.isVisible());
        }
        QTest::keyClick(field, Qt::Key_F5, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(field->text(), QStringLiteral("F5"));
        QCOMPARE(p.settings.readInteger("DownKey", "Space1", -1), 116);
    }

    void codesOutsideTheTableShowEmptyAndStay()
    {
        Program p;
        p.settings.writeInteger("DownKey", "Space1", 186);
        p.settings.writeInteger("DownKey", "PauseKey", 300);
        p.settings.writeInteger("DownKey", "FullScreen", -7);
        p.settings.writeString("DownKey", "AllKey", "Esc");
        p.open();
        QCOMPARE(p.get<QLineEdit>("RzEdit3")->text(), QString());
        QCOMPARE(p.get<QLineEdit>("RzEdit5")->text(), QString());
        QCOMPARE(p.get<QLineEdit>("RzEdit7")->text(), QString());
        QCOMPARE(p.key("Space1", "DownKey"), std::string("186"));
        QCOMPARE(p.key("PauseKey", "DownKey"), std::string("300"));
        QCOMPARE(p.key("FullScreen", "DownKey"), std::string("-7"));
        QCOMPARE(p.options().keys.pauseKey, 300);
        // Text where a code belongs counts as missing: the default shows and is stored.
        QCOMPARE(p.get<QLineEdit>("RzEdit13")->text(), QStringLiteral("ESC"));
        QCOMPARE(p.key("AllKey", "DownKey"), std::string("27"));

        auto* field = p.get<QLineEdit>("RzEdit5");
        QTest::keyClick(field, Qt::Key_Semicolon);
        QCOMPARE(field->text(), QString());
        QCOMPARE(p.key("PauseKey", "DownKey"), std::string("186"));
        // A key without any code changes nothing.
        QTest::keyClick(field, Qt::Key_VolumeUp);
        QCOMPARE(p.key("PauseKey", "DownKey"), std::string("186"));
    }

    void sharedKeysAreStoredAndNamedUnderTheNote()
    {
        Program p;
        p.open();
        auto* clash = p.get<QLabel>("lblKeyClash");
        QCOMPARE(clash->text(), QString());  // the defaults share only across windows
        QTest::keyClick(p.get<QLineEdit>("RzEdit4"), Qt::Key_PageDown);
        QTest::keyClick(p.get<QLineEdit>("RzEdit3"), Qt::Key_PageDown);
        QCOMPARE(clash->text(), QString());  // draw and close the pop-up with one key: intended
        QTest::keyClick(p.get<QLineEdit>("RzEdit5"), Qt::Key_PageDown);
        QCOMPARE(p.options().keys.space1, 34);
        QCOMPARE(p.options().keys.pauseKey, 34);
        QCOMPARE(clash->text(), QStringLiteral("注意：“抽奖热键”与“暂停抽奖热键”是同一个键（PageDown）。"));
        QTest::keyClick(p.get<QLineEdit>("RzEdit8"), Qt::Key_End);
        QCOMPARE(clash->text(), QStringLiteral("注意：“抽奖热键”与“暂停抽奖热键”是同一个键（PageDown）；"
                                               "“调用文件热键”与“本奖级中奖名单(End)”是同一个键（End）。"));
        QTest::keyClick(p.get<QLineEdit>("RzEdit5"), Qt::Key_Pause);
        QTest::keyClick(p.get<QLineEdit>("RzEdit8"), Qt::Key_F5);
        QCOMPARE(clash->text(), QString());
    }

    void theDrawScreenActsOnTheNewKeyAtOnce()
    {
        Program p;
        p.option("StartRun", "1");
        p.open();
        DrawEngine& engine = p.screen->engine();
        QVERIFY(engine.state().stopped);  // "抽奖号码不滚动" holds the roll at the start
        QTest::keyClick(p.get<QLineEdit>("RzEdit3"), Qt::Key_PageDown);
        engine.keyDown(vk::Space);
        engine.keyUp(vk::Space);
        QVERIFY(engine.state().stopped);
        engine.keyDown(34);
        engine.keyUp(34);
        QVERIFY(!engine.state().stopped);  // the roll runs
    }

    void theUnlockKeyOfTheStartTab()
    {
        Program p;
        p.open();
        QTest::keyClick(p.get<QLineEdit>("RzEdit13"), Qt::Key_B);
        QCOMPARE(p.get<QLineEdit>("RzEdit13")->text(), QStringLiteral("B"));
        QCOMPARE(p.key("AllKey", "DownKey"), std::string("66"));
        QCOMPARE(p.options().keys.allKey, 66);
    }

    void launcherFieldsWriteAsTypedAndTheButtonsChooseAFile()
    {
        Program p;
        p.open();
        auto* program = p.get<QLineEdit>("RzButtonEdit1");
        QTest::keyClicks(program, QStringLiteral("/opt/"));
        QCOMPARE(p.key("Program1", "Launcher"), std::string("/opt/"));
        program->insert(QStringLiteral("抽奖/开场.sh"));  // typed through the input method
        QCOMPARE(p.key("Program1", "Launcher"), G("/opt/抽奖/开场.sh"));
        QTest::keyClicks(p.get<QLineEdit>("RzEdit11"), QStringLiteral("--title \""));
        p.get<QLineEdit>("RzEdit11")->insert(QStringLiteral("年会 2026\""));
        QCOMPARE(p.key("params1", "Launcher"), G("--title \"年会 2026\""));
        QTest::keyClick(p.get<QLineEdit>("RzEdit12"), Qt::Key_Backspace);
        QCOMPARE(p.key("params2", "Launcher"), std::string("/"));

        p.panel->setFileChooser([] { return QStringLiteral("/home/演示/年会.odp"); });
        auto* presentation = p.get<QLineEdit>("RzButtonEdit2");
        QCOMPARE(presentation->actions().size(), 1);
        presentation->actions().constFirst()->trigger();
        QCOMPARE(presentation->text(), QStringLiteral("/home/演示/年会.odp"));
        QCOMPARE(p.key("Program2", "Launcher"), G("/home/演示/年会.odp"));
        p.panel->setFileChooser([] { return QString(); });  // cancelled
        program->actions().constFirst()->trigger();
        QCOMPARE(program->text(), QStringLiteral("/opt/抽奖/开场.sh"));

        // What is stored comes back on the next opening.
        p.openPanel();
        QCOMPARE(p.get<QLineEdit>("RzEdit11")->text(), QStringLiteral("--title \"年会 2026\""));
        QCOMPARE(p.get<QLineEdit>("RzButtonEdit2")->text(), QStringLiteral("/home/演示/年会.odp"));
    }

    // LOTAVO_SHOTS=folder saves the keys tab and the start tab, to look at.
    void screenshotsWhenAsked()
    {
        QString folder = qEnvironmentVariable("LOTAVO_SHOTS");
        if (folder.isEmpty())
            QSKIP("LOTAVO_SHOTS not set");
        Program p;
        p.settings.writeString("Launcher", "Program1", G("/home/年会/开场视频.mp4"));
        p.settings.writeString("Launcher", "Program2", G("/home/年会/年会.odp"));
        ui::TfrmControlPan& panel = p.open();
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        auto* tabs = p.get<QTabWidget>("PageControl1");
        tabs->setCurrentIndex(7);
        QTest::keyClick(p.get<QLineEdit>("RzEdit3"), Qt::Key_PageDown);
        QTest::keyClick(p.get<QLineEdit>("RzEdit4"), Qt::Key_PageDown);
        QTest::keyClick(p.get<QLineEdit>("RzEdit5"), Qt::Key_B);
        QTest::qWait(20);
        QVERIFY(panel.grab().save(folder + QStringLiteral("/keys-tab.png")));
        QTest::keyClick(p.get<QLineEdit>("RzEdit8"), Qt::Key_PageDown);
        QTest::qWait(20);
        QVERIFY(panel.grab().save(folder + QStringLiteral("/keys-tab-clash.png")));
        tabs->setCurrentIndex(0);
        QTest::qWait(20);
        QVERIFY(panel.grab().save(folder + QStringLiteral("/start-tab.png")));
    }
};

QTEST_MAIN(TfrmControlPanKeysTest)
#include "TfrmControlPanKeysTest.moc"
