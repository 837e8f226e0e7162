// Keeps Wine's desktop open for a whole test run. Wine closes its desktop a second after the
// last program on it ends, and a desktop that has once closed slows every later test program
// down by more than a second; a program that waits here for the whole run holds it open. It
// shows nothing, says "ready" once the desktop is up, and ends with the Wine server.

#include <windows.h>

#include <cstdio>

int main() {
    // Asking for the desktop window opens the desktop and returns once it is up.
    GetDesktopWindow();
    // A message-only window makes this program a user of the desktop without putting anything
    // on it.
    CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    std::puts("ready");
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
