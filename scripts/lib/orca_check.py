#!/usr/bin/python3
"""Orca, GNOME's screen reader, run against TARVIK as a blind user meets it: on the Qt window
and on the page in Chromium, the fields walked with Tab, a bracket without solution typed and
計算 pressed, all from the keyboard (xdotool), while Orca speaks into its debug log. Passes
when the log's "SPEECH OUTPUT:" lines hold every phrase of SPOKEN for each window.

Run on an X display of its own inside a D-Bus session of its own (check-a11y does so):
    orca_check.py [qt PROGRAM] [page SITE-FOLDER]
Every process it starts, and those they start in turn (Orca leaves speech-dispatcher and
the accessibility bus behind), carries an environment variable of this run, by which they
are found and ended before it exits."""
import functools
import http.server
import os
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time

CAPTION = "90°堰の越流高さ"
# What Orca must say of each window: every input field's label as Tab enters it, and the
# message once 計算 finds no solution in the bracket.
SPOKEN = ["流量(L/min)", "解の挟込最小値(mm)", "最大値(mm)",
          "解がありません。挟込範囲を変更して下さい。"]
MESSAGE = SPOKEN[-1]
# The keys, in the window's tab order (流量, 解の挟込最小値, 計算, クリヤ, 最大値, 越流高さ,
# Trial回数), from the focus in 流量 where the window starts: the bracket 1000 L/min in
# 200–500 mm typed as Tab first enters each field, then round to 流量 again and on to 計算,
# which the space bar presses.
KEYS = [("type", "1000"), ("key", ["Tab"]), ("type", "200"), ("key", ["Tab"] * 3),
        ("type", "500"), ("key", ["Tab"] * 5), ("key", ["space"])]
# What Orca said, without the voice it said it in: "... - SPEECH OUTPUT: 'text'{'...': ...}".
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?(?:\{.*\})?$", re.MULTILINE)
CHROMIUM_ARGS = ["--force-renderer-accessibility", "--no-sandbox", "--disable-gpu",
                 "--no-first-run", "--no-default-browser-check", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--disable-breakpad",
                 "--password-store=basic"]


class Run:
    """The folder of this run, whose name marks every process it starts."""

    def __init__(self, folder):
        self.folder = folder
        self.log = os.path.join(folder, "orca-debug.log")
        self.marker = f"TARVIK_ORCA_CHECK={folder}".encode()
        # Homes of its own, so that nothing of the user's settings, speech-dispatcher's socket
        # or the accessibility bus of another session is met or left behind.
        self.env = dict(os.environ, TARVIK_ORCA_CHECK=folder, GSETTINGS_BACKEND="memory",
                        HOME=folder, XDG_CACHE_HOME=f"{folder}/cache",
                        XDG_CONFIG_HOME=f"{folder}/config", XDG_DATA_HOME=f"{folder}/data",
                        XDG_RUNTIME_DIR=f"{folder}/runtime")
        for name in ("cache", "config", "data", "runtime"):
            os.makedirs(f"{folder}/{name}", mode=0o700)

    def start(self, name, *command, env=None):
        """Starts `command`, its output kept in NAME.out."""
        output = open(os.path.join(self.folder, f"{name}.out"), "wb")
        return subprocess.Popen(command, env=dict(self.env, **(env or {})),
                                stdin=subprocess.DEVNULL, stdout=output,
                                stderr=subprocess.STDOUT)

    def log_size(self):
        return os.path.getsize(self.log) if os.path.exists(self.log) else 0

    def spoken_since(self, offset):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8", errors="replace") as log:
            log.seek(offset)
            return [match.group(1) for match in SPEECH.finditer(log.read())]

    def settle(self, quiet=1.0, seconds=10):
        """Waits until Orca has written nothing for `quiet` seconds."""
        deadline = time.monotonic() + seconds
        size = self.log_size()
        while time.monotonic() < deadline:
            time.sleep(quiet)
            if self.log_size() == size:
                return
            size = self.log_size()

    def marked(self):
        """The processes that carry this run's marker, whoever started them."""
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or int(entry) == os.getpid():
                continue
            try:
                with open(f"/proc/{entry}/environ", "rb") as environ:
                    if self.marker in environ.read().split(b"\0") and alive(int(entry)):
                        found.append(int(entry))
            except OSError:
                continue
        return found

    def end_all(self):
        """Ends every process of this run, asked first, then killed; returns any left."""
        for sig, grace in ((signal.SIGTERM, 5), (signal.SIGKILL, 2)):
            for pid in self.marked():
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            deadline = time.monotonic() + grace
            while self.marked() and time.monotonic() < deadline:
                time.sleep(0.1)
        return self.marked()


def alive(pid):
    """False once `pid` has ended, reaping it when it is a child of ours."""
    try:
        if os.waitpid(pid, os.WNOHANG) != (0, 0):
            return False
    except ChildProcessError:
        pass
    try:
        with open(f"/proc/{pid}/stat", encoding="utf-8") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def end(process, seconds=10):
    process.terminate()
    try:
        process.wait(seconds)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    raise TimeoutError(f"no {what} within {seconds} s")


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True, timeout=10,
                          check=False).stdout.split()


def silence_speech_dispatcher(run):
    """Orca speaks through speech-dispatcher, which it starts. With no sound card a speech
    module cannot open the sound device and the server refuses to start, or, once started,
    hangs on the audio and Orca with it: here a module that runs `true` for every message,
    says nothing and answers at once, and plays into ALSA's null device."""
    folder = os.path.join(run.folder, "config", "speech-dispatcher")
    os.makedirs(folder)
    module = os.path.join(folder, "silent.conf")
    with open(module, "w", encoding="utf-8") as file:
        file.write('GenericExecuteSynth "true"\nAddVoice "en" "MALE1" "silent"\n'
                   'GenericLanguage "en" "en" "utf-8"\n')
    with open(os.path.join(folder, "speechd.conf"), "w", encoding="utf-8") as file:
        file.write(f'AddModule "silent" "sd_generic" "{module}"\nDefaultModule silent\n'
                   'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')


def start_orca(run):
    silence_speech_dispatcher(run)
    prefs = os.path.join(run.folder, "orca")
    os.makedirs(prefs)
    with open(os.path.join(prefs, "orca-customizations.py"), "w", encoding="utf-8") as file:
        # Line-buffered, so that every line is in the file as soon as Orca writes it.
        file.write("import orca.debug\n"
                   "orca.debug.debugLevel = orca.debug.LEVEL_INFO\n"
                   f"orca.debug.debugFile = open({run.log!r}, 'a', buffering=1)\n")
    with open(os.path.join(prefs, "user-settings.conf"), "w", encoding="utf-8") as file:
        file.write('{"general": {"enableBraille": false, "enableSound": false,'
                   ' "enableSpeech": true},'
                   ' "profiles": {"default": {"profile": ["Default", "default"]}},'
                   ' "pronunciations": {}, "keybindings": {}}\n')
    orca = run.start("orca", "orca", "--replace", "-u", prefs)
    wait_for(lambda: run.spoken_since(0), 30, "word from Orca")
    return orca


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *_):
        pass


def serve(folder):
    """The site on 127.0.0.1, on a port of its own."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def work_window(run, kind, target):
    """Starts one window, works it from the keyboard and ends it; returns all Orca said of
    it, and what it said from the first key on."""
    server = None
    if kind == "qt":
        program = run.start("qt", target, env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                                                "QT_QPA_PLATFORM": "xcb"})
    else:
        server = serve(target)
        program = run.start("chromium", "chromium", *CHROMIUM_ARGS,
                            f"--user-data-dir={run.folder}/chromium",
                            f"--app=http://127.0.0.1:{server.server_address[1]}/")
    start = run.log_size()
    try:
        window = wait_for(lambda: xdotool("search", "--onlyvisible", "--name", CAPTION), 30,
                          f"window named {CAPTION}")[0]
        # There is no window manager to give the window the keyboard.
        xdotool("windowfocus", "--sync", window)
        # Orca names the window and the field with the focus once the window is active; what
        # it says once it has done so counts.
        wait_for(lambda: any(CAPTION in said for said in run.spoken_since(start)), 20,
                 "window named by Orca")
        run.settle()
        mark = run.log_size()
        for action, keys in KEYS:
            if action == "type":
                xdotool("type", "--delay", "150", keys)
            else:
                for key in keys:
                    xdotool("key", key)
                    time.sleep(0.4)
            time.sleep(0.4)
        try:
            wait_for(lambda: any(MESSAGE in said for said in run.spoken_since(mark)), 10,
                     "message from Orca")
        except TimeoutError:
            pass  # what is missing is reported with the rest
        return run.spoken_since(start), run.spoken_since(mark)
    finally:
        end(program)
        if server is not None:
            server.shutdown()


def main(arguments):
    if not arguments or len(arguments) % 2 or set(arguments[::2]) - {"qt", "page"}:
        sys.exit(__doc__)
    # timeout(1) ends the check with SIGTERM: end what it started all the same.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("orca check: ended from outside"))
    failures = []
    with tempfile.TemporaryDirectory(prefix="tarvik-orca-") as folder:
        run = Run(folder)
        try:
            run.start("bus", "/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
            orca = start_orca(run)
            for kind, target in zip(arguments[::2], arguments[1::2]):
                everything, counted = work_window(run, kind, target)
                print(f"orca check, {kind}: Orca said")
                print("".join(f"    {said}\n" for said in everything), end="")
                missing = [phrase for phrase in SPOKEN
                           if not any(phrase in said for said in counted)]
                if missing:
                    failures.append(f"{kind}: Orca did not say {', '.join(missing)}")
            # Orca first, which would start speech-dispatcher again to say that it stops.
            end(orca)
        except (TimeoutError, OSError, subprocess.SubprocessError) as error:
            failures.append(str(error))
            if os.path.exists(run.log):
                with open(run.log, encoding="utf-8", errors="replace") as log:
                    print("orca check: the end of Orca's log:\n" + "".join(log.readlines()[-40:]))
        finally:
            left = run.end_all()
            if left:
                failures.append(f"processes still running after the check: {left}")
    if failures:
        sys.exit("orca check:\n  " + "\n  ".join(failures))
    print("orca check: passed")


main(sys.argv[1:])
