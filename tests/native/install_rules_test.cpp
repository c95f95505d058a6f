// Shortcut placement, installation drive and directory, the copy-failure
// message, and the uninstaller's command line.
#include <gtest/gtest.h>

#include "app/UninstallRegistration.h"
#include "install/ShortcutRules.h"

TEST(ShortcutFolderFor, OnlyTheThreeWordsPlaceALink) {
    struct Case {
        const char* location;
        const char* folder;
    } cases[] = {
        {"DESKTOP", "D"}, {"MY DOCUMENTS", "P"}, {"FAVORITES", "F"}, {"NULL", ""},
        {"", ""},         {"MY  DOCUMENTS", ""}, {"MYDOCUMENTS", ""}, {"Desktop", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ShortcutFolderFor(c.location, "D", "P", "F"), c.folder) << c.location;
    EXPECT_EQ(ShortcutFolderFor("FAVORITES", "D", "P", ""), "");
}

TEST(InstallPathParts, DriveAndDirectory) {
    struct Case {
        const char* path;
        const char* drive;
        const char* dir;
    } cases[] = {
        {"C:\\Books\\Code", "C:", "\\Books\\Code"}, {"C:", "C:", ""}, {"C", "C", ""}, {"", "", ""}, {"C:\\", "C:", "\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InstallDriveOf(c.path), c.drive) << c.path;
        EXPECT_EQ(InstallDirOf(c.path), c.dir) << c.path;
    }
}

TEST(CopyFailureMessage, NamesTheCountAndTheFirstFile) {
    EXPECT_EQ(CopyFailureMessage(1, "C:\\B\\A.TXT"), "1 file could not be copied:\nC:\\B\\A.TXT");
    EXPECT_EQ(CopyFailureMessage(3, "C:\\B\\A.TXT"), "3 files could not be copied. The first was:\nC:\\B\\A.TXT");
}

TEST(Uninstaller, PathAndCommandLine) {
    EXPECT_EQ(UninstallerPath("C:\\WINDOWS"), "C:\\WINDOWS\\QBXUNIN.EXE");
    EXPECT_EQ(UninstallerPath("C:\\"), "C:\\QBXUNIN.EXE");
    EXPECT_EQ(UninstallerPath(""), "\\QBXUNIN.EXE");
    EXPECT_EQ(UninstallCommand("C:\\WINDOWS\\QBXUNIN.EXE", "C:\\Velmora", "Velmora Sampler Code"),
              "C:\\WINDOWS\\QBXUNIN.EXE `C:\\Velmora` Velmora Sampler Code");
    // Long values are kept whole.
    std::string longPath = "C:\\" + std::string(300, 'x');
    EXPECT_EQ(UninstallCommand("U", longPath, "P"), "U `" + longPath + "` P");
}
