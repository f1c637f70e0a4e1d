// The ordered list of picture decoder libraries, asked in turn to decode a picture.
#pragma once

#include <QIODevice>
#include <QImage>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "SusiePlugIn.h"

namespace kiova {

class TSusiePlugInList {
public:
    // Progress reported by a decoder: `numerator` of `denominator` done.
    using TProgressEvent =
        std::function<void(TSusiePlugInList& list, int numerator, int denominator)>;

    TSusiePlugInList() = default;
    virtual ~TSusiePlugInList();  // unloads every library, first to last
    TSusiePlugInList(const TSusiePlugInList&) = delete;
    TSusiePlugInList& operator=(const TSusiePlugInList&) = delete;

    // Loads the library at `path` and appends it; false when it cannot be loaded or a library
    // with exactly this path (case-sensitive) is already in the list. A library whose version is
    // not "00IN" is added but never asked to decode.
    virtual bool Add(const std::filesystem::path& path);
    // Adds every "*.spi" file of `folder` (extension in any case) in the order the file system
    // lists them; returns how many were added. A missing folder adds none.
    virtual int AddFolder(const std::filesystem::path& folder);
    virtual bool AddPlugIn(const std::filesystem::path& path);  // same as Add
    // As Add, placing the library at `index` (0..Count()); throws std::out_of_range otherwise.
    virtual bool Insert(int index, const std::filesystem::path& path);

    // Decodes the whole file into `bitmap`; false (bitmap untouched) when no library decodes it.
    // Throws std::system_error when the file cannot be read.
    virtual bool LoadFromFile(const std::filesystem::path& path, QImage& bitmap);
    // The libraries are asked in list order; the first that accepts and decodes the bytes wins.
    // False (bitmap untouched) for no bytes, an empty list, or when none decodes them.
    virtual bool LoadFromMemory(std::span<const std::byte> bytes, QImage& bitmap);
    // LoadFromMemory on the next `count` bytes of `stream` (fewer if it ends sooner).
    virtual bool LoadFromStream(QIODevice& stream, qint64 count, QImage& bitmap);

    // Unloads and removes the library at `index`; an index outside the list does nothing.
    virtual void Delete(int index);

    int Count() const { return static_cast<int>(plugIns_.size()); }
    const TSusiePlugIn& operator[](int index) const { return *plugIns_.at(index); }

    // Unset by default. Must not throw: it runs inside a decoder's call.
    void SetOnProgress(TProgressEvent handler) { onProgress_ = std::move(handler); }
    const TProgressEvent& OnProgress() const { return onProgress_; }

private:
    bool Contains(const std::filesystem::path& path) const;

    std::vector<std::unique_ptr<TSusiePlugIn>> plugIns_;
    TProgressEvent onProgress_;
};

}  // namespace kiova
