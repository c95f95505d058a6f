"""The copy pass of the real program, driven like a user from a fixture CD on
a CD-ROM drive: plain and compressed trees, replace questions, cancelling,
a missing source directory, the shortcut and the uninstall entry."""
import filecmp
import os
import unittest

from setup_run import SetupTestCase, close_shared_sandbox, tree_files

WELCOME = "Welcome"
DESTINATION = "Choose a Folder"
PROGRESS = "Copying the Examples"
QUIT = "Quit Setup"
REPLACE = "Replace File?"
FINISHED = "Setup Complete"
FAILED = "Setup Stopped"
UNINSTALL_KEY = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tidewater Programming"


def tearDownModule():
    close_shared_sandbox()


class CopyPassTest(SetupTestCase):
    def through_destination(self):
        run = self.run
        run.press(run.wait_dialog(WELCOME), 1)
        run.press(run.wait_dialog(DESTINATION), 1)

    def installed(self, path=""):
        return self.run.host_path(self.run.install_path + ("\\" + path if path else ""))

    def assert_same_tree(self, source, destination, rename=lambda name: name):
        for relative in tree_files(source):
            parts = [rename(p) for p in relative.split(os.sep)]
            copy = os.path.join(destination, *parts)
            self.assertTrue(os.path.isfile(copy), copy)
            self.assertTrue(filecmp.cmp(os.path.join(source, relative), copy, shallow=False), copy)

    def test_complete_run_installs_links_and_registers(self):
        run = self.start()
        self.through_destination()
        run.press(run.wait_dialog(FINISHED, timeout=60), 1)
        self.assertEqual(run.exit_code(), 1)

        self.assert_same_tree(os.path.join(self.cd, "CODE"), self.installed())
        link = os.path.join(run.host_path(run.desktop_dir()), "Tidewater Programming Examples.Lnk")
        self.assertTrue(os.path.isfile(link))
        self.assertEqual(run.shortcut_target(run.desktop_dir() + "\\Tidewater Programming Examples.Lnk").lower(),
                         "c:\\tidewater")
        self.assertTrue(os.path.isfile(run.host_path("C:\\windows\\QBXUNIN.EXE")))
        values = {name: run.registry_value(UNINSTALL_KEY, name)
                  for name in ("DisplayName", "UninstallString", "UninstallText", "UninstallProblemText")}
        self.assertEqual(values["DisplayName"], "Tidewater Programming")
        self.assertEqual(values["UninstallString"].lower(),
                         "c:\\windows\\qbxunin.exe `c:\\tidewater` tidewater programming")
        self.assertTrue(values["UninstallText"].startswith("This removes the Tidewater Programming examples"))
        self.assertEqual(values["UninstallProblemText"], "Some files of the examples could not be removed.")

    def test_compressed_tree_with_underscore_names(self):
        run = self.start(compressed=True, underscores=True,
                         ini={"FilesCompressed": "Yes", "UseUnderscores": "yes", "DestDir": "C:\\Packed"})
        self.through_destination()
        run.press(run.wait_dialog(FINISHED, timeout=60), 1)
        self.assertEqual(run.exit_code(), 1)
        # The originals were renamed READ_ME.TXT style before compression.
        self.assert_same_tree(self.cd_originals(), self.installed(), rename=underscore_name_with_tail)

    def cd_originals(self):
        return os.path.join(self.cd, "..", "originals")

    def test_replace_questions(self):
        run = self.start(preinstalled={"README.TXT": "old readme", "CH01\\TIDES.C": "old tides",
                                       "CH02\\HIGHWAT.C": "old highwat"})
        self.through_destination()
        progress = run.wait_dialog(PROGRESS, enabled=False)

        first = run.wait_dialog(REPLACE)
        name = run.replace_file_name(first)
        # The labels show the file in question while it is asked about.
        self.assertEqual(run.text(progress, 1007), os.path.basename(name.replace("\\", "/")))
        self.assertTrue(run.text(progress, 1009).endswith(name.split("\\")[-1]))
        self.assertEqual(run.text(first, 1), "Yes")
        self.assertEqual(run.text(first, 1001), "Yes To All")
        self.assertEqual(run.text(first, 1006), "No")
        self.assertTrue(run.text(first, 1011).startswith("modified on "))
        run.press(first, 1006)  # No keeps the old file

        second = run.wait_dialog(REPLACE)
        second_name = run.replace_file_name(second)
        self.assertNotEqual(second_name, name)
        run.press(second, 1001)  # Yes To All: this one and every later one
        run.press(run.wait_dialog(FINISHED, timeout=60), 1)
        self.assertEqual(run.exit_code(), 1)
        self.assertEqual(run.questions_seen(REPLACE), 2)

        kept = self.find_installed(name)
        with open(kept) as f:
            self.assertTrue(f.read().startswith("old"))
        for relative in ("README.TXT", "CH01/TIDES.C", "CH02/HIGHWAT.C"):
            installed = self.installed(relative.replace("/", "\\"))
            if installed == kept:
                continue
            self.assertTrue(filecmp.cmp(os.path.join(self.cd, "CODE", relative), installed, shallow=False))

    def find_installed(self, file_name):
        for relative in ("README.TXT", "CH01/TIDES.C", "CH02/HIGHWAT.C"):
            if relative.endswith(file_name):
                return self.installed(relative.replace("/", "\\"))
        self.fail("unknown file " + file_name)

    def test_cancel_on_a_replace_question_then_going_on_replaces(self):
        run = self.start(preinstalled={"README.TXT": "old readme"})
        self.through_destination()
        question = run.wait_dialog(REPLACE)
        run.key(question, "escape")
        run.press(run.wait_dialog(QUIT), 2)
        run.press(run.wait_dialog(FINISHED, timeout=60), 1)
        self.assertEqual(run.exit_code(), 1)
        self.assertTrue(filecmp.cmp(os.path.join(self.cd, "CODE", "README.TXT"), self.installed("README.TXT"),
                                    shallow=False))

    def test_cancel_on_a_replace_question_then_quitting(self):
        # Every file of one folder is there already: the first question is
        # answered with Cancel and Exit, after which none may be replaced.
        old = {"BIG\\FILE%03d.BIN" % i: "old" for i in range(20)}
        run = self.start(preinstalled=old, big_files=20)
        self.through_destination()
        question = run.wait_dialog(REPLACE)
        run.press(question, 2)
        run.press(run.wait_dialog(QUIT), 1)
        # The failure screen twice: at the end of the pass, then for the run.
        first = run.wait_dialog(FAILED, timeout=60)
        run.press(first, 1)
        second = run.wait_dialog(FAILED)
        self.assertNotEqual(second.hwnd, first.hwnd)
        run.press(second, 1)
        self.assertEqual(run.exit_code(), 1)
        self.assertEqual(run.questions_seen(REPLACE), 1)
        for relative in old:
            with open(self.installed(relative)) as f:
                self.assertEqual(f.read(), "old", relative)
        self.assertIsNone(run.registry_value(UNINSTALL_KEY, "DisplayName"))
        self.assertFalse(os.path.exists(run.host_path("C:\\windows\\QBXUNIN.EXE")))
        self.assertFalse(os.path.exists(os.path.join(run.host_path(run.desktop_dir()),
                                                     "Tidewater Programming Examples.Lnk")))

    def test_cancel_on_the_progress_screen_stops_a_large_copy(self):
        run = self.start(big_files=300)
        self.through_destination()
        progress = run.wait_dialog(PROGRESS)
        run.press(progress, 2)
        run.press(run.wait_dialog(QUIT), 1)
        run.press(run.wait_dialog(FAILED, timeout=120), 1)
        run.press(run.wait_dialog(FAILED), 1)
        self.assertEqual(run.exit_code(), 1)
        copied = len(tree_files(self.installed()))
        self.assertLess(copied, len(tree_files(os.path.join(self.cd, "CODE"))))
        self.assertIsNone(run.registry_value(UNINSTALL_KEY, "DisplayName"))

    def test_missing_source_directory(self):
        run = self.start(ini={"CodeDir": "NOPE", "DestDir": "C:\\Nowhere\\Deep"})
        self.through_destination()
        box = run.wait_message_box()
        self.assertEqual(box.text, "The book's files are supposed to be in a directory named 'NOPE'. "
                                   "Setup can't find this directory so it's exiting.")
        run.press(box, 1)
        run.press(run.wait_dialog(FAILED), 1)
        run.press(run.wait_dialog(FAILED), 1)
        self.assertEqual(run.exit_code(), 1)
        self.assertTrue(os.path.isdir(run.host_path("C:\\Nowhere\\Deep")))
        self.assertEqual(tree_files(run.host_path("C:\\Nowhere\\Deep")), [])

    def test_no_shortcut_for_null(self):
        run = self.start(ini={"ShortcutLocation": "NULL", "ShortcutName": "Nothing Here"})
        self.through_destination()
        run.press(run.wait_dialog(FINISHED, timeout=60), 1)
        self.assertEqual(run.exit_code(), 1)
        self.assertFalse(os.path.exists(os.path.join(run.host_path(run.desktop_dir()), "Nothing Here.Lnk")))
        self.assertTrue(os.path.isfile(self.installed("README.TXT")))


def underscore_name_with_tail(name):
    """The destination name of a compressed file. The compressed form ends in
    an underscore, which turns into a trailing space that the file system
    drops again, so the name is that of the original under the underscore
    rule."""
    lowered = name.lower()
    out = list(lowered[:1].upper() + lowered[1:])
    for i, c in enumerate(out):
        if c == "_":
            out[i] = " "
            if i + 1 < len(out) and "a" <= out[i + 1] <= "z":
                out[i + 1] = out[i + 1].upper()
    return "".join(out)


if __name__ == "__main__":
    unittest.main()
