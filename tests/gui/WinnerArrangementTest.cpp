// The computations behind the pop-up's winner labels: the automatic cell flow, how many
// winners are shown, the measured text, the position files, the grid snap and the length
// of the opening effect.
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"
#include "present/EffectFrames.h"
#include "present/MoverSizer.h"
#include "present/PopupEffect.h"
#include "present/PositionFile.h"
#include "present/WinnerArrangement.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

using namespace lotavo;
using namespace lotavo::ui;

class WinnerArrangementTest : public QObject {
    Q_OBJECT

private slots:
    void flowWrapsBeforeTheCellThatWouldPassTheRowEnd()
    {
        arrangement::CellGrid grid {10, 10, 15, 15, 460};
        auto cells = arrangement::flowPositions(3, QSize(200, 30), grid);
        QCOMPARE(cells.size(), size_t(3));
        QCOMPARE(cells[0], QPoint(10, 10));
        QCOMPARE(cells[1], QPoint(225, 10));
        QCOMPARE(cells[2], QPoint(10, 10 + 30 + 15));
    }

    void flowFillsARowExactlyToItsEnd()
    {
        // 10 + 200 + 15 + 200 = 425: a second cell ending at AllWidth still fits.
        arrangement::CellGrid grid {10, 10, 15, 15, 425};
        auto cells = arrangement::flowPositions(3, QSize(200, 30), grid);
        QCOMPARE(cells[1], QPoint(225, 10));
        QCOMPARE(cells[2], QPoint(10, 55));
    }

    void cellWiderThanTheRowLeavesTheFirstRowEmpty()
    {
        arrangement::CellGrid grid {10, 20, 15, 5, 300};
        auto cells = arrangement::flowPositions(3, QSize(295, 40), grid);
        QCOMPARE(cells[0], QPoint(10, 20 + 40 + 5));
        QCOMPARE(cells[1], QPoint(10, 20 + 2 * (40 + 5)));
        QCOMPARE(cells[2], QPoint(10, 20 + 3 * (40 + 5)));
    }

    void atMostMaxNumberPlusOneWinnersAreShown()
    {
        QCOMPARE(arrangement::shownCount(250, 200), size_t(201));
        QCOMPARE(arrangement::shownCount(201, 200), size_t(201));
        QCOMPARE(arrangement::shownCount(5, 200), size_t(5));
        QCOMPARE(arrangement::shownCount(5, 0), size_t(1));
        QCOMPARE(arrangement::shownCount(0, 200), size_t(0));
    }

    void measuredTextIsCutAndNumberedLikeTheWinners()
    {
        DisplayOptions display;
        std::string longest = gbk::literal("1024王小明");
        QCOMPARE(arrangement::measuringText(longest, display, 7), longest);
        display.showOnly = true;
        display.showStrP = 5;
        display.showStrO = 6;
        QCOMPARE(arrangement::measuringText(longest, display, 7), gbk::literal("王小明"));
        display.showOnlyPop = true;
        display.popShowStrP = 1;
        display.popShowStrO = 4;
        QCOMPARE(arrangement::measuringText(longest, display, 7), std::string("1024"));
        display.serialNumber = true;
        display.space = gbk::literal("、");
        QCOMPARE(arrangement::measuringText(longest, display, 12), gbk::literal("12、1024"));
    }

    void cellGridDefaultsFollowTheScreen()
    {
        QTemporaryDir dir;
        IniStore settings(dir.filePath(QStringLiteral("a.bin")).toStdString());
        auto grid = arrangement::readCellGrid(settings, 1024);
        QCOMPARE(grid.scLeft, 10);
        QCOMPARE(grid.scTop, 10);
        QCOMPARE(grid.scLe, 15);
        QCOMPARE(grid.scHang, 15);
        QCOMPARE(grid.allWidth, 1004);
        settings.writeInteger("frmMainLabel", "AllWidth", 700);
        QCOMPARE(arrangement::readCellGrid(settings, 1024).allWidth, 700);
    }

    void positionFileIsNamedAfterTheLevel()
    {
        QCOMPARE(arrangement::positionFileName(3), std::string("3Pos.Ini"));
        QCOMPARE(arrangement::positionFileName(0), std::string("0Pos.Ini"));
    }

    void positionFileRoundTrip()
    {
        QTemporaryDir dir;
        PositionFile file(dir.filePath(QStringLiteral("3Pos.Ini")).toStdString());
        QVERIFY(!file.exists());
        PositionFile::Font font;
        font.name = QStringLiteral("黑体");
        font.size = 28;
        font.colour = QColor(0x12, 0x34, 0x56);
        font.width = 180;
        font.height = 40;
        font.lcr = 3;
        QCOMPARE(file.write(font, {{QStringLiteral("PC0"), 15, 25}, {QStringLiteral("PC1"), 215, 25}}), std::string());
        QVERIFY(file.exists());
        PositionFile::Font read = file.readFont();
        QCOMPARE(read.name, font.name);
        QCOMPARE(read.size, 28);
        QCOMPARE(read.colour, font.colour);
        QCOMPARE(read.width, 180);
        QCOMPARE(read.height, 40);
        QCOMPARE(read.lcr, 3);
        QCOMPARE(file.readPlace(1).left, 215);
        QCOMPARE(file.readPlace(1).name, QStringLiteral("PC1"));
        // Colours are stored 0x00BBGGRR; the font name is GBK text.
        IniStore raw(file.path());
        QCOMPARE(raw.readInteger("Font", "FontColor", 0), 0x563412);
        QCOMPARE(raw.readString("Font", "FontName", ""), gbk::literal("黑体"));

        // A later save with fewer labels leaves the extra sections; a missing one reads as 5,5.
        QCOMPARE(file.write(font, {{QStringLiteral("PC0"), 50, 60}}), std::string());
        QCOMPARE(file.readPlace(1).left, 215);
        PositionFile::Place missing = file.readPlace(7);
        QCOMPARE(missing.name, QStringLiteral("PC7"));
        QCOMPARE(missing.left, 5);
        QCOMPARE(missing.top, 5);
        QVERIFY(file.remove());
        QVERIFY(!file.exists());
    }

    void positionFileKeysIgnoreCaseAndMissingKeysReadAsDefaults()
    {
        QTemporaryDir dir;
        std::string path = dir.filePath(QStringLiteral("1Pos.Ini")).toStdString();
        std::ofstream(path) << "[font]\r\nfontsize=14\r\n[pc0]\r\nNAME=Alpha\r\nLEFT=30\r\n";
        PositionFile file(path);
        PositionFile::Font font = file.readFont();
        QCOMPARE(font.size, 14);
        QCOMPARE(font.name, QStringLiteral("宋体"));
        QCOMPARE(font.width, 20);
        QCOMPARE(font.height, 20);
        QCOMPARE(font.lcr, 1);
        QCOMPARE(file.readPlace(0).name, QStringLiteral("Alpha"));
        QCOMPARE(file.readPlace(0).left, 30);
        QCOMPARE(file.readPlace(0).top, 5);
    }

    void savingNothingStillCreatesTheFile()
    {
        QTemporaryDir dir;
        PositionFile file(dir.filePath(QStringLiteral("2Pos.Ini")).toStdString());
        QCOMPARE(file.write({}, {}), std::string());
        QVERIFY(file.exists());
        QVERIFY(!IniStore(file.path()).hasKey("Font", "FontSize"));
    }

    void gridSnapGoesToTheNearestStep()
    {
        QCOMPARE(MoverSizer::snap(12, 5), 10);
        QCOMPARE(MoverSizer::snap(13, 5), 15);
        QCOMPARE(MoverSizer::snap(-7, 5), -5);
        QCOMPARE(MoverSizer::snap(17, 1), 17);
        QCOMPARE(MoverSizer::snap(17, 0), 17);
    }

    void effectLengthStaysWithinAStageBeat()
    {
        QCOMPARE(PopupEffect::durationMs(5, 2), 300);
        QCOMPARE(PopupEffect::durationMs(200, 200), 1200);
        QCOMPARE(PopupEffect::durationMs(0, 0), 300);
        QCOMPARE(PopupEffect::durationMs(100000, 100000), 1200);
        int standard = PopupEffect::durationMs(80, 50);
        QVERIFY(standard > 300 && standard < 1200);
        QVERIFY(PopupEffect::durationMs(40, 50) < standard);
        QVERIFY(PopupEffect::durationMs(80, 100) > standard);
        QVERIFY(PopupEffect::frameIntervalMs(80, 50) >= 16);
        QCOMPARE(PopupEffect::frameIntervalMs(200, 2), PopupEffect::durationMs(200, 2) / 2);
    }

    void effectNames()
    {
        bool random = true;
        QCOMPARE(effects::kindNamed("etSpike", random), std::optional(effects::Kind::Spike));
        QVERIFY(!random);
        QCOMPARE(effects::kindNamed("etFireworks", random), std::optional(effects::Kind::Fireworks));
        QCOMPARE(effects::kindNamed("etScatterGather", random), std::optional(effects::Kind::ScatterGather));
        QVERIFY(!effects::kindNamed("etRandom", random));
        QVERIFY(random);
        QVERIFY(!effects::kindNamed("etspike", random));
        QVERIFY(!random);
    }

    void everyEffectEndsOnTheExactWindowAndStartsEmpty()
    {
        QImage content(64, 48, QImage::Format_ARGB32_Premultiplied);
        content.fill(QColor(200, 30, 40));
        for (int kind = 0; kind < effects::kKindCount; ++kind) {
            QImage end(content.size(), QImage::Format_ARGB32_Premultiplied);
            end.fill(Qt::black);
            QPainter painter(&end);
            effects::paintFrame(painter, effects::Kind(kind), content, 1.0, 42);
            painter.end();
            QCOMPARE(end, content);

            QImage start(content.size(), QImage::Format_ARGB32_Premultiplied);
            start.fill(Qt::black);
            QPainter first(&start);
            effects::paintFrame(first, effects::Kind(kind), content, 0.0, 42);
            first.end();
            QCOMPARE(start.pixelColor(32, 24), QColor(Qt::black));

            // Half way something of the window shows, but not all of it.
            QImage middle(content.size(), QImage::Format_ARGB32_Premultiplied);
            middle.fill(Qt::black);
            QPainter half(&middle);
            effects::paintFrame(half, effects::Kind(kind), content, 0.5, 42);
            half.end();
            QVERIFY2(middle != content && middle != start, qPrintable(QString::number(kind)));
        }
    }
};

QTEST_MAIN(WinnerArrangementTest)
#include "WinnerArrangementTest.moc"
