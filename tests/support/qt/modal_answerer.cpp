// The form driver over Qt, answering the modal box: as a user does, once it is up, by its button
// or by a key.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <optional>
#include <utility>

#include "tests/support/form_driver.h"
#include "tests/support/qt/native_widgets.h"

namespace quillmoor::test {

struct BoxAnswer::Watch {
    // Each attempt is one turn of the modal loop; a box that has not come after this many turns
    // is not coming, and the answerer stops rather than spin for ever.
    static constexpr int kMaxAttempts = 10000;
    // An access key clicks its button the way a click looks: pressed for a moment, then
    // released, and only then does the box go. A box still up after this long is not going.
    static constexpr int kMaxClickMilliseconds = 5000;

    Watch(QString caption, std::optional<Key> key, Modifiers modifiers)
        : caption(std::move(caption)), key(key), modifiers(modifiers) {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this] { LookForBox(); });
        timer.start();
    }
    void LookForBox();

    QString caption;
    std::optional<Key> key;
    Modifiers modifiers;
    QTimer timer;
    int attemptsLeft = kMaxAttempts;
    bool answered = false;
    QString problem;
    QString title;
    QString text;
};

void BoxAnswer::Watch::LookForBox() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && CompositorActivatesWindows() && !modal->isActiveWindow() &&
        modal->windowHandle()->isExposed()) {
        QApplication::setActiveWindow(modal);
    }
    // A key goes where the box puts the focus, which it does once it is the active window.
    if (modal == nullptr || (key && !modal->isActiveWindow())) {
        if (--attemptsLeft > 0) {
            timer.start();
        } else if (modal == nullptr) {
            problem = QStringLiteral("no modal box appeared");
        } else {
            problem = QStringLiteral("the box never became active");
            modal->close();
        }
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
        problem = QStringLiteral("the modal widget is not a message box");
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
        return;
    }
    title = box->windowTitle();
    text = box->text();
    if (key) {
        PressKey(*key, modifiers);
        answered = QTest::qWaitFor([box] { return !box->isVisible(); }, kMaxClickMilliseconds);
        if (!answered) {
            problem = QStringLiteral("the key left the box open");
            box->reject();
        }
        return;
    }
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == caption) {
            QTest::mouseClick(button, Qt::LeftButton);
            answered = true;
            return;
        }
    }
    problem = QStringLiteral("the box has no button \"%1\"").arg(caption);
    box->reject();
}

BoxAnswer::BoxAnswer(const std::string& buttonCaption)
    : watch_(new Watch(QString::fromStdString(buttonCaption), std::nullopt, kNoModifier)) {}

BoxAnswer::BoxAnswer(Key key, Modifiers modifiers) : watch_(new Watch(QString(), key, modifiers)) {}

BoxAnswer::~BoxAnswer() = default;

bool BoxAnswer::Answered() const {
    return watch_->answered;
}

std::string BoxAnswer::Problem() const {
    return watch_->problem.toStdString();
}

std::string BoxAnswer::Title() const {
    return watch_->title.toStdString();
}

std::string BoxAnswer::Text() const {
    return watch_->text.toStdString();
}

}  // namespace quillmoor::test
