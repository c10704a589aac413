#!/usr/bin/env python3
"""Plays the installed game as a player would: a real X server (Xvfb), real X input (xdotool).

The program writes what it shows to the file named by TESULI_TEST_READOUT (the free tiles and the
visible widgets, in screen coordinates); nothing of that kind is active in normal use. Afterwards the
store is checked with the store's own tool and the exported file with plain text tools.

One scenario for both front ends: --launcher native (the default) plays the Linux program named by
TESULI_BINARY, whose store is an SQLite file; --launcher wine plays the Windows program tesuli.exe
named by TESULI_BINARY under Wine, whose store is the registry of a prefix made for each test.
"""
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
# The map of a game won with all kana in both scripts, a kana or its reading on each tile.
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


def parse_progress(values):
    """The hiragana times by reading: "<hints>;<seconds>,<seconds>..." read as (hints, [seconds])."""
    parsed = {}
    for name, text in values.items():
        hints, _, samples = text.partition(";")
        parsed[name[len("hiragana_"):]] = (int(hints), [int(s) for s in samples.split(",") if s])
    return parsed


def free_pair(tiles):
    """Two free tiles of one kana, each (number, face, x, y, reading), or None."""
    seen = {}
    for tile in tiles:
        if tile[1] in seen:
            return seen[tile[1]], tile
        seen[tile[1]] = tile
    return None


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

    def type_into(self, name, text, attempts=3):
        """Types into a text box until the read-out shows it holding the text: on a loaded machine
        the X server may lose a character xdotool types through a remapped key. A read-out that
        shows no text boxes is taken at its word after one typing."""
        for attempt in range(attempts):
            self.press(name)
            if attempt > 0:
                self.screen.key("ctrl+a", "BackSpace")
            self.screen.type(text)
            try:
                self.wait_for(lambda t, w, s: self.texts.get(name, text) == text, f"{name} to hold {text!r}", 3)
                return
            except AssertionError:
                pass
        raise AssertionError(f"{name} holds {self.texts.get(name)!r} after {attempts} typings of {text!r}")

    def take_slowly(self, tiles):
        """Presses the tiles of a free pair 2.2 s apart, the pair lying free on a running clock; its face."""
        first, second = free_pair(tiles)
        self.screen.click(*first[2:4])
        time.sleep(2.2)
        self.screen.click(*second[2:4])
        return first[1]

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
            # played in both scripts with a kana or its reading on each tile, with all kana, the slow
            # ones practised; another set asks before it starts a new game.
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

            taken = self.play_to_the_end(game)
            self.assertTrue(taken - set(READINGS), "the board dealt voiced or combined kana")

            game.widget("NameForm.NameEdit")
            game.type_into("NameForm.NameEdit", "Anna さくら")
            game.press("NameForm.AcceptBitBtn")
            game.wait_for(lambda t, w, s: "NameForm.NameEdit" not in w, "the win dialog to close")
            records = self.launcher.scores()
            self.assertEqual(len(records), 1)
            fields = records[0].split("\u00aa")
            self.assertEqual(len(fields), 5)
            self.assertEqual(fields[1], "\u00a0Anna さくら\u00a0")
            self.assertEqual(fields[4], "\u00a0" + MIXED_MAP + "\u00a0")

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
            self.assertTrue(content.startswith(self.launcher.export_mark), content[:8])
            content = content[len(self.launcher.export_mark):]
            self.assertTrue(content.endswith(b"\r\n"))
            self.assertEqual(content.count(b"\r\n"), 1)
            line = content.decode("utf-8").rstrip("\r\n")
            self.assertIn(',"Anna さくら",', line)
            self.assertTrue(line.endswith(f',"{MIXED_MAP}"'), line)  # quoted for its spaces
        finally:
            game.close()

    def play_to_the_end(self, game):
        """Types the reading of a free pair till the game is won, a blank only after one that begins a
        longer one (n, na). At a dead end the message is closed and the tiles shuffled by their key; a
        board that a shuffle cannot help (one stack left: lost) gets a new game. The readings taken."""
        stuck = 0
        taken = set()
        deadline = time.time() + 240
        while time.time() < deadline:
            tiles, widgets, status = game.state()
            if "NameForm.NameEdit" in widgets:
                return taken
            pair = free_pair(tiles)
            if pair is None:
                game.screen.key("Return")  # the "no more moves" or loss message
                stuck += 1
                time.sleep(0.3)
                game.screen.key("ctrl+r" if stuck == 1 else "F2")
                time.sleep(0.5)
                game.screen.key("Return")  # a lost board repeats its message on Shuffle
                time.sleep(0.3)
                continue
            stuck = 0
            reading = pair[0][4]
            taken.add(reading)
            left = status.get(0)
            longer = any(r != reading and r.startswith(reading) for r in READINGS)
            game.screen.type(reading + " " if longer else reading)
            game.wait_for(lambda t, w, s: s.get(0) != left or "NameForm.NameEdit" in w, "the typed pair to go",
                          timeout=5)
        self.fail("the game did not end")

    def test_times_of_the_pairs_taken_are_kept_and_charted(self):
        game = Game(self.screen, self.launcher, self.home)
        try:
            tiles, _, _ = game.state()
            taken = []
            for _ in range(3):
                taken.append(game.take_slowly(tiles))
                tiles, _, _ = game.wait_for(lambda t, w, s: s.get(0) == f"Tiles left:  {192 - 2 * len(taken)}/192",
                                            "the pair to go")
            game.press("MainForm.Tool.NewGameAction")
            game.wait_for(lambda t, w, s: s.get(0) == "Tiles left:  192/192", "a new game")

            stored = self.launcher.progress()
            for face in taken:
                hints, samples = stored[READINGS[face]]
                self.assertTrue(samples, f"a time for {READINGS[face]}")

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
            taken = game.take_slowly(game.state()[0])
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
        self.assertEqual(len(self.launcher.progress()[READINGS[taken]][1]), 1)


if __name__ == "__main__":
    unittest.main(verbosity=2)
