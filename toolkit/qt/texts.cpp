#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "toolkit/qt/event_hooks.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/widget_state.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

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
        editor->setPlainText(qt::EditorTextToQString(text));
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
