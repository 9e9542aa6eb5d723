"""An X server of a test's own, and the same script run again on it inside
a D-Bus session of its own: a test never touches the user's display, bus or
screen reader."""
import os
import socket
import subprocess
import sys
import time


def start_xvfb(size, stderr=subprocess.DEVNULL):
    """Starts Xvfb on a free display; returns (process, ":N"), or None when
    it did not start."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", size + "x24",
                             "-nolisten", "tcp"], pass_fds=(write,), stderr=stderr)
    os.close(write)
    with os.fdopen(read) as f:
        display = f.readline().strip()
    if not display:
        xvfb.kill()
        return None
    for _ in range(100):
        try:
            with socket.socket(socket.AF_UNIX) as probe:
                probe.connect("/tmp/.X11-unix/X" + display)
            break
        except OSError:
            time.sleep(0.1)
    return xvfb, ":" + display


def rerun_on_private_display(argv, size, stderr=subprocess.DEVNULL):
    """Runs the calling script again as `script --inner argv...` on a new X
    server and D-Bus session; returns its exit status, or None when the X
    server did not start."""
    started = start_xvfb(size, stderr)
    if not started:
        return None
    xvfb, display = started
    try:
        env = dict(os.environ, DISPLAY=display)
        for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            env.pop(name, None)
        return subprocess.call(["dbus-run-session", "--", sys.executable,
                                os.path.abspath(sys.argv[0]), "--inner"] + argv, env=env)
    finally:
        xvfb.terminate()
        xvfb.wait()
