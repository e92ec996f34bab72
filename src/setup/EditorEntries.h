#pragma once

#include "draw/ListFile.h"

#include <QStringList>

#include <string>
#include <vector>

namespace lotavo::ui {

// The list editor's lines for GBK entries: one line per entry, converted in one go, which for
// a million entries is far quicker than one at a time.
QStringList editorLinesOf(const EntryList& entries);

// The entries of the editor's lines. Characters GBK cannot hold become '?' and are listed in
// `unmappable` when given. A last line left empty (after a final line break) is no entry.
EntryList entriesOf(const QStringList& lines, std::vector<std::u32string>* unmappable = nullptr);

}  // namespace lotavo::ui
