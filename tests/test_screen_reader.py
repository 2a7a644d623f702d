#!/usr/bin/python3
"""What a screen reader hears over one short game, on the desktop's real
accessibility bus: a virtual display, the accessibility bus and its registry,
and the real program with a folder of its own. The game is played with
presses and keys only; each step lists what the reader must hear, in order.

Usage: dbus-run-session -- test_screen_reader.py PROGRAM IMAGES_FOLDER
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

# What each step makes the reader hear: focus moves, names that change on
# the object in focus or on a text, question boxes with their text, and what
# is typed. "?" marks what the dealt board may leave out.
STEPS = [
    ("start", ["focus: new game"]),
    ("key Down", ["focus: hi-scores"]),
    ("key Tab", ["focus: how to play"]),
    ("key Up", ["focus: hi-scores"]),
    ("key Up", ["focus: new game"]),
    ("press new game", ["name: LEVEL 1", r"?name: \*.+", "name: 3",
                        r"focus: row 1, column 1, player: .+; target: .+"]),
    ("wait", ["name: 2", "name: 1", "name: START",
              r"focus: row 1, column 1, player: .+; target: .+"]),
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


def start_helpers(work):
    """The display and the accessibility registry, before the game; asking
    for the accessibility bus, the registry has the session bus start it."""
    reader, writer = os.pipe()
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    helpers = [subprocess.Popen(["Xvfb", "-displayfd", str(writer), "-nolisten", "tcp",
                                 "-screen", "0", "1280x1024x24"], pass_fds=[writer], **quiet)]
    os.close(writer)
    with os.fdopen(reader) as display:
        os.environ["DISPLAY"] = ":" + display.readline().strip()
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    os.environ["XDG_RUNTIME_DIR"] = work
    registry = subprocess.Popen(["/usr/libexec/at-spi2-registryd"], **dict(quiet, stdout=subprocess.PIPE))
    helpers.append(registry)
    registry.stdout.readline()  # it says so once it answers on the bus
    return helpers


def stop(helpers):
    """Each helper with whatever it started."""
    for helper in helpers:
        os.killpg(helper.pid, signal.SIGTERM)
        helper.wait()


class Reader:
    """Listens as a screen reader does and keeps what it would say."""

    def __init__(self, atspi, glib, registry):
        self.atspi, self.glib = atspi, glib
        self.heard, self.in_focus = [], None
        registry.registerEventListener(self.on_event, "focus:", "object:property-change:accessible-name",
                                       "window:activate", "object:text-changed:insert", "object:value-changed")

    def on_event(self, event):
        source, kind = event.source, event.type
        if kind == "focus:":
            self.in_focus = source
            self.heard.append("focus: " + source.get_name())
        elif kind.startswith("object:property-change") and source.get_name() and (
                source == self.in_focus or self.is_game_text(source)):
            self.heard.append("name: " + source.get_name())
        elif kind == "window:activate":
            texts = [o.get_name() for o in self.walk(source) if o.get_role() == self.atspi.Role.LABEL and o.get_name()]
            self.heard.append("box: " + " ".join(texts))
        elif kind.startswith("object:text-changed"):
            self.heard.append("typed: " + source.get_text(event.detail1, event.detail1 + event.detail2))
        elif kind == "object:value-changed":
            self.heard.append("value changed: " + source.get_name())

    def is_game_text(self, node):
        return node.get_role() == self.atspi.Role.LABEL and node.get_parent().get_role() == self.atspi.Role.FRAME

    def walk(self, node):
        yield node
        for i in range(node.get_child_count()):
            yield from self.walk(node.get_child_at_index(i))

    def spin(self, until, seconds):
        """Lets events arrive until `until()` holds or the time is up."""
        timed_out = []
        timer = self.glib.timeout_add(seconds * 1000, lambda: timed_out.append(1) and False)
        context = self.glib.MainContext.default()
        while not until() and not timed_out:
            context.iteration(True)
        if not timed_out:
            self.glib.source_remove(timer)

    def window(self):
        desktop = self.atspi.get_desktop(0)
        apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
        return next((app.get_child_at_index(0) for app in apps if app.get_name() == "quorbit"), None)

    def control(self, name):
        window = self.window()
        return next(window.get_child_at_index(i) for i in range(window.get_child_count())
                    if window.get_child_at_index(i).get_name() == name)


def matches(expected, heard, found):
    """Whether `heard` is `expected` in order, optional entries left out or not."""
    pattern = "".join("(?:%s\n)%s" % (e.lstrip("?"), "?" if e.startswith("?") else "") for e in expected)
    for name, value in found.items():
        pattern = pattern.replace("(?P=%s)" % name, re.escape(value))
    match = re.fullmatch(pattern, "".join(line + "\n" for line in heard))
    if match:
        found.update(match.groupdict())
    return match is not None


def main():
    program, images = sys.argv[1:3]
    work = tempfile.mkdtemp()
    helpers = start_helpers(work)
    try:
        return play(program, images, work)
    finally:
        stop(helpers)
        shutil.rmtree(work)


def play(program, images, work):
    import pyatspi
    from gi.repository import Atspi, GLib
    Atspi.set_timeout(5000, -1)  # a press that waited on a question box fails
    reader = Reader(Atspi, GLib, pyatspi.Registry)

    # A portable copy in a folder of its own: its hi-score file starts empty.
    folder = os.path.join(work, "quorbit")
    shutil.copytree(images, os.path.join(folder, "images"))
    shutil.copy(program, folder)
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    with open(os.path.join(work, "stderr"), "w+") as errors:
        game = subprocess.Popen([os.path.join(folder, "quorbit")], env=environment, stderr=errors)
        failures, found = [], {}
        for action, expected in STEPS:
            reader.heard = []
            if action.startswith("press "):
                reader.control(action[len("press "):]).do_action(0)
            elif action.startswith(("key ", "type ")):
                subprocess.run(["xdotool"] + action.split(" ", 1), check=True)
            required = len([e for e in expected if not e.startswith("?")])
            reader.spin(lambda: len(reader.heard) >= required and matches(expected, reader.heard, dict(found)),
                        STEP_SECONDS)
            print("%-16s %s" % (action, reader.heard))
            if not matches(expected, reader.heard, found):
                failures.append("%s: heard %s, expected %s" % (action, reader.heard, expected))
            if action.startswith("type ") and reader.in_focus.get_text(0, -1) != action[len("type "):]:
                failures.append("the name entry reads back %r" % reader.in_focus.get_text(0, -1))
        reader.heard = []
        reader.control("exit").do_action(0)
        status = game.wait(STEP_SECONDS)
        errors.seek(0)
        stderr = errors.read()
    checks = [(not failures, "\n".join(failures)), (reader.heard == [], "after exit: %s" % reader.heard),
              (status == 0, "exit status %s" % status), (stderr == "", "standard error:\n" + stderr)]
    problems = [text for ok, text in checks if not ok]
    print("\n".join(problems) or "the reader heard the whole game")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
