// The start-up input-method check against a made-up environment and process table.
#include "main/InputMethodCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <string>

namespace {

// A /proc look-alike with one folder per process holding its "comm".
class FakeProc {
public:
    void run(int pid, const char* command)
    {
        const QString folder = m_dir.filePath(QString::number(pid));
        QDir().mkpath(folder);
        QFile comm(folder + QStringLiteral("/comm"));
        comm.open(QIODevice::WriteOnly);
        comm.write(command);
        comm.write("\n");
    }
    void addNonProcess(const char* name, const char* command)
    {
        QDir().mkpath(m_dir.filePath(QString::fromLatin1(name)));
        QFile comm(m_dir.filePath(QString::fromLatin1(name) + QStringLiteral("/comm")));
        comm.open(QIODevice::WriteOnly);
        comm.write(command);
    }
    std::string path() const { return m_dir.path().toStdString(); }

private:
    QTemporaryDir m_dir;
};

bool active(const std::map<std::string, std::string>& variables, const FakeProc& proc)
{
    const auto environment = [&](const char* name) {
        auto it = variables.find(name);
        return it == variables.end() ? std::string() : it->second;
    };
    return lotavo::ui::inputMethodActive(environment, proc.path());
}

}  // namespace

class InputMethodCheckTest : public QObject {
    Q_OBJECT

private slots:
    void nothingNamedIsNoInputMethod()
    {
        FakeProc proc;
        proc.run(100, "ibus-daemon");
        QVERIFY(!active({}, proc));
        QVERIFY(!active({{"QT_IM_MODULE", "xim"}, {"XMODIFIERS", "@im=none"}}, proc));
        QVERIFY(!active({{"GTK_IM_MODULE", "simple"}}, proc));
    }

    void namedFrameworkWithItsDaemonRunning()
    {
        FakeProc proc;
        proc.run(1, "systemd");
        proc.run(200, "ibus-daemon");
        QVERIFY(active({{"QT_IM_MODULE", "ibus"}}, proc));
        QVERIFY(active({{"XMODIFIERS", "@im=ibus"}}, proc));
        QVERIFY(active({{"GTK_IM_MODULE", "IBus"}}, proc));
        QVERIFY(active({{"QT_IM_MODULES", "wayland;ibus"}}, proc));
    }

    void namedFrameworkWhoseDaemonIsNotRunning()
    {
        FakeProc proc;
        proc.run(1, "systemd");
        proc.run(300, "ibus-daemon");
        QVERIFY(!active({{"XMODIFIERS", "@im=fcitx"}}, proc));
        QVERIFY(!active({{"QT_IM_MODULE", "scim"}}, proc));
        FakeProc none;
        QVERIFY(!active({{"QT_IM_MODULE", "ibus"}}, none));
    }

    void fcitxNameServesFcitx5()
    {
        FakeProc proc;
        proc.run(400, "fcitx5");
        QVERIFY(active({{"QT_IM_MODULE", "fcitx"}}, proc));
        QVERIFY(active({{"XMODIFIERS", "@im=fcitx5"}}, proc));
        FakeProc old;
        old.run(401, "fcitx");
        QVERIFY(active({{"GTK_IM_MODULE", "fcitx"}}, old));
        QVERIFY(!active({{"GTK_IM_MODULE", "fcitx5"}}, old));
    }

    void onlyProcessFoldersCount()
    {
        FakeProc proc;
        proc.addNonProcess("self", "ibus-daemon");
        proc.addNonProcess("12a", "ibus-daemon");
        QVERIFY(!active({{"QT_IM_MODULE", "ibus"}}, proc));
    }

    void missingProcFolderIsNoInputMethod()
    {
        const auto environment = [](const char*) { return std::string("ibus"); };
        QVERIFY(!lotavo::ui::inputMethodActive(environment, "/nonexistent-proc"));
    }

    void realCheckRuns()
    {
        // The result depends on the machine; it must only answer.
        qputenv("QT_IM_MODULE", "ibus");
        lotavo::ui::inputMethodActive();
        qunsetenv("QT_IM_MODULE");
        QVERIFY(!lotavo::ui::inputMethodActive() || !qEnvironmentVariableIsEmpty("XMODIFIERS")
                || !qEnvironmentVariableIsEmpty("GTK_IM_MODULE") || !qEnvironmentVariableIsEmpty("QT_IM_MODULES"));
    }
};

QTEST_MAIN(InputMethodCheckTest)
#include "InputMethodCheckTest.moc"
