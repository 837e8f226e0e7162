#pragma once

// The toolkit's one state object: what every number names, the event state, and the rules
// that turn the user's actions into events. It runs the operations of toolkit.h over a
// Platform and hears what the user does through the Happenings the realisation reports.
// Its definitions are split by concern, one file to each heading of the class below.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/core/container_stack.h"
#include "toolkit/core/event_queue.h"
#include "toolkit/core/number_table.h"
#include "toolkit/core/platform.h"
#include "toolkit/core/readable_colours.h"
#include "toolkit/core/shortcut_table.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

struct WindowRecord {
    NativeId native;
    ShortcutTable shortcuts;
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

struct FontRecord {
    NativeId native;
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

    void Attach(std::unique_ptr<Platform> platform) { platform_ = std::move(platform); }
    // Windows first, then fonts: no widget outlives the font it shows.
    void End();

    void DescribeProgram(const std::string& name, const std::string& iconResource);
    std::string LastFailure() const { return failure_; }
    void ReportFailure(std::string failure) { failure_ = std::move(failure); }

    Handle OpenFormWindow(int window, int x, int y, int innerWidth, int innerHeight,
                          const std::string& title);
    Handle WindowHandle(int window) const;
    int BeginGadgetList(Handle windowHandle) const;
    void EndGadgetList() { containers_.Pop(); }

    // The native object of a gadget, 0 when the number names none.
    NativeId GadgetNative(int gadget) const;

    // --- Events (core_events.cpp) -----------------------------------------------------------

    EventKind WaitForEvent();
    EventKind PollEvent();
    const Event& CurrentEvent() const { return current_; }

    void InputArrived() override { ++inputSerial_; }
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

    // --- Keyboard and focus (core_keyboard.cpp) ---------------------------------------------

    void BindShortcut(int window, std::int32_t shortcut, int event);
    bool WouldTakeKey(NativeId target, std::int32_t shortcut) const override;
    bool KeyPressed(NativeId target, std::int32_t shortcut) override;
    int FocusedGadget() const;
    void FocusGadget(int gadget);

    // --- Widgets (core_widgets.cpp) ---------------------------------------------------------

    Handle CreateGadget(int gadget, GadgetKind kind, Placement placement, const std::string& text,
                        bool readOnly);
    void InsertGadgetItem(int gadget, int position, const std::string& text);
    void DeleteGadgetItem(int gadget, int index);
    int GadgetItemCount(int gadget) const;
    std::string ReadGadgetItemText(int gadget, int index) const;
    std::string ReadGadgetText(int gadget) const;
    void WriteGadgetText(int gadget, const std::string& text);
    int ReadGadgetState(int gadget) const;
    void SetGadgetAccessibleName(int gadget, const std::string& name);

    void SetGadgetColour(int gadget, ColourType type, Colour colour);
    void DesktopColoursChanged() override;
    Handle LoadNumberedFont(int font, const std::string& name, int size);
    Handle FontHandle(int font) const;
    void AssignGadgetFont(int gadget, Handle fontHandle);
    Answer AskUser(const std::string& title, const std::string& text);

private:
    // --- Records and number spaces ----------------------------------------------------------

    GadgetRecord* Find(int gadget, GadgetKind kind);
    const GadgetRecord* Find(int gadget, GadgetKind kind) const;
    int GadgetOf(NativeId native) const;
    int WindowOf(NativeId native) const;
    // The window a happening's target belongs to, -1 when none of ours.
    int WindowOfTarget(NativeId target) const;
    bool IsShown(const GadgetRecord& record) const;
    bool Holds(int outer, int gadget) const;
    void DestroyGadget(int gadget);
    void DestroyWindow(int window);

    std::unique_ptr<Platform> platform_;
    NumberTable<WindowRecord> windows_;
    NumberTable<GadgetRecord> gadgets_;
    NumberTable<FontRecord> fonts_;
    std::map<NativeId, int> gadgetByNative_;
    ContainerStack<Container> containers_;
    std::uint64_t nextSerial_ = 0;
    std::string failure_;

    // --- Events -----------------------------------------------------------------------------

    // The toolkit's own changes to widgets post no event: they run under this guard.
    class Silence {
    public:
        explicit Silence(Core& core) : core_(core) { ++core_.silenceDepth_; }
        ~Silence() { --core_.silenceDepth_; }
        Silence(const Silence&) = delete;
        Silence& operator=(const Silence&) = delete;

    private:
        Core& core_;
    };

    void Post(NativeId gadget, GadgetEventType type);
    bool TakeQueued();

    EventQueue queue_;
    InputSerial inputSerial_ = 0;
    int silenceDepth_ = 0;
    Event current_;

    // --- Keyboard and focus -----------------------------------------------------------------

    void MoveFocus(int window, bool forward);
    bool DeletesListItem(NativeId target, std::int32_t shortcut) const;

    // --- Widgets ----------------------------------------------------------------------------

    // Makes the native widget and gives it the number, in silence; 0 when the platform refused.
    NativeId BuildGadget(int gadget, GadgetKind kind, const Container& page, Placement placement,
                         const std::string& text, bool readOnly);
    // Gives the widget the colours it is to show now, from the caller's and the desktop's.
    void ShowColours(const GadgetRecord& record);
};

}  // namespace quillmoor::toolkit
