"""Drives a built program of the suite as a person would: through the accessibility bus
(AT-SPI) it finds buttons by their label, presses them, reads dialogs and entries; through
the X server it closes the window the way a window manager's close button does.

Run it on an X display, inside a private session bus (dbus-run-session)."""

import os
import subprocess
import time

import pyatspi
from Xlib import X, display, protocol


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=10.0, interval=0.05):
    """Polls probe() every interval seconds until it returns something true."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(interval)
    raise Failure("timed out waiting for " + what)


def walk(node):
    """Every accessible below node, depth first."""
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is None:
            continue
        yield child
        yield from walk(child)


class Program:
    """One run of a program, started in the folder that holds its pictures."""

    def __init__(self, path, *args):
        env = dict(os.environ, GTK_MODULES="gail:atk-bridge", NO_AT_BRIDGE="0", LANG="C")
        env.pop("LC_ALL", None)
        self.name = os.path.basename(path)
        self.process = subprocess.Popen([path, *args], cwd=os.path.dirname(path), env=env)
        self.app = wait_for("the application on the accessibility bus", self._find_app)
        self.frame = wait_for("the main window", lambda: self._first(
            lambda a: a.getRoleName() == "frame" and self._showing(a), self.app, children_only=True))

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == self.name:
                try:
                    if app.get_process_id() != self.process.pid:
                        continue
                except Exception:
                    pass
                return app
        return None

    @staticmethod
    def _showing(accessible):
        return accessible.getState().contains(pyatspi.STATE_SHOWING)

    @staticmethod
    def _first(test, root, children_only=False):
        nodes = (root.getChildAtIndex(i) for i in range(root.childCount)) if children_only \
            else walk(root)
        for node in nodes:
            try:
                if node is not None and test(node):
                    return node
            except Exception:
                continue
        return None

    def button(self, label, root=None):
        return wait_for("the button " + label, lambda: self._first(
            lambda a: a.getRoleName() == "push button" and a.name == label,
            root or self.frame))

    def press(self, label, root=None):
        self.button(label, root).queryAction().doAction(0)

    def dialog(self, interval=0.05):
        """The message dialog that is open now: its role is alert."""
        return wait_for("a message dialog", lambda: self._first(
            lambda a: a.getRoleName() == "alert" and self._showing(a), self.app,
            children_only=True), interval=interval)

    def answer(self, dialog, label):
        """Presses a button of a dialog and waits until the dialog has gone."""
        self.press(label, dialog)
        wait_for("the dialog to close", lambda: not self._showing(dialog), interval=0.01)

    @staticmethod
    def dialog_text(dialog):
        labels = [a for a in walk(dialog) if a.getRoleName() == "label"]
        return [a.queryText().getText(0, -1) for a in labels]

    def open_windows(self):
        """The program's showing windows other than the main window."""
        found = []
        for i in range(self.app.childCount):
            window = self.app.getChildAtIndex(i)
            if window is not None and window.getRoleName() != "frame" and self._showing(window):
                found.append(window)
        return found

    def chooser(self):
        """The open file chooser: a dialog with an editable name field."""
        return wait_for("the file chooser", lambda: next(
            (w for w in self.open_windows() if w.getRoleName() == "dialog"), None))

    def choose(self, path):
        """Types a path into the open chooser's name field and presses OK until the chooser
        takes it (it checks a typed name in the background and may pass over an early OK)."""
        chooser = self.chooser()
        name = wait_for("the name field", lambda: self._first(
            lambda a: a.getRoleName() == "text" and a.getState().contains(pyatspi.STATE_EDITABLE),
            chooser))
        name.queryEditableText().setTextContents(path)
        ok = self.button("OK", chooser)

        def answered():
            if not self._showing(chooser) or any(w.getRoleName() == "alert"
                                                 for w in self.open_windows()):
                return True
            ok.queryAction().doAction(0)
            time.sleep(0.2)
            return False
        wait_for("the chooser to take " + path[:60], answered)

    def texts(self):
        """The texts of every text field of the main window, in tree order."""
        return [a.queryText().getText(0, -1) for a in walk(self.frame)
                if a.getRoleName() == "text"]

    def no_dialog(self):
        return self._first(lambda a: a.getRoleName() == "alert" and self._showing(a), self.app,
                           children_only=True) is None

    def close_window(self):
        """What a window manager's close button does: WM_DELETE_WINDOW to the main window."""
        x = display.Display()
        delete = x.intern_atom("WM_DELETE_WINDOW")
        protocols = x.intern_atom("WM_PROTOCOLS")
        pid_atom = x.intern_atom("_NET_WM_PID")
        for window in x.screen().root.query_tree().children:
            pid = window.get_full_property(pid_atom, X.AnyPropertyType)
            if pid is None or pid.value[0] != self.process.pid:
                continue
            if window.get_attributes().map_state != X.IsViewable:
                continue
            event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                                 data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            window.send_event(event)
        x.flush()
        x.close()

    def wait_for_exit(self, timeout=10.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise Failure(self.name + " did not end")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
