#pragma once

// The toolkit's one state object and the one running core it lives in: what every number
// names and the event state. The calls of toolkit.h are defined in the core's files, one file
// to each heading below, over the running core; the core hears what the user does through the
// Happenings the realisation reports, and decides which events follow. A realisation's test
// driver reaches a gadget's native object through it too.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/core/event_queue.h"
#include "toolkit/core/platform.h"
#include "toolkit/core/readable_colours.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

struct WindowRecord {
    NativeId native;
    // Key code plus modifier bits to event number, matched exactly; every window moves the
    // focus with Tab and Shift+Tab until the caller binds them otherwise.
    std::map<std::int32_t, int> shortcuts = {{kKeyTab, kFocusNextEvent},
                                             {kKeyTab | kModShift, kFocusPreviousEvent}};
};

struct GadgetRecord {
    GadgetKind kind = GadgetKind::Button;
    NativeId native = 0;
    int window = -1;
    int panel = -1;               // the tab panel whose page holds the gadget; -1: the window
    NativeId page = 0;            // that page
    std::uint64_t serial = 0;     // grows with every creation: the order Tab walks
    std::vector<NativeId> pages;  // a tab panel's pages, in tab order
    NativeId shownPage = 0;       // a tab panel's selected page
    std::optional<std::pair<int, int>> pressPoint;  // a list box's recorded left press
    std::optional<std::string> writtenText;         // an editor's text as last written
    std::vector<std::string> items;                 // a list box's items, as the caller gave them
    GadgetColours colours;                          // as the caller set them
};

// Where new gadgets go: a window's client area, a tab panel (before its first tab, when
// nothing can be made in it), or a panel page.
struct Container {
    int window;
    NativeId native;
    int panel;  // the panel, for the panel itself and its pages; -1 for the window
    bool isPanel;
};

class Core final : public Happenings {
public:
    Core() = default;
    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;
    ~Core();

    // --- Records and number spaces (core_records.cpp) ---------------------------------------

    // Windows first, then fonts: no widget outlives the font it shows.
    void End();

    // The native object of a gadget, 0 when the number names none.
    NativeId GadgetNative(int gadget) const;
    // nullptr when the number names no gadget, or one of another kind.
    GadgetRecord* Find(int gadget);
    GadgetRecord* Find(int gadget, GadgetKind kind);
    int GadgetOf(NativeId native) const;
    int WindowOf(NativeId native) const;
    // The window a happening's target belongs to, -1 when none of ours.
    int WindowOfTarget(NativeId target) const;
    bool Holds(int outer, int gadget) const;
    void DestroyGadget(int gadget);
    void DestroyWindow(int window);

    std::unique_ptr<Platform> platform;
    std::map<int, WindowRecord> windows;
    std::map<int, GadgetRecord> gadgets;
    std::map<int, NativeId> fonts;
    std::map<NativeId, int> gadgetByNative;
    // The gadget list: the current container last, the ones current before it below.
    std::vector<Container> containers;
    std::uint64_t nextSerial = 0;

    // --- Events (core_events.cpp) -----------------------------------------------------------

    void InputArrived() override { ++inputSerial; }
    void CloseRequested(NativeId window) override;
    void Clicked(NativeId gadget) override;
    void TextChanged(NativeId field) override;
    void FocusIn(NativeId field) override;
    void FocusOut(NativeId field) override;
    void ListPressed(NativeId list, int x, int y, bool leftButton, bool shiftOrControl) override;
    void ListMoved(NativeId list, int x, int y) override;
    void ListReleased(NativeId list, bool leftButton) override;
    void ListCaptureLost(NativeId list) override;
    void ListDoubleClicked(NativeId list, bool leftButton) override;
    void SelectionChanged(NativeId list) override;
    void TabChanging(NativeId panel) override;
    void TabChanged(NativeId panel, int newIndex) override;
    void TabRowReleased(NativeId panel, bool leftButton) override;

    // The toolkit's own changes to widgets post no event: they run under this guard.
    class Silence {
    public:
        explicit Silence(Core& core) : core_(core) { ++core_.silenceDepth; }
        ~Silence() { --core_.silenceDepth; }
        Silence(const Silence&) = delete;
        Silence& operator=(const Silence&) = delete;

    private:
        Core& core_;
    };

    EventQueue queue;
    InputSerial inputSerial = 0;
    int silenceDepth = 0;
    Event current;

    // --- Keyboard and focus (core_keyboard.cpp) ---------------------------------------------

    bool WouldTakeKey(NativeId target, std::int32_t shortcut) const override;
    bool KeyPressed(NativeId target, std::int32_t shortcut) override;

    // --- Widgets (core_widgets.cpp) ---------------------------------------------------------

    void DesktopColoursChanged() override;
};

// Numbers from 0 to kMaxObjectNumber name objects; others are refused before anything is made.
constexpr bool IsObjectNumber(int number) {
    return number >= 0 && number <= kMaxObjectNumber;
}

// nullptr outside InitToolkit()..EndToolkit().
Core* RunningCore();
// Makes the core the running one over the platform started for it, which is told at once who
// the program is. Only the front's InitToolkit() starts a platform, and calls this.
void Run(std::unique_ptr<Core> core, std::unique_ptr<Platform> platform);
// What LastFailure() says; InitToolkit() has a failed start write its reason here.
std::string& Failure();

}  // namespace quillmoor::toolkit
