# Runs Debian's Orca as it is, with two differences. Its debug file is written a line at a time,
# so that a test reads what Orca said as soon as it said it (Orca opens the file with Python's
# default block buffering, which would hold back the last lines until more follow). And another
# Orca of this user elsewhere (the person's own screen reader, or a second run of the suite)
# does not make this one refuse to start: Orca looks for any process of the user named "orca",
# though this one speaks only on the test's own D-Bus session.
#
# usage: python3 orca_with_live_log.py <debug file>
import builtins
import sys

debug_file = sys.argv[1]
system_open = builtins.open


def open_debug_file_by_lines(file, mode="r", *arguments, **keywords):
    if file == debug_file and "w" in mode:
        return system_open(file, mode, 1)
    return system_open(file, mode, *arguments, **keywords)


builtins.open = open_debug_file_by_lines
sys.argv = ["orca", "--debug-file=" + debug_file]
orca_script = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
with system_open("/usr/bin/orca") as orca:
    exec(compile(orca.read(), "/usr/bin/orca", "exec"), orca_script)
orca_script["otherOrcas"] = lambda: []
sys.exit(orca_script["main"]())
