// The winner pop-up driven offscreen: arrangement of the labels, keys and clicks that close
// it, the opening delay and automatic close, design mode with the position file, strike-out
// in confirmation mode, the menus and the effects.
#include "draw/Gbk.h"
#include "present/FontNames.h"
#include "present/SmoothLabel.h"
#include "main/settings/IniStore.h"
#include "present/PopupEffect.h"
#include "present/PositionFile.h"
#include "present/SoundPlayer.h"
#include "present/TFrmAniPop.h"
#include "present/WinnerLabel.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace lotavo;
using namespace lotavo::ui;

namespace {

// A pop-up on settings in a fresh folder; effects off unless a test turns them on.
struct Stage {
    QTemporaryDir dir;
    std::unique_ptr<IniStore> settings;
    SoundPlayer sounds;
    std::unique_ptr<TFrmAniPop> pop;
    EntryList lines;
    int shown = 0;
    int hidden = 0;
    bool timedOut = false;
    qint64 elapsedMs = 0;

    explicit Stage(const std::function<void(IniStore&)>& configure = {}, QWidget* mainWindow = nullptr)
    {
        settings = std::make_unique<IniStore>(file("lotavo.bin"));
        settings->writeBool("Option", "FirstRun", false);
        settings->writeBool("Option", "frmAniPopAniMateOnShow", false);
        settings->writeBool("Option", "frmAniPopAniMateOnHide", false);
        if (configure)
            configure(*settings);
        pop = std::make_unique<TFrmAniPop>(*settings, ProgramFolder(dir.path().toStdString()), sounds, mainWindow);
        pop->onShown = [this] { ++shown; };
        pop->onHidden = [this] { ++hidden; };
    }

    std::string file(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }

    // Shows `count` winners and runs `script` inside the modal loop.
    std::vector<size_t> show(size_t count, const std::function<void()>& script, int level = 3, bool confirm = false,
                             int maxNumber = 200, int mode = 1)
    {
        lines.clear();
        for (size_t i = 0; i < count; ++i)
            lines.push_back("Winner" + std::to_string(1000 + i));
        WinnerPopup popup {level, &lines, confirm};
        PopupContext context;
        context.longestEntry = lines.empty() ? std::string() : lines.front();
        context.levelTitle = gbk::literal("三等奖");
        context.maxNumber = maxNumber;
        context.mode = mode;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, pop.get(), [this] {
            timedOut = true;
            pop->close();
        });
        guard.start(10000);
        QTimer::singleShot(0, pop.get(), script);
        QElapsedTimer clock;
        clock.start();
        std::vector<size_t> struck = pop->showWinners(popup, context);
        elapsedMs = clock.elapsed();
        return struck;
    }

    WinnerLabel* label(int index) const { return pop->findChild<WinnerLabel*>(QStringLiteral("PC%1").arg(index)); }
    QList<WinnerLabel*> labels() const { return pop->findChildren<WinnerLabel*>(); }
    QWidget* part(const char* name) const { return pop->findChild<QWidget*>(QString::fromLatin1(name)); }
    QAction* action(const char* name) const { return pop->findChild<QAction*>(QString::fromLatin1(name)); }

    void press(Qt::Key key) { QTest::keyPress(pop.get(), key); }
    void release(Qt::Key key) { QTest::keyRelease(pop.get(), key); }
    // The release of the key whose press made the draw, then the close key.
    void closeNormally()
    {
        release(Qt::Key_Space);
        press(Qt::Key_Space);
    }
    // Mouse events as the window system delivers them, straight to the control.
    void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button)
    {
        bool down = type != QEvent::MouseButtonRelease && button != Qt::NoButton;
        Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
        QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), changed,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    void click(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        QTest::qWait(30);  // the posted close key arrives
    }
};

}  // namespace

class TFrmAniPopTest : public QObject {
    Q_OBJECT

private slots:
    // Readied ahead (background scaled on a worker, window and backing store made), the
    // pop-up must still show exactly what a cold one shows.
    void aWarmedUpPopupShowsWhatAColdOneShows()
    {
        auto shownPicture = [](bool warm) {
            Stage stage;
            if (warm) {
                stage.pop->warmUp();
                QTest::qWait(300);  // the scaled background arrives from the worker
            }
            QImage shown;
            stage.show(3, [&] {
                shown = stage.pop->grab().toImage();
                stage.closeNormally();
            });
            return shown;
        };
        QImage cold = shownPicture(false);
        QImage warm = shownPicture(true);
        QVERIFY(!cold.isNull());
        QCOMPARE(warm.size(), cold.size());
        QVERIFY(warm == cold);
    }

    void closeKeyClosesOnlyAfterAKeyRelease()
    {
        Stage stage;
        bool visibleAfterEarlyPress = false;
        auto struck = stage.show(3, [&] {
            QVERIFY(stage.pop->isVisible());
            QCOMPARE(stage.labels().size(), 3);
            stage.press(Qt::Key_Space);
            visibleAfterEarlyPress = stage.pop->isVisible();
            stage.release(Qt::Key_A);
            stage.press(Qt::Key_A);
            QVERIFY(stage.pop->isVisible());
            stage.press(Qt::Key_Space);
        });
        QVERIFY(!stage.timedOut);
        QVERIFY(visibleAfterEarlyPress);
        QVERIFY(struck.empty());
        QVERIFY(!stage.pop->isVisible());
        QVERIFY(stage.labels().isEmpty());
        QCOMPARE(stage.shown, 1);
        QCOMPARE(stage.hidden, 1);
    }

    void closeKeyIsSpace2()
    {
        Stage stage([](IniStore& s) { s.writeInteger("DownKey", "Space2", 0x0D); });
        stage.show(2, [&] {
            stage.closeNormally();
            QVERIFY(stage.pop->isVisible());
            stage.press(Qt::Key_Return);
        });
        QVERIFY(!stage.timedOut);
        QVERIFY(!stage.pop->isVisible());
    }

    void firstClickArmsTheSecondCloses()
    {
        Stage stage;
        stage.show(2, [&] {
            stage.click(stage.part("imgPopBG"));
            QVERIFY(stage.pop->isVisible());
            stage.click(stage.part("lblCaption"));
        });
        QVERIFY(!stage.timedOut);
        QVERIFY(!stage.pop->isVisible());

        Stage quiet([](IniStore& s) { s.writeBool("Option", "MouseOnClick", false); });
        quiet.show(2, [&] {
            quiet.click(quiet.part("imgPopBG"));
            quiet.click(quiet.part("imgPopBG"));
            QVERIFY(quiet.pop->isVisible());
            quiet.closeNormally();
        });
        QVERIFY(!quiet.timedOut);
    }

    void clickOnAWinnerClosesOutsideConfirmationMode()
    {
        Stage stage;
        stage.show(3, [&] {
            stage.click(stage.label(0));
            stage.click(stage.label(2));
        });
        QVERIFY(!stage.timedOut);
        QVERIFY(!stage.pop->isVisible());
    }

    void struckOutWinnersComeBackByIndex()
    {
        Stage stage([](IniStore& s) { s.writeInteger("AniPopFont", "FontColor", 0x0000FF); });
        auto struck = stage.show(5, [&] {
            for (int index : {1, 3, 4, 4})
                stage.click(stage.label(index));
            QVERIFY(stage.pop->isVisible());
            QVERIFY(stage.label(1)->font().strikeOut());
            QCOMPARE(stage.label(1)->colour(), QColor(0xC0, 0xC0, 0xC0));
            QVERIFY(!stage.label(4)->font().strikeOut());
            QCOMPARE(stage.label(4)->colour(), QColor(255, 0, 0));
            stage.closeNormally();
        }, 3, true);
        QVERIFY(!stage.timedOut);
        QCOMPARE(struck, (std::vector<size_t> {1, 3}));
        QVERIFY(stage.labels().isEmpty());
    }

    void automaticArrangementFlowsCells()
    {
        Stage stage([](IniStore& s) {
            s.writeInteger("frmMainLabel", "Sc_Left", 10);
            s.writeInteger("frmMainLabel", "Sc_Top", 10);
            s.writeInteger("frmMainLabel", "Sc_Le", 15);
            s.writeInteger("frmMainLabel", "Sc_Hang", 15);
            s.writeInteger("AniPopFont", "FontSize", 20);
        });
        QSize cell;
        stage.show(1, [&] { stage.closeNormally(); });
        stage.show(3, [&] {
            cell = stage.label(0)->size();
            stage.closeNormally();
        });
        QVERIFY(cell.width() > 20);
        // Room for two cells and a bit: the third wraps.
        stage.settings->writeInteger("frmMainLabel", "AllWidth", 10 + 2 * cell.width() + 15 + 5);
        stage.show(3, [&] {
            QCOMPARE(stage.label(0)->pos(), QPoint(10, 10));
            QCOMPARE(stage.label(1)->pos(), QPoint(10 + cell.width() + 15, 10));
            QCOMPARE(stage.label(2)->pos(), QPoint(10, 10 + cell.height() + 15));
            QCOMPARE(stage.label(2)->font().pointSize(), 20);
            stage.closeNormally();
        });
        // A cell wider than the row: every label on its own row, the first row empty.
        stage.settings->writeInteger("frmMainLabel", "AllWidth", 20);
        stage.show(2, [&] {
            QCOMPARE(stage.label(0)->pos(), QPoint(10, 10 + cell.height() + 15));
            QCOMPARE(stage.label(1)->pos(), QPoint(10, 10 + 2 * (cell.height() + 15)));
            stage.closeNormally();
        });
        QVERIFY(!stage.timedOut);
    }

    void aPressTooLargeForThePopupShrinksUntilEveryWinnerIsOnIt()
    {
        Stage stage([](IniStore& s) {
            s.writeInteger("frmMainLabel", "Sc_Left", 40);
            s.writeInteger("frmMainLabel", "Sc_Top", 120);
            s.writeInteger("frmMainLabel", "Sc_Le", 30);
            s.writeInteger("frmMainLabel", "Sc_Hang", 12);
            s.writeInteger("AniPopFont", "FontSize", 40);
        });
        QRect popup;
        int smallest = 1000;
        stage.show(100, [&] {
            popup = stage.pop->rect();
            QCOMPARE(stage.labels().size(), 100);
            for (WinnerLabel* label : stage.labels()) {
                QRect onPopup(label->mapTo(stage.pop.get(), QPoint(0, 0)), label->size());
                QVERIFY2(popup.contains(onPopup), qPrintable(label->objectName()));
                smallest = std::min(smallest, QFontInfo(label->font()).pixelSize());
            }
            stage.closeNormally();
        });
        QVERIFY(smallest >= 14);
        QVERIFY(smallest < QFontInfo(storedFont(QStringLiteral("宋体"), 40)).pixelSize());

        // Even the smallest font leaves rows below the pop-up: 14 px, no smaller.
        stage.settings->writeInteger("frmMainLabel", "Sc_Hang", 400);
        stage.show(40, [&] {
            for (WinnerLabel* label : stage.labels())
                QCOMPARE(QFontInfo(label->font()).pixelSize(), 14);
            stage.closeNormally();
        });
        QVERIFY(!stage.timedOut);
    }

    void aFittingPressKeepsTheStoredFont()
    {
        Stage stage([](IniStore& s) { s.writeInteger("AniPopFont", "FontSize", 40); });
        stage.show(2, [&] {
            QCOMPARE(stage.label(1)->font().pointSize(), 40);
            QCOMPARE(stage.label(0)->pos(), QPoint(10, 10));
            stage.closeNormally();
        });
        QVERIFY(!stage.timedOut);
    }

    void oneWinnerUsesTheSingleFontAndPlace()
    {
        Stage stage([](IniStore& s) {
            s.writeInteger("AniPopFont", "SingleLeft", 123);
            s.writeInteger("AniPopFont", "SingleTop", 77);
            s.writeInteger("AniPopFont", "SingleFontSize", 30);
            s.writeInteger("AniPopFont", "SingleFontColor", 0x00FF00);
            s.writeInteger("frmMainLabel", "AllWidth", 20);
        });
        stage.show(1, [&] {
            QCOMPARE(stage.labels().size(), 1);
            QCOMPARE(stage.label(0)->pos(), QPoint(123, 77));
            QCOMPARE(stage.label(0)->font().pointSize(), 30);
            QCOMPARE(stage.label(0)->colour(), QColor(0, 255, 0));
            QCOMPARE(stage.label(0)->text(), QStringLiteral("Winner1000"));
            stage.closeNormally();
        });
        QVERIFY(!stage.timedOut);
    }

    void atMostMaxNumberPlusOneLabels()
    {
        Stage stage;
        stage.show(250, [&] {
            QCOMPARE(stage.labels().size(), 201);
            QVERIFY(stage.label(200));
            QVERIFY(!stage.label(201));
            stage.closeNormally();
        }, 3, false, 200);
        QVERIFY(!stage.timedOut);
    }

    void ctrlSavesThePositionsAndTheLevelTurnsManual()
    {
        Stage stage([](IniStore& s) { s.writeInteger("AniPopFont", "FontColor", 0x0000FF); });
        std::string path = stage.file("3Pos.Ini");
        QPoint moved;
        QSize first;
        stage.show(3, [&] {
            stage.press(Qt::Key_Control);
            QVERIFY(stage.part("lblDesignStatus")->isVisible());
            stage.press(Qt::Key_Space);  // ignored in design mode
            WinnerLabel* label = stage.label(1);
            QPoint grip = label->rect().center();
            stage.mouse(label, QEvent::MouseMove, grip, Qt::NoButton);
            stage.mouse(label, QEvent::MouseButtonPress, grip, Qt::LeftButton);
            stage.mouse(label, QEvent::MouseMove, grip + QPoint(33, 21), Qt::LeftButton);
            stage.mouse(label, QEvent::MouseButtonRelease, grip + QPoint(33, 21), Qt::LeftButton);
            moved = label->pos();
            first = stage.label(0)->size();
            QVERIFY(!QFile::exists(QString::fromStdString(path)));
            stage.release(Qt::Key_Control);
            QVERIFY(!stage.part("lblDesignStatus")->isVisible());
            QVERIFY(QFile::exists(QString::fromStdString(path)));
            QVERIFY(stage.action("N5")->isChecked());
            stage.press(Qt::Key_Space);
        });
        QVERIFY(!stage.timedOut);
        QVERIFY(!stage.pop->isVisible());
        QCOMPARE(moved.x() % 5, 0);
        QCOMPARE(moved.y() % 5, 0);
        QVERIFY(moved.x() > 30);

        // The manual arrangement: stored places, one stored size for all, stored colour; a
        // released strike-out takes the automatic arrangement's colour again.
        IniStore(path).writeInteger("Font", "FontColor", 0x00FF00);
        stage.show(3, [&] {
            QCOMPARE(stage.label(1)->pos(), moved);
            QCOMPARE(stage.label(2)->size(), first);
            QCOMPARE(stage.label(0)->colour(), QColor(0, 255, 0));
            stage.click(stage.label(0));
            stage.click(stage.label(0));
            QCOMPARE(stage.label(0)->colour(), QColor(255, 0, 0));
            QVERIFY(stage.action("N5")->isChecked());
            QVERIFY(!stage.action("N10")->isChecked());
            stage.closeNormally();
        }, 3, true);
        QVERIFY(!stage.timedOut);
    }

    void openingDelayIgnoresTheCloseKey()
    {
        Stage stage([](IniStore& s) {
            s.writeBool("Option", "AniPopDelayTime", true);
            s.writeInteger("Option", "AniPopDelayTimeVal", 600);
        });
        bool visibleAfterEarlyPress = false;
        QTimer::singleShot(200, stage.pop.get(), [&] {
            stage.press(Qt::Key_Space);
            visibleAfterEarlyPress = stage.pop->isVisible();
        });
        QTimer::singleShot(800, stage.pop.get(), [&] { stage.press(Qt::Key_Space); });
        stage.show(2, [&] { stage.release(Qt::Key_Space); });
        QVERIFY(!stage.timedOut);
        QVERIFY(visibleAfterEarlyPress);
        QVERIFY(stage.elapsedMs >= 780);
        QVERIFY(!stage.pop->isVisible());
    }

    void automaticCloseAfterTheStartKeyRelease()
    {
        Stage stage([](IniStore& s) {
            s.writeBool("Option", "AniPopDelayClose", true);
            s.writeInteger("Option", "AniPopDelayCloseVal", 500);
        });
        stage.show(2, [&] { stage.release(Qt::Key_Space); });
        QVERIFY(!stage.timedOut);
        QVERIFY(stage.elapsedMs >= 500);
        QVERIFY(stage.elapsedMs < 3000);

        // Another key's release arms the close key but closes nothing by itself.
        bool stillUp = false;
        QTimer::singleShot(800, stage.pop.get(), [&] {
            stillUp = stage.pop->isVisible();
            stage.press(Qt::Key_Space);
        });
        stage.show(2, [&] { stage.release(Qt::Key_A); });
        QVERIFY(!stage.timedOut);
        QVERIFY(stillUp);
    }

    void keysPostedToTheDrawScreenReachThePopup()
    {
        // The automatic press posts its key release to the draw screen; it must arm the close.
        QWidget drawScreen;
        drawScreen.show();
        {
            Stage stage([](IniStore& s) {
                s.writeBool("Option", "AniPopDelayClose", true);
                s.writeInteger("Option", "AniPopDelayCloseVal", 300);
            }, &drawScreen);
            stage.show(2, [&] {
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
                QApplication::sendEvent(&drawScreen, &release);
            });
            QVERIFY(!stage.timedOut);
            QVERIFY(!stage.pop->isVisible());
            QVERIFY(stage.elapsedMs >= 300);
        }
        QVERIFY(drawScreen.isVisible());
    }

    void autoArrangeCommandDeletesTheCurrentLevelsFileOnly()
    {
        Stage stage;
        PositionFile temporary(stage.file("0Pos.Ini"));
        PositionFile third(stage.file("3Pos.Ini"));
        temporary.write({}, {});
        third.write({}, {});
        stage.show(2, [&] {
            QCOMPARE(stage.action("N10")->text(), QStringLiteral("自动排列 三等奖"));
            QCOMPARE(stage.action("N5")->text(), QStringLiteral("手工排列 三等奖"));
            QVERIFY(stage.action("N5")->isChecked());
            stage.action("N10")->trigger();
            QVERIFY(stage.action("N10")->isChecked());
            stage.closeNormally();
        }, 0);
        QVERIFY(!stage.timedOut);
        QVERIFY(!temporary.exists());
        QVERIFY(third.exists());
    }

    void alignmentCommandSavesTheLevelManually()
    {
        Stage stage;
        stage.show(3, [&] {
            stage.action("N13")->trigger();
            QVERIFY(stage.label(2)->alignment() & Qt::AlignHCenter);
            stage.closeNormally();
        });
        QVERIFY(!stage.timedOut);
        IniStore file(stage.file("3Pos.Ini"));
        QCOMPARE(file.readInteger("Font", "LCR", 0), 2);
        QCOMPARE(file.readString("PC2", "Name", ""), std::string("PC2"));

        stage.pop->setSettingsLocked(true);
        QVERIFY(!stage.action("N13")->isVisible() || !stage.action("N4")->isVisible());
        QVERIFY(!stage.action("N10")->isVisible());
        QVERIFY(stage.action("N3")->isVisible());
    }

    void effectsPlayOnShowAndHide()
    {
        Stage stage([](IniStore& s) {
            s.writeBool("Option", "frmAniPopAniMateOnShow", true);
            s.writeBool("Option", "frmAniPopAniMateOnHide", true);
            s.writeInteger("Option", "AniPopDelay", 5);
            s.writeInteger("Option", "AniMateStep", 10);
            s.writeString("Option", "AniMateDelay", "etVortex");
        });
        auto* effect = stage.pop->findChild<PopupEffect*>();
        QVERIFY(effect);
        bool runningAtStart = false;
        bool doneLater = false;
        bool runningWhileClosing = false;
        qint64 closingStarted = 0;
        QElapsedTimer clock;
        stage.show(2, [&] {
            runningAtStart = stage.pop->isVisible() && effect->isRunning();
            QTest::qWait(PopupEffect::durationMs(5, 10) + 100);
            doneLater = !effect->isRunning() && stage.label(0)->isVisible();
            clock.start();
            stage.closeNormally();
            runningWhileClosing = effect->isRunning() && stage.pop->isVisible();
            closingStarted = clock.elapsed();
        });
        QVERIFY(!stage.timedOut);
        QVERIFY(runningAtStart);
        QVERIFY(doneLater);
        QVERIFY(runningWhileClosing);
        QVERIFY(clock.elapsed() - closingStarted >= PopupEffect::durationMs(5, 10) - 20);
        QVERIFY(!stage.pop->isVisible());
        QVERIFY(!effect->isRunning());
    }

    void keysCutTheOpeningEffectShort()
    {
        Stage stage([](IniStore& s) {
            s.writeBool("Option", "frmAniPopAniMateOnShow", true);
            s.writeInteger("Option", "AniPopDelay", 200);
            s.writeInteger("Option", "AniMateStep", 200);
            s.writeString("Option", "AniMateDelay", "etRandom");
        });
        auto* effect = stage.pop->findChild<PopupEffect*>();
        stage.show(2, [&] {
            QVERIFY(effect->isRunning());
            stage.closeNormally();
        });
        QVERIFY(!stage.timedOut);
        QVERIFY(stage.elapsedMs < PopupEffect::durationMs(200, 200));
        QVERIFY(!effect->isRunning());
    }

    void creationPicksTheBackgroundAndTitle()
    {
        Stage stage([](IniStore& s) {
            s.writeString("frmMainLabel", "frmAniPoplblCaption", gbk::literal("恭喜"));
            s.writeInteger("frmMainLabel", "frmaniPoplblCaptionLeft", 40);
            s.writeInteger("frmMainLabel", "frmaniPoplblCaptionTop", 60);
            s.writeInteger("frmMainLabel", "frmaniPoplblCaptionFontSize", 36);
        });
        // The offscreen screen is 800 pixels wide.
        std::string background = stage.settings->readString("Option", "imgPopBG", "");
        QVERIFY(QString::fromStdString(background).endsWith(QStringLiteral("Wallpaper/back800.bmp")));
        auto* caption = stage.pop->findChild<SmoothLabel*>(QStringLiteral("lblCaption"));
        QCOMPARE(caption->text(), QStringLiteral("恭喜"));
        QCOMPARE(caption->pos(), QPoint(40, 60));
        QCOMPARE(caption->font().pointSize(), 36);
        QCOMPARE(caption->colour(), QColor(200, 0, 0));

        caption->move(75, 85);
        stage.pop->setCaptionText(QStringLiteral("一等奖"));
        stage.pop->writeBack();
        QCOMPARE(stage.settings->readString("frmMainLabel", "frmAniPoplblCaption", ""), gbk::literal("一等奖"));
        QCOMPARE(stage.settings->readInteger("frmMainLabel", "frmaniPoplblCaptionLeft", 0), 75);
        QCOMPARE(stage.settings->readInteger("frmMainLabel", "frmaniPoplblCaptionFontColor", 0), 200);
        QCOMPARE(stage.settings->readInteger("Option", "imgPopAwardLeft", 0), 50);

        // With the level name as title, the level name is not stored as the title.
        stage.settings->writeBool("Option", "AniPopCaption", true);
        stage.pop->setCaptionText(QStringLiteral("二等奖"));
        stage.pop->writeBack();
        QCOMPARE(stage.settings->readString("frmMainLabel", "frmAniPoplblCaption", ""), gbk::literal("一等奖"));
        stage.pop->applyLayout();
        QCOMPARE(caption->text(), QStringLiteral("一等奖"));
    }

    void transparentBackgroundShowsOnlyInDesignMode()
    {
        Stage stage;
        stage.show(1, [&] {
            QVERIFY(!stage.pop->testAttribute(Qt::WA_TranslucentBackground));
            QVERIFY(stage.part("imgPopBG")->isVisible());
            stage.closeNormally();
        });
        stage.settings->writeBool("Option", "FrmAniPopTrans", true);
        stage.show(1, [&] {
            QVERIFY(stage.pop->testAttribute(Qt::WA_TranslucentBackground));
            QVERIFY(!stage.part("imgPopBG")->isVisible());
            stage.press(Qt::Key_Control);
            QVERIFY(stage.part("imgPopBG")->isVisible());
            stage.release(Qt::Key_Control);
            QVERIFY(!stage.part("imgPopBG")->isVisible());
            stage.press(Qt::Key_Space);
        });
        QVERIFY(!stage.timedOut);
        QVERIFY(!stage.pop->isVisible());
    }

    void winnerSoundPlaysOnShow()
    {
        Stage stage;
        QDir(stage.dir.path()).mkpath(QStringLiteral("Sound"));
        QFile wav(stage.dir.filePath(QStringLiteral("Sound/sha.wav")));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        wav.write("RIFF");
        wav.close();
        QString playing;
        stage.show(2, [&] {
            playing = stage.sounds.playing();
            stage.closeNormally();
        });
        QCOMPARE(playing, wav.fileName());

        // The prize draw plays the sound stored for the prize, when there is one.
        QFile prize(stage.dir.filePath(QStringLiteral("Sound/prize.wav")));
        QVERIFY(prize.open(QIODevice::WriteOnly));
        prize.close();
        stage.settings->writeString("CreateAw", "Winner1000WAV", "Sound\\prize.wav");
        stage.show(1, [&] {
            playing = stage.sounds.playing();
            stage.closeNormally();
        }, 3, false, 200, 3);
        QCOMPARE(playing, prize.fileName());
    }
};

QTEST_MAIN(TFrmAniPopTest)
#include "TFrmAniPopTest.moc"
