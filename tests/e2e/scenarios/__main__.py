"""Plays a scenario; by hand from tests/e2e: python3 -B -m scenarios play ../../build/game OUT"""

from brenvik_e2e.scenario import main
from scenarios import package, play

main({**play.SCENARIOS, **package.SCENARIOS})
