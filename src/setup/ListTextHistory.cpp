#include "setup/ListTextHistory.h"

namespace lotavo::ui {

void ListTextHistory::clear()
{
    m_edits.clear();
    m_done = 0;
    m_sealed = true;
}

void ListTextHistory::record(TextEdit edit)
{
    m_edits.resize(m_done);
    bool single = edit.kind == TextEdit::Kind::Other;
    if (m_sealed || !merge(edit))
        m_edits.push_back(std::move(edit));
    m_done = m_edits.size();
    m_sealed = single;
}

bool ListTextHistory::merge(const TextEdit& edit)
{
    if (m_edits.empty() || edit.kind == TextEdit::Kind::Other || m_edits.back().kind != edit.kind)
        return false;
    TextEdit& last = m_edits.back();
    if (edit.kind == TextEdit::Kind::Typing) {
        if (edit.removed != QStringList{QString()})
            return false;
        if (endOfPieces(last.from, last.inserted) != edit.from)
            return false;
        last.inserted = concatPieces(last.inserted, edit.inserted);
        return true;
    }
    // Backspace takes the character before the last one taken, Delete the one after it.
    if (endOfPieces(edit.from, edit.removed) == last.from) {
        last.removed = concatPieces(edit.removed, last.removed);
        last.from = edit.from;
        return true;
    }
    if (edit.from == last.from) {
        last.removed = concatPieces(last.removed, edit.removed);
        return true;
    }
    return false;
}

const TextEdit& ListTextHistory::undo()
{
    m_sealed = true;
    return m_edits[--m_done];
}

const TextEdit& ListTextHistory::redo()
{
    m_sealed = true;
    return m_edits[m_done++];
}

}  // namespace lotavo::ui
