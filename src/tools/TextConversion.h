// Converting a character's text files from one code page to another. Every line is converted on
// its own and keeps its line end as it was, so a file converted there and back is the file it was.
// A character that cannot be converted (bytes not valid in the source, a letter the target cannot
// hold) is noted with its line and byte column, and the whole file is still read, so one pass
// lists every problem.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kiova::tool {

struct TConversionProblem {
    size_t line;    // from 1
    size_t column;  // the byte of the source line, from 1
    std::string message;
};

class TTextConverter {
public:
    TTextConverter(int from_code_page, int to_code_page)
        : from_(from_code_page), to_(to_code_page) {}

    // One line without its end. `first_column` is the column of its first byte.
    std::string ConvertLine(std::string_view line, size_t line_number, size_t first_column,
                            std::vector<TConversionProblem>& problems) const;
    // A data, patting or state file. An enciphered one is deciphered and enciphered again with
    // its key, which is a text of the character too and is converted. A NUL byte ends the text
    // the program reads, so it and what follows are kept as they are.
    std::string ConvertFile(std::string_view contents,
                            std::vector<TConversionProblem>& problems) const;
    // The package: its lines converted and its "charset" value naming the target (a pair put
    // first when it has none); a UTF-8 byte-order mark is kept only when the target is UTF-8.
    std::string ConvertPackage(std::string_view contents,
                               std::vector<TConversionProblem>& problems) const;

private:
    // The character `character` of a line (at `column`) in the target, or a problem.
    std::string ConvertCharacter(std::string_view character, size_t line_number, size_t column,
                                 std::vector<TConversionProblem>& problems) const;

    int from_;
    int to_;
};

}  // namespace kiova::tool
