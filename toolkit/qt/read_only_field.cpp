#include "toolkit/qt/read_only_field.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace quillmoor::toolkit::qt {

namespace {

// QLineEdit keeps two pixels clear on either side of its text; a caption keeps at least one,
// so that its text never touches the frame.
constexpr int kPadding = 2;
constexpr int kPaddingTaken = 1;

}  // namespace

ReadOnlyField::ReadOnlyField(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &ReadOnlyField::FitText);
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

// The width QLineEdit gives its text when no text margins are set.
int ReadOnlyField::PaddedWidth() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() -
           2 * kPadding;
}

// QLineEdit scrolls a text that leaves no pixel and cursor's width free after it, as soon as
// the cursor moves to its end.
int ReadOnlyField::WidthNeeded(const QFont& font) const {
    const qreal advance = QFontMetricsF(font, this).horizontalAdvance(text());
    return static_cast<int>(std::ceil(advance)) + 1 +
           style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
}

// Starts from the unstretched font and the whole padding each time, so that a shorter text or
// a wider field gets them back; below condensed the text rather scrolls as in any field.
void ReadOnlyField::FitText() {
    QFont fitted = font();
    fitted.setStretch(QFont::Unstretched);
    const int taken = WidthNeeded(fitted) <= PaddedWidth() ? 0 : kPaddingTaken;
    setTextMargins(-taken, 0, -taken, 0);
    const int width = PaddedWidth() + 2 * taken;
    while (WidthNeeded(fitted) > width && fitted.stretch() > QFont::Condensed) {
        fitted.setStretch(fitted.stretch() - 1);
    }
    if (fitted != font()) {
        setFont(fitted);
    }
}

}  // namespace quillmoor::toolkit::qt
