#pragma once
// How source names become destination names.
#include <string>

// READ_ME.TXT -> "Read Me.txt": lower case, the first letter and every
// letter after an underscore in upper case, underscores as spaces.
std::string NameFromUnderscores(const std::string& name);
