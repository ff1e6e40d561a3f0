"""Plays a scenario; by hand from tests/e2e: python3 -B -m scenarios play ../../build/game OUT"""

import sys

from brenvik_e2e.scenario import Scenario
from scenarios import package, play

scenario = Scenario(*sys.argv[1:])  # SCENARIO GAME_DIR ARTIFACTS_DIR [BUILD_DIR CPACK]
print("The output, the X server's log and the last screen go to " + scenario.artifacts)
try:
    {**play.SCENARIOS, **package.SCENARIOS}[scenario.name](scenario)
finally:
    for process in scenario.processes:
        process.terminate()
