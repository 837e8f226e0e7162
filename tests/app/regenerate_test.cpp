// When the output is generated: on every event of the tab panel and at no other time, always
// from what the widgets hold at that moment.

#include <algorithm>
#include <cstddef>
#include <string>

#include "generator/source_generator.h"
#include "tests/app/main_form_fixture.h"

namespace quillmoor::app::testing {
namespace {

constexpr const char* kMarker = "not regenerated";

using RegenerateTest = MainFormTest;

// Runs the pending turns one by one, putting a marker into the editor before each, and returns
// what each regeneration wrote.
std::vector<std::string> RegenerationsOfPendingTurns() {
    std::vector<std::string> written;
    for (tk::EventKind event = tk::PollEvent(); event != tk::EventKind::None;
         event = tk::PollEvent()) {
        tk::WriteGadgetText(GadgetId::Output, kMarker);
        HandleEvent(event);
        if (tk::ReadGadgetText(GadgetId::Output) != kMarker) {
            written.push_back(tk::ReadGadgetText(GadgetId::Output));
        }
    }
    return written;
}

// Nothing is generated before the panel's first event; a method added by Return counts as one
// added by "+".
TEST_F(RegenerateTest, ReadsEveryWidgetOfTheForm) {
    EXPECT_EQ(tk::ReadGadgetText(GadgetId::Output), "");
    TypeInto(GadgetId::ClassName, "Konto");
    TypeInto(GadgetId::StructureName, "");
    TypeInto(GadgetId::ConstructorHead, "New_Konto(start.l)");
    TypeInto(GadgetId::MethodTableLabel, " Tabelle ");
    ClickInto(GadgetId::CreateTestObject);
    EXPECT_EQ(tk::ReadGadgetText(GadgetId::Output), "");
    ShowPage(Page::Klasse);
    TypeInto(GadgetId::MethodEntry, "Get.str(a)");
    ClickButton(GadgetId::AddMethod);
    TypeInto(GadgetId::MethodEntry, "Run");
    PressReturn();
    ClickButton(GadgetId::AddAttribute);
    ShowPage(Page::Output);

    ClassDescription expected;
    expected.constructorHead = "New_Konto(start.l)";
    expected.className = "Konto";
    expected.structureName = "";
    expected.methodTableLabel = " Tabelle ";
    expected.methods = {"Get.str(a)", "Run"};
    expected.attributes = {"ID.l"};
    expected.createTestObject = true;
    EXPECT_EQ(tk::ReadGadgetText(GadgetId::Output), GenerateSource(expected));
}

void ArrowOnTabRow(test::Key key, int times) {
    tk::FocusGadget(GadgetId::Panel);
    for (int press = 0; press < times; ++press) {
        test::PressKey(key);
    }
}

// One after the other on the same form, each from where the one before left the tab row.
TEST_F(RegenerateTest, RegeneratesOncePerPanelEventWithTheSameResult) {
    const struct {
        const char* name;
        void (*act)();
        std::size_t regenerations;
    } cases[] = {
        {"click on the shown tab", [] { test::ClickPage(Page::Allgemein); }, 1},
        {"arrow left at the first tab", [] { ArrowOnTabRow(test::Key::Left, 1); }, 0},
        {"arrow right twice", [] { ArrowOnTabRow(test::Key::Right, 2); }, 2},
        {"click on another tab", [] { test::ClickPage(Page::Allgemein); }, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        const std::vector<std::string> written = RegenerationsOfPendingTurns();
        EXPECT_EQ(written.size(), c.regenerations);
        for (const std::string& text : written) {
            EXPECT_EQ(text, GenerateSource(DefaultDescription()));
        }
    }
}

TEST_F(RegenerateTest, TextTypedIntoTheEditorIsOverwrittenByTheNextRegeneration) {
    ShowPage(Page::Output);
    ClickInto(GadgetId::Output);
    test::TypeText(U"my own text");
    RunPendingTurns();
    ASSERT_NE(tk::ReadGadgetText(GadgetId::Output).find("my own text"), std::string::npos);
    ShowPage(Page::Klasse);
    EXPECT_EQ(tk::ReadGadgetText(GadgetId::Output), GenerateSource(DefaultDescription()));
}

int LineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\r')) + 1;
}

// A new text keeps the part of the class in view while it still has that line; where the
// caret goes is the core's rule, tested on its own.
TEST_F(RegenerateTest, TheOutputKeepsTheReadersPlace) {
    ShowPage(Page::Klasse);
    for (int method = 0; method < 40; ++method) {
        tk::InsertGadgetItem(GadgetId::Methods, -1, "M" + std::to_string(method) + "()");
    }
    tk::InsertGadgetItem(GadgetId::Methods, -1, std::string(300, 'L') + "()");
    ShowPage(Page::Output);
    const std::string output = tk::ReadGadgetText(GadgetId::Output);
    test::ScrollEditorTo(GadgetId::Output, LineCount(output.substr(0, output.find("DataSection"))),
                         100);
    const int place = test::FirstVisibleLine(GadgetId::Output);
    const int sideways = test::SidewaysScroll(GadgetId::Output);
    ASSERT_GT(place, 0);
    ASSERT_GT(sideways, 0);

    ShowPage(Page::Klasse);
    TypeInto(GadgetId::MethodEntry, "Neu()");
    PressReturn();
    ShowPage(Page::Output);
    EXPECT_EQ(test::FirstVisibleLine(GadgetId::Output), place);
    EXPECT_EQ(test::SidewaysScroll(GadgetId::Output), sideways);

    ShowPage(Page::Klasse);
    while (tk::GadgetItemCount(GadgetId::Methods) > 1) {
        tk::DeleteGadgetItem(GadgetId::Methods, 0);
    }
    ShowPage(Page::Output);
    const int lines = LineCount(tk::ReadGadgetText(GadgetId::Output));
    ASSERT_LT(lines, place);
    EXPECT_LT(test::FirstVisibleLine(GadgetId::Output), lines);
}

}  // namespace
}  // namespace quillmoor::app::testing
