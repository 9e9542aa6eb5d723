#!/usr/bin/env python3
"""What Orca says while the counting loop is entered, stepped and run with
the keyboard alone, checked utterance by utterance.

Usage: orca_transcript.py ZEB_BINARY
Runs on an X server, D-Bus session, accessibility bus and home of its own, so
a desktop's own Orca is never touched. Exits 77 (skipped) where Xvfb,
xdotool, at-spi2-core or Orca are missing. ZEB_ORCA_LOG=FILE keeps Orca's
whole debug log.
"""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orca_session  # noqa: E402
from orca_session import keys, type_text  # noqa: E402


def enter_counting_loop():
    # LDA 11, JM0 10, OUT, AC- 12, JMP 1; HLT at 10; 9 at 11, 1 at 12.
    # The x is refused: the operand takes digits only.
    for op, operand, down in (("1", "11", 1), ("9", "10", 1), ("12", "", 1), ("4", "12", 1),
                              ("7", "1", 6)):
        type_text(op)
        if operand:
            keys("Right")
            type_text(operand)
            keys("Left")
        keys(*["Down"] * down)
    type_text("0")
    keys("Right", "Down")
    type_text("9x")
    keys("Down")
    type_text("1")
    keys("Home")


def tab_to_speed(orca):
    for _ in range(30):
        start = len(orca.utterances())
        keys("Tab")
        heard = orca.wait_for_utterance(lambda s: s.endswith("push button.") or
                                        s.startswith("Speed"), start, 3)
        if heard and heard.startswith("Speed"):
            return


def main(zeb):
    with orca_session.OrcaSession() as orca:
        app = orca.start([zeb])
        orca.wait_for_log("Memory cell 0", 30)
        enter_counting_loop()
        keys("F10")
        orca.wait_for_log("Stepped", 10)
        # Tab to the speed slider and up to 8; on to the reset buttons, each
        # pressed; back to the grid and Run.
        tab_to_speed(orca)
        keys("Up", "Up", "Up", "Tab", "space", "Tab", "space", "Escape", "F5")
        orca.wait_for_log("Program halted", 40)
        flooded = "Pruning event queue" in orca.log_text()
        # File > Save As, into this session's home.
        keys("alt+f", "a")
        orca.wait_for_log("Save As", 10)
        time.sleep(1)
        # Typed no faster than Orca follows: it drops events in a flood.
        type_text(os.path.join(orca.home, "COUNT.ZEB"))
        time.sleep(1)
        keys("Return")
        orca.wait_for_log("Saved", 10)
        # Once more at full speed, from a reset program counter.
        tab_to_speed(orca)
        start = len(orca.utterances())
        keys("End", "Tab", "Tab", "space", "Escape", "F5")
        orca.wait_for_utterance(lambda s: s.startswith("Program halted"), start, 20)
        time.sleep(1)
        said = orca.utterances()
        app.terminate()
    print("\n".join(said))
    return check(said, flooded)


def check(said, flooded):
    failures = []

    def expect(ok, what):
        if not ok:
            failures.append(what)
            print("FAIL " + what)

    def index(text, start=0):
        for i in range(start, len(said)):
            if said[i] == text or said[i] == text + ".":
                return i
        return -1

    # In order: an entry echoed, a refused key, the step, the resets, the
    # run, each printed number, the halt, the save.
    order = ["cell 0 operator 1", "not accepted",
             "Stepped: LDA 11, accumulator 9, program counter 1", "Accumulator reset",
             "Program counter reset", "Running"]
    order += [str(n) for n in range(9, 0, -1)] + ["Program halted at 10", "Saved COUNT.ZEB"]
    # At full speed the lines come faster than speech: summed up, none lost.
    order += ["Program counter reset", "Running", "9", "printed 8 lines, last 1",
              "Program halted at 10"]
    at = 0
    for text in order:
        found = index(text, at)
        expect(found >= 0, "heard %r (after utterance %d)" % (text, at))
        if found >= 0:
            at = found + 1
    expect(not flooded, "Orca was never flooded with events while the program was entered and run")
    # A row of the memory: its address once, each value once.
    address = [s.split(",")[0] if s.startswith("Memory cell ") else None for s in said]
    expect(not any(a and a == b for a, b in zip(address, address[1:])) and
           not any(s.startswith("Memory cell") and "operand" in s for s in said),
           "moving along the memory says each address once")
    expect(not any("JU-" in s or "JU0" in s for s in said), "no keypad key is misnamed JU")
    expect(not any("notification" in s.lower() for s in said), "announcements are spoken plainly")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) > 1 and sys.argv[1] == "--inner":
        sys.exit(main(sys.argv[2]))
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    orca_session.check_tools()
    sys.exit(orca_session.on_private_display([os.path.abspath(sys.argv[1])]))
