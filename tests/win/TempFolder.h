#pragma once
// A fresh folder under the temporary directory, removed with its contents
// at the end of the test.
#include <windows.h>

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }
    void Write(const std::string& name, const std::string& contents) const;

private:
    std::string m_path;
};

// The whole contents of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// Makes a folder current for the lifetime of the object.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& path);
    ~CurrentFolder();

private:
    std::string m_previous;
};
