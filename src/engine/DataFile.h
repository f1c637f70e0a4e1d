// Reading the files a character keeps in its data folder (dialogue data, state file).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Crypt.h"

namespace kiova {

// The lines of an existing file, deciphered when it is enciphered. Throws EKiovaError when the
// file cannot be read.
std::vector<std::string> ReadDataFileLines(std::string_view ansi_path);

// An existing data file, line by line, holding one block of it at a time. Lines end at CR LF, a
// lone CR or a lone LF; a NUL byte ends the text. When the first line is a cipher header, the
// later lines come deciphered and the header is not given.
//
//   TDataLineReader reader(path);
//   for (std::string line; reader.Next(line);) Use(line, reader.LineNumber());
class TDataLineReader {
public:
    // Throws EKiovaError when the file cannot be opened.
    explicit TDataLineReader(std::string_view ansi_path);
    ~TDataLineReader();
    TDataLineReader(const TDataLineReader&) = delete;
    TDataLineReader& operator=(const TDataLineReader&) = delete;

    // The next line; false at the end of the text. Throws EKiovaError when a read fails.
    bool Next(std::string& line);
    // The line of the file that Next gave last, from 1 (a cipher header is line 1).
    uint32_t LineNumber() const { return line_number_; }
    bool Enciphered() const { return crypt_.has_value(); }
    // After Next gave false: whether a NUL byte ended the text.
    bool EndedAtNul() const { return nul_found_; }
    // The line that holds that NUL byte.
    uint32_t NulLine() const { return nul_line_; }
    // After Next gave false at a NUL byte: how many lines follow the line that holds it, which
    // reading never gives (read now to count them).
    uint32_t CountLinesAfterNul();

private:
    bool NextRawLine(std::string& line);
    bool Fill();

    std::string path_;  // for messages
    int fd_ = -1;
    std::vector<char> block_;
    size_t begin_ = 0, end_ = 0;
    bool after_cr_ = false;  // an LF right after it belongs to the same line end
    bool at_end_ = false;
    bool nul_found_ = false;
    bool nul_ends_text_ = true;
    uint32_t line_number_ = 0;
    uint32_t nul_line_ = 0;
    std::optional<TCrypt> crypt_;
};

}  // namespace kiova
