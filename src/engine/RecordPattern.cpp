#include "RecordPattern.h"

#include <cstdint>
#include <utility>

#include "Parallel.h"
#include "bmREFlatMap.h"
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
    // Copies made while reading share their uncompiled pattern already: they are found by its
    // address, without reading their key; the other patterns by their key and code.
    TbmREFlatMap<TRecordPattern*> preparedOfPattern;
    TbmREFlatMap<TRecordPattern*> firstOfKey;
    std::vector<TRecordPattern*> distinct;
    std::vector<std::pair<TRecordPattern*, const TRecordPattern*>> copies;
    distinct.reserve(patterns.size());
    for (TRecordPattern* pattern : patterns) {
        if (!pattern->regexp_) continue;  // no pattern: nothing to compile or share
        const auto address = reinterpret_cast<std::uintptr_t>(pattern->regexp_.get());
        if (TRecordPattern* const* prepared = preparedOfPattern.Find(address)) {
            copies.emplace_back(pattern, *prepared);
            continue;
        }
        const std::uint64_t key = decltype(firstOfKey)::TextKey(pattern->Text());
        TRecordPattern* const* first = firstOfKey.Find(key);
        if (first != nullptr && (*first)->Text() == pattern->Text() &&
            (*first)->CharCode() == pattern->CharCode()) {
            copies.emplace_back(pattern, *first);
            preparedOfPattern.Insert(address, *first);
            continue;
        }
        distinct.push_back(pattern);
        preparedOfPattern.Insert(address, pattern);
        if (first == nullptr) firstOfKey.Insert(key, pattern);
    }
    ForEachInParallel(distinct.size(), [&](std::size_t i) { distinct[i]->Prepare(); });
    for (const auto& [copy, prepared] : copies) copy->ShareCompiled(*prepared);
}

}  // namespace kiova
