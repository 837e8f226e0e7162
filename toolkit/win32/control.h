#pragma once

// One widget of a form: its native window and what the toolkit keeps beside it. Each control
// hears its own notifications, which its parent hands on (ControlOf), and what its subclass
// sees of the mouse, and reports them to the core.

#include "toolkit/core/platform.h"
#include "toolkit/win32/scaled_font.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

class Control {
public:
    // Takes over the window: subclasses it, and gives it the font.
    Control(HWND window, GadgetKind kind, Placement placement, Happenings& happenings,
            ScaledFont& font);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Window() const { return window_; }
    NativeId Id() const { return reinterpret_cast<NativeId>(window_); }
    GadgetKind Kind() const { return kind_; }

    // A WM_COMMAND or WM_NOTIFY from this control, as its parent received it.
    void Command(WORD code);
    LRESULT Notify(const NMHDR& header);
    // A WM_CTLCOLOR* for this control; defaultBrush is what the parent would answer.
    LRESULT AnswerColourRequest(HDC context, LRESULT defaultBrush) const;

    void SetColour(ColourType type, Colour colour);
    void SetFont(ScaledFont& font);
    bool Shows(const ScaledFont& font) const { return font_ == &font; }
    // Places and sizes the control for the density of its window, with its font.
    void Lay(int dpi);

    LRESULT Subclassed(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void ApplyEditorColours() const;
    // Takes a list's selection as the one to compare the next LBN_SELCHANGE with.
    void SelectionSettled();
    bool OnTabRow(LPARAM point) const;

    HWND window_;
    GadgetKind kind_;
    Placement placement_;
    Happenings& happenings_;
    ScaledFont* font_;
    Colour text_ = -1;
    Colour background_ = -1;
    HBRUSH backgroundBrush_ = nullptr;
    int lastSelection_ = -1;
};

// The control that window is, or nullptr when it is none of ours.
Control* ControlOf(HWND window);

}  // namespace quillmoor::toolkit::win32
