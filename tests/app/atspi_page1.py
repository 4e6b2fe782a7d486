#!/usr/bin/python3
"""Reads the window's first page as a screen reader does, through AT-SPI.

Starts its own X server (xvfb-run), session bus and accessibility bus, opens
kotachakra on them, and walks the accessibility tree of the window. Passes
when every input of page 1 has a name with its role and no control of a
covered page is shown. Prints the listing of the window; --listing FILE also
writes it to a file.

Exit status: 0 passed, 1 failed, 77 a needed program is missing (skipped).
Everything runs under time limits, so the check never waits for ever.
"""

import argparse
import os
import shutil
import signal
import socket
import subprocess
import sys
import time

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
STATE_VISIBLE = 30
STATE_SHOWING = 25
STATE_FOCUSED = 12

# Inputs of page 1 and the names a screen reader must announce for them.
EXPECTED = {
    ("text", "Name"),
    ("combo box", "Birth date month"),
    ("combo box", "Birth date day"),
    ("combo box", "Birth date year"),
    ("combo box", "Birth time hours"),
    ("combo box", "Birth time minutes"),
    ("combo box", "Birth time seconds"),
    ("text", "Birth time zone hours"),
    ("text", "Birth time zone minutes"),
    ("link", "Birth time zone help"),
    ("check box", "Birth time zone daylight saving (DST)"),
    ("text", "Birth latitude degrees"),
    ("text", "Birth latitude minutes"),
    ("radio button", "Birth latitude North"),
    ("radio button", "Birth latitude South"),
    ("text", "Birth longitude degrees"),
    ("text", "Birth longitude minutes"),
    ("radio button", "Birth longitude East"),
    ("radio button", "Birth longitude West"),
    ("text", "Birth city"),
    ("text", "Birth state"),
    ("text", "Birth country"),
    ("push button", "Next"),
}
INPUT_ROLES = {"text", "combo box", "radio button", "check box", "push button", "link"}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def under_x_server(args):
    """Runs this script again under its own X server."""
    xvfb_run = shutil.which("xvfb-run")
    if not xvfb_run or not shutil.which("xauth"):
        print("SKIP: xvfb-run and xauth are needed")
        sys.exit(SKIP)
    # A display number of its own (counting on from there while taken), so
    # that a server of a run that is still closing down is never mistaken
    # for this run's.
    first_display = str(100 + os.getpid() % 800)
    command = [xvfb_run, "-a", "-n", first_display, "-s", "-screen 0 1366x768x24 -nolisten tcp",
               sys.executable, os.path.abspath(__file__), "--app", args.app, "--inside"]
    if args.listing:
        command += ["--listing", args.listing]
    try:
        return subprocess.run(command, timeout=150, stdin=subprocess.DEVNULL).returncode
    except subprocess.TimeoutExpired:
        fail("the check did not end within 150 s")


class App:
    """kotachakra, started (and if need be started again) on the check's display."""

    def __init__(self, path, env):
        self.path, self.env, self.process, self.starts = path, env, None, 0

    def start(self):
        if self.starts == 3:
            fail("kotachakra did not start three times over")
        self.starts += 1
        self.process = subprocess.Popen([self.path], env=self.env, stdin=subprocess.DEVNULL)

    def poll(self):
        return self.process.poll()

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()


def wait_for_x_server():
    """xvfb-run does not always wait for its server: connect until it answers."""
    display = os.environ.get("DISPLAY", "")
    path = "/tmp/.X11-unix/X" + display.lstrip(":").split(".")[0]
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
            try:
                s.connect(path)
                return
            except OSError:
                time.sleep(0.1)
    fail(f"the X server {display} did not answer")


class Buses:
    """A session bus and an accessibility bus of the check's own."""

    def __init__(self):
        self.processes = []

    def start(self):
        # Each in a process group of its own, which is ended as a whole: the
        # accessibility bus and its registry are the launcher's children.
        daemon = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, stdin=subprocess.DEVNULL, text=True,
            start_new_session=True)
        self.processes.append(daemon)
        address = daemon.stdout.readline().strip()
        if not address:
            fail("the session bus did not start")
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"],
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                    start_new_session=True)
        self.processes.append(launcher)

    def stop(self):
        for p in reversed(self.processes):
            try:
                os.killpg(p.pid, signal.SIGTERM)
            except ProcessLookupError:
                continue
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)


def accessibility_bus(dbus):
    session = dbus.SessionBus()
    deadline = time.monotonic() + 20
    while True:
        try:
            bus = session.get_object("org.a11y.Bus", "/org/a11y/bus")
            return dbus.bus.BusConnection(
                str(bus.GetAddress(dbus_interface="org.a11y.Bus", timeout=5)))
        except dbus.exceptions.DBusException:
            if time.monotonic() > deadline:
                fail("the accessibility bus did not start")
            time.sleep(0.2)


class Node:
    def __init__(self, dbus, bus, name, path):
        self.dbus = dbus
        self.obj = bus.get_object(name, path, introspect=False)
        self.bus = bus

    def call(self, method, *args):
        return getattr(self.obj, method)(
            *args, dbus_interface="org.a11y.atspi.Accessible", timeout=5)

    @property
    def name(self):
        return str(self.obj.Get("org.a11y.atspi.Accessible", "Name",
                                dbus_interface="org.freedesktop.DBus.Properties", timeout=5))

    @property
    def role(self):
        return str(self.call("GetRoleName"))

    def states(self):
        low, high = [int(x) for x in self.call("GetState")]
        bits = low | (high << 32)
        return {b for b in range(64) if bits & (1 << b)}

    def children(self):
        return [Node(self.dbus, self.bus, str(n), p) for n, p in self.call("GetChildren")]


def find_application(dbus, bus, app):
    root = Node(dbus, bus, "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        # A fresh X server may turn the first client away: start again.
        if app.poll() is not None:
            time.sleep(1)
            app.start()
        for app in root.children():
            try:
                if app.name == "Zorvik Kota Chakra":
                    windows = app.children()
                    if windows and STATE_SHOWING in windows[0].states():
                        return app
            except dbus.exceptions.DBusException:
                pass
        time.sleep(0.3)
    fail("kotachakra did not appear in the accessibility tree")


def walk(node, depth, lines, shown, hidden):
    states = node.states()
    showing = STATE_SHOWING in states and STATE_VISIBLE in states
    role, name = node.role, node.name
    if showing:
        focus = " [focused]" if STATE_FOCUSED in states else ""
        lines.append("  " * depth + f"{role}: {name!r}{focus}")
        shown.append((role, name))
    else:
        hidden.append((role, name))
    for child in node.children():
        walk(child, depth + 1 if showing else depth, lines if showing else [], shown, hidden)


def check(args):
    try:
        import dbus
        import dbus.bus
        from dbus.mainloop.glib import DBusGMainLoop
    except ImportError:
        print("SKIP: python3-dbus is needed")
        sys.exit(SKIP)
    if not os.path.exists(LAUNCHER) or not shutil.which("dbus-daemon"):
        print("SKIP: at-spi2-core and dbus-daemon are needed")
        sys.exit(SKIP)
    DBusGMainLoop(set_as_default=True)
    signal.alarm(120)  # the last guard against waiting for ever
    buses = Buses()
    app = None
    try:
        wait_for_x_server()
        buses.start()
        bus = accessibility_bus(dbus)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   QT_ACCESSIBILITY="1")
        app = App(args.app, env)
        app.start()
        application = find_application(dbus, bus, app)
        time.sleep(0.5)  # let the first page settle
        lines, shown, hidden = [], [], []
        for window in application.children():
            walk(window, 0, lines, shown, hidden)
    finally:
        if app:
            app.stop()
        buses.stop()

    listing = "\n".join(lines) + "\n"
    print(listing, end="")
    if args.listing:
        with open(args.listing, "w", encoding="utf-8") as f:
            f.write(listing)

    missing = sorted(EXPECTED - set(shown))
    if missing:
        fail(f"page 1 lacks {missing}")
    unnamed = [role for role, name in shown if role in INPUT_ROLES and not name.strip()]
    if unnamed:
        fail(f"inputs without a name: {unnamed}")
    covered = [(r, n) for r, n in shown if n.startswith("Day ") or n == "Reading"]
    if covered:
        fail(f"controls of covered pages are shown: {covered}")
    if ("text", "Day latitude degrees") not in hidden:
        fail("page 2 was expected in the tree, hidden")
    if not any(r == "label" and n == "Latitude" or n == "Latitude" for r, n in shown):
        fail("the Latitude group has no name")
    print("PASS: page 1 as a screen reader reads it")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--listing")
    parser.add_argument("--inside", action="store_true")
    args = parser.parse_args()
    if not args.inside:
        return under_x_server(args)
    return check(args)


if __name__ == "__main__":
    sys.exit(main())
