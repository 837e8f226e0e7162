#pragma once

// How the Qt realisation names its objects across the seam: a NativeId is the object's address.
// Windows and gadgets carry a mark, so that input on any of their inner widgets (a list's
// viewport, a panel's tab bar) is traced back to the object the core knows.

#include <QWidget>

#include "toolkit/core/platform.h"

namespace quillmoor::toolkit::qt {

inline NativeId IdOf(const void* object) {
    return reinterpret_cast<NativeId>(object);
}

template <typename Object>
Object* ObjectOf(NativeId id) {
    return reinterpret_cast<Object*>(id);
}

void MarkToolkitObject(QWidget& widget);
// The marked window or gadget that is, or holds, the widget; 0 when none.
NativeId ToolkitObjectOf(const QWidget* widget);

}  // namespace quillmoor::toolkit::qt
