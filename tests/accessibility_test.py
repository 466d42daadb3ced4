"""Drives the real program as a screen reader would, through AT-SPI: finds the controls by role
and name, activates them through their accessible actions and reads the two displays."""
import subprocess
import sys
import time

import pyatspi

STEP_8_DICE = "2D6"


def wait_for(what, probe, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
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


def main(binary):
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
        total = find(app, "label", lambda n: n.description == "Total of the last roll")
        check("the dice display reads the start text", dice.name == "D20+D10+D8+D6  ")
        check("the total display is empty at start", total is not None and total.name == "")

        step8 = find(app, "radio button", lambda n: n.name == "STEP 8")
        check("step options are announced with their dice", step8.description == STEP_8_DICE)
        press(step8)
        wait_for("step 8's dice", lambda: dice.name == STEP_8_DICE, timeout=5)
        check("selecting a step shows its dice", dice.name == STEP_8_DICE)

        press(find(app, "push button", lambda n: n.name == "ROLL"))
        rolled = wait_for("a total", lambda: total.name, timeout=5)
        check("ROLL shows a total step 8 can give",
              rolled == "Rule of One" or (rolled.isdigit() and int(rolled) >= 3))

        press(find(app, "push button", lambda n: n.name == "EXIT"))
        check("EXIT ends the program with status 0", process.wait(timeout=10) == 0)
    except Exception as error:  # a timeout or a missing control fails the run, not the harness
        failures.append(str(error))
        print(f"FAIL: {error}")
    finally:
        if process.poll() is None:
            process.kill()
    print(f"{len(passes)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
