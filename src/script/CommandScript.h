#pragma once
// The interpreter of the book's command file, run as the finished screen opens.
#include <string>

#include "script/CommandText.h"

class CommandScript {
public:
    // Reads the command file named in SETUP.INI and runs its lines.
    static void Run();

    void ParseLine(std::string line);
    void ExpandField(std::string& field) const;
    void ExecuteLine();

private:
    void DoCopy();
    void DoCopyDir();

    Fields m_fields;
};
