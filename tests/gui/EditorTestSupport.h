#pragma once

// What the list editor's tests share: a program folder with settings, scripted answers for
// the editor's dialogs, and the texts of the fading messages on screen.
#include "FadingMessages.h"
#include "TestSupport.h"

#include "draw/ListFile.h"
#include "main/settings/IniStore.h"
#include "setup/EditorPrompts.h"
#include "setup/ListTextEdit.h"
#include "setup/TfrmJXName.h"

#include <QStringList>

#include <memory>

namespace lotavo::test {

// How much longer a timed step may take in a debug or sanitizer build than in a release one.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
inline constexpr int kSlowBuildFactor = 8;
#else
inline constexpr int kSlowBuildFactor = 1;
#endif

// Answers in order; an empty string answers "cancel".
class ScriptedPrompts : public ui::EditorPrompts {
public:
    QStringList files, saveNames, folders, texts;
    QStringList filters;      // the filters the file dialogs were shown with
    QStringList prompts;      // the prompts of the folder and text questions

    QString openFileName(QWidget*, const QString& filter) override
    {
        filters.append(filter);
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString saveFileName(QWidget*, const QString& filter) override
    {
        filters.append(filter);
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    bool folder(QWidget*, const QString& prompt, QString& path) override
    {
        prompts.append(prompt);
        path = folders.isEmpty() ? QString() : folders.takeFirst();
        return !path.isEmpty();
    }
    bool text(QWidget*, const QString&, const QString& prompt, QString& value) override
    {
        prompts.append(prompt);
        QString answer = texts.isEmpty() ? QString() : texts.takeFirst();
        if (answer.isEmpty())
            return false;
        value = answer;
        return true;
    }
};

// A program folder with a settings file, and an editor on it whose dialogs answer from a script.
struct EditorFixture {
    TempFolder folder;
    IniStore settings{folder.file("lotavo.bin")};
    std::unique_ptr<ui::TfrmJXName> editor;
    ScriptedPrompts* prompts = nullptr;

    explicit EditorFixture(ui::TfrmJXName::Host host = ui::TfrmJXName::Host::DrawScreen)
    {
        editor = std::make_unique<ui::TfrmJXName>(settings, ProgramFolder(folder.path()), host);
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        editor->setPrompts(std::move(scripted));
    }
    QString path(const char* name) const { return QString::fromStdString(folder.file(name)); }
};

// The editor's text control.
inline ui::ListTextEdit* memo(ui::TfrmJXName& editor)
{
    return editor.findChild<ui::ListTextEdit*>(QStringLiteral("Memo1"));
}

// GBK entries from UTF-8 literals.
inline EntryList gbkLines(std::initializer_list<const char*> utf8)
{
    EntryList lines;
    for (const char* line : utf8)
        lines.push_back(G(line));
    return lines;
}

inline void writeGbkList(const std::string& path, std::initializer_list<const char*> utf8)
{
    writeFile(path, joinLines(gbkLines(utf8)));
}

}  // namespace lotavo::test
