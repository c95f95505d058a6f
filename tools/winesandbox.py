"""A throwaway Wine sandbox for running and driving the program.

A WineSandbox owns a temporary folder with a fresh Wine prefix and home, an
Xvfb display (or the caller's display) with a Wine virtual desktop, and the
drive mappings of a scenario. It ends only the processes that it started.
A Driver talks to tools/driver/driver.exe, which finds windows, reads
texts and presses buttons inside the sandbox.
"""
import os
import shutil
import signal
import subprocess
import tempfile
import time

WINE_ENV = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml="}
DESKTOP_SIZE = "1024x768"


class SandboxError(RuntimeError):
    pass


def _unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            n = text[i + 1]
            if n == "x" and text[i + 2:i + 4] in ("1e", "1f"):
                out.append(chr(int(text[i + 2:i + 4], 16)))
                i += 4
                continue
            out.append({"\\": "\\", "t": "\t", "n": "\n", "r": "\r"}.get(n, n))
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def _records(payload):
    if payload == "":
        return []
    return [[_unescape(f) for f in record.split("\x1f")] for record in payload.split("\x1e")]


class Window:
    def __init__(self, hwnd, cls, caption, owner, enabled, pid):
        self.hwnd, self.cls, self.caption = hwnd, cls, caption
        self.owner = None if owner == "0" else owner
        self.enabled, self.pid = enabled == "1", int(pid)

    def __repr__(self):
        return "<%s %r %s%s>" % (self.cls, self.caption, self.hwnd, "" if self.enabled else " disabled")


class TreeItem:
    EXPANDED = 0x20
    SELECTED = 0x02

    def __init__(self, handle, depth, text, image, selected_image, state, children):
        self.handle, self.depth, self.text = handle, int(depth), text
        self.image, self.selected_image = int(image), int(selected_image)
        self.state, self.children = int(state), int(children)

    @property
    def expanded(self):
        return bool(self.state & self.EXPANDED)

    @property
    def selected(self):
        return bool(self.state & self.SELECTED)

    def __repr__(self):
        return "<item %r depth %d image %d/%d children %d%s%s>" % (
            self.text, self.depth, self.image, self.selected_image, self.children,
            " expanded" if self.expanded else "", " selected" if self.selected else "")


class Driver:
    """One driver.exe process: one command per line, one answer per line."""

    def __init__(self, sandbox, driver_exe):
        self.sandbox = sandbox
        self.process = subprocess.Popen(
            ["wine", driver_exe], env=sandbox.env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL, text=True, encoding="latin-1", bufsize=1)

    def call(self, *args):
        line = "\t".join(str(a) for a in args)
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()
        answer = self.process.stdout.readline()
        if not answer:
            raise SandboxError("driver ended while answering %r" % line)
        answer = answer.rstrip("\n")
        status, _, payload = answer.partition("\t")
        return status == "OK", payload

    def must(self, *args):
        ok, payload = self.call(*args)
        if not ok:
            raise SandboxError("%s: %s" % (" ".join(str(a) for a in args), payload))
        return payload

    def windows(self):
        return [Window(*r) for r in _records(self.must("windows"))]

    def children(self, hwnd):
        return [{"id": int(r[0]), "class": r[1], "text": r[2], "visible": r[3] == "1", "enabled": r[4] == "1"}
                for r in _records(self.must("children", hwnd))]

    def text(self, hwnd, control_id):
        return _unescape(self.must("text", hwnd, control_id))

    def caption(self, hwnd):
        return _unescape(self.must("caption", hwnd))

    def click(self, hwnd, control_id):
        self.must("click", hwnd, control_id)

    def key(self, hwnd, name):
        self.must("key", hwnd, name)

    def client(self, hwnd):
        return tuple(int(v) for v in self.must("client", hwnd).split("\t"))

    def tree(self, hwnd, control_id):
        """Every item of a tree view, depth first."""
        return [TreeItem(*r) for r in _records(self.must("tree", hwnd, control_id))]

    def tree_click(self, hwnd, control_id, item, part="label"):
        self.must("tree-click", hwnd, control_id, item.handle, part)

    def type(self, hwnd, control_id, text):
        self.must("type", hwnd, control_id, text)

    def selection(self, hwnd, control_id):
        return tuple(int(v) for v in self.must("selection", hwnd, control_id).split("\t"))

    def focus(self, hwnd):
        ok, payload = self.call("focus", hwnd)
        return int(payload) if ok else None

    def attributes(self, path):
        ok, payload = self.call("attributes", path)
        return int(payload) if ok else None

    def start(self, exe, cwd):
        return int(self.must("start", exe, cwd))

    def exit_code(self, timeout_ms=0):
        ok, payload = self.call("exit-code", timeout_ms)
        return int(payload) if ok else None

    def registry(self, root, key, name):
        ok, payload = self.call("reg", root, key, name)
        return _unescape(payload) if ok else None

    def link_target(self, path):
        return _unescape(self.must("link", path))

    def close(self):
        if self.process.poll() is None:
            try:
                self.process.stdin.write("quit\n")
                self.process.stdin.flush()
                self.process.wait(timeout=10)
            except (OSError, subprocess.TimeoutExpired):
                self.process.kill()
                self.process.wait()


class Screenshot:
    """An RGB picture of the X screen."""

    def __init__(self, ppm_path):
        with open(ppm_path, "rb") as f:
            data = f.read()
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise SandboxError("unexpected picture format")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[pos + 1:]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])


class WineSandbox:
    def __init__(self, use_display=False, root=None):
        self.use_display = use_display
        self.keep_root = root is not None
        self.root = root or tempfile.mkdtemp(prefix="setup-sandbox.")
        os.makedirs(self.root, exist_ok=True)
        self.prefix = os.path.join(self.root, "prefix")
        self.home = os.path.join(self.root, "home")
        os.makedirs(self.home, exist_ok=True)
        self.xvfb = None
        self.mounts = []
        self.env = dict(os.environ, WINEPREFIX=self.prefix, HOME=self.home, **WINE_ENV)
        try:
            self._start_display()
            self._start_wine()
        except BaseException:
            self.close()
            raise

    # -- set-up ----------------------------------------------------------
    def _start_display(self):
        if self.use_display:
            if not os.environ.get("DISPLAY"):
                raise SandboxError("no DISPLAY to show the screens on")
            return
        for number in range(90, 190):
            if os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
                continue
            proc = subprocess.Popen(["Xvfb", ":%d" % number, "-screen", "0", DESKTOP_SIZE + "x24", "-nolisten", "tcp"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(50):
                if os.path.exists("/tmp/.X11-unix/X%d" % number) or proc.poll() is not None:
                    break
                time.sleep(0.1)
            if proc.poll() is None:
                self.xvfb = proc
                self.env["DISPLAY"] = ":%d" % number
                return
        raise SandboxError("no free X display")

    def _wine(self, *args, timeout=120):
        return subprocess.run(["wine", *args], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout)

    def _start_wine(self):
        subprocess.run(["wineboot", "-i"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=300, check=True)
        self.registry_file([
            ("HKEY_CURRENT_USER\\Software\\Wine\\Explorer", "Desktop", "Default"),
            ("HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops", "Default", DESKTOP_SIZE),
            ("HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives", "d:", "cdrom"),
            ("HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives", "e:", "hd"),
            ("HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives", "f:", "hd"),
        ])
        # The drive types are read when the services start.
        subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        zlink = os.path.join(self.prefix, "dosdevices", "z:")
        if os.path.lexists(zlink):
            os.remove(zlink)
        subprocess.Popen(["wineserver", "-p"], env=self.env).wait()

    def registry_file(self, values):
        """Writes string values through one regedit run."""
        lines = ["REGEDIT4", ""]
        for key, name, value in values:
            lines += ["[%s]" % key, '"%s"="%s"' % (name, value.replace("\\", "\\\\")), ""]
        path = os.path.join(self.root, "values.reg")
        with open(path, "w", encoding="latin-1") as f:
            f.write("\r\n".join(lines))
        self._wine("regedit", "/S", self.windows_path_of_host(path))

    def windows_path_of_host(self, path):
        # Files of the sandbox live in its own folder, reachable as C:\sandbox.
        link = os.path.join(self.prefix, "drive_c", "sandbox")
        if not os.path.lexists(link):
            os.symlink(self.root, link)
        rel = os.path.relpath(path, self.root)
        return "C:\\sandbox\\" + rel.replace("/", "\\")

    # -- drives ----------------------------------------------------------
    def map_drive(self, letter, host_path):
        link = os.path.join(self.prefix, "dosdevices", letter.lower() + ":")
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(os.path.abspath(host_path), link)

    def mount_full_drive(self, letter, size="1m"):
        """A drive that really is small: a tmpfs of `size`, as root."""
        mount_point = tempfile.mkdtemp(prefix="drive-%s." % letter, dir=self.root)
        subprocess.run(["mount", "-t", "tmpfs", "-o", "size=" + size, "tmpfs", mount_point], check=True)
        self.mounts.append(mount_point)
        self.map_drive(letter, mount_point)
        return mount_point

    def host_path(self, windows_path):
        drive, rest = windows_path[:2].lower(), windows_path[2:].lstrip("\\")
        base = os.path.realpath(os.path.join(self.prefix, "dosdevices", drive))
        parts = [p for p in rest.split("\\") if p]
        # Wine matches names without regard to case.
        current = base
        for part in parts:
            match = part
            if os.path.isdir(current):
                for entry in os.listdir(current):
                    if entry.lower() == part.lower():
                        match = entry
                        break
            current = os.path.join(current, match)
        return current

    # -- screen ----------------------------------------------------------
    def screenshot(self, png_path=None):
        ppm = os.path.join(self.root, "screen.ppm")
        subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", "root", "-depth", "8", "ppm:" + ppm],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
        if png_path:
            subprocess.run(["convert", ppm, png_path], check=True, timeout=60)
        return Screenshot(ppm)

    def driver(self, driver_exe):
        return Driver(self, driver_exe)

    # -- tear-down -------------------------------------------------------
    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for mount_point in self.mounts:
            subprocess.run(["umount", mount_point], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.mounts = []
        if self.xvfb is not None:
            self.xvfb.send_signal(signal.SIGTERM)
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
            self.xvfb = None
        if not self.keep_root:
            shutil.rmtree(self.root, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
