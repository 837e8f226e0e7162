#pragma once

// A fresh main form for every test, driven through real input on its widgets and the real
// loop: the test acts on a widget, then runs loop turns until nothing is pending.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/event_loop.h"
#include "app/gadget_ids.h"
#include "app/main_form.h"
#include "tests/generator/default_description.h"
#include "tests/support/form_driver.h"
#include "tests/support/main_form_driver.h"
#include "toolkit/core/windows1252.h"
#include "toolkit/toolkit.h"

namespace quillmoor::app::testing {

namespace tk = quillmoor::toolkit;

using test::DefaultDescription;
using test::Items;
using test::Page;

// Handles every pending event as the program's loop would; stops early when a turn ends
// the loop.
inline LoopTurn RunPendingTurns() {
    for (tk::EventKind event = tk::PollEvent(); event != tk::EventKind::None;
         event = tk::PollEvent()) {
        if (HandleEvent(event) == LoopTurn::Quit) {
            return LoopTurn::Quit;
        }
    }
    return LoopTurn::Continue;
}

inline void ShowPage(Page page) {
    test::ClickPage(page);
    RunPendingTurns();
}

// A click gives the widget the focus, as a user's would.
inline void ClickInto(int gadget) {
    test::Click(gadget);
    RunPendingTurns();
}

// Replaces the field's text by typing the Windows-1252 bytes, as a user selecting all and
// typing over it.
inline void TypeInto(int field, const std::string& bytes) {
    ClickInto(field);
    test::PressKey(test::Key::SelectAll);
    test::PressKey(test::Key::Delete);
    test::TypeText(tk::DecodeWindows1252(bytes));
    RunPendingTurns();
}

inline void PressReturn() {
    test::PressKey(test::Key::Return);
    RunPendingTurns();
}

inline void ClickButton(int gadget) {
    test::Click(gadget);
    RunPendingTurns();
}

inline void DoubleClickItem(int list, int index) {
    test::DoubleClickOnList(list, test::ItemCentre(list, index));
}

// What the form's widgets hold, for checking that an action changed nothing.
inline std::vector<std::string> Snapshot() {
    std::vector<std::string> texts;
    for (int gadget = GadgetId::ClassNameCaption; gadget <= GadgetId::Output; ++gadget) {
        texts.push_back(tk::ReadGadgetText(gadget));
    }
    for (int list : {GadgetId::Methods, GadgetId::Attributes}) {
        for (const std::string& item : Items(list)) {
            texts.push_back(item);
        }
        texts.push_back("--");
    }
    return texts;
}

// An entry field with its list and "+" button; the other list must stay as it is.
struct EntryPair {
    const char* name;
    int field;
    int list;
    int button;
    int otherList;
};

// Names the pair in test listings instead of dumping its bytes.
inline void PrintTo(const EntryPair& pair, std::ostream* out) {
    *out << pair.name;
}

inline constexpr EntryPair kMethodPair{"methods", GadgetId::MethodEntry, GadgetId::Methods,
                                       GadgetId::AddMethod, GadgetId::Attributes};
inline constexpr EntryPair kAttributePair{"attributes", GadgetId::AttributeEntry,
                                          GadgetId::Attributes, GadgetId::AddAttribute,
                                          GadgetId::Methods};

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tk::InitToolkit()) << tk::LastFailure();
        BeforeBuild();
        ASSERT_TRUE(BuildMainForm()) << tk::LastFailure();
        ASSERT_TRUE(test::ActivateWindow(kMainWindow));
        ASSERT_EQ(RunPendingTurns(), LoopTurn::Continue);
    }

    void TearDown() override { tk::EndToolkit(); }

    // What a test sets up on the running toolkit before the program builds its form.
    virtual void BeforeBuild() {}
};

}  // namespace quillmoor::app::testing
