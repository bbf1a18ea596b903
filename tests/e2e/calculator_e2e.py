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
from pathlib import Path

from x_session import Failure, Session, reads_like, wait_for_reading

TITLE = "Brenquill Calculator"
MESSAGE_TITLE = "Brenquill"
CONTENT_WIDTH, CONTENT_HEIGHT = 638, 570
ENV = {"LANG": "C.UTF-8"}

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

# The name of the program's desktop entry and icon, and the icon's pictures, as drawn for the
# desktop's menus in each of its sizes.
ID = "com.quorvane.Brenquill"
ICON_SIZES = [48, 64, 128, 256]
ICONS = {(size, size): Path(__file__).resolve().parents[2] / f"packaging/icons/{ID}-{size}.png"
         for size in ICON_SIZES}
# Out of 255: room for the rounding of colours that a toolkit keeps weighted by their opacity.
ICON_TOLERANCE = 2

MONEY = re.compile(r"\$[0-9][0-9,]*\.[0-9]{2}")
NOT_NUMERIC = "All fields must only be numeric, please check and correct your entries"

# Every wait below is a bound, not a pause: the checks poll until what they expect is there.
APPEAR = 60
REACT = 30


def expect_title_bar(session, window, title):
    """Waits for the title a window manager draws to read exactly the title."""
    def probe():
        seen = session.title_bar(window)
        return seen == title, seen
    wait_for_reading(f"the title bar to read {title!r}", probe, REACT)


def expect_program_icon(session, window, what, scale=1):
    """Waits for the window to carry the program's icon, pixel for pixel. The toolkit hands over
    each of the icon's sizes times the scale: each one the program has a picture of must be that
    picture (at scale 1 all four; at scale 2 the 128 and the 256, the 96 being a rescaled copy)."""
    wanted = sorted(size for size in ICONS if (size[0] // scale, size[1] // scale) in ICONS)

    def probe():
        icons = session.icons(window)
        if not set(wanted) <= set(icons):
            return False, f"icons of the sizes {sorted(icons)}, expected {wanted} among them"
        differences = {size: session.picture_difference(icons[size], ICONS[size])
                       for size in wanted}
        return max(differences.values()) <= ICON_TOLERANCE, f"differences {differences}"
    wait_for_reading(f"{what} to carry the program's icon", probe, REACT)


def centre(origin, box, scale=1):
    return origin[0] + (box[0] + box[2] // 2) * scale, origin[1] + (box[1] + box[3] // 2) * scale


def on_screen(origin, box):
    return origin[0] + box[0], origin[1] + box[1], box[2], box[3]


def field_inside(origin, box):
    # The text without the field's border, which OCR would read as a bar.
    x, y, w, h = on_screen(origin, box)
    return x + 3, y + 3, w - 6, h - 6


class Calculator:
    """The calculator window of one run of the program, at the scale it was started with."""

    def __init__(self, session, process, scale=1):
        self.session, self.process, self.scale = session, process, scale
        self.window = session.window_named(TITLE, APPEAR)
        expect_title_bar(session, self.window, TITLE)
        x, y, width, height = self.place = session.geometry(self.window)
        menu_bar = height - CONTENT_HEIGHT * scale
        if width != CONTENT_WIDTH * scale or not 10 * scale <= menu_bar <= 60 * scale:
            raise Failure(f"the calculator is {width}x{height}, expected {CONTENT_WIDTH} wide "
                          f"and {CONTENT_HEIGHT} plus a menu bar high, times {scale}")
        self.origin = (x, y + menu_bar)
        # No window manager runs: the new window is given the input focus as one would give it.
        session.focus(self.window)

    def click(self, box):
        self.session.click(*centre(self.origin, box, self.scale))

    def read_fields(self):
        shot = self.session.screenshot("fields")
        return [self.session.read(shot, field_inside(self.origin, box))
                for box in (AMOUNT, TERM, RATE)]

    def read_results(self):
        shot = self.session.screenshot("results")
        return [self.session.read(shot, on_screen(self.origin, box))
                for box in (PAYMENT_LINE, INTEREST_LINE, TOTAL_LINE)]

    def expect_fields(self, *expected):
        def probe():
            seen = self.read_fields()
            return seen == list(expected), seen
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

    def answer_message(self, text):
        """Waits for a message box with the text, titled with the program's name, and presses
        Return in it; the input focus goes back to the calculator."""
        session = self.session

        def dialog():
            others = [w for w in session.visible_windows() if w != self.window]
            return len(others) == 1, others
        box = wait_for_reading("one window beside the calculator", dialog, REACT)[0]
        expect_title_bar(session, box, MESSAGE_TITLE)
        expect_program_icon(session, box, "the message box")

        def message():
            seen = session.read(session.screenshot("message"), session.geometry(box), False)
            return reads_like(seen, text, ratio=0.95), seen
        wait_for_reading(f"the message {text!r}", message, REACT)
        session.focus(box)
        session.key("Return")
        wait_for_reading("the message box to close",
                         lambda: (not session.is_visible(box), session.visible_windows()), REACT)
        session.focus(self.window)

    def expect_exit(self, how):
        code = self.session.wait_exit(self.process, REACT)
        if code != 0:
            raise Failure(f"{how} ended the program with exit code {code}")
        # The X server takes the windows down once it sees the connection close, which a busy
        # server may do after the next run has started and looked for its window by title.
        wait_for_reading("the ended program's windows to go", lambda: (
            not self.session.visible_windows(), self.session.visible_windows()), REACT)


STARTED = time.monotonic()


def step(text):
    print(f"-- {time.monotonic() - STARTED:5.1f} s  {text}", flush=True)


def first_run(session, app):
    step("start: the title bar reads the calculator's title, and the window carries the icon")
    calc = Calculator(session, session.launch([app], "brenquill-first-run.log", ENV))
    expect_program_icon(session, calc.window, "the calculator")

    step("default inputs, no results, and what is typed goes into the amount")
    calc.expect_fields("100000", "360", "3.75")
    calc.expect_no_results()
    session.key("ctrl+a")
    session.type("250000")
    session.key("Tab")
    session.type("180")
    session.key("Tab")
    session.type("6.5")
    calc.expect_fields("250000", "180", "6.5")

    step("a click on Calculate shows the results and leaves the focus in the rate field")
    calc.click(CALCULATE)
    calc.expect_results("$2,177.77", "$141,998.31", "$391,998.31")
    session.type("9")
    session.key("Return")
    calc.expect_fields("250000", "180", "6.59")
    calc.expect_results("$2,190.16", "$144,228.18", "$394,228.18")

    step("a number pasted with its line break, as copied from a spreadsheet, is calculated")
    session.set_clipboard("300000\n")
    calc.click(AMOUNT)
    session.key("ctrl+a", "ctrl+v")
    calc.expect_fields("300000", "180", "6.59")
    calc.click(CALCULATE)
    calc.expect_results("$2,628.19", "$173,073.81", "$473,073.81")

    step('"abc" and Calculate bring up the message about numeric fields')
    calc.click(TERM)
    session.key("ctrl+a")
    session.type("abc")
    calc.click(CALCULATE)
    calc.answer_message(NOT_NUMERIC)

    def refused():
        seen = calc.read_results()
        return seen[0] == "Invalid Input" and MONEY.findall(" ".join(seen[1:])) == [
            "$173,073.81", "$473,073.81"], seen
    wait_for_reading("the payment line to say the input is invalid, the others unchanged",
                     refused, REACT)

    step("Alt+E, Right and Return reach Help > About")
    session.key("alt+e", "Right", "Return")
    calc.answer_message("About App Info Here")

    step("Ctrl+Q ends the program with exit code 0")
    session.key("ctrl+q")
    calc.expect_exit("Ctrl+Q")


def second_run(session, app):
    step("second run: Quit swaps the calculator for the credits window")
    calc = Calculator(session, session.launch([app], "brenquill-second-run.log", ENV))
    calc.click(QUIT)
    credits = session.window_named("Credits", REACT)
    expect_title_bar(session, credits, "Credits")
    expect_program_icon(session, credits, "the credits window")
    wait_for_reading("the calculator to be hidden",
                     lambda: (not session.is_visible(calc.window), session.visible_windows()),
                     REACT)

    def thanks():
        x, y, _, _ = session.geometry(credits)
        seen = session.read(session.screenshot("credits"), (x + 153, y + 179, 523, 60), False)
        return reads_like(seen, "Thank you for using free software from Quorvane"), seen
    wait_for_reading("the credits' thanks", thanks, REACT)

    step("no button has the focus at first: Tab, Tab reach Exit, and Return presses it")
    session.focus(credits)
    session.key("Tab", "Tab", "Return")
    calc.expect_exit("Exit")


def third_run(session, app):
    step("third run, at twice the scale: the calculator's top left corner is on the screen")
    calc = Calculator(session, session.launch([app], "brenquill-third-run.log",
                                              dict(ENV, QT_SCALE_FACTOR="2")), scale=2)
    screen = [int(v) for v in session.xdotool("getdisplaygeometry").stdout.split()]
    x, y, width, _ = calc.place
    if not (0 <= x < screen[0] and 0 <= y < screen[1]):
        raise Failure(f"the calculator stands at {x},{y}, outside the {screen} screen")
    if x != (screen[0] - width) // 2:
        raise Failure(f"the calculator stands at x = {x}, not centred on the screen")

    step("it carries the program's icon in the sizes for twice the scale")
    expect_program_icon(session, calc.window, "the calculator at twice the scale", scale=2)

    step("its picture is the one made for twice the scale, drawn pixel for pixel")
    picture = Path(app).resolve().parent.parent / "Resources/loanCalc@2x.png"
    box = (calc.origin[0] + 12 * 2, calc.origin[1] + 13 * 2, 276, 256)

    def shows_picture():
        shot = session.screenshot("picture")
        return session.region_shows(shot, box, picture, calc.origin), shot.name
    wait_for_reading(f"{picture.name} at {box}", shows_picture, REACT)

    step("Ctrl+Q in the credits window ends the program with exit code 0")
    calc.click(QUIT)
    session.focus(session.window_named("Credits", REACT))
    session.key("ctrl+q")
    calc.expect_exit("Ctrl+Q in the credits window")


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
    signal.alarm(280)

    session = Session(args.shots)
    failed = True
    try:
        session.start_xvfb()
        step(f"X server on display {session.display}")
        for run in (first_run, second_run, third_run):
            run(session, args.app)
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
