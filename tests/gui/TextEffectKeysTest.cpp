// The effect section of a smoothed label: every key written by the wizard's writer is read back
// by the draw screen's reader, missing keys keep the label's effect, and values a hand-edited
// file puts out of range are brought back into it.
#include "main/settings/IniStore.h"
#include "present/TextEffectKeys.h"
#include "setup/DrawScreenLink.h"
#include "setup/TextEffectKeys.h"
#include "setup/WizardSettings.h"

#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

using namespace lotavo;
using ui::TextEffect;

namespace {

// The writer tells the screen after each key; nothing here draws.
class SilentScreen : public ui::DrawScreenLink {
public:
    DrawEngine& engine() override { throw std::logic_error("no engine in this test"); }
    void settingChanged(const std::string&, const std::string&) override { ++changes; }
    void refreshRollingLabels() override {}
    int changes = 0;
};

// Every field away from its default value.
TextEffect everyFieldSet()
{
    TextEffect e;
    e.alpha = 77;
    e.blur = 12;
    e.noise = 200;
    e.spray = 33;
    e.angle = -1234;
    e.outline = true;
    e.horzMirror = true;
    e.vertMirror = true;
    e.shadow = true;
    e.shadowColour = QColor(10, 20, 30);
    e.shadowAlpha = 5;
    e.shadowBlur = 250;
    e.shadowOffsetX = -7;
    e.shadowOffsetY = 127;
    e.gradual = true;
    e.gradualStart = QColor(255, 0, 128);
    e.gradualEnd = QColor(1, 2, 3);
    e.gradualStyle = 4;
    e.texture = true;
    e.textureMode = 3;
    return e;
}

}  // namespace

class TextEffectKeysTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::string path() const { return (m_dir.path() + QStringLiteral("/lotavo.bin")).toStdString(); }

private slots:
    void init() { QFile::remove(QString::fromStdString(path())); }

    void everyKeyRoundTrips()
    {
        IniStore store(path());
        SilentScreen screen;
        ui::WizardSettings settings(store, screen);
        const TextEffect written = everyFieldSet();
        ui::writeTextEffect(settings, "lblMainCaption", written);
        QCOMPARE(int(store.keyNames("lblMainCaption").size()), 20);

        IniStore again(path());
        TextEffect read = ui::readTextEffect(again, "lblMainCaption");
        QVERIFY(read == written);
        QVERIFY(screen.changes > 0);
    }

    void missingKeysKeepTheLabelsEffect()
    {
        IniStore store(path());
        QVERIFY(store.writeInteger("lblHint", "Blur", 40).empty());
        TextEffect current = everyFieldSet();
        current.background = QColor(9, 9, 9);  // sampled from the screen, never stored
        TextEffect read = ui::readTextEffect(store, "lblHint", current);
        QCOMPARE(read.blur, 40);
        TextEffect expected = current;
        expected.blur = 40;
        QVERIFY(read == expected);
    }

    // effect values out of range
    void strengthsAreClampedToAByte()
    {
        IniStore store(path());
        for (const char* key : {"Alpha", "Blur", "Noise", "Spray", "ShadowAlpha", "ShadowBlur"})
            QVERIFY(store.writeInteger("e", key, 100000).empty());
        TextEffect high = ui::readTextEffect(store, "e");
        for (int v : {high.alpha, high.blur, high.noise, high.spray, high.shadowAlpha, high.shadowBlur})
            QCOMPARE(v, 255);
        for (const char* key : {"Alpha", "Blur", "Noise", "Spray", "ShadowAlpha", "ShadowBlur"})
            QVERIFY(store.writeInteger("e", key, -5).empty());
        TextEffect low = ui::readTextEffect(store, "e");
        for (int v : {low.alpha, low.blur, low.noise, low.spray, low.shadowAlpha, low.shadowBlur})
            QCOMPARE(v, 0);
    }

    void angleAndOffsetsStayInTheirSizes()
    {
        IniStore store(path());
        QVERIFY(store.writeInteger("e", "Angle", 70000).empty());
        QVERIFY(store.writeInteger("e", "ShadowOffsetX", 300).empty());
        QVERIFY(store.writeInteger("e", "ShadowOffsetY", -300).empty());
        TextEffect e = ui::readTextEffect(store, "e");
        QCOMPARE(int(e.angle), 32767);
        QCOMPARE(int(e.shadowOffsetX), 127);
        QCOMPARE(int(e.shadowOffsetY), -128);
    }

    void stylesPastTheLastReadAsTheFirst()
    {
        IniStore store(path());
        TextEffect current;
        current.gradualStyle = 3;
        current.textureMode = 2;
        QVERIFY(store.writeInteger("e", "GradualStyle", 6).empty());
        QVERIFY(store.writeInteger("e", "TextureMode", 4).empty());
        TextEffect e = ui::readTextEffect(store, "e", current);
        QCOMPARE(e.gradualStyle, 0);
        QCOMPARE(e.textureMode, 0);
        QVERIFY(store.writeInteger("e", "GradualStyle", -1).empty());
        QVERIFY(store.writeInteger("e", "TextureMode", 5).empty());
        e = ui::readTextEffect(store, "e", current);
        QCOMPARE(e.gradualStyle, 0);
        QCOMPARE(e.textureMode, 0);
        QVERIFY(store.writeInteger("e", "GradualStyle", 5).empty());
        QVERIFY(store.writeInteger("e", "TextureMode", 3).empty());
        e = ui::readTextEffect(store, "e", current);
        QCOMPARE(e.gradualStyle, 5);
        QCOMPARE(e.textureMode, 3);
    }

    void garbageValuesKeepTheLabelsEffect()
    {
        IniStore store(path());
        QVERIFY(store.writeString("e", "Blur", "lots").empty());
        QVERIFY(store.writeString("e", "GradualStyle", "").empty());
        TextEffect current;
        current.blur = 9;
        current.gradualStyle = 2;
        TextEffect e = ui::readTextEffect(store, "e", current);
        QCOMPARE(e.blur, 9);
        QCOMPARE(e.gradualStyle, 2);
    }
};

QTEST_GUILESS_MAIN(TextEffectKeysTest)
#include "TextEffectKeysTest.moc"
