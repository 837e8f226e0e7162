// Widgets: creating gadgets in the current container, their items, texts, states and
// accessible names, their colours as the desktop changes, the font number space and the fonts
// gadgets show, and the Yes/No box. A change that makes a widget report a happening runs under
// Core::Silence: the caller's changes post no event.

#include <algorithm>
#include <string_view>

#include "toolkit/core/core.h"
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
Platform::EditorView ViewKeptIn(Platform::EditorView view, std::u16string_view text) {
    const auto lastLine = static_cast<int>(std::count(text.begin(), text.end(), u'\n'));
    view.firstLine = std::clamp(view.firstLine, 0, lastLine);
    view.caretLine = std::clamp(view.caretLine, 0, lastLine);
    std::size_t lineStart = 0;
    for (int line = 0; line < view.caretLine; ++line) {
        lineStart = text.find(u'\n', lineStart) + 1;
    }
    const std::size_t lineEnd = std::min(text.find(u'\n', lineStart), text.size());
    view.caretColumn = std::clamp(view.caretColumn, 0, static_cast<int>(lineEnd - lineStart));
    return view;
}

}  // namespace

// Builds the widget first and only then gives it the number, destroying what the number named
// before; when it cannot be built the number keeps its old gadget.
Handle Core::CreateGadget(int gadget, GadgetKind kind, Placement placement, const std::string& text,
                          bool readOnly) {
    const auto& current = containers_.Current();
    if (!decltype(gadgets_)::Accepts(gadget) || !current || current->isPanel) {
        return 0;
    }
    const Container page = *current;
    if (page.panel >= 0) {
        const GadgetRecord* panel = Find(page.panel, GadgetKind::Panel);
        if (panel == nullptr || std::find(panel->pages.begin(), panel->pages.end(), page.native) ==
                                    panel->pages.end()) {
            return 0;
        }
        // Replacing the gadget that holds the current page would destroy the new gadget with it.
        if (gadget == page.panel || Holds(gadget, page.panel)) {
            return 0;
        }
    } else if (WindowHandle(page.window) != static_cast<Handle>(page.native)) {
        return 0;
    }
    placement.width = std::max(placement.width, 0);
    placement.height = std::max(placement.height, 0);
    const NativeId native = BuildGadget(gadget, kind, page, placement, text, readOnly);
    // The first gadget or menu event the caller sees comes from the user, not from input that
    // was pending while the form was built. That input still has its effect, a tab it selected
    // shows its page; only its events go, so it is not handled in silence.
    if (native != 0 && kind == GadgetKind::Editor) {
        platform_->HandleInput(false);
        queue_.DiscardInputEvents();
    }
    return static_cast<Handle>(native);
}

NativeId Core::BuildGadget(int gadget, GadgetKind kind, const Container& page, Placement placement,
                           const std::string& text, bool readOnly) {
    const Silence silence(*this);
    const NativeId native =
        platform_->CreateGadget(page.native, {kind, placement, Utf16OfWindows1252(text), readOnly});
    if (native == 0) {
        return 0;
    }
    DestroyGadget(gadget);
    auto record = std::make_unique<GadgetRecord>();
    record->kind = kind;
    record->native = native;
    record->window = page.window;
    record->panel = page.panel;
    record->page = page.panel >= 0 ? page.native : 0;
    record->serial = nextSerial_++;
    gadgets_.Replace(gadget, std::move(record));
    gadgetByNative_[native] = gadget;
    if (kind == GadgetKind::Panel) {
        containers_.Push(Container{page.window, native, gadget, true});
    }
    return native;
}

void Core::InsertGadgetItem(int gadget, int position, const std::string& text) {
    const Silence silence(*this);
    if (GadgetRecord* panel = Find(gadget, GadgetKind::Panel)) {
        const auto index = InsertionIndex(position, static_cast<int>(panel->pages.size()));
        if (!index) {
            return;
        }
        const NativeId page = platform_->InsertTab(panel->native, *index, Utf16OfWindows1252(text));
        // A tab the platform could not add has no page to record: the later tabs' indexes
        // must go on naming their own pages.
        if (page == 0) {
            return;
        }
        panel->pages.insert(panel->pages.begin() + *index, page);
        if (panel->shownPage == 0) {
            panel->shownPage = page;
        }
        platform_->ShowPage(page, page == panel->shownPage);
        containers_.ReplaceCurrent(Container{panel->window, page, gadget, false});
    } else if (GadgetRecord* list = Find(gadget, GadgetKind::List)) {
        const auto index = InsertionIndex(position, static_cast<int>(list->items.size()));
        if (index && platform_->InsertItem(list->native, *index, Utf16OfWindows1252(text))) {
            list->items.insert(list->items.begin() + *index, text);
        }
    }
}

void Core::DeleteGadgetItem(int gadget, int index) {
    GadgetRecord* list = Find(gadget, GadgetKind::List);
    if (list == nullptr || index < 0 || index >= static_cast<int>(list->items.size())) {
        return;
    }
    const Silence silence(*this);
    const int selected = platform_->State(list->native);
    platform_->RemoveItem(list->native, index);
    list->items.erase(list->items.begin() + index);
    // Only a selection on another item survives, so that a second delete removes nothing the
    // user did not choose; a platform may have moved the selection while removing.
    if (selected < 0 || selected == index) {
        platform_->ClearSelection(list->native);
    }
}

int Core::GadgetItemCount(int gadget) const {
    const GadgetRecord* list = Find(gadget, GadgetKind::List);
    return list == nullptr ? 0 : static_cast<int>(list->items.size());
}

std::string Core::ReadGadgetItemText(int gadget, int index) const {
    const GadgetRecord* list = Find(gadget, GadgetKind::List);
    if (list == nullptr || index < 0 || index >= static_cast<int>(list->items.size())) {
        return {};
    }
    return list->items[static_cast<std::size_t>(index)];
}

std::string Core::ReadGadgetText(int gadget) const {
    if (const GadgetRecord* field = Find(gadget, GadgetKind::Text)) {
        return Windows1252OfUtf16(platform_->Text(field->native));
    }
    if (const GadgetRecord* editor = Find(gadget, GadgetKind::Editor)) {
        return EditorWindows1252OfUtf16(platform_->Text(editor->native));
    }
    return {};
}

// Writing the text an editor already shows, into an editor the user has not changed since,
// would only lay the whole document out again (the panel regenerates twice per tab click) and
// move the view back to the top; the editor is left as it is instead.
void Core::WriteGadgetText(int gadget, const std::string& text) {
    const Silence silence(*this);
    if (const GadgetRecord* field = Find(gadget, GadgetKind::Text)) {
        platform_->SetText(field->native, Utf16OfWindows1252(text));
    } else if (GadgetRecord* editor = Find(gadget, GadgetKind::Editor)) {
        if (editor->writtenText == text && !platform_->EditedSinceSet(editor->native)) {
            return;
        }
        const Platform::EditorView before = platform_->View(editor->native);
        const std::u16string shown = EditorUtf16OfWindows1252(text);
        platform_->SetText(editor->native, shown);
        platform_->SetView(editor->native, ViewKeptIn(before, shown));
        editor->writtenText = text;
    }
}

int Core::ReadGadgetState(int gadget) const {
    if (const GadgetRecord* box = Find(gadget, GadgetKind::Check)) {
        return platform_->State(box->native);
    }
    if (const GadgetRecord* list = Find(gadget, GadgetKind::List)) {
        return platform_->State(list->native);
    }
    return 0;
}

void Core::SetGadgetAccessibleName(int gadget, const std::string& name) {
    const Silence silence(*this);
    if (const GadgetRecord* record = gadgets_.Find(gadget)) {
        platform_->SetAccessibleName(record->native, Utf16OfWindows1252(name));
    }
}

void Core::SetGadgetColour(int gadget, ColourType type, Colour colour) {
    GadgetRecord* record = gadgets_.Find(gadget);
    if (record == nullptr || !TakesColours(record->kind)) {
        return;
    }
    (type == ColourType::Text ? record->colours.text : record->colours.background) = colour;
    ShowColours(*record);
}

// Both colours go every time: they are chosen as a pair.
void Core::ShowColours(const GadgetRecord& record) {
    const GadgetColours shown = ColoursToShow(
        record.colours, platform_->DesktopTextColour(record.native), platform_->HighContrastOn());
    platform_->SetColour(record.native, ColourType::Text, shown.text);
    platform_->SetColour(record.native, ColourType::Background, shown.background);
}

// Gadgets without colours of the caller's are asked too: a realisation may keep colours of its
// own beside them, the editor's selection for one.
void Core::DesktopColoursChanged() {
    for (const int gadget : gadgets_.Numbers()) {
        const GadgetRecord& record = *gadgets_.Find(gadget);
        if (TakesColours(record.kind)) {
            ShowColours(record);
        }
    }
}

Handle Core::LoadNumberedFont(int font, const std::string& name, int size) {
    if (!decltype(fonts_)::Accepts(font)) {
        return 0;
    }
    if (const std::unique_ptr<FontRecord> old = fonts_.Remove(font)) {
        platform_->ReleaseFont(old->native);
    }
    if (size < 1) {
        return 0;
    }
    const NativeId native = platform_->LoadFont(Utf16OfWindows1252(name), size);
    if (native == 0) {
        return 0;
    }
    fonts_.Replace(font, std::make_unique<FontRecord>(FontRecord{native}));
    return static_cast<Handle>(native);
}

Handle Core::FontHandle(int font) const {
    const FontRecord* record = fonts_.Find(font);
    return record == nullptr ? 0 : static_cast<Handle>(record->native);
}

// A handle that names no loaded font, 0 included, shows the plain system font.
void Core::AssignGadgetFont(int gadget, Handle fontHandle) {
    const GadgetRecord* record = gadgets_.Find(gadget);
    if (record == nullptr) {
        return;
    }
    if (fontHandle == -1) {
        platform_->SetFont(record->native, FontChoice::DefaultWidgetFont, 0);
        return;
    }
    for (const int font : fonts_.Numbers()) {
        if (FontHandle(font) == fontHandle) {
            platform_->SetFont(record->native, FontChoice::Loaded, fonts_.Find(font)->native);
            return;
        }
    }
    platform_->SetFont(record->native, FontChoice::PlainSystemFont, 0);
}

Answer Core::AskUser(const std::string& title, const std::string& text) {
    return platform_->AskYesNo(Utf16OfWindows1252(title), Utf16OfWindows1252(text));
}

}  // namespace quillmoor::toolkit
