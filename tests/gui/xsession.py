"""An X server (Xvfb) and a D-Bus session of a test's own, with the environment that reaches them.

Everything the session starts is stopped by its process id: the X server, and the D-Bus daemon
with whatever it started (the accessibility bus and its registry).
"""

import os
import signal
import subprocess
import tempfile


def descendants(pid):
    """The ids of every process below pid, found through /proc."""
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    ppid = int(stat.read().rsplit(")", 1)[1].split()[1])
            except OSError:
                continue
            children.setdefault(ppid, []).append(int(entry))
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def stop(pids):
    for pid in pids:
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass


class Session:
    """Xvfb and a D-Bus session; with own_home, a home and XDG folders of the session's own too,
    for programs that keep settings (Orca, dconf)."""

    def __init__(self, own_home=False):
        self.own_home = own_home

    def __enter__(self):
        self.runtime = tempfile.TemporaryDirectory()
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp"], pass_fds=[write_fd], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as display:
            os.environ["DISPLAY"] = ":" + display.readline().strip()
        # The accessibility bus is made in XDG_RUNTIME_DIR: one of its own for this session.
        os.environ["XDG_RUNTIME_DIR"] = self.runtime.name
        if self.own_home:
            home = os.path.join(self.runtime.name, "home")
            os.environ["HOME"] = home
            for name, folder in [("XDG_CONFIG_HOME", ".config"), ("XDG_DATA_HOME", ".local/share"),
                                 ("XDG_CACHE_HOME", ".cache")]:
                os.environ[name] = os.path.join(home, folder)
                os.makedirs(os.environ[name])
        for name in ["WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"]:
            os.environ.pop(name, None)
        out = subprocess.run(["dbus-launch", "--sh-syntax"], check=True, capture_output=True,
                             text=True).stdout
        for line in out.splitlines():
            if "=" in line and line.startswith("DBUS_"):
                name, value = line.rstrip(";").split("=", 1)
                os.environ[name] = value.strip("'")
        self.dbus_pid = int(os.environ["DBUS_SESSION_BUS_PID"])
        return self

    def __exit__(self, *_):
        stop(descendants(self.dbus_pid) + [self.dbus_pid])
        self.xvfb.terminate()
        self.xvfb.wait()
        self.runtime.cleanup()
