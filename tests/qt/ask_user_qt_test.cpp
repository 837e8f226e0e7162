#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "tests/support/qt/modal_answerer.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

using AskUserQtTest = ToolkitTest;

TEST_F(AskUserQtTest, ShowsNoIcon) {
    // Armed before the answerer, so that it looks at the box before the box is answered.
    QMessageBox::Icon icon = QMessageBox::Critical;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            icon = box->icon();
        }
    });
    const test::ModalAnswerer answerer("&Nein");
    AskUser("Frage", "Sicher?", AskFlags::YesNo);
    EXPECT_TRUE(answerer.Answered()) << answerer.Problem().toStdString();
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

// Alt with the marked letter, the way access keys work across the desktop, answers as well as
// the letter alone.
TEST_F(AskUserQtTest, AltWithTheMarkedLetterAnswers) {
    const struct {
        Qt::Key key;
        Answer answer;
    } cases[] = {{Qt::Key_J, Answer::Yes}, {Qt::Key_N, Answer::No}};
    for (const auto& testCase : cases) {
        const test::ModalAnswerer answerer(testCase.key, Qt::AltModifier);
        EXPECT_EQ(AskUser("Frage", "Sicher?", AskFlags::YesNo), testCase.answer);
        EXPECT_TRUE(answerer.Answered()) << answerer.Problem().toStdString();
    }
}

}  // namespace
}  // namespace quillmoor::toolkit
