// A decoder library: loading, its information texts, and one decoding request.
//
// In: a library path; later, the bytes of a picture file. Out: the library's texts and entry
// points; per request, an image or nothing. Always: the library stays loaded exactly as long as
// this object lives; the blocks GetPicture hands back are freed here, and reading them is bounded
// by their allocated size, so a decoder that describes more than it allocated cannot make us read
// past its blocks.
#include "SusiePlugIn.h"

#include <dlfcn.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "Dib.h"

namespace kiova {
namespace {

constexpr char kImageVersion[] = "00IN";

struct FreeBlock {
    void operator()(void* block) const { std::free(block); }
};
using Block = std::unique_ptr<void, FreeBlock>;

std::span<const std::byte> Bytes(const Block& block) {
    return {static_cast<const std::byte*>(block.get()), malloc_usable_size(block.get())};
}

// Texts from decoders are in the program's code page: only ASCII letters change case.
std::string AsciiUpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text;
}

template <typename Function>
Function Symbol(void* library, const char* name) {
    return reinterpret_cast<Function>(dlsym(library, name));
}

}  // namespace

std::unique_ptr<TSusiePlugIn> TSusiePlugIn::Load(const std::filesystem::path& path) {
    // A bare name would make the loader search the system's library folders.
    const std::filesystem::path file = path.has_parent_path() ? path : "." / path;
    // Opening a FIFO or a device would block or read forever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return nullptr;
    void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    std::unique_ptr<TSusiePlugIn> plugIn(new TSusiePlugIn(path, library));
    if (auto getPluginInfo = Symbol<decltype(&::GetPluginInfo)>(library, "GetPluginInfo")) {
        plugIn->ReadInformation(getPluginInfo);
    }
    return plugIn;
}

TSusiePlugIn::TSusiePlugIn(std::filesystem::path path, void* library)
    : path_(std::move(path)), library_(library) {}

TSusiePlugIn::~TSusiePlugIn() {
    dlclose(library_);
}

void TSusiePlugIn::ReadInformation(decltype(&::GetPluginInfo) getPluginInfo) {
    const auto text = [getPluginInfo](int number) {
        std::array<char, 256> buffer{};
        getPluginInfo(number, buffer.data(), static_cast<int>(buffer.size()) - 1);
        buffer.back() = '\0';  // whatever the library wrote, the text ends inside the buffer
        return std::string(buffer.data());
    };
    version_ = text(0);
    description_ = text(1);
    extensions_ = AsciiUpperCase(text(2));
    typeName_ = text(3);
    if (version_ == kImageVersion) {
        isSupported_ = Symbol<decltype(&::IsSupported)>(library_, "IsSupported");
        getPicture_ = Symbol<decltype(&::GetPicture)>(library_, "GetPicture");
    }
}

std::optional<QImage> TSusiePlugIn::Decode(std::span<const std::byte> bytes, SPI_PROGRESS progress,
                                           intptr_t userValue) const {
    if (!CanDecode()) return std::nullopt;
    // Decoders may look at SPI_HEAD_SIZE bytes whatever the file's length.
    std::array<std::byte, SPI_HEAD_SIZE> paddedHead{};
    const void* head = bytes.data();
    if (bytes.size() < paddedHead.size()) {
        std::copy(bytes.begin(), bytes.end(), paddedHead.begin());
        head = paddedHead.data();
    }
    if (isSupported_(nullptr, head) == 0) return std::nullopt;

    void* info = nullptr;
    void* bits = nullptr;
    const int result = getPicture_(reinterpret_cast<const char*>(bytes.data()),
                                   static_cast<intptr_t>(bytes.size()), SPI_INPUT_MEMORY, &info,
                                   &bits, progress, userValue);
    // On failure the handles promise nothing: freeing whatever they hold could free twice.
    if (result != SPI_OK) return std::nullopt;
    const Block infoBlock(info);
    const Block bitsBlock(bits);
    if (!infoBlock || !bitsBlock) return std::nullopt;
    return DibToImage(Bytes(infoBlock), Bytes(bitsBlock));
}

}  // namespace kiova
