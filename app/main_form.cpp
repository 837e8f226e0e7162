#include "app/main_form.h"

#include <array>
#include <span>

#include "app/gadget_ids.h"
#include "toolkit/toolkit.h"

namespace quillmoor::app {
namespace {

namespace tk = quillmoor::toolkit;

enum class WidgetKind { Caption, Text, Check, List, Button, Editor };

struct WidgetRow {
    GadgetId id;
    WidgetKind kind;
    int x;
    int y;
    int width;
    int height;
    const char* text;
};

struct PageRows {
    const char* caption;
    std::span<const WidgetRow> widgets;
};

constexpr std::array kAllgemeinWidgets{
    WidgetRow{ClassNameCaption, WidgetKind::Caption, 18, 18, 80, 20, "Klassen-Name"},
    WidgetRow{ClassName, WidgetKind::Text, 98, 18, 420, 20, "TestKlasse"},
    WidgetRow{StructureNameCaption, WidgetKind::Caption, 18, 58, 80, 20, "Struktur-Name"},
    WidgetRow{StructureName, WidgetKind::Text, 98, 58, 420, 20, "TestStruktur"},
    WidgetRow{ConstructorHeadCaption, WidgetKind::Caption, 18, 98, 80, 20, "Create Befehl"},
    WidgetRow{ConstructorHead, WidgetKind::Text, 98, 98, 420, 20, "New_TestKlasse()"},
    WidgetRow{MethodTableLabelCaption, WidgetKind::Caption, 18, 138, 80, 20, "VTABLE Name"},
    WidgetRow{MethodTableLabel, WidgetKind::Text, 98, 138, 420, 20, "Test_Methoden"},
    WidgetRow{CreateTestObject, WidgetKind::Check, 98, 178, 420, 20, "TestObjekt erstellen"},
};

constexpr std::array kKlasseWidgets{
    WidgetRow{Methods, WidgetKind::List, 18, 28, 160, 250, ""},
    WidgetRow{MethodsCaption, WidgetKind::Caption, 18, 8, 160, 20, "Methoden"},
    WidgetRow{AttributesCaption, WidgetKind::Caption, 358, 8, 160, 20, "Attribute"},
    WidgetRow{Attributes, WidgetKind::List, 358, 28, 160, 250, ""},
    WidgetRow{MethodEntry, WidgetKind::Text, 18, 278, 120, 20, "Test.l(a,b)"},
    WidgetRow{AddMethod, WidgetKind::Button, 138, 278, 40, 20, "+"},
    WidgetRow{AttributeEntry, WidgetKind::Text, 358, 278, 120, 20, "ID.l"},
    WidgetRow{AddAttribute, WidgetKind::Button, 478, 278, 40, 20, "+"},
};

constexpr std::array kOutputWidgets{
    WidgetRow{Output, WidgetKind::Editor, 18, 18, 500, 320, ""},
};

constexpr std::array kPages{
    PageRows{"Allgemein", kAllgemeinWidgets},
    PageRows{"Klasse", kKlasseWidgets},
    PageRows{"Output", kOutputWidgets},
};

struct AccessibleName {
    GadgetId id;
    const char* name;
};

// What a screen reader calls the widgets that say nothing of themselves: the fields and lists
// by their captions, which are fields of their own and label nothing, and the buttons by what
// they do rather than by their "+". Windows-1252, as every text of the form.
constexpr std::array kAccessibleNames{
    AccessibleName{ClassName, "Klassen-Name"},
    AccessibleName{StructureName, "Struktur-Name"},
    AccessibleName{ConstructorHead, "Create Befehl"},
    AccessibleName{MethodTableLabel, "VTABLE Name"},
    AccessibleName{Methods, "Methoden"},
    AccessibleName{Attributes, "Attribute"},
    AccessibleName{MethodEntry, "Neue Methode"},
    AccessibleName{AddMethod, "Methode hinzuf\xFCgen"},
    AccessibleName{AttributeEntry, "Neues Attribut"},
    AccessibleName{AddAttribute, "Attribut hinzuf\xFCgen"},
    AccessibleName{Output, "Erzeugter Quelltext"},
};

// Painted in the order the form has always styled them: the output first, then the entry
// fields, then the lists.
constexpr std::array kStyledWidgets{Output, MethodEntry, AttributeEntry, Methods, Attributes};
constexpr tk::Colour kStyledBackground = tk::RGB(255, 255, 230);

void CreateWidget(const WidgetRow& row) {
    switch (row.kind) {
        case WidgetKind::Caption:
            tk::CreateTextGadget(row.id, row.x, row.y, row.width, row.height, row.text,
                                 tk::TextFieldFlags::ReadOnly);
            break;
        case WidgetKind::Text:
            tk::CreateTextGadget(row.id, row.x, row.y, row.width, row.height, row.text,
                                 tk::TextFieldFlags::Editable);
            break;
        case WidgetKind::Check:
            tk::CreateCheckGadget(row.id, row.x, row.y, row.width, row.height, row.text);
            break;
        case WidgetKind::List:
            tk::CreateListGadget(row.id, row.x, row.y, row.width, row.height);
            break;
        case WidgetKind::Button:
            tk::CreateButtonGadget(row.id, row.x, row.y, row.width, row.height, row.text);
            break;
        case WidgetKind::Editor:
            tk::CreateEditorGadget(row.id, row.x, row.y, row.width, row.height);
            break;
    }
}

void CreateWidgets() {
    tk::CreatePanelGadget(Panel, 10, 10, 540, 370);
    for (const PageRows& page : kPages) {
        tk::InsertGadgetItem(Panel, -1, page.caption);
        for (const WidgetRow& row : page.widgets) {
            CreateWidget(row);
        }
    }
    tk::EndGadgetList();
}

void NameWidgets() {
    for (const AccessibleName& widget : kAccessibleNames) {
        tk::SetGadgetAccessibleName(widget.id, widget.name);
    }
}

bool OpenMainWindow() {
    tk::DescribeProgram(QUILLMOOR_APP_ID, "quillmoor/icon");
    if (tk::OpenFormWindow(kMainWindow, 552, 458, 562, 391, "Quillmoor V.0.5 by Tovik",
                           tk::kDialogWindowFlags) == 0) {
        return false;
    }
    return tk::BeginGadgetList(tk::WindowHandle(kMainWindow)) != 0;
}

}  // namespace

bool BuildMainForm() {
    const bool opened = OpenMainWindow();
    if (opened) {
        CreateWidgets();
        NameWidgets();
    }
    tk::LoadNumberedFont(kOutputFont, "Courier", 10);
    for (GadgetId id : kStyledWidgets) {
        tk::SetGadgetColour(id, tk::ColourType::Background, kStyledBackground);
        tk::AssignGadgetFont(id, tk::FontHandle(kOutputFont));
    }
    tk::BindShortcut(kMainWindow, tk::kKeyReturn, kReturnMenuEvent);
    return opened;
}

}  // namespace quillmoor::app
