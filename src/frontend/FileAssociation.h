// The ".ktc" file association on a freedesktop.org desktop: a shared-mime-info package naming
// the type application/x-kiova-character and a desktop entry, kiova.desktop, that opens such a
// file with this program, both under the user's data folder; then the desktop's caches are
// refreshed with update-mime-database, update-desktop-database and xdg-mime where installed.
// The files carry a mark, so turning the association off removes exactly what turning it on
// wrote, and a file of the same name that someone else wrote is left alone.
//
// An installed program brings its own desktop entry and MIME type: then turning the association
// on only makes that entry the type's default (when the type has none), and the user's folder
// gets no second entry that would outlive the package.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kiova {

inline constexpr std::string_view kCharacterMimeType = "application/x-kiova-character";
// The installed desktop entry, named after the program's AppStream component id.
inline constexpr std::string_view kInstalledDesktopEntryName = "org.example.kiova.desktop";

// A file that could not be written or removed, or a tool that failed. The message (UTF-8) is
// meant for the user as it stands.
class EAssociationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TFileAssociation {
public:
    // `data_home` is the user's data folder (XdgDataHome()); `executable` is the program that
    // the desktop entry starts; `installed_entry` is where an installed program's own desktop
    // entry would be.
    TFileAssociation(std::filesystem::path data_home, std::filesystem::path executable,
                     std::filesystem::path installed_entry = {});

    // With the installed entry present, makes it the type's default unless the type has one.
    // Otherwise writes whichever of the two files is missing and, when it wrote one, refreshes
    // the caches and makes the program the type's default. Throws EAssociationError.
    void Associate() const;
    // Removes those of the two files that carry the program's mark, then refreshes the caches.
    // Throws EAssociationError.
    void Dissociate() const;
    void Apply(bool associated) const {
        if (associated)
            Associate();
        else
            Dissociate();
    }

    std::filesystem::path MimePackage() const;
    std::filesystem::path DesktopEntry() const;

private:
    std::string DesktopEntryText() const;
    void DefaultToInstalledEntry() const;
    // Runs each tool that is installed, waits for it, and returns what went wrong, if anything.
    std::vector<std::string> RefreshCaches(bool make_default) const;

    std::filesystem::path data_home_;
    std::filesystem::path executable_;
    std::filesystem::path installed_entry_;
};

// The association of the running program: the user's data folder, this executable, and the
// desktop entry that an install of it lays out beside its data folder.
TFileAssociation ProgramFileAssociation();

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
std::filesystem::path XdgDataHome();

}  // namespace kiova
