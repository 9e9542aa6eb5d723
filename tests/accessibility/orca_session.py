"""Orca on a display, buses and home of its own, for tests that listen to
what it says.

Orca runs without a speech server: no sound card or speech-dispatcher is
needed and nothing is heard, but its debug log still records every utterance
it speaks ("SPEECH OUTPUT"). It is started from its Python package by
a few lines of its own rather than through the `orca` command, which would
refuse to start beside, or with --replace kill, an Orca the user is
listening to.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from private_display import rerun_on_private_display

SKIP = 77

ORCA_MAIN = r"""
import sys
log, prefs = sys.argv[1], sys.argv[2]
from orca import debug, settings
# No speech server: every utterance is still logged before it would be sent.
settings.speechFactoryModules = []
debug.debugLevel = debug.LEVEL_INFO
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(log, "w", buffering=1)
from orca import orca
manager = orca.getSettingsManager()
manager.activate(prefs, {"speechServerFactory": "", "enableBraille": False,
                         "enableSound": False, "enableMouseReview": False})
sys.exit(orca.main())
"""


def skip(why):
    print("SKIP: " + why)
    sys.exit(SKIP)


def bus_launcher():
    for p in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"):
        if os.path.exists(p):
            return p
    return None


def check_tools():
    for tool in ("Xvfb", "dbus-run-session", "xdotool"):
        if not shutil.which(tool):
            skip(tool + " is not installed (Debian: xvfb, dbus, xdotool)")
    if not bus_launcher():
        skip("at-spi-bus-launcher is not installed (Debian: at-spi2-core)")
    probe = subprocess.run([sys.executable, "-c", "import importlib.util as u; "
                            "assert u.find_spec('orca.orca') and u.find_spec('pyatspi')"],
                           capture_output=True)
    if probe.returncode != 0:
        skip("Orca is not importable by " + sys.executable + " (Debian: orca)")


def on_private_display(argv):
    """Runs this script again as `script --inner argv...` on a new X server
    and D-Bus session; returns its exit status."""
    # What the X server prints goes to a file of this run, kept for a failure.
    xvfb_log = tempfile.NamedTemporaryFile(prefix="zeb-xvfb-", suffix=".log", delete=False)
    try:
        status = rerun_on_private_display(argv, "1280x1024", xvfb_log)
    finally:
        xvfb_log.close()
        os.unlink(xvfb_log.name)
    if status is None:
        skip("Xvfb did not start")
    return status


class OrcaSession:
    """Inside the private session: the accessibility bus, Orca, one
    application. Use as a context manager."""

    def __init__(self, with_orca=True):
        self.with_orca = with_orca
        self.home = tempfile.mkdtemp(prefix="zeb-orca-")
        self.log = os.path.join(self.home, "orca.log")
        self.env = dict(os.environ, HOME=self.home, XDG_RUNTIME_DIR=self.home,
                        XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                        XDG_DATA_HOME=os.path.join(self.home, "data"))
        self.procs = []
        self.outputs = []

    def __enter__(self):
        try:
            return self.begin()
        except BaseException:
            self.__exit__(None, None, None)
            raise

    def begin(self):
        self.procs.append(subprocess.Popen([bus_launcher(), "--launch-immediately"],
                                           env=self.env, stdout=self.output("bus"),
                                           stderr=subprocess.STDOUT))
        time.sleep(0.5)
        # A window manager, so that windows are activated as on a desktop.
        if shutil.which("openbox"):
            self.procs.append(subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                               stdout=self.output("openbox"),
                                               stderr=subprocess.STDOUT))
        if not self.with_orca:
            return self
        prefs = os.path.join(self.home, "orca-prefs")
        os.makedirs(prefs)
        self.procs.append(subprocess.Popen([sys.executable, "-c", ORCA_MAIN, self.log, prefs],
                                           env=self.env, stdout=self.output("orca"),
                                           stderr=subprocess.STDOUT))
        self.wait_for_log("ORCA: Starting ATSPI registry", 30)
        return self

    def __exit__(self, *exc):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        for f in self.outputs:
            f.close()
        if os.environ.get("ZEB_ORCA_LOG") and os.path.exists(self.log):
            shutil.copy(self.log, os.environ["ZEB_ORCA_LOG"])
        shutil.rmtree(self.home, ignore_errors=True)

    def start(self, argv, extra_env=None):
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   **(extra_env or {}))
        app = subprocess.Popen(argv, env=env, stdout=self.output("app"),
                               stderr=subprocess.STDOUT)
        self.procs.append(app)
        return app

    def output(self, name):
        # What a process prints, kept in the home for a failure.
        f = open(os.path.join(self.home, name + ".out"), "w")
        self.outputs.append(f)
        return f

    def log_text(self):
        if not os.path.exists(self.log):
            return ""
        with open(self.log, errors="replace") as f:
            return f.read()

    def wait_for_utterance(self, condition, start, timeout):
        """The first utterance from index `start` on that meets `condition`."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            for said in self.utterances()[start:]:
                if condition(said):
                    return said
            time.sleep(0.1)
        return None

    def wait_for_log(self, text, timeout):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if text in self.log_text():
                return True
            time.sleep(0.1)
        with open(os.path.join(self.home, "orca.out"), errors="replace") as f:
            sys.stdout.write(f.read()[-3000:])
        raise AssertionError("Orca's log never showed: " + text)

    def utterances(self):
        said = []
        for line in self.log_text().splitlines():
            marker = "SPEECH OUTPUT: '"
            i = line.find(marker)
            if i < 0:
                continue
            text = line[i + len(marker):]
            # The voice follows the closing quote.
            end = max(text.rfind("'{"), text.rfind("' {"))
            said.append(text[:end] if end >= 0 else text.rstrip("'"))
        return said


def keys(*names, delay=120):
    subprocess.run(["xdotool", "key", "--delay", str(delay)] + list(names), check=True)


def type_text(text, delay=120):
    subprocess.run(["xdotool", "type", "--delay", str(delay), text], check=True)
