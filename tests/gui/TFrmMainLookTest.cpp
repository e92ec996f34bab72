// Dressing the draw screen, offscreen: templates, the rolling area's font, colour,
// transparency and alignment, the backgrounds and the sounds, each shown at once, stored, and
// kept after a restart; and the files a user can point these commands at that cannot serve.
#include "DrawScreenProgram.h"

#include "ModalAnswers.h"
#include "draw/Clock.h"
#include "draw/Gbk.h"
#include "main/TFrmMain.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/FontChooser.h"
#include "present/Pictures.h"
#include "present/QtText.h"
#include "present/SoundPlayer.h"
#include "present/TFrmAniPop.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QSoundEffect>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace lotavo;
using lotavo::test::G;
using lotavo::test::ModalAnswers;

namespace {

struct Program : lotavo::test::DrawScreenProgram {
    Program() { numberedList(30); }
    void trigger(const char* action) { find<QAction>(action)->trigger(); }
    QLabel* roll(int i) { return find<QLabel>(("LblGdArea" + std::to_string(i)).c_str()); }
    std::string option(const char* key) { return settings->readString("Option", key, ""); }
    // The stored path as it names a file here.
    std::string resolved(const char* key) { return ProgramFolder(folder.path()).resolve(option(key)); }
    QColor rollBack() { return ui::toQColor(settings->readInteger("frmMainLabel", "LblGdArea1BackColor", 0)); }
    QColor shownPixel(QPoint at) { return find("ImgBG")->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0); }
    QString popupBackground()
    {
        return screen->popup().findChild<ui::PictureView*>(QStringLiteral("imgPopBG"))->fileName();
    }
};

bool near(const QColor& a, const QColor& b, int tolerance = 14)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

std::string writePicture(const std::string& path, QColor colour)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(colour);
    image.save(QString::fromStdString(path), "BMP");
    return path;
}

}  // namespace

class TFrmMainLookTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ui::setNextMessageAnswers({}); }

    void templateShowsItsPicturesAndStoresThem();
    void templateOnAScreenOfAnotherSizeIsStretched();
    void redTemplateTakesThePopupPictureOfTheScreenWidth();
    void templateWithMissingFilesAppliesWhatItHas();
    void templateWithNoUsableFileKeepsTheLook();

    void rollingAreaColourThroughTheDialogAndFromTheBackground();
    void transparencyTogglesWarnsAndSurvivesRestart();
    void alignmentIsExclusiveAndSurvivesRestart();
    void rollingFontChangesAllTenLabels();

    void mainBackgroundThroughTheDialog();
    void badBackgroundPicturesKeepThePreviousOnes();

    void soundsAreStoredAndTheRollSoundPreviews();
    void fileThatIsNotAWaveIsRefused();
    void muteSilencesEverySound();
};

void TFrmMainLookTest::templateShowsItsPicturesAndStoresThem()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    QColor before = p.shownPixel(screen.rect().center());
    p.trigger("N95");  // 天空蓝

    QCOMPARE(p.resolved("MainImgBG"), p.folder.file("Template/Style3/mainback.jpg"));
    QCOMPARE(p.resolved("imgPopBG"), p.folder.file("Template/Style3/popback.bmp"));
    QVERIFY(ui::answeredMessages().isEmpty());
    // The screen shows the template's picture, stretched to the window.
    QImage wanted = QImage(QString::fromStdString(p.folder.file("Template/Style3/mainback.jpg")))
                        .scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPoint middle = screen.rect().center();
    QVERIFY(near(p.shownPixel(middle), wanted.pixelColor(middle)));
    QVERIFY(!near(p.shownPixel(middle), before, 30));
    QVERIFY(p.popupBackground().endsWith(QStringLiteral("Style3/popback.bmp")));
    // The rolling area takes the colour just outside its corner.
    QColor sampled = p.shownPixel(p.roll(1)->pos() - QPoint(2, 2));
    QCOMPARE(p.rollBack(), sampled);
    QCOMPARE(p.roll(1)->palette().color(QPalette::Window), sampled);
    QCOMPARE(p.roll(10)->palette().color(QPalette::Window), sampled);

    // The next start looks the same.
    p.start();
    QVERIFY(near(p.shownPixel(middle), wanted.pixelColor(middle)));
    QCOMPARE(p.roll(1)->palette().color(QPalette::Window), sampled);
}

void TFrmMainLookTest::templateOnAScreenOfAnotherSizeIsStretched()
{
    Program p;
    p.start();
    // As on a 1024x768 screen, whose own background fits without stretching.
    p.settings->writeBool("Option", "ImgStretch", false);
    p.screen->settingChanged("Option", "ImgStretch");
    QVERIFY(!p.find<ui::PictureView>("ImgBG")->stretch());
    p.trigger("N96");  // 简洁绿, a picture larger than this screen
    QVERIFY(p.find<ui::PictureView>("ImgBG")->stretch());
    QVERIFY(p.settings->readBool("Option", "ImgStretch", false));
}

void TFrmMainLookTest::redTemplateTakesThePopupPictureOfTheScreenWidth()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    p.trigger("N90");
    QCOMPARE(p.resolved("MainImgBG"), p.folder.file("Template/Style1/mainback.jpg"));
    p.trigger("N91");  // 喜庆红
    QCOMPARE(p.resolved("MainImgBG"), p.folder.file("Wallpaper/1024.jpg"));
    int width = screen.screen()->geometry().width();
    if (width == 800 || width == 1024)
        QCOMPARE(p.resolved("imgPopBG"), p.folder.file("back" + std::to_string(width) + ".bmp"));
    else
        QCOMPARE(p.resolved("imgPopBG"), p.folder.file("Template/Style1/popback.bmp"));
}

void TFrmMainLookTest::templateWithMissingFilesAppliesWhatItHas()
{
    Program p;
    p.start();
    std::string popupBefore = p.option("imgPopBG");
    std::filesystem::remove(p.folder.file("Template/Style2/popback.bmp"));
    ui::setNextMessageAnswers({MessageAnswer::Ok});
    p.trigger("N94");  // 浅橙色

    QCOMPARE(p.resolved("MainImgBG"), p.folder.file("Template/Style2/mainback.jpg"));
    QCOMPARE(p.option("imgPopBG"), popupBefore);
    QCOMPARE(ui::answeredMessages().size(), 1);
    QString message = ui::answeredMessages().constFirst();
    QVERIFY(message.contains(QStringLiteral("Template\\Style2\\popback.bmp (文件不存在)")));
    QVERIFY(message.contains(QStringLiteral("其余部分已经应用")));
}

void TFrmMainLookTest::templateWithNoUsableFileKeepsTheLook()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    QPoint middle = screen.rect().center();
    QColor before = p.shownPixel(middle);
    std::string mainBefore = p.option("MainImgBG"), popupBefore = p.option("imgPopBG");
    QColor rollBefore = p.rollBack();
    lotavo::test::writeFile(p.folder.file("Template/Style4/mainback.jpg"), "not a picture at all");
    std::filesystem::remove(p.folder.file("Template/Style4/popback.bmp"));
    // The unreadable picture's error, then what the template could not use.
    ui::setNextMessageAnswers({MessageAnswer::Ok, MessageAnswer::Ok});
    p.trigger("N97");  // 光影绿

    QCOMPARE(p.option("MainImgBG"), mainBefore);
    QCOMPARE(p.option("imgPopBG"), popupBefore);
    QCOMPARE(p.rollBack(), rollBefore);
    QCOMPARE(p.shownPixel(middle), before);
    QCOMPARE(ui::answeredMessages().size(), 2);
    QVERIFY(ui::answeredMessages()[0].contains(QStringLiteral("mainback.jpg")));
    QVERIFY(ui::answeredMessages()[1].contains(QStringLiteral("(无法读取)")));
    QVERIFY(ui::answeredMessages()[1].contains(QStringLiteral("(文件不存在)")));
    QVERIFY(ui::answeredMessages()[1].contains(QStringLiteral("界面保持不变")));
}

void TFrmMainLookTest::rollingAreaColourThroughTheDialogAndFromTheBackground()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    QColor teal(10, 120, 130);
    {
        ModalAnswers answers({[teal](QWidget* dialog) {
            auto* colours = qobject_cast<QColorDialog*>(dialog);
            colours->setCurrentColor(teal);
            colours->accept();
        }});
        p.trigger("N7");
        QVERIFY(answers.done());
    }
    QCOMPARE(p.rollBack(), teal);
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(p.roll(i)->palette().color(QPalette::Window), teal);
    {
        ModalAnswers answers({ModalAnswers::cancel()});
        p.trigger("N7");
    }
    QCOMPARE(p.rollBack(), teal);

    // A plain background picture: the sampled colour is its colour.
    QColor plum(120, 40, 90);
    QVERIFY(screen.changeMainBackground(QString::fromStdString(writePicture(p.folder.file("plum.bmp"), plum))));
    p.trigger("N67");
    QCOMPARE(p.rollBack(), plum);
    QCOMPARE(p.roll(7)->palette().color(QPalette::Window), plum);
    // A rolling area at the window's corner samples the corner.
    p.roll(1)->move(0, 0);
    QVERIFY(screen.changeMainBackground(QString::fromStdString(writePicture(p.folder.file("teal.bmp"), teal))));
    p.trigger("N67");
    QCOMPARE(p.rollBack(), teal);
}

void TFrmMainLookTest::transparencyTogglesWarnsAndSurvivesRestart()
{
    Program p;
    p.settings->writeBool("Option", "lblGdAreaTransParent", false);
    p.start();
    auto* item = p.find<QAction>("N46");
    QVERIFY(!item->isChecked());
    ui::setNextMessageAnswers({MessageAnswer::Ok});
    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(p.settings->readBool("Option", "lblGdAreaTransParent", false));
    for (int i = 1; i <= 10; ++i)
        QVERIFY(!p.roll(i)->autoFillBackground());
    QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("此功能仅在高档计算机上才可使用,否则会引起系统缓慢")});

    p.start();
    item = p.find<QAction>("N46");
    QVERIFY(item->isChecked());
    QVERIFY(!p.roll(3)->autoFillBackground());
    ui::setNextMessageAnswers({});
    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!p.settings->readBool("Option", "lblGdAreaTransParent", true));
    QVERIFY(p.roll(3)->autoFillBackground());
    QVERIFY(ui::answeredMessages().isEmpty());
}

void TFrmMainLookTest::alignmentIsExclusiveAndSurvivesRestart()
{
    Program p;
    p.start();
    p.trigger("N53");
    QCOMPARE(p.option("GdAreaAlignment"), std::string("agTopRight"));
    QVERIFY(p.find<QAction>("N53")->isChecked());
    QVERIFY(!p.find<QAction>("N31")->isChecked());
    QVERIFY(!p.find<QAction>("N47")->isChecked());
    for (int i = 1; i <= 10; ++i)
        QVERIFY(p.roll(i)->alignment() & Qt::AlignRight);
    p.trigger("N31");
    QCOMPARE(p.option("GdAreaAlignment"), std::string("agTopLeft"));
    QVERIFY(!p.find<QAction>("N53")->isChecked());

    p.trigger("N47");
    p.start();
    QVERIFY(p.find<QAction>("N47")->isChecked());
    QVERIFY(!p.find<QAction>("N31")->isChecked());
    QVERIFY(p.roll(5)->alignment() & Qt::AlignHCenter);
}

void TFrmMainLookTest::rollingFontChangesAllTenLabels()
{
    Program p;
    p.start();
    QFont chosen = p.roll(1)->font();
    chosen.setPointSize(31);
    chosen.setBold(true);
    ui::setFontChooser([chosen](QFont& font, QColor& colour) {
        font = chosen;
        colour = QColor(250, 240, 10);
        return true;
    });
    p.trigger("MenuItem1");
    ui::setFontChooser({});
    for (int i = 1; i <= 10; ++i) {
        QCOMPARE(p.roll(i)->font().pointSize(), 31);
        QCOMPARE(p.roll(i)->palette().color(QPalette::WindowText), QColor(250, 240, 10));
    }
    // The box holds the longest entry in the new font.
    QVERIFY(p.roll(1)->width() >= p.roll(1)->fontMetrics().horizontalAdvance(QStringLiteral("1029 参加者")));
    QCOMPARE(p.settings->readInteger("frmMainLabel", "LblGdArea1Size", 0), 31);
    QCOMPARE(ui::toQColor(p.settings->readInteger("frmMainLabel", "LblGdArea1Color", 0)), QColor(250, 240, 10));
    QVERIFY(p.settings->readString("frmMainLabel", "LblGdArea1FontStyle", "").find("fsBold") != std::string::npos);

    p.start();
    QCOMPARE(p.roll(8)->font().pointSize(), 31);
    QVERIFY(p.roll(8)->font().bold());
}

void TFrmMainLookTest::mainBackgroundThroughTheDialog()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    QString picture = QString::fromStdString(writePicture(p.folder.file("Wallpaper/green.bmp"), QColor(0, 160, 0)));
    {
        ModalAnswers answers({[picture](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QCOMPARE(files->directory().absolutePath(), QFileInfo(picture).absolutePath());
            files->selectFile(picture);
            QMetaObject::invokeMethod(files, "accept");
        }});
        p.trigger("Wall1");
        QVERIFY(answers.done());
    }
    QCOMPARE(p.resolved("MainImgBG"), picture.toStdString());
    QVERIFY(near(p.shownPixel(screen.rect().center()), QColor(0, 160, 0), 2));

    QString popup = QString::fromStdString(writePicture(p.folder.file("Wallpaper/pop.bmp"), QColor(0, 0, 160)));
    {
        ModalAnswers answers({[popup](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            files->selectFile(popup);
            QMetaObject::invokeMethod(files, "accept");
        }});
        p.trigger("N38");
        QVERIFY(answers.done());
    }
    QCOMPARE(p.resolved("imgPopBG"), popup.toStdString());
    QCOMPARE(p.popupBackground(), popup);

    // A stored background that has gone since: the next start shows the default one.
    std::filesystem::remove(picture.toStdString());
    p.start();
    QCOMPARE(p.resolved("MainImgBG"), p.folder.file("Wallpaper/1024.jpg"));
}

void TFrmMainLookTest::badBackgroundPicturesKeepThePreviousOnes()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    QPoint middle = screen.rect().center();
    QColor before = p.shownPixel(middle);
    std::string mainBefore = p.option("MainImgBG"), popupBefore = p.option("imgPopBG");
    QString popupShown = p.popupBackground();

    std::string corrupt = p.folder.file("Wallpaper/broken.jpg");
    std::string picture = lotavo::test::readFile(p.folder.file("Wallpaper/1024.jpg"));
    lotavo::test::writeFile(corrupt, picture.substr(0, 200));  // cut off after the header
    std::string garbage = p.folder.file("Wallpaper/garbage.bmp");
    lotavo::test::writeFile(garbage, "BM this is no bitmap");
    ui::setNextMessageAnswers({MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok});
    QVERIFY(!screen.changeMainBackground(QString::fromStdString(corrupt)));
    QVERIFY(!screen.changeMainBackground(QString::fromStdString(garbage)));
    QVERIFY(!screen.changePopupBackground(QString::fromStdString(garbage)));

    QCOMPARE(ui::answeredMessages().size(), 3);
    QVERIFY(ui::answeredMessages()[0].contains(QStringLiteral("broken.jpg")));
    QVERIFY(ui::answeredMessages()[2].contains(QStringLiteral("弹出窗口背景保持不变")));
    QCOMPARE(p.option("MainImgBG"), mainBefore);
    QCOMPARE(p.option("imgPopBG"), popupBefore);
    QCOMPARE(p.shownPixel(middle), before);
    QCOMPARE(p.popupBackground(), popupShown);
}

void TFrmMainLookTest::soundsAreStoredAndTheRollSoundPreviews()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    std::string tick = p.folder.file("Sound/tick.wav");
    std::filesystem::copy_file(p.folder.file("Sound/s.wav"), tick);
    {
        ModalAnswers answers({[tick](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            files->selectFile(QString::fromStdString(tick));
            QMetaObject::invokeMethod(files, "accept");
        }});
        p.trigger("N16");
        QVERIFY(answers.done());
    }
    QCOMPARE(p.resolved("BackSound"), tick);
    QCOMPARE(screen.engine().options().backSound, tick);
    QCOMPARE(screen.sounds().playing(), QString::fromStdString(tick));

    // Cancelled: nothing changes, the preview still plays.
    screen.stopSounds();
    {
        ModalAnswers answers({ModalAnswers::cancel()});
        p.trigger("N16");
    }
    QCOMPARE(p.resolved("BackSound"), tick);
    QCOMPARE(screen.sounds().playing(), QString::fromStdString(tick));

    screen.stopSounds();
    std::string bell = p.folder.file("Sound/sha.wav");
    QVERIFY(screen.changeWinSound(QString::fromStdString(bell)));
    QCOMPARE(p.resolved("BackSound2"), bell);
    QCOMPARE(screen.engine().options().backSound2, bell);
    QVERIFY(screen.sounds().playing().isEmpty());
}

void TFrmMainLookTest::fileThatIsNotAWaveIsRefused()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    std::string before = p.option("BackSound"), before2 = p.option("BackSound2");
    std::string fake = p.folder.file("Sound/fake.wav");
    lotavo::test::writeFile(fake, "ID3\x03\x00 an mp3 under another name");
    std::string empty = p.folder.file("Sound/empty.wav");
    lotavo::test::writeFile(empty, "");
    ui::setNextMessageAnswers({MessageAnswer::Ok, MessageAnswer::Ok});
    QVERIFY(!screen.changeRollSound(QString::fromStdString(fake)));
    QVERIFY(!screen.changeWinSound(QString::fromStdString(empty)));
    QCOMPARE(ui::answeredMessages().size(), 2);
    QVERIFY(ui::answeredMessages()[0].contains(QStringLiteral("“fake.wav”不是波形声音文件")));
    QCOMPARE(p.option("BackSound"), before);
    QCOMPARE(p.option("BackSound2"), before2);
    QVERIFY(ui::isWaveFile(QString::fromStdString(p.folder.file("Sound/s.wav"))));
}

void TFrmMainLookTest::muteSilencesEverySound()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    auto* item = p.find<QAction>("N14");
    screen.playSound(p.folder.file("Sound/s.wav"), true);
    item->trigger();
    QVERIFY(item->isChecked());
    QCOMPARE(item->text(), QStringLiteral("打开背景声音"));
    QVERIFY(screen.sounds().muted());
    // The one playing and one made afterwards are both silent.
    screen.playSound(p.folder.file("Sound/sha.wav"), false);
    const QList<QSoundEffect*> effects = screen.sounds().findChildren<QSoundEffect*>();
    QCOMPARE(effects.size(), 2);
    for (QSoundEffect* effect : effects)
        QVERIFY(effect->isMuted());

    item->trigger();
    QVERIFY(!item->isChecked());
    QCOMPARE(item->text(), QStringLiteral("关闭背景声音"));
    for (QSoundEffect* effect : effects)
        QVERIFY(!effect->isMuted());
    // Not kept: the next start is loud.
    p.start();
    QVERIFY(!p.find<QAction>("N14")->isChecked());
    QVERIFY(!p.screen->sounds().muted());
}

QTEST_MAIN(TFrmMainLookTest)
#include "TFrmMainLookTest.moc"
