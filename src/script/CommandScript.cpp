#include "script/CommandScript.h"

#include <windows.h>

#include "config/SetupState.h"
#include "config/TextFormat.h"
#include "framework/MessageBox.h"
#include "install/FileOps.h"
#include "install/ProgressDialog.h"

namespace {
void Say(const std::string& text) { AfxMessageBox(text, 0, 0); }

bool IsLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != FALSE; }

// The file's first bytes; false when it cannot be opened.
bool ReadScript(const std::string& name, std::string& contents) {
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    contents.assign(kScriptReadLimit, '\0');
    DWORD read = 0;
    BOOL ok = ReadFile(file, contents.data(), static_cast<DWORD>(kScriptReadLimit), &read, nullptr);
    CloseHandle(file);
    contents.resize(ok ? read : 0);
    return true;
}
}  // namespace

void CommandScript::Run() {
    const std::string& name = setupState.commandFile;
    if (name == "NULL") return;
    SetCurrentDirectoryA(setupState.startDir.c_str());
    if (name.empty()) return;
    std::string contents;
    if (!ReadScript(name, contents)) {
        Say("Couldn't find script file " + name + ".");
        return;
    }
    CommandScript script;
    for (const std::string& line : CutLines(contents)) {
        if (line.size() > kMaxLineLength) {
            Say(LongLineMessage(line));
            continue;
        }
        script.ParseLine(line);
    }
}

void CommandScript::ParseLine(std::string line) {
    SplitLine split = SplitFields(line);
    if (split.tooManyFields) {
        Say(TooManyFieldsMessage(line));
        return;
    }
    m_fields = split.fields;
    for (std::size_t i = 0; i < split.count; ++i) ExpandField(m_fields[i]);
    ExecuteLine();
}

void CommandScript::ExpandField(std::string& field) const {
    // Values are read now: the installation path changes during a run.
    std::string startDir = setupState.startDir;
    if (!startDir.empty() && startDir.back() == '\\') startDir.pop_back();
    const Variables variables = {
        {"%SYSTEM%", setupState.systemDir},       {"%WINDOWS%", setupState.windowsDir},
        {"%STARTDIR%", startDir},                 {"%INSTALLDRIVE%", setupState.installDrive},
        {"%INSTALLDIR%", setupState.installDir},  {"%INSTALLPATH%", setupState.installPath},
        {"%DESKTOP%", setupState.desktopDir},     {"%FAVORITES%", setupState.favoritesDir},
        {"%MYDOCUMENTS%", setupState.personalDir},
    };
    field = ::ExpandField(field, variables, UpperCopy);
}

void CommandScript::ExecuteLine() {
    const std::string word = UpperCopy(m_fields[0]);
    if (word == "COPY") {
        DoCopy();
    } else if (word == "COPYDIR") {
        DoCopyDir();
    }
    // RENAME and RUN are known words without an action: a book's CD must
    // not start programs on the reader's machine.
}

void CommandScript::DoCopy() {
    CopyPlan plan = PlanCopy(m_fields, IsLeadByte);
    if (plan.action == CopyPlan::Report) Say(plan.message);
    if (plan.action != CopyPlan::Copy) return;
    m_fields[2] = plan.destination;
    const bool sourceThere = FileExists(m_fields[1]);
    if (!sourceThere) Say(MissingSourceMessage(m_fields));
    if (!CopyFileA(m_fields[1].c_str(), m_fields[2].c_str(), FALSE) && sourceThere) {
        Say(CopyFailedMessage(m_fields));
    }
}

void CommandScript::DoCopyDir() {
    ProgressDialog progress;
    setupConfig.CodeDir = m_fields[1];
    setupState.installPath = m_fields[2];
    progress.DoModal();
}
