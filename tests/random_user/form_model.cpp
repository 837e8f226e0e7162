#include "tests/random_user/form_model.h"

#include <algorithm>

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
    constexpr int kCaptions[] = {
        GadgetId::ClassNameCaption,       GadgetId::StructureNameCaption,
        GadgetId::ConstructorHeadCaption, GadgetId::MethodTableLabelCaption,
        GadgetId::MethodsCaption,         GadgetId::AttributesCaption};
    return std::ranges::count(kCaptions, gadget) > 0;
}

}  // namespace quillmoor::random_user
