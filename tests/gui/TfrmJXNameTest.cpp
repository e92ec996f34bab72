// The list editor offscreen: its window, the status bar, the tools on GBK text, closing with
// its question, the working copy, the edit keys, find, embedding and a million lines.
#include "EditorTestSupport.h"

#include "draw/Gbk.h"
#include "draw/ListTools.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/CommonDialogs.h"
#include "setup/ProgressWindow.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <filesystem>

using namespace lotavo;
using namespace lotavo::test;
using ui::TfrmJXName;

namespace {

QString statusText(TfrmJXName& editor, const char* pane)
{
    return editor.findChild<QLabel*>(QLatin1String(pane))->text();
}

QStringList menuTexts(TfrmJXName& editor, const char* button)
{
    QStringList texts;
    for (QAction* action : editor.findChild<QToolButton*>(QLatin1String(button))->menu()->actions())
        if (!action->isSeparator())
            texts.append(action->text());
    return texts;
}

// Types text as key presses, Chinese characters too (QTest::keyClicks takes Latin-1 only).
void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace

class TfrmJXNameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::installFontSubstitutions();
        ui::ProgressWindow::setShowDelay(0);
    }
    void init()
    {
        ui::TMsgForm::freeAll();
        ui::setNextMessageAnswers({});
    }

    void showsTheMenusTextAndStatusOfTheEditor()
    {
        EditorFixture f;
        TfrmJXName& editor = *f.editor;
        QCOMPARE(editor.windowTitle(), QStringLiteral("编辑抽奖名单"));
        QCOMPARE(editor.findChild<QToolButton*>(QStringLiteral("btnFile"))->text(), QStringLiteral("文件"));
        QCOMPARE(editor.findChild<QToolButton*>(QStringLiteral("btnEdit"))->text(), QStringLiteral("编辑"));
        QCOMPARE(editor.findChild<QToolButton*>(QStringLiteral("btnTools"))->text(), QStringLiteral(" 工具 "));
        QCOMPARE(menuTexts(editor, "btnFile"),
                 (QStringList{QStringLiteral("导入文本文档"), QStringLiteral("导入Excel、FoxPro文件"),
                              QStringLiteral("导入Word、RTF文件"), QStringLiteral("导入图像文件列表"),
                              QStringLiteral("打印"), QStringLiteral("保存"), QStringLiteral("另存为")}));
        QCOMPARE(menuTexts(editor, "btnEdit"),
                 (QStringList{QStringLiteral("清除当前名单"), QStringLiteral("全选"), QStringLiteral("复制"),
                              QStringLiteral("粘贴"), QStringLiteral("剪切"), QStringLiteral("查找")}));
        QCOMPARE(menuTexts(editor, "btnTools"),
                 (QStringList{QStringLiteral("自动生成顺序编号"), QStringLiteral("生成直接抽取奖品名单"),
                              QStringLiteral("批量JPG图像转BMP图像"), QStringLiteral("预先名单乱序处理"),
                              QStringLiteral("过滤每行前后空格"), QStringLiteral("过滤空白行"),
                              QStringLiteral("过滤重复名单"), QStringLiteral("删除相同尾号")}));
        QAction* find = editor.findChild<QAction*>(QStringLiteral("mnuFind"));
        QCOMPARE(find->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));

        ui::ListTextEdit* text = memo(editor);
        QCOMPARE(text->font().pixelSize(), 16);
        QCOMPARE(text->font().families(), (QStringList{QStringLiteral("AR PL UMing CN"), QStringLiteral("宋体")}));
        QCOMPARE(text->palette().color(QPalette::Base), QColor(0xF7, 0xF7, 0xFF));
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(statusText(editor, "lblTotal"), QStringLiteral("总计:0行"));
        QVERIFY(!editor.isModified());
        QCOMPARE(TfrmJXName::current(), &editor);
    }

    void theSharedVariableIsClearedWhenTheEditorGoes()
    {
        {
            EditorFixture f;
            QCOMPARE(TfrmJXName::current(), f.editor.get());
        }
        QCOMPARE(TfrmJXName::current(), static_cast<TfrmJXName*>(nullptr));
    }

    void loadsAGbkListUnmodifiedAndCountsItsLines()
    {
        EditorFixture f;
        writeFile(f.folder.file("TempEdit.txt"), G("1001 王小明 市场部\r\n\r\n1003 李四\r\n"));
        QVERIFY(f.editor->loadFile(f.folder.file("TempEdit.txt")));
        QCOMPARE(f.editor->lines(), gbkLines({"1001 王小明 市场部", "", "1003 李四"}));
        QCOMPARE(statusText(*f.editor, "lblTotal"), QStringLiteral("总计:3行"));
        QVERIFY(!f.editor->isModified());

        writeFile(f.folder.file("b.txt"), G("王五"));
        QVERIFY(f.editor->loadFile(f.folder.file("b.txt")));
        QCOMPARE(f.editor->lineCount(), 1);

        ui::setNextMessageAnswers({MessageAnswer::Ok});
        QVERIFY(!f.editor->loadFile(f.folder.file("missing.txt")));
        QCOMPARE(ui::answeredMessages().size(), 1);
        QVERIFY(ui::answeredMessages().front().startsWith(QStringLiteral("无法读取名单文件")));
        QCOMPARE(f.editor->lines(), gbkLines({"王五"}));
    }

    void typingMarksTheTextModifiedAndCountsLines()
    {
        EditorFixture f;
        f.editor->show();
        ui::ListTextEdit* text = memo(*f.editor);
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("1001"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("1002"));
        QVERIFY(f.editor->isModified());
        QCOMPARE(statusText(*f.editor, "lblTotal"), QStringLiteral("总计:2行"));
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(statusText(*f.editor, "lblTotal"), QStringLiteral("总计:2行"));
        // A tab is part of the entry, not a step to the next control.
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(statusText(*f.editor, "lblTotal"), QStringLiteral("总计:3行"));
        QCOMPARE(f.editor->focusWidget(), text);
        QCOMPARE(f.editor->lines(), (EntryList{"1001", "1002", "\t"}));
        // Undo takes the typing back; the list stays changed.
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.editor->lines(), (EntryList{"1001", "1002"}));
        QCOMPARE(statusText(*f.editor, "lblTotal"), QStringLiteral("总计:2行"));
        QVERIFY(f.editor->isModified());
    }

    void theCaretPaneCountsGbkBytesBeforeTheKeyAndAtTheClick()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"1001 王小明", "1002 李四 市场部"}));
        f.editor->show();
        ui::ListTextEdit* text = memo(*f.editor);
        text->setSelection(1, 6, 1, 6);  // after "1002 李"
        QTest::keyClick(text, Qt::Key_Right);
        // Before the key: line 2, after "1002 李" = 7 bytes, so column 8.
        QCOMPARE(statusText(*f.editor, "lblCaret"), QStringLiteral("目前位于2行     8列"));

        text->setSelection(0, 8, 0, 8);
        QRect at = text->caretRect();
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, at.center() + QPoint(1, 0));
        QCOMPARE(statusText(*f.editor, "lblCaret"), QStringLiteral("目前位于1行12列,此行字符长度11"));
        // Where the click fell, in a list scrolled down.
        EntryList many;
        for (int i = 0; i < 300; ++i)
            many.push_back(std::to_string(1000 + i) + G(" 王"));
        f.editor->setLines(many);
        text->setSelection(250, 5, 250, 5);
        QVERIFY(text->verticalScrollBar()->value() > 200);
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, text->caretRect().center());
        QCOMPARE(statusText(*f.editor, "lblCaret"), QStringLiteral("目前位于251行6列,此行字符长度7"));
    }

    void trimBlankLinesAndDuplicatesWorkOnGbkText()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"  1001 王小明  ", "", "  ", "\t", "1002 李四", "abc", "ABC", "1001 王小明"}));
        f.editor->setModified(false);
        f.editor->mnuTrimClick();
        QVERIFY(f.editor->isModified());
        QCOMPARE(f.editor->lines(), gbkLines({"1001 王小明", "", "", "", "1002 李四", "abc", "ABC", "1001 王小明"}));
        f.editor->mnuBlankLinesClick();
        QCOMPARE(f.editor->lines(), gbkLines({"1001 王小明", "1002 李四", "abc", "ABC", "1001 王小明"}));
        QCOMPARE(statusText(*f.editor, "lblTotal"), QStringLiteral("总计:5行"));
        f.editor->mnuDuplicatesClick();
        QCOMPARE(f.editor->lines(), gbkLines({"1001 王小明", "1002 李四", "abc"}));
        QVERIFY(fadingMessages().contains(QStringLiteral("完成任务!已将重复项目删除")));
        QVERIFY(!QFile::exists(f.path("oldtext.txt")));
    }

    void deleteByTailAsksForTheTail()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"1008", "1018", "998", "1019", "王小明8", "8"}));
        f.prompts->texts = {QString()};
        f.editor->mnuDeleteTailClick();
        QCOMPARE(f.prompts->prompts.last(), QStringLiteral("请输入要删除的尾号"));
        QCOMPARE(f.editor->lineCount(), 6);
        f.prompts->texts = {QStringLiteral("8")};
        f.editor->mnuDeleteTailClick();
        QCOMPARE(f.editor->lines(), gbkLines({"1019"}));
        f.editor->setLines(gbkLines({"王小明", "李小明", "明"}));
        f.prompts->texts = {QStringLiteral("小明")};
        f.editor->mnuDeleteTailClick();
        QCOMPARE(f.editor->lines(), gbkLines({"明"}));
    }

    void shuffleUsesTheProgramsGeneratorAndMarksModified()
    {
        EditorFixture f;
        EntryList lines;
        for (int i = 0; i < 50; ++i)
            lines.push_back(std::to_string(i) + G(" 参加者"));
        f.editor->setLines(lines);
        f.editor->setModified(false);
        RandomGenerator program, expected;
        program.seed(99);
        expected.seed(99);
        f.editor->setRandomGenerator(&program);
        f.editor->mnuShuffleClick();
        shuffleLines(lines, expected);
        QCOMPARE(f.editor->lines(), lines);
        QCOMPARE(program.state(), expected.state());
        QVERIFY(f.editor->isModified());
    }

    void longListsShowTheProgressWindowAndStayQuick()
    {
        EditorFixture f;
        EntryList lines;
        for (int i = 0; i < 100000; ++i)
            lines.push_back("  " + std::to_string(100000 + i % 60000) + G(" 王小明 市场部"));
        f.editor->setLines(lines);
        f.editor->show();
        int before = ui::ProgressWindow::appearances();
        QElapsedTimer clock;
        clock.start();
        f.editor->mnuTrimClick();
        f.editor->mnuBlankLinesClick();
        f.editor->mnuDuplicatesClick();
        qint64 elapsed = clock.elapsed();
        QVERIFY(ui::ProgressWindow::appearances() >= before + 3);
        QCOMPARE(f.editor->lineCount(), 60000);
        qInfo("trim, blank lines and duplicates of 100,000 lines in the window: %lld ms", elapsed);
        QVERIFY2(elapsed < 6000 * kSlowBuildFactor, "the three tools should take a second or two each at most");
    }

    void closingAsksAndSavesTheMainListInTheProgramFolder()
    {
        EditorFixture f;
        std::filesystem::create_directory(f.folder.file("other"));
        f.editor->setListFile(f.folder.file("other/Text.txt"));
        int reloads = 0;
        f.editor->setOnMainListSaved([&reloads] { ++reloads; });
        f.editor->setLines(gbkLines({"1001 王小明", "", "1002 李四", " ", ""}));
        writeFile(f.folder.file("TempEdit.txt"), "old");
        f.editor->show();
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        QVERIFY(f.editor->close());
        QCOMPARE(ui::answeredMessages(), QStringList{QStringLiteral("名单已经改变,是否需要保存此名单?")});
        // Blank lines among the last nine go, the one in the middle too.
        QCOMPARE(readFile(f.folder.file("Text.txt")), G("1001 王小明\r\n1002 李四\r\n"));
        QVERIFY(!QFile::exists(f.path("other/Text.txt")));
        QCOMPARE(reloads, 1);
        QCOMPARE(f.editor->result(), int(QDialog::Accepted));
        QVERIFY(!QFile::exists(f.path("TempEdit.txt")));
        QVERIFY(f.editor->isHidden());
    }

    void closingSavesAnotherListToItsOwnFile()
    {
        EditorFixture f(TfrmJXName::Host::LevelExtras);
        std::filesystem::create_directory(f.folder.file("List"));
        f.editor->setListFile(f.folder.file("List/u1.txt"));
        int reloads = 0;
        f.editor->setOnMainListSaved([&reloads] { ++reloads; });
        f.editor->setLines(gbkLines({"王五"}));
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        QVERIFY(f.editor->close());
        QCOMPARE(readFile(f.folder.file("List/u1.txt")), G("王五\r\n"));
        QCOMPARE(reloads, 0);
    }

    void closingWithCancelSavesNothingAndAnUnchangedListAsksNothing()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"王五"}));
        ui::setNextMessageAnswers({MessageAnswer::Cancel});
        QVERIFY(f.editor->close());
        QVERIFY(!QFile::exists(f.path("Text.txt")));
        QCOMPARE(f.editor->result(), int(QDialog::Rejected));

        EditorFixture g;
        g.editor->show();
        ui::setNextMessageAnswers({});
        QVERIFY(g.editor->close());
        QVERIFY(ui::answeredMessages().isEmpty());
    }

    void escapeAsksTheSameQuestion()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"王五"}));
        f.editor->show();
        ui::setNextMessageAnswers({MessageAnswer::Cancel});
        QTest::keyClick(f.editor.get(), Qt::Key_Escape);
        QCOMPARE(ui::answeredMessages(), QStringList{QStringLiteral("名单已经改变,是否需要保存此名单?")});
        QVERIFY(f.editor->isHidden());
    }

    void aListThatCannotBeWrittenKeepsTheEditorOpenWithItsText()
    {
        EditorFixture f;
        f.editor->setListFile(f.folder.file("no such folder/u1.txt"));
        f.editor->setLines(gbkLines({"1001 王小明"}));
        writeFile(f.folder.file("TempEdit.txt"), "working copy");
        f.editor->show();
        ui::setNextMessageAnswers({MessageAnswer::Ok, MessageAnswer::Ok});
        QVERIFY(!f.editor->close());
        QCOMPARE(ui::answeredMessages().size(), 2);
        QVERIFY(ui::answeredMessages()[1].startsWith(QStringLiteral("名单没有保存")));
        QVERIFY(f.editor->isVisible());
        QVERIFY(f.editor->isModified());
        QCOMPARE(f.editor->lines(), gbkLines({"1001 王小明"}));
        QVERIFY(QFile::exists(f.path("TempEdit.txt")));
    }

    void theWorkingCopyFollowsTypingWithinASecond()
    {
        EditorFixture f;
        f.editor->show();
        ui::ListTextEdit* text = memo(*f.editor);
        text->setFocus();
        typeText(text, QStringLiteral("1001 王"));
        QVERIFY(!QFile::exists(f.path("TempEdit.txt")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(f.path("TempEdit.txt")), 1500);
        QCOMPARE(readFile(f.folder.file("TempEdit.txt")), G("1001 王\r\n"));
        // Typing on: the copy is at most a second behind, never waiting for a pause.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 2500) {
            QTest::keyClicks(text, QStringLiteral("x"));
            QTest::qWait(100);
        }
        std::string copy = readFile(f.folder.file("TempEdit.txt"));
        QVERIFY2(copy.size() >= G("1001 王").size() + 10, copy.c_str());
    }

    void aWorkingCopyThatCannotBeWrittenIsReportedOnce()
    {
        TempFolder base;
        IniStore settings(base.file("lotavo.bin"));
        TfrmJXName editor(settings, ProgramFolder(base.file("gone")), TfrmJXName::Host::DrawScreen);
        editor.setLines(gbkLines({"王五"}));
        editor.tmAutoSaveTimer();
        editor.tmAutoSaveTimer();
        QStringList messages = fadingMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.front().startsWith(QStringLiteral("无法写入工作副本TempEdit.txt")));
        QCOMPARE(editor.lines(), gbkLines({"王五"}));
    }

    void theEditKeysActOnceAndCtrlFOpensFind()
    {
        EditorFixture f;
        f.editor->show();
        f.editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.editor.get()));
        ui::ListTextEdit* text = memo(*f.editor);
        text->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("王五"));
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text->plainText(), QStringLiteral("王五"));
        QVERIFY(f.editor->isModified());
        f.editor->mnuPasteClick();
        QCOMPARE(text->plainText(), QStringLiteral("王五王五"));
        f.editor->mnuSelectAllClick();
        f.editor->mnuCutClick();
        QCOMPARE(text->plainText(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("王五王五"));
        QTest::keyClick(text, Qt::Key_F, Qt::ControlModifier);
        QDialog* find = f.editor->findChild<QDialog*>(QStringLiteral("FindDialog1"));
        QVERIFY(find && find->isVisible());
        f.editor->setModified(false);
    }

    void clearEmptiesTheTextAndMarksIt()
    {
        EditorFixture f;
        writeGbkList(f.folder.file("a.txt"), {"王五"});
        f.editor->loadFile(f.folder.file("a.txt"));
        f.editor->mnuClearClick();
        QCOMPARE(f.editor->lineCount(), 0);
        QVERIFY(f.editor->isModified());
        QCOMPARE(statusText(*f.editor, "lblTotal"), QStringLiteral("总计:0行"));
    }

    void findSearchesForwardIgnoringOnlyAsciiCase()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"1001 Wang 王小明", "1002 WANG 李四", "1003 ｗａｎｇ"}));
        f.editor->show();
        ui::ListTextEdit* text = memo(*f.editor);
        text->setSelection(0, 0, 0, 0);
        f.editor->FindDialog1Find(QStringLiteral("wang"), false);
        QCOMPARE(text->selectedText(), QStringLiteral("Wang"));
        f.editor->FindDialog1Find(QStringLiteral("wang"), false);
        QCOMPARE(text->selectedText(), QStringLiteral("WANG"));
        QCOMPARE(text->caret(), (ui::TextPosition{1, 9}));
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        f.editor->FindDialog1Find(QStringLiteral("wang"), false);
        QCOMPARE(ui::answeredMessages(), QStringList{QStringLiteral("wang没有发现")});
        QCOMPARE(text->selectedText(), QStringLiteral("WANG"));

        text->setSelection(0, 0, 0, 0);
        f.editor->FindDialog1Find(QStringLiteral("WANG"), true);
        QCOMPARE(text->caret().line, 1);
        f.editor->FindDialog1Find(QStringLiteral("李四"), true);
        QCOMPARE(text->selectedText(), QStringLiteral("李四"));

        f.editor->mnuFindClick();
        QDialog* dialog = f.editor->findChild<QDialog*>(QStringLiteral("FindDialog1"));
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("edtFind"))->text(), QStringLiteral("李四"));

        // A match far down a long list is scrolled into view.
        EntryList many(5000, G("参加者"));
        many[4321] = G("参加者 张三");
        f.editor->setLines(many);
        f.editor->FindDialog1Find(QStringLiteral("张三"), true);
        QCOMPARE(text->caret(), (ui::TextPosition{4321, 6}));
        QVERIFY(text->viewport()->rect().contains(text->caretRect()));
    }

    void embeddedItFillsThePageAndAsksWhenTheWizardClosesIt()
    {
        TempFolder base;
        IniStore settings(base.file("lotavo.bin"));
        QWidget wizard;
        wizard.resize(700, 500);
        auto* page = new QWidget(&wizard);
        page->setGeometry(10, 10, 500, 300);
        auto* editor = new TfrmJXName(settings, ProgramFolder(base.path()), TfrmJXName::Host::Wizard);
        editor->embedInto(page);
        wizard.show();
        QCOMPARE(editor->parentWidget(), page);
        QVERIFY(!editor->isWindow());
        QCOMPARE(editor->geometry(), page->rect());
        page->resize(600, 400);
        QCOMPARE(editor->geometry(), QRect(0, 0, 600, 400));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->host(), TfrmJXName::Host::Wizard);

        editor->setLines(gbkLines({"王五"}));
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        QVERIFY(editor->close());
        QCOMPARE(readFile(base.file("Text.txt")), G("王五\r\n"));
        delete editor;
    }

    void aMillionLinesOpenInOneGo()
    {
        EditorFixture f;
        std::string text;
        text.reserve(25000000);
        for (int i = 0; i < 1000000; ++i)
            text += std::to_string(1000000 + i) + G(" 王小明 市场部") + "\r\n";
        writeFile(f.folder.file("TempEdit.txt"), text);
        f.editor->show();
        QElapsedTimer clock;
        clock.start();
        // A timer of the windows stands in for painting: the longest it waits is how long the
        // windows stand still while the list loads.
        qint64 last = 0, longestGap = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        ticker.start(20);
        QVERIFY(f.editor->loadFile(f.folder.file("TempEdit.txt")));
        QApplication::processEvents();
        ticker.stop();
        qint64 loaded = clock.elapsed();
        QCOMPARE(statusText(*f.editor, "lblTotal"), QStringLiteral("总计:1000000行"));
        clock.restart();
        EntryList lines = f.editor->lines();
        qint64 read = clock.elapsed();
        QCOMPARE(lines.size(), size_t(1000000));
        QCOMPARE(lines.back(), "1999999" + G(" 王小明 市场部"));
        clock.restart();
        QTest::keyClick(memo(*f.editor), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(memo(*f.editor), QStringLiteral("2000000"));
        qint64 typed = clock.elapsed();
        QCOMPARE(statusText(*f.editor, "lblTotal"), QStringLiteral("总计:1000001行"));
        qInfo("1,000,000 lines: shown in %lld ms (longest pause of the event loop %lld ms), read back in %lld ms, "
              "7 keys typed at the end in %lld ms", loaded, longestGap, read, typed);
        QVERIFY2(longestGap < 2500 * kSlowBuildFactor, "the windows keep painting while the list loads");
        QVERIFY2(loaded < 20000 * kSlowBuildFactor, "a million lines open within seconds");
        QVERIFY2(typed < 3000 * kSlowBuildFactor, "typing stays responsive");
    }

    // Pictures of the editor for a person to look at: LOTAVO_SCREENSHOTS=<folder>.
    void screenshots()
    {
        QString folder = qEnvironmentVariable("LOTAVO_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set LOTAVO_SCREENSHOTS to a folder to get pictures of the editor");
        EditorFixture f;
        f.editor->setWindowTitle(QStringLiteral("编辑抽奖名单 Text.txt"));
        f.editor->setLines(gbkLines({"1001 王小明 市场部", "1002 李四   研发部", "1003 张三丰 财务部",
                                      "1004 欧阳娜娜 Sales", "1005 赵六   行政部", "", "1006 孙七 IT"}));
        f.editor->show();
        ui::ListTextEdit* text = memo(*f.editor);
        text->setSelection(2, 7, 2, 7);
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, text->caretRect().center());
        QApplication::processEvents();
        QVERIFY(f.editor->grab().save(folder + QStringLiteral("/editor.png")));
        for (const char* button : {"btnFile", "btnEdit", "btnTools"}) {
            QMenu* menu = f.editor->findChild<QToolButton*>(QLatin1String(button))->menu();
            menu->popup(QPoint(0, 0));
            QApplication::processEvents();
            QVERIFY(menu->grab().save(folder + QLatin1Char('/') + QLatin1String(button) + QStringLiteral(".png")));
            menu->hide();
        }
        f.editor->mnuFindClick();
        QApplication::processEvents();
        QWidget* find = f.editor->findChild<QDialog*>(QStringLiteral("FindDialog1"));
        QVERIFY(find->grab().save(folder + QStringLiteral("/find.png")));
        ui::ProgressWindow progress(f.editor.get(), QStringLiteral("正在导入,请稍候..."), true);
        progress.setMaximum(100);
        progress.setPosition(40);
        progress.show();
        QApplication::processEvents();
        QVERIFY(progress.grab().save(folder + QStringLiteral("/progress.png")));

        QWidget wizardPage;
        wizardPage.resize(520, 330);
        auto* embedded = new TfrmJXName(f.settings, ProgramFolder(f.folder.path()), TfrmJXName::Host::Wizard);
        embedded->embedInto(&wizardPage);
        embedded->setLines(gbkLines({"1001 王小明 市场部", "1002 李四 研发部"}));
        embedded->setModified(false);
        wizardPage.show();
        QApplication::processEvents();
        QVERIFY(wizardPage.grab().save(folder + QStringLiteral("/embedded.png")));
        delete embedded;
        f.editor->setModified(false);
    }
};

QTEST_MAIN(TfrmJXNameTest)
#include "TfrmJXNameTest.moc"
