// The tags that reach outside the program: "SHELL:", "ENTRUST", "ENDENTRUST", "RESULT".
// Starting anything is allowed only while the character's AllowExecute switch is on.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Entrust.h"
#include "HandOverQueue.h"
#include "OpenDocument.h"

namespace kiova {

class TCharacter;

inline constexpr std::string_view kResultFileName = "Result.txt";

// The argument vector of a delegated program: `program` inside the data folder (see
// PathInside), the full path of the result file in the data folder, then `arguments` split
// like a Windows command line. UTF-8. Nothing when `program` is no regular file inside the
// data folder.
std::optional<std::vector<std::string>> EntrustArguments(std::string_view data_folder,
                                                         std::u16string_view program,
                                                         std::u16string_view arguments);

class TDelegation {
public:
    // `queue` and the character outlive this object.
    TDelegation(TCharacter& character, THandOverQueue& queue, TOpenDocument open_document);
    // Stops watching a delegated program, which keeps running.
    ~TDelegation();
    TDelegation(const TDelegation&) = delete;
    TDelegation& operator=(const TDelegation&) = delete;

    // "SHELL:": opens `target` with the desktop's application; false when not allowed, when it
    // would run a program (see ShellTarget) or when opening fails.
    bool Shell(std::u16string_view target);
    // "ENTRUST": stops watching the previous delegated program, then starts `program` and
    // watches it; false when not allowed or when it cannot be started.
    bool Entrust(std::u16string_view program, std::u16string_view arguments);
    // "RESULT": the first line of the result file, which is then deleted; empty without one.
    std::u16string TakeResult();

    // Starts the program of `arguments` hidden and watches it; its end sets the character's
    // delegation-finished flag.
    bool StartEntrust(const std::vector<std::string>& arguments);

private:
    TCharacter& character_;
    THandOverQueue& queue_;
    TOpenDocument open_document_;
    std::unique_ptr<TEntrust> entrust_;
};

}  // namespace kiova
