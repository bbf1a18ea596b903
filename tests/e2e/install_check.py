#!/usr/bin/env python3
"""Installs Brenquill into a temporary prefix and checks the installation.

    install_check.py [--cmake <cmake>] --build <dir> --source <dir> --shots <folder> CHECK

CHECK is one of:
  layout     the files are where desktops and the program expect them, the program's folder
             holding what the build's bundle holds; then the README's removal command leaves
             nothing of the program behind
  resources  the program started through bin/brenquill opens its pictures, sound and audio module
             in the installation, never the build tree (traced offscreen, then on an X server)
  metadata   desktop-file-validate and appstreamcli validate accept the desktop entry and the
             software-centre metadata
"""

import argparse
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

from calculator_e2e import CALCULATE, EXIT, ICON_SIZES, ID, QUIT, Calculator, centre
from x_session import Failure, Session, wait_until

ASSETS = ["QuorvaneUpdatedLogosmall.png", "QuorvaneUpdatedLogosmall@2x.png", "cashregister.mp3",
          "loanCalc.png", "loanCalc@2x.png"]
OPENED = re.compile(r'\bopen(?:at)?\((?:[^,\n]+, )?"([^"\n]+)"')
# What the removal leaves of a prefix that was empty: the folders that other programs share and
# that every desktop has (the prefix's bin, lib and share, the folders of desktop entries and of
# software-centre metadata, and the size folders of the hicolor icon theme, which every icon theme
# falls back on). Nothing else: no file, and nothing named after Brenquill.
SHARED_FOLDERS = sorted(f"{folder}/" for folder in [
    "bin", "lib", "share", "share/applications", "share/metainfo", "share/icons",
    "share/icons/hicolor", *(f"share/icons/hicolor/{s}x{s}{apps}" for s in ICON_SIZES
                             for apps in ("", "/apps"))])


def install(cmake, build, prefix):
    env = {k: v for k, v in os.environ.items() if k != "DESTDIR"}
    done = subprocess.run([cmake, "--install", str(build), "--prefix", str(prefix)], env=env,
                          capture_output=True, text=True, timeout=120)
    if done.returncode != 0:
        raise Failure(f"cmake --install failed:\n{done.stdout}{done.stderr}")
    if not any(prefix.iterdir()):
        raise Failure("cmake --install installed nothing: packaging/install.cmake is not included")


def files_under(folder):
    return sorted(str(p.relative_to(folder)) for p in folder.rglob("*") if not p.is_dir())


def check_layout(prefix, build, source):
    app = prefix / "lib/brenquill"
    if not os.access(app / "bin/brenquill", os.X_OK):
        raise Failure("lib/brenquill/bin/brenquill is missing or not executable")
    # Whatever the program finds beside its executable in the build, it finds in the installation.
    bundle = files_under(build / "Brenquill")
    if files_under(app) != bundle:
        raise Failure(f"lib/brenquill holds {files_under(app)}, the build's bundle {bundle}")
    for name in ASSETS:
        asset = app / "Resources" / name
        if not asset.is_file() or asset.read_bytes() != (source / "resources" / name).read_bytes():
            raise Failure(f"lib/brenquill/Resources/{name} is missing or differs from the source's")
    link = prefix / "bin/brenquill"
    if not link.is_symlink() or os.readlink(link) != "../lib/brenquill/bin/brenquill":
        raise Failure("bin/brenquill is not the relative link ../lib/brenquill/bin/brenquill")

    for path in (f"share/applications/{ID}.desktop", f"share/metainfo/{ID}.metainfo.xml"):
        if not (prefix / path).is_file():
            raise Failure(f"{path} is missing")
    # The desktop's menu starts the program through the link and shows the icons installed below.
    entry = dict(line.split("=", 1) for line in (prefix / f"share/applications/{ID}.desktop")
                 .read_text().splitlines() if "=" in line)
    if not (prefix / "bin" / entry["Exec"]).is_symlink() or entry["Icon"] != ID:
        raise Failure(f"the desktop entry starts {entry['Exec']!r} with the icon {entry['Icon']!r}")
    for size in ICON_SIZES:
        icon = f"share/icons/hicolor/{size}x{size}/apps/{ID}.png"
        png = (prefix / icon).read_bytes()[:24] if (prefix / icon).is_file() else b""
        if png[:8] != b"\x89PNG\r\n\x1a\n" or struct.unpack(">II", png[16:24]) != (size, size):
            raise Failure(f"{icon} is missing or not a {size}x{size} PNG picture")


def check_removal(cmake, prefix, build, source):
    """The removal command the README gives, run on the installation just made."""
    done = subprocess.run([cmake, "-D", f"MANIFEST={build / 'install_manifest.txt'}",
                           "-P", str(source / "packaging/uninstall.cmake")],
                          capture_output=True, text=True, timeout=60)
    if done.returncode != 0:
        raise Failure(f"packaging/uninstall.cmake failed:\n{done.stdout}{done.stderr}")
    left = sorted(str(p.relative_to(prefix)) + "/" * p.is_dir() for p in prefix.rglob("*"))
    if left != SHARED_FOLDERS:
        raise Failure(f"after the removal the prefix holds {left}, expected {SHARED_FOLDERS}")


def check_metadata(prefix):
    for command in (["desktop-file-validate", str(prefix / f"share/applications/{ID}.desktop")],
                    ["appstreamcli", "validate", "--no-net",
                     str(prefix / f"share/metainfo/{ID}.metainfo.xml")]):
        done = subprocess.run(command, capture_output=True, text=True, timeout=60)
        # desktop-file-validate exits 0 on mere hints, so any word from it is taken as a fault.
        quiet = command[0] != "desktop-file-validate" or not done.stdout.strip()
        if done.returncode != 0 or not quiet:
            raise Failure(f"{' '.join(command)} refused the file:\n{done.stdout}{done.stderr}")
        print(f"-- {command[0]}: accepted")


def opened_files(trace):
    text = trace.read_text(errors="replace") if trace.exists() else ""
    return {Path(m.group(1)) for m in OPENED.finditer(text)}


def traced(program, trace):
    # -z: only calls that succeeded, each written whole when it returns. Without it, a call that
    # another thread's call overlaps is split into "<unfinished ...>" and "<... resumed>" lines.
    return ["strace", "-f", "-qq", "-z", "-e", "trace=open,openat", "-o", str(trace), str(program)]


# LeakSanitizer cannot work under strace, so a sanitizer build leaves leaks to the other e2e test.
RUN_ENV = {"LANG": "C.UTF-8", "ASAN_OPTIONS": os.getenv("ASAN_OPTIONS", "") + ":detect_leaks=0"}


def check_resources(prefix, build, shots):
    app = (prefix / "lib/brenquill").resolve()

    def expect_opened(trace, what, *paths):
        # Asked only once the program has shown what it does after opening them: strace writes
        # each call out before it lets the program go on, so by then the trace holds them.
        if not opened_files(trace) & {app / path for path in paths}:
            raise Failure(f"the installed program did not open {what} from the installation")

    session = Session(shots)
    failed = True
    try:
        # Offscreen, started through the link, the program loads the calculator's picture. Nothing
        # on a screen shows when it has, so the trace is watched for it (or for an early end).
        trace = session.scratch / "offscreen.strace"
        process = session.launch(traced(prefix / "bin/brenquill", trace), "offscreen.log",
                                 {**RUN_ENV, "QT_QPA_PLATFORM": "offscreen"})
        picture = {app / "Resources/loanCalc.png", app / "Resources/loanCalc@2x.png"}
        wait_until("the offscreen program to start and load its picture",
                   lambda: opened_files(trace) & picture or process.poll() is not None, 30)
        if process.poll() is not None:
            raise Failure(f"the offscreen program ended early with code {process.returncode}")
        session.stop(process)

        # On screen: a calculation opens the sound and the audio module before its results are
        # drawn, and the credits open the logo before their window is mapped.
        session.start_xvfb()
        trace = session.scratch / "on-screen.strace"
        process = session.launch(traced(prefix / "bin/brenquill", trace), "on-screen.log", RUN_ENV)
        calc = Calculator(session, process)
        calc.click(CALCULATE)
        calc.expect_results("$463.12", "$66,721.61", "$166,721.61")
        expect_opened(trace, "the sound", "Resources/cashregister.mp3")
        expect_opened(trace, "the audio module", *(f"lib/{m.name}" for m in app.glob("lib/*")))
        calc.click(QUIT)
        credits = session.window_named("Credits", 15)
        expect_opened(trace, "the logo", "Resources/QuorvaneUpdatedLogosmall.png",
                      "Resources/QuorvaneUpdatedLogosmall@2x.png")
        session.focus(credits)
        session.click(*centre(session.geometry(credits)[:2], EXIT))
        if session.wait_exit(process, 15) != 0:
            raise Failure(f"the installed program ended with code {process.returncode}")
        print("-- the picture, the sound, the audio module and the logo came from the installation")

        files = opened_files(trace) | opened_files(session.scratch / "offscreen.strace")
        strays = sorted(str(f) for f in files if build.resolve() / "Brenquill" in f.parents)
        if strays:
            raise Failure(f"the installed program opened files of the build tree: {strays}")
        failed = False
    finally:
        session.close(keep=failed)
        if failed:
            print(f"screenshots, logs and traces kept in {shots}", file=sys.stderr)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cmake", default="cmake")
    for option in ("--build", "--source", "--shots"):
        parser.add_argument(option, type=Path, required=True)
    parser.add_argument("check", choices=["layout", "resources", "metadata"])
    args = parser.parse_args()

    def stop(signum, _frame):
        raise Failure(f"stopped by signal {signum}")
    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGALRM, stop)
    signal.alarm(110)

    prefix = Path(tempfile.mkdtemp(prefix="brenquill install "))  # a space, as in many homes
    try:
        install(args.cmake, args.build, prefix)
        if args.check == "layout":
            check_layout(prefix, args.build, args.source)
            check_removal(args.cmake, prefix, args.build, args.source)
        elif args.check == "metadata":
            check_metadata(prefix)
        else:
            check_resources(prefix, args.build, args.shots)
    except (Failure, subprocess.SubprocessError) as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(prefix, ignore_errors=True)
    print(f"{args.check}: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
