#pragma once

// A user who acts at random on the real main form through real input, runs the real event loop
// after each action as the program would, and checks the form against a model of its own.
// Works on a form that BuildMainForm() has built; owns nothing of it.

#include <cstdint>
#include <deque>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/gadget_ids.h"
#include "generator/class_description.h"
#include "tests/support/main_form_driver.h"

namespace quillmoor::random_user {

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

class RandomUser {
public:
    // Long entries are typed only into the entry fields, and only late in the run (the last
    // twentieth of the actions, at least 60), so that the two of them do not slow down every
    // later regeneration.
    RandomUser(std::uint32_t seed, int plannedActions);

    // Makes one random action, runs loop turns until nothing is pending, and checks the form.
    // Returns what went wrong, or "" when everything held.
    std::string Act();

    // The latest actions, one a line, oldest first.
    std::string RecentActions() const;
    int PanelEventsChecked() const { return panelEventsChecked_; }
    int LongTextsTyped() const { return longTextsTyped_; }

private:
    void TypeIntoField();
    void PressReturn();
    void ClickPlus();
    void ClickTab();
    void PressArrowKeys();
    void ClickCheckBox();
    void DoubleClickList();
    void RequestClose();

    void ShowPage(Page page);
    void GiveFocus(int gadget);
    TypedText ChooseText(int field);
    // Adds the entry field's text to its list, as "+" or Return there does.
    void AddFromField(int field);
    // Runs loop turns until nothing is pending; a question that comes meanwhile is a failure.
    void RunPendingTurns();
    // The same for an action that may ask: its caller has armed the answer.
    void RunTurns();
    void CheckForm();
    void Fail(const std::string& problem);
    void Note(const std::string& action);

    std::mt19937 random_;
    FormModel model_;
    int plannedActions_;
    int actionsDone_ = 0;
    int longTextsTyped_ = 0;
    int panelEventsChecked_ = 0;
    std::string problem_;
    std::deque<std::string> recentActions_;
};

}  // namespace quillmoor::random_user
