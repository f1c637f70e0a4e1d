#include "RecordPattern.h"

#include "bmRESearchText.h"
#include "bmRExp.h"

namespace kiova {

TRecordPattern::TRecordPattern() = default;
TRecordPattern::TRecordPattern(std::string_view key) : regexp_(std::make_unique<TbmRExp>()) {
    regexp_->SetPattern(key);
}
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

}  // namespace kiova
