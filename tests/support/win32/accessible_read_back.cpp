// The form driver over Win32, what assistive technology is told: each window's MSAA object,
// asked for as a screen reader asks, and read through IAccessible, as UI Automation reads the
// standard controls too.

#include <memory>

#include "tests/support/win32/native_windows.h"

// Must follow windows.h.
#include <ole2.h>
#include <oleacc.h>

namespace quillmoor::test {

namespace {

struct Release {
    void operator()(IUnknown* object) const { object->Release(); }
};
using AccessibleObject = std::unique_ptr<IAccessible, Release>;

// OBJID_CLIENT is what a control is to a screen reader; a top-level window is OBJID_WINDOW, its
// frame and title bar, around the client area.
AccessibleObject ObjectOf(HWND window, LONG object) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(object), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return nullptr;
    }
    return AccessibleObject(accessible);
}

VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

std::string NameOf(HWND window, LONG object) {
    const AccessibleObject accessible = ObjectOf(window, object);
    BSTR name = nullptr;
    if (accessible == nullptr || accessible->get_accName(Self(), &name) != S_OK ||
        name == nullptr) {
        return {};
    }
    std::string text = Utf8(std::wstring_view(name, SysStringLen(name)));
    SysFreeString(name);
    return text;
}

AccessibleRole RoleOf(HWND window, LONG object) {
    const AccessibleObject accessible = ObjectOf(window, object);
    VARIANT role;
    VariantInit(&role);
    if (accessible == nullptr || accessible->get_accRole(Self(), &role) != S_OK ||
        role.vt != VT_I4) {
        VariantClear(&role);
        return AccessibleRole::Other;
    }
    switch (role.lVal) {
        case ROLE_SYSTEM_WINDOW:
            return AccessibleRole::Window;
        case ROLE_SYSTEM_TEXT:
            return AccessibleRole::Text;
        case ROLE_SYSTEM_LIST:
            return AccessibleRole::List;
        case ROLE_SYSTEM_PUSHBUTTON:
            return AccessibleRole::PushButton;
        case ROLE_SYSTEM_CHECKBUTTON:
            return AccessibleRole::CheckBox;
        default:
            return AccessibleRole::Other;
    }
}

}  // namespace

std::string AccessibleName(int gadget) {
    return NameOf(GadgetWindow(gadget), OBJID_CLIENT);
}

AccessibleRole AccessibleRoleOf(int gadget) {
    return RoleOf(GadgetWindow(gadget), OBJID_CLIENT);
}

std::string WindowAccessibleName(int window) {
    return NameOf(FormWindow(window), OBJID_WINDOW);
}

AccessibleRole WindowAccessibleRole(int window) {
    return RoleOf(FormWindow(window), OBJID_WINDOW);
}

}  // namespace quillmoor::test
