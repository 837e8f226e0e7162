// Thousands of random user actions on the real form and loop; after each, the form must hold
// exactly what the user's own model says, and every panel event must leave the generated text
// of that model in the editor. A failure names its seed; QUILLMOOR_SEED replays it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/event_loop.h"
#include "app/gadget_ids.h"
#include "generator/class_description.h"
#include "generator/source_generator.h"
#include "tests/app/main_form_fixture.h"
#include "tests/support/form_driver.h"
#include "tests/support/main_form_driver.h"
#include "toolkit/toolkit.h"

namespace quillmoor::random_user {
namespace {

namespace tk = quillmoor::toolkit;
using app::GadgetId;

constexpr int kLongTextLength = QUILLMOOR_RANDOM_USER_LONG_TEXT;
constexpr int kMaxLongTexts = 2;
// Late enough for a short run to reach the long texts too.
constexpr int kMinLateActions = 60;
constexpr std::size_t kRecentActionsKept = 12;
// More loop turns than any single action can cause: beyond this, events keep coming by
// themselves.
constexpr int kMaxTurnsPerAction = 10'000;

using test::Items;
using test::kNo;
using test::kYes;
using test::Page;

// A random text the user types, with the Windows-1252 bytes that the form must read back from it;
// characters without a Windows-1252 form read back as one "?" each.
struct TypedText {
    std::u32string characters;
    std::string bytes;
};

// What the random user believes the form holds, kept by itself from the actions it made and
// the rules of the form, never read back from the widgets. The widgets are checked against it.
struct FormModel {
    // Every text field by its gadget number, captions included, as Windows-1252 bytes; at first
    // as the form opens.
    std::map<int, std::string> fields = {{app::ClassNameCaption, "Klassen-Name"},
                                         {app::ClassName, "TestKlasse"},
                                         {app::StructureNameCaption, "Struktur-Name"},
                                         {app::StructureName, "TestStruktur"},
                                         {app::ConstructorHeadCaption, "Create Befehl"},
                                         {app::ConstructorHead, "New_TestKlasse()"},
                                         {app::MethodTableLabelCaption, "VTABLE Name"},
                                         {app::MethodTableLabel, "Test_Methoden"},
                                         {app::MethodsCaption, "Methoden"},
                                         {app::AttributesCaption, "Attribute"},
                                         {app::MethodEntry, "Test.l(a,b)"},
                                         {app::AttributeEntry, "ID.l"}};
    bool createTestObject = false;
    std::vector<std::string> methods;
    std::vector<std::string> attributes;
    Page page = Page::Allgemein;

    // What a regeneration must generate from.
    ClassDescription Description() const {
        return {fields.at(app::ConstructorHead),
                fields.at(app::ClassName),
                fields.at(app::StructureName),
                fields.at(app::MethodTableLabel),
                methods,
                attributes,
                createTestObject};
    }
};

// A text short enough for a message, and its length; bytes beyond ASCII escaped.
std::string Shown(const std::string& text) {
    constexpr std::size_t kShownLength = 40;
    std::string shown = ::testing::PrintToString(text.substr(0, kShownLength));
    if (text.size() > kShownLength) {
        shown += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return shown;
}

std::string Shown(const std::vector<std::string>& items) {
    std::string shown = std::to_string(items.size()) + " items [";
    for (const std::string& item : items) {
        shown += Shown(item) + " ";
    }
    return shown + "]";
}

std::size_t Index(std::mt19937& random, std::size_t size) {
    return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
}

template <typename Container>
const auto& Pick(std::mt19937& random, const Container& container) {
    return container[Index(random, std::size(container))];
}

enum class TextKind { Ascii, SpacesOnly, Windows1252Letters, OutsideWindows1252, Mixed };

// Letters and signs beyond ASCII that Windows-1252 holds, each beside its byte, many of them at
// places where Latin-1 has control codes: the first and the last of those places among them.
constexpr std::u32string_view kWindows1252Letters =
    U"\u00E4\u00F6\u00FC\u00DF\u00C4\u00D6\u00DC"
    U"\u00E9\u20AC\u0152\u0153\u0160\u2026\u201C"
    U"\u0178";
constexpr std::string_view kWindows1252Bytes =
    "\xE4\xF6\xFC\xDF\xC4\xD6\xDC\xE9\x80\x8C\x9C\x8A"
    "\x85\x93\x9F";
static_assert(kWindows1252Letters.size() == kWindows1252Bytes.size());

// Cyrillic, CJK, a symbol, a combining accent, a letter just past Latin-1, and an emoji
// beyond the 16-bit range.
constexpr std::u32string_view kOutsideWindows1252 = U"\u0416\u4E2D\u2603\u0301\u0100\U0001F600";

// Method entries are made of these more than of anything else.
constexpr std::string_view kEntrySigns = "().,ls ";

void Append(TypedText& text, char32_t codePoint, char byte) {
    text.characters.push_back(codePoint);
    text.bytes.push_back(byte);
}

void AppendOneOf(std::mt19937& random, TextKind kind, TypedText& text) {
    switch (kind) {
        case TextKind::Ascii: {
            const char ascii =
                std::uniform_int_distribution<int>(0, 2)(random) == 0
                    ? Pick(random, kEntrySigns)
                    : static_cast<char>(std::uniform_int_distribution<int>(0x20, 0x7E)(random));
            Append(text, static_cast<char32_t>(ascii), ascii);
            break;
        }
        case TextKind::SpacesOnly:
            Append(text, U' ', ' ');
            break;
        case TextKind::Windows1252Letters: {
            const std::size_t letter = Index(random, kWindows1252Letters.size());
            Append(text, kWindows1252Letters[letter], kWindows1252Bytes[letter]);
            break;
        }
        case TextKind::OutsideWindows1252:
            Append(text, Pick(random, kOutsideWindows1252), '?');
            break;
        case TextKind::Mixed:
            // Any of the four kinds before it, which come first in their order.
            AppendOneOf(random, static_cast<TextKind>(Index(random, 4)), text);
            break;
    }
}

// A short text of the kind, 1 to 12 characters, never empty.
TypedText RandomText(std::mt19937& random, TextKind kind) {
    TypedText text;
    const int length = std::uniform_int_distribution<int>(1, 12)(random);
    for (int index = 0; index < length; ++index) {
        AppendOneOf(random, kind, text);
    }
    return text;
}

// A text of exactly `length` characters, all of them in Windows-1252.
TypedText LongText(std::mt19937& random, int length) {
    TypedText text;
    for (int index = 0; index < length; ++index) {
        AppendOneOf(random, index % 16 == 0 ? TextKind::Windows1252Letters : TextKind::Ascii, text);
    }
    return text;
}

// The page that holds the gadget; the panel itself counts as on every page.
Page PageOf(int gadget) {
    if (gadget >= GadgetId::Methods && gadget <= GadgetId::AddAttribute) {
        return Page::Klasse;
    }
    return gadget == GadgetId::Output ? Page::Output : Page::Allgemein;
}

bool IsCaption(int gadget) {
    constexpr int kCaptions[] = {
        GadgetId::ClassNameCaption,       GadgetId::StructureNameCaption,
        GadgetId::ConstructorHeadCaption, GadgetId::MethodTableLabelCaption,
        GadgetId::MethodsCaption,         GadgetId::AttributesCaption};
    return std::ranges::count(kCaptions, gadget) > 0;
}

bool Chance(std::mt19937& random, double probability) {
    return std::bernoulli_distribution(probability)(random);
}

// A user who acts at random on the real main form through real input, runs the real event loop
// after each action as the program would, and checks the form against a model of its own.
// Works on a form that BuildMainForm() has built; owns nothing of it.
class RandomUser {
public:
    // Long entries are typed only into the entry fields, and only late in the run (the last
    // twentieth of the actions, at least 60), so that the two of them do not slow down every
    // later regeneration.
    RandomUser(std::uint32_t seed, int plannedActions)
        : random_(seed), plannedActions_(plannedActions) {}

    // Makes one random action, runs loop turns until nothing is pending, and checks the form.
    // Returns what went wrong with the latest actions, oldest first, or "" when everything held.
    std::string Act() {
        problem_.clear();
        // The actions with their weights, in the order the seeds were chosen for.
        static constexpr std::array<void (RandomUser::*)(), 8> kActions = {
            &RandomUser::TypeIntoField,   &RandomUser::PressReturn,    &RandomUser::ClickPlus,
            &RandomUser::ClickTab,        &RandomUser::PressArrowKeys, &RandomUser::ClickCheckBox,
            &RandomUser::DoubleClickList, &RandomUser::RequestClose};
        std::discrete_distribution<std::size_t> weights({30, 15, 12, 12, 8, 5, 12, 3});
        (this->*kActions[weights(random_)])();
        ++actionsDone_;
        CheckForm();
        if (!problem_.empty()) {
            problem_ += "\nlatest actions:\n";
            for (const std::string& action : recentActions_) {
                problem_ += "  " + action + "\n";
            }
        }
        return problem_;
    }

    int PanelEventsChecked() const { return panelEventsChecked_; }
    int LongTextsTyped() const { return longTextsTyped_; }

private:
    void TypeIntoField() {
        constexpr std::array<int, 13> kFields = {
            GadgetId::ClassName,        GadgetId::StructureName,  GadgetId::ConstructorHead,
            GadgetId::MethodTableLabel, GadgetId::MethodEntry,    GadgetId::MethodEntry,
            GadgetId::MethodEntry,      GadgetId::AttributeEntry, GadgetId::AttributeEntry,
            GadgetId::ClassNameCaption, GadgetId::MethodsCaption, GadgetId::Output,
            GadgetId::AttributeEntry};
        const int field = Pick(random_, kFields);
        const bool replace = Chance(random_, 0.5);
        const TypedText text = ChooseText(field);
        Note("type " + Shown(text.bytes) + (replace ? " over" : " after") + " the text of gadget " +
             std::to_string(field));

        ShowPage(PageOf(field));
        GiveFocus(field);
        if (replace) {
            test::PressKey(test::Key::SelectAll);
            if (text.characters.empty()) {
                test::PressKey(test::Key::Delete);
            }
        } else {
            test::PressKey(test::Key::End);
        }
        // A long text arrives in one input, as a paste does.
        const bool isLong = text.bytes.size() >= static_cast<std::size_t>(kLongTextLength);
        (isLong ? test::PasteText : test::TypeText)(text.characters);
        RunPendingTurns();

        auto known = model_.fields.find(field);
        if (known != model_.fields.end() && !IsCaption(field)) {
            known->second = replace ? text.bytes : known->second + text.bytes;
        }
    }

    TypedText ChooseText(int field) {
        const bool entryField = field == GadgetId::MethodEntry || field == GadgetId::AttributeEntry;
        const int lateActions = std::max(plannedActions_ / 20, kMinLateActions);
        const bool lateInTheRun = actionsDone_ >= plannedActions_ - lateActions;
        if (entryField && lateInTheRun && longTextsTyped_ < kMaxLongTexts && Chance(random_, 0.2)) {
            ++longTextsTyped_;
            return LongText(random_, kLongTextLength);
        }
        if (Chance(random_, 0.08)) {
            return {};
        }
        using enum TextKind;
        constexpr std::array<TextKind, 8> kKinds = {Ascii,
                                                    Ascii,
                                                    Ascii,
                                                    SpacesOnly,
                                                    Windows1252Letters,
                                                    Windows1252Letters,
                                                    OutsideWindows1252,
                                                    Mixed};
        return RandomText(random_, Pick(random_, kKinds));
    }

    void PressReturn() {
        const int gadget =
            std::uniform_int_distribution<int>(GadgetId::Panel, GadgetId::Output)(random_);
        static const struct {
            const char* name;
            test::Key key;
            test::Modifiers modifiers;
            bool isTheShortcut;
        } kPresses[] = {
            {"Return", test::Key::Return, test::kNoModifier, true},
            {"Return", test::Key::Return, test::kNoModifier, true},
            {"keypad Enter", test::Key::KeypadEnter, test::kNoModifier, true},
            {"Shift+Return", test::Key::Return, test::kShift, false},
            {"Control+Return", test::Key::Return, test::kControl, false},
            {"Alt+Return", test::Key::Return, test::kAlt, false},
            {"Shift+Control+Return", test::Key::Return, test::kShift | test::kControl, false},
        };
        const auto& press = Pick(random_, kPresses);
        Note(std::string(press.name) + " in gadget " + std::to_string(gadget));

        if (gadget != GadgetId::Panel) {
            ShowPage(PageOf(gadget));
        }
        GiveFocus(gadget);
        test::PressKey(press.key, press.modifiers);
        RunPendingTurns();

        if (press.isTheShortcut &&
            (gadget == GadgetId::MethodEntry || gadget == GadgetId::AttributeEntry)) {
            AddFromField(gadget);
        }
    }

    void ClickPlus() {
        const bool methods = Chance(random_, 0.5);
        const int button = methods ? GadgetId::AddMethod : GadgetId::AddAttribute;
        Note("click the \"+\" of the " + std::string(methods ? "methods" : "attributes"));
        ShowPage(Page::Klasse);
        test::Click(button);
        RunPendingTurns();
        AddFromField(methods ? GadgetId::MethodEntry : GadgetId::AttributeEntry);
    }

    void ClickTab() {
        const auto page = static_cast<Page>(std::uniform_int_distribution<int>(0, 2)(random_));
        Note("click tab " + std::to_string(static_cast<int>(page) + 1));
        test::ClickPage(page);
        model_.page = page;
        RunPendingTurns();
    }

    // Arrow keys on the tab row move the selection one tab at a time and stop at either end.
    void PressArrowKeys() {
        const int presses = std::uniform_int_distribution<int>(1, 3)(random_);
        Note(std::to_string(presses) + " arrow key(s) on the tab row");
        GiveFocus(GadgetId::Panel);
        for (int press = 0; press < presses; ++press) {
            const bool right = Chance(random_, 0.5);
            test::PressKey(right ? test::Key::Right : test::Key::Left);
            const int index = static_cast<int>(model_.page) + (right ? 1 : -1);
            model_.page = static_cast<Page>(std::clamp(index, 0, 2));
            RunPendingTurns();
        }
    }

    void ClickCheckBox() {
        Note("click the test-object check box");
        ShowPage(Page::Allgemein);
        // On the box itself: the check box takes clicks on the box and its caption only.
        test::Click(GadgetId::CreateTestObject);
        model_.createTestObject = !model_.createTestObject;
        RunPendingTurns();
    }

    // A double-click on an item must ask about that item; one on the empty part of a list may ask
    // or not, and on yes removes the item that is selected, if any.
    void DoubleClickList() {
        const bool methods = Chance(random_, 0.5);
        const int gadget = methods ? GadgetId::Methods : GadgetId::Attributes;
        std::vector<std::string>& entries = methods ? model_.methods : model_.attributes;
        const bool yes = Chance(random_, 0.5);
        ShowPage(Page::Klasse);

        test::Point point = test::EmptyPartOf(gadget);
        if (!entries.empty() && Chance(random_, 0.85)) {
            const int row = std::uniform_int_distribution<int>(
                0, static_cast<int>(entries.size()) - 1)(random_);
            test::ScrollToItem(gadget, row);
            point = test::ItemCentre(gadget, row);
        }
        const int clickedRow = test::ItemAt(gadget, point);
        Note("double-click row " + std::to_string(clickedRow) + " of gadget " +
             std::to_string(gadget) + ", answer " + (yes ? "yes" : "no"));

        test::DoubleClickOnList(gadget, point);
        const int selectedRow = tk::ReadGadgetState(gadget);
        if (clickedRow >= 0 && selectedRow != clickedRow) {
            Fail("the double-clicked row " + std::to_string(clickedRow) + " is not selected (" +
                 std::to_string(selectedRow) + " is)");
        }
        const test::BoxAnswer answerer(yes ? kYes : kNo);
        RunPendingTurns(/*answerArmed=*/true);

        if (clickedRow >= 0 && !answerer.Answered()) {
            Fail("a double-click on an item asked no question");
        }
        if (!answerer.Answered()) {
            return;
        }
        if (answerer.Title() != test::kQuestionTitle || answerer.Text() != test::kDeleteQuestion) {
            Fail("the double-click asked \"" + answerer.Text() + "\"");
        }
        if (yes && selectedRow >= 0 && selectedRow < static_cast<int>(entries.size())) {
            entries.erase(entries.begin() + selectedRow);
        }
    }

    void RequestClose() {
        Note("close the window, answer no");
        test::RequestClose(app::kMainWindow);
        const test::BoxAnswer answerer(kNo);
        RunPendingTurns(/*answerArmed=*/true);
        if (!answerer.Answered() || answerer.Text() != test::kQuitQuestion) {
            Fail("a close request did not ask the quit question: " + answerer.Problem());
        }
        if (!test::IsWindowVisible(app::kMainWindow)) {
            Fail("the window closed although the quit question was answered no");
        }
    }

    void ShowPage(Page page) {
        if (model_.page == page) {
            return;
        }
        test::ClickPage(page);
        model_.page = page;
        RunPendingTurns();
    }

    // As the user would: a click, except where a click would act (buttons, the check box) or
    // cannot reach (the tab row, which takes the focus only by Tab); there as by the Tab key.
    void GiveFocus(int gadget) {
        // Clicking a window that is not active brings it to the front first; on the offscreen
        // platform no window manager does that, for instance after a question has closed.
        if (!test::IsWindowActive(app::kMainWindow) && !test::ActivateWindow(app::kMainWindow)) {
            Fail("the window cannot be made active");
        }
        constexpr int kByTab[] = {GadgetId::Panel, GadgetId::CreateTestObject, GadgetId::AddMethod,
                                  GadgetId::AddAttribute};
        if (std::ranges::count(kByTab, gadget) > 0) {
            tk::FocusGadget(gadget);
        } else {
            test::Click(gadget);
        }
        RunPendingTurns();
        if (tk::FocusedGadget() != gadget) {
            Fail("gadget " + std::to_string(gadget) + " did not take the focus (" +
                 std::to_string(tk::FocusedGadget()) + " has it)");
        }
    }

    // Adds the entry field's text to its list, as "+" or Return there does.
    void AddFromField(int field) {
        std::string& text = model_.fields.at(field);
        if (!text.empty()) {
            (field == GadgetId::MethodEntry ? model_.methods : model_.attributes).push_back(text);
            text.clear();
        }
    }

    // Runs loop turns until nothing is pending. A question that comes meanwhile is a failure,
    // unless the action may ask and its caller has armed the answer.
    void RunPendingTurns(bool answerArmed = false) {
        // An armed answerer turns a question that nobody expects into a failure, not a hang.
        std::optional<test::BoxAnswer> unexpected;
        if (!answerArmed) {
            unexpected.emplace(kNo);
        }
        std::optional<std::string> generated;
        for (int turn = 0;; ++turn) {
            const tk::EventKind event = tk::PollEvent();
            if (event == tk::EventKind::None) {
                break;
            }
            if (turn == kMaxTurnsPerAction) {
                Fail("events keep coming without any action");
                break;
            }
            const bool fromPanel =
                event == tk::EventKind::Gadget && tk::EventGadgetId() == GadgetId::Panel;
            if (app::HandleEvent(event) == app::LoopTurn::Quit) {
                Fail("the loop ended although nobody confirmed quitting");
            }
            if (fromPanel) {
                ++panelEventsChecked_;
                if (!generated) {
                    generated = GenerateSource(model_.Description());
                }
                if (const std::string shown = tk::ReadGadgetText(GadgetId::Output);
                    shown != *generated) {
                    Fail("after a panel event the editor holds " + Shown(shown) +
                         " instead of the generated text");
                }
            }
        }
        if (unexpected && unexpected->Answered()) {
            Fail("an unexpected question came: \"" + unexpected->Text() + "\"");
        }
    }

    void CheckForm() {
        for (const auto& [list, expected] : {std::pair{GadgetId::Methods, &model_.methods},
                                             {GadgetId::Attributes, &model_.attributes}}) {
            if (const auto items = Items(list); items != *expected) {
                Fail("list " + std::to_string(list) + " holds " + Shown(items) + ", expected " +
                     Shown(*expected));
            }
        }
        for (const auto& [gadget, expected] : model_.fields) {
            if (const std::string text = tk::ReadGadgetText(gadget); text != expected) {
                Fail("gadget " + std::to_string(gadget) + " holds " + Shown(text) + ", expected " +
                     Shown(expected));
            }
        }
        if (tk::ReadGadgetState(GadgetId::CreateTestObject) != (model_.createTestObject ? 1 : 0)) {
            Fail("the test-object check box is in the wrong state");
        }
        if (test::ShownPage() != model_.page) {
            Fail("tab " + std::to_string(static_cast<int>(test::ShownPage()) + 1) +
                 " is shown, expected " + std::to_string(static_cast<int>(model_.page) + 1));
        }
    }

    void Fail(const std::string& problem) { problem_ += (problem_.empty() ? "" : "; ") + problem; }

    void Note(const std::string& action) {
        recentActions_.push_back(std::to_string(actionsDone_) + ": " + action);
        if (recentActions_.size() > kRecentActionsKept) {
            recentActions_.pop_front();
        }
    }

    std::mt19937 random_;
    FormModel model_;
    int plannedActions_;
    int actionsDone_ = 0;
    int longTextsTyped_ = 0;
    int panelEventsChecked_ = 0;
    std::string problem_;
    std::deque<std::string> recentActions_;
};

constexpr std::uint32_t kDefaultSeed = 20261208;
constexpr int kActions = QUILLMOOR_RANDOM_USER_ACTIONS;

std::uint32_t Seed() {
    const char* chosen = std::getenv("QUILLMOOR_SEED");
    return chosen == nullptr ? kDefaultSeed
                             : static_cast<std::uint32_t>(std::strtoul(chosen, nullptr, 10));
}

using RandomUserTest = app::testing::MainFormTest;

TEST_F(RandomUserTest, ThousandsOfRandomActionsKeepEveryEntryAndTheGeneratedText) {
    const std::uint32_t seed = Seed();
    RandomUser user(seed, kActions);
    for (int action = 0; action < kActions; ++action) {
        const std::string problem = user.Act();
        ASSERT_TRUE(problem.empty())
            << "action " << action << ": " << problem << "seed " << seed
            << "; replay with\n  QUILLMOOR_SEED=" << seed << " ctest -R RandomUserTest";
    }
    // Guards the test itself: most of its checks run on panel events, and a seed that never
    // pastes a long text leaves the longest entries untried.
    EXPECT_GT(user.PanelEventsChecked(), kActions / 10);
    EXPECT_GT(user.LongTextsTyped(), 0);
}

}  // namespace
}  // namespace quillmoor::random_user
