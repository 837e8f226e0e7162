#pragma once

// What the widget half keeps between calls: the three number tables and the gadget list.
// It exists from InitToolkit() to EndToolkit(); outside that time Toolkit() is nullptr and
// every operation does nothing.

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "toolkit/core/gadget_list.h"
#include "toolkit/core/number_table.h"
#include "toolkit/qt/form_window.h"
#include "toolkit/qt/gadget_registry.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit::qt {

// A slot owns its widget: destroying the slot deletes the widget, unless Qt already deleted it
// together with its parent.
struct WindowSlot {
    explicit WindowSlot(FormWindow* window) : widget(window) {}
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;
    ~WindowSlot();

    QPointer<FormWindow> widget;
};

struct GadgetSlot {
    explicit GadgetSlot(const GadgetRecord& gadget) : record(gadget) {}
    GadgetSlot(const GadgetSlot&) = delete;
    GadgetSlot& operator=(const GadgetSlot&) = delete;
    ~GadgetSlot();

    GadgetRecord record;
};

// Where new gadgets go: a window's client area or a panel page. A tab panel is current between
// CreatePanelGadget() and its first tab; nothing can be created in it then.
struct Container {
    int window;
    QPointer<QWidget> widget;
    bool isPanel;
};

struct WidgetState {
    NumberTable<WindowSlot> windows;
    NumberTable<GadgetSlot> gadgets;
    NumberTable<QFont> fonts;
    GadgetList<Container> gadgetList;
    std::uint64_t nextSerial = 0;
    QFont defaultFont;
};

// What LastFailure() reports; "" clears it.
void ReportFailure(std::string failure);

// nullptr outside InitToolkit()..EndToolkit().
WidgetState* Toolkit();
void StartWidgetState(const QFont& defaultFont);
// Windows first, then fonts: no widget outlives the font it shows.
void EndWidgetState();

// Forgets and destroys the gadget and every gadget inside it (the widgets of a panel's pages).
void DestroyGadget(WidgetState& state, int gadget);
// Forgets and destroys the window and all its gadgets.
void DestroyWindow(WidgetState& state, int window);

// The live widget of a gadget of the given kind, nullptr otherwise.
QWidget* GadgetWidget(int gadget, GadgetKind kind);

template <typename Widget>
Widget* GadgetAs(int gadget, GadgetKind kind) {
    return static_cast<Widget*>(GadgetWidget(gadget, kind));
}

inline Handle HandleOf(const void* object) {
    return reinterpret_cast<Handle>(object);
}

}  // namespace quillmoor::toolkit::qt
