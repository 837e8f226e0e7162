#pragma once

// What the suites of the main form and the random user share about that form beyond the
// form driver: its pages, its two questions with their buttons, and the widgets its colours
// are checked on.

#include <string>
#include <vector>

#include "app/gadget_ids.h"
#include "tests/support/form_driver.h"
#include "toolkit/toolkit.h"

namespace quillmoor::test {

enum class Page { Allgemein = 0, Klasse = 1, Output = 2 };

// UTF-8, as the driver reads the box.
inline constexpr const char* kQuestionTitle = "Warnung!";
inline constexpr const char* kDeleteQuestion = "Dieses Element wirklich l\u00F6schen?";
inline constexpr const char* kQuitQuestion = "Wollen Sie QM wirklich beenden?";
// The box's buttons, their access keys marked as the driver reads them.
inline constexpr const char* kYes = "&Ja";
inline constexpr const char* kNo = "&Nein";

// A widget of each kind the form colours, with the page that shows it.
struct WidgetOnPage {
    int gadget;
    Page page;
};
inline constexpr WidgetOnPage kColouredSamples[] = {
    {app::GadgetId::Methods, Page::Klasse},
    {app::GadgetId::MethodEntry, Page::Klasse},
    {app::GadgetId::Output, Page::Output},
};

inline void ClickPage(Page page) {
    ClickTab(app::GadgetId::Panel, static_cast<int>(page));
}

inline Page ShownPage() {
    return static_cast<Page>(CurrentTab(app::GadgetId::Panel));
}

}  // namespace quillmoor::test
