#include "toolkit/win32/control_factory.h"

#include <string>

#include "toolkit/win32/buttons.h"
#include "toolkit/win32/caption_fit.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/editor.h"
#include "toolkit/win32/list_box.h"
#include "toolkit/win32/rich_edit.h"
#include "toolkit/win32/tab_panel.h"
#include "toolkit/win32/text_field.h"
#include "toolkit/win32/wide_text.h"

namespace quillmoor::toolkit::win32 {

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

HWND CreateChild(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle,
                 const std::wstring& text = {}) {
    return CreateWindowExW(exStyle, className, text.c_str(), kChildStyle | style, 0, 0, 0, 0,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND CreateTextField(HWND parent, const std::wstring& text, bool readOnly) {
    const HWND field = CreateChild(parent, L"EDIT", ES_AUTOHSCROLL | (readOnly ? ES_READONLY : 0),
                                   WS_EX_CLIENTEDGE, text);
    if (field != nullptr) {
        // 0 lifts the limit of 32767 characters to the largest the control can hold.
        SendMessageW(field, EM_SETLIMITTEXT, 0, 0);
        KeepCaptionWhole(field);
    }
    return field;
}

// The Control of the kind for a window just made, placed for the density it is shown at.
template <typename Kind>
std::unique_ptr<Control> Made(HWND window, const GadgetRequest& request, Happenings& happenings,
                              ScaledFont& font) {
    if (window == nullptr) {
        return nullptr;
    }
    auto control = std::make_unique<Kind>(window, request.placement, happenings, font);
    control->PlaceForDpi(DpiOfWindow(window));
    return control;
}

}  // namespace

std::unique_ptr<Control> MakeControl(HWND parent, const GadgetRequest& request,
                                     Happenings& happenings, ScaledFont& font) {
    const std::wstring text = NativeText(request.text);
    switch (request.kind) {
        case GadgetKind::Panel:
            return Made<TabPanel>(
                CreateChild(parent, WC_TABCONTROLW,
                            WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FOCUSONBUTTONDOWN, 0),
                request, happenings, font);
        case GadgetKind::Text:
            return Made<TextField>(CreateTextField(parent, text, request.readOnly), request,
                                   happenings, font);
        case GadgetKind::Check:
            return Made<CheckBox>(CreateChild(parent, L"BUTTON", BS_AUTOCHECKBOX, 0, text), request,
                                  happenings, font);
        case GadgetKind::List:
            return Made<ListBox>(
                CreateChild(parent, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                            WS_EX_CLIENTEDGE),
                request, happenings, font);
        case GadgetKind::Button:
            return Made<Button>(CreateChild(parent, L"BUTTON", BS_PUSHBUTTON, 0, text), request,
                                happenings, font);
        case GadgetKind::Editor:
            return Made<Editor>(CreateRichEdit(parent, {kRichEditClasses[0], kRichEditClasses[1]}),
                                request, happenings, font);
    }
    return nullptr;
}

}  // namespace quillmoor::toolkit::win32
