#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "toolkit/qt/gadget_registry.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

namespace {

bool TakesColours(GadgetKind kind) {
    return kind == GadgetKind::Text || kind == GadgetKind::List || kind == GadgetKind::Editor;
}

QColor ToQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

// Only the active and inactive groups change: a gadget on a hidden page, which is disabled,
// keeps the platform's disabled look.
void SetGadgetColour(int gadget, ColourType type, Colour colour) {
    const qt::GadgetRecord* record = qt::FindGadget(gadget);
    if (record == nullptr || !TakesColours(record->kind)) {
        return;
    }
    QWidget& widget = *record->widget;
    const QPalette::ColorRole role = type == ColourType::Text ? QPalette::Text : QPalette::Base;
    const QPalette platform = QApplication::palette(&widget);
    QPalette palette = widget.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, role,
                         colour == kDefaultColour ? platform.color(group, role) : ToQColor(colour));
    }
    widget.setPalette(palette);
    widget.update();
}

}  // namespace quillmoor::toolkit
