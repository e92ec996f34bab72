// The press confirmation dialog on its own, offscreen: both answers by mouse and by key, Esc,
// dragging with Ctrl on the background, the button font, missing pictures, places off-screen.
#include "SmallWindowTestSupport.h"

#include "present/FontChooser.h"
#include "present/PictureButton.h"
#include "present/QtText.h"
#include "present/TfrmHintValid.h"

#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace lotavo;
using namespace lotavo::ui;
using lotavo::test::SmallWindowStage;

namespace {

struct Dialog : SmallWindowStage {
    std::unique_ptr<TfrmHintValid> window;

    explicit Dialog(bool pictures = true, QPoint place = {120, 90})
    {
        settings->writeInteger("Option", "HintVaildLeft", place.x());
        settings->writeInteger("Option", "HintVaildTop", place.y());
        window = std::make_unique<TfrmHintValid>(*settings, ProgramFolder(this->pictures(pictures)));
    }
    // Runs the dialog modally with `answer` acting inside it; returns its result.
    int exec(const std::function<void(TfrmHintValid&)>& answer)
    {
        QTimer::singleShot(0, window.get(), [this, answer] { answer(*window); });
        return window->exec();
    }
    QWidget* background() const { return window->findChild<QWidget*>(QStringLiteral("RzBackground1")); }
    int stored(const char* key) const { return settings->readInteger("Option", key, -1); }
};

}  // namespace

class TfrmHintValidTest : public QObject {
    Q_OBJECT
private slots:
    void answersByMouseAndByKey()
    {
        using W = TfrmHintValid;
        auto click = [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(100, 30)); };
        QCOMPARE(Dialog().exec([&](W& w) { click(w.confirmButton()); }), int(QDialog::Accepted));
        QCOMPARE(Dialog().exec([&](W& w) { click(w.cancelButton()); }), int(QDialog::Rejected));
        QCOMPARE(Dialog().exec([](W& w) { QTest::keyClick(&w, Qt::Key_Escape); }), int(QDialog::Rejected));
        QCOMPARE(Dialog().exec([](W& w) { w.close(); }), int(QDialog::Rejected));
        // "确 认" has the focus: the operator's Space or Enter confirms, the arrows go to "取消".
        QCOMPARE(Dialog().exec([](W& w) {
                     QVERIFY(QTest::qWaitForWindowActive(&w));
                     QCOMPARE(QApplication::focusWidget(), w.confirmButton());
                     QTest::keyClick(w.confirmButton(), Qt::Key_Space);
                 }),
                 int(QDialog::Accepted));
        QCOMPARE(Dialog().exec([](W& w) { QTest::keyClick(w.confirmButton(), Qt::Key_Return); }), int(QDialog::Accepted));
        QCOMPARE(Dialog().exec([](W& w) {
                     QVERIFY(QTest::qWaitForWindowActive(&w));
                     QTest::keyClick(&w, Qt::Key_Right);
                     QVERIFY(w.cancelButton()->hasFocus());
                     QTest::keyClick(w.cancelButton(), Qt::Key_Space);
                 }),
                 int(QDialog::Rejected));
    }

    void layoutAndFontFromTheSettings()
    {
        Dialog d;
        d.settings->writeInteger("Option", "HintVaildFontSize", 18);
        TfrmHintValid w(*d.settings, ProgramFolder(d.pictures(true)));
        QCOMPARE(w.size(), QSize(476, 221));
        QCOMPARE(w.confirmButton()->geometry(), QRect(32, 80, 200, 65));
        QCOMPARE(w.cancelButton()->geometry(), QRect(256, 80, 200, 65));
        QCOMPARE(w.confirmButton()->text(), QStringLiteral("确 认"));
        QCOMPARE(w.cancelButton()->text(), QStringLiteral("取消"));
        QVERIFY(w.confirmButton()->hasPictures());
        QCOMPARE(w.cancelButton()->font().pointSize(), 18);
        QCOMPARE(w.cancelButton()->textColour(), toQColor(22));
        QCOMPARE(w.pos(), QPoint(120, 90));

        setFontChooser([](QFont& font, QColor& colour) {
            font.setPointSize(30);
            colour = QColor(128, 0, 0);
            return true;
        });
        w.N1Click();
        setFontChooser({});
        for (PictureButton* b : {w.confirmButton(), w.cancelButton()}) {
            QCOMPARE(b->font().pointSize(), 30);
            QCOMPARE(b->textColour(), QColor(128, 0, 0));
        }
        QCOMPARE(d.stored("HintVaildFontSize"), 30);
        QCOMPARE(d.stored("HintVaildFontColor"), fromQColor(QColor(128, 0, 0)));
        QVERIFY(!d.settings->readString("Option", "HintVaildFontName", "").empty());
    }

    void ctrlDragOnTheBackgroundMovesAndStoresThePlace()
    {
        Dialog d;
        d.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.window.get()));
        QPoint before = d.window->pos();
        lotavo::test::dragBy(d.background(), {20, 20}, {-30, 25}, Qt::ControlModifier);
        QCOMPARE(d.window->pos(), before + QPoint(-30, 25));
        QVERIFY(d.window->isVisible());
        QCOMPARE(d.stored("HintVaildLeft"), before.x() - 30);
        QCOMPARE(d.stored("HintVaildTop"), before.y() + 25);

        lotavo::test::dragBy(d.background(), {20, 20}, {-30, 25}, Qt::NoModifier);
        QCOMPARE(d.window->pos(), before + QPoint(-30, 25));
        QVERIFY2(d.window->isVisible(), "a click on the background answers nothing");
    }

    void opensClearOfTheWinnersUntilThePlaceIsStored()
    {
        SmallWindowStage fresh;
        QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QRect winners(screen.left() + 100, screen.top() + 250, 500, 120);
        {
            TfrmHintValid w(*fresh.settings, ProgramFolder(fresh.pictures(true)));
            w.keepClearOf(winners);
            QVERIFY(!w.geometry().intersects(winners));
            QVERIFY(screen.contains(w.geometry()));
        }
        fresh.settings->writeInteger("Option", "HintVaildLeft", 150);
        fresh.settings->writeInteger("Option", "HintVaildTop", 260);
        TfrmHintValid placed(*fresh.settings, ProgramFolder(fresh.pictures(true)));
        placed.keepClearOf(winners);
        QCOMPARE(placed.pos(), QPoint(150, 260));
    }

    // Bad input: no pictures (the buttons still answer), places that are on no screen.
    void missingPicturesAndPlacesOffScreen()
    {
        Dialog bare(false);
        QCOMPARE(bare.window->size(), QSize(476, 221));
        QVERIFY(!bare.window->confirmButton()->hasPictures());
        QCOMPARE(bare.exec([](TfrmHintValid& w) {
                     QTest::mouseClick(w.confirmButton(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 30));
                 }),
                 int(QDialog::Accepted));

        QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (QPoint place : {QPoint(4000, 3000), QPoint(-500, 100), QPoint(screen.right(), 0)}) {
            Dialog off(true, place);
            QVERIFY(screen.contains(off.window->geometry()));
        }
    }
};

QTEST_MAIN(TfrmHintValidTest)
#include "TfrmHintValidTest.moc"
