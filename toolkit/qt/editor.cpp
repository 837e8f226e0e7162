#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit::qt {

// Lines are never wrapped; the selection stays visible while another widget has the focus.
// The editor reports nothing: its text is read when it is needed.
QWidget* MakeEditor(QWidget& parent) {
    auto* editor = new QPlainTextEdit(&parent);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    ShowColours(*editor, kDefaultColour, kDefaultColour);
    return editor;
}

// Lines do not wrap, so the vertical scroll bar counts whole lines.
Platform::EditorView ViewOf(const QPlainTextEdit& editor) {
    const QTextCursor caret = editor.textCursor();
    return {editor.verticalScrollBar()->value(), editor.horizontalScrollBar()->value(),
            caret.blockNumber(), caret.positionInBlock()};
}

void SetView(QPlainTextEdit& editor, const Platform::EditorView& view) {
    const QTextBlock line = editor.document()->findBlockByNumber(view.caretLine);
    QTextCursor caret(line);
    caret.setPosition(line.position() + view.caretColumn);
    editor.setTextCursor(caret);
    editor.verticalScrollBar()->setValue(view.firstLine);
    editor.horizontalScrollBar()->setValue(view.horizontalScroll);
}

}  // namespace quillmoor::toolkit::qt
