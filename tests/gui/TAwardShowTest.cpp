// The award screen offscreen: its keys and what they store, the scroll position, opening from
// the draw screen, and lists and files it must survive.
#include "DrawScreenProgram.h"

#include "present/QtText.h"
#include "present/ScrollText.h"
#include "present/SmoothLabel.h"
#include "present/SoundPlayer.h"
#include "present/TAwardShow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace lotavo;
using lotavo::test::G;

namespace {

struct Folder {
    lotavo::test::TempFolder folder;
    std::unique_ptr<IniStore> settings;
    ui::SoundPlayer sounds;
    QString music;
    Folder() { settings = std::make_unique<IniStore>(folder.file("lotavo.bin")); }
    std::unique_ptr<ui::TAwardShow> open(const QStringList& lines = {}, int closeKey = 0x24)
    {
        auto screen = std::make_unique<ui::TAwardShow>(
            ui::AwardScreenContext {*settings, ProgramFolder(folder.path()), sounds, music, QStringLiteral("主标题"), closeKey});
        screen->setLines(lines);
        screen->show();
        QApplication::processEvents();
        return screen;
    }
};

QStringList winners(int count)
{
    QStringList lines {QStringLiteral("<Title1>")};
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1 获奖者  三等奖").arg(1000 + i);
    return lines;
}

// Closes the modal award screen once it is up, with `key`; records how many lines it showed.
// The closing is called off when the returned guard goes, so that a screen that never opened
// leaves no timer behind to fire into a later case.
[[nodiscard]] std::unique_ptr<QObject> closeAwardScreenSoon(int* shownLines, Qt::Key key = Qt::Key_Escape)
{
    auto guard = std::make_unique<QObject>();
    QTimer::singleShot(50, guard.get(), [=] {
        auto* screen = qobject_cast<ui::TAwardShow*>(QApplication::activeModalWidget());
        if (!screen)
            return;
        *shownLines = screen->credits()->lineCount();
        QTest::keyClick(screen, key);
    });
    return guard;
}

}  // namespace

class TAwardShowTest : public QObject {
    Q_OBJECT
private slots:
    void firstOpeningUsesTheScreenDefaults();
    void pageKeysChangeTheStepAndStoreIt();
    void ctrlReleaseStoresTheScrollArea();
    void closeKeysAndWhatClosingStores();
    void creditsScrollUpAtTheStepAndStartOver();
    void aLineWiderThanTheScreenIsShownWhole();
    void editedTitlesAreCentred();
    void alignmentFromTheOptionAndTheMenu();
    void drawScreenOpensItWithHomeEndAndAtTheEnd();
    void badInput();
};

void TAwardShowTest::firstOpeningUsesTheScreenDefaults()
{
    Folder f;
    auto screen = f.open(winners(3));
    QSize size = QApplication::primaryScreen()->geometry().size();
    QCOMPARE(screen->geometry(), QRect(QPoint(0, 0), size));
    const int w = size.width(), h = size.height();
    QCOMPARE(screen->credits()->geometry(), QRect(24, h / 5, w, h - h / 6));
    QCOMPARE(screen->credits()->step(), 1);
    QCOMPARE(screen->credits()->lineCount(), 3);  // the tag line selects the font, it is not shown
    auto* title1 = screen->findChild<ui::SmoothLabel*>(QStringLiteral("AALabel1"));
    auto* title2 = screen->findChild<ui::SmoothLabel*>(QStringLiteral("AALabel2"));
    QCOMPARE(title1->pos(), QPoint(23, 43));
    QCOMPARE(title2->pos(), QPoint(23, 43));
    QCOMPARE(title1->text(), QStringLiteral("主标题"));
    QCOMPARE(title2->text(), QStringLiteral("抽 奖 名 单"));
    QCOMPARE(title2->font(), title1->font());
    // Text and background both default to colour 33: the winners must still be readable.
    QVERIFY(screen->credits()->itemColour() != screen->credits()->backColour());
}

void TAwardShowTest::pageKeysChangeTheStepAndStoreIt()
{
    Folder f;
    {
        auto screen = f.open(winners(3));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(screen.get(), Qt::Key_PageUp);
        QCOMPARE(screen->credits()->step(), 4);
        QCOMPARE(f.settings->readInteger("AwardScreen", "ScrollDelay", 0), 4);
    }
    auto screen = f.open(winners(3));
    QCOMPARE(screen->credits()->step(), 4);
    // No bounds: below zero the credits run downward.
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(screen.get(), Qt::Key_PageDown);
    QCOMPARE(f.settings->readInteger("AwardScreen", "ScrollDelay", 0), -2);
}

void TAwardShowTest::ctrlReleaseStoresTheScrollArea()
{
    Folder f;
    {
        auto screen = f.open(winners(3));
        QTest::keyPress(screen.get(), Qt::Key_Control);
        QVERIFY(screen->inDesignMode());
        QVERIFY(screen->findChild<ui::SmoothLabel*>(QStringLiteral("lblDesignStatus"))->isVisible());
        screen->credits()->setGeometry(100, 200, 700, 300);  // as the mover leaves it
        QTest::keyRelease(screen.get(), Qt::Key_Control);
        QVERIFY(!screen->inDesignMode());
        QVERIFY(!screen->findChild<ui::SmoothLabel*>(QStringLiteral("lblDesignStatus"))->isVisible());
        QVERIFY(f.settings->readBool("AwardScreen", "HandMove", false));
        QCOMPARE(f.settings->readInteger("AwardScreen", "HandTop", 0), 200);
    }
    auto screen = f.open(winners(3));
    QCOMPARE(screen->credits()->geometry(), QRect(100, 200, 700, 300));
}

void TAwardShowTest::closeKeysAndWhatClosingStores()
{
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_End, Qt::Key_Home, Qt::Key_F5}) {
        Folder f;
        auto screen = f.open(winners(3), key == Qt::Key_F5 ? 0x74 : 0x24);
        QTest::keyClick(screen.get(), key);
        QVERIFY2(!screen->isVisible(), qPrintable(QString::number(key)));
        QCOMPARE(ui::fromGbk(f.settings->readString("AwardScreen", "LabelCaption1", "")), QStringLiteral("主标题"));
        QCOMPARE(f.settings->readInteger("AwardScreen", "Label2Top", 0), 43);
        QVERIFY(f.settings->hasKey("AwardScreen", "BackColor"));
    }
    Folder f;
    auto screen = f.open(winners(3), 0x74);
    QTest::keyClick(screen.get(), Qt::Key_Home);  // Home is not the close key here
    QVERIFY(screen->isVisible());
    // The opening key held down repeats: the screen stays.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(screen.get(), &repeat);
    QVERIFY(screen->isVisible());
}

void TAwardShowTest::creditsScrollUpAtTheStepAndStartOver()
{
    Folder f;
    f.settings->writeInteger("AwardScreen", "ScrollDelay", 3);
    auto screen = f.open(winners(40));
    ui::ScrollText* credits = screen->credits();
    screen->startScrolling();
    credits->stop();
    // The first page is up at once.
    const double start = credits->position();
    QVERIFY(start > credits->height() - credits->lineHeight() - 1 && start < credits->height());
    QCOMPARE(credits->firstVisibleLine(), 0);
    credits->advance(600);  // ten ticks of 60 ms
    QCOMPARE(credits->position(), start + 30.0);
    credits->advance(10);   // a frame shorter than a tick moves a fraction of the step
    QCOMPARE(credits->position(), start + 30.5);
    // Past the end: a pause, then from the bottom again.
    credits->setPosition(credits->height() + credits->contentHeight() - 1);
    credits->advance(120);
    credits->advance(ui::ScrollText::kRepeatPauseMs - 100);
    QVERIFY(credits->position() > credits->height());
    credits->advance(200);
    QCOMPARE(credits->position(), 0.0);
    QCOMPARE(credits->firstVisibleLine(), -1);
    // A negative step runs them down.
    credits->setPosition(500);
    credits->setStep(-2);
    credits->advance(60);
    QCOMPARE(credits->position(), 498.0);
    // What is painted is the current position: the top line on screen is the one expected.
    credits->setStep(3);
    credits->setPosition(credits->height() + 5 * credits->lineHeight());
    QCOMPARE(credits->firstVisibleLine(), 5);
    QImage shot = credits->grab().toImage();
    QVERIFY(!shot.isNull());
}

void TAwardShowTest::aLineWiderThanTheScreenIsShownWhole()
{
    Folder f;
    QStringList lines = winners(3);
    lines << QStringLiteral("0001 欧阳诸葛慕容雪 市场营销与客户服务中心华东大区国际业务发展部  特等奖");
    auto screen = f.open(lines);
    ui::ScrollText* credits = screen->credits();
    credits->setItemFont(QFont(QStringLiteral("黑体"), 40));
    QVERIFY(QFontMetrics(credits->itemFont()).horizontalAdvance(lines.last()) > credits->width());
    QVERIFY(credits->shownLineWidth(3) <= credits->width());
    QCOMPARE(QFontInfo(credits->itemFont()).pointSize(), 40);
}

void TAwardShowTest::editedTitlesAreCentred()
{
    Folder f;
    auto screen = f.open(winners(2));
    auto* title1 = screen->findChild<ui::SmoothLabel*>(QStringLiteral("AALabel1"));
    auto* title2 = screen->findChild<ui::SmoothLabel*>(QStringLiteral("AALabel2"));
    title1->move(3, 10);
    title2->move(900, 60);
    // Answers the two input boxes: a new first line, then Cancel for the second.
    int answered = 0;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || box == screen.get())
            return;
        if (answered++ == 0) {
            box->findChild<QLineEdit*>()->setText(QStringLiteral("年终答谢会"));
            box->accept();
        } else {
            box->reject();
        }
    });
    answer.start(20);
    screen->findChild<QAction*>(QStringLiteral("N12"))->trigger();
    QCOMPARE(answered, 2);
    QCOMPARE(title1->text(), QStringLiteral("年终答谢会"));
    QCOMPARE(title2->text(), QStringLiteral("抽 奖 名 单"));  // Cancel keeps the text...
    QCOMPARE(title1->x(), (screen->width() - title1->width()) / 2);
    QCOMPARE(title2->x(), (screen->width() - title2->width()) / 2);  // ...and still centres it
    QCOMPARE(title2->y(), 60);
}

void TAwardShowTest::alignmentFromTheOptionAndTheMenu()
{
    Folder f;
    f.settings->writeInteger("Option", "AwardScreen", 3);
    auto screen = f.open(winners(2));
    QCOMPARE(screen->credits()->alignment(), Qt::AlignRight);
    screen->findChild<QAction*>(QStringLiteral("N18"))->trigger();
    QCOMPARE(screen->credits()->alignment(), Qt::AlignLeft);
    QCOMPARE(f.settings->readInteger("Option", "AwardScreen", 0), 1);
    screen->findChild<QAction*>(QStringLiteral("N21"))->trigger();
    QCOMPARE(ui::fromGbk(f.settings->readString("AwardScreen", "Image", "x")), QString());
}

void TAwardShowTest::drawScreenOpensItWithHomeEndAndAtTheEnd()
{
    lotavo::test::DrawScreenProgram program;
    program.settings->writeInteger("Option", "ModeSelect", 2);  // winners stay in the labels: no pop-up
    program.settings->writeBool("AwardScreen", "OverEnable", true);
    ui::TFrmMain& screen = program.start();

    int shown = -1;
    auto closer = closeAwardScreenSoon(&shown);
    QTest::keyClick(&screen, Qt::Key_Home);
    QCOMPARE(shown, -1);  // no winners yet: nothing opens

    QTest::keyClick(&screen, Qt::Key_Space);  // five winners of the third prize
    closer = closeAwardScreenSoon(&shown);
    QTest::keyClick(&screen, Qt::Key_Home);
    QCOMPARE(shown, 5);
    QTest::keyClick(&screen, Qt::Key_Space);  // the multi-line draw waits: the roll again
    QTest::keyClick(&screen, Qt::Key_Space);  // the first of the second prize
    closer = closeAwardScreenSoon(&shown, Qt::Key_End);
    QTest::keyClick(&screen, Qt::Key_End);   // the winners of the level only
    QCOMPARE(shown, 1);

    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(&screen, Qt::Key_Space);
        QTest::keyClick(&screen, Qt::Key_Space);
    }
    QTest::keyClick(&screen, Qt::Key_Space);
    QTest::keyClick(&screen, Qt::Key_Space);  // the first prize
    shown = -1;
    closer = closeAwardScreenSoon(&shown);
    QTest::keyClick(&screen, Qt::Key_Space);  // the multi-line draw ends with the next key
    QVERIFY(screen.engine().state().drawOver);
    QCOMPARE(shown, 9);
}

void TAwardShowTest::badInput()
{
    {
        // An empty list scrolls nothing and paints the background.
        Folder f;
        auto screen = f.open({});
        screen->startScrolling();
        screen->credits()->advance(5000);
        QCOMPARE(screen->credits()->firstVisibleLine(), -1);
        QVERIFY(!screen->grab().isNull());
    }
    {
        // 100,000 lines: opened at once, scrolled anywhere, painted.
        Folder f;
        QStringList lines = winners(100000);
        lines[50000] = QString(400, QChar(0x5F20));  // one line far wider than the screen
        QElapsedTimer clock;
        clock.start();
        auto screen = f.open(lines);
        screen->startScrolling();
        ui::ScrollText* credits = screen->credits();
        credits->setPosition(credits->height() + 49990.0 * credits->lineHeight());
        QVERIFY(!credits->grab().isNull());
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(credits->firstVisibleLine(), 49990);
        QVERIFY(credits->shownLineWidth(50000) > 0);
    }
    {
        // A logo and music that are gone, a logo that is no picture: skipped without a word.
        Folder f;
        lotavo::test::writeFile(f.folder.file("bad.jpg"), "not a picture");
        f.settings->writeString("AwardScreen", "Image", "Logo\\gone.jpg");
        f.settings->writeString("AwardScreen", "Sound", "Sound\\gone.wav");
        auto screen = f.open(winners(2));
        QVERIFY(f.sounds.playing().isEmpty());
        f.settings->writeString("AwardScreen", "Image", "bad.jpg");
        f.settings->writeInteger("AwardScreen", "Fontsize", -5);
        f.settings->writeInteger("AwardScreen", "HandMove", 1);
        f.settings->writeInteger("AwardScreen", "HandWidth", -100);
        auto again = f.open(winners(2));
        QVERIFY(again->credits()->width() > 0);
        QVERIFY(QFontInfo(again->credits()->itemFont()).pixelSize() > 0);
    }
}

QTEST_MAIN(TAwardShowTest)
#include "TAwardShowTest.moc"
