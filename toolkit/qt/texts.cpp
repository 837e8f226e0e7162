#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "toolkit/qt/event_hooks.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/widget_state.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

namespace {

// The bytes last written into an editor, kept on the editor itself.
constexpr const char* kWrittenTextProperty = "quillmoorWrittenText";

// Writing the text an editor already shows, into an editor the user has not changed since,
// would only lay the whole document out again (the panel regenerates twice per tab click) and
// move the view back to the top; the editor is left as it is instead.
void WriteEditorText(QPlainTextEdit& editor, const std::string& text) {
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    if (!editor.document()->isModified() &&
        editor.property(kWrittenTextProperty).toByteArray() == bytes) {
        return;
    }
    editor.setPlainText(qt::EditorTextToQString(text));
    editor.setProperty(kWrittenTextProperty, bytes);
}

}  // namespace

std::string ReadGadgetText(int gadget) {
    if (const auto* field = qt::GadgetAs<QLineEdit>(gadget, GadgetKind::Text)) {
        return qt::FromQString(field->text());
    }
    if (const auto* editor = qt::GadgetAs<QPlainTextEdit>(gadget, GadgetKind::Editor)) {
        return qt::EditorTextFromQString(editor->document()->toRawText());
    }
    return {};
}

void WriteGadgetText(int gadget, const std::string& text) {
    qt::SilentChange silent;
    if (auto* field = qt::GadgetAs<QLineEdit>(gadget, GadgetKind::Text)) {
        field->setText(qt::ToQString(text));
        field->setCursorPosition(0);
    } else if (auto* editor = qt::GadgetAs<QPlainTextEdit>(gadget, GadgetKind::Editor)) {
        WriteEditorText(*editor, text);
    }
}

int ReadGadgetState(int gadget) {
    if (const auto* box = qt::GadgetAs<QCheckBox>(gadget, GadgetKind::Check)) {
        return box->isChecked() ? 1 : 0;
    }
    if (const auto* list = qt::GadgetAs<QListWidget>(gadget, GadgetKind::List)) {
        const QModelIndexList selected = list->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? -1 : selected.front().row();
    }
    return 0;
}

int FocusedGadget() {
    const QWidget* focused = qt::Toolkit() == nullptr ? nullptr : QApplication::focusWidget();
    if (focused == nullptr || qt::WindowNumberOf(focused) < 0) {
        return -1;
    }
    return qt::GadgetNumberOf(focused);
}

void FocusGadget(int gadget) {
    if (const qt::GadgetRecord* record = qt::FindGadget(gadget)) {
        record->widget->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace quillmoor::toolkit
