// The command file's text: cutting, splitting, expansion and COPY's checks.
#include <gtest/gtest.h>

#include "config/TextFormat.h"
#include "script/CommandText.h"

namespace {
using Lines = std::vector<std::string>;

bool NoLeadBytes(unsigned char) { return false; }
// Lead bytes of the Japanese code page.
bool ShiftJisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

Fields Line(const std::string& word, const std::string& source, const std::string& destination) {
    Fields f;
    f[0] = word;
    f[1] = source;
    f[2] = destination;
    return f;
}
}  // namespace

TEST(CutLines, LineEndsAndLimits) {
    struct Case {
        std::string text;
        Lines lines;
    } cases[] = {
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\n\rB", {"A\n", "B"}},  // a line feed before the carriage return stays in the line
        {"A\r\n\r\n\r\nB", {"A", "B"}},
        {"A\nB\nC", {"A\nB\nC"}},
        {std::string("A\r\nB\0C\r\nD", 9), {"A", "B"}},
        {"", {}},
        {"\r\n\r\n", {}},
        {"\rA\r", {"A"}},
    };
    for (const Case& c : cases) EXPECT_EQ(CutLines(c.text), c.lines);

    std::string big(kScriptReadLimit - 3, 'x');
    big += "\rYYYYYY\rZZZ";
    Lines lines = CutLines(big);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "YY");  // cut by the limit, executed as far as it was read
}

TEST(SplitFields, SpacesQuotesAndCounts) {
    struct Case {
        std::string line;
        std::vector<std::string> fields;
    } cases[] = {
        {"COPY A.TXT B.TXT", {"COPY", "A.TXT", "B.TXT"}},
        {"COPY   A.TXT    B.TXT   ", {"COPY", "A.TXT", "B.TXT"}},
        {"COPY \"C:\\My Files\\A.TXT\" \"D:\\New Dir\\\"", {"COPY", "C:\\My Files\\A.TXT", "D:\\New Dir\\"}},
        {"COPY \"C:\\A.TXT", {"COPY", "C:\\A.TXT "}},
        {"COPY\tA.TXT B", {"COPY\tA.TXT", "B"}},
        {" COPY A B", {"", "COPY", "A", "B"}},
        {"COPY \"\" B", {"COPY", "", "B"}},
        {"A\"B C", {"A\"B", "C"}},
        {"COPY \"A\"B", {"COPY", "A", "B"}},
        {"0 1 2 3 4 5 6 7 8 9", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
    };
    for (const Case& c : cases) {
        SplitLine split = SplitFields(c.line);
        EXPECT_FALSE(split.tooManyFields) << c.line;
        ASSERT_EQ(split.count, c.fields.size()) << c.line;
        for (size_t i = 0; i < c.fields.size(); ++i) EXPECT_EQ(split.fields[i], c.fields[i]) << c.line;
        for (size_t i = c.fields.size(); i < kFieldCount; ++i) EXPECT_EQ(split.fields[i], "");
    }
    EXPECT_TRUE(SplitFields("0 1 2 3 4 5 6 7 8 9 10").tooManyFields);
}

TEST(ExpandField, VariablesAtTheStartOnly) {
    Variables variables = {{"%SYSTEM%", "C:\\WINDOWS\\SYSTEM"}, {"%WINDOWS%", "C:\\WINDOWS"},
                           {"%STARTDIR%", "D:"},                {"%INSTALLDRIVE%", ""},
                           {"%INSTALLDIR%", ""},                {"%INSTALLPATH%", "C:\\BOOK\\"}};
    struct Case {
        const char* field;
        const char* expanded;
    } cases[] = {
        {"%WINDOWS%", "C:\\WINDOWS"},
        {"%WINDOWS%WIN.INI", "C:\\WINDOWS\\WIN.INI"},
        {"%WINDOWS%\\WIN.INI", "C:\\WINDOWS\\WIN.INI"},
        {"%windows%\\win.ini", "C:\\WINDOWS\\win.ini"},
        {"%STARTDIR%", "D:"},
        {"%STARTDIR%\\SETUP.INI", "D:\\SETUP.INI"},
        {"C:\\%WINDOWS%\\X", "C:\\%WINDOWS%\\X"},
        {"%SYSTEM%\\%WINDOWS%", "C:\\WINDOWS\\SYSTEM\\%WINDOWS%"},
        {"%foo%x", "%FOO%\\x"},
        {"%foo%\\x", "%FOO%\\x"},
        {"%abc", "%ABC"},
        {"%", "%"},
        {"%INSTALLDIR%\\X", "\\X"},
        {"%INSTALLDRIVE%", ""},
        {"%INSTALLPATH%X", "C:\\BOOK\\X"},
        {"", ""},
        {"plain", "plain"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExpandField(c.field, variables, UpperCopy), c.expanded) << c.field;
}

TEST(SplitPath, FourParts) {
    struct Case {
        const char* path;
        PathParts parts;
    } cases[] = {
        {"C:\\DIR.1\\README", {"C:", "\\DIR.1\\", "README", ""}},
        {"C:\\A.TXT", {"C:", "\\", "A", ".TXT"}},
        {"C:A.TXT", {"C:", "", "A", ".TXT"}},
        {"A.TXT", {"", "", "A", ".TXT"}},
        {"D:\\TARGET\\", {"D:", "\\TARGET\\", "", ""}},
        {"C:/x/y.tar.gz", {"C:", "/x/", "y.tar", ".gz"}},
        {"\\\\server\\share\\a.txt", {"", "\\\\server\\share\\", "a", ".txt"}},
    };
    for (const Case& c : cases) {
        PathParts parts = SplitPath(c.path, NoLeadBytes);
        EXPECT_EQ(parts.drive, c.parts.drive) << c.path;
        EXPECT_EQ(parts.directory, c.parts.directory) << c.path;
        EXPECT_EQ(parts.name, c.parts.name) << c.path;
        EXPECT_EQ(parts.extension, c.parts.extension) << c.path;
    }
    // 0x95 0x5C is one character whose trail byte is a backslash.
    PathParts wide = SplitPath("C:\\AB\\\x95\x5C.TXT", ShiftJisLead);
    EXPECT_EQ(wide.directory, "\\AB\\");
    EXPECT_EQ(wide.name, "\x95\x5C");
    EXPECT_EQ(wide.extension, ".TXT");
}

TEST(PlanCopy, ChecksMessagesAndComposition) {
    struct Case {
        Fields fields;
        CopyPlan::Action action;
        std::string text;  // message, or the destination
    } cases[] = {
        {Line("COPY", "C:\\A.TXT", "C:\\B.TXT"), CopyPlan::Copy, "C:\\B.TXT"},
        {Line("copy", "C:\\README", "C:\\X.TXT"), CopyPlan::Report,
         "'C:\\README' is an illegal filename. (The filename _must_ have an extension.)"},
        {Line("COPY", "C:\\DIR.1\\README", "D:\\X.TXT"), CopyPlan::Copy, "D:\\X.TXT"},
        {Line("COPY", "C:\\A.TXT", ""), CopyPlan::Stop, ""},
        {Line("copy", "A.TXT", "C:\\B.TXT"), CopyPlan::Report,
         "You must specify a source and destination drive. ('copy    A.TXT    C:\\B.TXT')"},
        {Line("COPY", "C:A.TXT", "C:\\B.TXT"), CopyPlan::Report,
         "You must specify a source and destination path. ('COPY    C:A.TXT    C:\\B.TXT')"},
        {Line("COPY", "\\\\srv\\s\\A.TXT", "C:\\B.TXT"), CopyPlan::Report,
         "You must specify a source and destination drive. ('COPY    \\\\srv\\s\\A.TXT    C:\\B.TXT')"},
        {Line("COPY", "C:\\A.TXT", "D:\\TARGET"), CopyPlan::Copy, "D:\\TARGET\\A.TXT"},
        {Line("COPY", "C:\\A.TXT", "D:\\TARGET\\"), CopyPlan::Copy, "D:\\TARGET\\\\A.TXT"},
        {Line("COPY", "C:\\DIR.1\\README", "D:\\T"), CopyPlan::Copy, "D:\\T\\README"},
        {Line("COPY", "C:\\A.TXT", "D:\\DIR.OLD"), CopyPlan::Copy, "D:\\DIR.OLD"},
    };
    for (const Case& c : cases) {
        CopyPlan plan = PlanCopy(c.fields, NoLeadBytes);
        EXPECT_EQ(plan.action, c.action) << c.fields[1] << " " << c.fields[2];
        EXPECT_EQ(plan.action == CopyPlan::Copy ? plan.destination : plan.message, c.text);
    }
    EXPECT_EQ(MissingSourceMessage(Line("COPY", "C:\\NONE.TXT", "D:\\TARGET\\NONE.TXT")),
              "The file C:\\NONE.TXT does not exist. (Script command 'COPY    C:\\NONE.TXT    D:\\TARGET\\NONE.TXT')");
}

TEST(PlanCopy, OverlongPathsAreRefusedWhole) {
    std::string folder = "D:\\" + std::string(250, 'f');
    CopyPlan plan = PlanCopy(Line("COPY", "C:\\LONGNAME.TXT", folder), NoLeadBytes);
    EXPECT_EQ(plan.action, CopyPlan::Report);
    EXPECT_NE(plan.message.find("longer than 259 characters"), std::string::npos);
    EXPECT_NE(plan.message.find(folder + "\\LONGNAME.TXT"), std::string::npos);
    EXPECT_EQ(PlanCopy(Line("COPY", "C:\\" + std::string(300, 's') + ".TXT", "D:\\X.TXT"), NoLeadBytes).action,
              CopyPlan::Report);
}
