#include <QCheckBox>
#include <QPushButton>

#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit::qt {

// A push button or a check box, whichever the request names.
QWidget* MakeButton(QWidget& parent, const GadgetRequest& request, Happenings& happenings) {
    const QString caption = ToQString(request.text);
    QAbstractButton* button = request.kind == GadgetKind::Check
                                  ? static_cast<QAbstractButton*>(new QCheckBox(caption, &parent))
                                  : new QPushButton(caption, &parent);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button, &happenings] { happenings.Clicked(IdOf(button)); });
    return button;
}

}  // namespace quillmoor::toolkit::qt
