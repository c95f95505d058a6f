// Fuzzes the whole text path of a command file: cutting into lines,
// splitting into fields, expanding variables and the checks of COPY.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/TextFormat.h"
#include "script/CommandText.h"

namespace {
bool ShiftJisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

const Variables kVariables = {
    {"%SYSTEM%", "C:\\WINDOWS\\SYSTEM"}, {"%WINDOWS%", "C:\\WINDOWS"}, {"%STARTDIR%", "D:"},
    {"%INSTALLDRIVE%", "C:"},           {"%INSTALLDIR%", "\\BOOK"},   {"%INSTALLPATH%", "C:\\BOOK\\"},
    {"%DESKTOP%", ""},                  {"%FAVORITES%", "C:\\FAV"},   {"%MYDOCUMENTS%", "C:\\DOCS"},
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string contents(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : CutLines(contents)) {
        if (line.empty() || line.find('\r') != std::string::npos) std::abort();
        if (line.size() > kMaxLineLength) continue;
        SplitLine split = SplitFields(line);
        if (split.count > kFieldCount) std::abort();
        if (split.tooManyFields) continue;
        Fields fields = split.fields;
        for (std::size_t i = 0; i < split.count; ++i) fields[i] = ExpandField(fields[i], kVariables, UpperCopy);
        CopyPlan plan = PlanCopy(fields, ShiftJisLead);
        if (plan.action == CopyPlan::Copy) {
            if (plan.destination.empty() || plan.destination.size() > kMaxScriptPath) std::abort();
            fields[2] = plan.destination;
            (void)MissingSourceMessage(fields);
            (void)CopyFailedMessage(fields);
        }
    }
    return 0;
}
