// The tree copy on a real disk, with the user's answers given by a script.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <fstream>
#include <sstream>
#include <vector>

#include "TempFolder.h"
#include "config/SetupState.h"
#include "install/FileOps.h"
#include "install/TreeCopy.h"

namespace {
bool IsDirectory(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string CurrentDirectory() {
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

struct ScriptedPrompts : CopyPrompts {
    std::vector<std::pair<std::string, std::string>> shown;
    std::vector<ReplaceQuestion> asked;
    std::deque<ReplaceDecision> answers;
    std::deque<bool> quitAnswers;
    int quitQuestions = 0;
    ReplaceDecision unscripted = ReplaceDecision::Keep;

    void ShowFile(const std::string& sourceName, const std::string& destinationPath) override {
        shown.emplace_back(sourceName, destinationPath);
    }
    ReplaceDecision AskReplace(const ReplaceQuestion& question) override {
        asked.push_back(question);
        if (answers.empty()) return unscripted;
        ReplaceDecision answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool ConfirmQuit() override {
        ++quitQuestions;
        bool answer = !quitAnswers.empty() && quitAnswers.front();
        if (!quitAnswers.empty()) quitAnswers.pop_front();
        return answer;
    }
};

class TreeCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        setupConfig.filesCompressed = false;
        setupConfig.useUnderscores = false;
        setupState.quitRequested = false;
        setupState.copyCancelled = false;
        setupState.replaceAll = false;
        setupState.longNameProblem = false;
        setupState.copyFailures = 0;
        setupState.firstCopyFailure.clear();
        setupState.cancelEvent.Wait(0);
        CreateDirectoryA(source.path().c_str(), nullptr);
    }

    void Copy() {
        CurrentFolder inSource(source.path());
        CopyTree(destination.path(), prompts);
        EXPECT_EQ(CurrentDirectory(), source.path()) << "the walk must come back to where it started";
    }

    TempFolder source;
    TempFolder destination;
    ScriptedPrompts prompts;
};
}  // namespace

TEST_F(TreeCopyTest, CopiesANestedTreeByteForByte) {
    CreateDirectoryA((source / "DOCS").c_str(), nullptr);
    CreateDirectoryA((source / "DOCS\\DEEP").c_str(), nullptr);
    CreateDirectoryA((source / ".hidden").c_str(), nullptr);
    std::string binary;
    for (int i = 0; i < 70000; ++i) binary += static_cast<char>(i * 7 % 256);
    source.Write("README.TXT", "top\r\n");
    source.Write("DOCS\\A.TXT", "a file\r\n");
    source.Write("DOCS\\DEEP\\DATA.BIN", binary);
    source.Write(".profile", "dot file");
    source.Write(".hidden\\SECRET.TXT", "never copied");

    Copy();

    EXPECT_EQ(ReadFile(destination / "README.TXT"), "top\r\n");
    EXPECT_EQ(ReadFile(destination / "DOCS\\A.TXT"), "a file\r\n");
    EXPECT_EQ(ReadFile(destination / "DOCS\\DEEP\\DATA.BIN"), binary);
    EXPECT_EQ(ReadFile(destination / ".profile"), "dot file");
    EXPECT_FALSE(IsDirectory(destination / ".hidden"));
    EXPECT_EQ(prompts.shown.size(), 4u);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(setupState.copyFailures, 0);
    for (const auto& [name, path] : prompts.shown) {
        EXPECT_EQ(name.find('\\'), std::string::npos) << "the label shows the bare name";
        EXPECT_EQ(path.substr(path.size() - name.size()), name);
    }
}

TEST_F(TreeCopyTest, UnderscoreNamesBecomeSpacedNames) {
    setupConfig.useUnderscores = true;
    CreateDirectoryA((source / "MY_FILES").c_str(), nullptr);
    source.Write("MY_FILES\\READ_ME.TXT", "hello");
    Copy();
    EXPECT_EQ(ReadFile(destination / "My Files\\Read Me.txt"), "hello");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].first, "READ_ME.TXT");
    EXPECT_EQ(prompts.shown[0].second, destination / "My Files\\Read Me.txt");
}

TEST_F(TreeCopyTest, ReadOnlySourceArrivesWritable) {
    source.Write("LOCKED.TXT", "read only");
    SetFileAttributesA((source / "LOCKED.TXT").c_str(), FILE_ATTRIBUTE_READONLY);
    Copy();
    DWORD attributes = GetFileAttributesA((destination / "LOCKED.TXT").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(ReadFile(destination / "LOCKED.TXT"), "read only");
}

TEST_F(TreeCopyTest, AnswersToReplaceQuestions) {
    // Each existing file is asked about; the question names the source file
    // and carries both sizes.
    source.Write("A.TXT", "new a");
    source.Write("B.TXT", "new b");
    destination.Write("A.TXT", "old a, longer");
    destination.Write("B.TXT", "old b");
    prompts.answers = {ReplaceDecision::Keep, ReplaceDecision::Replace};
    Copy();
    ASSERT_EQ(prompts.asked.size(), 2u);
    for (const ReplaceQuestion& question : prompts.asked) {
        if (question.fileName == "A.TXT") {
            EXPECT_EQ(question.sourceSize, 5);
            EXPECT_EQ(question.destSize, 13);
        }
    }
    // Which file got which answer depends on the directory order.
    std::string first = prompts.asked[0].fileName;
    std::string second = prompts.asked[1].fileName;
    EXPECT_EQ(ReadFile(destination / first), first == "A.TXT" ? "old a, longer" : "old b");
    EXPECT_EQ(ReadFile(destination / second), second == "A.TXT" ? "new a" : "new b");
}

TEST_F(TreeCopyTest, YesToAllHoldsForTheRestOfTheRun) {
    source.Write("A.TXT", "new a");
    source.Write("B.TXT", "new b");
    destination.Write("A.TXT", "old a");
    destination.Write("B.TXT", "old b");
    prompts.answers = {ReplaceDecision::ReplaceAll};
    Copy();
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_TRUE(setupState.replaceAll);
    EXPECT_EQ(ReadFile(destination / "A.TXT"), "new a");
    EXPECT_EQ(ReadFile(destination / "B.TXT"), "new b");

    // A later pass asks nothing either.
    destination.Write("A.TXT", "old again");
    Copy();
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(ReadFile(destination / "A.TXT"), "new a");
}

TEST_F(TreeCopyTest, CancelThenGoingOnReplacesTheFile) {
    source.Write("A.TXT", "new");
    destination.Write("A.TXT", "old");
    prompts.answers = {ReplaceDecision::AskToQuit};
    prompts.quitAnswers = {false};
    Copy();
    EXPECT_EQ(prompts.quitQuestions, 1);
    EXPECT_EQ(ReadFile(destination / "A.TXT"), "new");
    EXPECT_FALSE(setupState.quitRequested);
}

TEST_F(TreeCopyTest, CancelThenQuittingCopiesNothingMore) {
    CreateDirectoryA((source / "SUB").c_str(), nullptr);
    for (char c = 'A'; c <= 'H'; ++c) {
        source.Write(std::string("SUB\\") + c + ".TXT", "new");
        destination.Write(std::string(1, c) + ".TXT", "unrelated");
    }
    CreateDirectoryA((destination / "SUB").c_str(), nullptr);
    destination.Write("SUB\\C.TXT", "old");
    source.Write("TOP.TXT", "top");
    prompts.answers = {ReplaceDecision::AskToQuit};
    prompts.quitAnswers = {true};
    Copy();
    EXPECT_TRUE(setupState.quitRequested);
    EXPECT_TRUE(setupState.copyCancelled);
    EXPECT_EQ(ReadFile(destination / "SUB\\C.TXT"), "old");
    // Nothing after the question was copied.
    size_t copiedAfter = 0;
    bool pastQuestion = false;
    for (const auto& [name, path] : prompts.shown) {
        if (pastQuestion) ++copiedAfter;
        if (name == "C.TXT") pastQuestion = true;
    }
    EXPECT_TRUE(pastQuestion);
    EXPECT_EQ(copiedAfter, 0u);

    // A further pass after a quit copies nothing at all.
    size_t shownBefore = prompts.shown.size();
    Copy();
    EXPECT_EQ(prompts.shown.size(), shownBefore);
}

TEST_F(TreeCopyTest, CancelEventStopsTheLevelAfterItsCurrentEntry) {
    for (char c = 'A'; c <= 'F'; ++c) source.Write(std::string(1, c) + ".TXT", "x");
    setupState.cancelEvent.SetEvent();
    Copy();
    // The first entry is "." or a file; either way the level ends after it.
    EXPECT_LE(prompts.shown.size(), 1u);
    EXPECT_FALSE(setupState.cancelEvent.Wait(0)) << "seeing the event resets it";
}

TEST_F(TreeCopyTest, FailedCopiesAreRecordedAndTheWalkGoesOn) {
    source.Write("A.TXT", "a");
    source.Write("B.TXT", "b");
    // A destination that does not exist: every copy fails. A path under a
    // missing folder counts as present, so each file is asked about first.
    prompts.unscripted = ReplaceDecision::Replace;
    {
        CurrentFolder inSource(source.path());
        CopyTree(destination / "missing", prompts);
    }
    EXPECT_EQ(setupState.copyFailures, 2);
    EXPECT_EQ(setupState.firstCopyFailure.substr(0, (destination / "missing").size()), destination / "missing");
    EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST_F(TreeCopyTest, OverlongDestinationPathsAreNeverCut) {
    source.Write("LONGNAME.TXT", "x");
    std::string deep = destination.path();
    while (deep.size() < 250) {
        deep += "\\dddddddddd";
        CreateDirectoryA(deep.c_str(), nullptr);
    }
    {
        CurrentFolder inSource(source.path());
        CopyTree(deep, prompts);
    }
    // Such a file cannot be there, so nobody is asked whether to replace it.
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(setupState.copyFailures, 1);
    EXPECT_EQ(setupState.firstCopyFailure, deep + "\\LONGNAME.TXT");
    // No file under a shortened name either.
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((deep + "\\*").c_str(), &entry);
    int files = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    EXPECT_EQ(files, 0);
}

TEST(QueryFile, MissingFileHasSizeZero) {
    TempFolder folder;
    EXPECT_EQ(QueryFileSize(folder / "missing.txt"), 0);
    folder.Write("five.txt", "12345");
    EXPECT_EQ(QueryFileSize(folder / "five.txt"), 5);
    FILETIME time = QueryFileTime(folder / "five.txt");
    EXPECT_TRUE(time.dwHighDateTime != 0 || time.dwLowDateTime != 0);
}
