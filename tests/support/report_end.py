#!/usr/bin/env python3
"""Runs a program and writes how it ended into a file: "signal N" when a signal ended it, "exit N"
when it exited, even with a status of 128 + N. Then ends the same way itself, so that whoever
waits for this sees what the program's own parent would have seen.

usage: report_end.py <file> <program> [arguments]"""

import os
import signal
import subprocess
import sys


def main():
    report, program = sys.argv[1], sys.argv[2:]
    status = subprocess.call(program)
    with open(report, "w", encoding="utf-8") as out:
        out.write(f"signal {-status}\n" if status < 0 else f"exit {status}\n")
    if status < 0:
        signal.signal(-status, signal.SIG_DFL)
        os.kill(os.getpid(), -status)
    sys.exit(status)


if __name__ == "__main__":
    main()
