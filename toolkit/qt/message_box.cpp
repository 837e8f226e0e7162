#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit::qt {

Answer AskYesNo(const QString& title, const QString& text) {
    QWidget* active = QApplication::activeWindow();
    QWidget* owner = ToolkitObjectOf(active) == IdOf(active) ? active : nullptr;
    QMessageBox box(owner);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    // Alt with the marked letter answers, as everywhere; a message box also takes the letter
    // alone.
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

}  // namespace quillmoor::toolkit::qt
