#include <QListWidget>
#include <QTabWidget>
#include <optional>

#include "toolkit/qt/event_hooks.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/widget_state.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

namespace {

// -1 appends; any other position outside 0..count names no place and inserts nothing.
std::optional<int> InsertionIndex(int position, int count) {
    if (position == -1) {
        return count;
    }
    if (position < 0 || position > count) {
        return std::nullopt;
    }
    return position;
}

void InsertTab(int panelGadget, QTabWidget& panel, int index, const std::string& caption) {
    auto* page = new QWidget();
    panel.insertTab(index, page, qt::ToQString(caption));
    page->setEnabled(page == panel.currentWidget());
    qt::WidgetState& state = *qt::Toolkit();
    state.gadgetList.ReplaceCurrent(
        qt::Container{qt::FindGadget(panelGadget)->window, page, false});
}

}  // namespace

void InsertGadgetItem(int gadget, int position, const std::string& text) {
    qt::SilentChange silent;
    if (auto* panel = qt::GadgetAs<QTabWidget>(gadget, GadgetKind::Panel)) {
        if (const auto index = InsertionIndex(position, panel->count())) {
            InsertTab(gadget, *panel, *index, text);
        }
    } else if (auto* list = qt::GadgetAs<QListWidget>(gadget, GadgetKind::List)) {
        if (const auto index = InsertionIndex(position, list->count())) {
            list->insertItem(*index, qt::ToQString(text));
        }
    }
}

void DeleteGadgetItem(int gadget, int index) {
    auto* list = qt::GadgetAs<QListWidget>(gadget, GadgetKind::List);
    if (list == nullptr || index < 0 || index >= list->count()) {
        return;
    }
    qt::SilentChange silent;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    const bool keepsSelection = !selected.isEmpty() && selected.front() != list->item(index);
    delete list->takeItem(index);
    // Only a selection on another item survives, so that a second delete removes nothing the
    // user did not choose. The current item goes too: a single-selection list selects the
    // neighbour of its current item when that item is removed, even an unselected one.
    if (!keepsSelection) {
        list->selectionModel()->clear();
    }
}

int GadgetItemCount(int gadget) {
    const auto* list = qt::GadgetAs<QListWidget>(gadget, GadgetKind::List);
    return list == nullptr ? 0 : list->count();
}

std::string ReadGadgetItemText(int gadget, int index) {
    const auto* list = qt::GadgetAs<QListWidget>(gadget, GadgetKind::List);
    if (list == nullptr || index < 0 || index >= list->count()) {
        return {};
    }
    return qt::FromQString(list->item(index)->text());
}

}  // namespace quillmoor::toolkit
