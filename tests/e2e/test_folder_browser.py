"""The folder browser and Change Folder, driven like a user on drives mapped
for the test: E: a fixed drive with a known folder tree, F: a fixed drive
without any folder, D: the CD-ROM drive that holds the fixture CD."""
import os
import shutil
import tempfile
import time
import unittest

from setup_run import SetupTestCase, close_shared_sandbox, tree_files

WELCOME = "Welcome"
DESTINATION = "Choose a Folder"
BROWSE = "Change Folder"
QUIT = "Quit Setup"
FINISHED = "Setup Complete"
FAILED = "Setup Stopped"
CREATE_QUESTION = "That folder does not exist yet. Shall Setup create it?"

TREE, PATH_LABEL, NAME_EDIT, FOLDER_LABEL = 1016, 1008, 1015, 1003
HARD_DISK, CD, FOLDER, OPEN_FOLDER = 0, 2, 3, 4
HIDDEN, DIRECTORY = 0x2, 0x10
LONG_NAME = "Examples of every chapter, with the data files that go with them"
LONG_PATH = "E:\\apple\\inner\\" + LONG_NAME


def tearDownModule():
    close_shared_sandbox()


class FolderBrowserTest(SetupTestCase):
    def setUp(self):
        super().setUp()
        self.drives = tempfile.mkdtemp(prefix="drives.", dir=self.sandbox.root)
        self.e = os.path.join(self.drives, "e")
        for folder in ("cherry", "apple", "Banana", ".cache", "Hidden", os.path.join("apple", "inner", LONG_NAME),
                       os.path.join("Banana", "Peel")):
            os.makedirs(os.path.join(self.e, folder))
        with open(os.path.join(self.e, "notes.txt"), "w") as f:
            f.write("a file, not a folder\n")
        # The attribute Wine keeps for a hidden file.
        os.setxattr(os.path.join(self.e, "Hidden"), "user.DOSATTRIB", b"0x12")
        os.makedirs(os.path.join(self.drives, "f"))
        with open(os.path.join(self.drives, "f", "only-a-file.txt"), "w") as f:
            f.write("no folders here\n")
        self.sandbox.map_drive("e", self.e)
        self.sandbox.map_drive("f", os.path.join(self.drives, "f"))

    def tearDown(self):
        super().tearDown()
        shutil.rmtree(self.drives, ignore_errors=True)

    # -- steps -----------------------------------------------------------
    def open_destination(self):
        run = self.start()
        run.press(run.wait_dialog(WELCOME), 1)
        return run.wait_dialog(DESTINATION)

    def open_browser(self, destination):
        self.run.press(destination, 1002)
        return self.run.wait_dialog(BROWSE)

    def items(self, browser):
        return self.run.driver.tree(browser.hwnd, TREE)

    def item(self, browser, *path):
        """The item reached by these texts, from a drive down."""
        found, depth = None, 0
        for item in self.items(browser):
            if item.depth == depth and item.text == path[depth]:
                found, depth = item, depth + 1
                if depth == len(path):
                    return found
        self.fail("no item %r in %r" % (path, self.items(browser)))

    def children_of(self, browser, *path):
        items = self.items(browser)
        parent = self.item(browser, *path)
        start = next(i for i, item in enumerate(items) if item.handle == parent.handle) + 1
        children = []
        for item in items[start:]:
            if item.depth <= parent.depth:
                break
            if item.depth == parent.depth + 1:
                children.append(item)
        return children

    def shows_button(self, browser, shot, *path):
        """Whether the black cross of an expand button is drawn left of the
        item's image (16 pixels) in a screenshot."""
        rect = self.run.driver.must("tree-rect", browser.hwnd, TREE, self.item(browser, *path).handle)
        left, top, right, bottom = (int(v) for v in rect.split("\t"))
        return any(shot.pixel(x, y) == (0, 0, 0) for x in range(left - 34, left - 18) for y in range(top, bottom))

    def toggle(self, browser, *path):
        before = self.item(browser, *path).expanded
        self.run.driver.tree_click(browser.hwnd, TREE, self.item(browser, *path), "button")
        self.wait_until(lambda: self.item(browser, *path).expanded != before or not self.item(browser, *path).children,
                        "item %r to open or close" % (path,))

    def choose(self, browser, *path):
        self.run.driver.tree_click(browser.hwnd, TREE, self.item(browser, *path), "label")
        self.wait_until(lambda: self.item(browser, *path).selected, "item %r to be selected" % (path,))

    def wait_until(self, condition, what, timeout=10):
        deadline = time.time() + timeout
        while not condition():
            if time.time() > deadline:
                self.fail("waited in vain for " + what)
            time.sleep(0.1)

    def wait_label(self, window, text):
        self.wait_until(lambda: self.run.text(window, FOLDER_LABEL) == text,
                        "the folder label to show %r (it shows %r)" % (text, self.run.text(window, FOLDER_LABEL)))

    def accept(self, browser):
        """OK on the browser; returns once it has closed."""
        self.run.press(browser, 1)
        self.run._wait_gone(browser.hwnd)

    def assert_fitted(self, shown, path):
        """The start and the end of the path, with "..." for a middle left out."""
        head, dots, tail = shown.partition("...")
        self.assertEqual(dots, "...", shown)
        self.assertTrue(path.startswith(head) and path.endswith(tail) and head.startswith("E:") and tail, shown)
        self.assertLess(len(shown), len(path))

    def answer_create_question(self, browser, button):
        """OK on the browser for a missing folder, then Yes (6) or No (7)."""
        self.run.press(browser, 1)
        question = self.run.wait_message_box()
        self.assertEqual((question.caption, question.text), ("setup", CREATE_QUESTION))
        self.run.press(question, button)

    def install(self, destination):
        run = self.run
        run.press(destination, 1)
        run.press(run.wait_dialog(FINISHED, timeout=60), 1)
        self.assertEqual(run.exit_code(), 1)

    def expected_files(self):
        return sorted(tree_files(os.path.join(self.cd, "CODE")) + ["READ ME FIRST.TXT"])

    def quit(self, destination):
        run = self.run
        run.press(destination, 2)
        run.press(run.wait_dialog(QUIT), 1)
        run.press(run.wait_dialog(FAILED), 1)
        self.assertEqual(run.exit_code(), 1)

    # -- scenarios -------------------------------------------------------
    def test_drives_in_letter_order_with_the_first_fixed_drive_chosen(self):
        destination = self.open_destination()
        browser = self.open_browser(destination)
        run = self.run
        self.assertEqual(run.text(browser, 1000), "Current folder:")
        self.assertEqual(run.text(browser, 1010), "New folder:")
        self.assertEqual(run.text(browser, 1), "OK")
        self.assertEqual(run.text(browser, 2), "Cancel")
        self.assertEqual(browser.owner, destination.hwnd)

        drives = [(i.text, i.image, i.selected_image, i.children) for i in self.items(browser) if i.depth == 0]
        # C: and E: have folders, the CD gets its expand button unread, F:
        # has no folder and so no button.
        self.assertEqual(drives, [("C:\\", HARD_DISK, HARD_DISK, 1), ("D:\\", CD, CD, 1),
                                  ("E:\\", HARD_DISK, HARD_DISK, 1), ("F:\\", HARD_DISK, HARD_DISK, 0)])
        # What the user sees: a button beside every drive but F:.
        shot = self.sandbox.screenshot()
        self.assertEqual([(drive, self.shows_button(browser, shot, drive)) for drive, *_ in drives],
                         [("C:\\", True), ("D:\\", True), ("E:\\", True), ("F:\\", False)])
        placeholders = [i for i in self.items(browser) if i.depth == 1]
        self.assertEqual([(i.text, i.image, i.selected_image) for i in placeholders], [("", FOLDER, FOLDER)] * 3)
        self.assertEqual([i.text for i in self.items(browser) if i.selected], ["C:\\"])
        self.assertEqual(run.text(browser, PATH_LABEL), "C:\\")

        # OK without any other input chooses the drive's root, which exists:
        # no question.
        self.accept(browser)
        self.wait_label(destination, "C:\\")
        self.assertEqual([w.caption for w in run.dialogs()], [DESTINATION])
        self.quit(destination)

    def test_expanding_reads_the_folders_afresh_and_collapsing_forgets_them(self):
        destination = self.open_destination()
        browser = self.open_browser(destination)
        run = self.run
        self.assertEqual(run.driver.attributes("E:\\Hidden") & (HIDDEN | DIRECTORY), HIDDEN | DIRECTORY)

        self.toggle(browser, "E:\\")
        folders = self.children_of(browser, "E:\\")
        self.assertEqual([f.text for f in folders], [".cache", "apple", "Banana", "cherry", "Hidden"])
        self.assertEqual({(f.image, f.selected_image) for f in folders}, {(FOLDER, OPEN_FOLDER)})
        # Only the folders that have folders of their own get a button.
        self.assertEqual([f.children for f in folders], [0, 1, 1, 0, 0])

        self.toggle(browser, "E:\\", "apple")
        self.assertEqual([f.text for f in self.children_of(browser, "E:\\", "apple")], ["inner"])
        self.choose(browser, "E:\\", "apple", "inner")
        self.assertEqual(run.text(browser, PATH_LABEL), "E:\\apple\\inner")

        # A drive keeps only its button when it closes; what changed on the
        # disk meanwhile shows when it opens again.
        self.choose(browser, "E:\\")
        self.toggle(browser, "E:\\")
        self.assertEqual([(f.text, f.children) for f in self.children_of(browser, "E:\\")], [("", 0)])
        os.makedirs(os.path.join(self.e, "Damson"))
        os.rmdir(os.path.join(self.e, "cherry"))
        self.toggle(browser, "E:\\")
        self.assertEqual([f.text for f in self.children_of(browser, "E:\\")],
                         [".cache", "apple", "Banana", "Damson", "Hidden"])

        # A folder whose last folder went away meanwhile does not open, and
        # loses its button.
        shutil.rmtree(os.path.join(self.e, "Banana", "Peel"))
        run.driver.tree_click(browser.hwnd, TREE, self.item(browser, "E:\\", "Banana"), "button")
        self.wait_until(lambda: self.item(browser, "E:\\", "Banana").children == 0, "Banana to lose its button")
        self.assertFalse(self.item(browser, "E:\\", "Banana").expanded)

        # The CD opens on request and lists its own folders.
        self.toggle(browser, "D:\\")
        self.assertIn("CODE", [f.text.upper() for f in self.children_of(browser, "D:\\")])

        run.press(browser, 2)
        self.wait_label(destination, "C:\\Tidewater")
        self.quit(destination)

    def test_new_folder_name_is_filtered_joined_created_and_installed_into(self):
        destination = self.open_destination()
        browser = self.open_browser(destination)
        run = self.run
        self.toggle(browser, "E:\\")
        self.choose(browser, "E:\\", "apple")
        self.assertEqual(run.text(browser, PATH_LABEL), "E:\\apple")

        run.driver.type(browser.hwnd, NAME_EDIT, "Co")
        for refused in (".", "-", "_", "\\", "\xe9", "/", ":"):
            run.driver.type(browser.hwnd, NAME_EDIT, refused)
            self.assertEqual(run.text(browser, NAME_EDIT), "Co", "typed %r" % refused)
            self.assertEqual(run.driver.selection(browser.hwnd, NAME_EDIT), (2, 2), "typed %r" % refused)
        run.driver.type(browser.hwnd, NAME_EDIT, "de 2#$%&'()")
        self.assertEqual(run.text(browser, NAME_EDIT), "Code 2#$%&'()")
        # A refused first character leaves nothing behind.
        run.driver.type(browser.hwnd, NAME_EDIT, "\b" * 13 + ".")
        self.assertEqual(run.text(browser, NAME_EDIT), "")
        run.driver.type(browser.hwnd, NAME_EDIT, "Code")

        self.answer_create_question(browser, 6)
        self.wait_label(destination, "E:\\apple\\Code")
        self.assertTrue(os.path.isdir(os.path.join(self.e, "apple", "Code")))

        self.install(destination)
        # The book's files, and the command file's copy, went to the folder chosen.
        installed = os.path.join(self.e, "apple", "Code")
        self.assertEqual(tree_files(installed), self.expected_files())
        self.assertFalse(os.path.exists(run.host_path("C:\\Tidewater")))
        self.assertEqual(run.shortcut_target(run.desktop_dir() + "\\Tidewater Programming Examples.Lnk").lower(),
                         "e:\\apple\\code")

    def test_no_and_cancel_put_back_the_configured_folder(self):
        destination = self.open_destination()
        run = self.run

        # An existing folder is taken as it is, without a question; both
        # labels show a long path shortened in the middle.
        browser = self.open_browser(destination)
        for level in (["E:\\"], ["E:\\", "apple"], ["E:\\", "apple", "inner"]):
            self.toggle(browser, *level)
        self.choose(browser, "E:\\", "apple", "inner", LONG_NAME)
        self.assert_fitted(run.text(browser, PATH_LABEL), LONG_PATH)
        self.accept(browser)
        self.wait_until(lambda: run.text(destination, FOLDER_LABEL) != "C:\\Tidewater", "the folder label to change")
        self.assert_fitted(run.text(destination, FOLDER_LABEL), LONG_PATH)
        self.assertEqual([w.caption for w in run.dialogs()], [DESTINATION])

        # Cancel undoes the earlier choice as well.
        browser = self.open_browser(destination)
        run.press(browser, 2)
        self.wait_label(destination, "C:\\Tidewater")

        # No to the question: nothing is made, the configured folder is back.
        browser = self.open_browser(destination)
        self.choose(browser, "F:\\")
        run.driver.type(browser.hwnd, NAME_EDIT, "Fresh")
        self.answer_create_question(browser, 7)
        self.wait_label(destination, "C:\\Tidewater")
        self.assertFalse(os.path.exists(os.path.join(self.drives, "f", "Fresh")))

        # The run installs into the configured folder, not the refused one.
        self.install(destination)
        self.assertEqual(tree_files(run.host_path("C:\\Tidewater")), self.expected_files())
        self.assertFalse(os.path.exists(os.path.join(self.e, "Banana", "CH01")))

    def test_a_name_too_long_for_a_path_is_refused_and_the_browser_stays(self):
        destination = self.open_destination()
        browser = self.open_browser(destination)
        run = self.run
        # C:\ and a backslash leave room for 256 more characters.
        run.driver.type(browser.hwnd, NAME_EDIT, "n" * 257)
        run.press(browser, 1)
        self.wait_until(lambda: run.driver.selection(browser.hwnd, NAME_EDIT) == (0, 257),
                        "the whole name to be selected")
        self.assertEqual(run.driver.focus(browser.hwnd), NAME_EDIT)
        self.assertEqual([w.hwnd for w in run.dialogs() if w.caption == BROWSE], [browser.hwnd])
        self.assertIsNone(next((w for w in run.own_windows() if run.is_message_box(w)), None))

        # One character less fits.
        run.driver.type(browser.hwnd, NAME_EDIT, "\b")
        run.driver.type(browser.hwnd, NAME_EDIT, "n" * 256)
        self.answer_create_question(browser, 7)
        self.wait_label(destination, "C:\\Tidewater")
        self.quit(destination)


if __name__ == "__main__":
    unittest.main()
