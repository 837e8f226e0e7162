#pragma once

// A fresh main form for every test, driven through real input on its widgets and the real
// loop: the test acts on a widget, then runs loop turns until nothing is pending.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <string>
#include <vector>

#include "app/event_loop.h"
#include "app/gadget_ids.h"
#include "app/main_form.h"
#include "generator/class_description.h"
#include "tests/support/double_click.h"
#include "tests/support/qt/native_widgets.h"
#include "toolkit/toolkit.h"

namespace quillmoor::app::testing {

namespace tk = quillmoor::toolkit;

enum class Page { Allgemein = 0, Klasse = 1, Output = 2 };

inline QWidget* Widget(int gadget) {
    return test::GadgetWidget(gadget);
}

inline QTabWidget* Panel() {
    return qobject_cast<QTabWidget*>(Widget(GadgetId::Panel));
}

inline QListWidget* List(int gadget) {
    return qobject_cast<QListWidget*>(Widget(gadget));
}

// Handles every pending event as the program's loop would; stops early when a turn ends
// the loop.
inline LoopTurn RunPendingTurns() {
    for (tk::EventKind event = tk::PollEvent(); event != tk::EventKind::None;
         event = tk::PollEvent()) {
        if (HandleEvent(event) == LoopTurn::Quit) {
            return LoopTurn::Quit;
        }
    }
    return LoopTurn::Continue;
}

inline void ClickTab(Page page) {
    QTabBar* bar = Panel()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(static_cast<int>(page)).center());
}

inline void ShowPage(Page page) {
    ClickTab(page);
    RunPendingTurns();
}

// A click gives the widget the focus, as a user's would.
inline void ClickInto(int gadget) {
    QWidget* widget = Widget(gadget);
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        widget = list->viewport();
    } else if (auto* scroll = qobject_cast<QAbstractScrollArea*>(widget)) {
        widget = scroll->viewport();
    }
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, 4));
    RunPendingTurns();
}

// Types the text key by key; characters without a key of their own arrive as text alone, the
// way an input method delivers them.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        if (character.unicode() < 128) {
            QTest::keyClick(widget, character.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }
}

// Replaces the field's text by typing, as a user selecting all and typing over it.
inline void TypeInto(int field, const QString& text) {
    ClickInto(field);
    QWidget* widget = Widget(field);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    TypeText(widget, text);
    RunPendingTurns();
}

inline void PressReturn() {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, Qt::Key_Return);
    RunPendingTurns();
}

inline void ClickButton(int gadget) {
    QTest::mouseClick(Widget(gadget), Qt::LeftButton);
    RunPendingTurns();
}

inline void DoubleClickItem(int list, int index) {
    QListWidget* widget = List(list);
    test::DoubleClick(widget->viewport(), widget->visualItemRect(widget->item(index)).center());
}

inline std::vector<std::string> Items(int list) {
    std::vector<std::string> items;
    for (int index = 0; index < tk::GadgetItemCount(list); ++index) {
        items.push_back(tk::ReadGadgetItemText(list, index));
    }
    return items;
}

// What the form's widgets hold, for checking that an action changed nothing.
inline std::vector<std::string> Snapshot() {
    std::vector<std::string> texts;
    for (int gadget = GadgetId::ClassNameLabel; gadget <= GadgetId::Output; ++gadget) {
        texts.push_back(tk::ReadGadgetText(gadget));
    }
    for (int list : {GadgetId::Methods, GadgetId::Attributes}) {
        for (const std::string& item : Items(list)) {
            texts.push_back(item);
        }
        texts.push_back("--");
    }
    return texts;
}

// The description the form starts with, as the generator should receive it.
inline ClassDescription InitialDescription() {
    ClassDescription description;
    description.constructorHead = "New_TestKlasse()";
    description.className = "TestKlasse";
    description.structureName = "TestStruktur";
    description.methodTableLabel = "Test_Methoden";
    return description;
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tk::InitToolkit()) << tk::LastFailure();
        ASSERT_TRUE(BuildMainForm()) << tk::LastFailure();
        QWidget* window = test::WindowWidget(kMainWindow);
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        ASSERT_EQ(RunPendingTurns(), LoopTurn::Continue);
    }

    void TearDown() override { tk::EndToolkit(); }
};

}  // namespace quillmoor::app::testing
