#include "toolkit/qt/colours.h"

#include <QApplication>
#include <QPalette>

namespace quillmoor::toolkit::qt {

namespace {

QColor ToQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

// Only the active and inactive groups change: a gadget on a hidden page, which is disabled,
// keeps the platform's disabled look.
void ApplyColour(QWidget& widget, ColourType type, Colour colour) {
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

}  // namespace quillmoor::toolkit::qt
