#pragma once

// Where the Qt realisation keeps what each number names. Shared by the widget half and the
// event half of the realisation, and by tests that need a gadget's widget to send it input.

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "toolkit/core/gadget_kind.h"

namespace quillmoor::toolkit::qt {

struct GadgetRecord {
    GadgetKind kind;
    QPointer<QWidget> widget;
    int window;                    // the number of the window the gadget lives in
    std::uint64_t creationSerial;  // grows with every creation: the order Tab walks
};

// nullptr when the number names no gadget.
const GadgetRecord* FindGadget(int gadget);
// The number of the gadget that is, or contains, the widget (a list's viewport, a panel's tab
// bar); -1 when none.
int GadgetNumberOf(const QWidget* widget);
// The gadgets of a window, in creation order.
std::vector<int> GadgetsOfWindow(int window);

// nullptr when the number names no open window.
QWidget* WindowWidget(int window);
// The number of the toolkit window that is, or contains, the widget; -1 when none.
int WindowNumberOf(const QWidget* widget);

}  // namespace quillmoor::toolkit::qt
