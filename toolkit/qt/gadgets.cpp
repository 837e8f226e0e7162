#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
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

// Forms place their captions in fixed pixels chosen for a dialog font, and the desktop's face
// may be wider. Rather than cut a caption, a read-only field that needs the room takes part of
// the padding beside its text and, where that is not enough, draws its text in a narrower cut
// of its font.
class ReadOnlyField final : public QLineEdit {
public:
    explicit ReadOnlyField(QWidget* parent) : QLineEdit(parent) {
        connect(this, &QLineEdit::textChanged, this, &ReadOnlyField::FitText);
    }

protected:
    void changeEvent(QEvent* event) override {
        QLineEdit::changeEvent(event);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            FitText();
        }
    }

    void resizeEvent(QResizeEvent* event) override {
        QLineEdit::resizeEvent(event);
        FitText();
    }

private:
    // QLineEdit keeps two pixels clear on either side of its text; a caption keeps at least
    // one, so that its text never touches the frame.
    static constexpr int kPadding = 2;
    static constexpr int kPaddingTaken = 1;

    // The width QLineEdit gives its text when no text margins are set.
    int PaddedWidth() const {
        QStyleOptionFrame option;
        initStyleOption(&option);
        return style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() -
               2 * kPadding;
    }

    // QLineEdit scrolls a text that leaves no pixel and cursor's width free after it, as soon
    // as the cursor moves to its end.
    int WidthNeeded(const QFont& font) const {
        const qreal advance = QFontMetricsF(font, this).horizontalAdvance(text());
        return static_cast<int>(std::ceil(advance)) + 1 +
               style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    }

    // Starts from the unstretched font and the whole padding each time, so that a shorter
    // text or a wider field gets them back; below condensed the text rather scrolls as in any
    // field.
    void FitText() {
        QFont fitted = font();
        fitted.setStretch(QFont::Unstretched);
        const int taken = WidthNeeded(fitted) <= PaddedWidth() ? 0 : kPaddingTaken;
        setTextMargins(-taken, 0, -taken, 0);
        const int width = PaddedWidth() + 2 * taken;
        while (WidthNeeded(fitted) > width && fitted.stretch() > QFont::Condensed) {
            fitted.setStretch(fitted.stretch() - 1);
        }
        if (fitted != font()) {
            setFont(fitted);
        }
    }
};

QWidget* MakeTextField(QWidget* parent, const std::string& text, TextFieldFlags flags) {
    const auto readOnly = static_cast<std::uint32_t>(TextFieldFlags::ReadOnly);
    const bool isReadOnly = (static_cast<std::uint32_t>(flags) & readOnly) != 0;
    QLineEdit* field = isReadOnly ? new ReadOnlyField(parent) : new QLineEdit(parent);
    // Qt cuts a line edit's text at 32767 characters unless told otherwise; a field must keep
    // whatever the user types or pastes.
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setText(qt::ToQString(text));
    field->setCursorPosition(0);
    field->setReadOnly(isReadOnly);
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
