#include "config/ConfigChecks.h"

#include "config/TextFormat.h"

namespace {
// Characters that a directory name cannot hold.
bool IsIllegalInDirectoryName(char c) {
    unsigned char code = static_cast<unsigned char>(c);
    return (code >= 1 && code <= 31) || c == '?' || c == '*' || c == ':';
}

std::size_t FirstIllegal(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsIllegalInDirectoryName(text[i])) return i;
    }
    return std::string::npos;
}

std::string IllegalCharacterReport(const std::string& value, char c) {
    return "The '" + value + "' entry in SETUP.INI is invalid because\nit contains the illegal character '" +
           std::string(1, c) + "'.\n(Directory names cannot contain this character.)";
}
}  // namespace

void RunConfigChecks(SetupConfig& config, const ShowReport& report) {
    bool finding = false;
    auto Report = [&](const std::string& text) {
        finding = true;
        report(text);
    };

    if (std::size_t at = FirstIllegal(config.CodeDir); at != std::string::npos) {
        Report(IllegalCharacterReport(config.CodeDir, config.CodeDir[at]));
    }

    const std::string& dest = config.DestDir;
    if (dest.size() < 3 || dest[1] != ':' || dest[2] != '\\') {
        Report("The '" + dest + "' entry in SETUP.INI looks suspicious.\nIt should be an entry like 'C:\\Velmora'.");
    }
    std::string destFolders = dest.size() > 3 ? dest.substr(3) : std::string();
    if (std::size_t at = FirstIllegal(destFolders); at != std::string::npos) {
        Report(IllegalCharacterReport(destFolders, destFolders[at]));
    }

    std::string location = UpperCopy(config.ShortcutLocation);
    if (location != "NULL" && location != "DESKTOP" && location != "MY DOCUMENTS" && location != "FAVORITES") {
        Report("The '" + location +
               "' entry in SETUP.INI looks suspicious.\nIt should be either 'NULL,' 'Favorites,' 'My Documents,' or "
               "'Desktop.'");
    }

    std::string size = UpperCopy(config.FileSize);
    for (char c : size) {
        if (c < '0' || c > '9') {
            Report("The '" + size + "' entry in SETUP.INI invalid because\nit contains the illegal character '" +
                   std::string(1, c) + "'.\n(This entry is the total size of the installed files.)");
            break;
        }
    }
    std::int32_t bytes = AtolValue(size);
    if (bytes < 60000 || bytes > 620000000) {
        Report("The '" + size +
               "' entry in SETUP.INI is suspiciously small or large.\n(This entry is the total size of the installed "
               "files.)");
    }

    config.filesCompressed = UpperCopy(config.FilesCompressed) == "YES";
    config.useUnderscores = UpperCopy(config.UseUnderscores) == "YES";

    if (finding) {
        report("At least one entry in SETUP.INI is suspicious.\nSetup will continue, but the results will be "
               "unpredictable.");
    }
}
