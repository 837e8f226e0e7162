#include "toolkit/qt/widget_factory.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <limits>

#include "toolkit/qt/colours.h"
#include "toolkit/qt/native_objects.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/read_only_field.h"

namespace quillmoor::toolkit::qt {

namespace {

QWidget* MakePanel(QWidget& parent) {
    auto* panel = new QTabWidget(&parent);
    panel->tabBar()->setFocusPolicy(Qt::StrongFocus);
    return panel;
}

QWidget* MakeTextField(QWidget& parent, const GadgetRequest& request) {
    QLineEdit* field = request.readOnly ? new ReadOnlyField(&parent) : new QLineEdit(&parent);
    // Qt cuts a line edit's text at 32767 characters unless told otherwise; a field must keep
    // whatever the user types or pastes.
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setText(ToQString(request.text));
    field->setCursorPosition(0);
    field->setReadOnly(request.readOnly);
    return field;
}

QWidget* MakeList(QWidget& parent) {
    auto* list = new QListWidget(&parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setUniformItemSizes(true);
    return list;
}

QWidget* MakeButton(QWidget& parent, const GadgetRequest& request) {
    auto* button = new QPushButton(ToQString(request.text), &parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* MakeEditor(QWidget& parent) {
    auto* editor = new QPlainTextEdit(&parent);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setTabChangesFocus(false);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The selection stays visible while another widget has the focus.
    ShowColours(*editor);
    return editor;
}

QWidget* MakeKind(QWidget& parent, const GadgetRequest& request) {
    switch (request.kind) {
        case GadgetKind::Panel:
            return MakePanel(parent);
        case GadgetKind::Text:
            return MakeTextField(parent, request);
        case GadgetKind::Check:
            return new QCheckBox(ToQString(request.text), &parent);
        case GadgetKind::List:
            return MakeList(parent);
        case GadgetKind::Button:
            return MakeButton(parent, request);
        case GadgetKind::Editor:
            return MakeEditor(parent);
    }
    return nullptr;
}

}  // namespace

QWidget* MakeWidget(QWidget& parent, const GadgetRequest& request) {
    QWidget* widget = MakeKind(parent, request);
    const Placement& place = request.placement;
    widget->setGeometry(place.x, place.y, place.width, place.height);
    widget->setFocusPolicy(Qt::StrongFocus);
    MarkToolkitObject(*widget);
    widget->show();
    return widget;
}

}  // namespace quillmoor::toolkit::qt
