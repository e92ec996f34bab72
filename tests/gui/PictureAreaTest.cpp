// The picture draw on the draw screen, offscreen: real pictures decoded on worker threads,
// the press keeping the picture on screen, bad picture files, and the area's geometry keys.
#include "DrawScreenProgram.h"

#include "present/Pictures.h"
#include "present/QtText.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <set>

using namespace lotavo;
using lotavo::test::G;

namespace {

// The bundled program folder in the picture draw, drawing the sample portraits and `extra`.
struct PictureProgram : lotavo::test::DrawScreenProgram {
    explicit PictureProgram(std::initializer_list<const char*> extra = {}, bool portraits = true)
    {
        std::string list = portraits ? lotavo::test::readFile(folder.file("List/Photo.txt")) : std::string();
        for (const char* name : extra)
            list += std::string("Photo\\") + name + "\r\n";
        lotavo::test::writeFile(folder.file("Text.txt"), list);
        settings->writeInteger("Option", "ModeSelect", 4);
        settings->writeInteger("Number", "AllJJ", 1);
        settings->writeInteger("JxNumber", "RzSpinEdit1", 3);
    }
    std::string photo(const char* name) const { return folder.file(std::string("Photo/") + name); }
};

}  // namespace

class PictureAreaTest : public QObject {
    Q_OBJECT
private slots:
    void theAreaRollsRealPicturesAndThePressDrawsTheOneOnScreen();
    void badPictureFilesNeverStopTheRollNorThePress();
    void aWinnerWithoutAPictureShowsThePlaceholder();
    void geometryKeysAndTheHiddenName();
};

void PictureAreaTest::theAreaRollsRealPicturesAndThePressDrawsTheOneOnScreen()
{
    PictureProgram p;
    ui::TFrmMain& screen = p.start();
    auto* panel = screen.findChild<QWidget*>(QStringLiteral("Panel1"));
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(panel->geometry(), QRect(110, 300, 160, 213));

    QSignalSpy shown(&screen, &ui::TFrmMain::pictureShown);
    QTest::qWait(1200);
    std::set<QString> distinct;
    for (const QList<QVariant>& args : shown)
        distinct.insert(args.at(0).toString());
    QVERIFY2(distinct.size() >= 6, qPrintable(QStringLiteral("%1 pictures shown").arg(distinct.size())));

    QString onScreen = screen.shownPicture();
    QVERIFY(!onScreen.isEmpty());
    auto* name = screen.findChild<QLabel*>(QStringLiteral("LblGdArea1"));
    QCOMPARE(name->text(), QFileInfo(onScreen).completeBaseName());
    QTest::keyClick(&screen, Qt::Key_Space);
    QCOMPARE(p.state().winners.size(), size_t(1));
    QCOMPARE(ui::fromGbk(p.state().winners[0]), QFileInfo(onScreen).completeBaseName());
    QCOMPARE(screen.shownPicture(), onScreen);
    QVERIFY(p.state().stopped);
}

void PictureAreaTest::badPictureFilesNeverStopTheRollNorThePress()
{
    PictureProgram p({"truncated.jpg", "notapicture.jpg", "zero.png", "missing.jpg", "huge.png"});
    std::string jpeg = lotavo::test::readFile(p.photo("张伟.jpg"));
    lotavo::test::writeFile(p.photo("truncated.jpg"), jpeg.substr(0, jpeg.size() / 3));
    lotavo::test::writeFile(p.photo("notapicture.jpg"), "这不是图片");
    lotavo::test::writeFile(p.photo("zero.png"), "");
    QImage huge(10000, 10000, QImage::Format_Mono);
    huge.fill(1);
    QVERIFY(huge.save(QString::fromStdString(p.photo("huge.png"))));
    ui::TFrmMain& screen = p.start();

    QSignalSpy shown(&screen, &ui::TFrmMain::pictureShown);
    QTest::qWait(1500);
    for (const QList<QVariant>& args : shown) {
        QString file = QFileInfo(args.at(0).toString()).fileName();
        QVERIFY2(!file.startsWith(QStringLiteral("truncated")) && !file.startsWith(QStringLiteral("notapicture")) &&
                     !file.startsWith(QStringLiteral("zero")) && !file.startsWith(QStringLiteral("missing")),
                 qPrintable(file));
    }
    QVERIFY(shown.size() > 10);
    // Three presses draw the level whatever the pictures are.
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(&screen, Qt::Key_Space);
        QTest::qWait(50);
        QTest::keyClick(&screen, Qt::Key_Space);
    }
    QCOMPARE(p.state().winners.size(), size_t(3));
}

void PictureAreaTest::aWinnerWithoutAPictureShowsThePlaceholder()
{
    PictureProgram p({"zero.png"}, false);
    lotavo::test::writeFile(p.photo("zero.png"), "");
    p.settings->writeInteger("JxNumber", "RzSpinEdit1", 1);
    ui::TFrmMain& screen = p.start();
    QTest::qWait(200);
    QVERIFY(screen.shownPicture().isEmpty());
    QSignalSpy shown(&screen, &ui::TFrmMain::pictureShown);
    QTest::keyClick(&screen, Qt::Key_Space);
    QCOMPARE(p.state().winners.size(), size_t(1));
    QCOMPARE(ui::fromGbk(p.state().winners[0]), QStringLiteral("zero"));
    QVERIFY(shown.wait(2000) || !shown.isEmpty());
    QCOMPARE(shown.last().at(0).toString(), QString::fromStdString(p.photo("zero.png")));
    auto* picture = screen.findChild<ui::PictureView*>(QStringLiteral("imgGDPicArea"));
    QVERIFY(!picture->isEmpty());
}

void PictureAreaTest::geometryKeysAndTheHiddenName()
{
    PictureProgram p;
    p.settings->writeBool("Option", "PicGDlblhide", true);
    ui::TFrmMain& screen = p.start();
    QVERIFY(!screen.findChild<QLabel*>(QStringLiteral("LblGdArea1"))->isVisible());
    screen.findChild<QWidget*>(QStringLiteral("Panel1"))->setGeometry(40, 50, 300, 400);
    screen.close();
    QCOMPARE(p.settings->readInteger("Option", "ImgGdAreaLeft", 0), 40);
    QCOMPARE(p.settings->readInteger("Option", "ImgGdAreaTop", 0), 50);
    QCOMPARE(p.settings->readInteger("Option", "ImgGdAreaWidth", 0), 300);
    QCOMPARE(p.settings->readInteger("Option", "ImgGdAreaHight", 0), 400);
}

QTEST_MAIN(PictureAreaTest)
#include "PictureAreaTest.moc"
