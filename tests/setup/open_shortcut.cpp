// Reads a shortcut and starts the program it points to, in the folder it names, as Explorer
// does on a double-click; waits, for a bounded time, until the program shows a top-level window
// with the title given, then ends it. Prints the shortcut's target and description, one a line,
// for the caller to check; exit status 0 when the window showed, 1 with the reason on stderr
// when not.
// Usage: open_shortcut SHORTCUT TITLE

#include <windows.h>
// Must follow windows.h.
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kPatienceMs = 30'000;
constexpr UINT kLookEveryMs = 50;
constexpr DWORD kEndingMs = 10'000;

struct Shortcut {
    std::wstring target;
    std::wstring folder;
    std::wstring description;
};

// Wine's ShellExecuteEx gives no process for a shortcut, so it is read here instead.
bool Read(const wchar_t* path, Shortcut& shortcut) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
        return false;
    }
    IPersistFile* file = nullptr;
    bool read =
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path, STGM_READ));
    if (read) {
        wchar_t text[MAX_PATH * 2] = {};
        read = SUCCEEDED(link->GetPath(text, MAX_PATH * 2, nullptr, 0));
        shortcut.target = text;
        text[0] = L'\0';
        link->GetWorkingDirectory(text, MAX_PATH * 2);
        shortcut.folder = text;
        text[0] = L'\0';
        link->GetDescription(text, MAX_PATH * 2);
        shortcut.description = text;
    }
    if (file != nullptr) {
        file->Release();
    }
    link->Release();
    return read;
}

// The program's window, once shown. FindWindowW compares the titles the system holds for the
// windows, without asking their programs, so a busy program holds nothing up here.
bool WindowShown(DWORD processId, const std::wstring& title) {
    const HWND window = FindWindowW(nullptr, title.c_str());
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return window != nullptr && owner == processId && IsWindowVisible(window);
}

// Looks on every tick of a timer until the window is there, the program has ended or the
// patience is spent; nullptr when the window showed.
const char* AwaitWindow(const PROCESS_INFORMATION& started, const std::wstring& title) {
    const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
    SetTimer(nullptr, 0, kLookEveryMs, nullptr);
    while (!WindowShown(started.dwProcessId, title)) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return "no window with that title showed in time";
        }
        if (MsgWaitForMultipleObjects(1, &started.hProcess, FALSE,
                                      static_cast<DWORD>(deadline - now),
                                      QS_TIMER) == WAIT_OBJECT_0) {
            return "the program ended without showing the window";
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    return nullptr;
}

std::string Utf8(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr)));
    return bytes;
}

const char* OpenAndAwait(const Shortcut& shortcut, const std::wstring& title) {
    std::wstring commandLine = L"\"" + shortcut.target + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(shortcut.target.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, shortcut.folder.empty() ? nullptr : shortcut.folder.c_str(),
                        &startup, &started)) {
        return "the program the shortcut points to did not start";
    }
    CloseHandle(started.hThread);
    const char* problem = AwaitWindow(started, title);
    TerminateProcess(started.hProcess, 0);
    WaitForSingleObject(started.hProcess, kEndingMs);
    CloseHandle(started.hProcess);
    return problem;
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 3) {
        std::fputs("usage: open_shortcut SHORTCUT TITLE\n", stderr);
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Shortcut shortcut;
    if (!Read(arguments[1], shortcut)) {
        std::fputs("the shortcut cannot be read\n", stderr);
        return 1;
    }
    std::printf("%s\n%s\n", Utf8(shortcut.target).c_str(), Utf8(shortcut.description).c_str());
    std::fflush(stdout);
    const char* problem = OpenAndAwait(shortcut, arguments[2]);
    if (problem != nullptr) {
        std::fprintf(stderr, "%s\n", problem);
        return 1;
    }
    return 0;
}
