#include "toolkit/qt/application.h"

#include <QApplication>
#include <QFontDatabase>
#include <array>
#include <cerrno>

#include "toolkit/qt/display_probe.h"

namespace quillmoor::toolkit::qt {

namespace {

constexpr int kDialogFontPoints = 8;

}  // namespace

// One QApplication serves the whole process: Qt cannot start a second one cleanly. Its
// arguments must outlive it. The first is the name the program was started by, which X11 shows
// as the instance in WM_CLASS; the application's own name comes later, from DescribeProgram().
bool StartApplication(std::string& failure) {
    if (QCoreApplication::instance() != nullptr) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
            failure = "another kind of Qt application object already exists";
            return false;
        }
        return true;
    }
    const PlatformChoice choice = ChoosePlatform();
    if (choice.platform.empty()) {
        failure = choice.failure;
        return false;
    }
    static std::string program = program_invocation_short_name;
    static std::string platformOption = "-platform";
    static std::string platform;
    platform = choice.platform;
    static std::array<char*, 4> arguments = {program.data(), platformOption.data(), platform.data(),
                                             nullptr};
    static int argumentCount = 3;
    new QApplication(argumentCount, arguments.data());
    return true;
}

void NameProgram(const std::string& desktopEntry) {
    const QString entry = QString::fromStdString(desktopEntry);
    QGuiApplication::setDesktopFileName(entry);
    QCoreApplication::setApplicationName(entry.section(u'.', -1));
}

// The desktop's own face at 8 points: forms are laid out in fixed pixels for a dialog font of
// that size, and the desktop's usual 10 points would cut the captions of narrow fields.
QFont DialogFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(kDialogFontPoints);
    return font;
}

}  // namespace quillmoor::toolkit::qt
