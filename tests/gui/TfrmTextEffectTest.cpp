// The text-effect dialog: it starts on the effect it is given, the sample follows every
// control, OK hands back the edited effect and cancel leaves the caller's effect alone.
#include "present/SmoothLabel.h"
#include "present/TfrmTextEffect.h"
#include "setup/WizardDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

using namespace lotavo;
using ui::TextEffect;
using ui::TfrmTextEffect;

namespace {

TextEffect startEffect()
{
    TextEffect e;
    e.alpha = 200;
    e.shadow = true;
    e.shadowOffsetX = -3;
    e.gradual = true;
    e.gradualStyle = 5;
    e.textureMode = 2;
    e.angle = 15;
    e.background = QColor(1, 2, 3);
    return e;
}

// Runs `act` on the dialog once it is open modally.
void whenOpen(std::function<void(TfrmTextEffect&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<TfrmTextEffect*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
    });
}

}  // namespace

class TfrmTextEffectTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheGivenEffect()
    {
        TfrmTextEffect dialog(startEffect());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("字体特效"));
        QCOMPARE(dialog.tbAlpha->value(), 200);
        QVERIFY(dialog.cbShadow->isChecked());
        QCOMPARE(dialog.seShadowOffsetX->value(), -3);
        QCOMPARE(dialog.cbGradualStyle->currentIndex(), 5);
        QCOMPARE(dialog.cbTextureMode->currentIndex(), 2);
        QCOMPARE(dialog.seAngle->value(), 15);
        QCOMPARE(dialog.cbGradualStyle->count(), 6);
        QCOMPARE(dialog.cbTextureMode->count(), 4);
        QVERIFY(dialog.effect() == startEffect());
        QVERIFY(dialog.lblSample->effect() == startEffect());
    }

    void sampleFollowsTheControls()
    {
        TfrmTextEffect dialog(TextEffect{});
        dialog.show();
        const QSize before = dialog.lblSample->size();
        dialog.tbBlur->setValue(120);
        QCOMPARE(dialog.lblSample->effect().blur, 120);
        QVERIFY(dialog.lblSample->width() > before.width());  // the blur needs room
        dialog.cbHorzMirror->setChecked(true);
        dialog.cbTexture->setChecked(true);
        dialog.cbTextureMode->setCurrentIndex(3);
        dialog.seShadowOffsetY->setValue(-9);
        QVERIFY(dialog.lblSample->effect().horzMirror);
        QVERIFY(dialog.lblSample->effect().texture);
        QCOMPARE(dialog.lblSample->effect().textureMode, 3);
        QCOMPARE(int(dialog.effect().shadowOffsetY), -9);
        QVERIFY(dialog.lblSample->effect() == dialog.effect());
    }

    void okReturnsTheEditedEffect()
    {
        TextEffect effect = startEffect();
        whenOpen([](TfrmTextEffect& d) {
            d.tbNoise->setValue(77);
            d.cbOutline->setChecked(true);
            d.cbGradualStyle->setCurrentIndex(1);
            QTest::mouseClick(d.btnOK, Qt::LeftButton);
        });
        QVERIFY(TfrmTextEffect::edit(nullptr, effect));
        QCOMPARE(effect.noise, 77);
        QVERIFY(effect.outline);
        QCOMPARE(effect.gradualStyle, 1);
        // what the dialog has no control for comes back untouched
        QCOMPARE(effect.background, QColor(1, 2, 3));
        QCOMPARE(effect.alpha, 200);
    }

    void cancelLeavesTheEffectAlone()
    {
        TextEffect effect = startEffect();
        whenOpen([](TfrmTextEffect& d) {
            d.tbAlpha->setValue(3);
            d.cbVertMirror->setChecked(true);
            QTest::mouseClick(d.btnCancel, Qt::LeftButton);
        });
        QVERIFY(!TfrmTextEffect::edit(nullptr, effect));
        QVERIFY(effect == startEffect());

        whenOpen([](TfrmTextEffect& d) {
            d.tbSpray->setValue(50);
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QVERIFY(!TfrmTextEffect::edit(nullptr, effect));
        QVERIFY(effect == startEffect());
    }

    // The wizard's effect buttons open this dialog rather than saying the command is missing.
    void wizardOpensTheDialog()
    {
        ui::WizardDialogs dialogs = ui::WizardDialogs::standard();
        QVERIFY(dialogs.chooseEffect);
        TextEffect effect = startEffect();
        bool opened = false;
        whenOpen([&opened](TfrmTextEffect& d) {
            opened = true;
            d.cbShadow->setChecked(false);
            QTest::mouseClick(d.btnOK, Qt::LeftButton);
        });
        QVERIFY(dialogs.chooseEffect(nullptr, effect));
        QVERIFY(opened);
        QVERIFY(!effect.shadow);
    }
};

QTEST_MAIN(TfrmTextEffectTest)
#include "TfrmTextEffectTest.moc"
