"""Which of the game's screens the built executable holds.

A screen that is still a stand-in draws nothing of its own. Each real screen
names the data it loads or the text it shows, and those names are in the
executable; the scenarios look for them to know what they can play."""

SCREENS = {
    "main menu": b"images/exitbutton.png",
    "setup screen": b"Ravav-E-Vidid:",
    "game session": b"images/target.png",
    "challenge": b"Hit target before it reaches full size",
    "high score table": b"high.dat",
    "name entry": b"images/keyboardmap.bmp",
}


class Features:
    def __init__(self, executable):
        with open(executable, "rb") as program:
            code = program.read()
        self.present = {name for name, marker in SCREENS.items() if marker in code}

    def has(self, name):
        if name not in SCREENS:
            raise KeyError(name)
        return name in self.present

    def missing(self, names):
        return [name for name in names if not self.has(name)]
