"""Reads the program's window through AT-SPI, the way Orca and every screen reader on Linux
read it: the window's role and title, and for each widget named for screen readers its role,
its name and, for a field, the text it holds, so that a name on the wrong widget shows.

Run on a display, under a session bus on which the accessibility bus can start. Starts the
program, waits for a bounded time until its window can be read whole, and ends it again.
Usage: read_the_form.py PROGRAM APP_ID
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi

TITLE = "Quillmoor V.0.5 by Tovik"
# (name, role, text of a field or None); the widgets on the hidden pages are listed too.
WIDGETS = [
    ("Klassen-Name", "text", "TestKlasse"),
    ("Struktur-Name", "text", "TestStruktur"),
    ("Create Befehl", "text", "New_TestKlasse()"),
    ("VTABLE Name", "text", "Test_Methoden"),
    ("Methoden", "list", None),
    ("Attribute", "list", None),
    ("Neue Methode", "text", "Test.l(a,b)"),
    ("Methode hinzufügen", "push button", None),
    ("Neues Attribut", "text", "ID.l"),
    ("Attribut hinzufügen", "push button", None),
    ("Erzeugter Quelltext", "text", ""),
]
SECONDS_TO_APPEAR = 30


def descendants(accessible):
    for child in accessible:
        if child is not None:
            yield child
            yield from descendants(child)


def problems_with(application):
    """What a screen reader would read wrong in the application's window; [] when nothing."""
    windows = [child for child in application if child is not None]
    if len(windows) != 1:
        return [f"{len(windows)} windows instead of one"]
    window = windows[0]
    found = []
    if window.getRoleName() != "frame":
        found.append(f"the window is a {window.getRoleName()!r}, not a frame")
    if window.name != TITLE:
        found.append(f"the window is called {window.name!r}")
    by_name = {}
    for widget in descendants(window):
        by_name.setdefault(widget.name, []).append(widget)
    for name, role, text in WIDGETS:
        widgets = by_name.get(name, [])
        if len(widgets) != 1:
            found.append(f"{len(widgets)} widgets are called {name!r}")
            continue
        widget = widgets[0]
        if widget.getRoleName() != role:
            found.append(f"{name!r} is a {widget.getRoleName()!r}, not a {role!r}")
        if text is not None:
            held = widget.queryText().getText(0, -1)
            if held != text:
                found.append(f"{name!r} holds {held!r}, not {text!r}")
    return found


def application_named(name):
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == name:
            return application
    return None


def main(program, app_id):
    with tempfile.TemporaryDirectory() as runtime:
        os.chmod(runtime, 0o700)
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime,
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        running = subprocess.Popen([program], env=environment)
        try:
            # The bus knows the program by its application's name, the app id's last part.
            return read(running, app_id.rsplit(".", 1)[-1])
        finally:
            running.terminate()
            running.wait(timeout=10)


# The program joins the bus on its own time; it is asked again until it answers in full or the
# time is up, and what it answered last is what fails the test.
def read(running, name):
    deadline = time.monotonic() + SECONDS_TO_APPEAR
    found = ["the program never joined the accessibility bus"]
    while time.monotonic() < deadline:
        if running.poll() is not None:
            print(f"the program ended with status {running.returncode}", file=sys.stderr)
            return 1
        application = application_named(name)
        if application is not None:
            found = problems_with(application)
            if not found:
                return 0
        time.sleep(0.1)
    print("\n".join(found), file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
