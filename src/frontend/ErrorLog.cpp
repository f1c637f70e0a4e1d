// One message in, one line at the top of the file out; the older lines follow unchanged.
#include "ErrorLog.h"

#include <vector>

#include "Clock.h"
#include "Files.h"
#include "LogFormat.h"
#include "TextFileFormat.h"
#include "TextUtils.h"

namespace kiova {
namespace {
std::string Quoted(std::string_view text) {
    std::string result = "'";
    for (char c : text) {
        result += c;
        if (c == '\'') result += '\'';
    }
    return result + "'";
}
}  // namespace

void TErrorLog::Write(std::string_view message) const {
    TTextFileFormat format;
    std::vector<std::string> lines = ReadTextFileLines(path_, format);
    lines.insert(lines.begin(),
                 LogTimeStamp(CurrentClock()->Now()) + " [Kiova]: " + Quoted(CrLfToBr(message)));
    WriteTextFileLines(path_, lines, format);
}

}  // namespace kiova
