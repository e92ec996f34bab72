// Design mode and the operator's decorations on the draw screen, offscreen: Ctrl and the
// menu item, dragging on the grid, places and decorations kept across a restart, and the
// damaged files a restart can meet.
#include "DrawScreenProgram.h"

#include "present/CommonDialogs.h"
#include "present/Pictures.h"
#include "present/SmoothLabel.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QMouseEvent>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace lotavo;
using lotavo::test::G;

namespace {

struct Program : lotavo::test::DrawScreenProgram {
    Program() { numberedList(30); }
};

// The mouse at `global`, a place on the screen: the widget moves under it while dragged.
void mouse(QWidget* widget, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
{
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(widget->mapFromGlobal(global)), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Hovers the element, then drags it by `by` with the left button.
void drag(QWidget* widget, QPoint by)
{
    QPoint middle = widget->mapToGlobal(widget->rect().center());
    mouse(widget, QEvent::MouseMove, middle, Qt::NoButton);
    mouse(widget, QEvent::MouseButtonPress, middle, Qt::LeftButton);
    mouse(widget, QEvent::MouseMove, middle + by / 2, Qt::LeftButton);
    mouse(widget, QEvent::MouseMove, middle + by, Qt::LeftButton);
    mouse(widget, QEvent::MouseButtonRelease, middle + by, Qt::NoButton);
}

QString writePicture(const std::string& path)
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QString file = QString::fromStdString(path);
    image.save(file, "BMP");
    return file;
}

}  // namespace

class TFrmMainDesignTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlAndTheMenuItemEnterAndLeaveDesignMode();
    void draggedTitleSnapsAndStaysAfterRestart();
    void rollingPositionsPerLevel();
    void eachLevelKeepsItsOwnArrangement();
    void insertedTextAndPictureSurviveRestart();
    void deletingRemovesTheLastOnly();
    void damagedDecorationFilesAreClamped();
    void pictureThatCannotBeReadIsRefused();
};

void TFrmMainDesignTest::ctrlAndTheMenuItemEnterAndLeaveDesignMode()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    QVERIFY(p.state().currentLevel != 0);
    auto* roll = p.find<QLabel>("LblGdArea1");
    roll->setText(QStringLiteral("1007 参加者"));
    // The draw screen's own banner, made when design mode is first entered.
    auto banner = [&screen] {
        return screen.findChild<QWidget*>(QStringLiteral("lblDesignStatus"), Qt::FindDirectChildrenOnly);
    };
    QVERIFY(!banner() || !banner()->isVisible());

    QTest::keyPress(&screen, Qt::Key_Control);
    QVERIFY(p.state().design);
    QWidget* status = banner();
    QVERIFY(status && status->isVisible());
    QCOMPARE(roll->text(), QStringLiteral("1"));  // the labels show their numbers
    QVERIFY(!p.find<QLabel>("LblGdArea2")->isVisible());
    QTest::keyPress(&screen, Qt::Key_Space);      // the start/stop key is ignored meanwhile
    QVERIFY(p.state().winners.empty());
    QTest::keyRelease(&screen, Qt::Key_Control);
    QVERIFY(!p.state().design);
    QVERIFY(!status->isVisible());
    QCOMPARE(roll->text(), QStringLiteral("1007 参加者"));

    auto* item = p.find<QAction>("N45");
    QVERIFY(item);
    item->trigger();
    QApplication::processEvents();
    QVERIFY(p.state().design);
    QVERIFY(item->isChecked());
    item->trigger();
    QApplication::processEvents();
    QVERIFY(!p.state().design);
    QVERIFY(!item->isChecked());
}

void TFrmMainDesignTest::draggedTitleSnapsAndStaysAfterRestart()
{
    Program p;
    p.settings->writeInteger("Option", "GridX", 10);
    p.settings->writeInteger("Option", "GridY", 10);
    ui::TFrmMain& screen = p.start();
    QWidget* title = p.find("lblMainCaption");
    title->move(100, 50);
    drag(title, QPoint(33, 47));  // outside design mode nothing moves
    QCOMPARE(title->pos(), QPoint(100, 50));

    QTest::keyPress(&screen, Qt::Key_Control);
    drag(title, QPoint(33, 47));
    QCOMPARE(title->pos(), QPoint(130, 100));  // on the 10 × 10 grid
    QWidget* prize = p.find("imgAward");
    prize->show();
    prize->resize(40, 40);
    prize->move(300, 300);
    drag(prize, QPoint(-20, 20));
    QCOMPARE(prize->pos(), QPoint(280, 320));
    QTest::keyRelease(&screen, Qt::Key_Control);
    QCOMPARE(p.settings->readInteger("frmMainLabel", "lblMainCaptionLeft", 0), 130);
    QCOMPARE(p.settings->readInteger("Option", "imgAwardTop", 0), 320);

    // Gone without the close request: the places are already stored.
    p.start();
    QCOMPARE(p.find("lblMainCaption")->pos(), QPoint(130, 100));
}

void TFrmMainDesignTest::rollingPositionsPerLevel()
{
    Program p;
    p.settings->writeInteger("Option", "ModeSelect", 2);
    p.settings->writeInteger("JxNumberAAT", "r3", 3);
    ui::TFrmMain& screen = p.start();
    int level = p.state().currentLevel;
    QVERIFY(level != 0);
    auto* second = p.find<QLabel>("LblGdArea2");
    QVERIFY(second->isVisible());
    QTest::keyPress(&screen, Qt::Key_Control);
    second->move(200, 300);
    QTest::keyRelease(&screen, Qt::Key_Control);
    std::string file = p.folder.file(std::to_string(level) + "GdPos.Ini");
    IniStore positions(file);
    QCOMPARE(positions.readString("LblGdArea2", "Name", ""), std::string("LblGdArea2"));
    QCOMPARE(positions.readInteger("LblGdArea2", "left", 0), 200);
    QCOMPARE(positions.readInteger("LblGdArea2", "top", 0), 300);

    // The level's own file wins over the screen layout at its start.
    positions.writeInteger("LblGdArea2", "left", 240);
    p.settings->writeInteger("frmMainLabel", "LblGdArea2Left", 10);
    p.start();
    QCOMPARE(p.find("LblGdArea2")->pos(), QPoint(240, 300));
    // A level without a file keeps the labels where they are.
    std::filesystem::remove(file);
    p.start();
    QCOMPARE(p.find("LblGdArea2")->x(), 10);
}

void TFrmMainDesignTest::eachLevelKeepsItsOwnArrangement()
{
    Program p;
    p.settings->writeInteger("Option", "ModeSelect", 2);
    ui::TFrmMain& screen = p.start();
    QCOMPARE(p.state().currentLevel, 3);
    QWidget* first = p.find("LblGdArea1");
    auto arrange = [&](QPoint place) {
        QTest::keyPress(&screen, Qt::Key_Control);
        first->move(place);
        QTest::keyRelease(&screen, Qt::Key_Control);
    };
    arrange(QPoint(100, 200));
    QTest::keyClick(&screen, Qt::Key_Space);  // the five winners of level 3
    QTest::keyClick(&screen, Qt::Key_Space);  // level 2
    QCOMPARE(p.state().currentLevel, 2);
    QCOMPARE(first->pos(), QPoint(100, 200));  // no arrangement of its own yet
    arrange(QPoint(300, 400));
    IniStore three(p.folder.file("3GdPos.Ini"));
    IniStore two(p.folder.file("2GdPos.Ini"));
    QCOMPARE(three.readInteger("LblGdArea1", "left", 0), 100);
    QCOMPARE(two.readInteger("LblGdArea1", "left", 0), 300);
    QCOMPARE(two.readInteger("LblGdArea1", "top", 0), 400);
}

void TFrmMainDesignTest::insertedTextAndPictureSurviveRestart()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    screen.insertText(QStringLiteral("欢迎光临"));
    QString logo = writePicture(p.folder.file("Logo/logo.bmp"));
    p.settings->writeBool("Option", "NewPicTransparent", true);
    screen.insertPicture(logo);
    QCOMPARE(p.settings->readInteger("Option", "NewLabelCount", 0), 1);
    QCOMPARE(p.settings->readInteger("Option", "NewPicCount", 0), 1);
    auto* text = p.find<ui::SmoothLabel>("MYLabel1");
    QVERIFY(text && text->isVisible());
    QCOMPARE(text->pos(), QPoint(20, 120));

    QTest::keyPress(&screen, Qt::Key_Control);
    drag(text, QPoint(50, 50));
    drag(p.find("MYImage1"), QPoint(100, 0));
    QTest::keyRelease(&screen, Qt::Key_Control);

    p.restart();
    text = p.find<ui::SmoothLabel>("MYLabel1");
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("欢迎光临"));
    QCOMPARE(text->pos(), QPoint(70, 170));
    QCOMPARE(text->font().pointSize(), 26);
    QVERIFY(text->effect().shadow);
    auto* picture = dynamic_cast<ui::PictureView*>(p.find("MYImage1"));
    QVERIFY(picture && !picture->isEmpty());
    QCOMPARE(picture->geometry(), QRect(100, 0, 64, 32));
    QVERIFY(p.settings->readBool("MYImage1", "MYImage1Transparent", false));
    QCOMPARE(p.find<QAction>("N57")->isChecked(), true);
    QCOMPARE(p.find<QAction>("N70")->isChecked(), false);
}

// Answers the input box that opens next: `text` typed and OK, or an empty `text` and Cancel.
static void answerInputBox(const QString& text)
{
    QTimer::singleShot(50, [text] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        box->findChild<QLineEdit*>()->setText(text);
        for (QPushButton* button : box->findChildren<QPushButton*>())
            if (button->text().startsWith(text.isEmpty() ? QStringLiteral("取消") : QStringLiteral("确定")))
                button->click();
    });
}

void TFrmMainDesignTest::deletingRemovesTheLastOnly()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    answerInputBox(QString());
    p.find<QAction>("MenuItem4")->trigger();
    QVERIFY(!p.find("MYLabel1"));
    answerInputBox(QStringLiteral("一"));
    p.find<QAction>("MenuItem4")->trigger();
    QCOMPARE(p.find<ui::SmoothLabel>("MYLabel1")->text(), QStringLiteral("一"));
    for (const char* text : {"二", "三"})
        screen.insertText(QString::fromUtf8(text));
    p.find<QAction>("N37")->trigger();
    QVERIFY(!p.find("MYLabel3"));
    QVERIFY(p.find("MYLabel2"));
    QCOMPARE(p.settings->readInteger("Option", "NewLabelCount", 0), 2);
    IniStore texts(p.folder.file("UserLabel.Ini"));
    QVERIFY(texts.hasKey("MyLabel3", "MYLabel3Name"));  // stays, unread

    ui::setNextMessageAnswers({MessageAnswer::Ok});
    p.find<QAction>("N49")->trigger();
    QCOMPARE(ui::answeredMessages().last(), QStringLiteral("插入的图片已全部删除"));
    QVERIFY(!p.settings->hasKey("Option", "NewPicCount"));

    p.restart();
    QVERIFY(p.find("MYLabel2"));
    QVERIFY(!p.find("MYLabel3"));
}

void TFrmMainDesignTest::damagedDecorationFilesAreClamped()
{
    Program p;
    std::string garbage;
    for (int i = 1; i <= 10000; ++i)
        garbage += "[MYLabel" + std::to_string(i) + "]\r\nMYLabel" + std::to_string(i) + "Name=x" + std::to_string(i) +
                   "\r\nMYLabel" + std::to_string(i) + "Left=99999999\r\nMYLabel" + std::to_string(i) +
                   "FontSize=2000000\r\n\x01\xff==]]\r\n";
    lotavo::test::writeFile(p.folder.file("UserLabel.Ini"), garbage);
    p.settings->writeInteger("Option", "NewLabelCount", 100000);
    p.settings->writeInteger("Option", "NewPicCount", 100000);
    lotavo::test::writeFile(p.folder.file("broken.jpg"), "not a picture at all");
    p.settings->writeString("MyImage1", "Name", p.folder.file("broken.jpg"));
    p.settings->writeString("MyImage2", "Name", p.folder.file("gone.bmp"));
    p.settings->writeInteger("MyImage2", "MYImage2Width", 1000000);
    p.settings->writeInteger("MyImage2", "MYImage2Height", -7);
    ui::TFrmMain& screen = p.start();
    QList<ui::SmoothLabel*> texts;
    for (ui::SmoothLabel* label : screen.findChildren<ui::SmoothLabel*>())
        if (label->objectName().startsWith(QStringLiteral("MYLabel")))
            texts << label;
    QCOMPARE(texts.size(), 100);
    auto* first = p.find<ui::SmoothLabel>("MYLabel1");
    QCOMPARE(first->text(), QStringLiteral("x1"));
    QVERIFY(screen.rect().contains(first->geometry().topLeft()));
    QVERIFY(first->font().pointSize() <= 300);
    auto* broken = dynamic_cast<ui::PictureView*>(p.find("MYImage1"));
    QVERIFY(broken && broken->isEmpty());
    QWidget* gone = p.find("MYImage2");
    QVERIFY(gone->width() <= screen.width() && gone->height() >= 0);
    QVERIFY(!p.find("MYImage101"));

    p.settings->writeInteger("Option", "NewLabelCount", -1);
    p.settings->writeInteger("Option", "NewPicCount", -1);
    p.start();
    QVERIFY(!p.find("MYLabel1"));
    QVERIFY(!p.find("MYImage1"));
    ui::TFrmMain& again = *p.screen;
    again.insertText(QStringLiteral("新"));
    QCOMPARE(p.settings->readInteger("Option", "NewLabelCount", 0), 1);

    // A file that cannot be written: a message, and the draw screen goes on.
    std::filesystem::remove(p.folder.file("UserLabel.Ini"));
    std::filesystem::create_directory(p.folder.file("UserLabel.Ini"));
    again.insertText(QStringLiteral("又一"));
    QVERIFY(p.find("MYLabel2"));
    QVERIFY(again.close());
}

void TFrmMainDesignTest::pictureThatCannotBeReadIsRefused()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    lotavo::test::writeFile(p.folder.file("Logo/bad.gif"), "GIF89a garbage");
    ui::setNextMessageAnswers({MessageAnswer::Ok});
    screen.insertPicture(QString::fromStdString(p.folder.file("Logo/bad.gif")));
    QVERIFY(ui::answeredMessages().last().startsWith(QStringLiteral("图片无法读取")));
    QCOMPARE(p.settings->readInteger("Option", "NewPicCount", 0), 0);
    QVERIFY(!p.find("MYImage1"));
}

QTEST_MAIN(TFrmMainDesignTest)
#include "TFrmMainDesignTest.moc"
