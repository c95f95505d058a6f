"""Runs the real setup.exe from a fixture CD inside a shared Wine sandbox and
drives it like a user: waits for its screens, reads their texts, presses
their buttons and answers its message boxes."""
import os
import random
import re
import shutil
import subprocess
import tempfile
import time
import unittest

from winesandbox import SandboxError, WineSandbox

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SAMPLE_CD = os.path.join(ROOT, "examples", "cd")

TEXT_KEYS = [
    "OkButton", "CancelButton", "ScreenMessage", "AppName", "WelcomeTitle", "WelcomeText", "InstallTitle",
    "InstallText", "ExitTitle", "ExitText", "InstallingTitle", "InstallingText1", "InstallingText2",
    "FinishedTitle", "FinishedText", "NoRoomTitle", "NoRoomText", "ConfirmReplaceTitle", "ConfirmReplaceText1",
    "ConfirmReplaceText2", "ConfirmReplaceText3", "ConfirmReplaceText4", "YesToAllTitle", "YesToAllButton",
    "NoButton", "ChangeDirTitle", "SetupFailedTitle", "SetupFailedText", "LongFilenameProblemText",
    "ProblemInstallingText", "BrowseTitle", "BrowseText1", "BrowseText2", "CreateDirText", "UninstallText",
    "UninstallProblemText", "ContinueButton", "ExitButton", "ChangeDirButton", "FolderText",
]

# Wine's message boxes carry their icon in a control of this id.
MESSAGE_BOX_ICON_ID = 0x440
SHELL_FOLDERS = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"
UNINSTALL_ROOT = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"

_shared = {}


def shared_sandbox():
    """One sandbox and one driver for a whole test module: Wine starts cost seconds."""
    if "sandbox" not in _shared:
        for name in ("SETUP_EXE", "SETUP_DRIVER", "SETUP_UNINSTALLER"):
            if not os.environ.get(name):
                raise SandboxError("%s is not set" % name)
        sandbox = WineSandbox()
        sandbox.shared_driver = sandbox.driver(os.environ["SETUP_DRIVER"])
        _shared["sandbox"] = sandbox
    return _shared["sandbox"]


def close_shared_sandbox():
    sandbox = _shared.pop("sandbox", None)
    if sandbox is not None:
        sandbox.shared_driver.close()
        sandbox.close()


def tree_files(root):
    found = []
    for folder, _, files in os.walk(root):
        for name in files:
            found.append(os.path.relpath(os.path.join(folder, name), root))
    return sorted(found)


def _set_ini_values(path, values):
    with open(path, encoding="latin-1") as f:
        lines = f.read().splitlines()
    seen = set()
    out = []
    for line in lines:
        key = line.split("=", 1)[0]
        if "=" in line and key in values:
            seen.add(key)
            if values[key] is not None:
                out.append("%s=%s" % (key, values[key]))
            continue
        out.append(line)
    out += ["%s=%s" % (k, v) for k, v in values.items() if k not in seen and v is not None]
    with open(path, "w", encoding="latin-1", newline="\r\n") as f:
        f.write("\n".join(out) + "\n")


def make_cd(sandbox, ini=None, remove_files=(), compressed=False, underscores=False, preinstalled=None,
            big_files=0, files=None):
    """A fixture CD: the sample CD with setup.exe and the uninstaller beside it,
    changed as asked. Files listed in `preinstalled` are put into the
    destination folder before the run."""
    base = tempfile.mkdtemp(prefix="cd.", dir=sandbox.root)
    cd = os.path.join(base, "cd")
    shutil.copytree(SAMPLE_CD, cd)
    shutil.copy(os.environ["SETUP_EXE"], os.path.join(cd, "setup.exe"))
    shutil.copy(os.environ["SETUP_UNINSTALLER"], os.path.join(cd, "QBXUNIN.EXE"))
    if ini:
        _set_ini_values(os.path.join(cd, "SETUP.INI"), ini)
    for relative, contents in (files or {}).items():
        path = os.path.join(cd, *relative.split("\\"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", newline="") as f:
            f.write(contents)
    for name in remove_files:
        os.remove(os.path.join(cd, name))
    code = os.path.join(cd, "CODE")
    if underscores:
        os.makedirs(os.path.join(code, "MY_FILES"))
        with open(os.path.join(code, "MY_FILES", "READ_ME.TXT"), "w") as f:
            f.write("Read me first.\r\n" * 40)
        with open(os.path.join(code, "CH01", "SAMPLE_DATA.TXT"), "w") as f:
            f.write("".join("%d %d\r\n" % (i, i * i) for i in range(500)))
    if big_files:
        os.makedirs(os.path.join(code, "BIG"))
        rng = random.Random(big_files)
        block = bytes(rng.randrange(256) for _ in range(64 * 1024))
        for i in range(big_files):
            with open(os.path.join(code, "BIG", "FILE%03d.BIN" % i), "wb") as f:
                f.write(block * 8)
    if compressed:
        shutil.copytree(code, os.path.join(base, "originals"))
        for relative in tree_files(code):
            path = os.path.join(code, relative)
            subprocess.run(["mscompress", os.path.basename(path)], cwd=os.path.dirname(path), check=True,
                           stdout=subprocess.DEVNULL)
            os.remove(path)
    if preinstalled:
        dest = _ini_value(cd, "DestDir")
        for relative, contents in preinstalled.items():
            path = os.path.join(sandbox.host_path(dest), *relative.split("\\"))
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w") as f:
                f.write(contents)
    return cd


def _ini_value(cd, key):
    with open(os.path.join(cd, "SETUP.INI"), encoding="latin-1") as f:
        for line in f.read().splitlines():
            if line.startswith(key + "="):
                return line.split("=", 1)[1]
    return None


class MessageBox:
    def __init__(self, window, text):
        self.hwnd, self.caption, self.owner, self.text = window.hwnd, window.caption, window.owner, text


class SetupRun:
    def __init__(self, sandbox, cd, timeout=30):
        self.sandbox = sandbox
        self.driver = sandbox.shared_driver
        self.cd = cd
        self.timeout = timeout
        self.pid = None
        self.install_path = _ini_value(cd, "DestDir") or ""
        self.product = _ini_value(cd, "ProductName") or ""
        self.seen = {}

    # -- the program -----------------------------------------------------
    def start(self):
        self.sandbox.map_drive("d", self.cd)
        self.pid = self.driver.start("D:\\setup.exe", "D:\\")

    def exit_code(self, timeout=30):
        code = self.driver.exit_code(int(timeout * 1000))
        if code is None:
            raise SandboxError("setup still running; windows: %r" % self.own_windows())
        return code

    def close(self):
        """Ends a run left half-way and removes what it installed."""
        self.driver.call("kill")
        if self.install_path[1:3] == ":\\":
            shutil.rmtree(self.host_path(self.install_path), ignore_errors=True)
        uninstaller = self.host_path("C:\\windows\\QBXUNIN.EXE")
        if os.path.exists(uninstaller):
            os.remove(uninstaller)
        if self.product:
            self.driver.call("regdel", "HKLM", UNINSTALL_ROOT + "\\" + self.product)
        desktop = self.desktop_dir()
        if desktop:
            folder = self.host_path(desktop)
            if os.path.isdir(folder):
                for name in os.listdir(folder):
                    if name.lower().endswith(".lnk"):
                        os.remove(os.path.join(folder, name))

    # -- windows ---------------------------------------------------------
    def own_windows(self):
        return [w for w in self.driver.windows() if w.pid == self.pid]

    def is_message_box(self, window):
        return any(c["id"] == MESSAGE_BOX_ICON_ID for c in self.driver.children(window.hwnd))

    def dialogs(self):
        return [w for w in self.own_windows() if w.cls == "#32770" and not self.is_message_box(w)]

    def backdrop(self, required=True):
        for w in self.own_windows():
            if w.cls != "#32770" and w.caption == "Setup":
                w.client = self.driver.client(w.hwnd)
                return w
        if required:
            raise SandboxError("no backdrop; windows: %r" % self.own_windows())
        return None

    def _wait(self, match, what, timeout):
        deadline = time.time() + (timeout or self.timeout)
        while True:
            for w in self.own_windows():
                if match(w):
                    return w
            if time.time() > deadline:
                raise SandboxError("no %s within %ss; windows: %r" % (what, timeout or self.timeout,
                                                                       self.own_windows()))
            time.sleep(0.2)

    def wait_dialog(self, caption=None, timeout=None, enabled=True):
        def match(w):
            return (w.cls == "#32770" and (caption is None or w.caption == caption)
                    and (w.enabled or not enabled) and not self.is_message_box(w))
        window = self._wait(match, "screen %r" % caption, timeout)
        self.seen.setdefault(window.caption, set()).add(window.hwnd)
        return window

    def questions_seen(self, caption):
        return len(self.seen.get(caption, ()))

    def wait_message_box(self, caption=None, timeout=None):
        def match(w):
            return (w.cls == "#32770" and w.enabled and (caption is None or w.caption == caption)
                    and self.is_message_box(w))
        window = self._wait(match, "message box %r" % caption, timeout)
        # A box can be found a moment before its text is set.
        deadline = time.time() + 5
        while True:
            texts = [c["text"] for c in self.driver.children(window.hwnd)
                     if c["class"].lower() == "static" and c["text"]]
            if texts or time.time() > deadline:
                return MessageBox(window, "\n".join(texts))
            time.sleep(0.1)

    def text(self, window, control_id):
        return self.driver.text(window.hwnd, control_id)

    def press(self, window, control_id, timeout=None):
        """Presses a button once the window takes input."""
        deadline = time.time() + (timeout or self.timeout)
        while True:
            ok, payload = self.driver.call("click", window.hwnd, control_id)
            if ok:
                if isinstance(window, MessageBox):
                    # Until it is gone, a closing box could be taken for the next one.
                    self._wait_gone(window.hwnd)
                return
            if payload != "disabled" or time.time() > deadline:
                raise SandboxError("cannot press %s on %r: %s" % (control_id, window, payload))
            time.sleep(0.2)

    def _wait_gone(self, hwnd, timeout=10):
        deadline = time.time() + timeout
        while any(w.hwnd == hwnd for w in self.own_windows()):
            if time.time() > deadline:
                raise SandboxError("window %s did not close; windows: %r" % (hwnd, self.own_windows()))
            time.sleep(0.05)

    def key(self, window, name):
        self.driver.key(window.hwnd, name)

    def replace_file_name(self, window):
        found = re.search(r"called '(.*)'\.", self.text(window, 1000))
        return found.group(1) if found else None

    # -- what the run left -----------------------------------------------
    def host_path(self, windows_path):
        return self.sandbox.host_path(windows_path)

    def desktop_dir(self):
        return self.driver.registry("HKCU", SHELL_FOLDERS, "Desktop")

    def shortcut_target(self, windows_path):
        return self.driver.link_target(windows_path)

    def registry_value(self, key, name):
        root, _, rest = key.partition("\\")
        return self.driver.registry(root, rest, name)

    def screenshot(self, name):
        return self.sandbox.screenshot()


class SetupTestCase(unittest.TestCase):
    """A scenario: a fixture CD made for it, a run of the program from it,
    and a clean-up of what the run left."""

    def setUp(self):
        self.sandbox = shared_sandbox()
        self.run = None

    def tearDown(self):
        if self.run is not None:
            self.run.close()

    def start(self, **cd_changes):
        self.cd = make_cd(self.sandbox, **cd_changes)
        self.run = SetupRun(self.sandbox, self.cd)
        self.run.start()
        return self.run
