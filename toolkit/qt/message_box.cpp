#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "toolkit/qt/gadget_registry.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/widget_state.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

Answer AskUser(const std::string& title, const std::string& text, AskFlags) {
    if (qt::Toolkit() == nullptr) {
        return Answer::NotShown;
    }
    // The box belongs to our window when that window is in the foreground.
    QWidget* active = QApplication::activeWindow();
    QWidget* owner = qt::WindowNumberOf(active) >= 0 ? active : nullptr;
    QMessageBox box(owner);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(qt::ToQString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(qt::ToQString(text));
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

}  // namespace quillmoor::toolkit
