# orca_logged.py LOG PREFS: Orca itself, its debug log written to LOG a line at a time, so that a
# test can wait for each utterance as it comes ("SPEECH OUTPUT:" lines); Orca's own --debug-file
# is written a block at a time. Run by Debian's python3, beside which Orca's modules are.
#
# Orca refuses to start while any other Orca of the same user runs, on any display: this one is
# the session's own, and leaves the user's screen reader, or another test's, alone.
import sys

from orca import debug

debug.debugFile = open(sys.argv[1], 'w', buffering=1, encoding='utf-8')
debug.debugLevel = debug.LEVEL_INFO
debug.eventDebugLevel = debug.LEVEL_OFF
sys.argv = ['orca', '--user-prefs', sys.argv[2]]
program = {'__name__': 'orca_program', '__file__': '/usr/bin/orca'}
with open('/usr/bin/orca', encoding='utf-8') as source:
    exec(compile(source.read(), '/usr/bin/orca', 'exec'), program)
program['otherOrcas'] = lambda: []
sys.exit(program['main']())
