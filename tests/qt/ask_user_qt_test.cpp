#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <utility>

#include "tests/support/form_driver.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

using AskUserQtTest = ToolkitTest;

// The box shows no icon. Alt with the marked letter, the way access keys work across the
// desktop, answers as well as the letter alone.
TEST_F(AskUserQtTest, ShowsNoIconAndAltWithTheMarkedLetterAnswers) {
    for (const auto& [key, answer] :
         {std::pair{test::Key::J, Answer::Yes}, {test::Key::N, Answer::No}}) {
        // Armed before the answerer, so that it looks at the box before the box is answered.
        QMessageBox::Icon icon = QMessageBox::Critical;
        QTimer::singleShot(0, [&icon] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                icon = box->icon();
            }
        });
        const test::BoxAnswer answerer(key, test::kAlt);
        EXPECT_EQ(AskUser("Frage", "Sicher?", AskFlags::YesNo), answer);
        EXPECT_TRUE(answerer.Answered()) << answerer.Problem();
        EXPECT_EQ(icon, QMessageBox::NoIcon);
    }
}

}  // namespace
}  // namespace quillmoor::toolkit
