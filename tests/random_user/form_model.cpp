#include "tests/random_user/form_model.h"

#include "app/gadget_ids.h"

namespace quillmoor::random_user {

using app::GadgetId;

FormModel FormModel::Initial() {
    FormModel model;
    model.fields = {
        {GadgetId::ClassNameCaption, "Klassen-Name"},
        {GadgetId::ClassName, "TestKlasse"},
        {GadgetId::StructureNameCaption, "Struktur-Name"},
        {GadgetId::StructureName, "TestStruktur"},
        {GadgetId::ConstructorHeadCaption, "Create Befehl"},
        {GadgetId::ConstructorHead, "New_TestKlasse()"},
        {GadgetId::MethodTableLabelCaption, "VTABLE Name"},
        {GadgetId::MethodTableLabel, "Test_Methoden"},
        {GadgetId::MethodsCaption, "Methoden"},
        {GadgetId::AttributesCaption, "Attribute"},
        {GadgetId::MethodEntry, "Test.l(a,b)"},
        {GadgetId::AttributeEntry, "ID.l"},
    };
    return model;
}

ClassDescription FormModel::Description() const {
    ClassDescription description;
    description.constructorHead = fields.at(GadgetId::ConstructorHead);
    description.className = fields.at(GadgetId::ClassName);
    description.structureName = fields.at(GadgetId::StructureName);
    description.methodTableLabel = fields.at(GadgetId::MethodTableLabel);
    description.methods = methods;
    description.attributes = attributes;
    description.createTestObject = createTestObject;
    return description;
}

Page PageOf(int gadget) {
    if (gadget >= GadgetId::Methods && gadget <= GadgetId::AddAttribute) {
        return Page::Klasse;
    }
    return gadget == GadgetId::Output ? Page::Output : Page::Allgemein;
}

bool IsCaption(int gadget) {
    switch (gadget) {
        case GadgetId::ClassNameCaption:
        case GadgetId::StructureNameCaption:
        case GadgetId::ConstructorHeadCaption:
        case GadgetId::MethodTableLabelCaption:
        case GadgetId::MethodsCaption:
        case GadgetId::AttributesCaption:
            return true;
        default:
            return false;
    }
}

}  // namespace quillmoor::random_user
