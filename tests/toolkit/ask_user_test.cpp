#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "tests/support/qt/modal_answerer.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

using AskUserTest = ToolkitTest;

TEST_F(AskUserTest, ReturnsYesOnlyWhenJaIsPressed) {
    const struct {
        const char* button;
        Answer answer;
    } cases[] = {{"Ja", Answer::Yes}, {"Nein", Answer::No}};
    for (const auto& testCase : cases) {
        test::ModalAnswerer answerer(testCase.button);
        EXPECT_EQ(AskUser("Frage", "Eintrag l\xF6schen?", AskFlags::YesNo), testCase.answer);
        EXPECT_TRUE(answerer.Answered()) << answerer.Problem().toStdString();
        EXPECT_EQ(answerer.Title(), QString::fromUtf8("Frage"));
        EXPECT_EQ(answerer.Text(), QString::fromUtf8("Eintrag löschen?"));
    }
}

// Yes is the default button: keys that act on it without moving the focus answer yes.
TEST_F(AskUserTest, KeysOnTheFreshBoxAnswerYes) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        SCOPED_TRACE(static_cast<int>(key));
        test::ModalAnswerer answerer(key);
        EXPECT_EQ(AskUser("Frage", "Sicher?", AskFlags::YesNo), Answer::Yes);
        EXPECT_TRUE(answerer.Answered()) << answerer.Problem().toStdString();
    }
}

TEST_F(AskUserTest, ShowsTheTextAsItIsWithoutIcon) {
    // Armed before the answerer, so that it looks at the box before the box is answered.
    QMessageBox::Icon icon = QMessageBox::Critical;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            icon = box->icon();
        }
    });
    test::ModalAnswerer answerer("Nein");
    AskUser("<b>", "<i>kursiv</i> & mehr", AskFlags::YesNo);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(answerer.Text(), QString("<i>kursiv</i> & mehr"));
}

}  // namespace
}  // namespace quillmoor::toolkit
