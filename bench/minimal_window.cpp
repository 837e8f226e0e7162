// The yardstick for the start-up benchmark: a Qt program that opens one empty window of the
// form's size, title, place and icon, on the platform the program would choose, and nothing
// else. With "--stay" it then waits for input until it is killed, the yardstick for the idle
// measurement.

#include <QApplication>
#include <QWidget>
#include <cstring>

#include "bench/first_paint.h"
#include "bench/program_start.h"

int main(int argc, char** argv) {
    quillmoor::bench::ChoosePlatformAsTheProgram();
    QApplication application(argc, argv);
    quillmoor::bench::WatchForFirstPaint();
    QWidget window(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowCloseButtonHint);
    window.setWindowTitle("Quillmoor V.0.5 by Tovik");
    window.setFixedSize(562, 391);
    window.move(552, 458);
    window.setWindowIcon(quillmoor::bench::ProgramIcon());
    window.show();
    quillmoor::bench::ReportWhenPaintedAndIdle();
    if (argc > 1 && std::strcmp(argv[1], "--stay") == 0) {
        return QApplication::exec();
    }
    return 0;
}
