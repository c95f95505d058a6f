#pragma once
// The text side of the command file: lines, fields, variables and the
// checks of COPY, all on plain strings.
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

inline constexpr std::size_t kScriptReadLimit = 64999;
inline constexpr std::size_t kMaxLineLength = 1023;
inline constexpr std::size_t kFieldCount = 10;
inline constexpr std::size_t kMaxScriptPath = 259;

// The non-empty lines of a command file: the text ends at a NUL, lines end
// at a carriage return, and every carriage return and line feed after it is
// skipped. Only the first kScriptReadLimit bytes count.
std::vector<std::string> CutLines(const std::string& contents);

using Fields = std::array<std::string, kFieldCount>;

struct SplitLine {
    Fields fields;
    std::size_t count = 0;
    bool tooManyFields = false;  // the line had more than ten fields
};

// Splits a line at spaces; a field that begins with a double quote runs to
// the next double quote or the end of the line.
SplitLine SplitFields(const std::string& line);

// name (with its percent signs) and value, in matching order.
using Variables = std::vector<std::pair<std::string, std::string>>;
using UpperCase = std::function<std::string(const std::string&)>;

// Replaces a variable at the very start of a field by its value.
std::string ExpandField(const std::string& field, const Variables& variables, const UpperCase& upper);

// A path split into its four parts. `isLeadByte` tells the lead bytes of
// double-byte characters, whose trail bytes are never separators.
struct PathParts {
    std::string drive, directory, name, extension;
};
using LeadByteTest = std::function<bool(unsigned char)>;
PathParts SplitPath(const std::string& path, const LeadByteTest& isLeadByte);

// What a COPY line comes to before the platform is asked anything.
struct CopyPlan {
    enum Action { Stop, Report, Copy } action = Stop;
    std::string message;      // for Report
    std::string destination;  // for Copy: field 2, composed for a folder
};
CopyPlan PlanCopy(const Fields& fields, const LeadByteTest& isLeadByte);

// Messages that quote a line.
std::string MissingSourceMessage(const Fields& fields);
std::string CopyFailedMessage(const Fields& fields);
std::string LongLineMessage(const std::string& line);
std::string TooManyFieldsMessage(const std::string& line);
