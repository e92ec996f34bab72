// The list editor's text control offscreen: typing and line ends, moving and selecting with
// keys and the mouse, the clipboard, undo and redo, the input method, scrolling and a list of
// a million lines.
#include "present/FontNames.h"
#include "setup/ListTextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using lotavo::ui::ListTextEdit;
using lotavo::ui::TextPosition;

namespace QTest {
template <> char* toString(const TextPosition& position)
{
    return qstrdup(QByteArray::number(position.line) + ':' + QByteArray::number(position.column));
}
}  // namespace QTest

namespace {

// Key presses with text, Chinese characters too (QTest::keyClicks takes Latin-1 only).
void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void sendMouse(ListTextEdit& edit, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = {})
{
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, edit.viewport()->mapToGlobal(at), button, buttons, modifiers);
    QApplication::sendEvent(edit.viewport(), &event);
}

void sendInputMethod(ListTextEdit& edit, const QString& preedit, const QString& commit, int cursor = -1,
                     int replaceFrom = 0, int replaceLength = 0)
{
    QList<QInputMethodEvent::Attribute> attributes;
    if (cursor >= 0)
        attributes.append({QInputMethodEvent::Cursor, cursor, 1, QVariant()});
    QInputMethodEvent event(preedit, attributes);
    event.setCommitString(commit, replaceFrom, replaceLength);
    QApplication::sendEvent(&edit, &event);
}

QStringList numbered(int count, const QString& prefix)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(prefix + QString::number(i));
    return lines;
}

struct Editor {
    std::unique_ptr<ListTextEdit> edit = std::make_unique<ListTextEdit>();
    explicit Editor(const QStringList& lines = {})
    {
        edit->resize(400, 300);
        edit->setLines(lines);
        edit->show();
        edit->setFocus();
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(edit.get(), key, modifiers); }
    void type(const QString& text) { typeText(edit.get(), text); }
    TextPosition caret() const { return edit->caret(); }
};

}  // namespace

class ListTextEditTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { lotavo::ui::installFontSubstitutions(); }

    void typingEnterBackspaceAndDeleteAcrossLineEnds()
    {
        Editor e;
        QSignalSpy changes(e.edit.get(), &ListTextEdit::textChanged);
        e.type(QStringLiteral("1001 王五"));
        e.key(Qt::Key_Return);
        e.type(QStringLiteral("1002"));
        e.key(Qt::Key_Tab);
        e.type(QStringLiteral("李四"));
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("1001 王五"), QStringLiteral("1002\t李四")}));
        QCOMPARE(e.caret(), (TextPosition{1, 7}));
        QCOMPARE(changes.count(), 7 + 1 + 4 + 1 + 2);

        // Enter in the middle splits the line; Backspace at a line's start joins it to the one before.
        e.edit->setSelection(0, 4, 0, 4);
        e.key(Qt::Key_Return);
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("1001"), QStringLiteral(" 王五"), QStringLiteral("1002\t李四")}));
        QCOMPARE(e.caret(), (TextPosition{1, 0}));
        e.key(Qt::Key_Backspace);
        QCOMPARE(e.edit->lines().first(), QStringLiteral("1001 王五"));
        QCOMPARE(e.caret(), (TextPosition{0, 4}));
        // Delete at a line's end joins the next one to it.
        e.key(Qt::Key_End);
        e.key(Qt::Key_Delete);
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("1001 王五1002\t李四")}));
        e.key(Qt::Key_Backspace);
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("1001 王1002\t李四")}));

        // At the very start and end there is nothing to take.
        e.key(Qt::Key_Home, Qt::ControlModifier);
        e.key(Qt::Key_Backspace);
        e.key(Qt::Key_End, Qt::ControlModifier);
        e.key(Qt::Key_Delete);
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("1001 王1002\t李四")}));

        // A character outside the basic plane is one step for the arrows and Backspace.
        e.edit->setLines({QStringLiteral("a😀b")});
        e.key(Qt::Key_Right);
        e.key(Qt::Key_Right);
        QCOMPARE(e.caret(), (TextPosition{0, 3}));
        e.key(Qt::Key_Backspace);
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("ab")});

        // Ctrl with a letter types nothing; Escape is left to the window.
        e.key(Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("ab")});
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(e.edit.get(), &escape);
        QVERIFY(!escape.isAccepted());
    }

    void keysMoveTheCaretAndShiftExtendsTheSelection()
    {
        Editor e(numbered(100, QStringLiteral("line ")));
        e.key(Qt::Key_End);
        QCOMPARE(e.caret(), (TextPosition{0, 6}));
        e.key(Qt::Key_Down);
        e.key(Qt::Key_Down);
        QCOMPARE(e.caret(), (TextPosition{2, 6}));
        // Up and Down keep to the column they started from over a shorter line.
        e.edit->setLines({QStringLiteral("abcdef"), QStringLiteral("ab"), QStringLiteral("abcdef")});
        e.key(Qt::Key_End);
        e.key(Qt::Key_Down);
        QCOMPARE(e.caret(), (TextPosition{1, 2}));
        e.key(Qt::Key_Down);
        QCOMPARE(e.caret(), (TextPosition{2, 6}));
        e.key(Qt::Key_Right);
        QCOMPARE(e.caret(), (TextPosition{2, 6}));
        e.key(Qt::Key_Left, Qt::ShiftModifier);
        e.key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(e.edit->selectedText(), QStringLiteral("\nabcdef"));
        // Left and Right without Shift end the selection at its start or end.
        e.key(Qt::Key_Right);
        QCOMPARE(e.caret(), (TextPosition{2, 6}));
        QVERIFY(!e.edit->hasSelection());
        e.key(Qt::Key_Home, Qt::ShiftModifier | Qt::ControlModifier);
        e.key(Qt::Key_Left);
        QCOMPARE(e.caret(), (TextPosition{0, 0}));
        QVERIFY(!e.edit->hasSelection());
        e.key(Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(e.caret(), (TextPosition{2, 6}));

        // Ctrl with the arrows goes by words: runs of letters, digits and ideographs.
        e.edit->setLines({QStringLiteral("1001 王小明,市场部")});
        e.key(Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(e.caret(), (TextPosition{0, 5}));
        e.key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e.edit->selectedText(), QStringLiteral("王小明"));
        e.key(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(e.caret(), (TextPosition{0, 5}));

        // Page Down moves the caret and the view by a page of lines.
        e.edit->setLines(numbered(100, QStringLiteral("line ")));
        QScrollBar* bar = e.edit->verticalScrollBar();
        const int page = bar->pageStep();
        QVERIFY(page > 3);
        e.key(Qt::Key_PageDown);
        QCOMPARE(e.caret().line, page);
        QCOMPARE(bar->value(), page);
        e.key(Qt::Key_PageDown, Qt::ShiftModifier);
        QCOMPARE(e.caret().line, 2 * page);
        QCOMPARE(e.edit->anchor(), (TextPosition{page, 0}));
        e.key(Qt::Key_PageUp);
        e.key(Qt::Key_PageUp);
        e.key(Qt::Key_PageUp);
        QCOMPARE(e.caret(), (TextPosition{0, 0}));
        QCOMPARE(bar->value(), 0);
    }

    void selectionAcrossLinesCutAndPasteBack()
    {
        Editor e({QStringLiteral("甲一"), QStringLiteral("乙二"), QStringLiteral("丙三")});
        e.edit->setSelection(0, 1, 2, 1);
        QCOMPARE(e.edit->selectedText(), QStringLiteral("一\n乙二\n丙"));
        e.key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("一\n乙二\n丙"));
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("甲三")});
        QCOMPARE(e.caret(), (TextPosition{0, 1}));
        e.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("甲一"), QStringLiteral("乙二"), QStringLiteral("丙三")}));
        QCOMPARE(e.caret(), (TextPosition{2, 1}));

        // Typing over a selection replaces it; Ctrl+A and Ctrl+C take the whole text.
        e.edit->setSelection(1, 0, 2, 1);
        e.type(QStringLiteral("丁"));
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("甲一"), QStringLiteral("丁三")}));
        e.key(Qt::Key_A, Qt::ControlModifier);
        e.key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("甲一\n丁三"));
        e.key(Qt::Key_Delete);
        QCOMPARE(e.edit->lines(), QStringList{QString()});
    }

    void pastedLineEndsOfEveryKindBreakLines()
    {
        Editor e({QStringLiteral("ab")});
        e.key(Qt::Key_Right);
        QApplication::clipboard()->setText(QStringLiteral("1\r\n2\n3\r4\r\n"));
        e.edit->paste();
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("a1"), QStringLiteral("2"), QStringLiteral("3"),
                                               QStringLiteral("4"), QStringLiteral("b")}));
        QCOMPARE(e.caret(), (TextPosition{4, 0}));
        QCOMPARE(e.edit->plainText(), QStringLiteral("a1\n2\n3\n4\nb"));
        e.edit->setSelection(0, 1, 2, 0);
        e.edit->copy();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\n2\n"));
    }

    void undoAndRedoStepsOfTypingPasteAndErasing()
    {
        Editor e({QStringLiteral("名单")});
        e.key(Qt::Key_End);
        e.type(QStringLiteral("王小明"));
        e.key(Qt::Key_Return);
        e.type(QStringLiteral("1002"));
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("名单王小明"), QStringLiteral("1002")}));
        // Typed characters are one step each run; Enter is a step of its own.
        e.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("名单王小明"), QString()}));
        e.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("名单王小明")});
        e.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("名单")});
        QCOMPARE(e.caret(), (TextPosition{0, 2}));
        QVERIFY(!e.edit->canUndo());
        e.key(Qt::Key_Y, Qt::ControlModifier);
        e.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("名单王小明"), QString()}));
        QCOMPARE(e.caret(), (TextPosition{1, 0}));

        // A move of the caret ends the run: two runs are two steps.
        e.type(QStringLiteral("ab"));
        e.key(Qt::Key_Left);
        e.type(QStringLiteral("cd"));
        QCOMPARE(e.edit->lines().last(), QStringLiteral("acdb"));
        e.edit->undo();
        QCOMPARE(e.edit->lines().last(), QStringLiteral("ab"));
        QCOMPARE(e.caret(), (TextPosition{1, 1}));

        // A paste over a selection is one step back to the selection, and forward again.
        QApplication::clipboard()->setText(QStringLiteral("x\ny"));
        e.edit->setSelection(0, 1, 1, 1);
        e.edit->paste();
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("名x"), QStringLiteral("yb")}));
        e.edit->undo();
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("名单王小明"), QStringLiteral("ab")}));
        QCOMPARE(e.edit->selectedText(), QStringLiteral("单王小明\na"));
        e.edit->redo();
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("名x"), QStringLiteral("yb")}));
        QCOMPARE(e.caret(), (TextPosition{1, 1}));

        // Backspaces and Deletes in a row are one step; a new edit drops what could be redone.
        e.key(Qt::Key_Backspace);
        e.key(Qt::Key_Backspace);
        e.key(Qt::Key_Backspace);
        e.key(Qt::Key_Delete);
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("名")});
        e.edit->undo();
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("名x"), QStringLiteral("yb")}));
        e.edit->undo();
        e.type(QStringLiteral("z"));
        QVERIFY(!e.edit->canRedo());

        // Loading a list starts afresh; an append is one step.
        e.edit->setLines({QStringLiteral("甲"), QString()});
        QVERIFY(!e.edit->canUndo());
        e.edit->appendLines({QStringLiteral("乙"), QStringLiteral("丙")});
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"), QString()}));
        e.edit->undo();
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("甲"), QString()}));
        QVERIFY(!e.edit->canUndo());
    }

    void appendAddsLinesAfterTheTextWithoutMovingTheCaret()
    {
        Editor e({QStringLiteral("甲")});
        e.key(Qt::Key_End);
        QSignalSpy changes(e.edit.get(), &ListTextEdit::textChanged);
        e.edit->appendLines({QStringLiteral("乙")});
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("甲"), QStringLiteral("乙"), QString()}));
        QCOMPARE(e.caret(), (TextPosition{0, 1}));
        e.edit->appendLines({QStringLiteral("丙")});
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"), QString()}));
        e.edit->appendLines({});
        QCOMPARE(changes.count(), 2);
        e.edit->clear();
        QCOMPARE(e.edit->lines(), QStringList{QString()});
        e.edit->undo();
        QCOMPARE(e.edit->lineCount(), 4);
    }

    void theInputMethodCommitsAndShowsItsPreeditAtTheCaret()
    {
        Editor e({QStringLiteral("1001 "), QStringLiteral("1002")});
        e.key(Qt::Key_End);
        QCOMPARE(e.edit->inputMethodQuery(Qt::ImEnabled).toBool(), true);
        QRect before = e.edit->caretRect();

        // The preedit shows at the caret, moving it, without being part of the text.
        sendInputMethod(*e.edit, QStringLiteral("wang"), QString());
        QCOMPARE(e.edit->lines().first(), QStringLiteral("1001 "));
        QVERIFY(e.edit->caretRect().left() > before.left());
        sendInputMethod(*e.edit, QStringLiteral("wang"), QString(), 2);
        QVERIFY(e.edit->caretRect().left() > before.left());
        QCOMPARE(e.edit->inputMethodQuery(Qt::ImCursorRectangle).toRect(),
                 e.edit->caretRect().translated(e.edit->viewport()->pos()));

        sendInputMethod(*e.edit, QString(), QStringLiteral("王"));
        sendInputMethod(*e.edit, QString(), QStringLiteral("小明"));
        QCOMPARE(e.edit->lines().first(), QStringLiteral("1001 王小明"));
        QCOMPARE(e.caret(), (TextPosition{0, 8}));
        const QRect afterName = e.edit->caretRect();
        QCOMPARE(afterName.top(), before.top());
        QCOMPARE(e.edit->inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("1001 王小明"));
        QCOMPARE(e.edit->inputMethodQuery(Qt::ImCursorPosition).toInt(), 8);
        QCOMPARE(e.edit->inputMethodQuery(Qt::ImTextBeforeCursor).toString(), QStringLiteral("1001 王小明"));
        // The commits in a row are one undo step.
        e.edit->undo();
        QCOMPARE(e.edit->lines().first(), QStringLiteral("1001 "));
        e.edit->redo();

        // A preedit over a selection takes its place; the anchor on another line counts as
        // this line's end towards it.
        e.edit->setSelection(1, 4, 0, 5);
        QCOMPARE(e.edit->inputMethodQuery(Qt::ImAnchorPosition).toInt(), 8);
        QCOMPARE(e.edit->inputMethodQuery(Qt::ImCurrentSelection).toString(), QStringLiteral("王小明\n1002"));
        sendInputMethod(*e.edit, QStringLiteral("li"), QString());
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("1001 ")});
        sendInputMethod(*e.edit, QString(), QStringLiteral("李四"));
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("1001 李四")});
        // The commit may replace text around the caret.
        sendInputMethod(*e.edit, QString(), QStringLiteral("五"), -1, -1, 1);
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("1001 李五")});
        e.edit->undo();
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("1001 李四")});
        e.edit->undo();
        QCOMPARE(e.edit->lines(), (QStringList{QStringLiteral("1001 王小明"), QStringLiteral("1002")}));

        // A click ends the preedit.
        e.key(Qt::Key_End);
        sendInputMethod(*e.edit, QStringLiteral("zhang"), QString());
        sendMouse(*e.edit, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton);
        sendMouse(*e.edit, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::NoButton);
        QCOMPARE(e.caret(), (TextPosition{0, 0}));
        e.key(Qt::Key_End);
        QCOMPARE(e.edit->caretRect(), afterName);
        QCOMPARE(e.edit->lines().first(), QStringLiteral("1001 王小明"));
    }

    void theMouseSetsTheCaretAndSelects()
    {
        Editor e(numbered(200, QStringLiteral("第")));
        e.edit->setSelection(3, 2, 3, 2);
        QPoint lineThree = e.edit->caretRect().center();
        e.edit->setSelection(1, 1, 1, 1);
        QPoint lineOne = e.edit->caretRect().center();

        sendMouse(*e.edit, QEvent::MouseButtonPress, lineThree, Qt::LeftButton);
        sendMouse(*e.edit, QEvent::MouseButtonRelease, lineThree, Qt::NoButton);
        QCOMPARE(e.caret(), (TextPosition{3, 2}));
        QVERIFY(!e.edit->hasSelection());
        sendMouse(*e.edit, QEvent::MouseButtonPress, lineOne, Qt::LeftButton, Qt::ShiftModifier);
        sendMouse(*e.edit, QEvent::MouseButtonRelease, lineOne, Qt::NoButton);
        QCOMPARE(e.edit->selectedText(), QStringLiteral("1\n第2\n第3"));

        // A drag selects; past the bottom edge the view scrolls on its own.
        sendMouse(*e.edit, QEvent::MouseButtonPress, lineOne, Qt::LeftButton);
        sendMouse(*e.edit, QEvent::MouseMove, lineThree, Qt::LeftButton);
        QCOMPARE(e.edit->anchor(), (TextPosition{1, 1}));
        QCOMPARE(e.caret(), (TextPosition{3, 2}));
        sendMouse(*e.edit, QEvent::MouseMove, QPoint(lineOne.x(), e.edit->viewport()->height() + 40), Qt::LeftButton);
        const int lastShown = e.caret().line;
        QTRY_VERIFY(e.edit->verticalScrollBar()->value() > 3);
        QVERIFY(e.caret().line > lastShown);
        sendMouse(*e.edit, QEvent::MouseButtonRelease, lineOne, Qt::NoButton);
        const int scrolled = e.edit->verticalScrollBar()->value();
        QTest::qWait(150);
        QCOMPARE(e.edit->verticalScrollBar()->value(), scrolled);
        QCOMPARE(e.edit->anchor(), (TextPosition{1, 1}));

        // A double-click selects the word under it.
        e.edit->setLines({QStringLiteral("1001 王小明 市场部")});
        e.edit->setSelection(0, 7, 0, 7);
        QPoint inName = e.edit->caretRect().center() + QPoint(2, 0);
        sendMouse(*e.edit, QEvent::MouseButtonDblClick, inName, Qt::LeftButton);
        QCOMPARE(e.edit->selectedText(), QStringLiteral("王小明"));

        // The wheel scrolls three lines a notch.
        e.edit->setLines(numbered(200, QStringLiteral("第")));
        QWheelEvent wheel(lineOne, e.edit->viewport()->mapToGlobal(lineOne), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(e.edit->viewport(), &wheel);
        QCOMPARE(e.edit->verticalScrollBar()->value(), 3);
    }

    void positionsFollowTheScrolledView()
    {
        QString longLine(300, QLatin1Char('x'));
        QStringList lines = numbered(200, QStringLiteral("line "));
        lines[120] = longLine;
        Editor e(lines);
        QScrollBar* vertical = e.edit->verticalScrollBar();
        QScrollBar* horizontal = e.edit->horizontalScrollBar();
        QVERIFY(horizontal->maximum() > 0);
        QCOMPARE(vertical->maximum(), 200 - vertical->pageStep());

        vertical->setValue(50);
        QCOMPARE(e.edit->positionAt(QPoint(1, 1)), (TextPosition{50, 0}));
        QCOMPARE(e.edit->positionAt(QPoint(1, -1)), (TextPosition{49, 0}));
        // Below the last line and past a line's end are the last line and the line's end.
        vertical->setValue(vertical->maximum());
        QCOMPARE(e.edit->positionAt(QPoint(1000, e.edit->viewport()->height() + 100)), (TextPosition{199, 8}));

        e.edit->setSelection(120, 250, 120, 250);
        QVERIFY(horizontal->value() > 0);
        QVERIFY(vertical->value() <= 120 && 120 < vertical->value() + vertical->pageStep());
        QRect caret = e.edit->caretRect();
        QVERIFY(e.edit->viewport()->rect().contains(caret.center()));
        QCOMPARE(e.edit->positionAt(caret.center()), (TextPosition{120, 250}));
        e.key(Qt::Key_Home);
        QCOMPARE(horizontal->value(), 0);
        e.key(Qt::Key_Up);
        QCOMPARE(e.edit->positionAt(e.edit->caretRect().center()), (TextPosition{119, 0}));
    }

    void theContextMenuOffersWhatCanBeDone()
    {
        Editor e({QStringLiteral("王五")});
        auto enabled = [&e] {
            std::unique_ptr<QMenu> menu(e.edit->createContextMenu(nullptr));
            QStringList names;
            for (QAction* action : menu->actions())
                if (action->isEnabled() && !action->isSeparator())
                    names.append(action->text().section(QLatin1Char('\t'), 0, 0));
            return names;
        };
        QApplication::clipboard()->clear();
        QCOMPARE(enabled(), QStringList{QStringLiteral("全选")});
        e.edit->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("李四"));
        QCOMPARE(enabled(), (QStringList{QStringLiteral("剪切"), QStringLiteral("复制"), QStringLiteral("粘贴"),
                                         QStringLiteral("删除"), QStringLiteral("全选")}));
        std::unique_ptr<QMenu> menu(e.edit->createContextMenu(nullptr));
        menu->findChild<QAction*>(QStringLiteral("mnuDelete"))->trigger();
        QCOMPARE(e.edit->lines(), QStringList{QString()});
        QCOMPARE(enabled(), (QStringList{QStringLiteral("撤销"), QStringLiteral("粘贴")}));
        menu.reset(e.edit->createContextMenu(nullptr));
        menu->findChild<QAction*>(QStringLiteral("mnuUndo"))->trigger();
        QCOMPARE(e.edit->lines(), QStringList{QStringLiteral("王五")});
        QVERIFY(enabled().contains(QStringLiteral("重做")));
    }

    void aMillionLinesLoadAndTakeEditsAtTheirEnd()
    {
        Editor e;
        QStringList lines = numbered(1000000, QStringLiteral("NO."));
        lines.append(QString());
        e.edit->setLines(std::move(lines));
        QCOMPARE(e.edit->lineCount(), 1000001);
        QCOMPARE(e.edit->verticalScrollBar()->value(), 0);
        e.key(Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(e.caret(), (TextPosition{1000000, 0}));
        QCOMPARE(e.edit->verticalScrollBar()->value(), e.edit->verticalScrollBar()->maximum());
        e.type(QStringLiteral("末尾"));
        e.key(Qt::Key_Return);
        e.key(Qt::Key_Up);
        e.key(Qt::Key_Up);
        e.key(Qt::Key_End);
        e.key(Qt::Key_Delete);
        QCOMPARE(e.edit->lineCount(), 1000001);
        QCOMPARE(e.edit->lines().at(999999), QStringLiteral("NO.999999末尾"));
        QCOMPARE(e.edit->lines().last(), QString());
        QCOMPARE(e.edit->positionAt(e.edit->caretRect().center()), (TextPosition{999999, 9}));

        e.key(Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(e.edit->verticalScrollBar()->value(), 0);
        e.edit->selectAll();
        e.key(Qt::Key_Delete);
        QCOMPARE(e.edit->lineCount(), 1);
        e.edit->undo();
        QCOMPARE(e.edit->lineCount(), 1000001);
        QCOMPARE(e.edit->lines().at(500000), QStringLiteral("NO.500000"));
        e.edit->repaint();
    }
};

QTEST_MAIN(ListTextEditTest)
#include "ListTextEditTest.moc"
