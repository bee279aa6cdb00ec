"""wolpex as a person uses it: start it, read the about box, quit with "Beenden"; start it
again and close the window."""

import sys

from person import Failure, Program


def about_and_quit(path):
    program = Program(path)
    try:
        program.press("Info")
        about = program.dialog()
        texts = program.dialog_text(about)
        about_text = next((t for t in texts if t.startswith("Ein Mehrmassen")), None)
        if about_text is None:
            raise Failure("no about text among " + repr(texts))
        lines = about_text.split("\n")
        if len(lines) != 7 or lines[3] != "18.8.2010":
            raise Failure("unexpected about text " + repr(about_text))
        program.answer(about, "OK")
        program.press("Beenden")
        status = program.wait_for_exit()
        if status != 0:
            raise Failure("Beenden ended wolpex with status %d" % status)
    finally:
        program.stop()


def close_window(path):
    program = Program(path)
    try:
        program.close_window()
        status = program.wait_for_exit()
        if status != 0:
            raise Failure("closing the window ended wolpex with status %d" % status)
    finally:
        program.stop()


if __name__ == "__main__":
    about_and_quit(sys.argv[1])
    close_window(sys.argv[1])
    print("wolpex: about box read, Beenden and closing the window end with status 0")
