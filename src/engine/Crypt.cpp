#include "Crypt.h"

#include "CodePage.h"
#include "Files.h"

namespace kiova {
namespace {
constexpr std::string_view kHeaderWord = "encrypted";
}  // namespace

void TCrypt::SetKey(std::string_view key) {
    key_ = key;
    key_bytes_.clear();
    for (unsigned char c : key) key_bytes_.push_back(static_cast<uint8_t>(c % 20));
}

uint8_t TCrypt::TransformChar(uint8_t a, uint8_t k) const {
    switch (mode_) {
        case TCryptMode::Encode: {
            int s = a + k;
            return static_cast<uint8_t>(s > 255 ? s - 224 : s);
        }
        case TCryptMode::Decode: {
            int d = a - k;
            return static_cast<uint8_t>(d < 32 ? d + 224 : d);
        }
    }
    return 0;
}

std::string TCrypt::TransformString(std::string_view text) const {
    std::string result(text);
    if (key_bytes_.empty()) return result;
    for (size_t i = 0; i < result.size(); ++i) {
        uint8_t k = key_bytes_[i % key_bytes_.size()];
        result[i] = static_cast<char>(TransformChar(static_cast<uint8_t>(result[i]), k));
    }
    return result;
}

void TCrypt::TransformList(std::vector<std::string>& lines) const {
    if (lines.empty()) return;
    if (mode_ == TCryptMode::Decode) lines.erase(lines.begin());
    for (std::string& line : lines) line = TransformString(line);
    if (mode_ == TCryptMode::Encode) lines.insert(lines.begin(), HeaderLine());
}

std::string TCrypt::HeaderLine() const {
    TCrypt header(TCryptMode::Encode);
    header.SetKey(kFixedCipherKey);
    return std::string(kHeaderWord) + header.TransformString(key_);
}

bool IsEncrypted(const std::vector<std::string>& lines) {
    return !lines.empty() &&
           AnsiLowerCase(lines.front().substr(0, kHeaderWord.size())) == kHeaderWord;
}

std::string ReadEmbeddedKey(const std::vector<std::string>& lines) {
    if (!IsEncrypted(lines)) return {};
    TCrypt header(TCryptMode::Decode);
    header.SetKey(kFixedCipherKey);
    return header.TransformString(std::string_view(lines.front()).substr(kHeaderWord.size()));
}

std::vector<std::string> ReadPossiblyEncipheredFile(std::string_view ansi_path) {
    std::vector<std::string> lines = ReadFileLines(ansi_path);
    if (IsEncrypted(lines)) {
        TCrypt crypt(TCryptMode::Decode);
        crypt.SetKey(ReadEmbeddedKey(lines));
        crypt.TransformList(lines);
    }
    return lines;
}

std::optional<TTextByte> FirstUncipherableByte(std::string_view text) {
    TTextByte place;
    for (size_t i = 0; i < text.size(); ++i) {
        const char byte = text[i];
        if (byte == '\r' || byte == '\n') {
            if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++place.line;
            place.column = 1;
            continue;
        }
        place.byte = static_cast<uint8_t>(byte);
        if (!IsCipherByte(place.byte)) return place;
        ++place.column;
    }
    return std::nullopt;
}

std::vector<std::string> EncipherLines(std::vector<std::string> lines, std::string_view key) {
    TCrypt crypt(TCryptMode::Encode);
    crypt.SetKey(key);
    // An empty file still carries its header, so that it reads back as enciphered.
    if (lines.empty()) return {crypt.HeaderLine()};
    crypt.TransformList(lines);
    return lines;
}

}  // namespace kiova
