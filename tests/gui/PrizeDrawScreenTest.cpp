// The prize draw on the draw screen, offscreen: one level of the whole list, the pop-up for
// every prize, the statistics line of prizes, and the last prize readable on screen.
#include "DrawScreenProgram.h"

#include "present/QtText.h"
#include "present/SmoothLabel.h"
#include "present/TFrmAniPop.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>


using namespace lotavo;
using lotavo::test::G;

class PrizeDrawScreenTest : public QObject {
    Q_OBJECT
private slots:
    void drawsEveryPrizeOfTheListAsOneLevel();
};

void PrizeDrawScreenTest::drawsEveryPrizeOfTheListAsOneLevel()
{
    lotavo::test::DrawScreenProgram program;
    lotavo::test::writeFile(program.folder.file("Text.txt"),
                            G("111111豪华家庭影院音响套装\r\n222222全自动滚筒洗衣烘干一体机\r\n333333智能变频双开门冰箱\r\n"));
    IniStore& settings = *program.settings;
    settings.writeInteger("Option", "ModeSelect", 3);
    for (auto [key, value] : {std::pair {"ShowOnly", 1}, {"ShowStrP", 1}, {"ShowStrO", 6}, {"ShowOnlyPop", 1},
                              {"PopShowStrP", 7}, {"PopShowStrO", 30}})
        settings.writeInteger("Option", key, value);
    program.withoutPopupAnimation();
    ui::TFrmMain& screen = program.start();

    auto* stat = screen.findChild<ui::SmoothLabel*>(QStringLiteral("lblStat"));
    QCOMPARE(stat->text(), QStringLiteral("当前奖品共3个,已抽0个,还剩3个 "));
    QTest::qWait(100);
    auto* rolling = screen.findChild<QLabel*>(QStringLiteral("LblGdArea1"));
    QCOMPARE(rolling->text().size(), 6);  // the code rolls

    for (int press = 0; press < 3; ++press) {
        QTimer::singleShot(50, [&screen] {
            QTest::keyRelease(&screen.popup(), Qt::Key_Space);
            QTest::keyClick(&screen.popup(), Qt::Key_Space);
        });
        QTest::keyClick(&screen, Qt::Key_Space);
    }
    const SessionState& st = screen.engine().state();
    QVERIFY(st.drawOver);
    QCOMPARE(st.results.size(), size_t(3));
    QCOMPARE(stat->text(), QStringLiteral("当前奖品共3个,已抽3个,还剩0个 "));
    QString last = ui::fromGbk(st.winners.back());
    QCOMPARE(rolling->text(), last);
    QVERIFY2(rolling->width() >= rolling->fontMetrics().horizontalAdvance(last), "the last prize is not clipped");
}

QTEST_MAIN(PrizeDrawScreenTest)
#include "PrizeDrawScreenTest.moc"
