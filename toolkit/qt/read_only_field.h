#pragma once

#include <QLineEdit>

namespace quillmoor::toolkit::qt {

// Forms place their captions in fixed pixels chosen for a dialog font, and the desktop's face
// may be wider. Rather than cut a caption, a read-only field that needs the room takes part of
// the padding beside its text and, where that is not enough, draws its text in a narrower cut
// of its font.
class ReadOnlyField final : public QLineEdit {
public:
    explicit ReadOnlyField(QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int PaddedWidth() const;
    int WidthNeeded(const QFont& font) const;
    void FitText();
};

}  // namespace quillmoor::toolkit::qt
