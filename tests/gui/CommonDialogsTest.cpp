// The fading message, the message box, the input box and the pumped delay, driven offscreen.
#include "present/CommonDialogs.h"
#include "present/TMsgForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace lotavo;
using namespace lotavo::ui;

namespace {

// The one message window open (each test starts with none).
TMsgForm* openMessage()
{
    TMsgForm* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<TMsgForm*>(widget); form && form->isVisible())
            found = form;
    return found;
}

QTimer* timer(TMsgForm* form, const char* name)
{
    return form->findChild<QTimer*>(QLatin1String(name));
}

QRect workArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Runs `action` on the modal dialog once it is open.
void whenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        action(QApplication::activeModalWidget());
    });
}

}  // namespace

class CommonDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { TMsgForm::freeAll(); }
    void cleanupTestCase() { TMsgForm::freeAll(); }

    void slidesInFromBottomRightWithGrowingSteps()
    {
        showFadingMessage(QStringLiteral("名单已保存"), 1);
        TMsgForm* form = openMessage();
        QVERIFY(form);
        int bottom = workArea().y() + workArea().height();
        int right = workArea().x() + workArea().width();
        QCOMPARE(form->pos(), QPoint(right - form->width(), bottom - 1));
        QVERIFY(timer(form, "tmFadeIn")->isActive());

        QList<int> steps;
        for (int tick = 0; tick < 11; ++tick) {
            int before = form->y();
            form->tmFadeInTimer();
            steps.append(before - form->y());
        }
        QCOMPARE(steps, (QList<int>{1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 4}));

        int rest = bottom - form->height();
        for (int tick = 0; tick < 200 && timer(form, "tmFadeIn")->isActive(); ++tick) {
            form->tmFadeInTimer();
            QVERIFY(form->y() >= rest);
        }
        QCOMPARE(form->pos(), QPoint(right - form->width(), rest));
        QVERIFY(!timer(form, "tmFadeIn")->isActive());
        QVERIFY(timer(form, "tmDelay")->isActive());
        QCOMPARE(timer(form, "tmDelay")->interval(), 8000);
    }

    void shortTextKeepsSizeLongTextGrowsDownward()
    {
        showFadingMessage(QStringLiteral("已复制"), 1);
        TMsgForm* form = openMessage();
        QCOMPARE(form->size(), QSize(179, 159));
        TMsgForm::freeAll();

        QString text = QStringLiteral("奖项级别存在空缺栏!\r\r空缺会导致未知错误\r\r") + QString(QStringLiteral("填写奖项级别时请勿跳级")).repeated(12);
        showFadingMessage(text, 0);
        form = openMessage();
        auto* message = form->findChild<QLabel*>(QStringLiteral("lblMsg"));
        QVERIFY(!message->text().contains(QLatin1Char('\r')));
        int extra = form->height() - 159;
        QVERIFY(extra > 0);
        QCOMPARE(message->geometry(), QRect(9, 54, 160, 99 + extra));
        QVERIFY(message->heightForWidth(160) <= message->height());
        // The window still starts just below the work area, so it grows downward.
        QCOMPARE(form->y(), workArea().y() + workArea().height() - 1);
    }

    void clickWhileSlidingInSlidesOutFromThereAndFrees()
    {
        showFadingMessage(QStringLiteral("提示信息"), 1);
        QPointer<TMsgForm> form = openMessage();
        for (int tick = 0; tick < 5; ++tick)
            form->tmFadeInTimer();
        int y = form->y();
        QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(!timer(form, "tmFadeIn")->isActive());
        QVERIFY(!timer(form, "tmDelay")->isActive());
        QVERIFY(timer(form, "tmFadeOut")->isActive());
        QVERIFY(form->y() <= y && form->y() >= y - 3);  // at most one more slide-in tick
        y = form->y();
        form->tmFadeOutTimer();
        QVERIFY(form->y() > y);
        QTRY_VERIFY_WITH_TIMEOUT(form.isNull(), 3000);
        QCOMPARE(TMsgForm::openCount(), 0);
    }

    void styleShowsWordIconAndGradient_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QColor>("nearRight");  // gradient at x = 177 of 179
        QTest::newRow("error") << 0 << QStringLiteral("错误") << QStringLiteral("imgError") << QColor(241, 130, 130);
        QTest::newRow("information") << 1 << QStringLiteral("提示") << QStringLiteral("imgInfo") << QColor(130, 225, 241);
        QTest::newRow("warning") << 2 << QStringLiteral("警告") << QStringLiteral("imgWarning") << QColor(225, 241, 130);
        QTest::newRow("other") << 7 << QStringLiteral("提示") << QStringLiteral("imgInfo") << QColor(130, 225, 241);
    }

    void styleShowsWordIconAndGradient()
    {
        QFETCH(int, style);
        QFETCH(QString, word);
        QFETCH(QString, icon);
        QFETCH(QColor, nearRight);
        showFadingMessage(QString(), style);  // an empty text still shows the style word
        TMsgForm* form = openMessage();
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("lblIcon"))->text(), word);
        for (const char* name : {"imgError", "imgInfo", "imgWarning"})
            QCOMPARE(form->findChild<QLabel*>(QLatin1String(name))->isVisible(), icon == QLatin1String(name));
        QImage picture = form->grab().toImage();
        QCOMPARE(QColor(picture.pixel(0, 80)), QColor(0x77, 0x77, 0x77));
        QCOMPARE(QColor(picture.pixel(178, 158)), QColor(0x77, 0x77, 0x77));
        QCOMPARE(QColor(picture.pixel(1, 150)), QColor(Qt::white));
        QCOMPARE(QColor(picture.pixel(177, 1)), nearRight);
        QCOMPARE(QColor(picture.pixel(177, 150)), nearRight);
    }

    void queuedAnswersAnswerAtOnceAndRecordTheTexts()
    {
        setNextMessageAnswers({MessageAnswer::Yes, MessageAnswer::Cancel});
        QCOMPARE(messageBox(nullptr, QStringLiteral("保存名单?"), QStringLiteral("警告"), MessageButtons::YesNoCancel,
                            MessageIcon::Exclamation, 1),
                 MessageAnswer::Yes);
        QCOMPARE(messageBox(nullptr, QStringLiteral("继续?"), QStringLiteral("询问"), MessageButtons::OkCancel,
                            MessageIcon::Question),
                 MessageAnswer::Cancel);
        QCOMPARE(answeredMessages(), (QStringList{QStringLiteral("保存名单?"), QStringLiteral("继续?")}));
    }

    void messageBoxShowsChineseButtonsDefaultAndLineBreaks()
    {
        setNextMessageAnswers({});
        QString shownText;
        QStringList buttonTexts;
        QString defaultText;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            shownText = box->text();
            for (QAbstractButton* button : box->buttons())
                buttonTexts.append(button->text());
            defaultText = box->defaultButton()->text();
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->windowTitle(), QStringLiteral("警告"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        MessageAnswer answer = messageBox(nullptr, QStringLiteral("名单已改变\r\r是否保存?"), QStringLiteral("警告"),
                                          MessageButtons::YesNoCancel, MessageIcon::Exclamation, 1);
        QCOMPARE(shownText, QStringLiteral("名单已改变\n\n是否保存?"));
        buttonTexts.sort();
        QCOMPARE(buttonTexts, (QStringList{QStringLiteral("取消"), QStringLiteral("否(&N)"), QStringLiteral("是(&Y)")}));
        QCOMPARE(defaultText, QStringLiteral("否(&N)"));
        QCOMPARE(answer, MessageAnswer::No);

        whenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(messageBox(nullptr, QStringLiteral("继续?"), QStringLiteral("询问"), MessageButtons::OkCancel,
                            MessageIcon::Question),
                 MessageAnswer::Cancel);
    }

    void inputBoxCancelKeepsValueOkReplacesIt()
    {
        QString value = QStringLiteral("一等奖");
        whenModal([](QWidget* modal) {
            QTest::keyClicks(modal->findChild<QLineEdit*>(), QStringLiteral("Grand"));
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QVERIFY(!inputBox(nullptr, QStringLiteral("奖项"), QStringLiteral("请输入标题:"), value));
        QCOMPARE(value, QStringLiteral("一等奖"));

        QStringList buttons;
        whenModal([&](QWidget* modal) {
            auto* edit = modal->findChild<QLineEdit*>();
            QCOMPARE(edit->selectedText(), QStringLiteral("一等奖"));
            for (QPushButton* button : modal->findChildren<QPushButton*>())
                buttons.append(button->text());
            QTest::keyClicks(edit, QStringLiteral("Grand"));  // replaces the selected text
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QVERIFY(inputBox(nullptr, QStringLiteral("奖项"), QStringLiteral("请输入标题:"), value));
        QCOMPARE(value, QStringLiteral("Grand"));
        QCOMPARE(buttons, (QStringList{QStringLiteral("确定(&Y)"), QStringLiteral("取消(&C)")}));
    }

    void pumpedDelayWaitsAndKeepsEventsFlowing()
    {
        bool fired = false;
        QTimer::singleShot(20, [&] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        pumpedDelay(120);
        QVERIFY(clock.elapsed() >= 120);
        QVERIFY(fired);
    }
};

QTEST_MAIN(CommonDialogsTest)
#include "CommonDialogsTest.moc"
