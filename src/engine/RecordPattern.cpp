#include "RecordPattern.h"

#include <unordered_map>

#include "Parallel.h"
#include "bmRESearchText.h"
#include "bmRExp.h"

namespace kiova {

TRecordPattern::TRecordPattern() = default;
TRecordPattern::TRecordPattern(std::string_view key, TbmCharCode code)
    : regexp_(std::make_shared<TbmRExp>(code)) {
    regexp_->SetPattern(key);
}
TRecordPattern::TRecordPattern(const TRecordPattern&) = default;
TRecordPattern::TRecordPattern(TRecordPattern&&) noexcept = default;
TRecordPattern& TRecordPattern::operator=(TRecordPattern&&) noexcept = default;
TRecordPattern::~TRecordPattern() = default;

void TRecordPattern::Prepare() {
    if (!regexp_) return;
    try {
        filter_ = regexp_->Filter();  // compiles
    } catch (const EbmREToken&) {
        regexp_.reset();
    }
}

void TRecordPattern::ShareCompiled(const TRecordPattern& prepared) {
    regexp_ = prepared.regexp_;
    filter_ = prepared.filter_;
}

const TbmREDFATable* TRecordPattern::Automaton() const {
    return regexp_ && regexp_->Compiled() ? &regexp_->GetDFATable() : nullptr;
}

std::string_view TRecordPattern::Text() const {
    return regexp_ ? std::string_view(regexp_->Pattern()) : std::string_view();
}

TbmCharCode TRecordPattern::CharCode() const {
    return regexp_ ? regexp_->GetCharCode() : bmccDefaultCharCode();
}

bool TRecordPattern::FoundIn(const TbmRESearchText& text) {
    if (!regexp_ || !filter_.MayMatchIn(text)) return false;
    try {
        return regexp_->Match(text.Bytes(), 1) > 0;
    } catch (const EbmREToken&) {
        regexp_.reset();
        return false;
    }
}

void PrepareAll(const std::vector<TRecordPattern*>& patterns) {
    std::unordered_map<std::string_view, TRecordPattern*> firstOfKey;
    std::vector<TRecordPattern*> distinct;
    std::vector<std::pair<TRecordPattern*, const TRecordPattern*>> copies;
    firstOfKey.reserve(patterns.size());
    distinct.reserve(patterns.size());
    for (TRecordPattern* pattern : patterns) {
        const auto [first, added] = firstOfKey.try_emplace(pattern->Text(), pattern);
        if (added || first->second->CharCode() != pattern->CharCode())
            distinct.push_back(pattern);
        else
            copies.emplace_back(pattern, first->second);
    }
    ForEachInParallel(distinct.size(), [&](std::size_t i) { distinct[i]->Prepare(); });
    for (const auto& [copy, prepared] : copies) copy->ShareCompiled(*prepared);
}

}  // namespace kiova
