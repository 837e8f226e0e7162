// Fills the main form the way a user would, through real input and the real loop, and saves a
// picture of each of its three tabs: docs/tab-allgemein.png, docs/tab-klasse.png and
// docs/tab-output.png under the directory given as the only argument.

#include <QDir>
#include <QPixmap>
#include <iostream>

#include "tests/app/main_form_fixture.h"
#include "tests/support/qt/native_widgets.h"

namespace {

using namespace quillmoor::app;
using namespace quillmoor::app::testing;

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
    if (!quillmoor::test::ActivateWindow(kMainWindow)) {
        std::cerr << "the window did not become active, so typed keys would go nowhere\n";
        return 1;
    }
    RunPendingTurns();

    TypeInto(GadgetId::ClassName, "Konto");
    TypeInto(GadgetId::StructureName, "KontoDaten");
    TypeInto(GadgetId::ConstructorHead, "New_Konto()");
    TypeInto(GadgetId::MethodTableLabel, "Konto_Methoden");
    ClickButton(GadgetId::CreateTestObject);
    const QDir docs(QString::fromLocal8Bit(argv[1]));
    bool saved = Save(docs, "tab-allgemein.png");

    ShowPage(Page::Klasse);
    for (const char* method : {"Einzahlen(n.l)", "Stand.l()"}) {
        TypeInto(GadgetId::MethodEntry, method);
        PressReturn();
    }
    TypeInto(GadgetId::AttributeEntry, "Saldo.l");
    PressReturn();
    saved = Save(docs, "tab-klasse.png") && saved;

    ShowPage(Page::Output);
    saved = Save(docs, "tab-output.png") && saved;
    tk::EndToolkit();
    return saved ? 0 : 1;
}
