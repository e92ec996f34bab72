// The per-level extras offscreen: rows from the level count, cells from the stored keys, the
// toggles and what they write, the list buttons with the editor, levels of three digits, and
// keys that point at pictures or lists that were deleted.
#include "EditorTestSupport.h"

#include "draw/AtomicFile.h"
#include "present/CommonDialogs.h"
#include "present/TMsgForm.h"
#include "setup/LevelCell.h"
#include "setup/TFrmJXMisc.h"

#include <QLabel>
#include <QtTest>

#include <filesystem>

using namespace lotavo;
using namespace lotavo::ui;
using lotavo::test::G;
using lotavo::test::fadingMessages;

namespace {

const QString kNoList = QStringLiteral("您尚未制作一份名单,请单击旁边文本按钮开始制作");

// A program folder with the bundled pictures and a settings file with `levels` levels.
struct Extras {
    lotavo::test::TempFolder folder;
    IniStore settings {folder.file("lotavo.bin")};
    std::unique_ptr<TFrmJXMisc> dialog;
    QStringList editorTitles;

    explicit Extras(int levels = 3)
    {
        std::filesystem::copy(qEnvironmentVariable("LOTAVO_DATA").toStdString() + "/Bmp", folder.file("Bmp"));
        std::filesystem::create_directory(folder.file("List"));
        lotavo::test::writeFile(folder.file("good.bmp"),
                                lotavo::test::readFile(folder.file("Bmp/Se.bmp")));
        settings.writeInteger("Number", "AllJJ", levels);
    }
    TFrmJXMisc& open()
    {
        dialog = std::make_unique<TFrmJXMisc>(settings, ProgramFolder(folder.path()));
        dialog->setEditorRunner([this](TfrmJXName& editor) { editorTitles.append(editor.windowTitle()); });
        return *dialog;
    }
    LevelCell* cell(char letter, int level) const { return dialog->cell(letter, level); }
    void click(char letter, int level)
    {
        LevelCell* c = cell(letter, level);
        QVERIFY2(c, qPrintable(QStringLiteral("%1%2").arg(QLatin1Char(letter)).arg(level)));
        c->click();
    }
    bool flag(const char* section, const std::string& key) { return settings.readBool(section, key, false); }
};

}  // namespace

class TFrmJXMiscTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMsgForm::freeAll(); }
    void cleanupTestCase() { TMsgForm::freeAll(); }

    void oneRowPerLevelWithItsTitle()
    {
        Extras e(3);
        e.settings.writeString("JxTitle", "RzEdit2", G("二等奖"));
        TFrmJXMisc& d = e.open();
        QCOMPARE(d.windowTitle(), QStringLiteral("设定奖级细节"));
        QCOMPARE(d.levelCount(), 3);
        for (char letter : {'a', 'c', 'd', 'u', 'e', 'o', 's'}) {
            QVERIFY(e.cell(letter, 3));
            QVERIFY(!e.cell(letter, 4));
        }
        QCOMPARE(e.cell('a', 2)->pos(), QPoint(119, 58));
        QCOMPARE(e.cell('s', 3)->pos(), QPoint(378, 88));
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("lblTitle2"))->text(), QStringLiteral("二等奖"));
        QVERIFY(!e.cell('d', 1)->icon().isNull());

        Extras none(0);
        QCOMPARE(none.open().levelCount(), 1);
        Extras huge(100000);
        QCOMPARE(huge.open().levelCount(), 1000);
        QVERIFY(huge.cell('s', 1000));
    }

    void cellsShowTheStoredKeys()
    {
        Extras e;
        e.settings.writeString("OverPopup", "a1", ProgramFolder::toStored(e.folder.file("good.bmp")));
        e.settings.writeString("ChangeWall", "c1", "good.bmp");  // relative to the program folder
        e.settings.writeString("ChangeWall", "c2", ProgramFolder::toStored(e.folder.file("deleted.bmp")));
        e.settings.writeBool("ChangeList", "d2", true);
        e.settings.writeBool("Upshot", "s3", true);  // the draw's spelling of the section
        e.open();
        QCOMPARE(e.cell('a', 1)->state(), 1);
        QCOMPARE(e.cell('c', 1)->state(), 1);
        QCOMPARE(e.cell('c', 2)->state(), 0);
        QCOMPARE(e.cell('d', 2)->state(), 1);
        QCOMPARE(e.cell('s', 3)->state(), 1);
        QCOMPARE(e.cell('e', 1)->state(), 0);
    }

    void pictureCellsAskSetAndClear()
    {
        Extras e;
        TFrmJXMisc& d = e.open();
        QString chosen = QString::fromStdString(e.folder.file("good.bmp"));
        int asked = 0;
        d.setPictureChooser([&] {
            ++asked;
            return chosen;
        });
        e.click('a', 2);
        QCOMPARE(e.settings.readString("OverPopup", "a2", ""), e.folder.file("good.bmp"));
        QCOMPARE(e.cell('a', 2)->state(), 1);
        e.click('a', 2);  // a set cell clears without asking
        QCOMPARE(asked, 1);
        QVERIFY(e.settings.hasKey("OverPopup", "a2"));
        QCOMPARE(e.settings.readString("OverPopup", "a2", "x"), std::string());
        QCOMPARE(e.cell('a', 2)->state(), 0);

        chosen.clear();  // cancelled
        e.click('c', 1);
        QVERIFY(!e.settings.hasKey("ChangeWall", "c1"));

        // A file that is no picture is refused at once rather than failing in the draw.
        lotavo::test::writeFile(e.folder.file("broken.jpg"), "not a picture");
        chosen = QString::fromStdString(e.folder.file("broken.jpg"));
        e.click('c', 1);
        QVERIFY(!e.settings.hasKey("ChangeWall", "c1"));
        QCOMPARE(e.cell('c', 1)->state(), 0);
        QCOMPARE(fadingMessages().size(), 1);
    }

    // Bad input: the stored picture was deleted; the cell asks for a new one.
    void deletedPictureAsksForANewOne()
    {
        Extras e;
        e.settings.writeString("ChangeWall", "c3", ProgramFolder::toStored(e.folder.file("gone.jpg")));
        TFrmJXMisc& d = e.open();
        int asked = 0;
        d.setPictureChooser([&] {
            ++asked;
            return QString::fromStdString(e.folder.file("good.bmp"));
        });
        e.click('c', 3);
        QCOMPARE(asked, 1);
        QCOMPARE(e.settings.readString("ChangeWall", "c3", ""), e.folder.file("good.bmp"));
    }

    void listFlagsNeedTheListAndTheButtonMakesIt()
    {
        Extras e;
        e.open();
        e.click('d', 1);
        QCOMPARE(fadingMessages(), QStringList {kNoList});
        QVERIFY(!e.settings.hasKey("ChangeList", "d1"));
        QCOMPARE(e.cell('d', 1)->state(), 0);

        e.click('u', 1);  // opening the list makes it, empty
        QCOMPARE(e.editorTitles, QStringList {QStringLiteral("编辑抽奖名单 u1.txt")});
        QVERIFY(fileExists(e.folder.file("List/u1.txt")));
        QCOMPARE(lotavo::test::readFile(e.folder.file("List/u1.txt")), std::string());
        e.click('d', 1);
        QVERIFY(e.flag("ChangeList", "d1"));
        QCOMPARE(e.cell('d', 1)->state(), 1);
        e.click('d', 1);
        QVERIFY(e.settings.hasKey("ChangeList", "d1"));
        QVERIFY(!e.flag("ChangeList", "d1"));

        lotavo::test::writeFile(e.folder.file("List/o2.txt"), "x\r\n");
        e.click('e', 2);
        QVERIFY(e.flag("Exclude", "e2"));
        e.click('s', 3);
        QVERIFY(e.flag("UpShot", "s3"));
        e.click('s', 3);
        QVERIFY(!e.flag("Upshot", "s3"));
    }

    void listButtonEditsTheLevelsOwnFile()
    {
        Extras e(12);
        lotavo::test::writeFile(e.folder.file("List/o12.txt"), G("王五\r\n"));
        TFrmJXMisc& d = e.open();
        d.setEditorRunner([&](TfrmJXName& editor) {
            e.editorTitles.append(editor.windowTitle());
            QCOMPARE(editor.lines(), lotavo::test::gbkLines({"王五"}));
            QVERIFY(!editor.isModified());
            editor.appendLines(lotavo::test::gbkLines({"赵六"}));
            setNextMessageAnswers({MessageAnswer::Ok});
            QVERIFY(editor.close());
        });
        e.click('o', 12);
        QCOMPARE(e.editorTitles, QStringList {QStringLiteral("编辑抽奖名单 o12.txt")});
        QCOMPARE(lotavo::test::readFile(e.folder.file("List/o12.txt")), G("王五\r\n赵六\r\n"));
        QVERIFY(!fileExists(e.folder.file("Text.txt")));
    }

    // Levels 100 and up: each cell is its own level, never the level of its first digits.
    void threeDigitLevelsUseTheirWholeNumber()
    {
        Extras e(120);
        lotavo::test::writeFile(e.folder.file("List/u100.txt"), "a\r\n");
        lotavo::test::writeFile(e.folder.file("List/o115.txt"), "a\r\n");
        e.open();
        e.click('d', 100);
        QVERIFY(e.flag("ChangeList", "d100"));
        QVERIFY(!e.settings.hasKey("ChangeList", "d10"));
        e.click('d', 10);  // u10.txt does not exist: u100.txt must not count for it
        QVERIFY(!e.settings.hasKey("ChangeList", "d10"));
        e.click('e', 115);
        QVERIFY(e.flag("Exclude", "e115"));
        QVERIFY(!e.settings.hasKey("Exclude", "e11"));
        e.click('s', 119);
        QVERIFY(e.flag("UpShot", "s119"));
        QVERIFY(!e.settings.hasKey("UpShot", "s11"));
        e.click('u', 104);
        QVERIFY(fileExists(e.folder.file("List/u104.txt")));
        QVERIFY(!fileExists(e.folder.file("List/u10.txt")));
    }

    // Bad input: a flag whose list was deleted can still be cleared; a list that cannot be made.
    void deletedListsAndAListFolderThatCannotBeMade()
    {
        Extras e;
        e.settings.writeBool("ChangeList", "d2", true);
        e.settings.writeBool("Exclude", "e3", true);
        e.open();
        QVERIFY(e.cell('d', 2)->toolTip().contains(QStringLiteral("名单文件不存在")));
        e.click('d', 2);
        QVERIFY(!e.flag("ChangeList", "d2"));
        e.click('e', 3);
        QVERIFY(!e.flag("Exclude", "e3"));
        QVERIFY(fadingMessages().isEmpty());

        std::filesystem::remove_all(e.folder.file("List"));
        lotavo::test::writeFile(e.folder.file("List"), "a file where the folder should be");
        e.click('u', 1);
        QVERIFY(e.editorTitles.isEmpty());
        QCOMPARE(fadingMessages().size(), 1);
    }
};

QTEST_MAIN(TFrmJXMiscTest)
#include "TFrmJXMiscTest.moc"
