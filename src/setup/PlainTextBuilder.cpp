#include "setup/PlainTextBuilder.h"

#include "present/QtText.h"
#include "setup/ProgressWindow.h"

#include <QFont>
#include <QPlainTextDocumentLayout>
#include <QTextDocument>
#include <QThread>

#include <memory>

namespace lotavo::ui {

namespace {

QString joinedText(const EntryList& lines)
{
    size_t bytes = 0;
    for (const std::string& line : lines)
        bytes += line.size() + 1;
    std::string joined;
    joined.reserve(bytes);
    for (const std::string& line : lines) {
        joined += line;
        joined += '\n';
    }
    return fromGbk(joined);
}

QTextDocument* newDocument(const EntryList& lines, const QFont& font)
{
    auto* document = new QTextDocument;
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(font);
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    document->setPlainText(joinedText(lines));
    document->setUndoRedoEnabled(true);
    document->setModified(false);
    return document;
}

}  // namespace

QTextDocument* buildPlainTextDocument(const EntryList& lines, const QFont& font, QWidget* progressParent)
{
    if (lines.size() < kThreadedDocumentLines)
        return newDocument(lines, font);

    QThread* mainThread = QThread::currentThread();
    QTextDocument* document = nullptr;
    // The document is built, untouched by any widget, on the worker and then handed over;
    // nothing else of it is shared while the worker runs.
    std::unique_ptr<QThread> worker(QThread::create([&lines, font, mainThread, &document] {
        QTextDocument* built = newDocument(lines, font);
        built->moveToThread(mainThread);
        document = built;
    }));
    worker->start();
    ProgressWindow window(progressParent, QStringLiteral("正在载入名单,请稍候..."));
    window.setMaximum(0);
    while (!worker->wait(20))
        window.pump();
    return document;
}

}  // namespace lotavo::ui
