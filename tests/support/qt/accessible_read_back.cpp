// The form driver over Qt, what assistive technology is told: each widget's accessible
// interface, as Qt's bridge to the platform's screen readers reads it.

#include <QAccessible>

#include "tests/support/form_driver.h"
#include "tests/support/qt/native_widgets.h"

namespace quillmoor::test {

namespace {

QAccessibleInterface* InterfaceOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

std::string NameOf(QWidget* widget) {
    return InterfaceOf(widget)->text(QAccessible::Name).toStdString();
}

AccessibleRole RoleOf(QWidget* widget) {
    switch (InterfaceOf(widget)->role()) {
        case QAccessible::Window:
            return AccessibleRole::Window;
        case QAccessible::EditableText:
            return AccessibleRole::Text;
        case QAccessible::List:
            return AccessibleRole::List;
        case QAccessible::PushButton:
            return AccessibleRole::PushButton;
        case QAccessible::CheckBox:
            return AccessibleRole::CheckBox;
        default:
            return AccessibleRole::Other;
    }
}

}  // namespace

std::string AccessibleName(int gadget) {
    return NameOf(GadgetWidget(gadget));
}

AccessibleRole AccessibleRoleOf(int gadget) {
    return RoleOf(GadgetWidget(gadget));
}

std::string WindowAccessibleName(int window) {
    return NameOf(WindowWidget(window));
}

AccessibleRole WindowAccessibleRole(int window) {
    return RoleOf(WindowWidget(window));
}

}  // namespace quillmoor::test
