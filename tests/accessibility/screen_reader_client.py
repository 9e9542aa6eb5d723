#!/usr/bin/env python3
"""ZEB as a screen reader meets it: the real zeb under Xvfb, on a private
D-Bus session with the AT-SPI bus, walked and driven with pyatspi.

Usage: screen_reader_client.py ZEB_BINARY PROGRAM_FILE
Exits 77 (skipped) where the display, the buses or pyatspi are missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from private_display import rerun_on_private_display

SKIP = 77


def skip(why):
    print("SKIP: " + why)
    sys.exit(SKIP)


def outer(zeb, program):
    # A private X server and session bus for this test alone.
    for tool in ("dbus-run-session", "Xvfb"):
        if not shutil.which(tool):
            skip(tool + " is not installed (Debian: xvfb, dbus)")
    if not os.path.exists(launcher()):
        skip("at-spi-bus-launcher is not installed (Debian: at-spi2-core)")
    status = rerun_on_private_display([zeb, program], "1280x1024", tempfile.TemporaryFile())
    if status is None:
        skip("Xvfb did not start")
    return status


def launcher():
    for p in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"):
        if os.path.exists(p):
            return p
    return "/usr/libexec/at-spi-bus-launcher"


def pump():
    # Events from the bus arrive through GLib's main loop.
    try:
        from gi.repository import GLib
    except ImportError:
        return
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, condition, timeout=15.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def inner(zeb, program):
    bus = subprocess.Popen([launcher(), "--launch-immediately"],
                           stdout=tempfile.TemporaryFile(), stderr=subprocess.STDOUT)
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        bus.terminate()
        skip("pyatspi is not importable by " + sys.executable + " (Debian: python3-pyatspi)")
    home = tempfile.mkdtemp(prefix="zeb-a11y-")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_RUNTIME_DIR=home)
    # A display just started may still refuse the first client: try again.
    for _ in range(3):
        app = subprocess.Popen([zeb, program], env=env)
        try:
            app.wait(3)
        except subprocess.TimeoutExpired:
            break
        time.sleep(1)
    if app.poll() is not None:
        bus.terminate()
        shutil.rmtree(home, ignore_errors=True)
        print("FAIL zeb did not start on the display")
        return 1
    try:
        return check(app)
    finally:
        app.terminate()
        try:
            app.wait(5)
        except subprocess.TimeoutExpired:
            app.kill()
        bus.terminate()
        shutil.rmtree(home, ignore_errors=True)


def main():
    if len(sys.argv) >= 2 and sys.argv[1] == "--inner":
        sys.exit(inner(sys.argv[2], sys.argv[3]))
    if len(sys.argv) != 3:
        print(__doc__)
        sys.exit(2)
    sys.exit(outer(sys.argv[1], sys.argv[2]))


def check(app):
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    failures = []

    def expect(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    def zeb_app():
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            if a is not None and a.name == "zeb":
                return a
        return None

    def frame():
        a = zeb_app()
        for i in range(a.childCount if a else 0):
            w = a.getChildAtIndex(i)
            if w is not None and w.name == "ZEB main window":
                return w
        return None

    def named(name):
        for node in walk(frame()):
            if node.name == name or node.name.startswith(name + ", "):
                return node
        raise AssertionError("no accessible object named " + name)

    def focused():
        # The innermost object with the focus: the window holds it while
        # the grid has the keys, its current cell says so too.
        found = None
        for node in walk(frame()):
            try:
                if node.getState().contains(pyatspi.STATE_FOCUSED):
                    found = node
            except Exception:
                pass
        return found

    def key(keysym):
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        time.sleep(0.15)
        pump()

    # What a screen reader hears: the events, not only the tree.
    heard = []

    def listen(event):
        try:
            heard.append((event.type, event.source.name, event.detail1,
                          str(event.any_data) if event.any_data is not None else ""))
        except Exception:
            pass

    for kind in ("object:property-change:accessible-name",
                 "object:property-change:accessible-description",
                 "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(listen, kind)

    def was_heard(kind, name_start, timeout=5.0):
        try:
            return wait_for(kind + " from " + name_start, lambda: any(
                t.startswith(kind) and (n or "").startswith(name_start) for t, n, _, _ in heard),
                timeout)
        except AssertionError:
            return False

    main_window = wait_for("the main window on the accessibility bus", frame, 30)
    # The counting loop is loaded; the current cell is the first operator.
    wait_for("the grid's focus", lambda: focused() is not None, 15)

    controls = [n for n in walk(main_window)
                if n.getRoleName() in ("push button", "slider", "table cell")]
    unfocusable = [n.name for n in controls
                   if not n.getState().contains(pyatspi.STATE_FOCUSABLE)]
    expect(len(controls) >= 17 + 7 + 1 + 160 and not unfocusable,
           "every control of the main window is focusable (%d controls; not: %s)"
           % (len(controls), unfocusable[:5]))

    tables = [n for n in walk(main_window) if n.getRoleName() == "table"]
    expect(len(tables) == 1 and tables[0].name == "Memory",
           "the memory is one table: %s" % [t.name for t in tables])
    if tables:
        t = tables[0].queryTable()
        expect((t.nRows, t.nColumns) == (80, 2) and t.getColumnDescription(1) == "Operand",
               "80 rows of operator and operand: %d x %d" % (t.nRows, t.nColumns))
        cell = t.getAccessibleAt(12, 0)
        expect(cell is not None and cell.name.startswith("Memory cell 12, operator"),
               "its cells are the memory fields: %s" % (cell.name if cell else None))

    f = focused()
    expect(f is not None and f.name.startswith("Memory cell 0, operator"),
           "the current cell has the focus at start: %s" % (f.name if f else None))

    route = []
    for _ in range(30):
        previous = focused()
        key(0xff09)  # Tab
        try:
            f = wait_for("the focus to move", lambda: (lambda n: n if n is not None and (
                previous is None or n.name != previous.name) else None)(focused()), 5)
        except AssertionError:
            f = focused()
        route.append(f.name if f else None)
        if f is not None and f.name == "Run":
            break
    expect(route and route[-1] == "Run", "Tab reaches Run: " + " > ".join(map(str, route)))
    expect(route[0] == "Keypad 0 HLT", "Tab goes from the grid to the keypad first")

    key(0xff1b)  # Escape: back to the grid
    key(0xff57)  # End: the last operand
    try:
        before = wait_for("the last cell", lambda: (lambda n: n if n is not None and
                          n.name.startswith("operand") else None)(focused()), 5)
    except AssertionError:
        before = focused()
    last = tables[0].queryTable().getAccessibleAt(79, 1) if tables else None
    expect(before is not None and before.name == "operand, empty" and last is not None
           and last.getState().contains(pyatspi.STATE_FOCUSED),
           "End moves the focus to the last cell: %s" % (before.name if before else None))
    expect(was_heard("object:state-changed:focused", "operand, empty"),
           "moving the cursor tells the reader of the newly focused cell")
    heard.clear()
    key(ord("7"))
    after = wait_for("the typed digit", lambda: (lambda n: n if n and n.name.endswith(", 7")
                                                 else None)(focused()), 5)
    expect(after.name == "operand, 7",
           "typing 7 changes the focused cell's text: " + after.name)

    expect(was_heard("object:property-change:accessible-name", "operand, 7"),
           "typing into the cell tells the reader its new name and value")

    # The loop counts down from 255 instead of 9: a run long enough to
    # hear how often the accumulator is told.
    key(0xff50)  # Home
    key(0xff53)  # Right: operand 0
    for _ in range(11):
        key(0xff54)  # Down
    key(0xff08)  # BackSpace
    for digit in "255":
        key(ord(digit))

    heard.clear()
    accumulator = named("Accumulator")
    old = accumulator.name
    key(0xffc7)  # F10: Step, LDA 11
    new = wait_for("a new accumulator", lambda: named("Accumulator").name != old
                   and named("Accumulator").name, 5)
    expect(new == "Accumulator, 255",
           "a Step changes the accumulator's text: %s -> %s" % (old, new))
    expect(was_heard("object:property-change:accessible-name", "Accumulator, 255"),
           "the accumulator's change is told during a Step")
    expect(was_heard("object:property-change:accessible-description", "Memory cell 1, operator"),
           "the executing cell is told during a Step")
    step = named("Step")
    expect(step.description.startswith("Stepped, program counter 1"),
           "the run controls tell where a Step left the program: " + step.description)

    # To the speed slider and up to full speed, then Run with F5.
    for _ in range(30):
        f = focused()
        if f is not None and f.getRoleName() == "slider":
            break
        key(0xff09)  # Tab
    key(0xff57)  # End
    speed = wait_for("full speed", lambda: (lambda n: n if n and n.name == "Speed 10 of 10"
                                            else None)(focused()), 5)
    expect(speed.name == "Speed 10 of 10", "the speed slider reads " + speed.name)
    key(0xff1b)  # Escape: back to the grid, where F5 still runs
    heard.clear()
    started = time.monotonic()
    key(0xffc2)  # F5
    try:
        halted = wait_for("the halt", lambda: named("Run").description.startswith("Program ")
                          and named("Run").description, 60)
    except AssertionError:
        halted = named("Run").description
    took = time.monotonic() - started
    expect(halted == "Program halted at 10", "a finished run says where: " + halted)
    # The accumulator changed 510 times: a reader hears of it at most ten
    # times a second, and of its last value.
    pump()
    told = [n for t, n, _, _ in heard
            if t == "object:property-change:accessible-name" and (n or "").startswith("Accumulator")]
    expect(told and told[-1] == "Accumulator, 0" and len(told) <= took / 0.1 + 5,
           "the accumulator is told at a listener's pace: %d times in %.2f s, last %s"
           % (len(told), took, told[-1] if told else None))
    expect(was_heard("object:property-change:accessible-description", "Run"),
           "the halt is told to the reader")
    printed = [named("Printer paper line %d" % i).queryText().getText(0, -1) for i in (4, 3, 2, 1)]
    # The loop counts 9 down to 1; the strip shows the last four, newest at the bottom.
    expect(printed == ["4", "3", "2", "1"],
           "the printer lines read what was printed: %s" % printed)

    run = named("Run")
    x, y, w, h = run.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "abs")
    status = wait_for("a status text", lambda: [n for n in walk(main_window)
                                                 if n.name.startswith("Status: ")], 5)[0]
    expect(len(status.name) > len("Status: "), "the status bar's text is readable: " + status.name)

    # The Keyboard window, opened from the Options menu, is a window with
    # a title whose 37 keys each take the focus.
    menu_item = [n for n in walk(main_window)
                 if n.getRoleName().endswith("menu item") and n.name == "Display Interrupts"]
    if menu_item:
        menu_item[0].queryAction().doAction(0)

    def keyboard_window():
        a = zeb_app()
        for i in range(a.childCount if a else 0):
            w = a.getChildAtIndex(i)
            if w is not None and w.name == "Interrupt keyboard":
                return w
        return None

    try:
        keyboard = wait_for("the Keyboard window", keyboard_window, 10)
        keys = [n for n in walk(keyboard) if n.getRoleName() == "push button"]
        expect(keyboard.getRoleName() in ("window", "frame", "dialog")
               and len(keys) == 37
               and all(k.getState().contains(pyatspi.STATE_FOCUSABLE) for k in keys),
               "the Keyboard window is a %s with %d focusable keys"
               % (keyboard.getRoleName(), len(keys)))
    except AssertionError as e:
        expect(False, "the Keyboard window opens from the menu: %s" % e)

    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    return 0


if __name__ == "__main__":
    main()
