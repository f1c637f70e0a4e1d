// One loaded Susie-style picture decoder library (a "*.spi") and what it says about itself.
#pragma once

#include <QImage>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "kiova/spi.h"

namespace kiova {

class TSusiePlugIn {
public:
    // Loads the library at `path` and reads its information texts; nothing when it cannot be
    // loaded. Only a library whose version is "00IN" gets its picture entry points looked up.
    static std::unique_ptr<TSusiePlugIn> Load(const std::filesystem::path& path);

    ~TSusiePlugIn();  // unloads the library
    TSusiePlugIn(const TSusiePlugIn&) = delete;
    TSusiePlugIn& operator=(const TSusiePlugIn&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    const std::string& Version() const { return version_; }
    const std::string& Description() const { return description_; }
    const std::string& Extensions() const { return extensions_; }  // upper-cased
    const std::string& TypeName() const { return typeName_; }

    // True when the library has the "00IN" picture entry points and may be asked to decode.
    bool CanDecode() const { return isSupported_ != nullptr && getPicture_ != nullptr; }

    // Asks the library to decode `bytes`: IsSupported, then GetPicture from memory. Nothing when
    // it declines, fails, or hands back a bitmap we cannot read. `progress` and `userValue` are
    // passed on to GetPicture.
    std::optional<QImage> Decode(std::span<const std::byte> bytes, SPI_PROGRESS progress,
                                 intptr_t userValue) const;

private:
    TSusiePlugIn(std::filesystem::path path, void* library);
    void ReadInformation(decltype(&::GetPluginInfo) getPluginInfo);

    std::filesystem::path path_;
    void* library_;
    std::string version_;
    std::string description_;
    std::string extensions_;
    std::string typeName_;
    // GetPictureInfo and GetPreview are part of the interface but never needed here.
    decltype(&::IsSupported) isSupported_ = nullptr;
    decltype(&::GetPicture) getPicture_ = nullptr;
};

}  // namespace kiova
