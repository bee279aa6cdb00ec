"""Faults as a person meets them, with the built programs: a full disk, a very long path, a
folder that does not exist, no pictures beside the program, no display, and a thousand quick
"Rechnen" and answers. Each must end in a message or a refusal, never in a crash, a hang or
a report lost without a word; afterwards the program still works and ends with status 0."""

import os
import shutil
import subprocess
import sys
import tempfile

from person import Failure, Program, wait_for

BIN = None


def program(name, folder=None):
    path = os.path.join(BIN, name)
    if folder is not None:
        shutil.copy(path, folder)
        path = os.path.join(folder, name)
    return Program(path)


def expect_alert(p, kind, text_part):
    alert = p.dialog()
    texts = p.dialog_text(alert)
    if alert.name != kind or not any(text_part in t for t in texts):
        raise Failure("expected %s %r, saw %s %r" % (kind, text_part, alert.name, texts))
    return alert


def quit_cleanly(p):
    wait_for("no open dialog", p.no_dialog)
    p.press("Beenden")
    status = p.wait_for_exit()
    if status != 0:
        raise Failure("%s ended with status %d" % (p.name, status))


def full_disk():
    p = program("wolpex")
    try:
        p.press("Rechnen")
        p.press("Speichern")
        p.choose("/dev/full")
        p.answer(expect_alert(p, "Information", "Soll diese ueberschrieben werden?"), "Yes")
        p.answer(expect_alert(
            p, "Error", "Die Ergebnisdatei\n/dev/full\nkonnte nicht vollstaendig geschrieben werden!"),
            "OK")
        quit_cleanly(p)
    finally:
        p.stop()


def long_path(scratch):
    folder = scratch
    while len(folder) < 4000:
        folder = os.path.join(folder, "v" * 200)
    os.makedirs(folder)
    path = os.path.join(folder, "bericht.txt")
    p = program("quendra")
    try:
        p.press("Rechnen")
        p.press("Speichern")
        p.choose(path)
        wait_for("the report", lambda: os.path.exists(path) and os.path.getsize(path) > 0)
        with open(path) as report:
            if not report.read().startswith("Ergebnisse der Berechnung von QUENDRA:\n"):
                raise Failure("the report under the long path is not quendra's")
        quit_cleanly(p)
    finally:
        p.stop()


def missing_folder(scratch):
    path = os.path.join(scratch, "fehlt", "bericht.txt")
    p = program("barvilo")
    try:
        p.press("Rechnen")
        p.press("Speichern")
        p.choose(path)
        # The file chooser itself refuses a folder that does not exist.
        p.answer(expect_alert(p, "Error", "could not be displayed"), "OK")
        p.press("Cancel", p.chooser())
        wait_for("the chooser to close", p.no_dialog)
        if os.path.exists(os.path.dirname(path)):
            raise Failure("a folder was made for the report")
        quit_cleanly(p)
    finally:
        p.stop()


def without_pictures(scratch):
    expected = {"wolpex": "5.81206", "quendra": "130.411989", "barvilo": "458.00000"}
    for name, result in expected.items():
        folder = tempfile.mkdtemp(dir=scratch)
        p = program(name, folder)
        try:
            p.press("Rechnen")
            wait_for(name + " to show " + result, lambda: result in p.texts())
            quit_cleanly(p)
        finally:
            p.stop()


def without_display():
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    for name in ("wolpex", "quendra", "barvilo"):
        run = subprocess.run([os.path.join(BIN, name)], env=env, cwd=BIN, capture_output=True,
                             text=True, timeout=30)
        if run.returncode <= 0 or "cannot open display" not in run.stderr:
            raise Failure("%s without a display: status %d, %r" % (name, run.returncode,
                                                                   run.stderr))


def thousand_cycles():
    p = program("wolpex")
    try:
        p.press("Rechnen")
        wait_for("the frequencies", lambda: "5.81206" in p.texts())
        for cycle in range(1000):
            p.press("Rechnen")
            question = p.dialog(interval=0.002)
            p.answer(question, "Yes" if cycle % 2 == 0 else "No")
        if "5.81206" not in p.texts() or "2023.29978" not in p.texts():
            raise Failure("the frequencies changed after the cycles")
        quit_cleanly(p)
    finally:
        p.stop()


if __name__ == "__main__":
    BIN = sys.argv[1]
    scratch = tempfile.mkdtemp()
    try:
        full_disk()
        print("full disk: the error message, then the program goes on")
        long_path(scratch)
        print("path of over 4000 bytes: the report is written whole")
        missing_folder(scratch)
        print("folder that does not exist: refused by the chooser, nothing written")
        without_pictures(scratch)
        print("no pictures: all three programs compute and end with status 0")
        without_display()
        print("no display: GTK's message and a non-zero status, no crash")
        thousand_cycles()
        print("1000 Rechnen/answer cycles: results unchanged, status 0")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
