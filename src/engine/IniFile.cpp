#include "IniFile.h"

#include "CodePage.h"
#include "Files.h"
#include "TextUtils.h"

namespace kiova {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    return AnsiUpperCase(TrimSpaces(a)) == AnsiUpperCase(TrimSpaces(b));
}

}  // namespace

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {
    for (std::string& text : ReadTextFileLines(path_, format_)) {
        Line line;
        std::string_view trimmed = TrimSpaces(text);
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.find(']') != trimmed.npos) {
            line.is_header = true;
            line.section = TrimSpaces(trimmed.substr(1, trimmed.find(']') - 1));
        } else if (!trimmed.empty() && trimmed.front() != ';' &&
                   trimmed.find('=') != trimmed.npos) {
            line.is_entry = true;
            line.key = TrimSpaces(trimmed.substr(0, trimmed.find('=')));
            line.value = TrimSpaces(trimmed.substr(trimmed.find('=') + 1));
        }
        line.text = std::move(text);
        lines_.push_back(std::move(line));
    }
}

std::optional<std::pair<size_t, size_t>> TIniFile::SectionRange(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].is_header || !SameName(lines_[i].section, section)) continue;
        size_t end = i + 1;
        while (end < lines_.size() && !lines_[end].is_header) ++end;
        return std::make_pair(i + 1, end);
    }
    return std::nullopt;
}

const TIniFile::Line* TIniFile::FindEntry(std::string_view section, std::string_view key) const {
    auto range = SectionRange(section);
    if (!range) return nullptr;
    for (size_t i = range->first; i < range->second; ++i)
        if (lines_[i].is_entry && SameName(lines_[i].key, key)) return &lines_[i];
    return nullptr;
}

std::optional<std::string> TIniFile::Read(std::string_view section, std::string_view key) const {
    const Line* entry = FindEntry(section, key);
    if (entry == nullptr) return std::nullopt;
    return entry->value;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view default_value) const {
    return Read(section, key).value_or(std::string(default_value));
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindEntry(section, key) != nullptr;
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    if (auto range = SectionRange(section))
        for (size_t i = range->first; i < range->second; ++i)
            if (lines_[i].is_entry) keys.push_back(lines_[i].key);
    return keys;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Line entry;
    entry.is_entry = true;
    entry.key = TrimSpaces(key);
    entry.value = TrimSpaces(value);
    entry.text = entry.key + "=" + entry.value;

    if (const Line* existing = FindEntry(section, key)) {
        Line& line = lines_[static_cast<size_t>(existing - lines_.data())];
        entry.key = line.key;  // keep the spelling the file already uses
        entry.text = entry.key + "=" + entry.value;
        line = std::move(entry);
        return;
    }
    auto range = SectionRange(section);
    if (!range) {
        Line header;
        header.is_header = true;
        header.section = TrimSpaces(section);
        header.text = "[" + header.section + "]";
        lines_.push_back(std::move(header));
        lines_.push_back(std::move(entry));
        return;
    }
    // After the section's last entry, so blank lines and comments before the next section stay.
    size_t at = range->first;
    for (size_t i = range->first; i < range->second; ++i)
        if (lines_[i].is_entry) at = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
}

void TIniFile::EraseSection(std::string_view section) {
    while (auto range = SectionRange(section))
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->first - 1),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range->second));
}

void TIniFile::Save() {
    std::vector<std::string> texts;
    texts.reserve(lines_.size());
    for (const Line& line : lines_) texts.push_back(line.text);
    WriteTextFileLines(path_, texts, format_);
}

}  // namespace kiova
