// Records and number spaces: the running core, what each window and gadget number names, the
// lookups between numbers and native objects, and the destruction that takes a window's or a
// panel's gadgets with it. Every other part of the core finds its objects through these;
// opening a window is here because it starts a number's record and the window's gadget list.

#include <algorithm>

#include "toolkit/core/running_core.h"
#include "toolkit/core/utf16_text.h"

namespace quillmoor::toolkit {

namespace {

// X11 and Win32 sizes are 16-bit; larger windows cannot be made anywhere.
constexpr int kMaxWindowSide = 32767;

struct ProgramIdentity {
    std::string name;
    std::string iconResource;
};

// Plain values only: they may be read before InitToolkit() and outlive EndToolkit().
ProgramIdentity& Identity() {
    static ProgramIdentity identity;
    return identity;
}

// Never destroyed by the process's exit. A program that leaves main() without EndToolkit()
// leaves its windows to the end of the process, as it leaves the platform's own state: a static
// destructor would destroy them after the platform's statics are already gone.
std::unique_ptr<Core>& Running() {
    static auto* core = new std::unique_ptr<Core>;
    return *core;
}

}  // namespace

Core* RunningCore() {
    return Running().get();
}

void Run(std::unique_ptr<Core> core, std::unique_ptr<Platform> platform) {
    core->platform = std::move(platform);
    core->platform->DescribeProgram(Identity().name, Identity().iconResource);
    Running() = std::move(core);
}

std::string& Failure() {
    static std::string failure;
    return failure;
}

void DescribeProgram(const std::string& name, const std::string& iconResource) {
    Identity() = {name, iconResource};
    if (Core* core = RunningCore()) {
        core->platform->DescribeProgram(name, iconResource);
    }
}

std::string LastFailure() {
    return Failure();
}

// The core stays reachable while it closes the windows, so that what runs as they go sees
// the fonts still loaded. A failed start keeps its reason.
void EndToolkit() {
    if (Core* core = RunningCore()) {
        core->End();
        Running().reset();
        Failure().clear();
    }
}

Core::~Core() {
    End();
}

void Core::End() {
    if (!platform) {
        return;
    }
    containers.clear();
    while (!windows.empty()) {
        DestroyWindow(windows.begin()->first);
    }
    for (const auto& [number, font] : fonts) {
        platform->ReleaseFont(font);
    }
    fonts.clear();
    platform.reset();
}

Handle OpenFormWindow(int window, int x, int y, int innerWidth, int innerHeight,
                      const std::string& title, std::uint32_t) {
    Core* core = RunningCore();
    std::string& failure = Failure();
    if (core == nullptr) {
        // A failed InitToolkit() has already said why, and that reason is the useful one.
        if (failure.empty()) {
            failure = "the toolkit is not running";
        }
        return 0;
    }
    if (!IsObjectNumber(window)) {
        failure = "window number " + std::to_string(window) + " is outside 0.." +
                  std::to_string(kMaxObjectNumber);
        return 0;
    }
    // A call that fails leaves the number free, so the old window goes before any check.
    core->DestroyWindow(window);
    if (innerWidth < 1 || innerHeight < 1 || innerWidth > kMaxWindowSide ||
        innerHeight > kMaxWindowSide) {
        failure = "window size " + std::to_string(innerWidth) + "x" + std::to_string(innerHeight) +
                  " is outside 1.." + std::to_string(kMaxWindowSide);
        return 0;
    }
    const Core::Silence silence(*core);
    const NativeId native =
        core->platform->OpenWindow({x, y, innerWidth, innerHeight}, Utf16OfWindows1252(title));
    if (native == 0) {
        failure = "the windowing system refused to open window " + std::to_string(window);
        return 0;
    }
    core->windows[window] = {native};
    core->containers = {Container{window, native, -1, false}};
    failure.clear();
    return static_cast<Handle>(native);
}

Handle WindowHandle(int window) {
    const Core* core = RunningCore();
    if (core == nullptr || !core->windows.contains(window)) {
        return 0;
    }
    return static_cast<Handle>(core->windows.at(window).native);
}

int BeginGadgetList(Handle windowHandle) {
    const Core* core = RunningCore();
    return core != nullptr && windowHandle != 0 &&
                   core->WindowOf(static_cast<NativeId>(windowHandle)) >= 0
               ? 1
               : 0;
}

// With nothing pushed, the window stays current.
void EndGadgetList() {
    Core* core = RunningCore();
    if (core != nullptr && core->containers.size() > 1) {
        core->containers.pop_back();
    }
}

NativeId Core::GadgetNative(int gadget) const {
    const auto found = gadgets.find(gadget);
    return found == gadgets.end() ? 0 : found->second.native;
}

GadgetRecord* Core::Find(int gadget) {
    const auto found = gadgets.find(gadget);
    return found == gadgets.end() ? nullptr : &found->second;
}

GadgetRecord* Core::Find(int gadget, GadgetKind kind) {
    GadgetRecord* record = Find(gadget);
    return record != nullptr && record->kind == kind ? record : nullptr;
}

int Core::GadgetOf(NativeId native) const {
    const auto found = gadgetByNative.find(native);
    return found == gadgetByNative.end() ? -1 : found->second;
}

int Core::WindowOf(NativeId native) const {
    const auto found = std::find_if(windows.begin(), windows.end(), [native](const auto& entry) {
        return entry.second.native == native;
    });
    return found == windows.end() ? -1 : found->first;
}

int Core::WindowOfTarget(NativeId target) const {
    const auto found = gadgets.find(GadgetOf(target));
    return found != gadgets.end() ? found->second.window : WindowOf(target);
}

// Whether the gadget lies, at any depth, on a page of the panel `outer`.
bool Core::Holds(int outer, int gadget) const {
    for (auto found = gadgets.find(gadget); found != gadgets.end() && found->second.panel >= 0;
         found = gadgets.find(found->second.panel)) {
        if (found->second.panel == outer) {
            return true;
        }
    }
    return false;
}

// The platform destroys the inner widgets with the outer one; their records go first, while
// Holds() can still follow the panels.
void Core::DestroyGadget(int gadget) {
    const GadgetRecord* record = Find(gadget);
    if (record == nullptr) {
        return;
    }
    const NativeId native = record->native;
    std::vector<int> gone;
    for (const auto& [number, candidate] : gadgets) {
        if (Holds(gadget, number)) {
            gone.push_back(number);
        }
    }
    gone.push_back(gadget);
    for (const int number : gone) {
        queue.ForgetGadget(number);
        gadgetByNative.erase(gadgets.at(number).native);
        gadgets.erase(number);
    }
    platform->DestroyGadget(native);
}

void Core::DestroyWindow(int window) {
    const auto found = windows.find(window);
    if (found == windows.end()) {
        return;
    }
    std::erase_if(gadgets, [&](const auto& entry) {
        if (entry.second.window != window) {
            return false;
        }
        gadgetByNative.erase(entry.second.native);
        return true;
    });
    queue.ForgetWindow(window);
    const NativeId native = found->second.native;
    windows.erase(found);
    platform->CloseWindow(native);
}

}  // namespace quillmoor::toolkit
