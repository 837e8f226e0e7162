#include <QApplication>
#include <QPalette>
#include <QPlainTextEdit>
#include <utility>

#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit::qt {

namespace {

QColor ToQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

// The palette holds only the roles decided here; every other role, and a colour left to the
// desktop, resolves to the application's palette and so follows a switch of theme, a
// high-contrast theme among them. Only the active and inactive groups take the given colours:
// a gadget on a hidden page, which is disabled, keeps the desktop's disabled look. An editor's
// selection stays as visible without the focus as with it.
void ShowColours(QWidget& widget, Colour text, Colour background) {
    const QPalette desktop = QApplication::palette(&widget);
    QPalette palette = desktop;
    palette.setResolveMask(0);
    const std::pair<QPalette::ColorRole, Colour> given[] = {
        {QPalette::Text, text},
        {QPalette::Base, background},
    };
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto& [role, colour] : given) {
            if (colour != kDefaultColour) {
                palette.setColor(group, role, ToQColor(colour));
            }
        }
    }
    if (qobject_cast<QPlainTextEdit*>(&widget) != nullptr) {
        for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
            palette.setColor(QPalette::Inactive, role, desktop.color(QPalette::Active, role));
        }
    }
    widget.setPalette(palette);
}

Colour DesktopTextColour(const QWidget& widget) {
    const QColor text = QApplication::palette(&widget).color(QPalette::Active, QPalette::Text);
    return RGB(text.red(), text.green(), text.blue());
}

}  // namespace quillmoor::toolkit::qt
