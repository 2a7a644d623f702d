#!/usr/bin/python3
"""What a blind player hears from Orca, the desktop's screen reader, over a
whole game played by keys: Orca 43 at its defaults on a virtual display with a
window manager, speaking through speech-dispatcher into a log instead of a
sound card. The game is the real program in a folder of its own; the test
solves the first board from what Orca reads of it and asserts on what Orca
asked speech-dispatcher to say.

Usage: dbus-run-session -- test_orca.py PROGRAM IMAGES_FOLDER
Exit status 77 (skipped) while another Orca of this user is running.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Orca 43 names a button's role "push button", Orca 48 "button"; Orca 48 says
# nothing of a label's.
BUTTON = r"(?:push )?button"
LABEL = r"(?: label\.)?"
# The player's own cell, as the reader's focus lands on it: its place, its
# tile and where the move leads, after any warning that showed with it.
PLAYER = (r"(?:(?P<warning>\*[a-z ]+) )?row (?P<row>\d+), column (?P<column>\d+), player: (?P<tile>[^;]+); "
          r"target: (?P<target>[^;]+) " + BUTTON + r"\.?")
# The score column, the total first: Orca says a label's news, then its name.
SCORE = (r"total -?\d+, prev level -?\d+, time bonus -?\d+, fast click -?\d+, clicks -?\d+, points -?\d+, "
         r"door -?\d+,? squares -?\d+")
COUNTDOWN = [r"(?P<level>LEVEL \d+) 3" + LABEL, r"2" + LABEL, r"1" + LABEL, r"START" + LABEL, PLAYER]

# Each step of the game: the keys pressed, then the words that must be heard,
# in this order (other words may come between them, such as the keys' echo).
# "(?P=name)" repeats what an earlier step heard.
STEPS = {
    "start": ([], [r"new game " + BUTTON + r"\."]),
    "highlight down": (["Down"], [r"hi-scores " + BUTTON + r"\."]),
    "highlight up": (["Up"], [r"new game " + BUTTON + r"\."]),
    "how to play": (["F1"], [r"the door - you won - go to next level, black hole - you lose, green box - .+, "
                             r"POINTS, TIME BONUS .+ boxes close " + BUTTON + r"\."]),
    "close how to play": (["Escape"], [r"new game " + BUTTON + r"\."]),
    "new game": (["Return"], COUNTDOWN),
    "turn": (["space"], [PLAYER]),
    "move": (["Return"], [PLAYER]),
    "win": (["Return"], [r"YOU WON, (?P<won>\d+) NEXT LEVEL " + BUTTON + r"\."]),
    "next level": (["Return"], COUNTDOWN),
    "pause": (["p"], [r"the level is paused - press P or Pause to resume" + LABEL]),
    "resume": (["p"], [r"resumed, " + PLAYER]),
    "counter under review": (["Insert+KP_Begin"], [r"(?P<counter>[a-z ]+ -?\d+)" + LABEL]),
    # The numbers come with the column's last counter, then, asked again,
    # with the player's cell: Orca keeps quiet about a focus on the object it
    # stands on.
    "score": (["s"], [SCORE + LABEL]),
    "score again": (["s"], [SCORE + " " + PLAYER]),
    # Orca cancels what the countdown began as the window loses the focus.
    "new game, minimised in its countdown": (["Return", "minimise"], []),
    "restore": (["restore"], [r"QUORBIT(?: frame\.?)?", r"the level is paused - press P or Pause to resume" + LABEL]),
    "resume the countdown": (["p"], [r"resumed,? (?:[321]|START)" + LABEL, PLAYER]),
    "quit": (["Escape"], [r"alert QUORBIT\.", r"Are you sure you want to quit\?", r"Yes " + BUTTON + r"\."]),
    "yes": (["Return"], [r"NEW HI-SCORE, (?P<total>\d+)" + LABEL]),
    "no hi-score": (["Return"], [r"GAME OVER, \d+" + LABEL, r"new game " + BUTTON + r"\."]),
    "name entry": ([], [r"please insert your name text\."]),
    # Each letter is echoed as it is typed, and the next one typed once it was.
    **{"letter " + letter: ([letter], [letter + " ?"]) for letter in "Ada"},
    "save the name": (["Return"], [r"hi-scores: (?:.+; )?Ada, (?P=total) points, level \d+(?:; .+)?" + LABEL]),
    "close the list": (["Escape"], [r"new game " + BUTTON + r"\."]),
    "to exit": (["Down"] * 4, [r"exit " + BUTTON + r"\."]),
    "exit": (["Return"], []),
}
# Steps whose words Orca 48 may cut for the echo of the very key that brought
# them: it can hear the key after the game has answered it. The box's title
# may have begun before the echo, or its speech may have been stopped before
# it began; the focus on the box's first button comes after the echo and is
# heard either way. Only Orca 48 names a button "button" alone, so Orca 43
# must say the whole box.
CUT_BY_THE_KEY = {"quit": [r"escape", r"Yes button\."]}
STEP_SECONDS = 60  # a bound for a step that never comes, not a wait
COUNTERS = ["prev level", "time bonus", "fast click", "clicks", "points", "door", "squares", "total"]
ROWS, COLUMNS = 14, 22
LEGS = {"up": (-1, 0), "right": (0, 1), "down": (1, 0), "left": (0, -1)}
TURN = ["up", "right", "down", "left"]


class Speech:
    """What speech-dispatcher was asked to say, from the log its module writes:
    "begin" as an utterance starts, "said" once it was spoken whole."""

    def __init__(self, log):
        self.log, self.mark = log, {"said": 0, "begin": 0}

    def lines(self, kind):
        with open(self.log, encoding="utf-8", errors="replace") as f:
            entries = [line.rstrip("\n").split(" ", 1) for line in f if " " in line]
        return [text for what, text in entries if what == kind]

    def since_mark(self, kind="said"):
        return self.lines(kind)[self.mark[kind]:]

    def set_mark(self):
        self.mark = {kind: len(self.lines(kind)) for kind in self.mark}


def match_at(pattern, heard, at):
    """The match of `pattern` with the utterance at `at`, or with it and those
    after it: Orca speaks a long text a sentence at a time. Returns the match
    and where the next utterance starts."""
    for end in range(at + 1, len(heard) + 1):
        match = re.fullmatch(pattern, "".join(heard[at:end]))
        if match:
            return match, end
    return None, at


def in_order(patterns, heard, found):
    """Whether the patterns match utterances of `heard` in order; fills `found`
    with what the named groups heard."""
    at, groups = 0, {}
    for pattern in patterns:
        for name, value in {**found, **groups}.items():
            pattern = pattern.replace("(?P=%s)" % name, re.escape(value))
        match, end = None, at
        while at < len(heard) and not match:
            match, end = match_at(pattern, heard, at)
            at = end if match else at + 1
        if not match:
            return False
        groups.update({k: v for k, v in match.groupdict().items() if v is not None})
    found.update(groups)
    return True


class Player:
    """Presses keys as a keyboard does (XTEST, the way Orca hears them) and
    waits for what Orca says."""

    def __init__(self, speech, transcript):
        self.speech, self.transcript, self.found, self.window = speech, transcript, {}, None

    def keys(self, keys):
        for key in keys:
            if key == "minimise":
                self.window = subprocess.run(["xdotool", "getactivewindow"], check=True, capture_output=True,
                                             text=True).stdout.strip()
                subprocess.run(["xdotool", "windowminimize", "--sync", self.window], check=True)
                self.wait_for_quiet()
            elif key == "restore":
                subprocess.run(["xdotool", "windowactivate", self.window], check=True)
            else:
                subprocess.run(["xdotool", "key", "--delay", "60", key], check=True)

    def wait_for_quiet(self, seconds=2):
        """Until Orca has said nothing for a while, as a player who put the
        window away does."""
        deadline, heard, since = time.monotonic() + STEP_SECONDS, None, time.monotonic()
        while time.monotonic() - since < seconds:
            assert time.monotonic() < deadline, "Orca never fell quiet"
            now = self.speech.lines("begin")
            if now != heard:
                heard, since = now, time.monotonic()
            time.sleep(0.1)

    def step(self, name):
        keys, patterns = STEPS[name]
        # A step without keys waits for what follows the step before it.
        if keys:
            self.speech.set_mark()
        self.keys(keys)
        deadline = time.monotonic() + STEP_SECONDS
        found = dict(self.found)
        kind = "begin" if name in CUT_BY_THE_KEY else "said"
        cut = CUT_BY_THE_KEY.get(name)
        while not (in_order(patterns, self.speech.since_mark(kind), found) or
                   (cut and in_order(cut, self.speech.since_mark(kind), found))):
            if time.monotonic() > deadline:
                raise AssertionError("%s (%s): heard %s, expected %s"
                                     % (name, " ".join(keys), self.speech.since_mark(kind), patterns))
            time.sleep(0.05)
        self.found.update(found)
        self.transcript.append("%-22s %-16s %s" % (name, " ".join(keys) or "-", " | ".join(self.speech.since_mark())))
        return found

    def review_line(self, key):
        """One line of flat review: the utterance that begins after the key."""
        before = len(self.speech.lines("begin"))
        self.keys([key])
        deadline = time.monotonic() + STEP_SECONDS
        # Orca 48 echoes the Insert of Insert+KP_Home first: the line is what
        # follows the echo, and the next key waits for it.
        while not (line := [said for said in self.speech.lines("begin")[before:] if said != "insert"]):
            if time.monotonic() > deadline:
                raise AssertionError("flat review: nothing heard after %s" % key)
            time.sleep(0.05)
        return " ".join(line)

    def review_window(self):
        """The window read line by line with flat review, from its top down
        to the board's last cell."""
        last = "row %d, column %d" % (ROWS, COLUMNS)
        lines = [self.review_line("Insert+KP_Home")]
        while last not in lines[-1]:
            assert len(lines) < 3 * ROWS, "flat review never reached %s: %s" % (last, lines)
            lines.append(self.review_line("KP_Page_Up"))
        self.transcript.append("%-22s %-16s %s" % ("flat review", "KP_Page_Up...", " | ".join(lines)))
        return " ".join(lines)


CELL = re.compile(r"row (\d+), column (\d+)(?:, player|, target)?: (arrow \d+ [a-z]+(?: then \d+ [a-z]+)?|door|"
                  r"black hole|used box)")


def board_from(review):
    cells = {(int(r) - 1, int(c) - 1): what for r, c, what in CELL.findall(review)}
    assert len(cells) == ROWS * COLUMNS, "flat review read %d cells: %s" % (len(cells), review)
    return cells


def targets(cells, cell):
    """Where the tile on `cell` can send the player in each of its turns: a
    quarter turn turns both legs, so the four turns are its four rotations."""
    legs = [(int(n), d) for n, d in re.findall(r"(\d+) ([a-z]+)", cells[cell])]
    for turn in range(4):
        row, column = cell
        for steps, direction in legs:
            dr, dc = LEGS[TURN[(TURN.index(direction) + turn) % 4]]
            row, column = row + dr * steps, column + dc * steps
        if 0 <= row < ROWS and 0 <= column < COLUMNS:
            yield row, column


def solve(cells, cell, used, depth=12):
    """The cells to move to, one by one, to reach the door; None if none."""
    if depth == 0:
        return None
    for target in sorted(set(targets(cells, cell))):
        if cells[target] == "door":
            return [target]
        if cells[target].startswith("arrow") and target not in used:
            rest = solve(cells, target, used | {cell}, depth - 1)
            if rest:
                return [target] + rest
    return None


def place(found):
    return int(found["row"]) - 1, int(found["column"]) - 1


def play_to_the_door(player, cells):
    """Turns each tile until Orca says its move leads to the next cell of the
    path, then moves; the last move is onto the door."""
    path = solve(cells, place(player.found), frozenset())
    assert path, "no way to the door from what Orca read"
    for number, goal in enumerate(path):
        wanted = "row %d, column %d" % (goal[0] + 1, goal[1] + 1)
        for _ in range(4):
            if player.found["target"].startswith(wanted):
                break
            player.step("turn")
        assert player.found["target"].startswith(wanted), "no turn leads to %s" % wanted
        if number == len(path) - 1:
            player.step("win")
        else:
            player.step("move")
            assert place(player.found) == goal, "moved to %s, not %s" % (place(player.found), goal)


def check_counters(review):
    missing = [c for c in COUNTERS if not re.search(r"\b%s -?\d+\b" % c, review)]
    assert not missing, "flat review reads no number for %s: %s" % (missing, review)


def start(command, log, **options):
    return subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, start_new_session=True, **options)


def speech_dispatcher_config(config, work):
    """A module that writes what it is asked to say and takes about as long as
    a fast voice to say it; when Orca stops speech, the line is never said."""
    os.makedirs(os.path.join(config, "speech-dispatcher", "modules"))
    with open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "w") as f:
        f.write('AudioOutputMethod "libao"\nAddModule "log" "sd_generic" "log.conf"\nDefaultModule log\n'
                'LogDir "%s"\n' % work)
    log = os.path.join(work, "speech.log")
    with open(os.path.join(config, "speech-dispatcher", "modules", "log.conf"), "w") as f:
        f.write('GenericExecuteSynth "words=\\\'$DATA\\\'; printf \'begin %%s\\\\n\' \\"$words\\" >> %s; '
                'sleep $(printf %%s \\"$words\\" | wc -c | awk \'{print $1 / 50}\'); '
                'printf \'said %%s\\\\n\' \\"$words\\" >> %s"\n' % (log, log))
        f.write('GenericMaxChunkLength 100000\nGenericDelimiters ""\nAddVoice "en" "MALE1" "log"\n')
    with open(os.path.join(work, "home", ".libao"), "w") as f:
        f.write("default_driver=null\n")
    open(log, "w").close()
    return log


def other_orcas():
    """This user's running Orcas: Orca refuses to start while one runs."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/stat" % pid) as f:
                name, state = re.match(r"\d+ \((.*)\) (\S)", f.read()).groups()
            if name == "orca" and state != "Z" and os.stat("/proc/" + pid).st_uid == os.getuid():
                found.append(pid)
        except (OSError, AttributeError):
            pass
    return found


def main():
    others = other_orcas()
    if others:
        print("skipped: another Orca of this user is running (pid %s); Orca starts only once a user" % others[0])
        return 77
    program, images = sys.argv[1:3]
    work = tempfile.mkdtemp()
    os.makedirs(os.path.join(work, "home"))
    config, runtime = os.path.join(work, "config"), os.path.join(work, "run")
    os.makedirs(runtime, mode=0o700)
    os.environ.update(HOME=os.path.join(work, "home"), XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=runtime,
                      XDG_DATA_HOME=os.path.join(work, "data"), XDG_CACHE_HOME=os.path.join(work, "cache"))
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    speech = Speech(speech_dispatcher_config(config, work))
    helpers, transcript = [], []
    quiet = open(os.path.join(work, "helpers.log"), "w")
    reader_end, writer_end = os.pipe()
    try:
        helpers.append(subprocess.Popen(["Xvfb", "-displayfd", str(writer_end), "-nolisten", "tcp", "-screen", "0",
                                         "1280x1024x24"], pass_fds=[writer_end], stdout=quiet, stderr=quiet,
                                        start_new_session=True))
        os.close(writer_end)
        with os.fdopen(reader_end) as display:
            os.environ["DISPLAY"] = ":" + display.readline().strip()
        subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true"],
                       stdout=quiet, stderr=quiet)
        registry = subprocess.Popen(["/usr/libexec/at-spi2-registryd"], stdout=subprocess.PIPE, stderr=quiet,
                                    start_new_session=True)
        helpers.append(registry)
        registry.stdout.readline()  # it says so once it answers on the bus
        helpers.append(start(["metacity"], quiet))
        debug = os.path.join(work, "orca.debug")
        helpers.append(start(["orca", "--debug-file=" + debug], quiet))
        waited = time.monotonic()
        while "Screen reader on." not in speech.lines("said"):
            assert time.monotonic() - waited < STEP_SECONDS, "Orca never spoke"
            time.sleep(0.1)

        folder = os.path.join(work, "quorbit")  # a portable copy, its first board dealt from a new file
        shutil.copytree(images, os.path.join(folder, "images"))
        shutil.copy(program, folder)
        speech.set_mark()
        game = start([os.path.join(folder, "quorbit")], quiet,
                     env=dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        player = Player(speech, transcript)
        failures = []
        try:
            for name in ["start", "highlight down", "highlight up", "how to play", "close how to play", "new game"]:
                player.step(name)
            play_to_the_door(player, board_from(player.review_window()))
            player.step("next level")
            review = player.review_window()
            board_from(review)
            check_counters(review)
            player.step("quit")
            # However much of the box Orca said, flat review reads its question.
            question = player.review_line("Insert+KP_Home")
            assert "Are you sure you want to quit?" in question, "flat review of the quit box: %s" % question
            for name in ["yes", "name entry", "letter A", "letter d", "letter a", "save the name", "close the list"]:
                player.step(name)
            # A second game in the same run, minimised while it counts down:
            # flat review still sees every control in view, counters with
            # their numbers.
            for name in ["new game, minimised in its countdown", "restore", "resume the countdown"]:
                player.step(name)
            review = player.review_window()
            board_from(review)
            check_counters(review)
            player.review_line("Insert+KP_Home")
            while not re.match(r"prev level", player.review_line("KP_Page_Up")):
                pass
            player.step("counter under review")
            player.step("score")
            player.step("score again")
            player.step("pause")
            player.step("resume")
            for name in ["quit", "no hi-score", "to exit", "exit"]:
                player.step(name)
            status = game.wait(STEP_SECONDS)
            if status != 0:
                failures.append("the game exited with %s" % status)
        except AssertionError as failure:
            failures.append(str(failure))
        finally:
            if game.poll() is None:
                game.kill()
        with open(debug, encoding="utf-8", errors="replace") as f:
            errors = [line.strip() for line in f
                      if re.search(r"bad content sent to speak|Could not process|potentially-defunct", line)]
        failures += ["Orca's log: " + line for line in errors]
        print("\n".join(transcript))
        print("\n".join(failures) or "Orca said the whole game")
        return 1 if failures else 0
    finally:
        for helper in reversed(helpers):
            os.killpg(helper.pid, signal.SIGKILL)
            helper.wait()
        quiet.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
