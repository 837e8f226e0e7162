#pragma once

// What the files of the realisation over plain Win32 share. win32_platform.cpp is the core's
// Platform and the program's one message loop; form_window.cpp the window procedure of forms and
// of tab pages; each kind of control has a file of its own, which makes its window and answers
// for it as a Control.

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/core/platform.h"
#include "toolkit/win32/window_text.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// --- Windows' own libraries (win32_platform.cpp) -------------------------------------------

// The library of that file name from the system folder; nullptr when it is not there. A DLL of
// the same name in the program's folder (a Downloads folder, say) or in the current one is
// never loaded in its place.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

// A function of a library looked up at run time, as a pointer of its type; nullptr where the
// library or the function is missing.
template <typename Call>
Call LibraryCall(HMODULE library, const char* name) {
    return library == nullptr
               ? nullptr
               : reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Whether the key is down while the message being handled was sent.
inline bool IsHeld(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

// Handles every message pending for the thread. Each input is first reported to happenings,
// and a key press goes to the core before its window sees it: a key the core takes is never
// translated into characters nor dispatched. Run while the program waits for an event, and by
// a test driver after it has posted its input.
void DeliverPendingMessages(Happenings& happenings);

// --- Density (dpi.cpp) ---------------------------------------------------------------------

// Forms are laid out in pixels of a 96-dpi screen; each window shows them at its own monitor's
// density. The per-monitor calls arrived with Windows 8.1 and 10 and are looked up at run time,
// so that the program still starts where they are missing and then stays at the system's
// density.
inline constexpr int kLayoutDpi = 96;

// The density of the primary monitor when the program started, which Windows scales the windows
// of programs unaware of density to.
int SystemDpi();
// The density the window is shown at; the system's when Windows cannot say per window.
int DpiOfWindow(HWND window);
// The density of the monitor that holds the most of the rectangle, or the nearest one.
int DpiOfMonitorAt(const RECT& place);
// A system metric (GetSystemMetrics) at the given density.
int SystemMetricAt(int metric, int dpi);
// The outer rectangle around a client area of the given size, for the window's style at dpi.
RECT OuterRectOf(RECT client, DWORD style, DWORD exStyle, int dpi);

inline int ScaledToDpi(int layoutPixels, int dpi) {
    return MulDiv(layoutPixels, dpi, kLayoutDpi);
}

// A font as the toolkit hands it out: one face and size, made as a GDI font for each density
// that a window showing it is on.
class ScaledFont {
public:
    // size points of the family, normal weight, no style; nullopt when GDI cannot make it.
    static std::optional<ScaledFont> OfFamily(const std::wstring& family, int points);
    // The desktop's dialog font, at the size the desktop gives it.
    static ScaledFont DialogFont();
    // A stock font, the same at every density.
    static ScaledFont Stock(int stockObject);

    ScaledFont(ScaledFont&& other) noexcept;
    ScaledFont& operator=(ScaledFont&&) = delete;
    ScaledFont(const ScaledFont&) = delete;
    ScaledFont& operator=(const ScaledFont&) = delete;
    ~ScaledFont();

    HFONT At(int dpi);

private:
    ScaledFont(LOGFONTW description, int describedAtDpi, HFONT stock);

    LOGFONTW description_;
    int describedAtDpi_;
    HFONT stock_;
    std::map<int, HFONT> made_;
};

// Whether the user has high contrast on, as SPI_GETHIGHCONTRAST says; off when it cannot say.
// Alone in high_contrast.cpp, so that a test can link a stand-in in its place: Wine cannot
// switch high contrast on.
bool HighContrastOn();

// --- Controls (control.cpp, and a file for each kind) --------------------------------------

// One widget of a form. The control's procedure hears the messages sent to its window, and its
// parent hands it the notifications and colour requests about it; each kind answers those it
// has behaviour for, and reports to the core. The window owns its Control, which goes with it.
class Control {
public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The control that window is, or nullptr when it is none of ours.
    static Control* Of(HWND window);
    // Hands the window just made to its control: placed for its density, and answered for from
    // then on. nullptr, and the window gone, when Windows refuses the control's procedure.
    static HWND Attach(std::unique_ptr<Control> control);

    HWND Window() const { return window_; }
    NativeId Id() const { return reinterpret_cast<NativeId>(window_); }

    // A WM_COMMAND or WM_NOTIFY from this control, as its parent received it.
    virtual void OnCommand(WORD code);
    virtual LRESULT OnNotify(const NMHDR& header);
    // A WM_CTLCOLOR* for this control; defaultBrush is what the parent would answer.
    LRESULT AnswerColourRequest(HDC context, LRESULT defaultBrush) const;

    // The text shown; lines end with '\r' in an editor.
    virtual void SetText(const std::wstring& text);
    virtual std::wstring Text() const;
    // What the core reads as the gadget's state; 0 where the kind has none.
    virtual int State() const;
    virtual void TakeFocus(FocusCause cause);
    // A list's items: false when the list refuses one; nothing for other kinds.
    virtual bool InsertItem(int index, const std::wstring& text);
    virtual void RemoveItem(int index);
    virtual void ClearSelection();
    // A panel's new tab with an empty page at index; the page, nullptr for other kinds.
    virtual HWND InsertTab(int index, const std::wstring& caption);
    // Whether the user changed an editor's text since it was last set.
    virtual bool EditedSinceSet() const;
    // An editor's part of the text in view and its caret; other kinds keep no view.
    virtual Platform::EditorView View() const;
    virtual void SetView(const Platform::EditorView& view);

    // What assistive technology calls the control; "" leaves the name to Windows.
    void SetAccessibleName(std::wstring name);
    void SetColours(Colour text, Colour background);
    void SetFont(ScaledFont& font);
    bool Shows(const ScaledFont& font) const { return font_ == &font; }
    // Places and sizes the control again, with its font, when its window moves to a new density.
    virtual void PlaceForDpi(int dpi);

protected:
    Control(HWND window, Placement placement, Happenings& happenings, ScaledFont& font);

    // A message sent or posted to the window; the base hands it to the window's own procedure.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Shows the colours just set; the base has the control painted again, asking its parent.
    virtual void ShowColours();

    Happenings& ToCore() const { return happenings_; }
    Colour TextColour() const { return text_; }
    Colour BackgroundColour() const { return background_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
    // The procedure the window had before this one, which each message goes on to.
    WNDPROC previous_ = nullptr;
    Placement placement_;
    Happenings& happenings_;
    ScaledFont* font_;
    std::wstring accessibleName_;
    // What the parent answers the colour requests with; Windows keeps no colours for an edit
    // control or a list box.
    Colour text_ = kDefaultColour;
    Colour background_ = kDefaultColour;
};

// The Control of the kind for a window just made; nullptr when the window could not be made.
template <typename Kind>
HWND Made(HWND window, const GadgetRequest& request, Happenings& happenings, ScaledFont& font) {
    return window == nullptr ? nullptr
                             : Control::Attach(std::make_unique<Kind>(window, request.placement,
                                                                      happenings, font));
}

// A visible child window of parent, of the class with the given styles, in its place at the
// parent's density.
HWND CreateChild(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle,
                 Placement placement, const std::wstring& text = {});

// The controls of each kind, made visible in parent showing font: the window, or nullptr when
// it cannot be made.
HWND MakeTabPanel(HWND parent, const GadgetRequest& request, Happenings& happenings,
                  ScaledFont& font);
HWND MakeTextField(HWND parent, const GadgetRequest& request, Happenings& happenings,
                   ScaledFont& font);
HWND MakeButton(HWND parent, const GadgetRequest& request, Happenings& happenings,
                ScaledFont& font);
HWND MakeCheckBox(HWND parent, const GadgetRequest& request, Happenings& happenings,
                  ScaledFont& font);
HWND MakeListBox(HWND parent, const GadgetRequest& request, Happenings& happenings,
                 ScaledFont& font);
HWND MakeEditor(HWND parent, const GadgetRequest& request, Happenings& happenings,
                ScaledFont& font);

// A page that is not shown is hidden and disabled with all it holds; a shown one fills its
// panel's display area (tab_panel.cpp).
void ShowPage(HWND page, bool shown);

// The answer to a WM_GETOBJECT with these parameters: the object Windows itself would give the
// control's client area, with the name given. 0 when the request is for another of its objects
// or the object cannot be made, so that the message takes its usual course
// (named_accessible.cpp).
LRESULT AnswerWithName(HWND control, WPARAM wParam, LPARAM lParam, const std::wstring& name);

// --- The editor's rich edit control (editor.cpp) -------------------------------------------

// The window classes tried, newest first, each with the system library that registers it.
struct RichEditClass {
    const wchar_t* library;
    const wchar_t* className;
};
inline constexpr RichEditClass kRichEditClasses[] = {
    {L"riched20.dll", L"RichEdit20A"},
    {L"riched32.dll", L"RichEdit"},
};

// A plain-text rich edit control of the first class in the list that can be loaded and made;
// nullptr when none can. What the user types and copies stays exact.
HWND CreateRichEdit(HWND parent, std::initializer_list<RichEditClass> classes,
                    Placement placement = {});
// Its text, lines ended by a lone CR on the way in; on the way out as the control holds it,
// with CR (or CR LF in the older control) line ends.
void SetRichEditText(HWND editor, std::wstring_view text);
std::wstring RichEditText(HWND editor);

// --- Forms and pages (form_window.cpp) -----------------------------------------------------

// What a form says about itself as a whole.
class FormListener {
public:
    virtual void CloseRequested(HWND form) = 0;
    // Windows asks, before the form moves to a monitor of another density, what outer size it
    // will take there; false leaves Windows' own suggestion.
    virtual bool OuterSizeForDpi(HWND form, int dpi, SIZE& size) = 0;
    // The form moved to a monitor of another density; suggested is where Windows would put it.
    virtual void DpiChanged(HWND form, int dpi, const RECT& suggested) = 0;
    // The system's colours or settings changed, high contrast among them.
    virtual void DesktopColoursChanged() = 0;

protected:
    ~FormListener() = default;
};

inline constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
inline constexpr DWORD kFormExStyle = 0;

// Hidden, in the outer rectangle frame; the caller shows it.
HWND CreateForm(const wchar_t* title, const RECT& frame, FormListener& listener);
// Hidden and disabled, over the tab panel's display area once shown.
HWND CreatePage(HWND panel);
bool IsForm(HWND window);

// Where a form laid out as layout (its client size, and its outer corner) first goes: at the
// density of the monitor at that place, moved as little as needed to lie on its work area.
RECT FirstFrameOf(Placement layout);
// The outer size around layout's client size at dpi.
SIZE OuterSizeAt(Placement layout, int dpi);
// Puts the form's outer corner at corner and makes its client area layout's size at dpi.
void FrameForm(HWND form, Placement layout, POINT corner, int dpi);
// The program's icon, resource 1 of the executable, in the sizes of the caption and of the
// task switcher at dpi, in place of the ones it had; nothing when the executable has none.
void GiveProgramIcon(HWND form, int dpi);
// Takes the icons back, before the form is destroyed.
void TakeProgramIcon(HWND form);

}  // namespace quillmoor::toolkit::win32
