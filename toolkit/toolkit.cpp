// The calls of toolkit.h, each run by the one core while the toolkit is started.

#include "toolkit/toolkit.h"

#include <memory>

#include "toolkit/core/running_core.h"

namespace quillmoor::toolkit {

namespace {

struct ProgramIdentity {
    std::string name;
    std::string iconResource;
};

// Plain values only: they may be read before InitToolkit() and outlive EndToolkit().
ProgramIdentity& Identity() {
    static ProgramIdentity identity;
    return identity;
}

std::string& FailureBeforeStart() {
    static std::string failure;
    return failure;
}

// Never destroyed by the process's exit. A program that leaves main() without EndToolkit()
// leaves its windows to the end of the process, as it leaves the platform's own state: a static
// destructor would destroy them after the platform's statics are already gone.
std::unique_ptr<Core>& Running() {
    static auto* core = new std::unique_ptr<Core>;
    return *core;
}

template <typename Result, typename Call>
Result WithCore(Result none, Call call) {
    Core* core = Running().get();
    return core == nullptr ? none : call(*core);
}

template <typename Call>
void WithCore(Call call) {
    if (Core* core = Running().get()) {
        call(*core);
    }
}

}  // namespace

Core* RunningCore() {
    return Running().get();
}

void DescribeProgram(const std::string& name, const std::string& iconResource) {
    Identity() = {name, iconResource};
    WithCore([&](Core& core) { core.DescribeProgram(name, iconResource); });
}

bool InitToolkit() {
    if (Running()) {
        return true;
    }
    FailureBeforeStart().clear();
    auto core = std::make_unique<Core>();
    std::unique_ptr<Platform> platform = StartPlatform(*core, FailureBeforeStart());
    if (!platform) {
        return false;
    }
    core->Attach(std::move(platform));
    core->DescribeProgram(Identity().name, Identity().iconResource);
    Running() = std::move(core);
    return true;
}

std::string LastFailure() {
    return WithCore(FailureBeforeStart(), [](Core& core) { return core.LastFailure(); });
}

// The core stays reachable while it closes the windows, so that what runs as they go sees
// the fonts still loaded.
void EndToolkit() {
    WithCore([](Core& core) { core.End(); });
    Running().reset();
}

Handle OpenFormWindow(int window, int x, int y, int innerWidth, int innerHeight,
                      const std::string& title, std::uint32_t) {
    if (!Running()) {
        // A failed InitToolkit() has already said why, and that reason is the useful one.
        if (FailureBeforeStart().empty()) {
            FailureBeforeStart() = "the toolkit is not running";
        }
        return 0;
    }
    return Running()->OpenFormWindow(window, x, y, innerWidth, innerHeight, title);
}

Handle WindowHandle(int window) {
    return WithCore(Handle{0}, [&](Core& core) { return core.WindowHandle(window); });
}

int BeginGadgetList(Handle windowHandle) {
    return WithCore(0, [&](Core& core) { return core.BeginGadgetList(windowHandle); });
}

void EndGadgetList() {
    WithCore([](Core& core) { core.EndGadgetList(); });
}

Handle CreatePanelGadget(int gadget, int x, int y, int width, int height) {
    return WithCore(Handle{0}, [&](Core& core) {
        return core.CreateGadget(gadget, GadgetKind::Panel, {x, y, width, height}, {}, false);
    });
}

Handle CreateTextGadget(int gadget, int x, int y, int width, int height, const std::string& text,
                        TextFieldFlags flags) {
    const auto readOnly = static_cast<std::uint32_t>(TextFieldFlags::ReadOnly);
    return WithCore(Handle{0}, [&](Core& core) {
        return core.CreateGadget(gadget, GadgetKind::Text, {x, y, width, height}, text,
                                 (static_cast<std::uint32_t>(flags) & readOnly) != 0);
    });
}

Handle CreateCheckGadget(int gadget, int x, int y, int width, int height, const std::string& text) {
    return WithCore(Handle{0}, [&](Core& core) {
        return core.CreateGadget(gadget, GadgetKind::Check, {x, y, width, height}, text, false);
    });
}

Handle CreateListGadget(int gadget, int x, int y, int width, int height) {
    return WithCore(Handle{0}, [&](Core& core) {
        return core.CreateGadget(gadget, GadgetKind::List, {x, y, width, height}, {}, false);
    });
}

Handle CreateButtonGadget(int gadget, int x, int y, int width, int height,
                          const std::string& text) {
    return WithCore(Handle{0}, [&](Core& core) {
        return core.CreateGadget(gadget, GadgetKind::Button, {x, y, width, height}, text, false);
    });
}

Handle CreateEditorGadget(int gadget, int x, int y, int width, int height) {
    return WithCore(Handle{0}, [&](Core& core) {
        return core.CreateGadget(gadget, GadgetKind::Editor, {x, y, width, height}, {}, false);
    });
}

void InsertGadgetItem(int gadget, int position, const std::string& text) {
    WithCore([&](Core& core) { core.InsertGadgetItem(gadget, position, text); });
}

void DeleteGadgetItem(int gadget, int index) {
    WithCore([&](Core& core) { core.DeleteGadgetItem(gadget, index); });
}

int GadgetItemCount(int gadget) {
    return WithCore(0, [&](Core& core) { return core.GadgetItemCount(gadget); });
}

std::string ReadGadgetItemText(int gadget, int index) {
    return WithCore(std::string(),
                    [&](Core& core) { return core.ReadGadgetItemText(gadget, index); });
}

std::string ReadGadgetText(int gadget) {
    return WithCore(std::string(), [&](Core& core) { return core.ReadGadgetText(gadget); });
}

void WriteGadgetText(int gadget, const std::string& text) {
    WithCore([&](Core& core) { core.WriteGadgetText(gadget, text); });
}

int ReadGadgetState(int gadget) {
    return WithCore(0, [&](Core& core) { return core.ReadGadgetState(gadget); });
}

int FocusedGadget() {
    return WithCore(-1, [](Core& core) { return core.FocusedGadget(); });
}

void SetGadgetAccessibleName(int gadget, const std::string& name) {
    WithCore([&](Core& core) { core.SetGadgetAccessibleName(gadget, name); });
}

void FocusGadget(int gadget) {
    WithCore([&](Core& core) { core.FocusGadget(gadget); });
}

void SetGadgetColour(int gadget, ColourType type, Colour colour) {
    WithCore([&](Core& core) { core.SetGadgetColour(gadget, type, colour); });
}

Handle LoadNumberedFont(int font, const std::string& name, int size) {
    return WithCore(Handle{0}, [&](Core& core) { return core.LoadNumberedFont(font, name, size); });
}

Handle FontHandle(int font) {
    return WithCore(Handle{0}, [&](Core& core) { return core.FontHandle(font); });
}

void AssignGadgetFont(int gadget, Handle fontHandle) {
    WithCore([&](Core& core) { core.AssignGadgetFont(gadget, fontHandle); });
}

Answer AskUser(const std::string& title, const std::string& text, AskFlags) {
    return WithCore(Answer::NotShown, [&](Core& core) { return core.AskUser(title, text); });
}

void BindShortcut(int window, std::int32_t shortcut, int event) {
    WithCore([&](Core& core) { core.BindShortcut(window, shortcut, event); });
}

EventKind WaitForEvent() {
    return WithCore(EventKind::None, [](Core& core) { return core.WaitForEvent(); });
}

EventKind PollEvent() {
    return WithCore(EventKind::None, [](Core& core) { return core.PollEvent(); });
}

int EventGadgetId() {
    return WithCore(0, [](Core& core) { return core.CurrentEvent().number; });
}

int EventMenuNumber() {
    return EventGadgetId();
}

GadgetEventType EventSubtype() {
    return WithCore(GadgetEventType::None, [](Core& core) { return core.CurrentEvent().type; });
}

int EventWindow() {
    return WithCore(-1, [](Core& core) { return core.CurrentEvent().window; });
}

}  // namespace quillmoor::toolkit
