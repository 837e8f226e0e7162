#pragma once

// Drives a toolkit form as a user does, through the platform's own input, and reads back what
// the screen shows. The behaviour suites use only this header, so that they run unchanged on
// every realisation of the toolkit; each realisation of the driver lives in a folder of its own
// (tests/support/qt/). Gadgets and windows are named by their toolkit numbers; texts are UTF-8.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/core/gadget_kind.h"
#include "toolkit/toolkit.h"

namespace quillmoor::test {

enum Modifier : unsigned { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };
using Modifiers = unsigned;

enum class Key {
    Return,
    KeypadEnter,
    Tab,
    Backtab,
    Left,
    Right,
    Home,
    End,
    Delete,
    Insert,
    Backspace,
    Space,
    SelectAll,  // Control+A
    Copy,       // Control+C
    Cut,        // Control+X
    J,
    N,
};

enum class Button { Left, Right };

struct Point {
    int x;
    int y;
};

struct Rect {
    int x;
    int y;
    int width;
    int height;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// --- Windows -------------------------------------------------------------------------------

// Brings the window to the front and makes it the active one, as the user's first click
// would; false when the platform does not.
bool ActivateWindow(int window);
bool IsWindowActive(int window);
bool IsWindowVisible(int window);
// The close box.
void RequestClose(int window);
// Another program's window in the foreground, as when the user switches away; it goes when
// this goes.
class OtherProgram {
public:
    OtherProgram();
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    bool IsActive() const;

private:
    struct Window;
    std::unique_ptr<Window> window_;
};

// The desktop switched to dark colours, near-white text on near-black fields, as a user picks a
// dark theme; the colours before come back when this goes. The toolkit may hear of a switch
// only when it next handles what is pending, as of any input.
class DarkDesktop {
public:
    DarkDesktop();
    ~DarkDesktop();
    DarkDesktop(const DarkDesktop&) = delete;
    DarkDesktop& operator=(const DarkDesktop&) = delete;

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

// --- Mouse ---------------------------------------------------------------------------------

// A click where a user clicks to give the gadget the focus: inside, near its left edge, and
// near the top of a list or editor.
void Click(int gadget, Button button = Button::Left, Modifiers modifiers = kNoModifier);
// A click at a point of the gadget's own area.
void ClickAt(int gadget, Point point, Button button = Button::Left,
             Modifiers modifiers = kNoModifier);
void ClickTab(int panel, int tab, Button button = Button::Left);
// One notch of the mouse wheel over the panel's tab row.
void TurnWheelOverTabs(int panel);

// A list's item area; points count from its top-left corner.
Point ItemCentre(int list, int index);
// A point below the last item.
Point EmptyPartOf(int list);
// The item under the point, -1 for none.
int ItemAt(int list, Point point);
void ScrollToItem(int list, int index);
// Scrolls the editor so that the line, counting from 0, comes to its top and its text moves
// the pixels to the left, as far as it scrolls.
void ScrollEditorTo(int editor, int line, int sideways);
void PressOnList(int list, Point point, Modifiers modifiers = kNoModifier);
void MoveOnList(int list, Point point);
void ReleaseOnList(int list, Point point);
// Press, release, the second press arriving as a double-click, and its release.
void DoubleClickOnList(int list, Point point);
// Leaves no item selected, as no user action can; for setting a test up.
void ForgetSelection(int list);
// How far the pointer moves, in pixels, before a press becomes a drag.
int DragDistance();

// --- Keyboard ------------------------------------------------------------------------------

// A key pressed and released in the widget that has the keyboard focus, else in the active
// window.
void PressKey(Key key, Modifiers modifiers = kNoModifier);
// Types the text key by key; characters without a key of their own arrive as text alone, as an
// input method delivers them.
void TypeText(const std::u32string& text);
// The text arrives in one input, as a paste does.
void PasteText(const std::u32string& text);

// Counts the presses of a key that reach the gadget's widget after the toolkit has seen them.
class KeyPressCounter {
public:
    KeyPressCounter(int gadget, Key key);
    ~KeyPressCounter();
    KeyPressCounter(const KeyPressCounter&) = delete;
    KeyPressCounter& operator=(const KeyPressCounter&) = delete;
    int Presses() const;

private:
    struct Watch;
    std::unique_ptr<Watch> watch_;
};

// --- The modal box -------------------------------------------------------------------------

// Answers the next modal box the way a user does: once the box is up, clicks the button with
// the given caption, its access key marked by "&" as the platform holds it ("&Ja"), or presses
// the key, with the modifiers held, where the box put the focus. Arm it before the call that
// shows the box; afterwards check Answered() and read what the box said.
class BoxAnswer {
public:
    explicit BoxAnswer(const std::string& buttonCaption);
    explicit BoxAnswer(Key key, Modifiers modifiers = kNoModifier);
    ~BoxAnswer();
    BoxAnswer(const BoxAnswer&) = delete;
    BoxAnswer& operator=(const BoxAnswer&) = delete;

    bool Answered() const;
    // Why the box could not be answered as asked; "" when it was, or when none has come yet.
    std::string Problem() const;
    std::string Title() const;
    std::string Text() const;

private:
    struct Watch;
    std::unique_ptr<Watch> watch_;
};

// --- What the screen shows -----------------------------------------------------------------

// Watches the native object behind a handle that a creation call or WindowHandle() returned.
class NativeWatch {
public:
    explicit NativeWatch(toolkit::Handle handle);
    ~NativeWatch();
    NativeWatch(const NativeWatch&) = delete;
    NativeWatch& operator=(const NativeWatch&) = delete;
    // Whether the platform has destroyed the object.
    bool IsGone() const;

private:
    struct Pointer;
    std::unique_ptr<Pointer> pointer_;
};

// The kind of widget the platform shows for the gadget.
toolkit::GadgetKind ShownKind(int gadget);
// A field's or editor's text (an editor's lines end with "\n"), a caption otherwise.
std::string ShownText(int gadget);
// The editor's line shown at its top, counting from 0, and how far its text is scrolled to
// the left, in pixels.
int FirstVisibleLine(int editor);
int SidewaysScroll(int editor);
// Whether a field draws its whole text without scrolling any of it away.
bool ShowsWholeText(int gadget);
// The part of a field's text that is selected.
std::string SelectedText(int gadget);
std::string WindowTitle(int window);
std::vector<std::string> TabCaptions(int panel);
bool IsShown(int gadget);
bool IsEnabled(int gadget);
int CurrentTab(int panel);
// Which gadget the keyboard focus is in, and whether it sits on a panel's tab row.
bool HasFocusOnTabRow(int panel);
// Takes the keyboard focus away from every gadget, leaving it in the window.
void ClearFocus(int window);

// The place of a gadget within the page of the panel that holds it; all -1 when the gadget
// lies on no such page.
Rect GeometryOnPage(int gadget, int panel, int page);
// The same within a window's client area, for a gadget placed on the window itself.
Rect GeometryInWindow(int gadget, int window);
bool IsReadOnly(int gadget);
// Makes a field or editor read-only, or writable again, as no toolkit call does.
void SetReadOnly(int gadget, bool readOnly);
// The colour the screen paints behind the gadget's text, and its text colour.
int BackgroundColour(int gadget);
int TextColour(int gadget);
// The colours the inside of a gadget shows on screen, its frame left out: the background is the
// colour most of its pixels have, the text the one that contrasts most with it.
struct DrawnColours {
    int background;
    int text;
};
DrawnColours ColoursDrawn(int gadget);
// The height in pixels of the characters of the gadget's font.
int FontPixelHeight(int gadget);
bool FontIsFixedPitch(int gadget);
// The sizes in which the window's icon is held, ascending.
std::vector<int> WindowIconSizes(int window);
// The client area's size, and the window's outer corner on the screen.
Rect WindowClientArea(int window);

// --- What assistive technology is told -----------------------------------------------------

// The roles the suites tell apart; any other is Other.
enum class AccessibleRole { Window, Text, List, PushButton, CheckBox, Other };

// What a screen reader reads for a gadget, and for a window.
struct Accessible {
    std::string name;
    AccessibleRole role;
};
Accessible AccessibleOf(int gadget);
Accessible WindowAccessible(int window);

// A list's items as the list shows them, in UTF-8.
std::vector<std::string> ShownItems(int list);

// A list's items, as the toolkit reads them.
inline std::vector<std::string> Items(int list) {
    std::vector<std::string> items;
    const int count = toolkit::GadgetItemCount(list);
    for (int index = 0; index < count; ++index) {
        items.push_back(toolkit::ReadGadgetItemText(list, index));
    }
    return items;
}

// Runs `action` once the toolkit is next waiting for input, as a user acting meanwhile.
void WhileWaiting(std::function<void()> action);

}  // namespace quillmoor::test
