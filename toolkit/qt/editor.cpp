#include <QPlainTextEdit>

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

}  // namespace quillmoor::toolkit::qt
