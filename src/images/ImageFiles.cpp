#include "ImageFiles.h"

#include <cerrno>
#include <system_error>

#include "PictureLimits.h"
#include "RegularFile.h"

namespace kiova {

std::string ReadFileBytes(const std::filesystem::path& file) {
    TFileRead read = ReadRegularFile(file, kMaxPictureFileBytes);
    switch (read.status) {
        case EFileRead::Read:
            return std::move(read.bytes);
        case EFileRead::Missing:
            throw std::system_error(ENOENT, std::generic_category(),
                                    "cannot open " + file.string());
        case EFileRead::TooLarge:
            throw std::system_error(EFBIG, std::generic_category(),
                                    file.string() + " is larger than " +
                                        std::to_string(kMaxPictureFileBytes >> 20) + " MB");
        case EFileRead::NotRegular:
        case EFileRead::Unreadable:
            break;
    }
    throw std::system_error(EIO, std::generic_category(),
                            file.string() + " " + FileReadProblem(read.status));
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
