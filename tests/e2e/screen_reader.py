"""The desktop program as a screen reader sees it, over AT-SPI.

Starts the program, logs in with the keyboard, reads the channel grid's
name, headers and a cell, opens Product Information with Alt+E, P and reads
its labelled controls. Run by tests/e2e/screen-reader inside Xvfb and a
D-Bus session with the accessibility bus; prints one line per check and
"N passed, N failed" at the end.
Usage: python3 screen_reader.py PROGRAM
"""
import os
import subprocess
import sys
import time

import pyatspi

PROGRAM = sys.argv[1]
NAME = os.path.basename(PROGRAM)
passed = 0
failed = 0


def check(what, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print("ok   " + what)
    else:
        failed += 1
        print("FAIL " + what + (": " + detail if detail else ""))


def wait_for(find, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == NAME:
            return app
    return None


def find(root, predicate, depth=0):
    """The first showing object below root for which predicate holds."""
    if root is None or depth > 40:
        return None
    try:
        if predicate(root):
            return root
        for i in range(root.childCount):
            found = find(root.getChildAtIndex(i), predicate, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def window_named(app, name):
    def match():
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is not None and w.name == name and showing(w):
                return w
        return None
    return wait_for(match)


def ere(text):
    return "".join("\\" + c if c in ".[]()*+?{}|^$\\" else c for c in text)


def keys(window_name, *sequence):
    """Types into the X window with this title, as a person would."""
    wid = subprocess.run(["xdotool", "search", "--sync", "--name", "^" + ere(window_name) + "$"],
                         capture_output=True, text=True, timeout=20).stdout.split()
    if wid:
        subprocess.run(["xdotool", "windowfocus", "--sync", wid[0]], timeout=20)
    for s in sequence:
        if s.startswith("type:"):
            subprocess.run(["xdotool", "type", "--delay", "50", s[5:]], timeout=20)
        else:
            subprocess.run(["xdotool", "key", "--delay", "80", s], timeout=20)


def main():
    program = subprocess.Popen([PROGRAM])
    try:
        app = wait_for(application)
        check("the program is on the accessibility bus as " + NAME, app is not None)
        if app is None:
            return
        # Log in with the keyboard.
        password = window_named(app, "Password")
        check("the Password dialog is shown", password is not None)
        if password is None:
            return
        edit = find(password, lambda a: a.getRole() == pyatspi.ROLE_TEXT)
        check("the code field is named by its label", edit is not None and edit.name == "Password",
              edit.name if edit is not None else "none")
        keys("Password", "type:480215", "Return")

        # The channel grid.
        grid = wait_for(lambda: find(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE and showing(a)))
        check("the channel grid is shown", grid is not None)
        if grid is None:
            return
        check("the grid is named Channels", grid.name == "Channels", grid.name)
        table = grid.queryTable()
        check("16 rows, 8 columns", table.nRows == 16 and table.nColumns == 8,
              "%d x %d" % (table.nRows, table.nColumns))
        header = table.getColumnDescription(0)
        check("the first column is Rx Frequency", header == "Rx Frequency", header)
        cell = table.getAccessibleAt(2, 1)
        check("an empty cell says so", cell is not None and cell.name == "empty",
              cell.name if cell is not None else "none")
        row = table.getRowHeader(2)
        check("the row header says Channel 3", row is not None and row.name == "Channel 3",
              row.name if row is not None else "none")

        # A settings dialog, opened with the keys, read control by control.
        frame = find(app, lambda a: a.getRole() == pyatspi.ROLE_FRAME and showing(a))
        keys(frame.name if frame is not None else "QM530", "alt+e", "p")
        dialog = window_named(app, "Product Information")
        check("Alt+E, P opens Product Information", dialog is not None)
        if dialog is not None:
            lists = []
            def collect(a, depth=0):
                if a is None or depth > 20:
                    return
                if a.getRole() == pyatspi.ROLE_COMBO_BOX:
                    # Its name is the entry shown; the label beside it is the
                    # first "labelled by" target (the group box follows).
                    labels = [r.getTarget(0).name for r in a.getRelationSet()
                              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
                    lists.append(labels[0] if labels else "")
                for i in range(a.childCount):
                    collect(a.getChildAtIndex(i), depth + 1)
            collect(dialog)
            check("its lists are named by their labels", lists == ["Type", "Frequency"], str(lists))
            keys("Product Information", "Escape")
    finally:
        program.terminate()
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()
        print("%d passed, %d failed" % (passed, failed))


main()
sys.exit(1 if failed else 0)
