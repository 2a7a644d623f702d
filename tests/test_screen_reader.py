#!/usr/bin/python3
"""What a screen reader hears over one short game, on the desktop's real
accessibility bus: a virtual display, the accessibility bus and its registry,
and the real program in a folder of its own. The game is played with presses
and keys only; each step lists what the reader must hear, in order.

Usage: dbus-run-session -- test_screen_reader.py PROGRAM IMAGES_FOLDER
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

# Focus moves, names that change on the focused object or on a text of the
# window, question boxes with their text, and what is typed. "?" marks what
# the dealt board may leave out.
STEPS = [
    ("start", ["focus: new game"]),
    ("key Down", ["focus: hi-scores"]),
    ("key Tab", ["focus: how to play"]),
    ("key Up", ["focus: hi-scores"]),
    ("key Up", ["focus: new game"]),
    ("press new game", ["name: LEVEL 1", r"?name: \*.+", "name: 3",
                        r"focus: row 1, column 1, player: .+; target: .+"]),
    ("wait", ["name: 2", "name: 1", "name: START", r"focus: row 1, column 1, player: .+; target: .+"]),
    ("key space", [r"name: row 1, column 1, player: .+; target: (?P<target>row \d+, column \d+), arrow .+",
                   r"?name: \*.+"]),
    ("key Return", ["name: row 1, column 1: used box", r"?name: \*.+",
                    r"focus: (?P=target), player: .+; target: .+"]),
    ("press quit game", [r"box: Are you sure you want to quit\?", "focus: Yes"]),
    ("key Return", [r"name: NEW HI-SCORE, (?P<total>\d+)", r"?focus: NEW HI-SCORE, (?P=total)"]),
    ("wait", ["focus: please insert your name"]),
    ("press save name", [r"box: \*insert a name", "focus: OK"]),
    ("key Return", ["focus: please insert your name"]),
    ("type Ada", ["typed: A", "typed: d", "typed: a"]),
    ("press save name", [r"name: hi-scores: Ada, (?P=total) points, level 1",
                         r"focus: hi-scores: Ada, (?P=total) points, level 1"]),
    ("key Escape", ["focus: new game"]),
]
STEP_SECONDS = 15


def matches(expected, heard, found):
    """Whether `heard` is `expected` in order, optional entries left out or not."""
    pattern = "".join("(?:%s\n)%s" % (e.lstrip("?"), "?" if e.startswith("?") else "") for e in expected)
    for name, value in found.items():
        pattern = pattern.replace("(?P=%s)" % name, re.escape(value))
    match = re.fullmatch(pattern, "".join(line + "\n" for line in heard))
    found.update(match.groupdict() if match else {})
    return match is not None


class Reader:
    """Listens as a screen reader does and keeps what it would say."""

    def __init__(self):
        import pyatspi
        from gi.repository import Atspi, GLib
        Atspi.set_timeout(5000, -1)  # a press that waited on a question box fails
        self.atspi, self.glib, self.heard, self.in_focus = Atspi, GLib, [], None
        pyatspi.Registry.registerEventListener(self.on_event, "focus:", "object:property-change:accessible-name",
                                               "window:activate", "object:text-changed:insert",
                                               "object:value-changed")

    def on_event(self, event):
        source, kind, label = event.source, event.type, self.atspi.Role.LABEL
        if kind == "focus:":
            self.in_focus = source
            self.heard.append("focus: " + source.get_name())
        elif kind.startswith("object:property-change") and source.get_name() and (
                source == self.in_focus or (source.get_role() == label
                                            and source.get_parent().get_role() == self.atspi.Role.FRAME)):
            self.heard.append("name: " + source.get_name())
        elif kind == "window:activate":
            texts = [o.get_name() for o in self.walk(source) if o.get_role() == label and o.get_name()]
            self.heard.append("box: " + " ".join(texts))
        elif kind.startswith("object:text-changed"):
            self.heard.append("typed: " + source.get_text(event.detail1, event.detail1 + event.detail2))
        elif kind == "object:value-changed":
            self.heard.append("value changed: " + source.get_name())

    def walk(self, node):
        yield node
        for i in range(node.get_child_count()):
            yield from self.walk(node.get_child_at_index(i))

    def spin(self, until):
        """Lets events arrive until `until()` holds or the step's time is up."""
        timed_out = []
        timer = self.glib.timeout_add(STEP_SECONDS * 1000, lambda: timed_out.append(1) and False)
        while not until() and not timed_out:
            self.glib.MainContext.default().iteration(True)
        if not timed_out:
            self.glib.source_remove(timer)

    def press(self, name):
        desktop = self.atspi.get_desktop(0)
        game = next(app for app in self.walk(desktop) if app.get_name() == "quorbit").get_child_at_index(0)
        next(c for c in self.walk(game) if c.get_name() == name).do_action(0)


def play(program, images, work):
    reader = Reader()
    folder = os.path.join(work, "quorbit")  # a portable copy: its hi-score list starts empty
    shutil.copytree(images, os.path.join(folder, "images"))
    shutil.copy(program, folder)
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    with tempfile.TemporaryFile("w+") as errors:
        game = subprocess.Popen([os.path.join(folder, "quorbit")], env=environment, stderr=errors)
        failures, found = [], {}
        for action, expected in STEPS:
            reader.heard = []
            verb, _, words = action.partition(" ")
            if verb == "press":
                reader.press(words)
            elif verb in ("key", "type"):
                subprocess.run(["xdotool", verb, words], check=True)
            required = len([e for e in expected if not e.startswith("?")])
            reader.spin(lambda: len(reader.heard) >= required and matches(expected, reader.heard, dict(found)))
            print("%-16s %s" % (action, reader.heard))
            if not matches(expected, reader.heard, found):
                failures.append("%s: heard %s, expected %s" % (action, reader.heard, expected))
            if verb == "type" and reader.in_focus.get_text(0, -1) != words:
                failures.append("the name entry reads back %r" % reader.in_focus.get_text(0, -1))
        reader.heard = []
        reader.press("exit")
        status = game.wait(STEP_SECONDS)
        errors.seek(0)
        failures += [text for ok, text in [(reader.heard == [], "after exit: %s" % reader.heard),
                                           (status == 0, "exit status %s" % status),
                                           (errors.read() == "", "standard error is not empty")] if not ok]
    print("\n".join(failures) or "the reader heard the whole game")
    return 1 if failures else 0


def main():
    """The display and the accessibility registry start before the game; the
    registry's asking for the accessibility bus has the session bus start it."""
    work = tempfile.mkdtemp()
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    reader_end, writer_end = os.pipe()
    helpers = [subprocess.Popen(["Xvfb", "-displayfd", str(writer_end), "-nolisten", "tcp", "-screen", "0",
                                 "1280x1024x24"], pass_fds=[writer_end], **quiet)]
    os.close(writer_end)
    try:
        with os.fdopen(reader_end) as display:
            os.environ["DISPLAY"] = ":" + display.readline().strip()
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        os.environ["XDG_RUNTIME_DIR"] = work
        helpers.append(subprocess.Popen(["/usr/libexec/at-spi2-registryd"], **dict(quiet, stdout=subprocess.PIPE)))
        helpers[-1].stdout.readline()  # it says so once it answers on the bus
        return play(*sys.argv[1:3], work)
    finally:
        for helper in helpers:
            os.killpg(helper.pid, signal.SIGTERM)
            helper.wait()
        shutil.rmtree(work)


if __name__ == "__main__":
    sys.exit(main())
