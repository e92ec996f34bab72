// Every layout the program carries, as the audience would see it at its resolution: the ten
// rolling labels of the multi-line draw hold the longest entry of the bundled list inside the
// frame of the default background, clear of the titles, the statistics line and each other;
// and a press of 100 winners fits on the pop-up.
#include "draw/DisplayText.h"
#include "draw/DrawList.h"
#include "draw/Gbk.h"
#include "draw/ListFile.h"
#include "main/settings/IniStore.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/RollingLabelBox.h"
#include "present/SmoothLabel.h"
#include "present/TextEffectKeys.h"
#include "present/WinnerArrangement.h"
#include "present/WinnerLabel.h"

#include <QDir>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace lotavo;
using namespace lotavo::ui;

namespace {

const char* kLayout = "frmMainLabel";

QString dataFolder() { return qEnvironmentVariable("LOTAVO_DATA"); }

// The inner gold line of the panel of the bundled backgrounds, which are drawn at 1024 x 768
// (panel from 7% to 93% of the width and 34.5% to 83.5% of the height, inner line 7 pixels
// inside it) and stretched to the screen.
QRect rollingFrame(QSize screen)
{
    double insetX = 7.0 / 1024 * screen.width();
    double insetY = 7.0 / 768 * screen.height();
    QPointF topLeft(0.07 * screen.width() + insetX, 0.345 * screen.height() + insetY);
    QPointF bottomRight(0.93 * screen.width() - insetX, 0.835 * screen.height() - insetY);
    return QRectF(topLeft, bottomRight).toAlignedRect();
}

struct Layout {
    QString name;
    QSize screen;
    std::unique_ptr<IniStore> keys;
};

}  // namespace

class BundledLayoutsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::vector<Layout> m_layouts;
    std::unique_ptr<IniStore> m_settings;  // the bundled settings file: font styles and effects
    QString m_longest;

    // The screen's element as the layout places it, sized to its text like the draw screen does.
    QRect smoothLabel(const Layout& layout, const std::string& name) const
    {
        const IniStore& s = *layout.keys;
        SmoothLabel label(nullptr);
        label.setFont(storedFont(fromGbk(s.readString(kLayout, name + "Name", gbk::literal("宋体"))),
                                 s.readInteger(kLayout, name + "Size", 10),
                                 fromGbk(m_settings->readString(kLayout, name + "FontStyle", "[]"))));
        label.setText(fromGbk(s.readString(kLayout, name + "Caption", "Caption")));
        label.setEffect(readTextEffect(*m_settings, name));
        return QRect(QPoint(s.readInteger(kLayout, name + "Left", 1), s.readInteger(kLayout, name + "Top", 1)), label.size());
    }

    std::vector<QRect> rollingLabels(const Layout& layout) const
    {
        const IniStore& s = *layout.keys;
        QFont font = storedFont(fromGbk(s.readString(kLayout, "LblGdArea1Name", gbk::literal("宋体"))),
                                s.readInteger(kLayout, "LblGdArea1Size", 10),
                                fromGbk(m_settings->readString(kLayout, "LblGdArea1FontStyle", "[]")));
        QSize box = rollingLabelBox(font, m_longest, layout.screen.width());
        std::vector<QRect> labels;
        for (int n = 1; n <= 10; ++n) {
            std::string name = "LblGdArea" + std::to_string(n);
            labels.emplace_back(QPoint(s.readInteger(kLayout, name + "Left", 1), s.readInteger(kLayout, name + "Top", 1)), box);
        }
        return labels;
    }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        QVERIFY(!dataFolder().isEmpty());
        // Copies, so that nothing this test does can touch the bundled files.
        auto copy = [&](const QString& from) {
            QString to = m_dir.filePath(QFileInfo(from).fileName());
            QFile::copy(from, to);
            return to.toStdString();
        };
        m_settings = std::make_unique<IniStore>(copy(dataFolder() + QStringLiteral("/lotavo.bin")));

        QDir screens(dataFolder() + QStringLiteral("/Screen"));
        const QRegularExpression size(QStringLiteral("^(\\d+)x(\\d+)\\.ini$"));
        for (const QString& file : screens.entryList({QStringLiteral("*.ini")}, QDir::Files)) {
            QRegularExpressionMatch match = size.match(file);
            QVERIFY2(match.hasMatch(), qPrintable(file));
            QSize screen(match.captured(1).toInt(), match.captured(2).toInt());
            m_layouts.push_back({file, screen, std::make_unique<IniStore>(copy(screens.filePath(file)))});
        }
        QCOMPARE(m_layouts.size(), size_t(11));
        // The settings file carries the 1024 x 768 layout for screens without a file of their own.
        m_layouts.push_back({QStringLiteral("lotavo.bin"), QSize(1024, 768),
                             std::make_unique<IniStore>(copy(dataFolder() + QStringLiteral("/lotavo.bin")))});

        EntryList entries;
        QVERIFY(loadList((dataFolder() + QStringLiteral("/Text.txt")).toStdString(), entries));
        QVERIFY(!entries.empty());
        m_longest = fromGbk(display::longestEntry(DrawList(entries)));
    }

    void tenRollingLabelsStayInsideTheFrameApart()
    {
        for (const Layout& layout : m_layouts) {
            QRect frame = rollingFrame(layout.screen);
            std::vector<QRect> labels = rollingLabels(layout);
            for (size_t i = 0; i < labels.size(); ++i) {
                QVERIFY2(frame.contains(labels[i]),
                         qPrintable(QStringLiteral("%1: LblGdArea%2 leaves the frame").arg(layout.name).arg(i + 1)));
                for (size_t j = i + 1; j < labels.size(); ++j)
                    QVERIFY2(!labels[i].intersects(labels[j]),
                             qPrintable(QStringLiteral("%1: LblGdArea%2 and %3 overlap").arg(layout.name).arg(i + 1).arg(j + 1)));
            }
        }
    }

    void rollingLabelsStayClearOfTheTextsAndTheTextsOnScreen()
    {
        const std::vector<std::string> texts {"lblMainCaption", "lblMainCaption2", "lblTipCaption", "lblLevel",
                                              "lblAward", "lblStat", "lblHint"};
        for (const Layout& layout : m_layouts) {
            QRect screen(QPoint(0, 0), layout.screen);
            std::vector<QRect> labels = rollingLabels(layout);
            for (const std::string& name : texts) {
                QRect text = smoothLabel(layout, name);
                QVERIFY2(screen.contains(text), qPrintable(layout.name + QStringLiteral(": ") + QString::fromStdString(name)));
                for (size_t i = 0; i < labels.size(); ++i)
                    QVERIFY2(!labels[i].intersects(text), qPrintable(QStringLiteral("%1: LblGdArea%2 over %3")
                                                                         .arg(layout.name)
                                                                         .arg(i + 1)
                                                                         .arg(QString::fromStdString(name))));
            }
            // The rolling labels are readable where the screen is not tiny.
            if (layout.screen.height() >= 768)
                QVERIFY2(labels[0].height() >= 28, qPrintable(layout.name));
        }
    }

    void aPressOfAHundredWinnersFitsOnThePopup()
    {
        for (const Layout& layout : m_layouts) {
            const IniStore& s = *layout.keys;
            QFont font = storedFont(fromGbk(s.readString("AniPopFont", "FontName", gbk::literal("宋体"))),
                                    s.readInteger("AniPopFont", "FontSize", 10));
            WinnerLabel measuring(m_longest, nullptr);
            auto cellAt = [&](int pixelSize) {
                QFont sized = font;
                if (pixelSize > 0)
                    sized.setPixelSize(pixelSize);
                measuring.setLabelFont(sized);
                return measuring.sizeHint();
            };
            arrangement::CellGrid grid = arrangement::readCellGrid(s, layout.screen.width());
            arrangement::Flow flow = arrangement::fitFlow(100, grid, layout.screen, QFontInfo(font).pixelSize(), cellAt);
            // At 640 x 480 and 800 x 600 a hundred names cannot be shown at a readable size.
            if (layout.screen.height() >= 768)
                QVERIFY2(arrangement::fitsIn(flow.positions, flow.cell, layout.screen), qPrintable(layout.name));
            // A handful of winners makes a row of three at the stored font.
            std::vector<QPoint> five = arrangement::flowPositions(5, cellAt(0), grid);
            QVERIFY2(five[2].y() == five[0].y() && five[3].y() > five[0].y(), qPrintable(layout.name));
        }
    }
};

QTEST_MAIN(BundledLayoutsTest)
#include "BundledLayoutsTest.moc"
