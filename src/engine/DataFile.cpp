#include "DataFile.h"

#include "CodePage.h"
#include "Crypt.h"
#include "Files.h"
#include "KiovaError.h"

namespace kiova {

std::vector<std::string> ReadDataFileLines(std::string_view ansi_path) {
    std::vector<std::string> lines = ReadPossiblyEncipheredFile(ansi_path);
    // No lines is either an empty file or one that could not be read; only the second is an error.
    if (lines.empty() && !ReadFileBytes(ansi_path))
        throw EKiovaError("cannot read " + AnsiToUtf8(ansi_path));
    return lines;
}

}  // namespace kiova
