#include "bmCharCode.h"

#include <atomic>
#include <stdexcept>

namespace kiova {
namespace {

bool IsShiftJISLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsEUCLeadByte(unsigned char byte) {
    return byte == 0x8E || (byte >= 0xA1 && byte <= 0xFE);
}

bool IsNeverLeadByte(unsigned char) {
    return false;
}

std::atomic<TbmCharCode> defaultCharCode{TbmCharCode::ShiftJIS};

}  // namespace

std::string_view bmccCharCodeName(TbmCharCode code) {
    switch (code) {
        case TbmCharCode::ShiftJIS:
            return "Shift JIS";
        case TbmCharCode::JapaneseEUC:
            return "Japanese EUC";
        case TbmCharCode::Western:
            return "Western (Windows-1252)";
        case TbmCharCode::UniCode:
            return "UniCode";
        case TbmCharCode::JIS:
            return "JIS";
        case TbmCharCode::UTF8:
            return "UTF-8";
    }
    return {};
}

TbmCharCode bmccCodePage2CharCode(int codePage) {
    switch (codePage) {
        case 932:
            return TbmCharCode::ShiftJIS;
        case 1252:
            return TbmCharCode::Western;
        case 1200:
            return TbmCharCode::UniCode;
        case 65001:
            return TbmCharCode::UTF8;
        default:
            throw std::invalid_argument("bmccCodePage2CharCode: unknown code page");
    }
}

TbmIsLeadByteFunc bmccGetIsLeadByteFunc(TbmCharCode code) {
    switch (code) {
        case TbmCharCode::ShiftJIS:
            return IsShiftJISLeadByte;
        case TbmCharCode::JapaneseEUC:
            return IsEUCLeadByte;
        case TbmCharCode::Western:
        case TbmCharCode::UTF8:
            return IsNeverLeadByte;
        default:
            throw std::invalid_argument("bmccGetIsLeadByteFunc: invalid argument");
    }
}

TbmCharCode bmccDefaultCharCode() {
    return defaultCharCode.load(std::memory_order_relaxed);
}

void bmccSetDefaultCharCode(TbmCharCode code) {
    defaultCharCode.store(code, std::memory_order_relaxed);
}

}  // namespace kiova
