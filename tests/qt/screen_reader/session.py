# SPDX-License-Identifier: MIT
"""A private desktop for one screen-reader test: Xvfb, openbox, the AT-SPI bus, speech-dispatcher
speaking into its dummy module, Orca writing what it says to a debug log, and the program.

Run it inside a private session bus (dbus-run-session): nothing here touches the user's own
desktop, settings or sound card. Every wait is a poll with a deadline; a failure names what was
awaited and shows the end of Orca's log.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77  # CTest's SKIP_RETURN_CODE for these tests


class Failure(Exception):
    pass


def require(*programs):
    """Skips the test, saying why, when a program it drives is not installed."""
    missing = [p for p in programs if shutil.which(p) is None]
    if missing:
        print("SKIPPED: not installed: %s (scripts/install-deps installs them)" % " ".join(missing))
        sys.exit(SKIP)


def wait_until(what, probe, timeout):
    """Polls probe() until it gives something true; fails naming `what` after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("timed out after %g s waiting for %s" % (timeout, what))
        time.sleep(0.05)


class Session:
    def __init__(self, program, orca=True):
        self.program = program
        self.with_orca = orca
        self.dir = tempfile.mkdtemp(prefix="veltrana-sr-")
        self.log = os.path.join(self.dir, "orca.log")
        self.processes = []
        self.app = None
        self._log_terminal = None
        self.env = dict(os.environ)
        self.env.update({
            "HOME": self.dir,
            "XDG_CONFIG_HOME": os.path.join(self.dir, "config"),
            "XDG_DATA_HOME": os.path.join(self.dir, "data"),
            "XDG_CACHE_HOME": os.path.join(self.dir, "cache"),
            "XDG_RUNTIME_DIR": os.path.join(self.dir, "runtime"),
            "GSETTINGS_BACKEND": "memory",
            "LANG": "ru_RU.UTF-8",
            "LC_ALL": "ru_RU.UTF-8",
            "LANGUAGE": "ru",
            "NO_AT_BRIDGE": "0",
            "GTK_MODULES": "",
        })
        for key in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
            os.makedirs(self.env[key], mode=0o700, exist_ok=True)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)

    # -- starting and stopping ---------------------------------------------------------------

    def start(self):
        self._start_x()
        self._spawn(["openbox"], "openbox")
        # Windows mapped before the window manager runs may never get the keyboard focus.
        wait_until("openbox to manage the screen", self._window_manager_ready, 20)
        if self.with_orca:
            self._start_orca()
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.app = self._spawn([self.program], "program")

    def _spawn(self, argv, name, **kwargs):
        out = open(os.path.join(self.dir, name + ".out"), "w")
        process = subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL, stdout=out,
                                   stderr=subprocess.STDOUT, start_new_session=True, **kwargs)
        self.processes.append((name, process))
        return process

    def _start_x(self):
        read, write = os.pipe()
        # Without -noreset the server starts over whenever its last client leaves, as the first
        # probe for the window manager does, and a client connecting meanwhile, openbox, is
        # turned away.
        self._spawn(_private_files() + ["Xvfb", "-displayfd", str(write), "-screen", "0",
                                        "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                    "xvfb", pass_fds=(write,))
        os.close(write)
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline:
                raise Failure("Xvfb gave no display number in 20 s")
            chunk = os.read(read, 16)
            if not chunk:
                raise Failure("Xvfb exited before giving a display number")
            number += chunk
        os.close(read)
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def _window_manager_ready(self):
        probe = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                               stdin=subprocess.DEVNULL, capture_output=True, text=True,
                               timeout=10)
        return "window id" in probe.stdout

    def _start_orca(self):
        # speech-dispatcher, started by Orca's client, reads its configuration from here: every
        # voice goes to the dummy module, which needs no synthesiser and no sound card.
        speechd = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(speechd, exist_ok=True)
        with open(os.path.join(speechd, "speechd.conf"), "w") as conf:
            conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                       'LogDir "%s"\n' % self.dir)
        prefs = os.path.join(self.dir, "orca-prefs")
        os.makedirs(prefs, exist_ok=True)
        # Orca writes its debug log through a buffer it never flushes, except to a terminal,
        # where it flushes every line: it gets one, and a thread here copies what comes out.
        master, slave = os.openpty()
        self._log_terminal = slave
        threading.Thread(target=self._copy_log, args=(master,), daemon=True).start()
        orca = self._spawn(["orca", "--user-prefs", prefs, "--debug-file", os.ttyname(slave)],
                           "orca")

        # The last line Orca writes before it waits for events, as Orca 43 (Debian 12) and
        # Orca 48 (Debian 13) word it.
        def started():
            if orca.poll() is not None:
                raise Failure("Orca exited at start with status %d" % orca.returncode)
            return re.search(r"ORCA: (Startup complete|Starting Atspi main event loop)",
                             self.orca_log())
        wait_until("Orca to start", started, 60)

    def _copy_log(self, terminal):
        with open(self.log, "wb") as log:
            while True:
                try:
                    chunk = os.read(terminal, 65536)
                except OSError:
                    return
                if not chunk:
                    return
                log.write(chunk.replace(b"\r\n", b"\n"))
                log.flush()

    def stop(self):
        for name, process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for name, process in reversed(self.processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        if self._log_terminal is not None:
            os.close(self._log_terminal)
        shutil.rmtree(self.dir, ignore_errors=True)

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.report_failure()
            self.stop()
            raise
        return self

    def __exit__(self, kind, value, traceback):
        if kind is not None:
            self.report_failure()
        self.stop()
        return False

    def report_failure(self):
        if self.with_orca and os.path.exists(self.log):
            tail = self.orca_log().splitlines()[-60:]
            print("---- the last %d lines of Orca's debug log ----" % len(tail))
            print("\n".join(tail))
        for name, process in self.processes:
            path = os.path.join(self.dir, name + ".out")
            if os.path.exists(path) and os.path.getsize(path):
                print("---- %s's output ----" % name)
                with open(path, errors="replace") as out:
                    print(out.read()[-3000:])

    # -- what Orca says ------------------------------------------------------------------------

    def orca_log(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return log.read()
        except FileNotFoundError:
            return ""

    def spoken(self):
        """Everything Orca has spoken so far, one utterance a line, in order."""
        return re.findall(r"SPEECH OUTPUT: '(.*?)'", self.orca_log())

    def mark(self):
        return len(self.spoken())

    def wait_for_speech(self, since, pattern, what, timeout=15):
        """Waits until Orca has spoken, after `since`, an utterance matching pattern; gives it."""
        def probe():
            for utterance in self.spoken()[since:]:
                if re.search(pattern, utterance):
                    return utterance
            return None
        try:
            return wait_until(what, probe, timeout)
        except Failure:
            raise Failure("Orca did not speak %s (/%s/); it said: %r"
                          % (what, pattern, self.spoken()[since:]))

    def wait_for_description(self, since, name, description, what, timeout=15):
        """Waits until Orca has spoken, after `since`, an object's description, or has judged it
        too like the object's name to speak: Orca 48 leaves such a description out and logs
        the likeness it measured, Orca 43 speaks every description."""
        judged = re.compile(r"Similarity between '%s', '%s': ([\d.]+) \(threshold: ([\d.]+)\)"
                            % (re.escape(name), re.escape(description)))

        def probe():
            if any(description in utterance for utterance in self.spoken()[since:]):
                return True
            likeness = judged.search(self.orca_log())
            return likeness and float(likeness[1]) >= float(likeness[2])
        try:
            wait_until(what, probe, timeout)
        except Failure:
            raise Failure("Orca neither spoke %s (%r) nor judged it too like the name %r; it "
                          "said: %r" % (what, description, name, self.spoken()[since:]))

    # -- the keyboard ----------------------------------------------------------------------------

    def keys(self, *names):
        subprocess.run(["xdotool", "key", "--delay", "60"] + list(names), env=self.env,
                       check=True, timeout=20)

    def press(self, modifier, key):
        """A chord with the modifier held until the key is up, as a hand would press it."""
        subprocess.run(["xdotool", "keydown", "--delay", "60", modifier, "key", "--delay", "60",
                        key, "keyup", "--delay", "60", modifier], env=self.env, check=True,
                       timeout=20)

    def ensure_running(self, what):
        if self.app.poll() is not None:
            raise Failure("the program ended (status %s) %s" % (self.app.returncode, what))


def _private_files():
    """The start of a command line that runs the X server with a /tmp and /var/lib/xkb of its
    own. Alone in its network namespace, it always takes display 0, and finds that free there;
    but the socket file /tmp/.X11-unix/X0 and the keymap /var/lib/xkb/server-0.xkm, which it
    replaces when it starts and deletes when it stops, are shared with every X server of that
    number on the machine: the first Xvfb of a wine test or of window_frames_test, or another
    of these tests. Its clients reach it all the same through its abstract socket, which is
    its network namespace's alone."""
    mount = ("mount -t tmpfs -o mode=1777 x-private /tmp && "
             "mount -t tmpfs -o mode=755 x-private /var/lib/xkb && exec \"$@\"")
    if os.getuid() != 0:
        # As root only in a user namespace of its own may it mount.
        return ["unshare", "--map-root-user", "--mount", "--", "sh", "-c", mount, "sh"]
    # A chroot's root is no mount point, so its mounts cannot all be made private: there they
    # stay as the chroot was entered, which must be from a mount namespace of its own whose
    # mounts are private (scripts/test-debian13 enters it so), lest these mounts reach out.
    with open("/proc/self/mountinfo") as mounts:
        root_mounted = any(line.split()[4] == "/" for line in mounts)
    return ["unshare", "--mount", "--propagation", "private" if root_mounted else "unchanged",
            "--", "sh", "-c", mount, "sh"]


def run(main):
    """Runs main() on a private session bus of its own, so that the AT-SPI bus, Orca and
    speech-dispatcher it starts are nobody else's, and in process and network namespaces of
    its own: Orca refuses to start beside any other Orca of the same user it can see, and the
    X server's abstract socket is shared by every system on the machine, a chroot's included,
    while its lock files are not. A Failure ends it with status 1; every process it started
    ends with it."""
    require("dbus-run-session", "unshare")
    if os.environ.get("VELTRANA_PRIVATE_BUS") != "1":
        os.environ["VELTRANA_PRIVATE_BUS"] = "1"
        # Root may make the namespaces as it is; anyone else makes them in a user namespace,
        # which root could not from inside a chroot. There the root is no mount point whose
        # propagation could change: only the fresh /proc's is made private.
        user = [] if os.getuid() == 0 else ["--map-current-user"]
        argv = ["unshare"] + user + [
            "--propagation", "unchanged", "--pid", "--fork", "--kill-child", "--mount-proc",
            "--net", "--", "dbus-run-session", "--", sys.executable] + sys.argv
        os.execvp(argv[0], argv)
    try:
        main()
    except Failure as failure:
        print("FAIL: %s" % failure)
        sys.exit(1)
