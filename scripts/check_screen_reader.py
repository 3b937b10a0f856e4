# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the mill with the screen reader Orca and checks what Orca speaks as a user works it.

Usage: python3 check_screen_reader.py <path to molen> <scratch folder>
       python3 check_screen_reader.py --page <folder of the built page> <scratch folder>
(on an X display under no window manager yet, inside a D-Bus session of its own)

Starts a window manager, the accessibility bus, a speech server whose voice writes nothing, Orca
and the mill, each of which it ends again; walks the window's Tab stops, presses the button and
drives the wind up and down from the keyboard, stops the banner from the window's menu, and judges each step by what Orca's debug log
says it spoke; with --page, the same for the web page in Chromium. Prints "skipped" and the
reason, and exits 0, where Orca cannot start.
"""
import json
import os
import pty
import re
import shutil
import socket
import subprocess
import sys
import threading
import time

from gi.repository import Gio, GLib

# What Orca says of each Tab stop, from the button on: caption, role and, for a slider, the
# value the form gives it; the fields are empty while the mill is braked.
TAB_STOPS = [
    "Enden text.",
    "Wind scroll bar 10.",
    "Overbrengings factor  text.",
    "Overbrengings factor  scroll bar 450.",
    "Diameter loper text.",
    "Diameter loper scroll bar 140.",
    "Licht de vang push button.",
]
# Running, the fields show the wind, the ratio and the diameter the form's sliders give, and Tab
# selects a field's text; the button shows its new caption.
RUNNING_STOPS = [
    ["Enden text.", "10 selected."],
    ["Wind scroll bar 10."],
    ["Overbrengings factor  text.", "4.5 selected."],
    ["Overbrengings factor  scroll bar 450."],
    ["Diameter loper text.", "1.4 selected."],
    ["Diameter loper scroll bar 140."],
    ["Vangen push button."],
]
CAPTION = "  ZAVELTOP SOFTWARE"
WINDOW = CAPTION + " frame."
# The page's controls, as Orca names Chromium's roles.
PAGE_TAB_STOPS = [
    "Enden entry.",
    "Wind vertical slider 10.",
    "Overbrengings factor  entry.",
    "Overbrengings factor  horizontal slider 450.",
    "Diameter loper entry.",
    "Diameter loper horizontal slider 140.",
    "Licht de vang push button.",
]
# Chromium's accessibility on from the start, off the network, in the page's own language.
CHROMIUM_OPTIONS = [
    "--force-renderer-accessibility", "--no-sandbox", "--disable-gpu", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-features=Translate", "--lang=nl",
]
RELEASED = "Vangen"  # the button's caption once the brake is off
ADVICE = "Zwichten is aangeraden"
# The window's menu entry that stops the banner, as Orca presents it.
BANNER_STOP = "Lichtkrant stilzetten."
READOUTS = ("Interval tussen", "Toerental loper", "Omtreksnelheid loper", "mooie dag")
WAIT = 30  # seconds to wait for something Orca should say, before calling it missing

# Sound, were there any, would go to ALSA's "null" device, which discards it.
SPEECH_SERVER_CONFIG = """\
AddModule "silent" "sd_generic" "silent.conf"
DefaultModule silent
AudioOutputMethod "alsa"
AudioALSADevice "null"
LogLevel 3
"""
# A voice that says nothing: every message goes to a command that ignores it.
SILENT_MODULE = """\
GenericExecuteSynth "true"
AddVoice "en" "MALE1" "en"
"""


# Orca's own settings but one: a web page is not read out whole as it loads, which would keep
# Orca reading (to a voice that never finishes) instead of following the focus.
ORCA_SETTINGS = {
    "general": {"sayAllOnLoad": False, "pageSummaryOnLoad": False},
    "pronunciations": {}, "keybindings": {},
    "profiles": {"default": {"profile": ["Default", "default"]}},
}


class Skipped(Exception):
    """Orca cannot run here."""


class Failed(Exception):
    """Orca did not speak as the mill should make it."""


class OrcaLog:
    """Orca's debug log, read as Orca writes it and kept in `path`.

    Orca writes the log line by line only to a terminal, so it writes into a pseudo-terminal.
    """

    SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\{")  # key echo has "' {"

    def __init__(self, path):
        self.master, slave = pty.openpty()
        self.terminal = os.ttyname(slave)
        self.slave = slave
        self.lines = []
        self.changed = threading.Condition()
        self.record = open(path, "wb")
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:  # every writer has closed the terminal
                return
            self.record.write(chunk)
            self.record.flush()
            *whole, pending = (pending + chunk).split(b"\n")
            with self.changed:
                self.lines += [line.decode(errors="replace").rstrip("\r") for line in whole]
                self.changed.notify_all()

    def mark(self):
        with self.changed:
            return len(self.lines)

    def utterances(self, since=0, until=None):
        with self.changed:
            lines = self.lines[since:until]
        return [m.group(1) for m in map(self.SPOKEN.search, lines) if m]

    def wait_for(self, found, since, what):
        """Waits until a line after `since` satisfies `found`; returns the index after it."""
        deadline, looked = time.monotonic() + WAIT, since
        with self.changed:
            while True:
                for i in range(looked, len(self.lines)):
                    if found(self.lines[i]):
                        return i + 1
                looked = len(self.lines)
                if not self.changed.wait(max(0, deadline - time.monotonic())):
                    raise Failed(f"{what}: not in Orca's log after {WAIT} s")


class Processes:
    """The processes this check starts, each in a group of its own, ended in reverse order."""

    def __init__(self, folder):
        self.folder, self.started = folder, []

    def start(self, name, command, **options):
        output = open(os.path.join(self.folder, f"{name}.out"), "wb")
        process = subprocess.Popen(command, stdout=output, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, start_new_session=True, **options)
        self.started.append((name, process))
        return process

    def end_all(self):
        for _, process in reversed(self.started):
            self.signal(process, 15)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                pass
            self.signal(process, 9)  # whatever of its group is left
            process.wait()

    @staticmethod
    def signal(process, number):
        try:
            os.killpg(process.pid, number)  # with whatever it started itself
        except ProcessLookupError:
            pass


def wait_until(ready, process=None):
    """Waits, at most WAIT seconds, for `ready()` while `process` runs."""
    deadline = time.monotonic() + WAIT
    while not ready():
        if process is not None and process.poll() is not None:
            return False
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def private_environment(folder):
    """Every process's environment: a home and XDG folders of its own, messages in English."""
    env = dict(os.environ, LC_ALL="C.UTF-8", GSETTINGS_BACKEND="memory")
    for name in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                 "XDG_RUNTIME_DIR"):
        env[name] = os.path.join(folder, name.lower())
        os.makedirs(env[name], mode=0o700)
    env.pop("LANGUAGE", None)
    # The mill is to notice the screen reader as it would on a desktop, not be told to listen.
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    env["SPEECHD_ADDRESS"] = "unix_socket:" + os.path.join(folder, "speech.sock")
    return env


def start_window_manager(processes, env):
    wm = processes.start("openbox", ["openbox"], env=env)
    has_wm = lambda: b"window id" in subprocess.run(
        ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, env=env).stdout
    if not wait_until(has_wm, wm):
        raise Failed("openbox did not come up")


def start_accessibility_bus(processes, env):
    launcher = processes.start("at-spi-bus-launcher",
                               ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    owned = lambda: session.call_sync(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
        GLib.Variant("(s)", ("org.a11y.Bus",)), None, 0, -1, None).unpack()[0]
    if not wait_until(owned, launcher):
        raise Skipped("the accessibility bus (at-spi-bus-launcher) did not start")


def start_speech_server(processes, env, folder):
    config = os.path.join(folder, "speech-dispatcher")
    os.makedirs(os.path.join(config, "modules"))
    with open(os.path.join(config, "speechd.conf"), "w") as conf:
        conf.write(SPEECH_SERVER_CONFIG)
    with open(os.path.join(config, "modules", "silent.conf"), "w") as conf:
        conf.write(SILENT_MODULE)
    socket = env["SPEECHD_ADDRESS"].split(":", 1)[1]
    server = processes.start("speech-dispatcher", [
        "speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", config,
        "--communication-method", "unix_socket", "--socket-path", socket,
        "--log-dir", folder, "--pid-file", os.path.join(folder, "speech-dispatcher.pid")], env=env)
    if not wait_until(lambda: os.path.exists(socket), server):
        raise Skipped("speech-dispatcher did not start")


def start_orca(processes, env, folder, log):
    prefs = os.path.join(folder, "orca")
    os.makedirs(prefs)
    with open(os.path.join(prefs, "user-settings.conf"), "w") as settings:
        json.dump(ORCA_SETTINGS, settings)
    orca = processes.start("orca", ["orca", "--debug-file", log.terminal, "--user-prefs", prefs],
                           env=env)
    # Orca ends at once where another Orca of this user runs, which it leaves alone.
    if not wait_until(lambda: "Screen reader on." in log.utterances(), orca):
        with open(os.path.join(folder, "orca.out"), errors="replace") as said:
            raise Skipped("Orca did not start; it said: " + said.read()[-600:].strip())
    return orca


def key(*names):
    """Presses keys on the X server, which sends them to the window with the focus."""
    subprocess.run(["xdotool", "key", "--delay", "50", *names], check=True)


class Walk:
    """The user's steps, each judged by what Orca said from its key on; `said` keeps them."""

    def __init__(self, log):
        self.log, self.said = log, []

    def step(self, keys, name, expected):
        """Presses `keys` and waits until Orca has spoken `expected` (each an utterance)."""
        since = self.log.mark()
        key(*keys)
        until = since
        for utterance in expected:
            until = self.log.wait_for(lambda line: self.is_utterance(line, utterance), until,
                                      f"{name}: Orca did not say {utterance!r}")
        self.said.append((name, since, until))
        return since

    def is_utterance(self, line, utterance):
        found = self.log.SPOKEN.search(line)
        return found is not None and found.group(1) == utterance

    def quiet_since(self, since, name, allowed):
        """Asks Orca where the focus is (KP_Enter) and checks that, from `since` until Orca
        answers, it said only the utterances `allowed`, in that order: every event the mill
        sent before the question has reached Orca by then."""
        asked = self.log.mark()
        key("KP_Enter")
        answered = self.log.wait_for(
            lambda line: (m := self.log.SPOKEN.search(line)) and m.group(1).startswith("Wind"),
            asked, f"{name}: Orca did not answer where the focus is")
        said = self.log.utterances(since, asked)
        if said != allowed:
            raise Failed(f"{name}: Orca said {said}, where it should say {allowed}")
        self.said.append((f"{name}, then where the focus is", since, answered))


def walk_tab_stops(walk):
    for stop in TAB_STOPS:
        walk.step(["Tab"], f"Tab to {stop.split(' ')[0]}", [stop])


def wait_for_fields(log, since):
    """Waits until the fields' texts of the running mill have reached Orca."""
    for stop in RUNNING_STOPS[::2][:3]:
        caption, text = stop[0][: -len(" text.")], stop[1][: -len(" selected.")]
        log.wait_for(lambda line: f"object:text-changed:insert for [text | {caption}]" in line
                     and line.endswith(f", {text})"), since, f"the field {caption!r} showing {text}")


def drive_wind(walk, log):
    notification = f"notification {ADVICE}."
    for stop in RUNNING_STOPS:
        walk.step(["Tab"], f"running, Tab to {stop[0].split(' ')[0]}", stop)
    walk.step(["Tab"], "Tab to the wind field", [RUNNING_STOPS[0][0]])
    walk.step(["Tab"], "Tab to the wind slider", [RUNNING_STOPS[1][0]])
    since = walk.step(["End"], "End: wind 140", ["140", notification])
    walk.quiet_since(since, "End: wind 140", ["140", notification])
    since = walk.step(["Home"], "Home: wind 10", ["10"])
    log.wait_for(lambda line: "object:state-changed:showing for [notification" in line
                 and "(0, 0," in line, since, "Home: the advice did not hide")
    walk.quiet_since(since, "Home: wind 10", ["10"])
    since = walk.step(["End"], "End again: wind 140", ["140", notification])
    walk.quiet_since(since, "End again: wind 140", ["140", notification])


def check_readouts_unspoken(log, since):
    said = [u for u in log.utterances(since) if any(text in u for text in READOUTS)]
    if said:
        raise Failed(f"Orca read out readouts or the banner as they changed: {said}")


PROGRAMS = ["openbox", "xprop", "xdotool", "/usr/libexec/at-spi-bus-launcher",
            "speech-dispatcher", "orca"]


def run(target, folder, walk_through):
    """Starts the screen reader's surroundings, then walks `target` with `walk_through`."""
    missing = [program for program in PROGRAMS if shutil.which(program) is None]
    if missing:
        raise Skipped("not installed: " + ", ".join(missing))
    env = private_environment(folder)
    processes, log = Processes(folder), OrcaLog(os.path.join(folder, "orca-debug.log"))
    walk = Walk(log)
    try:
        start_window_manager(processes, env)
        start_accessibility_bus(processes, env)
        start_speech_server(processes, env, folder)
        start_orca(processes, env, folder, log)
        walk_through(target, walk, processes, env)
    finally:
        processes.end_all()
        show(walk)


def walk_window(mill, walk, processes, env):
    log, opened = walk.log, walk.log.mark()
    processes.start("molen", [mill], env=env)
    shown = log.wait_for(lambda line: walk.is_utterance(line, TAB_STOPS[-1]), opened,
                         "opening: Orca did not present the button, which has the focus")
    walk.said.append(("opening", opened, shown))
    if WINDOW not in log.utterances(opened, shown):
        raise Failed(f"opening: Orca did not present the window {WINDOW!r}")
    walk_tab_stops(walk)
    released = walk.step(["space"], "Space on the button", [RELEASED])
    wait_for_fields(log, released)
    drive_wind(walk, log)
    # The banner stopped from the window's menu; the focus comes back where it was.
    walk.step(["shift+F10", "Down"], "Shift+F10, Down: the window's menu", [BANNER_STOP])
    walk.step(["Return"], "Enter: the banner stops", [CAPTION, "Wind scroll bar 140."])
    check_readouts_unspoken(log, opened)


def walk_page(site, walk, processes, env):
    """The page in Chromium: the Tab stops, the button and the wind. (Orca 43 speaks no change
    of a name in a web page, nor a live region's text a second time in a row, so the button's
    new caption and the advice's second appearance are not waited for.)"""
    with socket.socket() as probe:  # a free port for the page's server
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    processes.start("server", [sys.executable, "-m", "http.server", str(port), "--bind",
                               "127.0.0.1", "--directory", site], env=env)
    opened = walk.log.mark()
    processes.start("chromium", ["chromium", *CHROMIUM_OPTIONS,
                                 "--user-data-dir=" + os.path.join(env["HOME"], "chromium"),
                                 f"http://127.0.0.1:{port}/"], env=env)
    shown = walk.log.wait_for(lambda line: walk.is_utterance(line, PAGE_TAB_STOPS[-1]), opened,
                              "opening: Orca did not present the button, which has the focus")
    walk.said.append(("opening", opened, shown))
    for stop in PAGE_TAB_STOPS:
        walk.step(["Tab"], f"Tab to {stop.split(' ')[0]}", [stop])
    walk.step(["space", "Tab", "Tab"], "Space, Tab to the wind slider", [PAGE_TAB_STOPS[1]])
    walk.step(["End"], "End: wind 140", ["140", ADVICE])
    walk.step(["Home"], "Home: wind 10", ["10"])


def show(walk):
    print("What Orca spoke, step by step (key echo left out):")
    for name, since, until in walk.said:
        print(f"  {name}: {walk.log.utterances(since, until)}")


def main():
    page = sys.argv[1] == "--page"
    target, folder = sys.argv[1 + page], sys.argv[2 + page]
    try:
        run(os.path.abspath(target), folder, walk_page if page else walk_window)
    except Skipped as reason:
        print(f"check-screen-reader: skipped: {reason}")
        return 0
    except Failed as fault:
        print(f"check-screen-reader: FAILED: {fault}\nOrca's debug log: "
              f"{os.path.join(folder, 'orca-debug.log')}")
        return 1
    print("check-screen-reader: Orca spoke every step as expected.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
