#!/usr/bin/env python3
"""The small windows as a window manager shows them: the real zeb under
Xvfb with openbox; what openbox allows on each window is read back from
the window (_NET_WM_ALLOWED_ACTIONS), also after a run has put the device
windows on top and for the About window once the start-up screen has gone.

Usage: window_manager_buttons.py ZEB_BINARY PROGRAM_WITH_INP
Exits 77 (skipped) where Xvfb, openbox, xdotool or xprop are missing.
"""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "accessibility"))
from private_display import start_xvfb  # noqa: E402

SKIP = 77
FORBIDDEN = ("_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
             "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE")


def skip(why):
    print("SKIP: " + why)
    sys.exit(SKIP)


def start_display():
    started = start_xvfb("1920x1080")
    if not started:
        skip("Xvfb did not start")
    return started


def run(env, *command):
    return subprocess.run(command, env=env, capture_output=True, text=True).stdout


def windows(env, title, visible=False):
    only = ["--onlyvisible"] if visible else []
    return run(env, "xdotool", "search", *only, "--name", "^" + title + "$").split()


def wait_for(env, title, timeout=15.0, visible=False):
    end = time.time() + timeout
    while time.time() < end:
        found = windows(env, title, visible)
        if found:
            return found[0]
        time.sleep(0.1)
    return None


def allowed(env, window):
    return run(env, "xprop", "-id", window, "_NET_WM_ALLOWED_ACTIONS")


def main():
    zeb, program = sys.argv[1], sys.argv[2]
    for tool in ("Xvfb", "openbox", "xdotool", "xprop"):
        if not shutil.which(tool):
            skip(tool + " is not installed (Debian: xvfb, openbox, xdotool, x11-utils)")
    xvfb, display = start_display()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    env.pop("QT_SCALE_FACTOR", None)
    openbox = subprocess.Popen(["openbox"], env=env, stderr=subprocess.DEVNULL)
    app = None
    failures = []
    try:
        time.sleep(1.0)
        app = subprocess.Popen([zeb, program], env=env)

        def check(title, when):
            window = wait_for(env, title)
            if not window:
                failures.append(title + " did not show " + when)
                return
            # Openbox sets the actions once it manages the window.
            end = time.time() + 5
            actions = allowed(env, window)
            while "ALLOWED_ACTIONS(ATOM)" not in actions and time.time() < end:
                time.sleep(0.1)
                actions = allowed(env, window)
            bad = [a for a in FORBIDDEN if a in actions]
            print(title, when, "allows:", actions.strip())
            if bad:
                failures.append("%s %s allows %s" % (title, when, ", ".join(bad)))
            # On top during a run and only then.
            if title in ("Keyboard", "Output") and when != "when shown":
                state = run(env, "xprop", "-id", window, "_NET_WM_STATE")
                if ("_NET_WM_STATE_ABOVE" in state) != (when == "during a run"):
                    failures.append("%s %s: %s" % (title, when, state.strip()))

        check("About ZEB", "at start-up")
        main = wait_for(env, "ZEB V2.7")
        if not main:
            failures.append("no main window")
            return 1
        # Options > Display Interrupts, then Options > Display Output Device.
        for item, title in (("i", "Keyboard"), ("o", "Output")):
            # On a busy machine the menu may open late: try again until the
            # window is on the screen.
            for _ in range(3):
                run(env, "xdotool", "windowactivate", "--sync", main)
                run(env, "xdotool", "key", "--clearmodifiers", "alt+o")
                time.sleep(1.0)
                run(env, "xdotool", "key", item)
                if wait_for(env, title, timeout=5.0, visible=True):
                    break
                run(env, "xdotool", "key", "Escape")
        check("Keyboard", "when shown")
        check("Output", "when shown")
        # A run puts them on top and asks for a number.
        run(env, "xdotool", "windowactivate", "--sync", main)
        run(env, "xdotool", "key", "F5")
        check("Input", "during a run")
        time.sleep(1.0)
        check("Keyboard", "during a run")
        check("Output", "during a run")
        # Answer the input, then Stop: the end of a run takes them off the
        # top level again.
        for number in ("5", "7"):
            inputs = windows(env, "Input", visible=True)
            if inputs:
                run(env, "xdotool", "windowactivate", "--sync", inputs[0])
                run(env, "xdotool", "type", number)
                run(env, "xdotool", "key", "Return")
                time.sleep(1.0)
        run(env, "xdotool", "windowactivate", "--sync", main)
        run(env, "xdotool", "key", "shift+F5")
        time.sleep(1.5)
        check("Keyboard", "after a run")
        check("Output", "after a run")
        # Help > About: the start-up screen's window, off the top level now.
        for _ in range(3):
            run(env, "xdotool", "windowactivate", "--sync", main)
            run(env, "xdotool", "key", "--clearmodifiers", "alt+h")
            time.sleep(1.0)
            run(env, "xdotool", "key", "a")
            if wait_for(env, "About ZEB", timeout=5.0, visible=True):
                break
            run(env, "xdotool", "key", "Escape")
        check("About ZEB", "from Help")
    finally:
        if app:
            app.kill()
            app.wait()
        openbox.terminate()
        openbox.wait()
        xvfb.terminate()
        xvfb.wait()
    for f in failures:
        print("FAIL: " + f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
