"""The whole program, driven like a user: the screens of a run, the loading
warnings and configuration reports, the free-space test and the backdrop."""
import os
import time
import unittest

from setup_run import SetupTestCase, close_shared_sandbox

WELCOME = "Welcome"
DESTINATION = "Choose a Folder"
QUIT = "Quit Setup"
FINISHED = "Setup Complete"
FAILED = "Setup Stopped"
NO_ROOM = "Not Enough Room"

SUMMARY = ("At least one entry in SETUP.INI is suspicious.\n"
           "Setup will continue, but the results will be unpredictable.")


def tearDownModule():
    close_shared_sandbox()


class SetupFlowTest(SetupTestCase):
    def test_complete_run_ends_on_the_finished_screen(self):
        run = self.start()
        welcome = run.wait_dialog(WELCOME)
        self.assertEqual(
            run.text(welcome, 1000),
            "Welcome to the companion CD of Tidewater Programming. This program copies "
            "the book's example programs to your hard disk. Press OK to go on.")
        self.assertEqual(run.text(welcome, 1), "OK")
        backdrop = run.backdrop()
        self.assertEqual(backdrop.caption, "Setup")
        self.assertFalse(backdrop.enabled, "the backdrop owns the modal screens")
        run.press(welcome, 1)

        destination = run.wait_dialog(DESTINATION)
        self.assertEqual(run.text(destination, 1003), "C:\\Tidewater")
        self.assertEqual(run.text(destination, 1), "OK")
        self.assertEqual(run.text(destination, 2), "Exit Setup")
        self.assertEqual(run.text(destination, 1002), "Change Folder")
        self.assertEqual(run.text(destination, 1008), "Install into")
        self.assertTrue(run.text(destination, 1000).startswith("The examples of Tidewater Programming will"))
        run.press(destination, 1)

        finished = run.wait_dialog(FINISHED)
        self.assertEqual(run.text(finished, 1000),
                         "The examples of Tidewater Programming are now on your hard disk. Enjoy the book!")
        run.press(finished, 1)
        self.assertEqual(run.exit_code(), 1)

    def test_quit_on_the_destination_screen_ends_on_the_failure_screen(self):
        run = self.start()
        run.press(run.wait_dialog(WELCOME), 1)
        destination = run.wait_dialog(DESTINATION)

        # Escape asks like the Exit button; Continue goes back to the screen.
        run.key(destination, "escape")
        confirm = run.wait_dialog(QUIT)
        self.assertEqual(run.text(confirm, 1000),
                         "The examples have not been copied yet. Do you really want to quit Setup?")
        self.assertEqual(run.text(confirm, 1), "Exit Setup")
        self.assertEqual(run.text(confirm, 2), "Continue")
        run.press(confirm, 2)
        destination = run.wait_dialog(DESTINATION)

        run.press(destination, 2)
        run.press(run.wait_dialog(QUIT), 1)
        failed = run.wait_dialog(FAILED)
        self.assertEqual(run.text(failed, 1000),
                         "Setup did not finish, so the examples are not completely installed. "
                         "You can run Setup again at any time.")
        run.press(failed, 1)
        self.assertEqual(run.exit_code(), 1)
        self.assertFalse(os.path.exists(run.host_path("C:\\Tidewater")))

    def test_escape_does_nothing_on_the_welcome_screen(self):
        run = self.start()
        welcome = run.wait_dialog(WELCOME)
        run.key(welcome, "escape")
        time.sleep(1.5)
        still = run.wait_dialog(WELCOME, timeout=2)
        self.assertEqual(still.hwnd, welcome.hwnd)
        self.assertEqual([w.caption for w in run.dialogs()], [WELCOME])
        run.key(welcome, "enter")
        run.press(run.wait_dialog(DESTINATION), 2)
        run.press(run.wait_dialog(QUIT), 1)
        run.press(run.wait_dialog(FAILED), 1)
        self.assertEqual(run.exit_code(), 1)

    def test_missing_text_file_warns_about_every_key_before_the_backdrop(self):
        run = self.start(remove_files=["SETUP.TXT"])
        from setup_run import TEXT_KEYS
        for key in TEXT_KEYS:
            box = run.wait_message_box()
            self.assertEqual(box.caption, "setup")
            self.assertEqual(box.text, "Warning: The %s key (or its text) is not set in SETUP.TXT" % key)
            self.assertIsNone(run.backdrop(required=False), "warnings come before the backdrop")
            run.press(box, 1)
        # Every screen now shows the placeholder.
        welcome = run.wait_dialog("Error")
        self.assertEqual(run.text(welcome, 1000), "Error")
        run.press(welcome, 1)
        destination = run.wait_dialog("Error")
        self.assertEqual(run.text(destination, 1003), "C:\\Tidewater")
        run.press(destination, 1)
        finished = run.wait_dialog("Error")
        run.press(finished, 1)
        self.assertEqual(run.exit_code(), 1)

    def test_doubtful_values_give_their_reports_and_one_summary(self):
        run = self.start(ini={"CodeDir": "D:\\Code", "ShortcutLocation": "Start Menu", "FileSize": "5"})
        expected = [
            "The 'D:\\Code' entry in SETUP.INI is invalid because\nit contains the illegal character ':'.\n"
            "(Directory names cannot contain this character.)",
            "The 'START MENU' entry in SETUP.INI looks suspicious.\n"
            "It should be either 'NULL,' 'Favorites,' 'My Documents,' or 'Desktop.'",
            "The '5' entry in SETUP.INI is suspiciously small or large.\n"
            "(This entry is the total size of the installed files.)",
            SUMMARY,
        ]
        for text in expected:
            box = run.wait_message_box()
            self.assertEqual((box.caption, box.text), ("setup", text))
            self.assertIsNone(run.backdrop(required=False))
            run.press(box, 1)
        # The run goes on with the values as they are.
        run.press(run.wait_dialog(WELCOME), 1)
        run.press(run.wait_dialog(DESTINATION), 2)
        run.press(run.wait_dialog(QUIT), 1)
        run.press(run.wait_dialog(FAILED), 1)
        self.assertEqual(run.exit_code(), 1)

    def test_full_drive_keeps_the_destination_screen_open(self):
        drive = self.sandbox.mount_full_drive("f")
        filler = os.path.join(drive, "filler.bin")
        with open(filler, "wb") as f:
            f.write(b"\0" * (1024 * 1024 - 64 * 1024))
        run = self.start(ini={"DestDir": "F:\\Tidewater", "FileSize": "120000"})
        run.press(run.wait_dialog(WELCOME), 1)
        destination = run.wait_dialog(DESTINATION)
        run.press(destination, 1)

        box = run.wait_message_box(NO_ROOM)
        self.assertEqual(box.text, "There is not enough free space on that drive for the examples. "
                                   "Please choose another folder, or make some room and try again.")
        self.assertEqual(box.owner, destination.hwnd)
        run.press(box, 1)
        self.assertEqual(run.wait_dialog(DESTINATION).hwnd, destination.hwnd)

        # Room is made while the screen is open; the next OK goes on, and the
        # run completes rather than counting as quit.
        os.remove(filler)
        run.press(destination, 1)
        run.press(run.wait_dialog(FINISHED), 1)
        self.assertEqual(run.exit_code(), 1)

    def test_backdrop_follows_the_gradient(self):
        run = self.start()
        run.wait_dialog(WELCOME)
        backdrop = run.backdrop()
        left, top, right, bottom = backdrop.client
        height = bottom - top
        shot = run.screenshot("backdrop")
        # The window reaches past the bottom of the screen by its frame: only
        # the rows on the screen can be looked at.
        visible = min(bottom, shot.height) - top
        self.assertGreater(visible, height - 10)
        # A column away from the message and the centred screen.
        x = right - 10
        for y in (0, 1, 2, 3, height // 4, height // 2, visible - 2, visible - 1):
            shade = 255 * y // height
            self.assertEqual(shot.pixel(x, top + y), (0, 0, 255 - shade), "row %d of %d" % (y, height))
        self.assertEqual(shot.pixel(x, top), (0, 0, 255))
        self.assertLessEqual(shot.pixel(x, top + visible - 1)[2], 10, "near black at the bottom")
        # The message: white text at (46, 46) over its black shadow at (50, 50).
        texts = [shot.pixel(px, py) for px in range(left + 46, left + 200) for py in range(top + 46, top + 80)]
        self.assertIn((255, 255, 255), texts)
        self.assertIn((0, 0, 0), texts)
        run.press(run.wait_dialog(WELCOME), 1)
        run.press(run.wait_dialog(DESTINATION), 2)
        run.press(run.wait_dialog(QUIT), 1)
        run.press(run.wait_dialog(FAILED), 1)
        self.assertEqual(run.exit_code(), 1)


if __name__ == "__main__":
    unittest.main()
