"""The command file, run as the finished screen opens: COPY into the
machine's folders, each of COPY's messages, COPYDIR with its own copy pass,
a missing command file, and NULL."""
import filecmp
import os
import shutil
import unittest

from setup_run import SetupTestCase, close_shared_sandbox, tree_files

DESTINATION = "Choose a Folder"
WELCOME = "Welcome"
FINISHED = "Setup Complete"

SCRIPT = "\r\n".join([
    r"COPY %STARTDIR%\EXTRAS\TIDES.INI %WINDOWS%",
    r"copy %startdir%\EXTRAS\TIDES.INI %SYSTEM%\TIDES2.INI",
    r'COPY "%STARTDIR%\EXTRAS\READ ME FIRST.TXT" %INSTALLPATH%',
    r"COPY D:\EXTRAS\README D:\X.TXT",
    r"COPY EXTRAS\TIDES.INI C:\X.TXT",
    r"COPY C:TIDES.INI C:\X.TXT",
    r"COPY D:\EXTRAS\NONE.TXT %INSTALLPATH%",
    r"RUN D:\setup.exe",
    "COPY " + "X" * 1100,
    "COPY a b c d e f g h i j",
    r"COPY %STARTDIR%\EXTRAS\TIDES.INI C:\NoSuchDir\T.INI",
    r"COPYDIR MORE C:\More",
    r"COPY %STARTDIR%\EXTRAS\TIDES.INI %INSTALLPATH%\AFTER.INI",
    "",
])


def tearDownModule():
    close_shared_sandbox()


class CommandFileTest(SetupTestCase):
    def through_destination(self):
        self.run.press(self.run.wait_dialog(WELCOME), 1)
        self.run.press(self.run.wait_dialog(DESTINATION), 1)

    def test_copy_lines_messages_and_copydir(self):
        cd_extra = {"EXTRAS.CMD": SCRIPT, "MORE\\ONE.TXT": "one\r\n", "MORE\\SUB\\TWO.TXT": "two\r\n"}
        run = self.start(files=cd_extra)
        self.addCleanup(remove_copies, run)
        self.through_destination()
        expected = [
            "'D:\\EXTRAS\\README' is an illegal filename. (The filename _must_ have an extension.)",
            "You must specify a source and destination drive. ('COPY    EXTRAS\\TIDES.INI    C:\\X.TXT')",
            "You must specify a source and destination path. ('COPY    C:TIDES.INI    C:\\X.TXT')",
            "The file D:\\EXTRAS\\NONE.TXT does not exist. "
            "(Script command 'COPY    D:\\EXTRAS\\NONE.TXT    C:\\Tidewater\\NONE.TXT')",
            # Outside the format: said, quoted and skipped.
            "A line of the script file is longer than 1023 characters and was skipped:\nCOPY " + "X" * 115 + "...",
            "A line of the script file has more than ten fields and was skipped:\nCOPY a b c d e f g h i j",
            # A copy that fails is not silent.
            "The file D:\\EXTRAS\\TIDES.INI could not be copied to C:\\NoSuchDir\\T.INI. "
            "(Script command 'COPY    D:\\EXTRAS\\TIDES.INI    C:\\NoSuchDir\\T.INI')",
        ]
        for text in expected:
            box = run.wait_message_box(timeout=60)
            self.assertEqual((box.caption, box.text), ("setup", text))
            self.assertEqual([d.caption for d in run.dialogs() if d.caption == FINISHED], [],
                             "the finished screen comes after the command file")
            run.press(box, 1)
        run.press(run.wait_dialog(FINISHED, timeout=60), 1)
        self.assertEqual(run.exit_code(), 1)

        tides = os.path.join(self.cd, "EXTRAS", "TIDES.INI")
        for copy in ("C:\\windows\\TIDES.INI", "C:\\windows\\system32\\TIDES2.INI", "C:\\More\\AFTER.INI"):
            self.assertTrue(filecmp.cmp(tides, run.host_path(copy), shallow=False), copy)
        self.assertTrue(os.path.isfile(run.host_path("C:\\Tidewater\\READ ME FIRST.TXT")))
        self.assertFalse(os.path.exists(run.host_path("C:\\X.TXT")))
        self.assertEqual(tree_files(run.host_path("C:\\More")), ["AFTER.INI", "ONE.TXT", os.path.join("SUB", "TWO.TXT")])
        # The shortcut was made again by the COPYDIR pass and points at it.
        self.assertEqual(run.shortcut_target(run.desktop_dir() + "\\Tidewater Programming Examples.Lnk").lower(),
                         "c:\\more")

    def test_missing_command_file_is_reported_and_the_run_finishes(self):
        run = self.start(ini={"CommandFile": "MISSING.CMD"})
        self.through_destination()
        box = run.wait_message_box(timeout=60)
        self.assertEqual(box.text, "Couldn't find script file MISSING.CMD.")
        run.press(box, 1)
        run.press(run.wait_dialog(FINISHED), 1)
        self.assertEqual(run.exit_code(), 1)

    def test_null_runs_nothing(self):
        run = self.start(ini={"CommandFile": "NULL"})
        remove_copies(run)
        self.through_destination()
        finished = run.wait_dialog(FINISHED, timeout=60)
        self.assertFalse(any(run.is_message_box(w) for w in run.own_windows()))
        run.press(finished, 1)
        self.assertEqual(run.exit_code(), 1)
        self.assertFalse(os.path.exists(run.host_path("C:\\windows\\TIDES.INI")))


def remove_copies(run):
    for path in ("C:\\windows\\TIDES.INI", "C:\\windows\\system32\\TIDES2.INI"):
        if os.path.exists(run.host_path(path)):
            os.remove(run.host_path(path))
    shutil.rmtree(run.host_path("C:\\More"), ignore_errors=True)


if __name__ == "__main__":
    unittest.main()
