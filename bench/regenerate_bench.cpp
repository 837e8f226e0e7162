// The time of one panel event's regeneration (fill the description from the form, generate,
// replace the editor's text, repaint) next to a plain QPlainTextEdit that is given the same
// text with setPlainText, at several list sizes, printed as ratios.

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/event_loop.h"
#include "app/gadget_ids.h"
#include "app/main_form.h"
#include "app/memory_tuning.h"
#include "toolkit/core/running_core.h"
#include "toolkit/toolkit.h"

namespace {

namespace tk = quillmoor::toolkit;
using quillmoor::app::GadgetId;

struct Size {
    int methods;
    int repetitions;
};
constexpr Size kSizes[] = {{10, 300}, {1'000, 60}, {10'000, 9}};
constexpr double kFrameMilliseconds = 1000.0 / 60.0;

template <typename Widget>
Widget* GadgetWidget(int gadget) {
    const tk::Core* core = tk::RunningCore();
    return core == nullptr
               ? nullptr
               : qobject_cast<Widget*>(reinterpret_cast<QWidget*>(core->GadgetNative(gadget)));
}

// Wall-clock milliseconds of the action and of the repaint it leads to.
double Milliseconds(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    QCoreApplication::processEvents();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Each program time against the plain time measured right after it, so that a moment of load
// on the machine weighs on both sides of a ratio alike.
double MedianRatio(const std::vector<double>& program, const std::vector<double>& plain) {
    std::vector<double> ratios;
    for (std::size_t index = 0; index < program.size(); ++index) {
        ratios.push_back(program[index] / plain[index]);
    }
    return Median(ratios);
}

void HandlePendingEvents() {
    for (tk::EventKind event = tk::PollEvent(); event != tk::EventKind::None;
         event = tk::PollEvent()) {
        quillmoor::app::HandleEvent(event);
    }
}

void FillMethods(int count) {
    while (tk::GadgetItemCount(GadgetId::Methods) > 0) {
        tk::DeleteGadgetItem(GadgetId::Methods, tk::GadgetItemCount(GadgetId::Methods) - 1);
    }
    for (int index = 0; index < count; ++index) {
        tk::InsertGadgetItem(GadgetId::Methods, -1, "Method" + std::to_string(index) + ".l(a,b)");
    }
}

struct Timings {
    std::vector<double> program;
    std::vector<double> plain;
};

}  // namespace

int main() {
    quillmoor::app::KeepFreedMemoryForReuse();
    if (!tk::InitToolkit() || !quillmoor::app::BuildMainForm()) {
        std::fprintf(stderr, "cannot build the form: %s\n", tk::LastFailure().c_str());
        return 1;
    }
    // Shows the output page, as the user's click on its tab would.
    GadgetWidget<QTabWidget>(GadgetId::Panel)->setCurrentIndex(2);
    HandlePendingEvents();
    auto* editor = GadgetWidget<QPlainTextEdit>(GadgetId::Output);
    auto* testObject = GadgetWidget<QCheckBox>(GadgetId::CreateTestObject);

    // Configured like the form's editor, so that only what the program adds is compared.
    QPlainTextEdit plain;
    plain.setLineWrapMode(QPlainTextEdit::NoWrap);
    plain.setFont(editor->font());
    plain.resize(editor->size());
    plain.show();
    QCoreApplication::processEvents();

    std::printf(
        "regeneration: one panel event (fill, generate, replace the editor text, repaint)\n"
        "against a plain QPlainTextEdit given the same text by setPlainText; medians in ms,\n"
        "ratio: median of the ratios of neighbouring measurements\n"
        "%8s   %28s   %28s\n%8s   %8s %8s %8s   %8s %8s %8s\n",
        "", "changed text", "same text again", "methods", "program", "plain", "ratio", "program",
        "plain", "ratio");
    double changedAtThousand = 0;
    for (const Size& size : kSizes) {
        FillMethods(size.methods);
        // The editor's text with the test object off and on, for the plain editor to receive.
        std::array<QString, 2> texts;
        for (const bool on : {false, true}) {
            testObject->setChecked(on);
            HandlePendingEvents();
            quillmoor::app::Regenerate();
            texts[on ? 1 : 0] = editor->toPlainText();
        }
        Timings changed;
        Timings same;
        for (int repetition = 0; repetition < size.repetitions; ++repetition) {
            // Toggling the test object changes the text, as a user's edit between two panel
            // events would.
            testObject->setChecked(!testObject->isChecked());
            HandlePendingEvents();
            const QString& text = texts[testObject->isChecked() ? 1 : 0];
            const auto measureProgram = [&](Timings& timings) {
                timings.program.push_back(Milliseconds([] { quillmoor::app::Regenerate(); }));
            };
            const auto measurePlain = [&](Timings& timings) {
                timings.plain.push_back(Milliseconds([&] { plain.setPlainText(text); }));
            };
            // Taking turns at going first keeps any advantage of the order out of the ratio.
            if (repetition % 2 == 0) {
                measureProgram(changed);
                measurePlain(changed);
                measureProgram(same);
                measurePlain(same);
            } else {
                measurePlain(changed);
                measureProgram(changed);
                measurePlain(same);
                measureProgram(same);
            }
        }
        const double changedProgram = Median(changed.program);
        const double changedPlain = Median(changed.plain);
        const double sameProgram = Median(same.program);
        const double samePlain = Median(same.plain);
        std::printf("%8d   %8.3f %8.3f %8.2f   %8.3f %8.3f %8.2f\n", size.methods, changedProgram,
                    changedPlain, MedianRatio(changed.program, changed.plain), sameProgram,
                    samePlain, MedianRatio(same.program, same.plain));
        if (size.methods == 1'000) {
            changedAtThousand = changedProgram;
        }
    }
    std::printf("goal: ratio <= 1.2 at every size; at 1000 methods %.3f ms (goal < %.1f ms)\n",
                changedAtThousand, kFrameMilliseconds);
    tk::EndToolkit();
    return 0;
}
