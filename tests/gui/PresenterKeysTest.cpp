// Keys as a presenter remote and the keyboard send them: the keypad and the main keyboard, left
// and right modifiers, keys posted by the program itself, and the winner pop-up closed with an
// assigned key, also one assigned while it runs.
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"
#include "present/HotKeys.h"
#include "present/KeyMap.h"
#include "present/SoundPlayer.h"
#include "present/TFrmAniPop.h"
#include "setup/KeyNames.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace lotavo;
using namespace lotavo::ui;

namespace {

// Records whether each key that reaches it is `expected`, as posted by the program.
class KeyRecorder : public QWidget {
public:
    int expected = 0;
    std::vector<std::pair<QEvent::Type, bool>> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { record(event); }
    void keyReleaseEvent(QKeyEvent* event) override { record(event); }

private:
    void record(QKeyEvent* event)
    {
        keys.emplace_back(event->type(), matchesVirtualKey(*event, expected) && isSynthesized(*event));
    }
};

QKeyEvent nativeKey(int qtKey, quint32 symbol, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return QKeyEvent(QEvent::KeyPress, qtKey, modifiers, 0, symbol, 0);
}

}  // namespace

class PresenterKeysTest : public QObject {
    Q_OBJECT

private slots:
    void mainKeyboardAndKeypadHaveTheirOwnCodes()
    {
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_Minus, 0)), 189);
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_Minus, 0, Qt::KeypadModifier)), 109);
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_Asterisk, 0, Qt::ShiftModifier)), 56);
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_Asterisk, 0, Qt::KeypadModifier)), 106);
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_Enter, 0, Qt::KeypadModifier)), 13);
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_5, 0, Qt::KeypadModifier)), 101);
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_Backtab, 0, Qt::ShiftModifier)), 9);
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_Colon, 0, Qt::ShiftModifier)), 186);
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_Super_R, 0)), 92);
        // Under X11 both Win keys come as Meta; the key symbol tells them apart.
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_Meta, 0xFFEB, Qt::MetaModifier)), 91);
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_Meta, 0xFFEC, Qt::MetaModifier)), 92);
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_unknown, 0xFD0E)), 246);  // 3270 Attn
        QCOMPARE(virtualKeyOf(nativeKey(Qt::Key_VolumeUp, 0x1008FF13)), 0);
    }

    void leftAndRightModifiersMatchTheirOwnCodes()
    {
        QKeyEvent rightShift = nativeKey(Qt::Key_Shift, 0xFFE2, Qt::ShiftModifier);
        QCOMPARE(virtualKeyOf(rightShift), 16);
        QCOMPARE(sidedVirtualKeyOf(rightShift), 161);
        QVERIFY(matchesVirtualKey(rightShift, 16));
        QVERIFY(matchesVirtualKey(rightShift, 161));
        QVERIFY(!matchesVirtualKey(rightShift, 160));
        QCOMPARE(virtualKeyAmong(rightShift, {32, 161}), 161);
        QCOMPARE(virtualKeyAmong(rightShift, {32, 160}), 16);
        QKeyEvent altGr = nativeKey(Qt::Key_AltGr, 0xFE03);
        QCOMPARE(virtualKeyOf(altGr), 18);
        QCOMPARE(sidedVirtualKeyOf(altGr), 165);
        // Without the system's word for the side, neither side matches.
        QVERIFY(!matchesVirtualKey(nativeKey(Qt::Key_Control, 0), 162));
        QVERIFY(!matchesVirtualKey(nativeKey(Qt::Key_Control, 0), 0));
    }

    // The automatic press, the mouse click and the pause command post the assigned key; every
    // assignable key must come back as itself.
    void postedKeysArriveAsTheAssignedKey()
    {
        KeyRecorder recorder;
        QStringList lost;
        for (int code = 1; code < 256; ++code) {
            if (virtualKeyName(code).isEmpty() && code != 186 && code != 189)
                continue;
            recorder.keys.clear();
            recorder.expected = code;
            postKeyPress(&recorder, code);
            QCoreApplication::processEvents();
            bool back = recorder.keys.size() == 2 && recorder.keys[0] == std::pair {QEvent::KeyPress, true} &&
                        recorder.keys[1] == std::pair {QEvent::KeyRelease, true};
            if (!back)
                lost << virtualKeyName(code);
        }
        QCOMPARE(lost, QStringLiteral("PROCESSKEY,NONAME,OEM_CLEAR").split(u','));
    }

    void theRemotesPageDownDrawsAndClosesThePopup()
    {
        QTemporaryDir dir;
        IniStore settings(dir.filePath(QStringLiteral("lotavo.bin")).toStdString());
        settings.writeBool("Option", "FirstRun", false);
        settings.writeBool("Option", "frmAniPopAniMateOnShow", false);
        settings.writeBool("Option", "frmAniPopAniMateOnHide", false);
        settings.writeInteger("DownKey", "Space1", 34);
        settings.writeInteger("DownKey", "Space2", 34);
        SoundPlayer sounds;
        TFrmAniPop pop(settings, ProgramFolder(dir.path().toStdString()), sounds, nullptr);
        QCOMPARE(hotKeyCode(settings, HotKey::ClosePopup), 34);

        auto show = [&](const std::function<void()>& script) {
            EntryList lines {"Winner1", "Winner2"};
            WinnerPopup popup {3, &lines, false};
            PopupContext context;
            context.longestEntry = lines.front();
            context.levelTitle = gbk::literal("三等奖");
            bool timedOut = false;
            QTimer guard;
            guard.setSingleShot(true);
            QObject::connect(&guard, &QTimer::timeout, &pop, [&] {
                timedOut = true;
                pop.close();
            });
            guard.start(10000);
            QTimer::singleShot(0, &pop, script);
            pop.showWinners(popup, context);
            return !timedOut;
        };
        QVERIFY(show([&] {
            QTest::keyRelease(&pop, Qt::Key_PageDown);  // of the press that drew
            QTest::keyPress(&pop, Qt::Key_Space);
            QVERIFY(pop.isVisible());
            QTest::keyPress(&pop, Qt::Key_PageDown);
        }));
        QVERIFY(!pop.isVisible());

        // Assigned in the control panel while the program runs.
        settings.writeInteger("DownKey", "Space2", 66);
        QVERIFY(show([&] {
            QTest::keyRelease(&pop, Qt::Key_PageDown);
            QTest::keyPress(&pop, Qt::Key_PageDown);
            QVERIFY(pop.isVisible());
            QTest::keyPress(&pop, Qt::Key_B);
        }));
        QVERIFY(!pop.isVisible());

        // A right Shift given as the close key by its own code.
        settings.writeInteger("DownKey", "Space2", 161);
        QVERIFY(show([&] {
            QTest::keyRelease(&pop, Qt::Key_PageDown);
            QKeyEvent left(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 0, 0xFFE1, 0);
            QApplication::sendEvent(&pop, &left);
            QVERIFY(pop.isVisible());
            QKeyEvent right(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 0, 0xFFE2, 0);
            QApplication::sendEvent(&pop, &right);
        }));
        QVERIFY(!pop.isVisible());
    }
};

QTEST_MAIN(PresenterKeysTest)
#include "PresenterKeysTest.moc"
