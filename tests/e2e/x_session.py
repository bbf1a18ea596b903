"""A private X server and the outside-the-process tools that drive Brenquill on it.

Everything here works from outside the program, as a user would: xdotool for the pointer, the
keyboard and the window list, ImageMagick for screenshots and tesseract for reading them. Every
wait is bounded, and every process started here is stopped again, even when the driver itself is
killed (the children are asked to die with their parent).
"""

import ctypes
import difflib
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
from pathlib import Path

SCREEN = "1280x1024x24"
FIRST_DISPLAY = 80
LAST_DISPLAY = 199
POLL = 0.1


class Failure(Exception):
    """A check that did not hold; the message says what was expected and what was seen."""


def _die_with_parent():
    libc = ctypes.CDLL(None, use_errno=True)
    PR_SET_PDEATHSIG = 1
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def wait_until(what, probe, timeout):
    """Calls probe until it returns something true, and returns that; fails after timeout s."""
    deadline = time.monotonic() + timeout
    while True:
        last = probe()
        if last:
            return last
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(POLL)


def wait_for_reading(what, probe, timeout):
    """Like wait_until for a probe that returns (holds, what_was_seen); a failure shows the last
    thing seen."""
    seen = [None]

    def attempt():
        holds, seen[0] = probe()
        return holds

    try:
        wait_until(what, attempt, timeout)
    except Failure as failure:
        raise Failure(f"{failure}; last seen: {seen[0]!r}") from None
    return seen[0]


def normalize(text):
    return " ".join(text.split())


def reads_like(seen, expected, ratio=0.9):
    """Loose comparison of OCR text: the same words, forgiving a letter or two."""
    seen, expected = normalize(seen).lower(), normalize(expected).lower()
    if expected in seen:
        return True
    return difflib.SequenceMatcher(None, seen, expected).ratio() >= ratio


class Session:
    """One Xvfb display with the processes started on it and a folder of screenshots."""

    def __init__(self, shots):
        self.shots = Path(shots)
        self.shot_count = 0
        self.processes = []
        self.xvfb = None
        self.display = None
        self.scratch = Path(tempfile.mkdtemp(prefix="brenquill-e2e-"))
        # The programs see this display alone, whatever the test runner's environment says.
        runtime = self.scratch / "runtime"
        runtime.mkdir(mode=0o700)
        self.env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
        self.env["XDG_RUNTIME_DIR"] = str(runtime)

    # --- the server and the processes -------------------------------------------------------

    def start_xvfb(self):
        for number in range(FIRST_DISPLAY, LAST_DISPLAY + 1):
            if Path(f"/tmp/.X{number}-lock").exists() or Path(f"/tmp/.X11-unix/X{number}").exists():
                continue
            with open(self.scratch / f"xvfb-{number}.log", "wb") as log:
                xvfb = subprocess.Popen(
                    ["Xvfb", f":{number}", "-screen", "0", SCREEN, "-noreset", "-nolisten", "tcp"],
                    stdout=log, stderr=subprocess.STDOUT, start_new_session=True,
                    preexec_fn=_die_with_parent)
            env = dict(self.env, DISPLAY=f":{number}")
            # Another server may take the number between the look and the start: then this one
            # gives up and the next number is tried. The server that holds the display's lock
            # file is the one that answers there, so the lock must name ours.
            deadline = time.monotonic() + 10
            while xvfb.poll() is None and time.monotonic() < deadline:
                if self._lock_holder(number) == xvfb.pid:
                    probe = subprocess.run(["xdotool", "getdisplaygeometry"], env=env,
                                           capture_output=True, timeout=10)
                    if probe.returncode == 0:
                        self.xvfb, self.display, self.env = xvfb, f":{number}", env
                        return
                time.sleep(POLL)
            self.stop(xvfb)
        raise Failure(f"no free X display between :{FIRST_DISPLAY} and :{LAST_DISPLAY}")

    @staticmethod
    def _lock_holder(number):
        try:
            return int(Path(f"/tmp/.X{number}-lock").read_text().strip())
        except (OSError, ValueError):
            return None

    def launch(self, argv, log_name, extra_env=None):
        """Starts a program on the display, with its output kept beside the screenshots."""
        env = dict(self.env, **(extra_env or {}))
        with open(self.scratch / log_name, "wb") as log:
            process = subprocess.Popen(argv, env=env, stdout=log, stderr=subprocess.STDOUT,
                                       start_new_session=True, preexec_fn=_die_with_parent)
        self.processes.append(process)
        return process

    def wait_exit(self, process, timeout):
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {timeout} s") from None

    @staticmethod
    def stop(process):
        """Ends a started process and everything it started in turn (a traced program)."""
        for signum in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.killpg(process.pid, signum)
            except ProcessLookupError:
                pass
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass

    def close(self, keep):
        """Stops everything; keeps the screenshots and logs when keep is true, else removes them."""
        for process in reversed(self.processes):
            self.stop(process)
        if self.xvfb is not None:
            self.stop(self.xvfb)
        shutil.rmtree(self.shots, ignore_errors=True)  # an earlier failure's
        if keep:
            shutil.copytree(self.scratch, self.shots, ignore=shutil.ignore_patterns("runtime"))
        shutil.rmtree(self.scratch, ignore_errors=True)

    # --- xdotool ----------------------------------------------------------------------------

    def xdotool(self, *args, check=True):
        done = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                              text=True, timeout=20)
        if check and done.returncode != 0:
            raise Failure(f"xdotool {' '.join(map(str, args))} failed: {done.stderr.strip()}")
        return done

    def visible_windows(self, name="."):  # every titled window
        done = self.xdotool("search", "--onlyvisible", "--name", name, check=False)
        return [int(w) for w in done.stdout.split()]

    def window_named(self, title, timeout=20):
        """The one visible window with exactly this title, once it shows up."""
        pattern = "^" + re.escape(title) + "$"
        found = wait_until(f'a visible window "{title}"',
                           lambda: self.visible_windows(pattern), timeout)
        if len(found) != 1:
            raise Failure(f'{len(found)} windows are titled "{title}"')
        return found[0]

    # --- what a window manager draws for a window --------------------------------------------

    def xprop(self, window, *args):
        done = subprocess.run(["xprop", "-id", str(window), "-notype", *args], env=self.env,
                              capture_output=True, text=True, timeout=20)
        if done.returncode != 0:
            raise Failure(f"xprop {' '.join(args)} failed: {done.stderr.strip()}")
        return done.stdout

    def title_bar(self, window):
        """The title a window manager draws: _NET_WM_NAME, which may differ from the plain WM_NAME
        that xdotool reads."""
        shown = self.xprop(window, "_NET_WM_NAME").strip()
        found = re.fullmatch(r'_NET_WM_NAME = "(.*)"', shown, re.S)
        return found.group(1) if found else shown

    def icons(self, window):
        """The pictures a window manager shows for the window (_NET_WM_ICON), by their size: each
        a list of ARGB pixels, row by row."""
        # xprop shows the first 250000 bytes of a property unless told how much more to read.
        shown = self.xprop(window, "-len", str(1 << 24), "-f", "_NET_WM_ICON", "32c",
                           "_NET_WM_ICON")
        if " = " not in shown:
            return {}
        values = [int(v) for v in shown.split(" = ", 1)[1].split(",")]
        icons = {}
        while len(values) >= 2:
            width, height = values[0], values[1]
            icons[(width, height)] = values[2:2 + width * height]
            values = values[2 + width * height:]
        return icons

    @staticmethod
    def picture_difference(pixels, picture):
        """The largest difference, out of 255, between ARGB pixels and a picture file, each colour
        weighted by its opacity: how a transparent pixel is coloured cannot be seen."""
        rgba = subprocess.run(["convert", str(picture), "-depth", "8", "rgba:-"], check=True,
                              capture_output=True, timeout=30).stdout
        if len(rgba) != 4 * len(pixels):
            return 255
        worst = 0
        for i, pixel in enumerate(pixels):
            a, r, g, b = (pixel >> 24) & 255, (pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255
            red, green, blue, alpha = rgba[4 * i:4 * i + 4]
            worst = max(worst, abs(a - alpha), abs(r * a - red * alpha) // 255,
                        abs(g * a - green * alpha) // 255, abs(b * a - blue * alpha) // 255)
        return worst

    def set_clipboard(self, text):
        """Puts text on the clipboard as another program the user copied from: xclip owns it."""
        owner = subprocess.Popen(["xclip", "-selection", "clipboard", "-quiet"], env=self.env,
                                 stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL, start_new_session=True,
                                 preexec_fn=_die_with_parent)
        self.processes.append(owner)
        owner.stdin.write(text.encode())
        owner.stdin.close()
        wait_until("the clipboard to hold the text", lambda: subprocess.run(
            ["xclip", "-selection", "clipboard", "-o"], env=self.env, capture_output=True,
            timeout=10).stdout == text.encode(), 10)

    def is_visible(self, window):
        return window in self.visible_windows()

    def geometry(self, window):
        """The window's (x, y, width, height) on the screen."""
        done = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in done.stdout.split() if "=" in line)
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def focus(self, window):
        # No window manager runs, so the window is given the input focus directly.
        self.xdotool("windowfocus", "--sync", window)

    def click(self, x, y):
        self.xdotool("mousemove", x, y, "click", "1")

    def key(self, *keys):
        self.xdotool("key", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)

    # --- screenshots and reading them -------------------------------------------------------

    def screenshot(self, label):
        self.shot_count += 1
        path = self.scratch / f"{self.shot_count:02d}-{label}.png"
        done = subprocess.run(["import", "-window", "root", str(path)], env=self.env,
                              capture_output=True, text=True, timeout=30)
        if done.returncode != 0:
            raise Failure(f"screenshot failed: {done.stderr.strip()}")
        return path

    def read(self, shot, box, single_line=True):
        """OCR of one region (x, y, width, height) of a screenshot, enlarged for tesseract."""
        x, y, w, h = box
        crop = shot.with_name(f"{shot.stem}-{x}-{y}-{w}x{h}.png")
        subprocess.run(["convert", str(shot), "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                        "-resize", "300%", "-colorspace", "Gray", str(crop)],
                       check=True, capture_output=True, timeout=30)
        # One thread: tesseract's own threads crawl when the machine is busy with a build.
        done = subprocess.run(["tesseract", str(crop), "-", "-l", "eng",
                               "--psm", "7" if single_line else "6"],
                              env=dict(os.environ, OMP_THREAD_LIMIT="1"),
                              capture_output=True, text=True, timeout=30)
        return normalize(done.stdout)

    def region_shows(self, shot, box, picture, background_at):
        """Whether a region holds the picture pixel for pixel, laid over the colour that the
        screenshot has at the point background_at."""
        x, y, w, h = box
        colour = subprocess.run(["convert", str(shot), "-format",
                                 "%%[pixel:p{%d,%d}]" % background_at, "info:"],
                                check=True, capture_output=True, text=True, timeout=30)
        done = subprocess.run(["convert", str(shot), "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                               "(", str(picture), "-background", colour.stdout, "-flatten", ")",
                               "-fuzz", "1%", "-metric", "AE", "-compare",
                               "-format", "%[distortion]", "info:"],
                              check=True, capture_output=True, text=True, timeout=30)
        return float(done.stdout) == 0.0

    def region_is_blank(self, shot, box):
        """Whether a region is one flat colour: nothing drawn there."""
        x, y, w, h = box
        done = subprocess.run(["convert", str(shot), "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                               "-format", "%[fx:standard_deviation]", "info:"],
                              check=True, capture_output=True, text=True, timeout=30)
        return float(done.stdout) == 0.0
