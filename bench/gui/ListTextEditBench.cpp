// Figures of the list editor's text control with a million lines: setting them, painting the
// view, typing and breaking lines in the middle, paging, and undoing the deletion of all.
// Run on a display (offscreen works as well): ListTextEditBench
#include "BenchSupport.h"

#include "present/FontNames.h"
#include "setup/ListTextEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <algorithm>

using namespace lotavo;
using namespace lotavo::bench;

namespace {

constexpr int kLines = 1000000;

QStringList numbered()
{
    QStringList lines;
    lines.reserve(kLines + 1);
    for (int i = 0; i < kLines; ++i)
        lines.append(QStringLiteral("NO.%1 王小明 市场部").arg(i, 7, 10, QLatin1Char('0')));
    lines.append(QString());
    return lines;
}

// The slowest of `times` runs of `step`, in milliseconds.
template <class Step> double slowest(int times, Step step)
{
    double worst = 0;
    for (int i = 0; i < times; ++i) {
        Stopwatch clock;
        step();
        worst = std::max(worst, clock.milliseconds());
    }
    return worst;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    ui::ListTextEdit edit;
    QFont font;
    font.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("宋体")});
    font.setPixelSize(16);
    edit.setFont(font);
    edit.resize(800, 600);
    edit.show();
    QApplication::processEvents();

    QStringList lines = numbered();
    {
        Stopwatch clock;
        edit.setLines(std::move(lines));
        report("1,000,000 lines set", clock.milliseconds(), "ms", 200);
    }
    report("view painted at the top (slowest of 20)", slowest(20, [&] { edit.viewport()->repaint(); }), "ms", 16);
    edit.setSelection(kLines / 2, 5, kLines / 2, 5);
    report("a key typed in the middle (slowest of 100)", slowest(100, [&] {
               QTest::keyClick(&edit, Qt::Key_A);
               edit.viewport()->repaint();
           }), "ms", 16);
    report("Enter in the middle (slowest of 100)", slowest(100, [&] {
               QTest::keyClick(&edit, Qt::Key_Return);
               edit.viewport()->repaint();
           }), "ms", 16);
    report("Page Down (slowest of 100)", slowest(100, [&] {
               QTest::keyClick(&edit, Qt::Key_PageDown);
               edit.viewport()->repaint();
           }), "ms", 16);
    {
        edit.selectAll();
        Stopwatch clock;
        edit.deleteSelection();
        edit.undo();
        report("all deleted and undone", clock.milliseconds(), "ms", 200);
    }
    return 0;
}
