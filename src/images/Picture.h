// Loading one picture file into a bitmap, the decoder chosen by the file's extension.
#pragma once

#include <QImage>
#include <filesystem>
#include <string>

#include "SusiePlugInList.h"

namespace kiova {

enum class PictureStatus {
    Loaded,
    NotExists,      // not an existing regular file
    InvalidBitmap,  // unreadable, or a ".jpg", ".jpeg" or ".bmp" that does not decode
    NotDecoded,     // any other extension, and no decoder library decoded it
};

// Loads `file` into `target` by its lower-cased extension: ".jpg" and ".jpeg" through libjpeg,
// ".bmp" as a Windows bitmap, anything else through `plugIns`; never falls back from one to
// another. Only Loaded changes `target`.
PictureStatus LoadPictureFile(const std::filesystem::path& file, TSusiePlugInList& plugIns,
                              QImage& target);
// The same, and when the result is not Loaded, `reason` says which loader refused the file and
// why ("the BMP reader refused it: ...").
PictureStatus LoadPictureFile(const std::filesystem::path& file, TSusiePlugInList& plugIns,
                              QImage& target, std::string& reason);

}  // namespace kiova
