#!/usr/bin/env python3
"""Bounds on the grouping accuracy of the loghub logs without a truth here.

    bench/pattern_bounds.py --earlier EXE [--exe PATH] [--loghub DIR]

Eight of the loghub logs were scored elsewhere, once, for an earlier miner (build EXE of
commit 0097991 to compare with).  A line is right when its pattern's lines are exactly
its event's lines, so a pattern's lines are all right or all wrong.  A pattern of the
earlier listing that today's listing keeps with the same lines is as right as it was;
so at least (earlier wrong lines - lines of the earlier patterns that changed) are
still wrong today, whatever the changed ones became.  Prints, per log, the earlier
figure, its wrong lines, the lines of its patterns that changed, the wrong lines left
at least and today's figure at most, then each changed pattern with --show.
"""
import argparse
import collections
import os
import subprocess

from pattern_accuracy import assign  # also shows text as the logs' bytes (LC_ALL=C)

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

# Scored elsewhere for the miner of commit 0097991 (grouping accuracy, 2,000 lines each).
EARLIER = {"Android": 0.780, "HPC": 0.733, "HealthApp": 0.891, "Mac": 0.900,
           "OpenStack": 0.904, "Proxifier": 0.527, "Thunderbird": 0.667, "Windows": 0.998}


def groups(exe, log):
    """The listing's patterns as sets of line numbers, with each one's text."""
    texts = subprocess.run([exe, "patterns", log], capture_output=True,
                           check=True).stdout.decode("latin1").splitlines()
    members = collections.defaultdict(set)
    for number, rank in assign(exe, log).items():
        members[rank].add(number)
    return {frozenset(lines): texts[rank - 1] for rank, lines in members.items()}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--earlier", required=True, help="corvane-scan of the earlier miner")
    ap.add_argument("--exe", default=os.path.join(ROOT, "build", "bin", "corvane-scan"))
    ap.add_argument("--loghub", default=os.path.join(ROOT, "..", "shared", "realdata", "loghub"))
    ap.add_argument("--show", action="store_true", help="the patterns that changed")
    args = ap.parse_args()
    print("| log | earlier | wrong | changed since | still wrong at least | today at most |")
    print("|---|---:|---:|---:|---:|---:|")
    bests = []
    for name, figure in EARLIER.items():
        log = os.path.join(args.loghub, name + "_2k.log")
        before, now = groups(args.earlier, log), groups(args.exe, log)
        lines = sum(len(g) for g in now)
        wrong = round((1 - figure) * lines)
        changed = [g for g in before if g not in now]
        moved = sum(len(g) for g in changed)
        left = max(0, wrong - moved)
        best = 1 - left / lines
        bests.append(best)
        print("| %s | %.3f | %d | %d | %d | %.3f |" % (name, figure, wrong, moved, left, best))
        if args.show:
            for g in sorted(changed, key=len, reverse=True):
                print("    was %s" % before[g][:150])
            for g in sorted((g for g in now if g not in before), key=len, reverse=True):
                print("    now %s" % now[g][:150])
    print("| **mean** | **%.3f** | | | | **%.3f** |"
          % (sum(EARLIER.values()) / len(EARLIER), sum(bests) / len(bests)))


if __name__ == "__main__":
    main()
