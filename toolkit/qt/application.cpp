#include <QApplication>
#include <QFontDatabase>
#include <array>
#include <cstddef>
#include <string>

#include "toolkit/qt/display_probe.h"
#include "toolkit/qt/widget_state.h"
#include "toolkit/toolkit.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace quillmoor::toolkit {

namespace {

constexpr int kDialogFontPoints = 8;

std::string& Failure() {
    static std::string failure;
    return failure;
}

// One QApplication serves the whole process: Qt cannot start a second one cleanly, and a
// program may end and start the toolkit again. Its arguments must outlive it.
bool StartApplication() {
    if (QCoreApplication::instance() != nullptr) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
            Failure() = "another kind of Qt application object already exists";
            return false;
        }
        return true;
    }
    const qt::PlatformChoice choice = qt::ChoosePlatform();
    if (choice.platform.empty()) {
        Failure() = choice.failure;
        return false;
    }
    static std::string program = "quillmoor";
    static std::string platformOption = "-platform";
    static std::string platform;
    platform = choice.platform;
    static std::array<char*, 4> arguments = {program.data(), platformOption.data(), platform.data(),
                                             nullptr};
    static int argumentCount = 3;
    new QApplication(argumentCount, arguments.data());
    return true;
}

// The desktop's own face at 8 points: forms are laid out in fixed pixels for a dialog font of
// that size, and the desktop's usual 10 points would cut the captions of narrow fields.
QFont DefaultWidgetFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(kDialogFontPoints);
    return font;
}

// Every regeneration builds and drops buffers of a few hundred kilobytes. By default glibc
// hands such memory back to the system at once, and the next regeneration pays for faulting it
// in again; keeping it costs nothing but the memory the largest text already needed.
void KeepFreedMemoryForReuse() {
#ifdef __GLIBC__
    constexpr std::size_t kThreshold = std::size_t{64} << 20;
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(kThreshold));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(kThreshold));
#endif
}

}  // namespace

bool InitToolkit() {
    if (qt::Toolkit() != nullptr) {
        return true;
    }
    Failure().clear();
    if (!StartApplication()) {
        return false;
    }
    KeepFreedMemoryForReuse();
    QApplication::setFont(DefaultWidgetFont());
    qt::StartWidgetState(QApplication::font());
    return true;
}

std::string LastFailure() {
    return Failure();
}

void EndToolkit() {
    qt::EndWidgetState();
}

namespace qt {

void ReportFailure(std::string failure) {
    Failure() = std::move(failure);
}

}  // namespace qt

}  // namespace quillmoor::toolkit
