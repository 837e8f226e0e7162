#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

#include "toolkit/qt/event_hooks.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/widget_state.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

namespace {

struct Placement {
    int x;
    int y;
    int width;
    int height;
};

// The container new gadgets go into, or nullptr when there is none: no window is open, its
// widget is gone, or a tab panel has no tab yet.
const qt::Container* CurrentPage(const qt::WidgetState& state) {
    const auto& current = state.gadgetList.Current();
    if (!current || current->widget.isNull() || current->isPanel) {
        return nullptr;
    }
    return &*current;
}

// Builds the widget with makeWidget(parent) and only then gives it the number, destroying
// what the number named before; when it cannot be built the number keeps its old gadget.
template <typename MakeWidget>
QWidget* CreateGadget(int gadget, GadgetKind kind, Placement placement, MakeWidget makeWidget) {
    qt::WidgetState* state = qt::Toolkit();
    if (state == nullptr || !decltype(state->gadgets)::Accepts(gadget)) {
        return nullptr;
    }
    const qt::Container* page = CurrentPage(*state);
    if (page == nullptr) {
        return nullptr;
    }
    // Replacing the gadget that holds the current page would destroy the new gadget with it.
    if (const qt::GadgetRecord* old = qt::FindGadget(gadget)) {
        if (old->widget == page->widget || old->widget->isAncestorOf(page->widget)) {
            return nullptr;
        }
    }
    qt::SilentChange silent;
    QWidget* widget = makeWidget(page->widget.data());
    widget->setGeometry(placement.x, placement.y, std::max(placement.width, 0),
                        std::max(placement.height, 0));
    widget->setFocusPolicy(Qt::StrongFocus);
    const int window = page->window;
    qt::DestroyGadget(*state, gadget);
    state->gadgets.Replace(gadget, std::make_unique<qt::GadgetSlot>(qt::GadgetRecord{
                                       kind, widget, window, state->nextSerial++}));
    widget->show();
    qt::WatchGadget(gadget, kind, widget);
    return widget;
}

// Only the selected tab's page is enabled, so that the widgets of hidden pages take no input.
void EnableSelectedPageOnly(QTabWidget& panel) {
    for (int tab = 0; tab < panel.count(); ++tab) {
        panel.widget(tab)->setEnabled(tab == panel.currentIndex());
    }
}

QWidget* MakePanel(QWidget* parent) {
    auto* panel = new QTabWidget(parent);
    panel->tabBar()->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(panel, &QTabWidget::currentChanged, panel,
                     [panel] { EnableSelectedPageOnly(*panel); });
    return panel;
}

QWidget* MakeTextField(QWidget* parent, const std::string& text, TextFieldFlags flags) {
    auto* field = new QLineEdit(parent);
    // Qt cuts a line edit's text at 32767 characters unless told otherwise; a field must keep
    // whatever the user types or pastes.
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setText(qt::ToQString(text));
    field->setCursorPosition(0);
    const auto readOnly = static_cast<std::uint32_t>(TextFieldFlags::ReadOnly);
    field->setReadOnly((static_cast<std::uint32_t>(flags) & readOnly) != 0);
    return field;
}

QWidget* MakeList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setUniformItemSizes(true);
    return list;
}

QWidget* MakeButton(QWidget* parent, const std::string& caption) {
    auto* button = new QPushButton(qt::ToQString(caption), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* MakeEditor(QWidget* parent) {
    auto* editor = new QPlainTextEdit(parent);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setTabChangesFocus(false);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The selection stays visible while another widget has the focus.
    QPalette palette = editor->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    editor->setPalette(palette);
    return editor;
}

}  // namespace

Handle CreatePanelGadget(int gadget, int x, int y, int width, int height) {
    QWidget* widget = CreateGadget(gadget, GadgetKind::Panel, {x, y, width, height}, MakePanel);
    if (widget == nullptr) {
        return 0;
    }
    const int window = qt::FindGadget(gadget)->window;
    qt::Toolkit()->gadgetList.Push(qt::Container{window, widget, true});
    return qt::HandleOf(widget);
}

Handle CreateTextGadget(int gadget, int x, int y, int width, int height, const std::string& text,
                        TextFieldFlags flags) {
    return qt::HandleOf(
        CreateGadget(gadget, GadgetKind::Text, {x, y, width, height},
                     [&](QWidget* parent) { return MakeTextField(parent, text, flags); }));
}

Handle CreateCheckGadget(int gadget, int x, int y, int width, int height, const std::string& text) {
    return qt::HandleOf(
        CreateGadget(gadget, GadgetKind::Check, {x, y, width, height},
                     [&](QWidget* parent) { return new QCheckBox(qt::ToQString(text), parent); }));
}

Handle CreateListGadget(int gadget, int x, int y, int width, int height) {
    return qt::HandleOf(CreateGadget(gadget, GadgetKind::List, {x, y, width, height}, MakeList));
}

Handle CreateButtonGadget(int gadget, int x, int y, int width, int height,
                          const std::string& text) {
    return qt::HandleOf(CreateGadget(gadget, GadgetKind::Button, {x, y, width, height},
                                     [&](QWidget* parent) { return MakeButton(parent, text); }));
}

Handle CreateEditorGadget(int gadget, int x, int y, int width, int height) {
    QWidget* widget = CreateGadget(gadget, GadgetKind::Editor, {x, y, width, height}, MakeEditor);
    if (widget != nullptr) {
        qt::DiscardPendingInput();
    }
    return qt::HandleOf(widget);
}

}  // namespace quillmoor::toolkit
