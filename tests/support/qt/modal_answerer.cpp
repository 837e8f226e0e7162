// The form driver over Qt, answering the modal box: as a user does, once it is up, by its button
// or by a key.

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <optional>
#include <utility>

#include "tests/support/form_driver.h"
#include "tests/support/qt/native_widgets.h"

namespace quillmoor::test {

struct BoxAnswer::Watch {
    // A box that has not come, or that the compositor has not activated, after this long is not
    // coming: bounded by time, not by turns of the modal loop, since a busy machine's compositor
    // may take many turns to answer. Looking every millisecond leaves it the processor meanwhile.
    static constexpr std::chrono::seconds kMaxWait{20};
    static constexpr std::chrono::milliseconds kLookEvery{1};
    // An access key clicks its button the way a click looks: pressed for a moment, then
    // released, and only then does the box go. A box still up after this long is not going.
    static constexpr int kMaxClickMilliseconds = 5000;

    Watch(QString caption, std::optional<Key> key, Modifiers modifiers)
        : caption(std::move(caption)), key(key), modifiers(modifiers) {
        timer.setSingleShot(true);
        timer.setInterval(kLookEvery);
        QObject::connect(&timer, &QTimer::timeout, [this] { LookForBox(); });
        timer.start();
    }
    void LookForBox();

    QString caption;
    std::optional<Key> key;
    Modifiers modifiers;
    QTimer timer;
    QDeadlineTimer deadline{kMaxWait};
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
        if (!deadline.hasExpired()) {
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
