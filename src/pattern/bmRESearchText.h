// TbmRESearchText: a text prepared once for searches by many patterns, such as one message
// tested against every pattern of a dialogue table.
//
//   const TbmRESearchText message(bytes);        // the default character code
//   for (const auto& [re, filter] : patterns)    // filter: re->Filter(), kept beside it
//       found = filter.MayMatchIn(message) && re->Match(message.Bytes()) != 0;
//
// Preparing reads the text's characters once into a hashed set, against which each pattern's
// match filter (TbmREMatchFilter) can rule the text out without a search.
#pragma once

#include <optional>
#include <string>

#include "bmCharCode.h"
#include "bmRECharHashSet.h"

namespace kiova {

class TbmRESearchText {
public:
    explicit TbmRESearchText(std::string bytes);  // bmccDefaultCharCode()
    TbmRESearchText(std::string bytes, TbmCharCode code);

    const std::string& Bytes() const { return bytes_; }
    TbmCharCode CharCode() const { return charCode_; }
    // Every character the code's reader reads from the first byte on; nothing for a text that
    // no reader reads (an odd UTF-16 length, the JIS code), which only the search may report.
    const std::optional<TbmRECharHashSet>& Chars() const { return chars_; }

private:
    std::string bytes_;
    TbmCharCode charCode_;
    std::optional<TbmRECharHashSet> chars_;
};

}  // namespace kiova
