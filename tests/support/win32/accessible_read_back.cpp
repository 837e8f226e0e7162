// The form driver over Win32, what assistive technology is told: each window's MSAA object,
// asked for as a screen reader asks, and read through IAccessible, as UI Automation reads the
// standard controls too.

#include <algorithm>
#include <memory>
#include <utility>

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

VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// OBJID_CLIENT is what a control is to a screen reader; a top-level window is OBJID_WINDOW, its
// frame and title bar, around the client area.
Accessible AccessibleOfWindow(HWND window, LONG object) {
    Accessible read{{}, AccessibleRole::Other};
    IAccessible* asked = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(object), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&asked)))) {
        return read;
    }
    const AccessibleObject accessible(asked);
    BSTR name = nullptr;
    if (accessible->get_accName(Self(), &name) == S_OK && name != nullptr) {
        read.name = Utf8(std::wstring_view(name, SysStringLen(name)));
        SysFreeString(name);
    }
    using Role = std::pair<LONG, AccessibleRole>;
    const Role roles[] = {{ROLE_SYSTEM_WINDOW, AccessibleRole::Window},
                          {ROLE_SYSTEM_TEXT, AccessibleRole::Text},
                          {ROLE_SYSTEM_LIST, AccessibleRole::List},
                          {ROLE_SYSTEM_PUSHBUTTON, AccessibleRole::PushButton},
                          {ROLE_SYSTEM_CHECKBUTTON, AccessibleRole::CheckBox}};
    VARIANT role;
    VariantInit(&role);
    if (accessible->get_accRole(Self(), &role) == S_OK && role.vt == VT_I4) {
        const auto* found = std::ranges::find(roles, role.lVal, &Role::first);
        read.role = found == std::end(roles) ? AccessibleRole::Other : found->second;
    }
    VariantClear(&role);
    return read;
}

}  // namespace

Accessible AccessibleOf(int gadget) {
    return AccessibleOfWindow(GadgetWindow(gadget), OBJID_CLIENT);
}

Accessible WindowAccessible(int window) {
    return AccessibleOfWindow(FormWindow(window), OBJID_WINDOW);
}

}  // namespace quillmoor::test
