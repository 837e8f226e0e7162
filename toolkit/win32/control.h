#pragma once

// One widget of a form: its native window and what the toolkit keeps beside it. The parent
// window hands each control the notifications and colour requests about it (ControlOf), and
// the control's subclass hears the messages sent to the window itself; each kind of control
// answers those it has behaviour for, in a file of its own, and reports to the core.

#include <string>

#include "toolkit/core/platform.h"
#include "toolkit/win32/scaled_font.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Window() const { return window_; }
    NativeId Id() const { return reinterpret_cast<NativeId>(window_); }

    // A WM_COMMAND or WM_NOTIFY from this control, as its parent received it.
    virtual void OnCommand(WORD code);
    virtual LRESULT OnNotify(const NMHDR& header);
    // A WM_CTLCOLOR* for this control; defaultBrush is what the parent would answer.
    virtual LRESULT AnswerColourRequest(HDC context, LRESULT defaultBrush) const;

    // The text shown; lines end with '\n' in an editor.
    virtual void SetText(const std::wstring& text);
    virtual std::wstring Text() const;
    // What the core reads as the gadget's state; 0 where the kind has none.
    virtual int State() const;
    virtual void TakeFocus(FocusCause cause);

    // What assistive technology calls the control; "" leaves the name to Windows.
    void SetAccessibleName(std::wstring name);
    void SetColour(ColourType type, Colour colour);
    void SetFont(ScaledFont& font);
    bool Shows(const ScaledFont& font) const { return font_ == &font; }
    // Places and sizes the control for the density of its window, with its font.
    virtual void PlaceForDpi(int dpi);

protected:
    // Takes over the window: subclasses it, and answers for it from then on.
    Control(HWND window, Placement placement, Happenings& happenings, ScaledFont& font);

    // A message sent or posted to the window; the base hands it to the window's own procedure.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Shows a colour just set; the base makes the brush its parent answers with.
    virtual void ShowColour(ColourType changed);

    Happenings& ToCore() const { return happenings_; }
    Colour TextColour() const { return text_; }
    Colour BackgroundColour() const { return background_; }

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR control);

    HWND window_;
    Placement placement_;
    Happenings& happenings_;
    ScaledFont* font_;
    std::wstring accessibleName_;
    Colour text_ = kDefaultColour;
    Colour background_ = kDefaultColour;
    HBRUSH backgroundBrush_ = nullptr;
};

// The control that window is, or nullptr when it is none of ours.
Control* ControlOf(HWND window);

}  // namespace quillmoor::toolkit::win32
