#include "ImageFiles.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace kiova {

std::vector<std::byte> ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        throw std::system_error(errno, std::generic_category(), "cannot open " + file.string());
    }
    std::vector<std::byte> bytes;
    char buffer[1 << 16];
    while (stream.read(buffer, sizeof buffer) || stream.gcount() > 0) {
        const auto* first = reinterpret_cast<const std::byte*>(buffer);
        bytes.insert(bytes.end(), first, first + stream.gcount());
    }
    if (stream.bad()) {
        throw std::system_error(errno, std::generic_category(), "cannot read " + file.string());
    }
    return bytes;
}

std::string LowerCaseExtension(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const std::size_t dot = name.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}

}  // namespace kiova
