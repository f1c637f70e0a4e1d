// Stand-ins for update-mime-database, update-desktop-database and xdg-mime in a folder that
// becomes the whole PATH: each writes its name and arguments to calls.log in that folder, so a
// test sees which tools ran with what, and the user's own desktop is never touched. xdg-mime
// remembers the entry of its last "default" and prints it for "query default" (with shell
// built-ins only: nothing else is on that PATH).
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ScopedEnvironment.h"
#include "TempFolder.h"

namespace kiova::testing {

class FakeDesktopTools {
public:
    // `failing` (a tool's name) exits with status 3 after writing "broken cache" to its
    // standard error.
    explicit FakeDesktopTools(const TempFolder& folder, const std::string& failing = "")
        : bin_(folder / "bin"), path_("PATH", bin_) {
        for (const char* tool : {"update-mime-database", "update-desktop-database", "xdg-mime"}) {
            std::string script =
                "#!/bin/sh\necho \"" + std::string(tool) + " $*\" >> \"" + bin_ + "/calls.log\"\n";
            if (tool == failing) script += "echo 'broken cache' >&2\nexit 3\n";
            if (tool == std::string("xdg-mime"))
                script +=
                    "case \"$1 $2\" in\n"
                    "  'default '*) echo \"$2\" > \"" +
                    bin_ +
                    "/default\" ;;\n"
                    "  'query default') read -r entry < \"" +
                    bin_ +
                    "/default\" && echo \"$entry\" ;;\n"
                    "esac\n";
            std::filesystem::path file = folder.Write("bin/" + std::string(tool), script);
            std::filesystem::permissions(file, std::filesystem::perms::owner_all);
        }
    }

    // "tool arguments..." per call, in order.
    std::vector<std::string> Calls() const {
        std::vector<std::string> calls;
        std::ifstream in(bin_ + "/calls.log");
        for (std::string line; std::getline(in, line);) calls.push_back(line);
        return calls;
    }

private:
    std::string bin_;
    ScopedEnvironment path_;
};

}  // namespace kiova::testing
