// The end-of-level pop-up on its own, offscreen: what closes it and what does not, the award
// screen keys, dragging with Ctrl, the font, missing pictures and a stored place off-screen.
#include "SmallWindowTestSupport.h"

#include "draw/Gbk.h"
#include "present/FontChooser.h"
#include "present/QtText.h"
#include "present/TOverPopup.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

#include <vector>

using namespace lotavo;
using namespace lotavo::ui;
using lotavo::test::SmallWindowStage;

namespace {

struct Popup : SmallWindowStage {
    std::unique_ptr<TOverPopup> window;
    std::vector<bool> awardScreens;  // the `all` of each opening

    explicit Popup(bool pictures = true, QPoint place = {100, 100})
    {
        settings->writeInteger("Option", "OverPopupLeft", place.x());
        settings->writeInteger("Option", "OverPopupTop", place.y());
        window = std::make_unique<TOverPopup>(*settings, ProgramFolder(this->pictures(pictures)));
        window->setMessage(QStringLiteral("三等奖抽取结束"));
        window->setAwardScreen(0x24, [this](bool all) { awardScreens.push_back(all); });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    QLabel* message() const { return window->findChild<QLabel*>(QStringLiteral("AALabel1")); }
    int stored(const char* key) const { return settings->readInteger("Option", key, -1); }
};

}  // namespace

class TOverPopupTest : public QObject {
    Q_OBJECT
private slots:
    void spaceOrAClickClosesOtherKeysDoNot()
    {
        {
            Popup p;
            QCOMPARE(p.message()->text(), QStringLiteral("三等奖抽取结束"));
            QCOMPARE(p.window->size(), QSize(467, 234));
            QTest::keyClick(p.window.get(), Qt::Key_A);
            QTest::keyClick(p.window.get(), Qt::Key_Return);
            QVERIFY(p.window->isVisible());
            // The key of the last press, still held, repeats: that is not a new press.
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(p.window.get(), &repeat);
            QVERIFY(p.window->isVisible());
            QTest::keyClick(p.window.get(), Qt::Key_Space);
            QVERIFY(!p.window->isVisible());
            QCOMPARE(p.window->result(), int(QDialog::Accepted));
        }
        {
            Popup p;
            QTest::mouseClick(p.message(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
            QVERIFY(!p.window->isVisible());
            // The click wrote the place it was at.
            QCOMPARE(p.stored("OverPopupLeft"), p.window->x());
        }
    }

    void awardScreenKeysOpenItAndThePopupStays()
    {
        Popup p;
        QTest::keyClick(p.window.get(), Qt::Key_Home);
        QTest::keyClick(p.window.get(), Qt::Key_End);
        QCOMPARE(p.awardScreens, (std::vector<bool>{true, false}));
        QVERIFY(p.window->isVisible());
    }

    void ctrlDragMovesKeepsItOpenAndStoresThePlace()
    {
        Popup p;
        QPoint before = p.window->pos();
        lotavo::test::dragBy(p.message(), {50, 50}, {40, 30}, Qt::ControlModifier);
        QCOMPARE(p.window->pos(), before + QPoint(40, 30));
        QVERIFY2(p.window->isVisible(), "letting go after a drag does not close the window");
        QCOMPARE(p.stored("OverPopupLeft"), before.x() + 40);
        QCOMPARE(p.stored("OverPopupTop"), before.y() + 30);

        // Without Ctrl the window stays; the release is a click then, which closes it.
        QPoint now = p.window->pos();
        lotavo::test::dragBy(p.message(), {50, 50}, {40, 30}, Qt::NoModifier);
        QCOMPARE(p.window->pos(), now);
        QVERIFY(!p.window->isVisible());

        // The next showing opens where it was left.
        TOverPopup next(*p.settings, ProgramFolder(p.pictures(true)));
        QCOMPARE(next.pos(), before + QPoint(40, 30));
    }

    void fontFromTheMenuIsShownAndStored()
    {
        Popup p;
        QCOMPARE(p.message()->palette().color(QPalette::WindowText), toQColor(33));
        QCOMPARE(p.message()->font().pointSize(), 28);
        setFontChooser([](QFont& font, QColor& colour) {
            font = QFont(QStringLiteral("Noto Sans CJK SC"), 40);
            colour = QColor(255, 215, 0);
            return true;
        });
        p.window->N1Click();
        setFontChooser({});
        QCOMPARE(p.message()->font().pointSize(), 40);
        QCOMPARE(p.settings->readString("Option", "OverPopupFontName", ""), std::string("Noto Sans CJK SC"));
        QVERIFY(p.settings->hasKey("Option", "OverPopupFontname"));
        QCOMPARE(p.stored("OverPopupFontSize"), 40);
        QCOMPARE(p.stored("OverPopupFontColor"), fromQColor(QColor(255, 215, 0)));

        setFontChooser([](QFont&, QColor&) { return false; });
        p.window->N1Click();
        setFontChooser({});
        QCOMPARE(p.message()->font().pointSize(), 40);
    }

    // Bad input: no pictures at all, and places that are on no screen.
    void missingPicturesAndPlacesOffScreen()
    {
        Popup bare(false);
        QCOMPARE(bare.window->size(), QSize(467, 234));
        QTest::keyClick(bare.window.get(), Qt::Key_Space);
        QVERIFY(!bare.window->isVisible());

        QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (QPoint place : {QPoint(50000, 300), QPoint(-9000, -9000), QPoint(screen.right() - 10, screen.bottom() - 10)}) {
            Popup off(true, place);
            QVERIFY2(screen.contains(off.window->frameGeometry()), qPrintable(QStringLiteral("%1,%2").arg(place.x()).arg(place.y())));
            QCOMPARE(off.stored("OverPopupLeft"), place.x());  // showing it moves nothing in the file
        }
    }
};

QTEST_MAIN(TOverPopupTest)
#include "TOverPopupTest.moc"
