#!/usr/bin/env python3
"""Plays one end-to-end scenario of Brenvik in a private X server.

    run_scenario.py --game-dir build/game --artifacts build/e2e-artifacts start

CTest runs every scenario this way (label "e2e"); see tests/e2e/README.md."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from brenvik_e2e.scenario import main  # noqa: E402
from scenarios import challenge, free_game, package, start  # noqa: E402

if __name__ == "__main__":
    sys.exit(main({**start.SCENARIOS, **free_game.SCENARIOS, **challenge.SCENARIOS,
                   **package.SCENARIOS}))
