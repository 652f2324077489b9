#!/usr/bin/env python3
"""Drives the real window through its accessibility tree, as an operator would, and
compares its result rows with those of `corvane-scan run`.

usage: atspi_rows.py BIN_DIR DEMO_DIR

BIN_DIR holds corvane-log-analyzer, corvane-scan and the catalogues; DEMO_DIR is the
source tree's demo/.  The window runs under its own Xvfb, D-Bus session and
accessibility bus, on a log directory of several MB made from the demo logs of one day.
The rows are read once the run has ended and once more a second later: progress texts
still on their way at the end of a run must not land on a row.

Exit status: 0 when the window's rows equal the CLI's, 1 otherwise (with a diff), also
when the accessibility stack cannot be set up.
"""

import difflib
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

DAY = "20261202"
# Gateway and MsgQueue are repeated so that their files are scanned in parts, by
# several threads, whose progress texts reach the window as queued calls.
COPIES = {"Gateway": 10, "MsgQueue": 20}
OVERALL_SECONDS = 120
SETTLE_SECONDS = 1.0
RUN_SECONDS = 60
ANALYSING = "正在分析..."


class SetupError(Exception):
    """The window or the accessibility stack could not be brought up."""


class Children:
    """Every process this test starts, in one process group of its own, so that one
    signal reaches them and whatever they start (the accessibility bus daemon, the
    registry it activates)."""

    def __init__(self):
        self.pgid = None
        self.procs = []
        self.lock = threading.Lock()

    def start(self, argv, env, **kwargs):
        with self.lock:
            if self.pgid is None:
                proc = subprocess.Popen(argv, env=env, process_group=0, **kwargs)
                self.pgid = proc.pid
            else:
                proc = subprocess.Popen(argv, env=env, process_group=self.pgid, **kwargs)
            self.procs.append(proc)
            return proc

    def stop(self):
        with self.lock:
            if self.pgid is None:
                return
            for sig, grace in ((signal.SIGTERM, 3.0), (signal.SIGKILL, 2.0)):
                try:
                    os.killpg(self.pgid, sig)
                except ProcessLookupError:
                    break
                end = time.monotonic() + grace
                while time.monotonic() < end and self._group_alive():
                    for proc in self.procs:
                        proc.poll()
                    time.sleep(0.05)
                if not self._group_alive():
                    break
            for proc in self.procs:
                try:
                    proc.wait(timeout=1)
                except subprocess.TimeoutExpired:
                    pass
            self.pgid = None

    def _group_alive(self):
        try:
            os.killpg(self.pgid, 0)
            return True
        except ProcessLookupError:
            return False


def read_line_from(fd, what, seconds):
    """The first line written to pipe fd by a child, within the given time."""
    end = time.monotonic() + seconds
    data = b""
    os.set_blocking(fd, False)
    while b"\n" not in data:
        if time.monotonic() > end:
            raise SetupError(f"{what} did not start within {seconds} s")
        try:
            chunk = os.read(fd, 4096)
        except BlockingIOError:
            time.sleep(0.05)
            continue
        if not chunk:
            raise SetupError(f"{what} exited at start")
        data += chunk
    return data.split(b"\n", 1)[0].decode().strip()


def wait_for(what, seconds, probe, interval=0.1):
    """probe()'s first true result within the given time."""
    end = time.monotonic() + seconds
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > end:
            raise SetupError(f"{what}: not within {seconds} s")
        time.sleep(interval)


def make_log_dir(demo_dir, log_dir):
    for name in sorted(os.listdir(os.path.join(demo_dir, "logs"))):
        if not name.endswith(DAY + ".log"):
            continue
        prefix = name[: -len(DAY + ".log")]
        with open(os.path.join(demo_dir, "logs", name), "rb") as f:
            data = f.read()
        with open(os.path.join(log_dir, name), "wb") as f:
            f.write(data * COPIES.get(prefix, 1))


def cli_rows(bin_dir, log_dir):
    try:
        out = subprocess.run(
            [os.path.join(bin_dir, "corvane-scan"), "--gbk", "run", "--program-dir", bin_dir,
             log_dir, DAY], capture_output=True, timeout=60, check=True).stdout
    except (OSError, subprocess.SubprocessError) as e:
        raise SetupError(f"corvane-scan run failed: {e}")
    return [tuple(line.split("\t")) for line in out.decode("gb18030").splitlines()]


def start_stack(children, tmp):
    """A D-Bus session, an X display and the accessibility bus; returns their environment."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("AT_SPI_BUS_ADDRESS", "NO_AT_BRIDGE", "DBUS_SESSION_BUS_ADDRESS")}
    for var in ("XDG_RUNTIME_DIR", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"):
        path = os.path.join(tmp, var.lower())
        os.makedirs(path, mode=0o700)
        env[var] = path

    for tool in ("dbus-daemon", "Xvfb", "dbus-send"):
        if not shutil.which(tool):
            raise SetupError(f"{tool} is not installed")
    launcher = "/usr/libexec/at-spi-bus-launcher"
    if not os.access(launcher, os.X_OK):
        raise SetupError(f"{launcher} is missing (package at-spi2-core)")

    r, w = os.pipe()
    children.start(["dbus-daemon", "--session", "--nofork", f"--print-address={w}"],
                   env, pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(w)
    env["DBUS_SESSION_BUS_ADDRESS"] = read_line_from(r, "dbus-daemon", 10)
    os.close(r)

    r, w = os.pipe()
    # Without -noreset the server resets whenever its last client leaves (the bus
    # launcher and the accessibility library each look at it only briefly), and a window
    # connecting just then is refused.
    children.start(["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24", "-noreset",
                    "-nolisten", "tcp"], env, pass_fds=(w,), stderr=subprocess.DEVNULL)
    os.close(w)
    env["DISPLAY"] = ":" + read_line_from(r, "Xvfb", 15)
    os.close(r)

    children.start([launcher, "--launch-immediately"], env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)

    def bus_address():
        reply = subprocess.run(
            ["dbus-send", "--session", "--print-reply=literal", "--reply-timeout=1000",
             "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
            env=env, capture_output=True, timeout=5)
        return reply.returncode == 0 and reply.stdout.strip()

    wait_for("the accessibility bus", 15, bus_address, 0.2)
    return env


def find_application(desktop, pid):
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away while listed
            pass
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_controls(app, pyatspi):
    """The controls the operator uses, found as the operator finds them: by the caption
    of the step above them, and the start button by its text."""
    after_caption = {"directory": ("请选择日志存放的目录", pyatspi.ROLE_TEXT),
                     "days": ("您要分析哪天的日志", pyatspi.ROLE_LIST),
                     "results": ("日志分析结果", pyatspi.ROLE_TREE)}
    found = {}
    for node in descendants(app):
        role = node.getRole()
        if role == pyatspi.ROLE_PUSH_BUTTON and node.name == "开始分析":
            found.setdefault("start", node)
        if role != pyatspi.ROLE_LABEL or node.parent is None:
            continue
        for key, (caption, wanted) in after_caption.items():
            if caption not in node.name:
                continue
            siblings = list(node.parent)
            later = siblings[siblings.index(node) + 1:]
            control = next((c for c in later if c is not None and c.getRole() == wanted), None)
            if control is not None:
                found.setdefault(key, control)
    return found if len(found) == 4 else None


def read_rows(result_list):
    """Name, known and unknown count of every result row (the marks column is the
    history's, which the CLI does not print)."""
    table = result_list.queryTable()
    rows = []
    for r in range(table.nRows):
        cells = []
        for c in range(3):
            cells.append(table.getAccessibleAt(r, c).name)
        rows.append(tuple(cells))
    return rows


def drive_window(bin_dir, log_dir, env, children, pyatspi):
    win_env = dict(env, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    window = children.start([os.path.join(bin_dir, "corvane-log-analyzer")], win_env,
                            cwd=log_dir, stdout=subprocess.DEVNULL)

    desktop = pyatspi.Registry.getDesktop(0)

    def application():
        if window.poll() is not None:
            raise SetupError(f"the window exited with status {window.returncode}")
        return find_application(desktop, window.pid)

    app = wait_for("the window in the accessibility tree", 30, application, 0.25)
    # The cells' texts are read from the window each time, never from the cache.
    app.set_cache_mask(pyatspi.Atspi.Cache.NONE)
    controls = wait_for("the window's controls", 20, lambda: find_controls(app, pyatspi), 0.5)

    controls["directory"].queryEditableText().setTextContents(log_dir)

    day_list = controls["days"]

    def day_row():
        table = day_list.queryTable()
        for r in range(table.nRows):
            if table.getAccessibleAt(r, 0).name == DAY:
                return r + 1
        return None

    row = wait_for(f"the day {DAY} in the day list", 10, day_row) - 1
    table = day_list.queryTable()
    if not table.addRowSelection(row):
        raise SetupError(f"the day {DAY} could not be selected")
    wait_for(f"the day {DAY} selected", 5, lambda: table.isRowSelected(row))

    button = controls["start"].queryAction()
    press = [i for i in range(button.nActions) if button.getName(i) == "Press"]
    if not press:
        raise SetupError("the start button has no Press action")
    button.doAction(press[0])
    return controls["results"], window


def wait_for_end(result_list, window, count, seconds):
    """The rows once the run has shown every row with its counts, or those shown when
    the time is up."""
    end = time.monotonic() + seconds
    while True:
        if window.poll() is not None:
            raise SetupError(f"the window exited with status {window.returncode} during the run")
        rows = read_rows(result_list)
        if len(rows) >= count and not any(ANALYSING in cell for row in rows for cell in row):
            return rows, True
        if time.monotonic() > end:
            return rows, False
        time.sleep(0.05)


def show(rows):
    return ["\t".join(row) for row in rows]


def run(bin_dir, demo_dir, children, tmp):
    log_dir = os.path.join(tmp, "logs")
    os.makedirs(log_dir)
    make_log_dir(demo_dir, log_dir)
    expected = cli_rows(bin_dir, log_dir)
    if not expected:
        raise SetupError("corvane-scan run printed no rows")

    env = start_stack(children, tmp)
    # The library finds the accessibility bus through the session bus and the display
    # of this environment.
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = env["DBUS_SESSION_BUS_ADDRESS"]
    os.environ["DISPLAY"] = env["DISPLAY"]
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    try:
        import pyatspi
    except ImportError as e:
        raise SetupError(f"python3-pyatspi is not installed ({e})")

    started = time.monotonic()
    result_list, window = drive_window(bin_dir, log_dir, env, children, pyatspi)
    first, ended = wait_for_end(result_list, window, len(expected), RUN_SECONDS)
    took = time.monotonic() - started
    time.sleep(SETTLE_SECONDS)
    second = read_rows(result_list)

    size = sum(os.path.getsize(os.path.join(log_dir, n)) for n in os.listdir(log_dir))
    print(f"{len(expected)} rows, {size / 1e6:.1f} MB of logs; window started, run and rows "
          f"read in {took:.1f} s")
    failures = [] if ended else [f"the run did not end within {RUN_SECONDS} s"]
    for when, rows in (("when the run had ended", first), (f"{SETTLE_SECONDS:g} s later", second)):
        if rows != expected:
            diff = difflib.unified_diff(show(expected), show(rows), "corvane-scan run", "window",
                                        lineterm="")
            failures.append(f"the window's rows {when} differ:\n" + "\n".join(diff))
    if failures:
        print("\n".join(failures))
        return 1
    print("\n".join(show(second)))
    return 0


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[3], file=sys.stderr)
        return 2
    bin_dir, demo_dir = (os.path.abspath(a) for a in sys.argv[1:])
    children = Children()
    tmp = tempfile.mkdtemp(prefix="corvane-atspi-")

    def give_up():
        print(f"atspi_rows: no result within {OVERALL_SECONDS} s", flush=True)
        children.stop()
        shutil.rmtree(tmp, ignore_errors=True)
        os._exit(1)

    # A call into the accessibility stack that never returns must not hang the test.
    watchdog = threading.Timer(OVERALL_SECONDS, give_up)
    watchdog.daemon = True
    watchdog.start()
    try:
        return run(bin_dir, demo_dir, children, tmp)
    except SetupError as e:
        print(f"atspi_rows: cannot set up the window under AT-SPI: {e}")
        return 1
    finally:
        watchdog.cancel()
        children.stop()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
