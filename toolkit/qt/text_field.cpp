#include <QEvent>
#include <QFocusEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>
#include <limits>

#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit::qt {

namespace {

// QLineEdit keeps two pixels clear on either side of its text; a caption keeps at least one,
// so that its text never touches the frame.
constexpr int kPadding = 2;
constexpr int kPaddingTaken = 1;

// The caption that is being given the face its fitting chose, which needs no fitting for that.
const QLineEdit* takingFittedFace = nullptr;

// A text field's text and focus. Its own context menu takes the focus only for show, as native
// fields keep it, so focus moves for a popup are not reported.
class TextFieldWatcher : public QObject {
public:
    TextFieldWatcher(QLineEdit& field, Happenings& happenings)
        : QObject(&field), happenings_(happenings) {
        connect(&field, &QLineEdit::textChanged, this,
                [this, &field] { happenings_.TextChanged(IdOf(&field)); });
        field.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if ((type == QEvent::FocusIn || type == QEvent::FocusOut) &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            const NativeId field = IdOf(watched);
            type == QEvent::FocusIn ? happenings_.FocusIn(field) : happenings_.FocusOut(field);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Happenings& happenings_;
};

}  // namespace

// Qt cuts a line edit's text at 32767 characters unless told otherwise; a field must keep
// whatever the user types or pastes.
QWidget* MakeTextField(QWidget& parent, const GadgetRequest& request, Happenings& happenings) {
    QLineEdit* field = request.readOnly ? new ReadOnlyField(&parent) : new QLineEdit(&parent);
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setText(ToQString(request.text));
    field->setCursorPosition(0);
    field->setReadOnly(request.readOnly);
    new TextFieldWatcher(*field, happenings);
    return field;
}

ReadOnlyField::ReadOnlyField(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &ReadOnlyField::FitText);
}

bool ReadOnlyField::ShowsWholeText() const {
    return WidthNeeded(font()) <= PaddedWidth() - textMargins().left() - textMargins().right();
}

void ReadOnlyField::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        FitText();
    }
}

void ReadOnlyField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    FitText();
}

void ReadOnlyField::showEvent(QShowEvent* event) {
    QLineEdit::showEvent(event);
    FitText();
}

// The width QLineEdit gives its text when no text margins are set.
int ReadOnlyField::PaddedWidth() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() -
           2 * kPadding;
}

int ReadOnlyField::WidthNeeded(const QFont& font) const {
    const qreal advance = QFontMetricsF(font, this).horizontalAdvance(text());
    return static_cast<int>(std::ceil(advance)) + 1 +
           style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
}

// Starts from the unstretched font and the whole padding each time, so that a shorter text or
// a wider field gets them back; below condensed the text rather scrolls as in any field. A
// hidden caption is fitted once it shows: until then its text, place and font may still change,
// and each fitting may look up faces of its own.
void ReadOnlyField::FitText() {
    if (!isVisible() || takingFittedFace == this) {
        return;
    }
    QFont fitted = font();
    fitted.setStretch(QFont::Unstretched);
    const int taken = WidthNeeded(fitted) <= PaddedWidth() ? 0 : kPaddingTaken;
    setTextMargins(-taken, 0, -taken, 0);
    const int width = PaddedWidth() + 2 * taken;
    while (WidthNeeded(fitted) > width && fitted.stretch() > QFont::Condensed) {
        fitted.setStretch(fitted.stretch() - 1);
    }
    if (fitted != font()) {
        takingFittedFace = this;
        setFont(fitted);
        takingFittedFace = nullptr;
    }
}

}  // namespace quillmoor::toolkit::qt
