// Fills the main form the way a user would, through real input and the real loop, and saves a
// picture of each of its three tabs: docs/tab-allgemein.png, docs/tab-klasse.png and
// docs/tab-output.png under the directory given as the only argument.

#include <QAbstractButton>
#include <QDir>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <iostream>

#include "app/event_loop.h"
#include "app/gadget_ids.h"
#include "app/main_form.h"
#include "tests/support/qt/native_widgets.h"
#include "toolkit/toolkit.h"

namespace {

namespace tk = quillmoor::toolkit;
using namespace quillmoor::app;

QWidget* Widget(int gadget) {
    return quillmoor::test::GadgetWidget(gadget);
}

void RunPendingTurns() {
    for (tk::EventKind event = tk::PollEvent(); event != tk::EventKind::None;
         event = tk::PollEvent()) {
        HandleEvent(event);
    }
}

void ShowTab(int index) {
    QTabBar* bar = qobject_cast<QTabWidget*>(Widget(GadgetId::Panel))->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    RunPendingTurns();
}

void TypeInto(int field, const char* text) {
    QWidget* widget = Widget(field);
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget, QString::fromLatin1(text));
    RunPendingTurns();
}

void AddByReturn(int field, const char* text) {
    TypeInto(field, text);
    QTest::keyClick(Widget(field), Qt::Key_Return);
    RunPendingTurns();
}

bool Save(const QDir& docs, const char* name) {
    const QString path = docs.filePath(name);
    if (!quillmoor::test::WindowWidget(kMainWindow)->grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << '\n';
        return false;
    }
    std::cout << "wrote " << path.toStdString() << '\n';
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quillmoor_screenshot <directory for the pictures>\n";
        return 2;
    }
    if (!tk::InitToolkit() || !BuildMainForm()) {
        std::cerr << "cannot open the Quillmoor window: " << tk::LastFailure() << '\n';
        return 1;
    }
    QWidget* window = quillmoor::test::WindowWidget(kMainWindow);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        std::cerr << "the window did not become active, so typed keys would go nowhere\n";
        return 1;
    }
    RunPendingTurns();

    TypeInto(GadgetId::ClassName, "Konto");
    TypeInto(GadgetId::StructureName, "KontoDaten");
    TypeInto(GadgetId::ConstructorHead, "New_Konto()");
    TypeInto(GadgetId::MethodTableLabel, "Konto_Methoden");
    // On the box itself: the check box is far wider than its caption.
    QTest::mouseClick(Widget(GadgetId::CreateTestObject), Qt::LeftButton, {}, QPoint(8, 10));
    RunPendingTurns();
    const QDir docs(QString::fromLocal8Bit(argv[1]));
    bool saved = Save(docs, "tab-allgemein.png");

    ShowTab(1);
    AddByReturn(GadgetId::MethodEntry, "Einzahlen(n.l)");
    AddByReturn(GadgetId::MethodEntry, "Stand.l()");
    AddByReturn(GadgetId::AttributeEntry, "Saldo.l");
    saved = Save(docs, "tab-klasse.png") && saved;

    ShowTab(2);
    saved = Save(docs, "tab-output.png") && saved;
    tk::EndToolkit();
    return saved ? 0 : 1;
}
