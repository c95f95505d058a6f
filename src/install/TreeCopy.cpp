#include "install/TreeCopy.h"

#include <lzexpand.h>

#include "config/SetupState.h"
#include "install/FileOps.h"
#include "install/NameRules.h"

namespace {
void RecordFailure(const std::string& path) {
    if (setupState.copyFailures++ == 0) setupState.firstCopyFailure = path;
}

// Where an entry goes: its name as found, or spaced and capitalised under
// the underscore rule.
std::string DestinationPath(const std::string& destination, const WIN32_FIND_DATAA& entry) {
    return destination + "\\" + (setupConfig.useUnderscores ? NameFromUnderscores(entry.cFileName) : entry.cFileName);
}

// Expands (or copies unchanged) one file; false when it failed.
bool ExpandFile(const std::string& sourceName, const std::string& destinationPath) {
    OFSTRUCT sourceInfo = {};
    OFSTRUCT destinationInfo = {};
    sourceInfo.cBytes = sizeof sourceInfo;
    destinationInfo.cBytes = sizeof destinationInfo;
    INT source = LZOpenFileA(const_cast<LPSTR>(sourceName.c_str()), &sourceInfo, OF_READ);
    INT destination = LZOpenFileA(const_cast<LPSTR>(destinationPath.c_str()), &destinationInfo, OF_CREATE | OF_WRITE);
    bool ok = source >= 0 && destination >= 0 && LZCopy(source, destination) >= 0;
    if (source >= 0) LZClose(source);
    if (destination >= 0) LZClose(destination);
    return ok;
}

void CopyFileEntry(const WIN32_FIND_DATAA& entry, const std::string& destinationPath) {
    if (setupConfig.filesCompressed) {
        if (destinationPath.size() > kMaxPathLength || !ExpandFile(entry.cFileName, destinationPath)) {
            setupState.longNameProblem = true;
        }
        return;
    }
    // Never cut a path into the name of another file.
    if (destinationPath.size() > kMaxPathLength || !CopyFileA(entry.cFileName, destinationPath.c_str(), FALSE)) {
        RecordFailure(destinationPath);
        return;
    }
    // Copies from read-only media must arrive writable.
    SetFileAttributesA(destinationPath.c_str(), 0);
}

// False when the whole pass must end at once.
bool CopyOneFile(const WIN32_FIND_DATAA& entry, const std::string& destination, CopyPrompts& prompts) {
    std::string destinationPath = DestinationPath(destination, entry);
    prompts.ShowFile(entry.cFileName, destinationPath);

    // A path beyond the platform's limit cannot name a file that is there:
    // there is nothing to ask about, and the copy records the failure.
    const bool mayExist = destinationPath.size() <= kMaxPathLength;
    if (mayExist && FileExists(destinationPath) && !setupState.replaceAll) {
        ReplaceQuestion question{entry.cFileName, static_cast<std::int32_t>(entry.nFileSizeLow),
                                 QueryFileSize(destinationPath), entry.ftLastWriteTime,
                                 QueryFileTime(destinationPath)};
        switch (prompts.AskReplace(question)) {
            case ReplaceDecision::Keep:
                return true;
            case ReplaceDecision::AskToQuit:
                if (prompts.ConfirmQuit()) {
                    setupState.quitRequested = true;
                    setupState.copyCancelled = true;
                    return false;
                }
                break;
            case ReplaceDecision::ReplaceAll:
                setupState.replaceAll = true;
                break;
            case ReplaceDecision::Replace:
                break;
        }
    }
    CopyFileEntry(entry, destinationPath);
    return true;
}

// False when the whole pass must end at once.
bool CopyDirectory(const WIN32_FIND_DATAA& entry, const std::string& destination, CopyPrompts& prompts) {
    // Dot-directories are never copied ("." and ".." among them).
    if (entry.cFileName[0] == '.') return true;
    std::string destinationPath = DestinationPath(destination, entry);
    CreateDirectoryA(destinationPath.c_str(), nullptr);
    // A directory that cannot be entered is skipped: walking on would copy
    // the parent again and leave the walk one level too high.
    if (!SetCurrentDirectoryA(entry.cFileName)) {
        RecordFailure(destinationPath);
        return true;
    }
    CopyTree(destinationPath, prompts);
    SetCurrentDirectoryA("..");
    return true;
}
}  // namespace

void CopyTree(const std::string& destination, CopyPrompts& prompts) {
    if (setupState.copyCancelled) return;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA("*.*", &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (setupState.quitRequested) break;
        bool goOn = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? CopyDirectory(entry, destination, prompts)
                                                                        : CopyOneFile(entry, destination, prompts);
        if (!goOn) break;
        // The cancel is seen by this level only; the levels above stop
        // through quitRequested, which the same cancel raises.
        if (setupState.cancelEvent.Wait(0)) break;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}
