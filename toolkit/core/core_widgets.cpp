// Widgets: creating gadgets in the current container, their items, texts, states and
// accessible names, their colours as the desktop changes, the font number space and the fonts
// gadgets show, and the Yes/No box. A change that makes a widget report a happening runs under
// Core::Silence: the caller's changes post no event.

#include <algorithm>
#include <string_view>

#include "toolkit/core/running_core.h"
#include "toolkit/core/utf16_text.h"

namespace quillmoor::toolkit {

namespace {

// -1 appends; any other position outside 0..count names no place and inserts nothing.
std::optional<int> InsertionIndex(int position, int count) {
    if (position == -1) {
        return count;
    }
    if (position < 0 || position > count) {
        return std::nullopt;
    }
    return position;
}

bool TakesColours(GadgetKind kind) {
    return kind == GadgetKind::Text || kind == GadgetKind::List || kind == GadgetKind::Editor;
}

// A new text keeps the reader's place: the first line in view and the caret stay where they
// were while the text still has them, else come as near as it has; the sideways scroll stays.
// The editor's lines end with a lone '\r'.
Platform::EditorView ViewKeptIn(Platform::EditorView view, std::u16string_view text) {
    const auto lastLine = static_cast<int>(std::count(text.begin(), text.end(), u'\r'));
    view.firstLine = std::clamp(view.firstLine, 0, lastLine);
    view.caretLine = std::clamp(view.caretLine, 0, lastLine);
    std::size_t lineStart = 0;
    for (int line = 0; line < view.caretLine; ++line) {
        lineStart = text.find(u'\r', lineStart) + 1;
    }
    const std::size_t lineEnd = std::min(text.find(u'\r', lineStart), text.size());
    view.caretColumn = std::clamp(view.caretColumn, 0, static_cast<int>(lineEnd - lineStart));
    return view;
}

// Makes the native widget and gives it the number, in silence; 0 when the platform refused.
// Only then is what the number named before destroyed: when the widget cannot be built the
// number keeps its old gadget.
NativeId BuildGadget(Core& core, int gadget, const Container& page, const GadgetRequest& request) {
    const Core::Silence silence(core);
    const NativeId native = core.platform->CreateGadget(page.native, request);
    if (native == 0) {
        return 0;
    }
    core.DestroyGadget(gadget);
    GadgetRecord& record = core.gadgets[gadget];
    record.kind = request.kind;
    record.native = native;
    record.window = page.window;
    record.panel = page.panel;
    record.page = page.panel >= 0 ? page.native : 0;
    record.serial = core.nextSerial++;
    core.gadgetByNative[native] = gadget;
    if (request.kind == GadgetKind::Panel) {
        core.containers.push_back(Container{page.window, native, gadget, true});
    }
    return native;
}

Handle Create(int gadget, GadgetKind kind, Placement placement, const std::string& text = {},
              bool readOnly = false) {
    Core* core = RunningCore();
    if (core == nullptr || !IsObjectNumber(gadget) || core->containers.empty() ||
        core->containers.back().isPanel) {
        return 0;
    }
    const Container page = core->containers.back();
    if (page.panel >= 0) {
        const GadgetRecord* panel = core->Find(page.panel, GadgetKind::Panel);
        if (panel == nullptr || std::find(panel->pages.begin(), panel->pages.end(), page.native) ==
                                    panel->pages.end()) {
            return 0;
        }
        // Replacing the gadget that holds the current page would destroy the new gadget with it.
        if (gadget == page.panel || core->Holds(gadget, page.panel)) {
            return 0;
        }
    } else if (WindowHandle(page.window) != static_cast<Handle>(page.native)) {
        return 0;
    }
    placement.width = std::max(placement.width, 0);
    placement.height = std::max(placement.height, 0);
    const NativeId native =
        BuildGadget(*core, gadget, page, {kind, placement, Utf16OfWindows1252(text), readOnly});
    // The first gadget or menu event the caller sees comes from the user, not from input that
    // was pending while the form was built. That input still has its effect, a tab it selected
    // shows its page; only its events go, so it is not handled in silence.
    if (native != 0 && kind == GadgetKind::Editor) {
        core->platform->HandleInput(false);
        core->queue.DiscardInputEvents();
    }
    return static_cast<Handle>(native);
}

// Gives the widget the colours it is to show now, from the caller's and the desktop's: both
// together, since they are chosen as a pair.
void ShowColours(Platform& platform, const GadgetRecord& record) {
    const GadgetColours shown = ColoursToShow(
        record.colours, platform.DesktopTextColour(record.native), platform.HighContrastOn());
    platform.SetColours(record.native, shown.text, shown.background);
}

// The running core's gadget under the number, of that kind where one is given; nullptr when
// there is none, or no core runs.
GadgetRecord* Gadget(int gadget, std::optional<GadgetKind> kind = std::nullopt) {
    Core* core = RunningCore();
    GadgetRecord* record = core == nullptr ? nullptr : core->Find(gadget);
    return record != nullptr && (!kind || record->kind == *kind) ? record : nullptr;
}

// Asked only once Gadget() has found a gadget, and with it the running core.
Platform& RunningPlatform() {
    return *RunningCore()->platform;
}

}  // namespace

Handle CreatePanelGadget(int gadget, int x, int y, int width, int height) {
    return Create(gadget, GadgetKind::Panel, {x, y, width, height});
}

Handle CreateTextGadget(int gadget, int x, int y, int width, int height, const std::string& text,
                        TextFieldFlags flags) {
    const auto readOnly = static_cast<std::uint32_t>(TextFieldFlags::ReadOnly);
    return Create(gadget, GadgetKind::Text, {x, y, width, height}, text,
                  (static_cast<std::uint32_t>(flags) & readOnly) != 0);
}

Handle CreateCheckGadget(int gadget, int x, int y, int width, int height, const std::string& text) {
    return Create(gadget, GadgetKind::Check, {x, y, width, height}, text);
}

Handle CreateListGadget(int gadget, int x, int y, int width, int height) {
    return Create(gadget, GadgetKind::List, {x, y, width, height});
}

Handle CreateButtonGadget(int gadget, int x, int y, int width, int height,
                          const std::string& text) {
    return Create(gadget, GadgetKind::Button, {x, y, width, height}, text);
}

Handle CreateEditorGadget(int gadget, int x, int y, int width, int height) {
    return Create(gadget, GadgetKind::Editor, {x, y, width, height});
}

void InsertGadgetItem(int gadget, int position, const std::string& text) {
    if (GadgetRecord* panel = Gadget(gadget, GadgetKind::Panel)) {
        Core& core = *RunningCore();
        const Core::Silence silence(core);
        const auto index = InsertionIndex(position, static_cast<int>(panel->pages.size()));
        if (!index) {
            return;
        }
        const NativeId page =
            core.platform->InsertTab(panel->native, *index, Utf16OfWindows1252(text));
        // A tab the platform could not add has no page to record: the later tabs' indexes
        // must go on naming their own pages.
        if (page == 0) {
            return;
        }
        panel->pages.insert(panel->pages.begin() + *index, page);
        if (panel->shownPage == 0) {
            panel->shownPage = page;
        }
        core.platform->ShowPage(page, page == panel->shownPage);
        // The page takes the place of the panel or of the previous page; nothing is pushed.
        if (!core.containers.empty()) {
            core.containers.back() = Container{panel->window, page, gadget, false};
        }
    } else if (GadgetRecord* list = Gadget(gadget, GadgetKind::List)) {
        const Core::Silence silence(*RunningCore());
        const auto index = InsertionIndex(position, static_cast<int>(list->items.size()));
        if (index && RunningPlatform().InsertItem(list->native, *index, Utf16OfWindows1252(text))) {
            list->items.insert(list->items.begin() + *index, text);
        }
    }
}

void DeleteGadgetItem(int gadget, int index) {
    GadgetRecord* list = Gadget(gadget, GadgetKind::List);
    if (list == nullptr || index < 0 || index >= static_cast<int>(list->items.size())) {
        return;
    }
    const Core::Silence silence(*RunningCore());
    Platform& platform = RunningPlatform();
    const int selected = platform.State(list->native);
    platform.RemoveItem(list->native, index);
    list->items.erase(list->items.begin() + index);
    // Only a selection on another item survives, so that a second delete removes nothing the
    // user did not choose; a platform may have moved the selection while removing.
    if (selected < 0 || selected == index) {
        platform.ClearSelection(list->native);
    }
}

int GadgetItemCount(int gadget) {
    const GadgetRecord* list = Gadget(gadget, GadgetKind::List);
    return list == nullptr ? 0 : static_cast<int>(list->items.size());
}

std::string ReadGadgetItemText(int gadget, int index) {
    const GadgetRecord* list = Gadget(gadget, GadgetKind::List);
    if (list == nullptr || index < 0 || index >= static_cast<int>(list->items.size())) {
        return {};
    }
    return list->items[static_cast<std::size_t>(index)];
}

std::string ReadGadgetText(int gadget) {
    if (const GadgetRecord* field = Gadget(gadget, GadgetKind::Text)) {
        return Windows1252OfUtf16(RunningPlatform().Text(field->native));
    }
    if (const GadgetRecord* editor = Gadget(gadget, GadgetKind::Editor)) {
        return EditorWindows1252OfUtf16(RunningPlatform().Text(editor->native));
    }
    return {};
}

// Writing the text an editor already shows, into an editor the user has not changed since,
// would only lay the whole document out again (the panel regenerates twice per tab click) and
// move the view back to the top; the editor is left as it is instead.
void WriteGadgetText(int gadget, const std::string& text) {
    if (const GadgetRecord* field = Gadget(gadget, GadgetKind::Text)) {
        const Core::Silence silence(*RunningCore());
        RunningPlatform().SetText(field->native, Utf16OfWindows1252(text));
    } else if (GadgetRecord* editor = Gadget(gadget, GadgetKind::Editor)) {
        const Core::Silence silence(*RunningCore());
        if (editor->writtenText == text && !RunningPlatform().EditedSinceSet(editor->native)) {
            return;
        }
        Platform& platform = RunningPlatform();
        const Platform::EditorView before = platform.View(editor->native);
        const std::u16string shown = EditorUtf16OfWindows1252(text);
        platform.SetText(editor->native, shown);
        platform.SetView(editor->native, ViewKeptIn(before, shown));
        editor->writtenText = text;
    }
}

int ReadGadgetState(int gadget) {
    const GadgetRecord* record = Gadget(gadget);
    if (record == nullptr ||
        (record->kind != GadgetKind::Check && record->kind != GadgetKind::List)) {
        return 0;
    }
    return RunningPlatform().State(record->native);
}

void SetGadgetAccessibleName(int gadget, const std::string& name) {
    if (const GadgetRecord* record = Gadget(gadget)) {
        const Core::Silence silence(*RunningCore());
        RunningPlatform().SetAccessibleName(record->native, Utf16OfWindows1252(name));
    }
}

void SetGadgetColour(int gadget, ColourType type, Colour colour) {
    GadgetRecord* record = Gadget(gadget);
    if (record == nullptr || !TakesColours(record->kind)) {
        return;
    }
    (type == ColourType::Text ? record->colours.text : record->colours.background) = colour;
    ShowColours(RunningPlatform(), *record);
}

// Gadgets without colours of the caller's are given them too: a realisation may keep colours
// of its own beside them, the editor's selection for one.
void Core::DesktopColoursChanged() {
    for (const auto& [number, record] : gadgets) {
        if (TakesColours(record.kind)) {
            ShowColours(*platform, record);
        }
    }
}

Handle LoadNumberedFont(int font, const std::string& name, int size) {
    Core* core = RunningCore();
    if (core == nullptr || !IsObjectNumber(font)) {
        return 0;
    }
    if (const auto old = core->fonts.find(font); old != core->fonts.end()) {
        core->platform->ReleaseFont(old->second);
        core->fonts.erase(old);
    }
    const NativeId native = size < 1 ? 0 : core->platform->LoadFont(Utf16OfWindows1252(name), size);
    if (native != 0) {
        core->fonts[font] = native;
    }
    return static_cast<Handle>(native);
}

Handle FontHandle(int font) {
    const Core* core = RunningCore();
    if (core == nullptr || !core->fonts.contains(font)) {
        return 0;
    }
    return static_cast<Handle>(core->fonts.at(font));
}

// A handle that names no loaded font, 0 included, shows the plain system font.
void AssignGadgetFont(int gadget, Handle fontHandle) {
    const GadgetRecord* record = Gadget(gadget);
    if (record == nullptr) {
        return;
    }
    Platform& platform = RunningPlatform();
    if (fontHandle == -1) {
        platform.SetFont(record->native, FontChoice::DefaultWidgetFont, 0);
        return;
    }
    for (const auto& [number, font] : RunningCore()->fonts) {
        if (static_cast<Handle>(font) == fontHandle) {
            platform.SetFont(record->native, FontChoice::Loaded, font);
            return;
        }
    }
    platform.SetFont(record->native, FontChoice::PlainSystemFont, 0);
}

Answer AskUser(const std::string& title, const std::string& text, AskFlags) {
    Core* core = RunningCore();
    return core == nullptr
               ? Answer::NotShown
               : core->platform->AskYesNo(Utf16OfWindows1252(title), Utf16OfWindows1252(text));
}

}  // namespace quillmoor::toolkit
