// Qt's start on the display of the session. Qt itself tries each platform that QT_QPA_PLATFORM
// names, in order, and falls back on the next when one cannot reach its display; when none
// can, it ends the process with a fatal message, which is turned here into one line and exit
// status 1 rather than an abort.

#include <sys/mman.h>
#include <unistd.h>

#include <QApplication>
#include <QStringList>
#include <array>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <stop_token>
#include <thread>

#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit::qt {

namespace {

// Qt waits without end for a display that takes the connection but never answers.
constexpr std::chrono::seconds kStartLimit{10};

// Wayland first in a Wayland session, X11 first anywhere else.
void ChoosePlatformOrder() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const bool waylandSession = qgetenv("XDG_SESSION_TYPE") == "wayland" ||
                                    !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
        qputenv("QT_QPA_PLATFORM", waylandSession ? "wayland;xcb" : "xcb;wayland");
    }
}

// Everything written to standard error while Qt starts, by Qt and by the client libraries it
// loads, goes to a file of its own: a start that fails says it in its one line, one that
// succeeds hands it on afterwards.
int startOutput = -1;
int standardError = -1;

QByteArray TakeStartOutput() {
    QByteArray output;
    char buffer[4096];
    ::lseek(startOutput, 0, SEEK_SET);
    for (ssize_t count; (count = ::read(startOutput, buffer, sizeof buffer)) > 0;) {
        output.append(buffer, count);
    }
    ::dup2(standardError, STDERR_FILENO);
    ::close(standardError);
    ::close(startOutput);
    return output;
}

[[noreturn]] void GiveUp(const QString& lastWord) {
    QStringList reasons = {QStringLiteral("cannot open a window: no display: tried %1")
                               .arg(QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM")))};
    for (const QByteArray& said : TakeStartOutput().split('\n')) {
        if (!said.trimmed().isEmpty()) {
            reasons += QString::fromLocal8Bit(said).simplified();
        }
    }
    reasons += lastWord.simplified();
    std::fprintf(stderr, "%s\n", reasons.join(QStringLiteral("; ")).toLocal8Bit().constData());
    std::_Exit(1);
}

QtMessageHandler otherMessages = nullptr;

void EndOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        GiveUp(text);
    }
    otherMessages(type, context, text);
}

void LimitTheStart(std::stop_token started) {
    std::mutex waiting;
    std::unique_lock lock(waiting);
    std::condition_variable_any().wait_for(lock, started, kStartLimit, [] { return false; });
    if (!started.stop_requested()) {
        GiveUp(QStringLiteral("no answer within %1 seconds").arg(kStartLimit.count()));
    }
}

}  // namespace

// Qt cannot start a second application cleanly, and its arguments must outlive it. The first is
// the name the program was started by, which X11 shows as the instance in WM_CLASS; the
// application's own name comes later, from NameProgram().
void StartApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    ChoosePlatformOrder();
    static std::string program = program_invocation_short_name;
    static std::array<char*, 2> arguments = {program.data(), nullptr};
    static int argumentCount = 1;
    standardError = ::dup(STDERR_FILENO);
    startOutput = ::memfd_create("qt-start", MFD_CLOEXEC);
    ::dup2(startOutput, STDERR_FILENO);
    otherMessages = qInstallMessageHandler(EndOnFatal);
    // The X client library writes its greeting with writev(), which raises SIGPIPE when the
    // server has hung up by then, as one that turns clients away may do at once: the signal
    // would end the program where Qt would say why and try the next platform.
    struct sigaction ignore = {}, pipeBefore = {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &pipeBefore);
    {
        const std::jthread limit(LimitTheStart);
        new QApplication(argumentCount, arguments.data());
    }
    ::sigaction(SIGPIPE, &pipeBefore, nullptr);
    qInstallMessageHandler(otherMessages);
    const QByteArray said = TakeStartOutput();
    std::fwrite(said.constData(), 1, static_cast<std::size_t>(said.size()), stderr);
}

void NameProgram(const std::string& desktopEntry) {
    const QString entry = QString::fromStdString(desktopEntry);
    QGuiApplication::setDesktopFileName(entry);
    QCoreApplication::setApplicationName(entry.section(u'.', -1));
}

}  // namespace quillmoor::toolkit::qt
