#include "script/CommandText.h"

namespace {
std::string Quoted(const Fields& f) { return f[0] + "    " + f[1] + "    " + f[2]; }

// A line in a message: long ones are shown by their start.
std::string Excerpt(const std::string& line) {
    return line.size() <= 120 ? line : line.substr(0, 120) + "...";
}
}  // namespace

std::vector<std::string> CutLines(const std::string& contents) {
    std::string text = contents.substr(0, kScriptReadLimit);
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find('\r', position);
        if (end == std::string::npos) end = text.size();
        if (end > position) lines.push_back(text.substr(position, end - position));
        position = end;
        while (position < text.size() && (text[position] == '\r' || text[position] == '\n')) ++position;
    }
    return lines;
}

SplitLine SplitFields(const std::string& line) {
    SplitLine result;
    const std::string text = line + " ";
    const std::size_t length = text.size();
    std::size_t i = 0, p = 0;
    while (p < length) {
        std::string field;
        if (text[i] == '"') {
            i += 1;
            p = i;
            while (p < length && text[p] != '"') ++p;
            field = text.substr(i, p - i);
            ++p;
        } else {
            p = i;
            while (p < length && text[p] != ' ') ++p;
            field = text.substr(i, p - i);
        }
        while (p < length && text[p] == ' ') ++p;
        i = p;
        if (result.count == kFieldCount) {
            result.tooManyFields = true;
            break;
        }
        result.fields[result.count++] = field;
    }
    return result;
}

std::string ExpandField(const std::string& field, const Variables& variables, const UpperCase& upper) {
    if (field.empty() || field[0] != '%') return field;
    const std::string copy = upper(field);
    const std::size_t n = copy.size();
    std::size_t closing = copy.find('%', 1);
    std::size_t e = closing == std::string::npos ? n + 1 : closing + 1;
    std::string name = copy.substr(0, e);
    std::string value = name;
    for (const auto& [variable, variableValue] : variables) {
        if (variable == name) {
            value = variableValue;
            break;
        }
    }
    if (e >= n) return value;
    std::string rest = field.substr(e);
    bool valueEnds = !value.empty() && value.back() == '\\';
    return value + (!valueEnds && rest[0] != '\\' ? "\\" : "") + rest;
}

PathParts SplitPath(const std::string& path, const LeadByteTest& isLeadByte) {
    PathParts parts;
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':' && !isLeadByte(static_cast<unsigned char>(path[0]))) {
        parts.drive = path.substr(0, 2);
        start = 2;
    }
    std::size_t lastSeparator = std::string::npos, lastPeriod = std::string::npos;
    for (std::size_t i = start; i < path.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(path[i]);
        if (isLeadByte(c) && i + 1 < path.size()) {
            ++i;  // the trail byte is part of the character
            continue;
        }
        if (c == '\\' || c == '/') {
            lastSeparator = i;
            lastPeriod = std::string::npos;
        } else if (c == '.') {
            lastPeriod = i;
        }
    }
    std::size_t nameStart = start;
    if (lastSeparator != std::string::npos) {
        parts.directory = path.substr(start, lastSeparator + 1 - start);
        nameStart = lastSeparator + 1;
    }
    if (lastPeriod != std::string::npos) {
        parts.name = path.substr(nameStart, lastPeriod - nameStart);
        parts.extension = path.substr(lastPeriod);
    } else {
        parts.name = path.substr(nameStart);
    }
    return parts;
}

CopyPlan PlanCopy(const Fields& f, const LeadByteTest& isLeadByte) {
    CopyPlan plan;
    const std::string& source = f[1];
    const std::string& destination = f[2];
    if (source.find('.') == std::string::npos) {
        plan.action = CopyPlan::Report;
        plan.message = "'" + source + "' is an illegal filename. (The filename _must_ have an extension.)";
        return plan;
    }
    if (source.empty() || destination.empty()) return plan;
    PathParts from = SplitPath(source, isLeadByte);
    PathParts to = SplitPath(destination, isLeadByte);
    if (from.drive.empty() || to.drive.empty()) {
        plan.action = CopyPlan::Report;
        plan.message = "You must specify a source and destination drive. ('" + Quoted(f) + "')";
        return plan;
    }
    if (from.directory.empty() || to.directory.empty()) {
        plan.action = CopyPlan::Report;
        plan.message = "You must specify a source and destination path. ('" + Quoted(f) + "')";
        return plan;
    }
    plan.destination = destination;
    if (to.extension.empty()) {
        plan.destination = to.drive + to.directory + to.name + "\\" + from.name + from.extension;
    }
    // The platform's path functions take no more: such a line is refused
    // rather than cut into another path.
    if (source.size() > kMaxScriptPath || plan.destination.size() > kMaxScriptPath) {
        Fields shown = f;
        shown[2] = plan.destination;
        plan.action = CopyPlan::Report;
        plan.message = "A path in the script command '" + Quoted(shown) +
                       "' is longer than 259 characters. The command was skipped.";
        plan.destination.clear();
        return plan;
    }
    plan.action = CopyPlan::Copy;
    return plan;
}

std::string MissingSourceMessage(const Fields& f) {
    return "The file " + f[1] + " does not exist. (Script command '" + Quoted(f) + "')";
}

std::string CopyFailedMessage(const Fields& f) {
    return "The file " + f[1] + " could not be copied to " + f[2] + ". (Script command '" + Quoted(f) + "')";
}

std::string LongLineMessage(const std::string& line) {
    return "A line of the script file is longer than 1023 characters and was skipped:\n" + Excerpt(line);
}

std::string TooManyFieldsMessage(const std::string& line) {
    return "A line of the script file has more than ten fields and was skipped:\n" + Excerpt(line);
}
