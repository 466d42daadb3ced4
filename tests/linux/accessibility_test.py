"""Drives the real program as a screen reader would, through AT-SPI: finds the controls by role
and name, activates them through their accessible actions, reads the two displays and listens
for the events that make a screen reader speak each total; then the same in German and French."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STEP_8_DICE = "2D6"


def pump():
    """Delivers the AT-SPI events that have arrived."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, timeout=30.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        pump()
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Dicewright":
            return app
    return None


def find(root, role, predicate=lambda node: True):
    """The first node below root with this role that satisfies predicate, showing or not."""
    return pyatspi.findDescendant(root, lambda n: n.getRoleName() == role and predicate(n))


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = next(i for i, name in enumerate(names) if name in ("Press", "press", "click", "Toggle", "toggle"))
    action.doAction(index)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


class Announcements:
    """What a screen reader hears of the total display: the notifications that show themselves,
    with the name each has when it does."""

    def __init__(self):
        self.shown = []
        pyatspi.Registry.registerEventListener(self.on_showing, "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(self.on_renamed, "object:property-change:accessible-name")

    def on_showing(self, event):
        if event.detail1 == 1 and event.source.getRoleName() == "notification":
            self.shown.append(event.source.name)

    def on_renamed(self, event):
        """Listening keeps the names current, as a screen reader's own listener does."""


def main(binary):
    # Listening starts before the program does, as with a screen reader that is already running.
    announcements = Announcements()
    process = subprocess.Popen([binary])
    failures = []
    passes = []

    def check(what, condition):
        print(("PASS: " if condition else "FAIL: ") + what)
        (passes if condition else failures).append(what)

    try:
        app = wait_for("the program on the accessibility bus", program)
        start = wait_for("the splash window's button",
                         lambda: find(app, "push button", lambda n: n.name == "TIME TO ROLL THE DICE"))
        press(start)

        dice = wait_for("the dice display", lambda: find(
            app, "label", lambda n: n.description == "Dice of the chosen step" and showing(n)))
        total = find(app, "notification", lambda n: n.description == "Total of the last roll")
        check("the total display is empty at start", total is not None and total.name == "")
        check("the dice display reads the start text", dice.name == "D20+D10+D8+D6  ")
        window = find(app, "frame", lambda n: n.name == "Dicewright" and showing(n))
        check("the main window is a frame named Dicewright", window is not None)

        step8 = find(app, "radio button", lambda n: n.name == "STEP 8")
        check("step options are announced with their dice and odds",
              step8.description.startswith(STEP_8_DICE + "\n") and "1 in 36" in step8.description)
        press(step8)
        wait_for("step 8's dice", lambda: dice.name == STEP_8_DICE)
        check("selecting a step shows its dice", dice.name == STEP_8_DICE)

        # The display shows itself, still empty, with the window; only presses count from here.
        wait_for("the total display shown with the window", lambda: "" in announcements.shown)
        announcements.shown.clear()
        roll = find(app, "push button", lambda n: n.name == "ROLL")
        press(roll)
        rolled = wait_for("a total", lambda: total.name)
        check("ROLL shows a total step 8 can give",
              rolled == "Rule of One" or (rolled.isdigit() and int(rolled) >= 3))
        check("the total display says what it is, then the dice behind the total",
              total.description.startswith("Total of the last roll. D6: ")
              and total.description.count("D6: ") == 2)

        # Step 1 has four totals, so presses soon give the same total twice in a row.
        press(find(app, "radio button", lambda n: n.name == "STEP 1"))
        wait_for("step 1's dice", lambda: dice.name == "d4-2")
        wait_for("the first announcement", lambda: len(announcements.shown) == 1)
        heard = [(rolled, announcements.shown[0])]
        while len(heard) < 60 and not any(a[0] == b[0] for a, b in zip(heard[1:], heard[2:])):
            press(roll)
            expected = len(heard) + 1
            wait_for(f"announcement {expected}", lambda: len(announcements.shown) >= expected)
            heard.append((total.name, announcements.shown[expected - 1]))
        pump()
        check("one announcement per press", len(announcements.shown) == len(heard))
        check("each announcement is the total just shown", all(t == said for t, said in heard))
        check("a total equal to the one before is announced again",
              any(a[0] == b[0] for a, b in zip(heard[1:], heard[2:])))
        print("heard: " + ", ".join(said for _, said in heard))

        # The roll log, opened with Ctrl+L in the main window: its title, and the newest roll read
        # as one whole line.
        main_window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Dicewright$"],
                                     capture_output=True, text=True).stdout.split()
        subprocess.run(["xdotool", "windowfocus", "--sync", main_window[0], "key", "ctrl+l"], check=True)
        log = wait_for("the roll log", lambda: find(app, "frame", lambda n: n.name == "Roll log" and showing(n)))
        check("the roll log is a frame titled Roll log", log is not None)
        newest = wait_for("the newest roll", lambda: find(log, "list item"))
        check("the newest roll reads as one line with its step, total and dice",
              re.fullmatch(r"\d\d?:\d\d:\d\d [AP]M  Step 1 \(d4-2\): " + re.escape(total.name)
                           + " \u2014 D4: [1-4] \u2212 2", newest.name) is not None)
        print("newest roll: " + newest.name)

        # A test against a difficulty, with Ctrl+T: two spin buttons whose values a screen
        # reader reads and sets, the chance read as its text, and the total announced once with
        # its verdict.
        press(step8)
        subprocess.run(["xdotool", "windowfocus", "--sync", main_window[0], "key", "ctrl+t"], check=True)
        difficulty = wait_for("the difficulty field", lambda: find(
            app, "spin button", lambda n: n.name == "Difficulty" and showing(n)))
        bonus = find(app, "spin button", lambda n: n.name == "Bonus step")
        check("Ctrl+T shows spin buttons named Difficulty and Bonus step, empty",
              bonus is not None and difficulty.queryValue().currentValue == 0)
        announcements.shown.clear()
        difficulty.queryValue().currentValue = 9
        bonus.queryValue().currentValue = 4
        chance = wait_for("the chance", lambda: find(
            app, "notification", lambda n: n.name.startswith("Chance of success") and "without" in n.name))
        check("values set through AT-SPI reach the fields, and the chance is read as its text",
              difficulty.queryValue().currentValue == 9 and bonus.queryValue().currentValue == 4
              and chance.name == "Chance of success: 75.5% (without the bonus: 38.0%)")
        # Spoken once the two changes have settled: the chance as set, once.
        wait_for("the chance announced", lambda: len(announcements.shown) >= 1)
        pump()
        check("the chance is announced once the values settle",
              announcements.shown == ["Chance of success: 75.5% (without the bonus: 38.0%)"])
        announcements.shown.clear()
        press(roll)
        wait_for("the test's announcement", lambda: len(announcements.shown) == 1)
        pump()
        verdict = find(app, "label", lambda n: re.match(r"(Success|Failure)", n.name) is not None)
        said = announcements.shown[0]
        check("the total is announced once with its verdict",
              len(announcements.shown) == 1 and verdict is not None
              and re.fullmatch(r"(\d+|Rule of One)\. " + re.escape(verdict.name), said) is not None)
        print("heard: " + said)

        press(find(app, "push button", lambda n: n.name == "EXIT"))
        check("EXIT ends the program with status 0", process.wait(timeout=30) == 0)
    except Exception as error:  # a timeout or a missing control fails the run, not the harness
        failures.append(str(error))
        print(f"FAIL: {error}")
    finally:
        if process.poll() is None:
            process.kill()
    print(f"{len(passes)} passed, {len(failures)} failed")
    return 1 if failures else 0


# What a German, a French or a Russian player hears: the same controls in the player's language,
# the dice with its letter, the chance with its numbers, the total apart from its verdict.
LANGUAGES = {
    "de": {
        "start": "ZEIT ZUM WÜRFELN", "step8": "STUFE 8", "dice": "2W6", "one_in": "1 von 36",
        "roll": "WURF", "exit": "ENDE", "difficulty": "Mindestwurf", "bonus": "Bonusstufe",
        "chance": "Erfolgschance: 75,5\u00a0% (ohne Bonus: 38,0\u00a0%)",
        # "17. Erfolg" would be read as "17th success".
        "verdict": r", (Erfolg(, \d zusätzliche?r? Erfolge?)?|Misserfolg)", "rule_of_one": "Regel der Eins",
        "log": "Wurfprotokoll",
    },
    "fr": {
        "start": "À VOS DÉS\u202f!", "step8": "ÉCHELON 8", "dice": "2D6", "one_in": "1 sur 36",
        "roll": "JETER", "exit": "SORTIR", "difficulty": "Difficulté", "bonus": "Échelon bonus",
        # French texts with American numbers, as a player's region may ask.
        "env": {"LC_NUMERIC": "en_US.UTF-8"},
        "chance": "Chances de réussite\u202f: 75.5\u202f% (sans le bonus\u202f: 38.0\u202f%)",
        "verdict": r"\. (Réussite(, \d réussites? supplémentaires?)?|Échec)", "rule_of_one": "Règle du un",
        "log": "Journal des lancers",
    },
    "ru": {
        "start": "ПОРА БРОСАТЬ КУБИКИ", "step8": "СТУПЕНЬ 8", "dice": "2К6", "one_in": "1 из 36",
        "roll": "БРОСЬ", "exit": "ВЫХОД", "difficulty": "Сложность", "bonus": "Бонусная ступень",
        "chance": "Вероятность успеха: 75,5\u00a0% (без бонуса: 38,0\u00a0%)",
        "verdict": r"\. (Успех(, \d дополнительн\w+ успех\w*)?|Провал)", "rule_of_one": "Правило единицы",
        "log": "Журнал бросков",
    },
}


def main_in(binary, language):
    """The program in `language`, as the desktop's LANGUAGE asks for it."""
    words = LANGUAGES[language]
    announcements = Announcements()
    process = subprocess.Popen([binary], env=dict(os.environ, LANGUAGE=language, **words.get("env", {})))
    failures = []

    def check(what, condition):
        print(("PASS: " if condition else "FAIL: ") + f"[{language}] {what}")
        if not condition:
            failures.append(what)

    try:
        app = wait_for("the program on the accessibility bus", program)
        press(wait_for("the splash window's button",
                       lambda: find(app, "push button", lambda n: n.name == words["start"])))
        step8 = wait_for("step 8", lambda: find(
            app, "radio button", lambda n: n.name == words["step8"] and showing(n)))
        check("step options are named and described in the language",
              step8.description.startswith(words["dice"] + "\n") and words["one_in"] in step8.description)
        press(step8)
        dice = wait_for("step 8's dice", lambda: find(
            app, "label", lambda n: n.name == words["dice"] and showing(n)))
        check("the dice display names dice with the language's letter", dice is not None)
        main_window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Dicewright$"],
                                     capture_output=True, text=True).stdout.split()
        subprocess.run(["xdotool", "windowfocus", "--sync", main_window[0], "key", "ctrl+t"], check=True)
        difficulty = wait_for("the difficulty field", lambda: find(
            app, "spin button", lambda n: n.name == words["difficulty"] and showing(n)))
        bonus = find(app, "spin button", lambda n: n.name == words["bonus"])
        difficulty.queryValue().currentValue = 9
        bonus.queryValue().currentValue = 4
        chance = wait_for("the chance", lambda: find(
            app, "notification", lambda n: n.name == words["chance"]))
        check("the chance is read with the language's numbers", chance is not None)
        wait_for("the chance announced", lambda: words["chance"] in announcements.shown)
        announcements.shown.clear()
        press(find(app, "push button", lambda n: n.name == words["roll"]))
        wait_for("the test's announcement", lambda: len(announcements.shown) == 1)
        said = announcements.shown[0]
        check("the total is announced with its verdict in the language",
              re.fullmatch(r"(\d+|" + words["rule_of_one"] + ")" + words["verdict"], said)
              is not None)
        print(f"heard [{language}]: {said}")
        subprocess.run(["xdotool", "windowfocus", "--sync", main_window[0], "key", "ctrl+l"], check=True)
        check("the roll log is titled in the language", wait_for("the roll log", lambda: find(
            app, "frame", lambda n: n.name == words["log"] and showing(n))) is not None)
        press(find(app, "push button", lambda n: n.name == words["exit"]))
        check("EXIT ends the program with status 0", process.wait(timeout=30) == 0)
    except Exception as error:  # a timeout or a missing control fails the run, not the harness
        failures.append(str(error))
        print(f"FAIL: [{language}] {error}")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait(timeout=30)
    return failures


if __name__ == "__main__":
    status = main(sys.argv[1])
    for spoken in LANGUAGES:
        # Each run's program must be gone from the bus before the next one looks for its own.
        wait_for("the last run's program to leave the bus", lambda: program() is None)
        if main_in(sys.argv[1], spoken):
            status = 1
    sys.exit(status)
