#!/usr/bin/env python3
"""Kills the real program with SIGKILL after a random number of actions and
checks that the next start resumes the table after the last action or the one
before it.

Runs the program on its own Xvfb display and plays Klondike by clicking the
stock with xdotool: the stock's place comes from the autosaved fresh deal, and
quillo-tool plays the same clicks to give the tables to compare with.

usage: autosave_kill.py PROGRAM_DIR QUILLO_TOOL [TRIALS] [SEED]
PROGRAM_DIR holds quillotaire and its card sets (the build directory).
"""

import json
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time



def run(args, **kw):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kw).stdout


def wait_for(what, test, timeout=60.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = test()
        if value:
            return value
        time.sleep(0.05)
    raise RuntimeError("timed out waiting for " + what)


class Display:
    def __init__(self):
        self.start()

    def start(self):
        # A random high number, tried until a server of our own runs there:
        # other suites start and stop servers of their own meanwhile.
        for _ in range(20):
            self.number = random.SystemRandom().randint(300, 999)
            if os.path.exists("/tmp/.X%d-lock" % self.number):
                continue
            self.proc = subprocess.Popen(["Xvfb", ":%d" % self.number, "-noreset", "-nolisten", "tcp", "-screen", "0",
                                          "1280x1024x24"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            socket = "/tmp/.X11-unix/X%d" % self.number
            if wait_for("the display", lambda: self.proc.poll() is not None or os.path.exists(socket)) and \
                    self.proc.poll() is None:
                break
        else:
            raise RuntimeError("no display could be started")
        self.env = dict(os.environ, DISPLAY=":%d" % self.number)
        self.env.pop("QT_QPA_PLATFORM", None)

    def alive(self):
        """A server that went away (the test's own, not the program's doing) is started anew."""
        if self.proc.poll() is not None:
            self.start()
        return self

    def close(self):
        self.proc.terminate()
        self.proc.wait()

    def xdotool(self, *args):
        return subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, capture_output=True,
                              text=True).stdout


class Program:
    """One run of quillotaire in dir, past its welcome box."""

    def __init__(self, display, dir):
        self.display = display
        self.errors = open(os.path.join(dir, "errors.txt"), "w+")
        self.proc = subprocess.Popen([os.path.join(dir, "quillotaire")], env=display.env,
                                     stdout=subprocess.DEVNULL, stderr=self.errors)
        try:
            self.window = wait_for("the table", self.past_welcome).split()[0]
        except RuntimeError:
            names = [display.xdotool("getwindowname", w).strip()
                     for w in display.xdotool("search", "--onlyvisible", "--name", ".").split()]
            ended = self.proc.poll()
            if ended is None:
                self.kill()
            self.errors.seek(0)
            raise RuntimeError("the table did not appear; windows shown: %s, exit status %s, said: %s" %
                               (names, ended, self.errors.read()[-2000:]))

    def past_welcome(self):
        # Enter closes the welcome box once it has the focus.
        welcome = self.display.xdotool("search", "--all", "--onlyvisible", "--pid", self.proc.pid, "--name", "^Welcome$").split()
        if welcome:
            self.display.xdotool("windowfocus", welcome[0], "key", "Return")
            time.sleep(0.2)
        return self.table_window()

    def table_window(self):
        return self.display.xdotool("search", "--all", "--onlyvisible", "--pid", self.proc.pid, "--name", r"Quillotaire - ")

    def field_origin(self, field_height):
        """The field fills the window below the menu and tool bar."""
        geo = self.display.xdotool("getwindowgeometry", "--shell", self.window)
        v = dict(line.split("=", 1) for line in geo.split())
        return int(v["X"]), int(v["Y"]) + int(v["HEIGHT"]) - field_height

    def click(self, x, y):
        self.display.xdotool("mousemove", x, y, "click", 1)

    def kill(self):
        self.proc.send_signal(signal.SIGKILL)
        self.proc.wait()

    def close(self):
        self.display.xdotool("windowfocus", self.window, "key", "ctrl+x")
        self.proc.wait(timeout=20)


def table_of(state_line):
    """What the player sees of a table: every card's pile, order and face."""
    s = json.loads(state_line)
    return [(c["PileIndex"], c["Order"], c["FaceUp"], c["Suit"], c["Rank"]) for c in s["Cards"]]


def tool_tables(tool, number, clicks):
    """The tables after 0..clicks stock clicks of Klondike deal number."""
    proc = subprocess.Popen([tool, "play", "--game", "0", "--number", str(number)], stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE, text=True)

    def say(command):
        proc.stdin.write(command + "\n")
        proc.stdin.flush()
        return proc.stdout.readline()

    tables = []
    for i in range(clicks + 1):
        state = say("state")
        proc.stdout.readline()  # its events
        tables.append(table_of(state))
        if i == clicks:
            break
        # A click on the stock presses its top card; an empty stock is pressed as a pile.
        s = json.loads(state)
        stock = s["GameRules"]["StockPile"]
        on_stock = [(c["Order"], n) for n, c in enumerate(s["Cards"]) if c["InPlay"] and c["PileIndex"] == stock]
        say("left %d" % max(on_stock)[1] if on_stock else "left-pile %d" % stock)
    proc.stdin.close()
    proc.wait()
    return tables


def saved_table(tool, path):
    out = run([tool, "play", "--load", path], input="state\n").splitlines()
    return table_of(out[0]), json.loads(out[0])


def trial(display, program_dir, tool, rng, log):
    work = tempfile.mkdtemp(prefix="quillo-kill-")
    try:
        for name in os.listdir(program_dir):
            if name == "quillotaire" or name.endswith((".cr3", ".cr4", ".frm")):
                shutil.copy(os.path.join(program_dir, name), work)
        save = os.path.join(work, "autosave.sav")

        p = Program(display.alive(), work)
        # The fresh deal is written at once; it names the deal number.
        wait_for("the first autosave", lambda: os.path.exists(save))
        time.sleep(0.3)
        _, dealt = saved_table(tool, save)
        number = dealt["GameRules"]["GameNumber"]
        stock = dealt["Piles"][dealt["GameRules"]["StockPile"]]
        x0, y0 = p.field_origin(dealt["GameRules"]["FieldHeight"])
        n = rng.randint(1, 20)
        for i in range(n):
            p.click(x0 + stock["X"] + 20, y0 + stock["Y"] + 30)
            if i + 1 < n:
                time.sleep(0.35)
        # Somewhere inside the last action, its glide or its write.
        time.sleep(rng.uniform(0.0, 0.15))
        p.kill()

        # The next start resumes; a normal exit then writes what it shows.
        p = Program(display.alive(), work)
        time.sleep(0.5)
        p.close()
        resumed, state = saved_table(tool, save)
        expected = tool_tables(tool, number, n)
        after = [k for k in (n, n - 1) if expected[k] == resumed]
        log("deal %d: killed after %d clicks, resumed at %s (%s)" %
            (number, n, after[0] if after else "neither", state["Labels"]["StockAndWaste"]))
        return bool(after)
    finally:
        if os.environ.get("KEEP_WORK") is None:
            shutil.rmtree(work, ignore_errors=True)


def main():
    program_dir, tool = sys.argv[1], sys.argv[2]
    trials = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else int(time.time())
    rng = random.Random(seed)
    print("seed", seed, flush=True)
    display = Display()
    failures = 0
    try:
        for _ in range(trials):
            if not trial(display, program_dir, tool, rng, lambda text: print(text, flush=True)):
                failures += 1
    finally:
        display.close()
    print("%d of %d trials resumed after the last action or the one before" % (trials - failures, trials))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
