#pragma once

// The FormToolkit: the only way the application reaches the windowing system.
//
// Windows, widgets ("gadgets") and fonts are named by small non-negative numbers that the
// caller chooses, each kind in a number space of its own. An operation on a number that names
// nothing does nothing; getters then return 0, -1 where stated, or the empty text.
//
// Every text that crosses this header is a string of Windows-1252 bytes ("\xF6" is "ö").
// Texts passed in are copied; texts returned are fresh copies owned by the caller.
//
// Events come from what the user does, with one exception: FocusGadget() reports the focus
// events its move causes. Each call below that changes anything says whether it posts one;
// calls that only read post none. Building a form and changing its widgets, texts included,
// post none, so the caller never hears of its own changes; WaitForEvent() and PollEvent() hand
// the events out.
//
// Calls made before InitToolkit() or after EndToolkit() do nothing. They return 0, "",
// EventKind::None or Answer::NotShown, except FocusedGadget() and EventWindow(), which return
// -1, and EventSubtype(), which returns GadgetEventType::None (-1): the same values that say
// "no gadget" and "no event" while the toolkit runs. DescribeProgram() and LastFailure() work
// at any time.
//
// Everything is called from one thread, the one that called InitToolkit().

#include <cstdint>
#include <string>

namespace quillmoor::toolkit {

// A platform handle, only ever passed from the call that returns it into the next call.
// 0 means failure; -1, where a call accepts it, means "the default".
using Handle = std::intptr_t;

// Red in the lowest byte, green in the next, blue in the third; -1 is the platform default.
using Colour = std::int32_t;
inline constexpr Colour kDefaultColour = -1;

// The largest number accepted for a window, gadget or font. Larger and negative numbers are
// refused like a failed creation, and nothing is allocated for them.
inline constexpr int kMaxObjectNumber = 32767;

// The only kinds the toolkit reports; window moves, repaints and the like yield no event.
enum class EventKind : std::int32_t {
    None = 0,  // only from PollEvent(): nothing is pending
    Close = 16,
    Gadget = 13100,
    Menu = 13101,
};

// What EventSubtype() returns for a gadget event; -1 (None) for every other kind.
enum class GadgetEventType : std::int32_t {
    None = -1,
    Change = 0,  // tab selected, item selected, button or check box clicked, list released
    TabClick = 1,
    DoubleClick = 2,  // also Delete, unmodified, in the focused list while an item is selected
    TextChange = 768,
    FocusIn = 14000,
    FocusOut = 14001,
    DragStart = 14002,
};

enum class ColourType : std::int32_t { Text = 1, Background = 2 };

enum class TextFieldFlags : std::uint32_t { Editable = 0, ReadOnly = 0x800 };

// Title bar with window menu and close box, no minimise or maximise box, no sizing border.
inline constexpr std::uint32_t kDialogWindowFlags = 0xC80000;

enum class AskFlags : std::uint32_t { YesNo = 4 };
enum class Answer : std::int32_t { NotShown = 0, Yes = 6, No = 7 };

// Key codes for BindShortcut: a virtual-key number plus modifier bits.
inline constexpr std::int32_t kKeyTab = 9;
inline constexpr std::int32_t kKeyReturn = 13;  // main Return and keypad Enter alike
inline constexpr std::int32_t kKeyDelete = 46;
inline constexpr std::int32_t kModShift = 0x10000;
inline constexpr std::int32_t kModControl = 0x20000;
inline constexpr std::int32_t kModAlt = 0x40000;

// The toolkit's own shortcut events, bound in every window: they move the focus and never
// reach the caller.
inline constexpr int kFocusNextEvent = 64001;
inline constexpr int kFocusPreviousEvent = 64002;

// --- Start and end -------------------------------------------------------------------------

// Tells the toolkit who the program is: its name, as the windowing system lists it, and the
// name under which the program's resources hold its icon ("quillmoor/icon": on Qt, the PNG
// files ":/quillmoor/icon-16.png", "-32", "-48" and "-256"). Windows opened afterwards show
// that icon. May be called before InitToolkit(). Posts no event.
void DescribeProgram(const std::string& name, const std::string& iconResource);

// Connects to the windowing system. Returns false, and leaves the toolkit unusable (every
// later call does nothing), when the windowing system refuses to start. On Qt, where no platform
// tried reaches its display, or none answers within 10 seconds, the program ends instead, since
// Qt cannot go on without one: one line on standard error names the platforms tried
// (QT_QPA_PLATFORM, else Wayland then X11 in a Wayland session and X11 then Wayland elsewhere)
// with Qt's reasons, and the exit status is 1, never an abort. Posts no event.
bool InitToolkit();
// Why the last InitToolkit() or OpenFormWindow() failed, in one English line; "" after success.
std::string LastFailure();
// Closes every open window (destroying its widgets), then releases every font. Events still
// queued are dropped; none is posted.
void EndToolkit();

// --- Windows -------------------------------------------------------------------------------

// Opens a window whose outer top-left corner is at (x, y) and whose client area is
// innerWidth x innerHeight, shown at once, and makes it the current container with an empty
// gadget-list stack. A close request never closes it: it queues an EventKind::Close.
// Returns 0 when the window cannot be created; the number is then free. Posts no event.
Handle OpenFormWindow(int window, int x, int y, int innerWidth, int innerHeight,
                      const std::string& title, std::uint32_t flags);
Handle WindowHandle(int window);
// Returns 1 for a handle from OpenFormWindow() and changes nothing; 0 for any other handle.
int BeginGadgetList(Handle windowHandle);
// Makes the container that was current before the last CreatePanelGadget() current again.
// Posts no event.
void EndGadgetList();

// --- Gadgets -------------------------------------------------------------------------------
// Each creates a visible widget in the current container at (x, y), relative to the
// container's inner area, and returns nonzero, or 0 on failure (the number then keeps the
// widget it had). A number already in use first destroys the widget it named.
// Creating widgets posts no event.

// A tab panel without tabs; pushes the current container and makes the panel current.
Handle CreatePanelGadget(int gadget, int x, int y, int width, int height);
Handle CreateTextGadget(int gadget, int x, int y, int width, int height, const std::string& text,
                        TextFieldFlags flags);
Handle CreateCheckGadget(int gadget, int x, int y, int width, int height, const std::string& text);
Handle CreateListGadget(int gadget, int x, int y, int width, int height);
Handle CreateButtonGadget(int gadget, int x, int y, int width, int height, const std::string& text);
// Also handles every platform input pending at this moment and discards the gadget and menu
// events that arise from it; window events stay queued.
Handle CreateEditorGadget(int gadget, int x, int y, int width, int height);

// On a tab panel: adds a tab with an empty page at position (-1: last) and makes that page
// the current container; the first tab becomes the selected one. On a list box: inserts an
// item at position (-1: last; otherwise 0..count), keeping the selected item selected.
// Posts no event.
void InsertGadgetItem(int gadget, int position, const std::string& text);
// Removes the list item at index; -1 or any index outside 0..count-1 changes nothing.
// Posts no event.
void DeleteGadgetItem(int gadget, int index);
int GadgetItemCount(int gadget);
// "" for an index outside 0..count-1.
std::string ReadGadgetItemText(int gadget, int index);

// Whole text of a text field or editor. In an editor a lone "\r" ends each line, both ways.
std::string ReadGadgetText(int gadget);
// Replaces the whole text. Posts no event: a text field reports no TextChange for it.
void WriteGadgetText(int gadget, const std::string& text);
// Check box: 1 ticked, 0 not. List box: selected index, -1 for none. 0 for anything else.
int ReadGadgetState(int gadget);

// The name screen readers and other assistive technology give the gadget, in place of the one
// the platform makes up from its text or its neighbours (a field beside a caption has none, a
// "+" button is read as "+"). What the gadget shows stays as it is; "" gives the platform's own
// name back. Posts no event.
void SetGadgetAccessibleName(int gadget, const std::string& name);

// The gadget with the keyboard focus, or -1 when none of ours has it.
int FocusedGadget();
// The one call that posts events: the text field that gains the focus through it reports its
// FocusIn, and the one that loses it its FocusOut, as when the user moves the focus. No other
// kind reports a focus event.
void FocusGadget(int gadget);

// --- Colours and fonts ---------------------------------------------------------------------

constexpr Colour RGB(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}
// Text fields, list boxes and editors only; kDefaultColour restores the platform's colour.
// A background set under a default text colour keeps the text readable: the platform's text
// colour where it contrasts at least 4.5 : 1 with that background, else black or white. While
// Windows' high contrast is on, the platform's colours show in place of both. Either follows
// the platform's colours as they change. Posts no event.
void SetGadgetColour(int gadget, ColourType type, Colour colour);
// Normal weight, no style; size in points, scaled by the screen's dots per inch. A font held
// under that number is released first. Returns 0 when the font cannot be made. Where the face
// is missing, a fixed-pitch face stands in for a fixed-pitch name such as "Courier".
// Posts no event.
Handle LoadNumberedFont(int font, const std::string& name, int size);
Handle FontHandle(int font);
// -1: the default widget font; 0: the platform's plain system font. Posts no event.
void AssignGadgetFont(int gadget, Handle fontHandle);

// --- Message box ---------------------------------------------------------------------------

// A modal box with the text under the title and the buttons "Ja" and "Nein", "Ja" being the
// default, no icon; J answers Ja and N answers Nein, the letters marked on the buttons. Returns
// only when answered; no event reaches the caller meanwhile. Posts no event itself; what the
// user does to the windows meanwhile stays queued for afterwards.
Answer AskUser(const std::string& title, const std::string& text, AskFlags flags);

// --- Events and keyboard -------------------------------------------------------------------

// Binds a key code with modifier bits, in the given window, to a menu event number (0..65535).
// The keys that can be bound, with any modifiers: Tab, Return (the keypad's Enter alike) and
// Delete (46).
// A combination already bound gets the new number. A window that is not open, or an event
// number outside 0..65535, changes nothing. Posts no event.
void BindShortcut(int window, std::int32_t shortcut, int event);

// Delete without modifiers, pressed while a list box has the keyboard focus and an item is
// selected, posts that list's DoubleClick, as a double-click does, so that an item can be
// removed by keyboard. It is no shortcut of the window: in every other gadget, and in a list
// without a selection, the key does its usual job. A binding of Delete comes first.

// Waits, without using the processor, until the next event and returns its kind. The only
// kinds reported are Gadget, Menu and Close: input that yields none of them (a repaint, a key
// that is no shortcut) is handled and the wait goes on. A key bound with BindShortcut() never
// reaches the focused widget. The gadget and menu events of one input come before the window
// events queued while it was handled. Returns EventKind::None outside InitToolkit()..
// EndToolkit().
EventKind WaitForEvent();
// Like WaitForEvent(), but handles only what is pending now and returns EventKind::None when
// that yields no event. For tests and for draining the queue.
EventKind PollEvent();
// The gadget of the last gadget event; the same value as EventMenuNumber().
int EventGadgetId();
// The number of the last menu event; the same value as EventGadgetId().
int EventMenuNumber();
// The type of the last gadget event, GadgetEventType::None after any other kind.
GadgetEventType EventSubtype();
// The window the last event concerns; -1 before the first event and after PollEvent() found
// none.
int EventWindow();

}  // namespace quillmoor::toolkit
