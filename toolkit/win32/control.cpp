#include "toolkit/win32/control.h"

#include "toolkit/win32/dpi.h"

namespace quillmoor::toolkit::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;
// Where a control's window keeps its Control, for the parent that hands on its notifications.
constexpr wchar_t kControlProperty[] = L"Quillmoor.Control";

LRESULT CALLBACK ControlProc(HWND /*window*/, UINT message, WPARAM wParam, LPARAM lParam,
                             UINT_PTR /*id*/, DWORD_PTR control) {
    return reinterpret_cast<Control*>(control)->Subclassed(message, wParam, lParam);
}

bool IsShiftOrControl(WPARAM keys) {
    return (keys & (MK_SHIFT | MK_CONTROL)) != 0;
}

// Only the selected tab counts as pressed. Wine's tab control leaves the old tab pressed when
// the arrow keys change the selection, and then takes every later click on a tab for a click
// that lets go of pressed buttons: the tabs no longer answer the mouse. Windows keeps the
// state itself, so there this changes nothing.
void KeepOnlySelectedTabPressed(HWND tabs) {
    const int selected = TabCtrl_GetCurSel(tabs);
    for (int index = 0; index < TabCtrl_GetItemCount(tabs); ++index) {
        TCITEMW item{};
        item.mask = TCIF_STATE;
        item.dwStateMask = TCIS_BUTTONPRESSED;
        item.dwState = index == selected ? TCIS_BUTTONPRESSED : 0;
        TabCtrl_SetItem(tabs, index, &item);
    }
}

}  // namespace

Control* ControlOf(HWND window) {
    return window == nullptr ? nullptr : static_cast<Control*>(GetPropW(window, kControlProperty));
}

Control::Control(HWND window, GadgetKind kind, Placement placement, Happenings& happenings,
                 ScaledFont& font)
    : window_(window), kind_(kind), placement_(placement), happenings_(happenings), font_(&font) {
    SetPropW(window_, kControlProperty, this);
    SetWindowSubclass(window_, ControlProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

Control::~Control() {
    if (backgroundBrush_ != nullptr) {
        DeleteObject(backgroundBrush_);
    }
}

void Control::Command(WORD code) {
    switch (kind_) {
        case GadgetKind::Button:
        case GadgetKind::Check:
            if (code == BN_CLICKED) {
                happenings_.Clicked(Id());
            }
            break;
        case GadgetKind::Text:
            if (code == EN_CHANGE) {
                happenings_.TextChanged(Id());
            } else if (code == EN_SETFOCUS) {
                happenings_.FocusIn(Id());
            } else if (code == EN_KILLFOCUS) {
                happenings_.FocusOut(Id());
            }
            break;
        // The list box may say LBN_SELCHANGE on a release of the button that moved nothing;
        // the selection is compared with the one before the input.
        case GadgetKind::List:
            if (code == LBN_SELCHANGE) {
                const int selected = static_cast<int>(SendMessageW(window_, LB_GETCURSEL, 0, 0));
                if (selected != lastSelection_) {
                    lastSelection_ = selected;
                    happenings_.SelectionChanged(Id());
                }
            }
            break;
        case GadgetKind::Panel:
        case GadgetKind::Editor:
            break;
    }
}

LRESULT Control::Notify(const NMHDR& header) {
    if (kind_ == GadgetKind::Panel && header.code == TCN_SELCHANGING) {
        happenings_.TabChanging(Id());
    } else if (kind_ == GadgetKind::Panel && header.code == TCN_SELCHANGE) {
        KeepOnlySelectedTabPressed(window_);
        happenings_.TabChanged(Id(), TabCtrl_GetCurSel(window_));
    }
    return 0;
}

LRESULT Control::AnswerColourRequest(HDC context, LRESULT defaultBrush) const {
    if (text_ != -1) {
        SetTextColor(context, static_cast<COLORREF>(text_));
    }
    if (background_ == -1) {
        return defaultBrush;
    }
    SetBkColor(context, static_cast<COLORREF>(background_));
    return reinterpret_cast<LRESULT>(backgroundBrush_);
}

void Control::SetColour(ColourType type, Colour colour) {
    if (type == ColourType::Text) {
        text_ = colour;
    } else {
        background_ = colour;
        const HBRUSH replaced = backgroundBrush_;
        backgroundBrush_ = colour != -1 && kind_ != GadgetKind::Editor
                               ? CreateSolidBrush(static_cast<COLORREF>(colour))
                               : nullptr;
        if (replaced != nullptr) {
            DeleteObject(replaced);
        }
    }
    if (kind_ == GadgetKind::Editor) {
        ApplyEditorColours();
    }
    InvalidateRect(window_, nullptr, TRUE);
}

// The rich edit control paints itself: it takes its colours as messages, and forgets the text
// colour when it is given a font.
void Control::ApplyEditorColours() const {
    SendMessageW(window_, EM_SETBKGNDCOLOR, background_ == -1 ? 1 : 0,
                 static_cast<LPARAM>(background_ == -1 ? 0 : background_));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.dwEffects = text_ == -1 ? CFE_AUTOCOLOR : 0;
    format.crTextColor = static_cast<COLORREF>(text_ == -1 ? 0 : text_);
    SendMessageW(window_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(window_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void Control::SetFont(ScaledFont& font) {
    font_ = &font;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->At(DpiOfWindow(window_))),
                 TRUE);
    if (kind_ == GadgetKind::Editor) {
        ApplyEditorColours();
    }
}

void Control::Lay(int dpi) {
    SetWindowPos(window_, nullptr, ScaledToDpi(placement_.x, dpi), ScaledToDpi(placement_.y, dpi),
                 ScaledToDpi(placement_.width, dpi), ScaledToDpi(placement_.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->At(dpi)), TRUE);
    if (kind_ == GadgetKind::Editor) {
        ApplyEditorColours();
    }
}

void Control::SelectionSettled() {
    lastSelection_ = static_cast<int>(SendMessageW(window_, LB_GETCURSEL, 0, 0));
}

// The row of tabs is what lies above the display area.
bool Control::OnTabRow(LPARAM point) const {
    RECT display;
    GetClientRect(window_, &display);
    TabCtrl_AdjustRect(window_, FALSE, &display);
    return GET_Y_LPARAM(point) < display.top;
}

LRESULT Control::Subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    if (kind_ == GadgetKind::List) {
        switch (message) {
            case WM_KEYDOWN:
                SelectionSettled();
                break;
            // The press selects the item under the pointer; the list would say so only on the
            // release, after a drag that the press began.
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN: {
                SelectionSettled();
                happenings_.ListPressed(Id(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam),
                                        message == WM_LBUTTONDOWN, IsShiftOrControl(wParam));
                const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
                Command(LBN_SELCHANGE);
                return result;
            }
            case WM_MOUSEMOVE:
                happenings_.ListMoved(Id(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
                break;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
                happenings_.ListReleased(Id(), message == WM_LBUTTONUP);
                break;
            // The list selects the item under the pointer first, as the double-click's first
            // click already did.
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDBLCLK: {
                SelectionSettled();
                const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
                happenings_.ListDoubleClicked(Id(), message == WM_LBUTTONDBLCLK);
                return result;
            }
            default:
                break;
        }
    } else if (kind_ == GadgetKind::Panel && (message == WM_LBUTTONUP || message == WM_RBUTTONUP) &&
               OnTabRow(lParam)) {
        const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
        happenings_.TabRowReleased(Id(), message == WM_LBUTTONUP);
        return result;
    }
    // The rich edit control types a soft line break, a vertical tab, on Shift+Return; the
    // editor's lines end in paragraphs only.
    if (kind_ == GadgetKind::Editor && message == WM_KEYDOWN && wParam == VK_RETURN &&
        GetKeyState(VK_SHIFT) < 0 && (GetWindowLongW(window_, GWL_STYLE) & ES_READONLY) == 0) {
        SendMessageW(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r"));
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(window_, kControlProperty);
        RemoveWindowSubclass(window_, ControlProc, kSubclassId);
    }
    return DefSubclassProc(window_, message, wParam, lParam);
}

}  // namespace quillmoor::toolkit::win32
