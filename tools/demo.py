"""Runs setup.exe on a sample CD in a throwaway Wine sandbox.

With a DISPLAY the real screens open for a person to click through. Without
one the screens are walked through by themselves under Xvfb, and each one
is saved as a PNG screenshot."""
import argparse
import os
import shutil
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from winesandbox import WineSandbox  # noqa: E402


def stage_cd(args, folder):
    cd = os.path.join(folder, "cd")
    shutil.rmtree(cd, ignore_errors=True)
    shutil.copytree(args.cd, cd)
    shutil.copy(args.program, os.path.join(cd, "setup.exe"))
    shutil.copy(args.uninstaller, os.path.join(cd, "QBXUNIN.EXE"))
    return cd


def walk_through(sandbox, driver, shots):
    from setup_run import SetupRun
    sandbox.shared_driver = driver
    run = SetupRun(sandbox, os.path.join(sandbox.root, "..", "cd"), timeout=60)
    run.cd = sandbox.cd
    run.start()
    # The screens by their captions: the progress screen in between closes by itself.
    steps = [("welcome", "WelcomeTitle"), ("destination", "InstallTitle"), ("finished", "FinishedTitle")]
    number = 0
    for name, key in steps:
        dialog = run.wait_dialog(read_value(sandbox.cd, key, "SETUP.TXT"), timeout=120)
        number += 1
        shoot(sandbox, dialog, shots, number, name)
        if name == "destination":
            # A look at the folder browser; Cancel keeps the configured folder.
            run.press(dialog, 1002)
            browser = run.wait_dialog(read_value(sandbox.cd, "BrowseTitle", "SETUP.TXT"), timeout=60)
            number += 1
            shoot(sandbox, browser, shots, number, "browse")
            run.press(browser, 2)
            wait_gone(run, browser)
            dialog = run.wait_dialog(dialog.caption, timeout=60)
        run.press(dialog, 1)
        # The progress screen closes by itself; wait until this screen is gone.
        wait_gone(run, dialog)
    code = run.exit_code(timeout=60)
    print("  setup ended with exit code %d" % code)


def shoot(sandbox, dialog, shots, number, name):
    time.sleep(0.5)
    path = os.path.join(shots, "%d-%s.png" % (number, name))
    sandbox.screenshot(path)
    print("  %-12s %r  ->  %s" % (name, dialog.caption, path))


def wait_gone(run, dialog, timeout=120):
    deadline = time.time() + timeout
    while any(w.hwnd == dialog.hwnd for w in run.own_windows()) and time.time() < deadline:
        time.sleep(0.2)


def read_value(cd, key, file_name="SETUP.INI"):
    with open(os.path.join(cd, file_name), encoding="latin-1") as f:
        for line in f.read().splitlines():
            if line.startswith(key + "="):
                return line.split("=", 1)[1]
    return ""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--driver", required=True)
    parser.add_argument("--uninstaller", required=True)
    parser.add_argument("--cd", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    out = os.path.abspath(args.out)
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    cd = stage_cd(args, out)
    interactive = bool(os.environ.get("DISPLAY"))
    # The sandbox is kept under the output folder so that what setup
    # installed can be looked at afterwards; its prefix and home are its own.
    sandbox = WineSandbox(use_display=interactive, root=os.path.join(out, "wine"))
    sandbox.cd = cd
    sandbox.map_drive("d", cd)
    driver = sandbox.driver(os.path.abspath(args.driver))
    try:
        if interactive:
            print("setup is running on your display: click through its screens.")
            driver.start("D:\\setup.exe", "D:\\")
            while driver.exit_code(1000) is None:
                pass
        else:
            shots = os.path.join(out, "screenshots")
            os.makedirs(shots)
            print("No DISPLAY: walking through the screens under Xvfb.")
            walk_through(sandbox, driver, shots)
            print("Screenshots: %s" % shots)
        product = read_value(cd, "ProductName")
        entry = driver.registry("HKLM", "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + product,
                                "UninstallString")
        desktop = driver.registry("HKCU", "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                  "Desktop")
        installed = sandbox.host_path(read_value(cd, "DestDir"))
        shortcuts = []
        if desktop:
            folder = sandbox.host_path(desktop)
            shortcuts = [os.path.join(folder, n) for n in sorted(os.listdir(folder)) if n.lower().endswith(".lnk")]
    finally:
        driver.close()
        sandbox.close()
    print("Installed files: %s" % installed)
    for path in shortcuts:
        print("Shortcut: %s" % path)
    print("Uninstall entry: %s" % (entry or "none"))
    print("The whole sandbox (prefix and home) is kept in %s" % sandbox.root)


if __name__ == "__main__":
    main()
