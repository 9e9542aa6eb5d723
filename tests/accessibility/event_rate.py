#!/usr/bin/env python3
"""How many accessibility events a screen reader receives per second while a
program prints in an endless loop at speed 10. A measurement, not a test:
  tests/accessibility/event_rate.py build/src/app/zeb [SECONDS]
"""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orca_session  # noqa: E402

# LDA 11, OUT, AC+ 12, JMP 1: counts up and prints for ever.
LOOP = " 0|  1| 11|\r\n 1| 12|   |\r\n 2|  3| 12|\r\n 3|  7|  1|\r\n" \
       "11|   |  0|\r\n12|   |  1|\r\n# RUN LOG:\r\n"


def inner(zeb, seconds):
    import pyatspi
    from gi.repository import GLib
    session = orca_session.OrcaSession(with_orca=False)
    with session:
        program = os.path.join(session.home, "LOOP.ZEB")
        with open(program, "w", newline="") as f:
            f.write(LOOP)
        session.start([zeb, program])
        time.sleep(4)
        counts = {}

        def listen(event):
            counts[event.type] = counts.get(event.type, 0) + 1

        pyatspi.Registry.registerEventListener(listen, "object", "window", "focus")
        context = GLib.MainContext.default()
        # Full speed from the slider, then Run.
        slider = None
        for app in pyatspi.Registry.getDesktop(0):
            slider = pyatspi.findDescendant(app, lambda n: n.getRoleName() == "slider") or slider
        for _ in range(40):
            orca_session.keys("Tab")
            f = pyatspi.findDescendant(slider.getApplication(),
                                       lambda n: n.getState().contains(pyatspi.STATE_FOCUSED))
            if f and f.getRoleName() == "slider":
                break
        orca_session.keys("End", "Escape")
        while context.iteration(False):
            pass
        counts.clear()
        orca_session.keys("F5")
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if not context.iteration(False):
                time.sleep(0.001)
        print(slider.name)
        total = sum(counts.values())
        print("%.0f events/s over %g s" % (total / seconds, seconds))
        for kind, n in sorted(counts.items(), key=lambda kv: -kv[1])[:8]:
            print("  %8.1f/s %s" % (n / seconds, kind))


if __name__ == "__main__":
    if sys.argv[1] == "--inner":
        inner(os.path.abspath(sys.argv[2]), float(sys.argv[3]))
    else:
        orca_session.check_tools()
        sys.exit(orca_session.on_private_display(
            [os.path.abspath(sys.argv[1]), sys.argv[2] if len(sys.argv) > 2 else "10"]))
