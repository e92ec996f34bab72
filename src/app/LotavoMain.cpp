// lotavo: the draw program. Settings live in lotavo.bin beside the executable.
#include "app/FontConfigWarmUp.h"
#include "draw/Clock.h"
#include "draw/ProgramFolder.h"
#include "present/FontNames.h"
#include "main/InputMethodCheck.h"
#include "present/QtText.h"
#include "main/TFrmMain.h"
#include "main/TSplash.h"
#include "main/settings/IniStore.h"
#include "main/settings/SingleInstance.h"
#include "present/CommonDialogs.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

using namespace lotavo;

namespace {

int g_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

// The desktop ends programs with SIGTERM: that is a close request like any other, with the
// results saved and the operator asked, never a silent end.
void closeOnTerminate(QWidget& screen)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &screen);
    QObject::connect(notifier, &QSocketNotifier::activated, &screen, [&screen] {
        char byte;
        [[maybe_unused]] ssize_t n = ::read(g_signalPipe[0], &byte, 1);
        screen.close();
    });
    std::signal(SIGTERM, onTerminate);
    std::signal(SIGINT, onTerminate);
    std::signal(SIGHUP, onTerminate);
}

// Ends the program once the draw screen has painted: the start-up time measured by
// bench/gui-bench.sh. Use only for measuring.
class ExitAfterFirstPaint : public QObject {
public:
    explicit ExitAfterFirstPaint(QWidget& screen) : m_screen(screen) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == &m_screen)
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        return false;
    }

private:
    QWidget& m_screen;
};

}  // namespace

int main(int argc, char** argv)
{
    FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lotavo软件"));
    fontConfig.wait();
    ui::installFontSubstitutions();

    std::string executable = QCoreApplication::applicationFilePath().toStdString();
    ProgramFolder folder = ProgramFolder::ofExecutable(executable);
    IniStore settings(ProgramFolder::settingsPathOf(executable));
    SystemClock clock;

    std::unique_ptr<ui::TSplash> splash;
    if (ui::splashWanted(QCoreApplication::arguments()))
        splash = ui::TSplash::run(ui::fromPath(folder.path()));

    ui::TFrmMain screen(settings, folder, clock);
    SingleInstance instance;
    if (settings.readBool("Option", "OnlyExists", false) && !instance.acquire()) {
        ui::messageBox(nullptr, QStringLiteral("程序已经运行，请勿重复同一时间运行多个程序"), QStringLiteral("提示"),
                       MessageButtons::Ok, MessageIcon::Exclamation);
        return 0;
    }
    screen.FormCreate();
    splash.reset();
    if (ui::inputMethodActive())
        ui::messageBox(nullptr,
                       QStringLiteral("程序检测到您默认的输入法状态为中文状态，如果抽奖时，使用键盘或鼠标无反应 \r\r"
                                      "请将输入法调整为“中文(中国)”或纯英文输入状态"),
                       QStringLiteral("提示"), MessageButtons::Ok, MessageIcon::Information);
    if (screen.terminateRequested())
        return 1;
    if (screen.fullScreen())
        screen.showFullScreen();
    else
        screen.showMaximized();
    screen.activateWindow();
    screen.setFocus();
    closeOnTerminate(screen);
    ExitAfterFirstPaint exitAfterPaint(screen);
    if (qEnvironmentVariableIsSet("LOTAVO_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(&exitAfterPaint);
    return QApplication::exec();
}
