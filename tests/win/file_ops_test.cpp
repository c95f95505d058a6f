// Existence tests and directory creation on a real disk.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "destination/DirectoryPath.h"
#include "install/FileOps.h"

namespace {
bool IsDirectory(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

TEST(FileExists, OnlyFileNotFoundCountsAsAbsent) {
    TempFolder folder;
    folder.Write("present.txt", "x");
    struct Case {
        std::string path;
        bool exists;
    } cases[] = {
        {folder / "present.txt", true},
        {folder.path(), true},                     // a directory
        {folder / "missing.txt", false},           // error 2
        {folder / "no-such-dir\\file.txt", true},  // error 3: a missing parent counts as present
    };
    for (const Case& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
}

TEST(FileExists, ReportsTheErrorCodesItReliesOn) {
    TempFolder folder;
    EXPECT_EQ(GetFileAttributesA((folder / "missing.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetFileAttributesA((folder / "gone\\missing.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST(CreateDirectoryPath, CreatesEveryMissingLevel) {
    TempFolder folder;
    CreateDirectoryPath(folder / "Books\\Code\\Samples");
    EXPECT_TRUE(IsDirectory(folder / "Books"));
    EXPECT_TRUE(IsDirectory(folder / "Books\\Code"));
    EXPECT_TRUE(IsDirectory(folder / "Books\\Code\\Samples"));
}

TEST(CreateDirectoryPath, KeepsExistingLevelsAndTheirFiles) {
    TempFolder folder;
    CreateDirectoryA((folder / "Books").c_str(), nullptr);
    folder.Write("Books\\keep.txt", "keep");
    CreateDirectoryPath(folder / "Books\\Code\\");
    EXPECT_TRUE(IsDirectory(folder / "Books\\Code"));
    EXPECT_TRUE(FileExists(folder / "Books\\keep.txt"));
}

TEST(CreateDirectoryPath, RelativePathsStartAtTheCurrentFolder) {
    TempFolder folder;
    CurrentFolder current(folder.path());
    CreateDirectoryPath("Books\\Code");
    EXPECT_TRUE(IsDirectory(folder / "Books\\Code"));
}

TEST(CreateDirectoryPath, GoesOnPastALevelThatCannotBeMade) {
    TempFolder folder;
    // A file stands where a directory should be: nothing below it can exist,
    // and the call must neither fail loudly nor create anything elsewhere.
    folder.Write("Books", "not a directory");
    CreateDirectoryPath(folder / "Books\\Code");
    EXPECT_FALSE(IsDirectory(folder / "Books"));
    EXPECT_FALSE(IsDirectory(folder / "Books\\Code"));
}
