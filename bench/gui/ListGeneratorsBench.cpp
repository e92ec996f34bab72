// Figures of the list editor's generators: a million numbers and a hundred thousand prize
// entries into the editor, the phases of each, and the refused run of 100,000,000.
// Run on a display (offscreen works as well): ListGeneratorsBench
#include "BenchSupport.h"

#include "draw/ListFile.h"
#include "draw/NumberRun.h"
#include "draw/PrizeCodes.h"
#include "main/settings/IniStore.h"
#include "present/TMsgForm.h"
#include "setup/EditorPrompts.h"
#include "setup/TFrm_IncStr.h"
#include "setup/TfrmCreateAw.h"
#include "setup/TfrmJXName.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>
#include <fstream>

using namespace lotavo;
using namespace lotavo::bench;

namespace {

long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

void setField(QWidget* dialog, const char* name, const QString& text)
{
    dialog->findChild<QLineEdit*>(QLatin1String(name))->setText(text);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    {
        // The machine's load, to read the figures by: loading the list into the editor takes
        // most of the time, on one core.
        std::ifstream load("/proc/loadavg");
        std::string average;
        load >> average;
        std::printf("load average %s\n", average.c_str());
    }
    std::string folder = scratchFolder();
    IniStore settings(folder + "/lotavo.bin");
    ui::TfrmJXName editor(settings, ProgramFolder(folder), ui::TfrmJXName::Host::DrawScreen);
    editor.resize(800, 600);
    editor.show();
    QApplication::processEvents();

    {
        Stopwatch clock;
        std::string text = numbers::buildRun("0000001", 1000000, "NO.", "");
        report("number run, 1,000,000 lines built", clock.milliseconds(), "ms", 100);
        Stopwatch save;
        saveJoinedLines(text, folder + "/temp.txt");
        report("number run, temp.txt written", save.milliseconds(), "ms", 100);
    }
    {
        Stopwatch clock;
        editor.loadFile(folder + "/temp.txt");
        report("editor, 1,000,000 lines loaded from temp.txt", clock.milliseconds(), "ms", 1000);
    }
    {
        ui::TFrm_IncStr dialog(ProgramFolder(folder), &editor);
        dialog.show();
        setField(&dialog, "Edit1", QStringLiteral("0000001"));
        setField(&dialog, "Edit2", QStringLiteral("1000000"));
        setField(&dialog, "Edit3", QStringLiteral("NO."));
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(10);
        Stopwatch clock;
        dialog.RzButton1Click();
        double ms = clock.milliseconds();
        report("number generator, 1,000,000 numbers into the editor", ms, "ms", 1000);
        std::printf("  (%d timer ticks of 10 ms ran during it, %d lines in the editor)\n", ticks, editor.lineCount());
    }
    {
        long before = residentKb();
        ui::TFrm_IncStr dialog(ProgramFolder(folder), &editor);
        setField(&dialog, "Edit1", QStringLiteral("000000001"));
        setField(&dialog, "Edit2", QStringLiteral("100000000"));
        Stopwatch clock;
        dialog.RzButton1Click();
        report("number generator, run of 100,000,000 refused", clock.milliseconds(), "ms", 100);
        std::printf("  (resident memory %ld MB before, %ld MB after)\n", before / 1024, residentKb() / 1024);
    }
    {
        RandomGenerator random;
        random.seed(1);
        EntryList none;
        Stopwatch clock;
        EntryList entries = prize::createEntries(none, 100000, "PrizeName", random);
        report("prize codes, 100,000 entries made", clock.milliseconds(), "ms", 100);
    }
    {
        editor.setLines({});
        ui::EditorPrompts prompts;
        RandomGenerator random;
        ui::TfrmCreateAw dialog(settings, random, prompts, &editor);
        dialog.show();
        dialog.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(100000);
        setField(&dialog, "Edit1", QStringLiteral("笔记本电脑"));
        Stopwatch clock;
        dialog.findChild<QPushButton*>(QStringLiteral("RzButton1"))->click();
        report("prize creator, 100,000 entries into an empty editor", clock.milliseconds(), "ms", 500);
    }
    editor.setModified(false);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (dynamic_cast<ui::TMsgForm*>(widget))
            widget->close();
    return 0;
}
