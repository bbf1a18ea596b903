#!/usr/bin/env python3
"""Uses the real Brenquill on a private X server as a user would, and reads the screen back.

    calculator_e2e.py --app <bundle>/bin/brenquill --shots <folder for a failure's screenshots>

Exits 0 when every check holds; otherwise prints what failed and where the screenshots are.
"""

import argparse
import re
import signal
import subprocess
import sys
import time

from x_session import Failure, Session, reads_like, wait_for_reading

TITLE = "Brenquill Calculator"
CONTENT_WIDTH, CONTENT_HEIGHT = 638, 570

# Where the controls stand in the calculator's content, below its menu bar: (x, y, w, h).
AMOUNT = (269, 162, 118, 22)
TERM = (269, 193, 118, 22)
RATE = (269, 225, 118, 22)
CALCULATE = (269, 394, 80, 20)
QUIT = (329, 443, 173, 20)
PAYMENT_LINE = (82, 271, 480, 37)
INTEREST_LINE = (79, 318, 480, 24)
TOTAL_LINE = (28, 344, 553, 29)
RESULTS = (28, 271, 553, 102)
# In the credits window, which has no menu bar.
EXIT = (375, 565, 80, 20)

MONEY = re.compile(r"\$[0-9][0-9,]*\.[0-9]{2}")
MESSAGE = "All fields must only be numeric, please check and correct your entries"

# Every wait below is a bound, not a pause: the checks poll until what they expect is there.
APPEAR = 30
REACT = 15


def centre(origin, box):
    return origin[0] + box[0] + box[2] // 2, origin[1] + box[1] + box[3] // 2


def on_screen(origin, box):
    return origin[0] + box[0], origin[1] + box[1], box[2], box[3]


def field_inside(origin, box):
    # The text without the field's border, which OCR would read as a bar.
    x, y, w, h = on_screen(origin, box)
    return x + 3, y + 3, w - 6, h - 6


class Calculator:
    """The calculator window of one run of the program."""

    def __init__(self, session, process):
        self.session, self.process = session, process
        self.window = session.window_named(TITLE, APPEAR)
        x, y, width, height = session.geometry(self.window)
        menu_bar = height - CONTENT_HEIGHT
        if width != CONTENT_WIDTH or not 10 <= menu_bar <= 60:
            raise Failure(f"the calculator is {width}x{height}, expected {CONTENT_WIDTH} wide "
                          f"and {CONTENT_HEIGHT} plus a menu bar high")
        self.origin = (x, y + menu_bar)
        session.focus(self.window)

    def click(self, box):
        self.session.click(*centre(self.origin, box))

    def replace_text(self, box, text):
        self.click(box)
        self.session.key("ctrl+a")
        self.session.type(text)

    def read_fields(self):
        shot = self.session.screenshot("fields")
        return [self.session.read(shot, field_inside(self.origin, box))
                for box in (AMOUNT, TERM, RATE)]

    def read_results(self):
        shot = self.session.screenshot("results")
        return [self.session.read(shot, on_screen(self.origin, box))
                for box in (PAYMENT_LINE, INTEREST_LINE, TOTAL_LINE)]

    def expect_fields(self, expected):
        def probe():
            seen = self.read_fields()
            return seen == expected, seen
        wait_for_reading(f"the fields to read {expected}", probe, APPEAR)

    def expect_results(self, payment, interest, total):
        """Waits for the three result lines: the words read loosely, the amounts exactly."""
        expected = [f"Monthly Payment = {payment}", f"Total Interest = {interest}",
                    f"Total to be paid over the life of the loan: {total}"]

        def probe():
            seen = self.read_results()
            holds = all(MONEY.findall(line) == MONEY.findall(want) and reads_like(line, want)
                        for line, want in zip(seen, expected))
            return holds, seen
        wait_for_reading(f"the results {expected}", probe, REACT)

    def expect_no_results(self):
        shot = self.session.screenshot("no-results")
        if not self.session.region_is_blank(shot, on_screen(self.origin, RESULTS)):
            seen = self.session.read(shot, on_screen(self.origin, RESULTS), single_line=False)
            raise Failure(f"the result area is not empty; it reads {seen!r}")


STARTED = time.monotonic()


def step(text):
    print(f"-- {time.monotonic() - STARTED:5.1f} s  {text}", flush=True)


def first_run(session, app):
    step("start: the calculator shows its default inputs and no results")
    process = session.launch([app], "brenquill-first-run.log", {"LANG": "C.UTF-8"})
    calc = Calculator(session, process)
    calc.expect_fields(["100000", "360", "3.75"])
    calc.expect_no_results()

    step("Calculate shows the worked example")
    calc.click(CALCULATE)
    calc.expect_results("$463.12", "$66,721.61", "$166,721.61")

    step("new inputs and Return show their results")
    calc.replace_text(AMOUNT, "250000")
    calc.replace_text(TERM, "180")
    calc.replace_text(RATE, "6.5")
    calc.expect_fields(["250000", "180", "6.5"])
    session.key("Return")
    calc.expect_results("$2,177.77", "$141,998.31", "$391,998.31")

    step('"abc" and Calculate bring up the message about numeric fields')
    calc.replace_text(TERM, "abc")
    calc.click(CALCULATE)

    def dialog():
        others = [w for w in session.visible_windows() if w != calc.window]
        return len(others) == 1, others
    message_box = wait_for_reading("one window beside the calculator", dialog, REACT)[0]

    def message():
        shot = session.screenshot("message")
        seen = session.read(shot, session.geometry(message_box), single_line=False)
        return reads_like(seen, MESSAGE, ratio=0.95), seen
    wait_for_reading(f"the message {MESSAGE!r}", message, REACT)

    session.focus(message_box)
    session.key("Return")
    wait_for_reading("the message box to close",
                     lambda: (not session.is_visible(message_box), session.visible_windows()),
                     REACT)

    def refused():
        seen = calc.read_results()
        return seen[0] == "Invalid Input" and MONEY.findall(" ".join(seen[1:])) == [
            "$141,998.31", "$391,998.31"], seen
    wait_for_reading("the payment line to say the input is invalid, the others unchanged",
                     refused, REACT)

    step("Ctrl+Q ends the program with exit code 0")
    session.focus(calc.window)
    session.key("ctrl+q")
    code = session.wait_exit(process, REACT)
    if code != 0:
        raise Failure(f"Ctrl+Q ended the program with exit code {code}")


def second_run(session, app):
    step("second run: Quit swaps the calculator for the credits window")
    process = session.launch([app], "brenquill-second-run.log", {"LANG": "C.UTF-8"})
    calc = Calculator(session, process)
    calc.expect_fields(["100000", "360", "3.75"])
    calc.click(QUIT)
    credits = session.window_named("Credits", REACT)
    wait_for_reading("the calculator to be hidden",
                     lambda: (not session.is_visible(calc.window), session.visible_windows()),
                     REACT)

    def thanks():
        shot = session.screenshot("credits")
        x, y, _, _ = session.geometry(credits)
        seen = session.read(shot, (x + 153, y + 179, 523, 60), single_line=False)
        return reads_like(seen, "Thank you for using free software from Quorvane"), seen
    wait_for_reading("the credits' thanks", thanks, REACT)

    step("Exit ends the program with exit code 0")
    x, y, _, _ = session.geometry(credits)
    session.focus(credits)
    session.click(*centre((x, y), EXIT))
    code = session.wait_exit(process, REACT)
    if code != 0:
        raise Failure(f"Exit ended the program with exit code {code}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--app", required=True)
    parser.add_argument("--shots", required=True)
    args = parser.parse_args()

    def stop(signum, _frame):
        raise Failure(f"stopped by signal {signum}")
    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    # The last resort if a tool hangs: fail, and clean up, before the test runner kills us.
    signal.signal(signal.SIGALRM, lambda *_: stop("SIGALRM (overall time limit)", None))
    signal.alarm(110)

    session = Session(args.shots)
    failed = True
    try:
        session.start_xvfb()
        step(f"X server on display {session.display}")
        first_run(session, args.app)
        second_run(session, args.app)
        failed = False
    except (Failure, subprocess.SubprocessError) as failure:
        print(f"FAILED: {failure}", file=sys.stderr, flush=True)
        try:
            session.screenshot("at-failure")
        except Exception:  # the screen may be gone with the failure
            pass
    finally:
        session.close(keep=failed)
    if failed:
        print(f"screenshots and logs kept in {args.shots}", file=sys.stderr)
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
