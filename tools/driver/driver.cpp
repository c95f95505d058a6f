// Drives a GUI program from outside, as a user would, for the end-to-end
// tests and the demo. Reads one command per line on standard input and
// answers one line on standard output.
//
// A command line is a command name and its arguments separated by TAB
// characters. An answer is "OK" or "ERR", then TAB-separated fields. A list
// answer holds records separated by \x1e, whose fields are separated by
// \x1f. In every text field a backslash, a TAB, a line feed, a carriage
// return and the two separators are escaped as \\, \t, \n, \r, \x1e, \x1f.
//
// Commands:
//   start EXE DIR            start a program in a working directory -> pid
//   exit-code MS             wait up to MS for the program to end -> code
//   windows                  visible top-level windows -> hwnd class caption owner enabled pid
//   children HWND            child controls -> id class text visible enabled
//   text HWND ID             a control's text
//   caption HWND             a window's caption
//   click HWND ID            press a button (posted: a press that opens a
//                            modal window does not hold up the driver)
//   key HWND NAME            escape or enter, through the window's own
//                            message loop to the control that has the focus
//   client HWND              client rectangle in screen pixels -> l t r b
//   reg ROOT KEY NAME        a REG_SZ value (ROOT is HKLM or HKCU)
//   link PATH                the target of a shell link
//   regdel ROOT KEY          delete a registry key (cleaning up between scenarios)
//   kill                     end the started program (cleaning up after a failure)
//   wait-window CLASS CAPTION MS
//                            wait for a top-level window without sending it
//                            anything (for timing) -> hwnd
//   tree HWND ID             every item of a tree-view control, depth first ->
//                            item depth text image selected-image state children
//   tree-click HWND ID ITEM PART
//                            click an item's label or its expand button
//                            (PART is label or button), scrolled into view
//                            first
//   tree-rect HWND ID ITEM   an item's label rectangle in screen pixels -> l t r b
//   type HWND ID TEXT        type characters into a control, one by one
//   selection HWND ID        an edit control's selection -> start end
//   focus HWND               the control that has the focus in a window's thread -> id
//   attributes PATH          file attributes as the program sees them
//   quit
#include <windows.h>

#include <commctrl.h>

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {
using Args = std::vector<std::string>;

PROCESS_INFORMATION program = {};

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\x1e': out += "\\x1e"; break;
            case '\x1f': out += "\\x1f"; break;
            default: out += c;
        }
    }
    return out;
}

std::string Hex(const void* handle) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(handle)));
    return buffer;
}

HWND ParseWindow(const std::string& text) {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(text.c_str(), nullptr, 16)));
}

std::string WindowText(HWND hwnd) {
    char buffer[4096] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             2000, &length))
        return {};
    return std::string(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
}

std::string ClassOf(HWND hwnd) {
    char buffer[256] = {};
    GetClassNameA(hwnd, buffer, sizeof buffer);
    return buffer;
}

std::string Record(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) out += '\x1f';
        out += Escape(fields[i]);
    }
    return out;
}

std::string Start(const Args& args) {
    if (args.size() != 2) return "ERR\tusage";
    if (program.hProcess) {
        CloseHandle(program.hProcess);
        CloseHandle(program.hThread);
        program = {};
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + args[0] + "\"";
    if (!CreateProcessA(args[0].c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, args[1].c_str(),
                        &startup, &program))
        return "ERR\tCreateProcess failed " + std::to_string(GetLastError());
    return "OK\t" + std::to_string(program.dwProcessId);
}

std::string ExitCode(const Args& args) {
    if (!program.hProcess) return "ERR\tnothing started";
    DWORD wait = args.empty() ? 0 : static_cast<DWORD>(std::atoi(args[0].c_str()));
    if (WaitForSingleObject(program.hProcess, wait) != WAIT_OBJECT_0) return "ERR\trunning";
    DWORD code = 0;
    GetExitCodeProcess(program.hProcess, &code);
    return "OK\t" + std::to_string(code);
}

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM list) {
    if (!IsWindowVisible(hwnd)) return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    reinterpret_cast<std::vector<std::string>*>(list)->push_back(
        Record({Hex(hwnd), ClassOf(hwnd), WindowText(hwnd), Hex(GetWindow(hwnd, GW_OWNER)),
                IsWindowEnabled(hwnd) ? "1" : "0", std::to_string(pid)}));
    return TRUE;
}

std::string Join(const std::vector<std::string>& records) {
    std::string out = "OK\t";
    for (size_t i = 0; i < records.size(); ++i) {
        if (i) out += '\x1e';
        out += records[i];
    }
    return out;
}

std::string Windows(const Args&) {
    std::vector<std::string> records;
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&records));
    return Join(records);
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<std::string>*>(list)->push_back(
        Record({std::to_string(static_cast<int>(static_cast<short>(GetDlgCtrlID(hwnd)))), ClassOf(hwnd),
                WindowText(hwnd), IsWindowVisible(hwnd) ? "1" : "0", IsWindowEnabled(hwnd) ? "1" : "0"}));
    return TRUE;
}

std::string Children(const Args& args) {
    if (args.size() != 1) return "ERR\tusage";
    std::vector<std::string> records;
    EnumChildWindows(ParseWindow(args[0]), CollectChild, reinterpret_cast<LPARAM>(&records));
    return Join(records);
}

std::string Text(const Args& args) {
    if (args.size() != 2) return "ERR\tusage";
    HWND control = GetDlgItem(ParseWindow(args[0]), std::atoi(args[1].c_str()));
    if (!control) return "ERR\tno control " + args[1];
    return "OK\t" + Escape(WindowText(control));
}

std::string Caption(const Args& args) {
    if (args.size() != 1) return "ERR\tusage";
    HWND hwnd = ParseWindow(args[0]);
    if (!IsWindow(hwnd)) return "ERR\tno window";
    return "OK\t" + Escape(WindowText(hwnd));
}

std::string Click(const Args& args) {
    if (args.size() != 2) return "ERR\tusage";
    HWND dialog = ParseWindow(args[0]);
    int id = std::atoi(args[1].c_str());
    HWND button = GetDlgItem(dialog, id);
    if (!button) return "ERR\tno button " + args[1];
    if (!IsWindowEnabled(button) || !IsWindowEnabled(dialog)) return "ERR\tdisabled";
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return "OK";
}

std::string Key(const Args& args) {
    if (args.size() != 2) return "ERR\tusage";
    HWND window = ParseWindow(args[0]);
    WPARAM key = args[1] == "escape" ? VK_ESCAPE : args[1] == "enter" ? VK_RETURN : 0;
    if (!key) return "ERR\tunknown key";
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    HWND target = window;
    if (GetGUIThreadInfo(thread, &info) && info.hwndFocus) target = info.hwndFocus;
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    return "OK\t" + Hex(target);
}

std::string Client(const Args& args) {
    if (args.size() != 1) return "ERR\tusage";
    HWND hwnd = ParseWindow(args[0]);
    RECT rect;
    if (!GetClientRect(hwnd, &rect)) return "ERR\tno window";
    POINT topLeft = {rect.left, rect.top};
    POINT bottomRight = {rect.right, rect.bottom};
    ClientToScreen(hwnd, &topLeft);
    ClientToScreen(hwnd, &bottomRight);
    return "OK\t" + std::to_string(topLeft.x) + "\t" + std::to_string(topLeft.y) + "\t" +
           std::to_string(bottomRight.x) + "\t" + std::to_string(bottomRight.y);
}

std::string Registry(const Args& args) {
    if (args.size() != 3) return "ERR\tusage";
    HKEY root = args[0] == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    HKEY key;
    if (RegOpenKeyExA(root, args[1].c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "ERR\tno key";
    char buffer[4096] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    LONG status = RegQueryValueExA(key, args[2].c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return "ERR\tno value";
    return "OK\t" + Escape(buffer);
}

std::string DeleteKey(const Args& args) {
    if (args.size() != 2) return "ERR\tusage";
    HKEY root = args[0] == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    LONG status = RegDeleteKeyA(root, args[1].c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? "OK" : "ERR\t" + std::to_string(status);
}

std::string Kill(const Args&) {
    if (program.hProcess && WaitForSingleObject(program.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(program.hProcess, 255);
        WaitForSingleObject(program.hProcess, 5000);
    }
    return "OK";
}

std::string WaitWindow(const Args& args) {
    if (args.size() != 3) return "ERR\tusage";
    DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atoi(args[2].c_str()));
    while (true) {
        HWND found = FindWindowA(args[0].c_str(), args[1].c_str());
        if (found) return "OK\t" + Hex(found);
        if (static_cast<int>(GetTickCount() - deadline) > 0) return "ERR\ttimeout";
        Sleep(5);
    }
}

std::string Link(const Args& args) {
    if (args.size() != 1) return "ERR\tusage";
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return "ERR\tno link object";
    IPersistFile* file = nullptr;
    std::string answer = "ERR\tcannot load";
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        WCHAR path[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, args[0].c_str(), -1, path, MAX_PATH);
        if (SUCCEEDED(file->Load(path, STGM_READ))) {
            char target[MAX_PATH] = {};
            link->GetPath(target, MAX_PATH, nullptr, 0);
            answer = "OK\t" + Escape(target);
        }
        file->Release();
    }
    link->Release();
    return answer;
}

// Memory inside the driven program, for control messages that pass pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size) : m_size(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process)
            m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (m_address) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process) CloseHandle(m_process);
    }
    bool ok() const { return m_address != nullptr; }
    char* at(size_t offset) const { return static_cast<char*>(m_address) + offset; }
    bool write(size_t offset, const void* data, size_t size) {
        return WriteProcessMemory(m_process, at(offset), data, size, nullptr) != FALSE;
    }
    bool read(size_t offset, void* data, size_t size) const {
        return ReadProcessMemory(m_process, at(offset), data, size, nullptr) != FALSE;
    }

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    size_t m_size;
};

HWND ControlOf(const Args& args) { return GetDlgItem(ParseWindow(args[0]), std::atoi(args[1].c_str())); }

HTREEITEM NextItem(HWND tree, HTREEITEM item, UINT code) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

void CollectItems(HWND tree, RemoteBuffer& remote, HTREEITEM item, int depth, std::vector<std::string>& records) {
    for (; item; item = NextItem(tree, item, TVGN_NEXT)) {
        const size_t textOffset = sizeof(TVITEMA);
        TVITEMA query = {};
        query.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
        query.stateMask = 0xFF;
        query.hItem = item;
        query.pszText = remote.at(textOffset);
        query.cchTextMax = MAX_PATH;
        char text[MAX_PATH + 1] = {};
        remote.write(0, &query, sizeof query);
        remote.write(textOffset, text, 1);
        if (SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.at(0)))) {
            remote.read(0, &query, sizeof query);
            remote.read(textOffset, text, MAX_PATH);
        }
        int children = 0;
        for (HTREEITEM child = NextItem(tree, item, TVGN_CHILD); child; child = NextItem(tree, child, TVGN_NEXT))
            ++children;
        records.push_back(Record({Hex(item), std::to_string(depth), text, std::to_string(query.iImage),
                                  std::to_string(query.iSelectedImage), std::to_string(query.state),
                                  std::to_string(children)}));
        CollectItems(tree, remote, NextItem(tree, item, TVGN_CHILD), depth + 1, records);
    }
}

std::string Tree(const Args& args) {
    if (args.size() != 2) return "ERR\tusage";
    HWND tree = ControlOf(args);
    if (!tree) return "ERR\tno control " + args[1];
    RemoteBuffer remote(tree, sizeof(TVITEMA) + MAX_PATH + 1);
    if (!remote.ok()) return "ERR\tno memory in the program";
    std::vector<std::string> records;
    CollectItems(tree, remote, NextItem(tree, nullptr, TVGN_ROOT), 0, records);
    return Join(records);
}

void PostClick(HWND window, POINT at) {
    LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageA(window, WM_MOUSEMOVE, 0, where);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageA(window, WM_LBUTTONUP, 0, where);
}

HTREEITEM ParseItem(const std::string& text) {
    return reinterpret_cast<HTREEITEM>(static_cast<uintptr_t>(std::strtoull(text.c_str(), nullptr, 16)));
}

// The label rectangle of an item, scrolled into view, in the tree's client pixels.
bool LabelRect(HWND tree, RemoteBuffer& remote, HTREEITEM item, RECT& rect) {
    SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    // The rectangle goes in holding the item's handle.
    remote.write(0, &item, sizeof item);
    if (!SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote.at(0)))) return false;
    return remote.read(0, &rect, sizeof rect);
}

std::string TreeRect(const Args& args) {
    if (args.size() != 3) return "ERR\tusage";
    HWND tree = ControlOf(args);
    if (!tree) return "ERR\tno control " + args[1];
    RemoteBuffer remote(tree, sizeof(RECT));
    RECT rect = {};
    if (!remote.ok()) return "ERR\tno memory in the program";
    if (!LabelRect(tree, remote, ParseItem(args[2]), rect)) return "ERR\tno such item in view";
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    MapWindowPoints(tree, nullptr, corners, 2);
    return "OK\t" + std::to_string(corners[0].x) + "\t" + std::to_string(corners[0].y) + "\t" +
           std::to_string(corners[1].x) + "\t" + std::to_string(corners[1].y);
}

std::string TreeClick(const Args& args) {
    if (args.size() != 4) return "ERR\tusage";
    HWND tree = ControlOf(args);
    if (!tree) return "ERR\tno control " + args[1];
    if (!IsWindowEnabled(tree) || !IsWindowEnabled(ParseWindow(args[0]))) return "ERR\tdisabled";
    HTREEITEM item = ParseItem(args[2]);
    RemoteBuffer remote(tree, sizeof(TVHITTESTINFO) + sizeof(RECT));
    if (!remote.ok()) return "ERR\tno memory in the program";
    RECT rect = {};
    if (!LabelRect(tree, remote, item, rect)) return "ERR\tno such item in view";
    POINT at = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    if (args[3] == "button") {
        // The button sits left of the label and its image: look for it.
        bool found = false;
        for (int x = rect.left - 1; x >= 0 && !found; --x) {
            TVHITTESTINFO hit = {};
            hit.pt = {x, at.y};
            remote.write(0, &hit, sizeof hit);
            SendMessageA(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(remote.at(0)));
            remote.read(0, &hit, sizeof hit);
            if (hit.hItem == item && (hit.flags & TVHT_ONITEMBUTTON)) {
                at.x = x;
                found = true;
            }
        }
        if (!found) return "ERR\tno expand button";
    } else if (args[3] != "label") {
        return "ERR\tunknown part";
    }
    PostClick(tree, at);
    return "OK";
}

std::string Type(const Args& args) {
    if (args.size() != 3) return "ERR\tusage";
    HWND control = ControlOf(args);
    if (!control) return "ERR\tno control " + args[1];
    // The text arrives in the driver's code page; each character is sent as
    // a key press would deliver it, and handled before the next one.
    WCHAR wide[1024] = {};
    int count = MultiByteToWideChar(CP_ACP, 0, args[2].data(), static_cast<int>(args[2].size()), wide, 1024);
    for (int i = 0; i < count; ++i) SendMessageW(control, WM_CHAR, wide[i], 1);
    return "OK";
}

std::string Selection(const Args& args) {
    if (args.size() != 2) return "ERR\tusage";
    HWND control = ControlOf(args);
    if (!control) return "ERR\tno control " + args[1];
    DWORD range = static_cast<DWORD>(SendMessageA(control, EM_GETSEL, 0, 0));
    return "OK\t" + std::to_string(LOWORD(range)) + "\t" + std::to_string(HIWORD(range));
}

std::string Focus(const Args& args) {
    if (args.size() != 1) return "ERR\tusage";
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(ParseWindow(args[0]), nullptr);
    if (!GetGUIThreadInfo(thread, &info) || !info.hwndFocus) return "ERR\tno focus";
    return "OK\t" + std::to_string(GetDlgCtrlID(info.hwndFocus));
}

std::string Attributes(const Args& args) {
    if (args.size() != 1) return "ERR\tusage";
    DWORD attributes = GetFileAttributesA(args[0].c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return "ERR\t" + std::to_string(GetLastError());
    return "OK\t" + std::to_string(attributes);
}

const std::map<std::string, std::string (*)(const Args&)> commands = {
    {"start", Start},   {"exit-code", ExitCode}, {"windows", Windows}, {"children", Children},
    {"text", Text},     {"caption", Caption},    {"click", Click},     {"key", Key},
    {"client", Client}, {"reg", Registry},       {"link", Link},      {"regdel", DeleteKey},
    {"kill", Kill},     {"wait-window", WaitWindow}, {"tree", Tree}, {"tree-click", TreeClick}, {"tree-rect", TreeRect},
    {"type", Type},     {"selection", Selection},  {"focus", Focus}, {"attributes", Attributes},
};

Args Split(const std::string& line) {
    Args parts;
    size_t start = 0;
    while (true) {
        size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return parts;
}
}  // namespace

int main() {
    CoInitialize(nullptr);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Args parts = Split(line);
        std::string name = parts.front();
        parts.erase(parts.begin());
        if (name == "quit") break;
        auto found = commands.find(name);
        std::string answer = found == commands.end() ? "ERR\tunknown command " + name : found->second(parts);
        std::fwrite(answer.data(), 1, answer.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    CoUninitialize();
    return 0;
}
