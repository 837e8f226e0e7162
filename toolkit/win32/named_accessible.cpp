#include "toolkit/win32/win32_platform.h"

// Must follow windows_api.h.
#include <ole2.h>
#include <oleacc.h>

#include <optional>
#include <utility>

namespace quillmoor::toolkit::win32 {

namespace {

struct Oleacc {
    decltype(&CreateStdAccessibleObject) createStandardObject;
    decltype(&LresultFromObject) resultFromObject;
};

// oleacc.dll is not among the DLLs Windows always takes from its own folder: imported, it would
// be looked for beside the program first. It is loaded from the system's folder instead, when
// the first client asks; nullptr when it cannot be, and the controls then keep the names
// Windows gives them.
const Oleacc* LoadedOleacc() {
    static const std::optional<Oleacc> oleacc = []() -> std::optional<Oleacc> {
        const HMODULE library = LoadSystemLibrary(L"oleacc.dll");
        if (library == nullptr) {
            return std::nullopt;
        }
        const Oleacc functions{
            LibraryCall<decltype(&CreateStdAccessibleObject)>(library, "CreateStdAccessibleObject"),
            LibraryCall<decltype(&LresultFromObject)>(library, "LresultFromObject")};
        if (functions.createStandardObject == nullptr || functions.resultFromObject == nullptr) {
            return std::nullopt;
        }
        return functions;
    }();
    return oleacc ? &*oleacc : nullptr;
}

// The object reaches its client through COM, which every thread that hands out COM objects
// must have joined. The windows' thread joins an apartment the first time a client asks, and
// stays in it: a client may ask again as long as a window lives.
bool JoinedApartment() {
    thread_local const bool joined = [] {
        const HRESULT result =
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        // RPC_E_CHANGED_MODE: the thread is in the multithreaded apartment already.
        return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    }();
    return joined;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The standard object, answering with another name for itself; its children, role, state,
// value and everything else stay the standard object's. It holds one reference to the
// standard object for as long as it lives.
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(IAccessible* standard, std::wstring name)
        : standard_(standard), name_(std::move(name)) {}
    ~NamedAccessible() { standard_->Release(); }
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    // IUnknown. Only the interfaces this object implements itself: one handed on from the
    // standard object would lead back to the standard name.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: the standard object's type information, but calls through it reach this
    // object, so that a scripting client reads the same name.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        if (id != IID_NULL) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        ITypeInfo* info = nullptr;
        const HRESULT found = standard_->GetTypeInfo(0, locale, &info);
        if (FAILED(found) || info == nullptr) {
            return FAILED(found) ? found : E_NOTIMPL;
        }
        const HRESULT invoked = DispInvoke(static_cast<IAccessible*>(this), info, member, flags,
                                           parameters, result, exception, argumentError);
        info->Release();
        return invoked;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) {
            return standard_->get_accName(child, name);
        }
        if (name == nullptr) {
            return E_INVALIDARG;
        }
        *name = SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
        return *name == nullptr ? E_OUTOFMEMORY : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    IAccessible* standard_;
    std::wstring name_;
    LONG references_ = 1;
};

}  // namespace

// Made afresh for each request, as the standard objects are: the client's reference is the
// only one left when this returns.
LRESULT AnswerWithName(HWND control, WPARAM wParam, LPARAM lParam, const std::wstring& name) {
    // Object identifiers are 32-bit; on 64-bit Windows lParam may arrive sign-extended or not.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) {
        return 0;
    }
    const Oleacc* oleacc = LoadedOleacc();
    if (oleacc == nullptr || !JoinedApartment()) {
        return 0;
    }
    IAccessible* standard = nullptr;
    if (FAILED(oleacc->createStandardObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* named = new NamedAccessible(standard, name);
    const LRESULT answer =
        oleacc->resultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(named));
    named->Release();
    return answer > 0 ? answer : 0;
}

}  // namespace quillmoor::toolkit::win32
