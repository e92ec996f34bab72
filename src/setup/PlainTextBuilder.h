#pragma once

#include "draw/ListFile.h"

class QFont;
class QTextDocument;
class QWidget;

namespace lotavo::ui {

// The text document of a list for a QPlainTextEdit, one block per entry. A long list is built
// on a worker thread while a progress window keeps the windows painting: a million entries
// take seconds, nearly all of it inside QTextDocument. The document returned belongs to the
// caller and lives on the caller's thread.
QTextDocument* buildPlainTextDocument(const EntryList& lines, const QFont& font, QWidget* progressParent);

// Lists this long are built on the worker thread.
constexpr size_t kThreadedDocumentLines = 50000;

}  // namespace lotavo::ui
