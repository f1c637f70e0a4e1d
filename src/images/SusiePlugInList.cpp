// The decoder list: which libraries are loaded, in which order, and who decodes a picture.
//
// In: library paths and folders; picture bytes. Out: the ordered list; a decoded image or false.
// Always: a path is in the list at most once; a failed decode leaves the caller's bitmap as it
// was; the order of the list is the order of asking.
#include "SusiePlugInList.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "ImageFiles.h"

namespace kiova {
namespace {

// The callback handed to decoders; `userValue` is the list asking.
int ForwardProgress(int numerator, int denominator, intptr_t userValue) noexcept {
    auto& list = *reinterpret_cast<TSusiePlugInList*>(userValue);
    if (list.OnProgress()) list.OnProgress()(list, numerator, denominator);
    return 0;
}

}  // namespace

TSusiePlugInList::~TSusiePlugInList() {
    while (!plugIns_.empty()) plugIns_.erase(plugIns_.begin());
}

bool TSusiePlugInList::Add(const std::filesystem::path& path) {
    return Insert(Count(), path);
}

int TSusiePlugInList::AddFolder(const std::filesystem::path& folder) {
    int added = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        // Folders made on Windows may spell the extension in any case.
        if (LowerCaseExtension(entry->path()) == ".spi" && Add(entry->path())) ++added;
    }
    return added;
}

bool TSusiePlugInList::AddPlugIn(const std::filesystem::path& path) {
    return Add(path);
}

bool TSusiePlugInList::Insert(int index, const std::filesystem::path& path) {
    if (index < 0 || index > Count()) {
        throw std::out_of_range("TSusiePlugInList::Insert: index " + std::to_string(index) +
                                " outside 0.." + std::to_string(Count()));
    }
    if (Contains(path)) return false;
    std::unique_ptr<TSusiePlugIn> plugIn = TSusiePlugIn::Load(path);
    if (!plugIn) return false;
    plugIns_.insert(plugIns_.begin() + index, std::move(plugIn));
    return true;
}

bool TSusiePlugInList::LoadFromFile(const std::filesystem::path& path, QImage& bitmap) {
    const std::string bytes = ReadFileBytes(path);
    return LoadFromMemory(std::as_bytes(std::span(bytes)), bitmap);
}

bool TSusiePlugInList::LoadFromMemory(std::span<const std::byte> bytes, QImage& bitmap) {
    if (bytes.empty()) return false;
    for (const auto& plugIn : plugIns_) {
        if (!plugIn->CanDecode()) continue;
        std::optional<QImage> image =
            plugIn->Decode(bytes, ForwardProgress, reinterpret_cast<intptr_t>(this));
        if (image) {
            bitmap = std::move(*image);
            return true;
        }
    }
    return false;
}

bool TSusiePlugInList::LoadFromStream(QIODevice& stream, qint64 count, QImage& bitmap) {
    // The bytes available bound the count, so a wrong count cannot ask for a huge buffer.
    const qint64 available = std::min(count, stream.bytesAvailable());
    if (available <= 0) return false;
    const QByteArray bytes = stream.read(available);
    return LoadFromMemory(std::as_bytes(std::span(bytes.constData(), bytes.size())), bitmap);
}

void TSusiePlugInList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    plugIns_.erase(plugIns_.begin() + index);
}

bool TSusiePlugInList::Contains(const std::filesystem::path& path) const {
    for (const auto& plugIn : plugIns_) {
        if (plugIn->Path().native() == path.native()) return true;
    }
    return false;
}

}  // namespace kiova
