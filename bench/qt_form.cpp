// The fair yardstick for the start-up benchmark: the main form's window and its nineteen
// widgets, with the same texts, geometry, fonts and colours, built directly with Qt Widgets as
// a Qt programmer would write it, and with what else the program shows at start: its platform
// choice, its window icon and captions shown whole. Unlike the empty window it draws text, so
// fontconfig and the fonts are loaded on both sides of the comparison.

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <array>
#include <cmath>

#include "bench/first_paint.h"
#include "bench/program_start.h"

namespace {

QWidget* AddPage(QTabWidget& panel, const char* caption) {
    auto* page = new QWidget;
    panel.addTab(page, caption);
    return page;
}

template <typename Widget>
Widget* Place(Widget* widget, int x, int y, int width, int height) {
    widget->setGeometry(x, y, width, height);
    return widget;
}

// A read-only field whose text is shown whole as the program shows it. QLineEdit scrolls a text
// that leaves no pixel and cursor's width free after it; before that, the caption gives up one
// of the two pixels of padding on either side, then narrows its face a stretch at a time, down
// to condensed.
class Caption final : public QLineEdit {
public:
    Caption(const char* text, QWidget* page) : QLineEdit(text, page) { setReadOnly(true); }

    // Once its place and font are final.
    void KeepWhole() {
        QStyleOptionFrame option;
        initStyleOption(&option);
        // Inside the two pixels of padding that QLineEdit keeps on either side of its text.
        const int room =
            style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - 4;
        const int cursor = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
        const auto needed = [&](const QFont& face) {
            return static_cast<int>(
                       std::ceil(QFontMetricsF(face, this).horizontalAdvance(text()))) +
                   1 + cursor;
        };
        QFont face = font();
        face.setStretch(QFont::Unstretched);
        if (needed(face) <= room) {
            return;
        }
        setTextMargins(-1, 0, -1, 0);
        while (needed(face) > room + 2 && face.stretch() > QFont::Condensed) {
            face.setStretch(face.stretch() - 1);
        }
        setFont(face);
    }
};

QLineEdit* AddField(QWidget* page, int x, int y, int width, const char* text) {
    auto* field = Place(new QLineEdit(text, page), x, y, width, 20);
    field->setCursorPosition(0);
    return field;
}

void AddCaption(QWidget* page, int x, int y, int width, const char* text) {
    auto* caption = Place(new Caption(text, page), x, y, width, 20);
    caption->setCursorPosition(0);
    caption->KeepWhole();
}

void AddCaptionAndField(QWidget* page, int y, const char* caption, const char* text) {
    AddCaption(page, 18, y, 80, caption);
    AddField(page, 98, y, 420, text);
}

void Style(QWidget* widget, const QFont& font) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 230));
    widget->setPalette(palette);
    widget->setFont(font);
}

}  // namespace

int main(int argc, char** argv) {
    quillmoor::bench::ChoosePlatformAsTheProgram();
    QApplication application(argc, argv);
    quillmoor::bench::WatchForFirstPaint();
    QFont dialogFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    dialogFont.setPointSize(8);
    QApplication::setFont(dialogFont);

    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle("Quillmoor V.0.5 by Tovik");
    window.setFixedSize(562, 391);
    window.move(552, 458);
    window.setWindowIcon(quillmoor::bench::ProgramIcon());
    auto* panel = Place(new QTabWidget(&window), 10, 10, 540, 370);

    QWidget* allgemein = AddPage(*panel, "Allgemein");
    AddCaptionAndField(allgemein, 18, "Klassen-Name", "TestKlasse");
    AddCaptionAndField(allgemein, 58, "Struktur-Name", "TestStruktur");
    AddCaptionAndField(allgemein, 98, "Create Befehl", "New_TestKlasse()");
    AddCaptionAndField(allgemein, 138, "VTABLE Name", "Test_Methoden");
    Place(new QCheckBox("TestObjekt erstellen", allgemein), 98, 178, 420, 20);

    QWidget* klasse = AddPage(*panel, "Klasse");
    auto* methods = Place(new QListWidget(klasse), 18, 28, 160, 250);
    AddCaption(klasse, 18, 8, 160, "Methoden");
    AddCaption(klasse, 358, 8, 160, "Attribute");
    auto* attributes = Place(new QListWidget(klasse), 358, 28, 160, 250);
    QLineEdit* methodEntry = AddField(klasse, 18, 278, 120, "Test.l(a,b)");
    Place(new QPushButton("+", klasse), 138, 278, 40, 20);
    QLineEdit* attributeEntry = AddField(klasse, 358, 278, 120, "ID.l");
    Place(new QPushButton("+", klasse), 478, 278, 40, 20);

    QWidget* output = AddPage(*panel, "Output");
    auto* editor = Place(new QPlainTextEdit(output), 18, 18, 500, 320);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);

    const QFont courier("Courier", 10);
    const std::array<QWidget*, 5> styled{editor, methodEntry, attributeEntry, methods, attributes};
    for (QWidget* widget : styled) {
        Style(widget, courier);
    }

    window.show();
    quillmoor::bench::ReportWhenPaintedAndIdle();
    return 0;
}
