#!/usr/bin/env python3
"""Measures the program's start-up: process start to splash painted, and the
start-up action to main window painted, over several runs, on the offscreen
platform and under Xvfb. Run after building (cmake --build --preset dev)."""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM = os.path.join(ROOT, "build", "dev", "app", "ArdelVexa")
RUNS = int(sys.argv[1]) if len(sys.argv) > 1 else 10


def one_run(command, env):
    started = time.time_ns()
    done = subprocess.run(command, env=env, capture_output=True, text=True, timeout=60)
    marks = {}
    for line in done.stderr.splitlines():
        parts = line.split()
        if len(parts) == 2 and parts[0] in ("splash-shown", "startup-action", "main-shown"):
            marks[parts[0]] = int(parts[1])
    if len(marks) != 3:
        raise RuntimeError("no timing marks:\n" + done.stderr)
    return ((marks["splash-shown"] - started) / 1e6, (marks["main-shown"] - marks["startup-action"]) / 1e6)


def measure(name, command, extra_env):
    env = dict(os.environ, ARDELVEXA_TIMING="1", **extra_env)
    env["XDG_CONFIG_HOME"] = tempfile.mkdtemp()
    splash, main = zip(*(one_run(command, env) for _ in range(RUNS)))
    print(f"{name:10} process start -> splash shown: median {statistics.median(splash):6.1f} ms "
          f"(min {min(splash):.1f}, max {max(splash):.1f});  "
          f"start-up action -> main window shown: median {statistics.median(main):6.1f} ms "
          f"(min {min(main):.1f}, max {max(main):.1f})  [{RUNS} runs]")


def main():
    if not os.path.exists(PROGRAM):
        sys.exit(f"build the program first: {PROGRAM} is missing")
    measure("offscreen", [PROGRAM], {"QT_QPA_PLATFORM": "offscreen"})
    if shutil.which("xvfb-run"):
        # One X server for all runs, so that its own start-up is not counted.
        xvfb = subprocess.Popen(["Xvfb", ":97", "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            time.sleep(1.0)
            measure("Xvfb", [PROGRAM], {"QT_QPA_PLATFORM": "xcb", "DISPLAY": ":97"})
        finally:
            xvfb.terminate()
            xvfb.wait()


if __name__ == "__main__":
    main()
