#!/usr/bin/env python3
"""Free Cell deals FIRST..LAST solved by quillo-tool and by fc-solve (from the
freecell-solver-bin package), and where the two disagree on won or not.

The board fc-solve reads is written from our own deal (quillo-tool deal), so
the numbering is ours. Suits map colour for colour; the piles are ours. Only
single-card moves are common ground between the two programs' rules, and both
reach every position those reach, so a deal one wins the other should win.

usage: scripts/freecell_compare.py [--first N] [--last N] [--budget-ms B]
       [--tool build/quillo-tool] [--fc-solve fc-solve] [--iterations N]
Prints one line per deal that either program left unwon, then totals.
"""
import argparse
import json
import re
import shutil
import subprocess
import sys

FREE_CELL = 19
RANKS = "A23456789TJQK"
# Suits 0 and 1 share one colour, 2 and 3 the other.
SUITS = "CSHD"


def board(deal):
    rules = deal["GameRules"]
    cards = [c for c in deal["Cards"] if c["InPlay"]]
    lines = []
    for pile in range(rules["TableFirst"], rules["TableLast"] + 1):
        column = sorted((c for c in cards if c["PileIndex"] == pile), key=lambda c: c["Order"])
        lines.append(" ".join(RANKS[c["Rank"]] + SUITS[c["Suit"]] for c in column))
    return "\n".join(lines) + "\n"


def ours(tool, number, budget):
    out = subprocess.run([tool, "solve", "--game", str(FREE_CELL), "--number", str(number),
                          "--budget-ms", str(budget)], capture_output=True, text=True, check=True).stdout
    s = json.loads(out)
    return s["result"], s["milliseconds"]


def theirs(fc_solve, text, iterations):
    """won, lost (the space was exhausted) or unknown (the limit came first)."""
    def run(*flags):
        return subprocess.run([fc_solve, *flags, "-mi", str(iterations), "-"], input=text,
                              capture_output=True, text=True).stdout

    # The default order finds most wins at once; the full test order tries
    # every move kind, so a full search that ends below the limit is a loss.
    for flags in ([], ["-to", "01ABCDE"]):
        out = run(*flags)
        if "This game is solveable" in out:
            return "won"
    m = re.search(r"Total number of states checked is (\d+)", out)
    if "I could not solve" in out and m and int(m.group(1)) < iterations:
        return "lost"
    return "unknown"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--first", type=int, default=1)
    ap.add_argument("--last", type=int, default=1000)
    ap.add_argument("--budget-ms", type=int, default=1000)
    ap.add_argument("--tool", default="build/quillo-tool")
    ap.add_argument("--fc-solve", default="fc-solve")
    ap.add_argument("--iterations", type=int, default=300000)
    a = ap.parse_args()
    if shutil.which(a.fc_solve) is None:
        print("fc-solve not found: apt-get install freecell-solver-bin", file=sys.stderr)
        return 2
    counts = {}
    disagree = 0
    for n in range(a.first, a.last + 1):
        deal = json.loads(subprocess.run([a.tool, "deal", "--game", str(FREE_CELL), "--number", str(n)],
                                         capture_output=True, text=True, check=True).stdout)
        us, ms = ours(a.tool, n, a.budget_ms)
        them = theirs(a.fc_solve, board(deal), a.iterations)
        counts[(us, them)] = counts.get((us, them), 0) + 1
        # Unknown on our side is no disagreement, only an undecided deal.
        clash = us != "unknown" and them != "unknown" and us != them
        disagree += clash
        if us != "won" or them != "won":
            print(f"deal {n}: ours {us} ({ms:.0f} ms), fc-solve {them}{'  DISAGREE' if clash else ''}", flush=True)
    total = a.last - a.first + 1
    for (us, them), k in sorted(counts.items()):
        print(f"ours {us:8} fc-solve {them:8} {k:5}")
    print(f"deals {total}, disagreements {disagree}")
    return 1 if disagree else 0


if __name__ == "__main__":
    sys.exit(main())
