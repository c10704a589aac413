#!/usr/bin/env python3
"""Plays the installed game as a player would: a real X server (Xvfb), real X input (xdotool).

The program writes what it shows to the file named by TESULI_TEST_READOUT (the free tiles and the
visible widgets, in screen coordinates); nothing of that kind is active in normal use. Afterwards the
store is checked with the store's own tool and the exported file with plain text tools.

One scenario for both front ends: --launcher native (the default) plays the Linux program named by
TESULI_BINARY, whose store is an SQLite file; --launcher wine plays the Windows program tesuli.exe
named by TESULI_BINARY under Wine, whose store is the registry of a prefix made for each test.
"""
import csv
import io
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

BINARY = os.environ.get("TESULI_BINARY", "")
SETTINGS = ("face", "bgd", "mapId", "hintSpeed", "kana", "readings", "kanaset", "practice")
# The map of a game won with all kana in both scripts, a kana or its reading on each tile, as the
# record keeps it.
MIXED_MAP = "Babel / all kana / hiragana and katakana / kana or reading"
# The reading of each face, in face order, as the store names a kana's recognition times.
READINGS = ("a i e o ka ki su ke sa shi tsu te ni to fu ho mu me mo ya re wo wa wi "
            "ko ne no u ku se so ta chi ha hi na nu he ma mi yu yo ra ri ru ro n we").split()


class NativeLauncher:
    """The Linux program; its store is an SQLite file under XDG_CONFIG_HOME."""

    # What the export file starts with before its UTF-8 lines.
    export_mark = b""

    @staticmethod
    def missing_tool():
        return None if shutil.which("sqlite3") else "sqlite3"

    def __init__(self, home):
        self.home = home

    def path(self, host_path):
        return host_path

    def command(self):
        return [BINARY]

    def environment(self):
        env = {**os.environ, "XDG_CONFIG_HOME": self.home}
        env.pop("QT_QPA_PLATFORM", None)
        return env

    def sql(self, query):
        store = os.path.join(self.home, "tesuli", "registry.sqlite3")
        return subprocess.run(["sqlite3", store, query], check=True, capture_output=True, text=True).stdout

    def settings(self):
        return [self.sql("select v.value from vals v join keys k on k.id = v.key "
                         f"where k.path = 'Software\\tesuli' and v.name = '{name}'").strip() for name in SETTINGS]

    def scores(self):
        rows = self.sql("select v.value from vals v join keys k on k.id = v.key "
                        "where k.path = 'Software\\tesuli\\/scores/' order by cast(v.name as integer)")
        return [row for row in rows.splitlines() if row]

    def progress(self):
        rows = self.sql("select v.name, v.value from vals v join keys k on k.id = v.key "
                        "where k.path = 'Software\\tesuli\\progress' and v.name like 'hiragana_%'")
        return parse_progress(dict(row.split("|", 1) for row in rows.splitlines() if row))

    def store_exists(self):
        return os.path.isdir(os.path.join(self.home, "tesuli"))

    def close(self):
        pass


class WineLauncher:
    """The Windows program under Wine, in a prefix of its own; its store is that prefix's registry."""

    wine = shutil.which("wine64") or shutil.which("wine") or "/usr/lib/wine/wine64"
    wineserver = shutil.which("wineserver") or "/usr/lib/wine/wineserver"
    # The byte-order mark that Windows spreadsheets need to read the file as UTF-8.
    export_mark = b"\xef\xbb\xbf"

    @classmethod
    def missing_tool(cls):
        return None if os.access(cls.wine, os.X_OK) and os.access(cls.wineserver, os.X_OK) else "wine64"

    def __init__(self, home):
        self.env = {**os.environ, "WINEPREFIX": os.path.join(home, "prefix"), "WINEARCH": "win64",
                    "WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d"}
        self.env.pop("DISPLAY", None)
        self.run("wineboot", "--init")
        # Wine has no "MS Sans Serif" of its own: a font with kana stands in, so that names show.
        self.run("reg", "add", "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
                 "/v", "MS Sans Serif", "/d", "IPAPGothic", "/f")
        # Wine draws the window frames itself: there is no window manager on the test display.
        self.run("reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v", "Managed", "/d", "N", "/f")

    def run(self, *args, check=True):
        return subprocess.run([self.wine, *args], env=self.env, check=check, capture_output=True)

    def path(self, host_path):
        return "Z:" + host_path.replace("/", "\\")

    def command(self):
        return [self.wine, BINARY]

    def environment(self):
        return dict(self.env)

    def settings(self):
        lines = self.run("reg", "query", "HKCU\\Software\\tesuli").stdout.decode(errors="replace").splitlines()
        values = dict(re.findall(r"^\s+(\S+)\s+REG_DWORD\s+0x([0-9a-fA-F]+)", "\n".join(lines), re.M))
        return [str(int(values[name], 16)) if name in values else "" for name in SETTINGS]

    def scores(self):
        # An export keeps the text whole; a query would squeeze it through the console's code page.
        exported = os.path.join(self.env["WINEPREFIX"], "scores.reg")
        self.run("reg", "export", "HKCU\\Software\\tesuli\\/scores/", self.path(exported), "/y")
        with open(exported, encoding="utf-16") as f:
            text = f.read()
        records = {int(name): re.sub(r"\\(.)", r"\1", value)
                   for name, value in re.findall(r'^"(\d+)"="((?:[^"\\]|\\.)*)"$', text, re.M)}
        return [records[number] for number in sorted(records)]

    def progress(self):
        lines = self.run("reg", "query", "HKCU\\Software\\tesuli\\progress").stdout.decode(errors="replace")
        return parse_progress(dict(re.findall(r"^\s+(hiragana_\S+)\s+REG_SZ\s*(\S*)", lines, re.M)))

    def store_exists(self):
        return self.run("reg", "query", "HKCU\\Software\\tesuli", check=False).returncode == 0

    def close(self):
        # Only the Wine server of this test's prefix.
        subprocess.run([self.wineserver, "-k"], env=self.env, capture_output=True)


def date_shows(text, moment):
    """Whether a record's date text, in any locale's order and clock, shows that local moment: day,
    month (a number or its name) and year (or its last two digits), then hours, minutes, seconds."""
    numbers = [int(n) for n in re.findall(r"\d+", text)]
    named_month = time.strftime("%b", moment) in text or time.strftime("%B", moment) in text
    if len(numbers) != (5 if named_month else 6):
        return False
    date, (hour, minute, second) = numbers[:-3], numbers[-3:]
    month = () if named_month else (moment.tm_mon,)
    return (any(sorted(date) == sorted((moment.tm_mday, *month, year))
                for year in (moment.tm_year, moment.tm_year % 100))
            and hour % 12 == moment.tm_hour % 12 and (minute, second) == (moment.tm_min, moment.tm_sec))


def parse_progress(values):
    """The hiragana times by reading: "<hints>;<seconds>,<seconds>..." read as (hints, [seconds]).
    The memories kept beside them ("hiragana_ka_memory") are no times."""
    parsed = {}
    for name, text in values.items():
        if name.endswith("_memory"):
            continue
        hints, _, samples = text.partition(";")
        parsed[name[len("hiragana_"):]] = (int(hints), [int(s) for s in samples.split(",") if s])
    return parsed


LAUNCHERS = {"native": NativeLauncher, "wine": WineLauncher}


def chosen_launcher():
    """--launcher NAME, taken out of the arguments before unittest reads them."""
    if "--launcher" not in sys.argv:
        return NativeLauncher
    at = sys.argv.index("--launcher")
    name = sys.argv[at + 1]
    del sys.argv[at:at + 2]
    return LAUNCHERS[name]


LAUNCHER = chosen_launcher()


def skip_reason():
    if not BINARY or not os.path.isfile(BINARY):
        return "no installed tesuli program (TESULI_BINARY)"
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            return f"{tool} is not installed"
    missing = LAUNCHER.missing_tool()
    return f"{missing} is not installed" if missing else None


class Screen:
    """An Xvfb server of its own, so that the test never touches the user's display."""

    def __init__(self):
        for number in range(91, 140):
            if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
                break
        self.display = f":{number}"
        self.server = subprocess.Popen(["Xvfb", self.display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 10
        while not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            if time.time() > deadline:
                raise RuntimeError("Xvfb did not start")
            time.sleep(0.05)

    def close(self):
        self.server.terminate()
        self.server.wait(5)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], check=True, env={**os.environ, "DISPLAY": self.display})

    def click(self, x, y, button=1):
        self.xdotool("mousemove", "--sync", x, y, "click", button)

    def click_each(self, points):
        """Presses at each point in turn, in one run of xdotool."""
        self.xdotool(*[arg for x, y in points for arg in ("mousemove", "--sync", x, y, "click", 1)])

    def key(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "40", text)


class Game:
    """One run of the program with a fresh per-user store."""

    def __init__(self, screen, launcher, home):
        self.screen = screen
        self.launcher = launcher
        self.readout = os.path.join(home, "readout.txt")
        self.texts = {}  # what the text boxes hold, by name, in the last read-out
        self.chart = {}  # the Progress window's chart: each reading's time, "" before the first
        env = {**launcher.environment(), "DISPLAY": screen.display,
               "TESULI_TEST_READOUT": launcher.path(self.readout)}
        self.log = open(os.path.join(home, "stderr.txt"), "wb")
        self.process = subprocess.Popen(launcher.command(), env=env, stdout=subprocess.DEVNULL, stderr=self.log)

    def state(self, timeout=10):
        """The program's last read-out: free tiles and visible widgets by name."""
        deadline = time.time() + timeout
        while True:
            try:
                with open(self.readout, encoding="utf-8") as f:
                    lines = f.read().splitlines()
                if lines and lines[-1] == "end":
                    break
            except FileNotFoundError:
                pass
            if time.time() > deadline:
                raise AssertionError("the program wrote no read-out")
            time.sleep(0.05)
        tiles, widgets, status = [], {}, {}
        self.texts = {}
        self.chart = {}
        for line in lines:
            kind, *rest = line.split(" ")
            if kind == "tile":
                number, face, x, y = map(int, rest[:4])
                tiles.append((number, face, x, y, rest[4]))
            elif kind == "widget":
                name, x, y, w, h = rest[0], *map(int, rest[1:])
                widgets[name] = (x, y, w, h)
            elif kind == "status":
                status[int(rest[0])] = " ".join(rest[1:])
            elif kind == "chart":
                self.chart[rest[0]] = " ".join(rest[1:])
            elif kind == "text":
                self.texts[rest[0]] = " ".join(rest[1:])
        return tiles, widgets, status

    def wait_for(self, predicate, what, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            state = self.state()
            if predicate(*state):
                return state
            time.sleep(0.1)
        raise AssertionError(f"timed out waiting for {what}")

    def widget(self, name, timeout=10):
        _, widgets, _ = self.wait_for(lambda t, w, s: name in w, f"widget {name}", timeout)
        return widgets[name]

    def press(self, name, left=None):
        """Presses the middle of a control, or the point left pixels in from its left edge (a radio
        button takes presses only on its indicator and text)."""
        self.widget(name)
        time.sleep(0.3)  # a window that has just been shown may still be on its way to the screen
        x, y, w, h = self.widget(name)
        self.screen.click(x + (w // 2 if left is None else left), y + h // 2)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(5)
        self.log.close()


@unittest.skipIf(skip_reason(), skip_reason() or "")
class PlayAsAPlayer(unittest.TestCase):
    def setUp(self):
        self.screen = Screen()
        self.home = tempfile.mkdtemp(prefix="tesuli-e2e-")
        self.launcher = LAUNCHER(self.home)

    def tearDown(self):
        self.launcher.close()
        self.screen.close()
        shutil.rmtree(self.home, ignore_errors=True)

    def test_first_run_options_dialogs_and_a_won_game(self):
        game = Game(self.screen, self.launcher, self.home)
        try:
            tiles, _, status = game.state()
            self.assertEqual(status.get(0), "Tiles left:  192/192")
            self.assertEqual(self.launcher.settings(), ["1", "1", "0", "1", "0", "0", "0", "0"])

            # Options through the menu: artwork 0, background 4, short hints, same map, and the game
            # played with all kana, the slow ones practised, in both scripts with a kana or its
            # reading on each tile. Another set asks before it starts a new game.
            game.press("MainForm.EditMenu")
            game.press("MainForm.Menu.PropertiesAction")
            game.press("OptionsForm.TileFaceImage1")
            game.press("OptionsForm.BgdImage5")
            game.press("OptionsForm.HintShort", left=8)
            game.press("OptionsForm.KanaBoth", left=8)
            game.press("OptionsForm.TilesKanaOrReading", left=8)
            game.press("OptionsForm.KanaSetAll", left=8)
            game.press("OptionsForm.PracticeCheckBox", left=8)
            game.press("OptionsForm.AcceptBitBtn")
            time.sleep(1.0)  # the question takes the keyboard
            game.screen.key("y")
            game.wait_for(lambda t, w, s: "OptionsForm.AcceptBitBtn" not in w, "the options dialog to close")
            self.assertEqual(self.launcher.settings(), ["0", "4", "0", "0", "2", "2", "2", "1"])

            # Help from the tool bar, About from the menu; each closes with its own keys.
            game.press("MainForm.Tool.HelpAction")
            game.widget("HelpForm.CloseBtn")
            game.screen.key("Escape")
            game.wait_for(lambda t, w, s: "HelpForm.CloseBtn" not in w, "help to close")
            game.press("MainForm.HelpMenu")
            game.press("MainForm.Menu.AboutAction")
            game.widget("AboutForm.CloseOK")
            game.screen.key("Return")
            game.wait_for(lambda t, w, s: "AboutForm.CloseOK" not in w, "about to close")

            taken = self.play_to_the_end_by_keys(game)
            beyond_basic = taken - set(READINGS)
            self.assertTrue(beyond_basic, "the board dealt voiced or combined kana")

            _, _, status = game.state()
            shown_score = game.texts.get("NameForm.CongratsLabel", "")
            self.assertRegex(shown_score, r"^Score: \d+:\d\d:\d\d$")
            shown_hints = status.get(1, "")
            self.assertRegex(shown_hints, r"^Hints:  \d+$")
            # The win dialog opens with the keyboard in its name box; Enter accepts. Keys that come
            # as it opens are taken for the game's and kept out: the player turns to it first.
            game.widget("NameForm.NameEdit")
            time.sleep(1.0)
            self.type_name(game, "Anna さくら")
            started = time.time()
            game.screen.key("Return")
            game.wait_for(lambda t, w, s: "NameForm.NameEdit" not in w, "the win dialog to close")
            ended = time.time()
            records = self.launcher.scores()
            self.assertEqual(len(records), 1)
            fields = records[0].split("\u00aa")
            self.assertEqual(len(fields), 5)
            self.assertTrue(all(f.startswith("\u00a0") and f.endswith("\u00a0") for f in fields), fields)
            date, player, score, hints, map_text = (f[1:-1] for f in fields)
            moments = [time.localtime(second) for second in range(int(started), int(ended) + 1)]
            self.assertTrue(any(date_shows(date, moment) for moment in moments), date)
            self.assertEqual(player, "Anna さくら")
            self.assertEqual(score, shown_score[len("Score: "):])
            self.assertEqual(hints, shown_hints.split()[-1])
            self.assertEqual(map_text, MIXED_MAP)
            # A pair of one script keeps its time under that script alone: of the voiced and
            # combined kana taken, those kept in hiragana are charted.
            stored = self.launcher.progress()
            charted = {reading for reading in beyond_basic if stored.get(reading, (0, []))[1]}
            self.assertTrue(charted, f"hiragana times for some of {sorted(beyond_basic)}")
            game.press("MainForm.Game")
            game.press("MainForm.Menu.ProgressAction")
            game.widget("ProgressForm.KanaChart")
            combined = any(len(reading) == 3 or reading in ("ja", "ju", "jo") for reading in charted)
            game.press("ProgressForm.ChartCombined" if combined else "ProgressForm.ChartVoiced", left=8)
            game.wait_for(lambda t, w, s: any(re.fullmatch(r"\d+(\.\d)? s", game.chart.get(r, "")) for r in charted),
                          f"the chart to show a time for one of {sorted(charted)}")
            game.screen.key("Escape")
            game.wait_for(lambda t, w, s: "ProgressForm.KanaChart" not in w, "progress to close")

            # View Scores from the tool bar and export.
            export = os.path.join(self.home, "scores.csv")
            game.press("MainForm.Tool.ScoresAction")
            game.widget("ScoresForm.ExportBitBtn")
            game.press("ScoresForm.ExportBitBtn")
            time.sleep(1.0)  # the save dialog takes the keyboard
            game.screen.key("ctrl+a")
            game.screen.type(self.launcher.path(export))
            game.screen.key("Return")
            deadline = time.time() + 10
            while not os.path.exists(export) and time.time() < deadline:
                time.sleep(0.1)
            time.sleep(0.3)
            with open(export, "rb") as f:
                content = f.read()
            self.assertEqual(content.startswith(b"\xef\xbb\xbf"), bool(self.launcher.export_mark), content[:8])
            content = content[len(self.launcher.export_mark):]
            # The date unquoted, the name and the map quoted for their blanks.
            self.assertEqual(content.decode("utf-8"), f'{date},"Anna さくら",{score},{hints},"{MIXED_MAP}"\r\n')
            # As a CSV reader that is not the game's own splits it.
            rows = list(csv.reader(io.StringIO(content.decode("utf-8"), newline="")))
            self.assertEqual(rows, [[date, "Anna さくら", score, hints, MIXED_MAP]])
        finally:
            game.close()

    @staticmethod
    def free_reading(tiles):
        """The reading of a kana with two free tiles, or None."""
        faces = set()
        for _, face, _, _, reading in tiles:
            if face in faces:
                return reading
            faces.add(face)
        return None

    @staticmethod
    def typed(reading):
        """The reading as a player types it: a blank after one that begins a longer one (n, na), and
        none after the others, where it would close a message the pair may have brought up."""
        return reading + " " if any(r != reading and r.startswith(reading) for r in READINGS) else reading

    def type_name(self, game, name, attempts=3):
        """Types into the box that has the keyboard until the read-out shows the name: on a loaded
        machine the X server may lose a character xdotool types through a remapped key."""
        for attempt in range(attempts):
            if attempt > 0:
                game.screen.key("ctrl+a", "BackSpace")
            game.screen.type(name)
            try:
                game.wait_for(lambda t, w, s: game.texts.get("NameForm.NameEdit") == name, "the name", 3)
                return
            except AssertionError:
                pass
        self.fail(f"the name box holds {game.texts.get('NameForm.NameEdit')!r}")

    def play_to_the_end_by_keys(self, game):
        """A whole game with the keyboard alone: New Game by its key, a hint and an undo by theirs, and
        every pair taken by typing the reading of a free pair. At a dead end the message is closed with Enter and the tiles shuffled
        by their key; a board that a shuffle cannot help (one stack left: lost) gets a new game."""
        game.screen.key("F2")
        game.wait_for(lambda t, w, s: s.get(0) == "Tiles left:  192/192" and s.get(1) == "Hints:  0", "a new game")
        game.screen.key("ctrl+h")
        game.wait_for(lambda t, w, s: s.get(1) == "Hints:  1", "the hint")
        game.screen.type(self.typed(self.free_reading(game.state()[0])))
        game.wait_for(lambda t, w, s: s.get(0) == "Tiles left:  190/192", "the typed pair to go")
        game.screen.key("ctrl+z")
        game.wait_for(lambda t, w, s: s.get(0) == "Tiles left:  192/192", "the pair to come back")
        stuck = 0
        taken = set()
        deadline = time.time() + 240
        while time.time() < deadline:
            tiles, widgets, status = game.state()
            if "NameForm.NameEdit" in widgets:
                return taken
            reading = self.free_reading(tiles)
            if reading is None:
                game.screen.key("Return")  # the "no more moves" or loss message
                stuck += 1
                time.sleep(0.3)
                game.screen.key("ctrl+r" if stuck == 1 else "F2")
                time.sleep(0.5)
                game.screen.key("Return")  # a lost board repeats its message on Shuffle
                time.sleep(0.3)
                continue
            stuck = 0
            taken.add(reading)
            left = status.get(0)
            game.screen.type(self.typed(reading))
            game.wait_for(lambda t, w, s: s.get(0) != left or "NameForm.NameEdit" in w, "the typed pair to go",
                          timeout=5)
        self.fail("the game did not end")

    def test_times_of_the_pairs_taken_are_kept_and_charted(self):
        game = Game(self.screen, self.launcher, self.home)
        try:
            tiles, _, _ = game.state()
            taken = []
            started = time.time()
            for _ in range(3):
                by_face = {}
                for number, face, x, y, _ in tiles:
                    if face in by_face:
                        game.screen.click(*by_face[face])
                        time.sleep(2.2)  # the pair lies free on a running clock
                        game.screen.click(x, y)
                        taken.append(face)
                        break
                    by_face[face] = (x, y)
                tiles, _, _ = game.wait_for(lambda t, w, s: s.get(0) == f"Tiles left:  {192 - 2 * len(taken)}/192",
                                            "the pair to go")
            game.press("MainForm.Tool.NewGameAction")
            game.wait_for(lambda t, w, s: s.get(0) == "Tiles left:  192/192", "a new game")

            stored = self.launcher.progress()
            for face in taken:
                hints, samples = stored[READINGS[face]]
                self.assertEqual(hints, 0)
                # Each pair lay free at least the 2.2 s waited between its presses, and no longer
                # than the game has run.
                self.assertTrue(samples, f"a time for {READINGS[face]}")
                for seconds in samples:
                    self.assertTrue(2 <= seconds <= time.time() - started + 1, (READINGS[face], samples))

            game.press("MainForm.Game")
            game.press("MainForm.Menu.ProgressAction")
            game.widget("ProgressForm.KanaChart")
            slowest = game.texts.get("ProgressForm.SlowestLabel", "")
            for face in taken:
                self.assertRegex(slowest, rf" {READINGS[face]} \d+(\.\d)? s", slowest)
            game.screen.key("Escape")
            game.wait_for(lambda t, w, s: "ProgressForm.KanaChart" not in w, "progress to close")
        finally:
            game.close()

    def test_exit_during_a_long_hint_ends_at_once(self):
        game = Game(self.screen, self.launcher, self.home)
        try:
            game.state()
            game.press("MainForm.EditMenu")
            game.press("MainForm.Menu.PropertiesAction")
            game.press("OptionsForm.HintLong", left=8)
            game.press("OptionsForm.AcceptBitBtn")
            game.wait_for(lambda t, w, s: "OptionsForm.AcceptBitBtn" not in w, "the options dialog to close")
            self.assertEqual(self.launcher.settings()[3], "2")
            # One pair taken: the game that Exit ends keeps its time.
            tiles, _, _ = game.state()
            by_face = {}
            for number, face, x, y, _ in tiles:
                if face in by_face:
                    game.screen.click(*by_face[face])
                    time.sleep(2.2)
                    game.screen.click(x, y)
                    taken = face
                    break
                by_face[face] = (x, y)
            game.wait_for(lambda t, w, s: s.get(0) == "Tiles left:  190/192", "the pair to go")
            game.press("MainForm.Tool.HintAction")
            time.sleep(1.0)
            self.assertIsNone(game.process.poll(), "the hint blink should still be running")
            game.press("MainForm.Game")
            game.press("MainForm.Menu.ExitAction")
            started = time.time()
            game.process.wait(5)
            self.assertLess(time.time() - started, 1.0)
            self.assertEqual(game.process.returncode, 0)
        finally:
            game.close()
        self.assertTrue(self.launcher.store_exists())
        hints, samples = self.launcher.progress()[READINGS[taken]]
        self.assertEqual(len(samples), 1, samples)
        self.assertGreaterEqual(samples[0], 2)


if __name__ == "__main__":
    unittest.main(verbosity=2)
