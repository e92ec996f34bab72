// The number list generator and the prize creator of the list editor, offscreen: what they
// write into the open editor (the window or the wizard's), the fields they refuse, the
// attachment keys, and a million numbers while the windows keep painting.
#include "EditorTestSupport.h"

#include "draw/Gbk.h"
#include "draw/PrizeAttachmentKey.h"
#include "present/CommonDialogs.h"
#include "setup/TFrm_IncStr.h"
#include "setup/TfrmCreateAw.h"

#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <set>

using namespace lotavo;
using namespace lotavo::test;
using ui::TfrmCreateAw;
using ui::TFrm_IncStr;

namespace {

template <class T> T* part(QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

void closeFadingMessages()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (dynamic_cast<ui::TMsgForm*>(widget))
            widget->close();
    QApplication::processEvents();
}

bool messageShown(const QString& fragment)
{
    for (const QString& text : fadingMessages())
        if (text.contains(fragment))
            return true;
    return false;
}

struct NumberDialog {
    EditorFixture& f;
    TFrm_IncStr dialog;
    explicit NumberDialog(EditorFixture& fixture) : f(fixture), dialog(ProgramFolder(fixture.folder.path()), fixture.editor.get()) {}
    void fill(const QString& start, const QString& end, const QString& prefix = {}, const QString& suffix = {})
    {
        part<QLineEdit>(&dialog, "Edit1")->setText(start);
        part<QLineEdit>(&dialog, "Edit2")->setText(end);
        part<QLineEdit>(&dialog, "Edit3")->setText(prefix);
        part<QLineEdit>(&dialog, "Edit4")->setText(suffix);
    }
};

struct PrizeDialog {
    EditorFixture& f;
    RandomGenerator random;
    TfrmCreateAw dialog;
    explicit PrizeDialog(EditorFixture& fixture) : f(fixture), dialog(fixture.settings, random, *fixture.prompts, fixture.editor.get()) {}
    QSpinBox* count() { return part<QSpinBox>(&dialog, "SpinEdit1"); }
    QLineEdit* name() { return part<QLineEdit>(&dialog, "Edit1"); }
    QCheckBox* picture() { return part<QCheckBox>(&dialog, "RzCheckBox1"); }
    QCheckBox* sound() { return part<QCheckBox>(&dialog, "RzCheckBox2"); }
};

}  // namespace

class ListGeneratorsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeFadingMessages(); }

    void numberRunReplacesTheEditorsText()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"张三", "李四"}));
        f.editor->setModified(false);
        NumberDialog d(f);
        d.fill(QStringLiteral("0001"), QStringLiteral("0012"), QStringLiteral("A-"));
        d.dialog.RzButton1Click();
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        EntryList lines = f.editor->lines();
        QCOMPARE(lines.size(), size_t(12));
        QCOMPARE(lines.front(), std::string("A-0001"));
        QCOMPARE(lines.back(), std::string("A-0012"));
        QVERIFY(f.editor->isModified());
        QCOMPARE(readFile(f.folder.file("temp.txt")).substr(0, 16), std::string("A-0001\r\nA-0002\r\n"));

        // The ticket run of an event, with a Chinese suffix.
        NumberDialog again(f);
        again.fill(QStringLiteral("0001"), QStringLiteral("0500"), QString(), QStringLiteral("号"));
        again.dialog.RzButton1Click();
        lines = f.editor->lines();
        QCOMPARE(lines.size(), size_t(500));
        QCOMPARE(lines[499], G("0500号"));
    }

    void numberFieldsTakeDigitsOnly()
    {
        EditorFixture f;
        NumberDialog d(f);
        auto* start = part<QLineEdit>(&d.dialog, "Edit1");
        QTest::keyClicks(start, QStringLiteral("1a2-3 4"));
        QCOMPARE(start->text(), QStringLiteral("1234"));
        QTest::keyClick(start, Qt::Key_Backspace);
        QCOMPARE(start->text(), QStringLiteral("123"));
        QTest::keyClicks(start, QStringLiteral("4567890123"));
        QCOMPARE(start->text(), QStringLiteral("123456789"));

        // Pasted text gets past the key filter; the run is refused with the conversion error.
        f.editor->setLines(gbkLines({"王五"}));
        start->clear();
        QApplication::clipboard()->setText(QStringLiteral("12ab"));
        start->paste();
        QCOMPARE(start->text(), QStringLiteral("12ab"));
        part<QLineEdit>(&d.dialog, "Edit2")->setText(QStringLiteral("20"));
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        d.dialog.RzButton1Click();
        QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("'12ab' is not a valid integer value")});
        QCOMPARE(f.editor->lines(), gbkLines({"王五"}));
        QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
    }

    void badRunsAreRefusedAndTheDialogStays()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"王五"}));
        NumberDialog d(f);

        d.fill(QString(), QStringLiteral("12"));
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        d.dialog.RzButton1Click();
        QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("请填入起始数值")});
        d.fill(QStringLiteral("1"), QString());
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        d.dialog.RzButton1Click();
        QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("请填入起始数值")});

        d.fill(QStringLiteral("5"), QStringLiteral("5"));
        d.dialog.RzButton1Click();
        QVERIFY(messageShown(QStringLiteral("开始数值大于终止数值,请修改")));
        d.fill(QStringLiteral("0012"), QStringLiteral("0003"));
        d.dialog.RzButton1Click();

        // "8" to "11" would give 8, 9, 0, 1.
        closeFadingMessages();
        d.fill(QStringLiteral("8"), QStringLiteral("11"));
        d.dialog.RzButton1Click();
        QVERIFY(messageShown(QStringLiteral("编号从 01 开始至 11 结束")));

        // Nine-digit bounds: a thousand million lines would not fit the editor.
        closeFadingMessages();
        d.fill(QStringLiteral("000000001"), QStringLiteral("999999999"));
        QElapsedTimer clock;
        clock.start();
        d.dialog.RzButton1Click();
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(messageShown(QStringLiteral("一次最多生成2000000个编号")));

        QCOMPARE(f.editor->lines(), gbkLines({"王五"}));
        QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(part<QLineEdit>(&d.dialog, "Edit1")->text(), QStringLiteral("000000001"));
        QVERIFY(part<QPushButton>(&d.dialog, "RzButton1")->isEnabled());
    }

    void aMillionNumbersWhileTheWindowsPaint()
    {
        EditorFixture f;
        f.editor->show();
        NumberDialog d(f);
        d.dialog.show();
        d.fill(QStringLiteral("0000001"), QStringLiteral("1000000"), QStringLiteral("NO."));
        auto* bar = part<QProgressBar>(&d.dialog, "ProgressBar1");
        auto* button = part<QPushButton>(&d.dialog, "RzButton1");
        QSet<QString> captions;
        std::set<int> positions;
        bool lockedWhileRunning = true;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            captions.insert(button->text());
            positions.insert(bar->value());
            lockedWhileRunning = lockedWhileRunning && (!d.dialog.running() || !button->isEnabled());
            // A second press inside the run starts nothing.
            d.dialog.RzButton1Click();
        });
        ticker.start(5);
        QElapsedTimer clock;
        clock.start();
        d.dialog.RzButton1Click();
        qint64 elapsed = clock.elapsed();
        ticker.stop();
        QCOMPARE(f.editor->lineCount(), 1000000);
        EntryList lines = f.editor->lines();
        QCOMPARE(lines.front(), std::string("NO.0000001"));
        QCOMPARE(lines.back(), std::string("NO.1000000"));
        qInfo("1,000,000 numbers into the editor in %lld ms, %zu progress positions seen", elapsed, positions.size());
        QVERIFY2(captions.contains(QStringLiteral("正在生成")) || captions.contains(QStringLiteral("载入中")),
                 "the windows ran while the numbers were made");
        QVERIFY(lockedWhileRunning);
        QVERIFY2(elapsed < 30000 * kSlowBuildFactor, "a million numbers within seconds");
    }

    void toolMenuWritesIntoTheWizardsEditor()
    {
        EditorFixture f;
        QWidget page;
        page.resize(500, 300);
        auto* embedded = new ui::TfrmJXName(f.settings, ProgramFolder(f.folder.path()), ui::TfrmJXName::Host::Wizard);
        embedded->embedInto(&page);
        QCOMPARE(ui::TfrmJXName::current(), embedded);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("生成编号"));
            part<QLineEdit>(dialog, "Edit1")->setText(QStringLiteral("01"));
            part<QLineEdit>(dialog, "Edit2")->setText(QStringLiteral("03"));
            QTest::keyClick(part<QLineEdit>(dialog, "Edit2"), Qt::Key_Return);
        });
        embedded->mnuNumberListClick();
        QCOMPARE(embedded->lines(), (EntryList {"01", "02", "03"}));

        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("生成奖品名单"));
            part<QSpinBox>(dialog, "SpinEdit1")->setValue(2);
            part<QLineEdit>(dialog, "Edit1")->setText(QStringLiteral("电视机"));
            part<QPushButton>(dialog, "RzButton1")->click();
            dialog->reject();
        });
        embedded->mnuPrizeListClick();
        EntryList lines = embedded->lines();
        QCOMPARE(lines.size(), size_t(5));
        QCOMPARE(lines[3].substr(6), G("电视机"));
        QVERIFY(embedded->isModified());
        embedded->setModified(false);
        delete embedded;
    }

    void prizeUnitsAreAppendedWithCodesOfTheirOwn()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"123456笔记本电脑", "张三"}));
        f.editor->setModified(false);
        PrizeDialog d(f);
        QVERIFY(!d.picture()->isEnabled());
        d.count()->setValue(3);
        d.name()->setText(QStringLiteral("电视机"));
        QVERIFY(d.picture()->isEnabled() && d.sound()->isEnabled());
        d.dialog.RzButton1Click();
        EntryList lines = f.editor->lines();
        QCOMPARE(lines.size(), size_t(5));
        QCOMPARE(lines[1], G("张三"));
        std::set<std::string> codes {"123456"};
        for (size_t i = 2; i < 5; ++i) {
            QCOMPARE(lines[i].size(), size_t(6) + G("电视机").size());
            QVERIFY(lines[i].find_first_not_of("0123456789") == 6);
            QCOMPARE(lines[i].substr(6), G("电视机"));
            QVERIFY(codes.insert(lines[i].substr(0, 6)).second);
        }
        QVERIFY(f.editor->isModified());
        // Ready for the next prize.
        QCOMPARE(d.count()->value(), 1);
        QVERIFY(d.name()->text().isEmpty());
        QVERIFY(!d.picture()->isChecked() && !d.picture()->isEnabled());
        QVERIFY(!d.sound()->isChecked() && !d.sound()->isEnabled());

        // Twenty prize codes for a counter draw: all different.
        d.count()->setValue(20);
        d.name()->setText(QStringLiteral("保温杯"));
        d.dialog.RzButton1Click();
        lines = f.editor->lines();
        QCOMPARE(lines.size(), size_t(25));
        for (size_t i = 5; i < 25; ++i)
            QVERIFY(codes.insert(lines[i].substr(0, 6)).second);

        // Each batch is added to the text as it stands, and taken back in one undo step.
        memo(*f.editor)->undo();
        QCOMPARE(f.editor->lineCount(), 5);
        QCOMPARE(f.editor->lines()[4].substr(6), G("电视机"));
    }

    void prizeCountZeroAndAHundredThousand()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"张三"}));
        PrizeDialog d(f);
        d.name()->setText(QStringLiteral("笔"));
        d.count()->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(d.count(), QStringLiteral("0"));
        QCOMPARE(d.count()->cleanText(), QStringLiteral("0"));
        d.dialog.RzButton1Click();
        QCOMPARE(f.editor->lines(), gbkLines({"张三"}));
        d.count()->findChild<QLineEdit*>()->clear();
        d.dialog.RzButton1Click();
        QCOMPARE(f.editor->lines(), gbkLines({"张三"}));

        d.count()->setValue(100000);
        QCOMPARE(d.count()->value(), 100000);
        QTest::keyClicks(d.count(), QStringLiteral("9"));
        QCOMPARE(d.count()->value(), 100000);
        QElapsedTimer clock;
        clock.start();
        d.dialog.RzButton1Click();
        qint64 elapsed = clock.elapsed();
        EntryList lines = f.editor->lines();
        QCOMPARE(lines.size(), size_t(100001));
        std::set<std::string> codes;
        for (size_t i = 1; i < lines.size(); ++i)
            codes.insert(lines[i].substr(0, 6));
        QCOMPARE(codes.size(), size_t(100000));
        qInfo("100,000 prize entries into the editor in %lld ms", elapsed);
        QVERIFY2(elapsed < 5000 * kSlowBuildFactor, "a hundred thousand prizes within moments");
    }

    void attachmentsAreStoredAsThePrizeDrawLooksThemUp()
    {
        EditorFixture f;
        PrizeDialog d(f);
        d.name()->setText(QStringLiteral("电视机"));
        f.prompts->files = {QStringLiteral("/data/pic/电视机.jpg"), QString(), QStringLiteral("/data/snd/tv.wav")};
        d.picture()->click();
        QVERIFY(d.picture()->isChecked());
        QCOMPARE(f.settings.readString("CreateAw", G("电视机PIC"), ""), G("/data/pic/电视机.jpg"));
        QVERIFY(f.prompts->filters.last().contains(QStringLiteral("*.jpg")));
        // A cancelled choice writes nothing and leaves the box as it was.
        d.sound()->click();
        QVERIFY(!d.sound()->isChecked());
        QVERIFY(!f.settings.hasKey("CreateAw", G("电视机WAV")));
        d.sound()->click();
        QVERIFY(d.sound()->isChecked());
        QVERIFY(f.prompts->filters.last().contains(QStringLiteral("*.wav")));
        QCOMPARE(f.settings.readString("CreateAw", G("电视机WAV"), ""), std::string("/data/snd/tv.wav"));

        // A name past the thirty bytes the pop-up shows: warned, stored under what it shows.
        QString longName = QStringLiteral("豪华双开门变频节能冰箱一台含安装及五年保修");
        std::string shown = G("豪华双开门变频节能冰箱一台含安");
        QCOMPARE(shown.size(), size_t(30));
        d.name()->setText(longName);
        f.prompts->files = {QStringLiteral("/data/pic/fridge.jpg")};
        d.picture()->click();
        QVERIFY(messageShown(QStringLiteral("奖品名称超过30个字节")));
        QCOMPARE(f.settings.readString("CreateAw", shown + "PIC", ""), std::string("/data/pic/fridge.jpg"));
        QVERIFY(!f.settings.hasKey("CreateAw", toGbkName(longName) + "PIC"));
        // The prize draw looks up the winner line as the pop-up shows it.
        QCOMPARE(prize::attachmentKey(shown, prize::Attachment::Picture), shown + "PIC");
    }

    // Pictures of both dialogs for a person to look at: LOTAVO_SCREENSHOTS=<folder>.
    void screenshots()
    {
        QString folder = qEnvironmentVariable("LOTAVO_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set LOTAVO_SCREENSHOTS to a folder to get pictures of the dialogs");
        EditorFixture f;
        NumberDialog numbers(f);
        numbers.fill(QStringLiteral("0001"), QStringLiteral("0500"), QStringLiteral("A-"));
        part<QProgressBar>(&numbers.dialog, "ProgressBar1")->setValue(40);
        numbers.dialog.show();
        QApplication::processEvents();
        QVERIFY(numbers.dialog.grab().save(folder + QStringLiteral("/numbers.png")));
        PrizeDialog prizes(f);
        prizes.count()->setValue(20);
        prizes.name()->setText(QStringLiteral("笔记本电脑"));
        prizes.dialog.show();
        QApplication::processEvents();
        QVERIFY(prizes.dialog.grab().save(folder + QStringLiteral("/prizes.png")));
    }

private:
    static std::string toGbkName(const QString& name) { return G(name.toStdString()); }
};

QTEST_MAIN(ListGeneratorsTest)
#include "ListGeneratorsTest.moc"
