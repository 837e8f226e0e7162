#include "app/event_loop.h"

#include <string>
#include <vector>

#include "app/gadget_ids.h"
#include "generator/class_description.h"
#include "generator/source_generator.h"

namespace quillmoor::app {
namespace {

namespace tk = quillmoor::toolkit;

constexpr const char* kQuestionTitle = "Warnung!";
constexpr const char* kDeleteQuestion = "Dieses Element wirklich l\xF6schen?";
constexpr const char* kQuitQuestion = "Wollen Sie QM wirklich beenden?";

bool UserSaysYes(const char* question) {
    return tk::AskUser(kQuestionTitle, question, tk::AskFlags::YesNo) == tk::Answer::Yes;
}

std::vector<std::string> ReadListItems(int list) {
    std::vector<std::string> items;
    const int count = tk::GadgetItemCount(list);
    for (int index = 0; index < count; ++index) {
        items.push_back(tk::ReadGadgetItemText(list, index));
    }
    return items;
}

void HandleGadgetEvent() {
    const bool doubleClick = tk::EventSubtype() == tk::GadgetEventType::DoubleClick;
    switch (tk::EventGadgetId()) {
        case Panel:
            Regenerate();
            break;
        case AddMethod:
            AddEntry(MethodEntry, Methods);
            break;
        case AddAttribute:
            AddEntry(AttributeEntry, Attributes);
            break;
        case Methods:
        case Attributes:
            if (doubleClick) {
                DeleteEntry(tk::EventGadgetId());
            }
            break;
        default:
            break;
    }
}

void HandleMenuEvent() {
    if (tk::EventMenuNumber() != kReturnMenuEvent) {
        return;
    }
    // Adding gives the field the focus back, so the second pair sees the focus afresh.
    if (tk::FocusedGadget() == MethodEntry) {
        AddEntry(MethodEntry, Methods);
    }
    if (tk::FocusedGadget() == AttributeEntry) {
        AddEntry(AttributeEntry, Attributes);
    }
}

}  // namespace

LoopTurn HandleEvent(tk::EventKind event) {
    switch (event) {
        case tk::EventKind::Gadget:
            HandleGadgetEvent();
            break;
        case tk::EventKind::Menu:
            HandleMenuEvent();
            break;
        case tk::EventKind::Close:
            if (UserSaysYes(kQuitQuestion)) {
                return LoopTurn::Quit;
            }
            break;
        default:
            break;
    }
    return LoopTurn::Continue;
}

void Regenerate() {
    ClassDescription description;
    description.constructorHead = tk::ReadGadgetText(ConstructorHead);
    description.className = tk::ReadGadgetText(ClassName);
    description.structureName = tk::ReadGadgetText(StructureName);
    description.methodTableLabel = tk::ReadGadgetText(MethodTableLabel);
    description.methods = ReadListItems(Methods);
    description.attributes = ReadListItems(Attributes);
    description.createTestObject = tk::ReadGadgetState(CreateTestObject) == 1;
    tk::WriteGadgetText(Output, GenerateSource(description));
}

void AddEntry(int entryField, int list) {
    const std::string text = tk::ReadGadgetText(entryField);
    if (text.empty()) {
        return;
    }
    tk::InsertGadgetItem(list, -1, text);
    tk::WriteGadgetText(entryField, "");
    tk::FocusGadget(entryField);
}

void DeleteEntry(int list) {
    if (UserSaysYes(kDeleteQuestion)) {
        tk::DeleteGadgetItem(list, tk::ReadGadgetState(list));
    }
}

}  // namespace quillmoor::app
