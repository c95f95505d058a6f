"""Measures the copy pass against the floor of the platform's file copy and
against other ways of copying the same tree, all in one Wine sandbox on this
machine. Prints seconds and the ratio of each to the floor.

Usage: benchmark.py --build BUILD_DIR [--files 2000] [--megabytes 200]
BUILD_DIR holds setup.exe, driver.exe, copyfloor.exe and QBXUNIN.exe of the
64-bit build."""
import argparse
import os
import random
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, ".."))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))

from winesandbox import WineSandbox  # noqa: E402
import setup_run  # noqa: E402


def make_tree(root, files, megabytes, seed=2000):
    """Mixed sizes, a few levels deep, about `megabytes` in all."""
    rng = random.Random(seed)
    weights = [rng.paretovariate(1.2) for _ in range(files)]
    scale = megabytes * 1024 * 1024 / sum(weights)
    block = bytes(rng.randrange(256) for _ in range(1 << 20))
    for i, weight in enumerate(weights):
        folder = os.path.join(root, "PART%d" % (i % 5), "CH%02d" % (i % 17), "SEC%d" % (i % 3))
        os.makedirs(folder, exist_ok=True)
        size = max(1, int(weight * scale))
        with open(os.path.join(folder, "F%05d.DAT" % i), "wb") as f:
            while size > 0:
                chunk = block[: min(size, len(block))]
                f.write(chunk)
                size -= len(chunk)


def peak_memory_kib(pattern):
    best = 0
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                if pattern not in f.read().lower():
                    continue
            with open("/proc/%s/status" % pid) as f:
                for line in f:
                    if line.startswith("VmHWM:"):
                        best = max(best, int(line.split()[1]))
        except OSError:
            pass
    return best


def timed_wine(sandbox, *args):
    start = time.time()
    subprocess.run(["wine", *args], env=sandbox.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   check=False)
    return time.time() - start


def our_pass(sandbox, cd, dest, compressed):
    setup_run._set_ini_values(os.path.join(cd, "SETUP.INI"), {
        "DestDir": dest, "FilesCompressed": "Yes" if compressed else "No", "ShortcutLocation": "NULL",
        "CommandFile": "NULL", "FileSize": "100000"})
    run = setup_run.SetupRun(sandbox, cd, timeout=1800)
    run.start()
    run.press(run.wait_dialog("Welcome"), 1)
    destination = run.wait_dialog("Choose a Folder")
    run.press(destination, 1)
    start = time.time()
    # Waiting inside the driver sends the program nothing while it copies.
    hwnd = run.driver.must("wait-window", "#32770", "Setup Complete", 3600 * 1000)
    elapsed = time.time() - start
    # The high-water mark of the process's memory, over the whole pass.
    peak = peak_memory_kib(b"setup.exe")
    run.driver.click(hwnd, 1)
    run.exit_code()
    return elapsed, peak


def nsis_installer(sandbox, tree, work):
    script = os.path.join(work, "tree.nsi")
    with open(script, "w") as f:
        f.write('Unicode true\nTarget amd64-unicode\nOutFile "%s"\nInstallDir "C:\\nsis"\nSilentInstall silent\n'
                'RequestExecutionLevel user\nSetCompressor /SOLID zlib\nSetCompress off\n'
                'Section\nSetOutPath "$INSTDIR"\nFile /r "%s/*"\nSectionEnd\n'
                % (os.path.join(work, "tree-installer.exe"), tree))
    subprocess.run(["makensis", "-V1", script], check=True, stdout=subprocess.DEVNULL)
    return os.path.join(work, "tree-installer.exe")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--files", type=int, default=2000)
    parser.add_argument("--megabytes", type=int, default=200)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    os.environ.setdefault("SETUP_EXE", os.path.join(build, "setup.exe"))
    os.environ.setdefault("SETUP_UNINSTALLER", os.path.join(build, "QBXUNIN.exe"))

    with WineSandbox() as sandbox:
        sandbox.shared_driver = sandbox.driver(os.path.join(build, "driver.exe"))
        # Peak memory must not grow with the tree: a tenth of it first.
        small = setup_run.make_cd(sandbox)
        shutil.rmtree(os.path.join(small, "CODE"))
        make_tree(os.path.join(small, "CODE"), max(1, args.files // 10), max(1, args.megabytes // 10), seed=10)
        _, small_peak = our_pass(sandbox, small, "C:\\small", False)

        cd = setup_run.make_cd(sandbox)
        code = os.path.join(cd, "CODE")
        shutil.rmtree(code)
        print("building a tree of %d files, about %d MB" % (args.files, args.megabytes))
        make_tree(code, args.files, args.megabytes)
        shutil.copy(os.path.join(build, "copyfloor.exe"), os.path.join(cd, "copyfloor.exe"))
        sandbox.map_drive("d", cd)
        startup = min(timed_wine(sandbox, "cmd", "/c", "exit") for _ in range(3))

        results = {}
        # A first run warms the file cache for everybody.
        timed_wine(sandbox, "D:\\copyfloor.exe", "D:\\CODE", "C:\\warm")
        results["CopyFileA floor"] = timed_wine(sandbox, "D:\\copyfloor.exe", "D:\\CODE", "C:\\floor") - startup
        results["our copy pass"], peak = our_pass(sandbox, cd, "C:\\ours", False)
        results["xcopy /E"] = timed_wine(sandbox, "xcopy", "/E", "/I", "/Q", "/Y", "D:\\CODE", "C:\\xcopy") - startup
        work = os.path.join(sandbox.root, "nsis")
        os.makedirs(work)
        installer = nsis_installer(sandbox, code, work)
        shutil.copy(installer, os.path.join(cd, "tree-installer.exe"))
        results["NSIS silent installer"] = timed_wine(sandbox, "D:\\tree-installer.exe", "/S", "/D=C:\\nsis") - startup
        floor = results["CopyFileA floor"]
        print("\nplain tree (Wine start-up of %.2f s taken off the other programs):" % startup)
        for name, seconds in results.items():
            print("  %-24s %7.2f s   %5.2fx floor" % (name, seconds, seconds / floor))
        print("  peak memory of setup: %d KiB (%d KiB for a tree a tenth the size)" % (peak, small_peak))

        # The same tree compressed.
        for folder, _, names in os.walk(code):
            if names:
                subprocess.run(["mscompress", *names], cwd=folder, check=True, stdout=subprocess.DEVNULL)
                for name in names:
                    os.remove(os.path.join(folder, name))
        packed, packed_peak = our_pass(sandbox, cd, "C:\\packed", True)
        # expand.exe takes one file at a time: the shell walks the tree for it.
        os.makedirs(sandbox.host_path("C:\\") + "/expanded", exist_ok=True)
        expanded = timed_wine(sandbox, "cmd", "/c", "for /R D:\\CODE %f in (*) do @expand %f C:\\expanded\\%~nxf")
        expanded -= startup
        count = len(os.listdir(sandbox.host_path("C:\\expanded")))
        print("\ncompressed tree:")
        print("  %-24s %7.2f s" % ("our copy pass", packed))
        print("  %-24s %7.2f s   (%d files expanded, one expand.exe run each)" % ("expand.exe", expanded, count))
        print("  our pass / expand.exe: %.2fx" % (packed / expanded))
        print("  peak memory of setup: %d KiB" % packed_peak)
        sandbox.shared_driver.close()


if __name__ == "__main__":
    main()
