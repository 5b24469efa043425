#!/usr/bin/env python3
"""Runs a program with standard error on an end nobody reads:

  stopped-terminal     a terminal whose output is stopped, as Ctrl+S stops it: every write
                       waits until it is started again, which never happens
  pipe-without-reader  a pipe whose reader has gone: every write fails, and raises SIGPIPE
                       unless the program ignores it

usage: standard_error_as.py stopped-terminal|pipe-without-reader <program> [arguments]"""

import os
import signal
import sys
import termios


def main():
    mode, program = sys.argv[1], sys.argv[2:]
    if mode == "stopped-terminal":
        master, slave = os.openpty()
        termios.tcflow(slave, termios.TCOOFF)
        os.dup2(slave, 2)
        # The terminal's other end stays open, unread, in the program itself: closed, it would
        # turn every write into an error instead of a wait.
        os.set_inheritable(master, True)
    elif mode == "pipe-without-reader":
        reader, writer = os.pipe()
        os.close(reader)
        os.dup2(writer, 2)
    else:
        sys.exit(__doc__)
    # Python ignores SIGPIPE, and an ignored signal stays ignored across exec.
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)
    os.execvp(program[0], program)


if __name__ == "__main__":
    main()
