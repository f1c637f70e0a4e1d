// Small characters on disk for tests: a package ("<stem>.ktc") in a temporary folder and its data
// files in the folder "data" beside it. Texts are written as given (ANSI bytes).
//
//   TestCharacter alice("Alice");
//   alice.Data("datab2", "words.txt", {"hello,Hi", "bye,Bye"});
//   TCharacter character(alice.Write());
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "TempFolder.h"
#include "TextUtils.h"

namespace kiova::testing {

class TestCharacter {
public:
    // A character named `name` (no "name" key when empty) with version 210.
    explicit TestCharacter(std::string name = "Alice", std::string stem = "alice")
        : stem_(std::move(stem)) {
        if (!name.empty()) Set("name", name);
        Set("folder", "data");
        Set("version", "210");
    }

    // Sets a package value; the first pair of a key wins, so a later Set replaces it in place.
    TestCharacter& Set(std::string_view key, std::string_view value) {
        for (auto& pair : pairs_)
            if (pair.first == key) {
                pair.second = value;
                return *this;
            }
        pairs_.emplace_back(key, value);
        return *this;
    }

    // Writes the data file `file` with `lines` (CR LF) and adds it to the field list of `key`.
    TestCharacter& Data(std::string_view key, std::string_view file,
                        const std::vector<std::string>& lines) {
        WriteDataFile(file, JoinLinesCrLf(lines));
        return AddDataFile(key, file);
    }
    // Names `file` under `key` without writing it.
    TestCharacter& AddDataFile(std::string_view key, std::string_view file) {
        std::string value;
        for (auto& pair : pairs_)
            if (pair.first == key) value = pair.second + " ";
        return Set(key, value + "\"" + std::string(file) + "\"");
    }
    std::string WriteDataFile(std::string_view file, std::string_view bytes) const {
        return folder_.Write("data/" + std::string(file), bytes);
    }

    // Writes the package and returns its path.
    std::string Write() const {
        std::vector<std::string> lines;
        for (const auto& [key, value] : pairs_) {
            lines.push_back(key);
            lines.push_back(value);
        }
        return folder_.Write(stem_ + ".ktc", JoinLinesCrLf(lines));
    }

    std::string PackagePath() const { return folder_ / (stem_ + ".ktc"); }
    std::string StatePath() const { return folder_ / ("data/" + stem_ + ".kts"); }
    std::string ReadState() const { return folder_.Read("data/" + stem_ + ".kts"); }
    const TempFolder& Folder() const { return folder_; }

private:
    TempFolder folder_;
    std::string stem_;
    std::vector<std::pair<std::string, std::string>> pairs_;
};

}  // namespace kiova::testing
