#include "tests/support/qt/modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <utility>

#include "tests/support/qt/native_widgets.h"

namespace quillmoor::test {

namespace {

// Each attempt is one turn of the modal loop; a box that has not come after this many turns
// is not coming, and the answerer stops rather than spin for ever.
constexpr int kMaxAttempts = 10000;
// An access key clicks its button the way a click looks: pressed for a moment, then released,
// and only then does the box go. A box still up after this long is not going.
constexpr int kMaxClickMilliseconds = 5000;

}  // namespace

ModalAnswerer::ModalAnswerer(QString buttonCaption)
    : buttonCaption_(std::move(buttonCaption)), attemptsLeft_(kMaxAttempts) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::LookForBox);
    timer_.start();
}

ModalAnswerer::ModalAnswerer(Qt::Key key, Qt::KeyboardModifiers modifiers)
    : ModalAnswerer(QString()) {
    key_ = key;
    modifiers_ = modifiers;
}

void ModalAnswerer::LookForBox() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && CompositorActivatesWindows() && !modal->isActiveWindow() &&
        modal->windowHandle()->isExposed()) {
        QApplication::setActiveWindow(modal);
    }
    // A key goes where the box puts the focus, which it does once it is the active window.
    if (modal == nullptr || (key_ && !modal->isActiveWindow())) {
        if (--attemptsLeft_ > 0) {
            timer_.start();
        } else if (modal == nullptr) {
            problem_ = QStringLiteral("no modal box appeared");
        } else {
            problem_ = QStringLiteral("the box never became active");
            modal->close();
        }
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
        problem_ = QStringLiteral("the modal widget is not a message box");
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
        return;
    }
    title_ = box->windowTitle();
    text_ = box->text();
    if (key_) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : box, *key_, modifiers_);
        answered_ = QTest::qWaitFor([box] { return !box->isVisible(); }, kMaxClickMilliseconds);
        if (!answered_) {
            problem_ = QStringLiteral("the key left the box open");
            box->reject();
        }
        return;
    }
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == buttonCaption_) {
            QTest::mouseClick(button, Qt::LeftButton);
            answered_ = true;
            return;
        }
    }
    problem_ = QStringLiteral("the box has no button \"%1\"").arg(buttonCaption_);
    box->reject();
}

}  // namespace quillmoor::test
