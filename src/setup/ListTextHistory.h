#pragma once

#include "setup/ListTextLines.h"

#include <vector>

namespace lotavo::ui {

// One change of the text: what was between `from` and the end of `removed` became `inserted`.
// The caret and anchor before it come back on undo.
struct TextEdit {
    // Typing and erasing one character at a time join the step before of the same kind.
    enum class Kind { Other, Typing, Erasing };

    TextPosition from;
    QStringList removed;
    QStringList inserted;
    TextPosition caretBefore;
    TextPosition anchorBefore;
    Kind kind = Kind::Other;
};

// The undo and redo stack of the list editor.
class ListTextHistory {
public:
    void clear();
    // Records an edit that was made; a run of typed characters (or of Backspace or Delete)
    // becomes one step until seal() ends it.
    void record(TextEdit edit);
    // The next edit starts a step of its own (the caret moved, or the text was undone).
    void seal() { m_sealed = true; }

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_edits.size(); }
    // The edit to take back or to make again; each moves through the stack.
    const TextEdit& undo();
    const TextEdit& redo();

private:
    bool merge(const TextEdit& edit);

    std::vector<TextEdit> m_edits;
    size_t m_done = 0;
    bool m_sealed = true;
};

}  // namespace lotavo::ui
