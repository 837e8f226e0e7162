#pragma once

// Answers the next modal message box the way a user does: once the box is up, it clicks the
// button with the given caption, or presses a key where the box put the focus. Arm it before
// the call that shows the box; afterwards, check Answered() and read what the box said.

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

namespace quillmoor::test {

class ModalAnswerer : public QObject {
    Q_OBJECT

public:
    explicit ModalAnswerer(QString buttonCaption);
    explicit ModalAnswerer(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    bool Answered() const { return answered_; }
    // Why the box could not be answered as asked; "" when it was, or when none has come yet.
    const QString& Problem() const { return problem_; }
    const QString& Title() const { return title_; }
    const QString& Text() const { return text_; }

private:
    void LookForBox();

    QString buttonCaption_;
    std::optional<Qt::Key> key_;
    Qt::KeyboardModifiers modifiers_;
    QTimer timer_;
    int attemptsLeft_;
    bool answered_ = false;
    QString problem_;
    QString title_;
    QString text_;
};

}  // namespace quillmoor::test
