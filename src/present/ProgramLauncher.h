#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace lotavo::ui {

// Splits a parameter line as the programs it was written for read their command line: blanks
// separate, double quotes group ("My Talk.odp"), a quote inside quotes is written "" or \",
// backslashes are kept (C:\Talks\). Nothing goes through a shell.
QStringList splitParameters(const QString& line);

// Starts the two programs of the launcher keys. A program that is not set is no error (the
// key has nothing to do); one that cannot be started is told to the operator through `report`,
// which says what is missing, also when that is only known after the start (a document no
// program opens).
class ProgramLauncher {
public:
    using Report = std::function<void(const QString&)>;

    // Relative paths are taken from `programFolder`. `report` defaults to the fading error
    // message, which never takes the keyboard from the draw.
    explicit ProgramLauncher(QString programFolder, Report report = {});

    // Program 1: a program the system can run is started with the parameters, in its own
    // folder; anything else (a document, a folder) opens with the desktop's default handler.
    void openProgram(const QString& program, const QString& parameters);

    // The presentation of the second row in LibreOffice Impress; the parameter "/s" (the
    // stored default, PowerPoint's) is Impress's "--show".
    void showPresentation(const QString& presentation, const QString& parameters);

    // Whether LibreOffice Impress with its window system is installed (the office packages
    // without a window system cannot show a slide show).
    static bool impressInstalled();

private:
    QString resolve(const QString& path) const;
    void openWithDesktop(const QString& file);

    QString m_folder;
    Report m_report;
};

}  // namespace lotavo::ui
