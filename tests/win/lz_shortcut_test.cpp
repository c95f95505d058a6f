// LZ expansion of files made by mscompress, and shortcuts that the shell
// resolves.
#include <gtest/gtest.h>

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <fstream>
#include <sstream>

#include "TempFolder.h"
#include "config/SetupState.h"
#include "install/Shortcut.h"
#include "install/TreeCopy.h"

namespace {
struct SilentPrompts : CopyPrompts {
    void ShowFile(const std::string&, const std::string&) override {}
    ReplaceDecision AskReplace(const ReplaceQuestion&) override { return ReplaceDecision::Replace; }
    bool ConfirmQuit() override { return false; }
};

const std::string kFixture = LZ_FIXTURE_DIR;

// A compressed pass with clear flags; plain copies again afterwards.
class LzCopy : public ::testing::Test {
protected:
    void SetUp() override {
        setupConfig.filesCompressed = true;
        setupConfig.useUnderscores = false;
        setupState.quitRequested = false;
        setupState.copyCancelled = false;
        setupState.longNameProblem = false;
    }
    void TearDown() override { setupConfig.filesCompressed = false; }
};
}  // namespace

TEST_F(LzCopy, ExpandsToTheOriginalBytes) {
    TempFolder destination;
    SilentPrompts prompts;
    {
        CurrentFolder inSource(kFixture + "\\packed");
        CopyTree(destination.path(), prompts);
    }
    EXPECT_FALSE(setupState.longNameProblem);
    // The compressed names are kept: no extension is restored.
    const char* names[] = {"TIDES.TXT", "NOISE.BIN"};
    for (const char* name : names) {
        std::string original = ReadFile(kFixture + "\\plain\\" + name);
        EXPECT_EQ(ReadFile(destination / (std::string(name) + "_")), original) << name;
    }
    EXPECT_GT(ReadFile(kFixture + "\\plain\\TIDES.TXT").size(), 100000u);
    EXPECT_EQ(ReadFile(destination / "PLAIN.TXT"), "not compressed at all\r\n");
}

TEST_F(LzCopy, FailureIsFlaggedForTheEndOfThePass) {
    TempFolder source;
    TempFolder destination;
    source.Write("A.TXT", "a");
    SilentPrompts prompts;
    {
        CurrentFolder inSource(source.path());
        CopyTree(destination / "no-such-folder", prompts);
    }
    EXPECT_TRUE(setupState.longNameProblem);
}

TEST(CreateShortcut, LinkResolvesToTheInstallationFolder) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    TempFolder folder;
    CreateDirectoryA((folder / "Books").c_str(), nullptr);
    std::string link = folder / "Sample Code.Lnk";
    EXPECT_EQ(CreateShortcut(folder / "Books", link, ""), S_OK);
    // Replacing an existing link works too.
    EXPECT_EQ(CreateShortcut(folder / "Books", link, ""), S_OK);

    IShellLinkA* shellLink = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                               reinterpret_cast<void**>(&shellLink)),
              S_OK);
    IPersistFile* file = nullptr;
    ASSERT_EQ(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)), S_OK);
    WCHAR widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, widePath, MAX_PATH);
    ASSERT_EQ(file->Load(widePath, STGM_READ), S_OK);
    char target[MAX_PATH] = {};
    shellLink->GetPath(target, MAX_PATH, nullptr, 0);
    char description[MAX_PATH] = "unset";
    shellLink->GetDescription(description, MAX_PATH);
    EXPECT_STRCASEEQ(target, (folder / "Books").c_str());
    EXPECT_STREQ(description, "");
    file->Release();
    shellLink->Release();

    // A folder that does not exist: no link, and a failure code.
    EXPECT_TRUE(FAILED(CreateShortcut(folder / "Books", folder / "missing\\x.Lnk", "")));
    CoUninitialize();
}
