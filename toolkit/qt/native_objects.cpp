#include "toolkit/qt/native_objects.h"

namespace quillmoor::toolkit::qt {

namespace {

constexpr const char* kToolkitObject = "quillmoorToolkitObject";

}  // namespace

void MarkToolkitObject(QWidget& widget) {
    widget.setProperty(kToolkitObject, true);
}

NativeId ToolkitObjectOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->property(kToolkitObject).toBool()) {
            return IdOf(widget);
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return 0;
}

}  // namespace quillmoor::toolkit::qt
