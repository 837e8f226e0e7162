#pragma once

// The numbers under which the main form registers its window, font, widgets and shortcut event.
// They are the form's vocabulary: the form builds the widgets under these numbers and the event
// loop recognises the widgets by them.

namespace quillmoor::app {

inline constexpr int kMainWindow = 0;
inline constexpr int kOutputFont = 0;
// The menu event that the Return key of the main window is bound to.
inline constexpr int kReturnMenuEvent = 12;

enum GadgetId : int {
    Panel = 0,
    ClassNameCaption = 1,
    ClassName = 2,
    StructureNameCaption = 3,
    StructureName = 4,
    ConstructorHeadCaption = 5,
    ConstructorHead = 6,
    MethodTableLabelCaption = 7,
    MethodTableLabel = 8,
    CreateTestObject = 9,
    Methods = 10,
    MethodsCaption = 11,
    AttributesCaption = 12,
    Attributes = 13,
    MethodEntry = 14,
    AddMethod = 15,
    AttributeEntry = 16,
    AddAttribute = 17,
    Output = 18,
};

}  // namespace quillmoor::app
