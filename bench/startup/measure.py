#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Start-up time and memory of qintara beside a bare Qt window.

Starts build/bench/bare_window and build/program/qintara alternately, RUNS
times each, and takes the time from just before exec to the first window on
screen (both programs print the monotonic clock at their first exposed
window when QINTARA_FIRST_FRAME_PROBE=1), the processor time they used until
then, and the resident memory (RSS and PSS) at that moment. Prints both medians and their ratio: the ratio is what
carries from one machine to another.

Then it starts qintara once more in a copy of the program folder that holds
the account "tester" (bench/startup/account/, password "secret1"; its
settings hold only the password, so the background music is off), logs in
with xdotool and prints the resident memory at the login window, in the main
window, in three drills one after the other, and once the drills have read
every table: the word lists, the code and phrase lists, the radical table and
the built-in input's table. It logs
in LOGINS times in all and prints the median time from the Enter key to the
main window's first frame.

    bench/startup/measure.py [--build DIR] [--runs N] [--logins N] [--no-session]

Without a DISPLAY it runs itself again under xvfb-run.
"""
import argparse
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def memory_kib(pid):
    rss = pss = None
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                rss = int(line.split()[1])
    try:
        with open(f"/proc/{pid}/smaps_rollup") as rollup:
            for line in rollup:
                if line.startswith("Pss:"):
                    pss = int(line.split()[1])
    except OSError:
        pass
    return rss, pss


def first_frame(command, cwd, timeout_s=20.0):
    """Milliseconds from exec to the first window, and the memory then."""
    env = dict(os.environ, QINTARA_FIRST_FRAME_PROBE="1")
    started = time.monotonic_ns()
    process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
    try:
        ready, _, _ = select.select([process.stdout], [], [], timeout_s)
        line = process.stdout.readline() if ready else ""
        if not line.startswith("first-frame "):
            raise RuntimeError(f"{command[0]}: no first frame within {timeout_s} s")
        fields = line.split()
        shown, cpu_us = int(fields[1]), int(fields[2])
        rss, pss = memory_kib(process.pid)
        return (shown - started) / 1e6, rss, pss, cpu_us / 1000
    finally:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, stdout=subprocess.DEVNULL)


def program_copy(build, folder):
    """A copy of the program folder in folder with the account "tester"."""
    program = os.path.join(build, "program")
    # The executable and the sound modules are copied, since the program
    # folder is the executable's own; the shipped data is linked.
    for entry in os.listdir(program):
        source = os.path.join(program, entry)
        if entry in ("qintara", "libqintara_audio.so", "libqintara_music.so"):
            shutil.copy2(source, folder)
        elif entry.lower() != "user":
            os.symlink(source, os.path.join(folder, entry))
    account = os.path.join(folder, "User", "tester")
    os.makedirs(account)
    shutil.copy2(os.path.join(os.path.dirname(__file__), "account", "Deplog.ini"), account)


def window_frame(process, prefix, timeout_s=20.0):
    """The clock at the first frame of the window whose name starts with prefix."""
    deadline = time.monotonic() + timeout_s
    while time.monotonic() < deadline:
        ready, _, _ = select.select([process.stdout], [], [], deadline - time.monotonic())
        line = process.stdout.readline() if ready else ""
        if not line:
            break
        fields = line.split()
        if fields[0] == "window-frame" and len(fields) > 2 and fields[2].startswith(prefix):
            return int(fields[1])
    raise RuntimeError(f"no window {prefix} within {timeout_s} s")


def log_in(process):
    """Types the password at the login window; milliseconds from Enter to the main window."""
    login = subprocess.run(["xdotool", "search", "--sync", "--name", "用户登录"],
                           capture_output=True, text=True, timeout=20).stdout.split()[0]
    xdotool("windowfocus", "--sync", login)
    # The password box has the focus when there are accounts.
    xdotool("type", "--delay", "30", "secret1")
    entered = time.monotonic_ns()
    xdotool("key", "Return")
    return (window_frame(process, "mian") - entered) / 1e6


def session(build, with_tables):
    """One run of qintara logged in as "tester": the login time and, with_tables, the memory."""
    with tempfile.TemporaryDirectory() as folder:
        program_copy(build, folder)
        env = dict(os.environ, QINTARA_FIRST_FRAME_PROBE="1",
                   SDL_AUDIODRIVER=os.environ.get("SDL_AUDIODRIVER", "dummy"))
        process = subprocess.Popen([os.path.join(folder, "qintara")], cwd=folder, env=env,
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            def resident(label):
                time.sleep(2.5)
                print(f"  {label:36} {memory_kib(process.pid)[0] / 1024:6.1f} MB", flush=True)

            if with_tables:
                # The sound module loads once the login window is on screen.
                time.sleep(2.5)
                resident("login window, sound module loaded")
            login_ms = log_in(process)
            if not with_tables:
                return login_ms
            resident("main window after login")
            # English words, then Chinese characters with their code hints
            # and radicals, then phrases, and a key for the built-in input.
            # The menus are clicked: the window sits in the middle of the
            # 1280 x 1024 screen xvfb-run gives it.
            drills = (("in the English word drill", (389, 296), (410, 344)),
                      ("in the character drill, Wubi hints", (471, 296), (481, 320)),
                      ("in the phrase drill", (471, 296), (481, 344)))
            for label, menu, entry in drills:
                xdotool("mousemove", str(menu[0]), str(menu[1]), "click", "1")
                time.sleep(1)
                xdotool("mousemove", str(entry[0]), str(entry[1]), "click", "1")
                resident(label)
            xdotool("type", "--delay", "30", "g")
            resident("after the drills read every table")
            return login_ms
        finally:
            process.terminate()
            process.wait(timeout=10)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "..", "..", "build"))
    parser.add_argument("--runs", type=int, default=8)
    parser.add_argument("--logins", type=int, default=5, help="logins timed from Enter to the main window")
    parser.add_argument("--no-session", action="store_true", help="skip the logins and the memory figures")
    args = parser.parse_args()

    if not os.environ.get("DISPLAY") and not os.environ.get("WAYLAND_DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24",
                               sys.executable, *sys.argv])

    build = os.path.abspath(args.build)
    programs = {
        "bare Qt window": ([os.path.join(build, "bench", "bare_window")], build),
        "qintara (login window)": ([os.path.join(build, "program", "qintara")], os.path.join(build, "program")),
    }
    results = {name: [] for name in programs}
    names = list(programs)
    for run in range(args.runs):
        # Alternate the order so that neither always starts on a warm cache.
        for name in (names if run % 2 == 0 else reversed(names)):
            command, cwd = programs[name]
            results[name].append(first_frame(command, cwd))

    print(f"{'':24} {'first window':>14} {'CPU':>10} {'RSS':>10} {'PSS':>10}   (median of {args.runs})")
    medians = {}
    cpu_medians = {}
    for name, runs in results.items():
        ms = statistics.median(r[0] for r in runs)
        cpu = statistics.median(r[3] for r in runs)
        rss = statistics.median(r[1] for r in runs) / 1024
        pss_values = [r[2] for r in runs if r[2] is not None]
        pss = statistics.median(pss_values) / 1024 if pss_values else float("nan")
        medians[name] = ms
        cpu_medians[name] = cpu
        print(f"{name:24} {ms:11.1f} ms {cpu:7.1f} ms {rss:7.1f} MB {pss:7.1f} MB")
    bare, program = medians[names[0]], medians[names[1]]
    print(f"start-up ratio qintara / bare window: {program / bare:.2f}")
    # Processor time hardly moves when other work loads the machine; the
    # wall-clock ratio is the one users feel.
    print(f"processor time ratio: {cpu_medians[names[1]] / cpu_medians[names[0]]:.2f}")

    if not args.no_session:
        print("qintara resident memory (RSS), one session:")
        logins = [session(build, True)]
        logins += [session(build, False) for _ in range(args.logins - 1)]
        print(f"main window after Enter at the login window: {statistics.median(logins):.1f} ms"
              f" (median of {len(logins)}; {', '.join(f'{ms:.0f}' for ms in logins)})")


if __name__ == "__main__":
    main()
