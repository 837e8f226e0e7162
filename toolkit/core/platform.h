#pragma once

// The seam between the toolkit's core and a realisation over one windowing system.
//
// The core owns every rule of the toolkit: the number spaces, the event queue, the shortcut
// tables, the focus order, what each user action means. A realisation only makes, changes and
// destroys native objects when the core asks (Platform), and reports what the user did to them
// (Happenings), without judging it. Native objects cross the seam as NativeIds that the
// realisation hands out; texts cross it as UTF-16, the core doing the Windows-1252 conversion.

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/core/gadget_kind.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

// A native window, widget, page or font as the realisation names it; 0 names nothing.
using NativeId = std::uintptr_t;

struct Placement {
    int x;
    int y;
    int width;
    int height;
};

// What a gadget is made with; text and readOnly only where the kind has them.
struct GadgetRequest {
    GadgetKind kind;
    Placement placement;
    std::u16string text;
    bool readOnly;
};

enum class FocusCause { Program, TabForward, TabBackward };

// The font a gadget shows: a loaded one, or one of the platform's own.
enum class FontChoice { Loaded, DefaultWidgetFont, PlainSystemFont };

// Implemented by each realisation; called by the core only.
class Platform {
public:
    virtual ~Platform() = default;

    // The program's name as the windowing system lists it, and the name of its icon among the
    // program's resources, for the windows opened from now on.
    virtual void DescribeProgram(const std::string& name, const std::string& iconResource) = 0;

    // Shown at once, the client area innerWidth x innerHeight, the outer corner at (x, y).
    // 0 when it cannot be made.
    virtual NativeId OpenWindow(Placement outer, const std::u16string& title) = 0;
    // Destroys the window and every widget in it.
    virtual void CloseWindow(NativeId window) = 0;

    // A visible widget in the window or page `parent`, placed relative to its inner area;
    // 0 when it cannot be made.
    virtual NativeId CreateGadget(NativeId parent, const GadgetRequest& request) = 0;
    // Destroys the widget and whatever lies inside it.
    virtual void DestroyGadget(NativeId gadget) = 0;

    // A tab with an empty page at index; returns the page, a container for new widgets.
    virtual NativeId InsertTab(NativeId panel, int index, const std::u16string& caption) = 0;
    // A page that is not shown is hidden and disabled with all it holds; a shown one fills the
    // panel's display area.
    virtual void ShowPage(NativeId page, bool shown) = 0;

    // False when the list could not take the item. The core keeps the items it gave a list
    // and reads them back from there: every item text passes through a list unchanged, and a
    // read that asked the list would cost a round trip per item.
    virtual bool InsertItem(NativeId list, int index, const std::u16string& text) = 0;
    virtual void RemoveItem(NativeId list, int index) = 0;
    // Leaves no item selected, and none that a later removal would select in its place.
    virtual void ClearSelection(NativeId list) = 0;

    // Text fields and editors. An editor's lines end with a lone '\r' on the way in, as the
    // program writes them; on the way out "\r\n", '\r', '\n', U+2028 and U+2029 each end one line.
    virtual void SetText(NativeId gadget, const std::u16string& text) = 0;
    virtual std::u16string Text(NativeId gadget) const = 0;
    // Whether a text field or editor refuses the user's typing.
    virtual bool ReadOnly(NativeId gadget) const = 0;
    // Whether the user changed the editor since its text was last set.
    virtual bool EditedSinceSet(NativeId editor) const = 0;
    // The part of an editor's text in view and its caret: lines count from 0, columns in
    // UTF-16 units, the horizontal scroll in the realisation's own unit. A view that is set
    // names a line and column the text has; the editor shows it as near as it can scroll.
    struct EditorView {
        int firstLine = 0;
        int horizontalScroll = 0;
        int caretLine = 0;
        int caretColumn = 0;
        friend bool operator==(const EditorView&, const EditorView&) = default;
    };
    virtual EditorView View(NativeId editor) const = 0;
    // The caret goes first, so that moving it into view moves no scrolling that is set.
    virtual void SetView(NativeId editor, const EditorView& view) = 0;
    // A check box: 1 ticked, 0 not. A list: the selected index, -1 for none.
    virtual int State(NativeId gadget) const = 0;
    // The name assistive technology reads for the widget; "" leaves it to the platform.
    virtual void SetAccessibleName(NativeId gadget, const std::u16string& name) = 0;

    // The two colours a field, list or editor shows, always handed together; kDefaultColour
    // leaves one to the desktop, following it when it changes.
    virtual void SetColours(NativeId gadget, Colour text, Colour background) = 0;
    // The colour the desktop draws the gadget's text in where the toolkit sets none; never
    // kDefaultColour.
    virtual Colour DesktopTextColour(NativeId gadget) const = 0;
    // Whether the user asked every program for the desktop's high-contrast colours alone.
    virtual bool HighContrastOn() const = 0;
    // A font of the family at size points, scaled by the screen; 0 when it cannot be made.
    virtual NativeId LoadFont(const std::u16string& family, int points) = 0;
    virtual void ReleaseFont(NativeId font) = 0;
    virtual void SetFont(NativeId gadget, FontChoice choice, NativeId loadedFont) = 0;

    virtual void Focus(NativeId gadget, FocusCause cause) = 0;
    // The gadget or window that holds the keyboard focus, 0 when none of ours does.
    virtual NativeId FocusedObject() const = 0;

    // How far the pointer moves, in pixels along either axis, before a press becomes a drag.
    virtual int DragDistance() const = 0;

    // The modal Yes/No box; Answer::NotShown when it cannot be shown.
    virtual Answer AskYesNo(const std::u16string& title, const std::u16string& text) = 0;

    // Handles the platform input pending now; with wait, first sleeps until there is some.
    virtual void HandleInput(bool wait) = 0;
};

// Implemented by the core; called by a realisation as the user acts. Every NativeId names the
// toolkit object (window or gadget) that the happening concerns.
class Happenings {
public:
    // Each platform input from the user (a key, a mouse action, a close request) starts here,
    // before it is delivered, so that events keep the order of the inputs.
    virtual void InputArrived() = 0;

    // A key press in `target` with its virtual-key code plus modifier bits. True when the core
    // took the key: it must then not reach the widget. WouldTakeKey asks the same without
    // acting on it.
    virtual bool WouldTakeKey(NativeId target, std::int32_t shortcut) const = 0;
    virtual bool KeyPressed(NativeId target, std::int32_t shortcut) = 0;

    virtual void CloseRequested(NativeId window) = 0;

    virtual void Clicked(NativeId gadget) = 0;  // a push button or check box
    virtual void TextChanged(NativeId field) = 0;
    virtual void FocusIn(NativeId field) = 0;
    virtual void FocusOut(NativeId field) = 0;

    // A list box; x and y in the list's own pixels.
    virtual void ListPressed(NativeId list, int x, int y, bool leftButton, bool shiftOrControl) = 0;
    virtual void ListMoved(NativeId list, int x, int y) = 0;
    virtual void ListReleased(NativeId list, bool leftButton) = 0;
    // The list lost the mouse to another window while a button was down: no release follows.
    virtual void ListCaptureLost(NativeId list) = 0;
    virtual void ListDoubleClicked(NativeId list, bool leftButton) = 0;
    virtual void SelectionChanged(NativeId list) = 0;

    // A tab panel: the selection is about to leave its tab, then has moved to newIndex.
    virtual void TabChanging(NativeId panel) = 0;
    virtual void TabChanged(NativeId panel, int newIndex) = 0;
    virtual void TabRowReleased(NativeId panel, bool leftButton) = 0;

    // The desktop's colours changed, or its high contrast went on or off: a switch of theme.
    virtual void DesktopColoursChanged() = 0;

protected:
    ~Happenings() = default;
};

// Defined by the realisation that is linked in: connects to the windowing system and reports
// to `happenings` from then on. nullptr, with the reason in failure, when the windowing system
// refuses to start.
std::unique_ptr<Platform> StartPlatform(Happenings& happenings, std::string& failure);

}  // namespace quillmoor::toolkit
