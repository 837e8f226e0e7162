#pragma once

// What the random user believes the form holds, kept by itself from the actions it made and
// the rules of the form, never read back from the widgets. The widgets are checked against it.

#include <map>
#include <string>
#include <vector>

#include "generator/class_description.h"
#include "tests/support/main_form_driver.h"

namespace quillmoor::random_user {

using test::Page;

struct FormModel {
    // Every text field by its gadget number, captions included, as Windows-1252 bytes.
    std::map<int, std::string> fields;
    bool createTestObject = false;
    std::vector<std::string> methods;
    std::vector<std::string> attributes;
    Page page = Page::Allgemein;

    // The form as it opens.
    static FormModel Initial();

    // What a regeneration must generate from.
    ClassDescription Description() const;
};

// The page that holds the gadget; the panel itself counts as on every page.
Page PageOf(int gadget);
bool IsCaption(int gadget);

}  // namespace quillmoor::random_user
