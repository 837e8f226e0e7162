// Records and number spaces: what each window and gadget number names, the lookups between
// numbers and native objects, and the destruction that takes a window's or a panel's gadgets
// with it. Every other part of the core finds its objects through these; opening a window is
// here because it starts a number's record and the window's container stack.

#include "toolkit/core/core.h"
#include "toolkit/core/utf16_text.h"

namespace quillmoor::toolkit {

namespace {

// X11 and Win32 sizes are 16-bit; larger windows cannot be made anywhere.
constexpr int kMaxWindowSide = 32767;

}  // namespace

Core::~Core() {
    End();
}

void Core::End() {
    if (!platform_) {
        return;
    }
    containers_.Clear();
    for (const int window : windows_.Numbers()) {
        DestroyWindow(window);
    }
    for (const int font : fonts_.Numbers()) {
        platform_->ReleaseFont(fonts_.Remove(font)->native);
    }
    platform_.reset();
}

void Core::DescribeProgram(const std::string& name, const std::string& iconResource) {
    if (platform_) {
        platform_->DescribeProgram(name, iconResource);
    }
}

Handle Core::OpenFormWindow(int window, int x, int y, int innerWidth, int innerHeight,
                            const std::string& title) {
    if (!decltype(windows_)::Accepts(window)) {
        ReportFailure("window number " + std::to_string(window) + " is outside 0.." +
                      std::to_string(kMaxObjectNumber));
        return 0;
    }
    // A call that fails leaves the number free, so the old window goes before any check.
    DestroyWindow(window);
    if (innerWidth < 1 || innerHeight < 1 || innerWidth > kMaxWindowSide ||
        innerHeight > kMaxWindowSide) {
        ReportFailure("window size " + std::to_string(innerWidth) + "x" +
                      std::to_string(innerHeight) + " is outside 1.." +
                      std::to_string(kMaxWindowSide));
        return 0;
    }
    const Silence silence(*this);
    const NativeId native =
        platform_->OpenWindow({x, y, innerWidth, innerHeight}, Utf16OfWindows1252(title));
    if (native == 0) {
        ReportFailure("the windowing system refused to open window " + std::to_string(window));
        return 0;
    }
    windows_.Replace(window, std::make_unique<WindowRecord>(WindowRecord{native, {}}));
    containers_.Open(Container{window, native, -1, false});
    ReportFailure({});
    return static_cast<Handle>(native);
}

Handle Core::WindowHandle(int window) const {
    const WindowRecord* record = windows_.Find(window);
    return record == nullptr ? 0 : static_cast<Handle>(record->native);
}

int Core::BeginGadgetList(Handle windowHandle) const {
    return windowHandle != 0 && WindowOf(static_cast<NativeId>(windowHandle)) >= 0 ? 1 : 0;
}

NativeId Core::GadgetNative(int gadget) const {
    const GadgetRecord* record = gadgets_.Find(gadget);
    return record == nullptr ? 0 : record->native;
}

GadgetRecord* Core::Find(int gadget, GadgetKind kind) {
    GadgetRecord* record = gadgets_.Find(gadget);
    return record != nullptr && record->kind == kind ? record : nullptr;
}

const GadgetRecord* Core::Find(int gadget, GadgetKind kind) const {
    const GadgetRecord* record = gadgets_.Find(gadget);
    return record != nullptr && record->kind == kind ? record : nullptr;
}

int Core::GadgetOf(NativeId native) const {
    const auto found = gadgetByNative_.find(native);
    return found == gadgetByNative_.end() ? -1 : found->second;
}

int Core::WindowOf(NativeId native) const {
    for (const int window : windows_.Numbers()) {
        if (windows_.Find(window)->native == native) {
            return window;
        }
    }
    return -1;
}

int Core::WindowOfTarget(NativeId target) const {
    if (const GadgetRecord* record = gadgets_.Find(GadgetOf(target))) {
        return record->window;
    }
    return WindowOf(target);
}

// A gadget is shown when every page it lies on is its panel's selected page.
bool Core::IsShown(const GadgetRecord& record) const {
    if (record.panel < 0) {
        return true;
    }
    const GadgetRecord* panel = gadgets_.Find(record.panel);
    return panel != nullptr && panel->shownPage == record.page && IsShown(*panel);
}

// Whether the gadget lies, at any depth, on a page of the panel `outer`.
bool Core::Holds(int outer, int gadget) const {
    for (const GadgetRecord* record = gadgets_.Find(gadget);
         record != nullptr && record->panel >= 0; record = gadgets_.Find(record->panel)) {
        if (record->panel == outer) {
            return true;
        }
    }
    return false;
}

// The platform destroys the inner widgets with the outer one; their records go first, while
// Holds() can still follow the panels.
void Core::DestroyGadget(int gadget) {
    if (gadgets_.Find(gadget) == nullptr) {
        return;
    }
    std::vector<int> inner;
    for (const int candidate : gadgets_.Numbers()) {
        if (Holds(gadget, candidate)) {
            inner.push_back(candidate);
        }
    }
    for (const int number : inner) {
        queue_.ForgetGadget(number);
        gadgetByNative_.erase(gadgets_.Remove(number)->native);
    }
    queue_.ForgetGadget(gadget);
    const std::unique_ptr<GadgetRecord> record = gadgets_.Remove(gadget);
    gadgetByNative_.erase(record->native);
    platform_->DestroyGadget(record->native);
}

void Core::DestroyWindow(int window) {
    if (windows_.Find(window) == nullptr) {
        return;
    }
    for (const int gadget : gadgets_.Numbers()) {
        if (gadgets_.Find(gadget)->window == window) {
            gadgetByNative_.erase(gadgets_.Remove(gadget)->native);
        }
    }
    queue_.ForgetWindow(window);
    platform_->CloseWindow(windows_.Remove(window)->native);
}

}  // namespace quillmoor::toolkit
