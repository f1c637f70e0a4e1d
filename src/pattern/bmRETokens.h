// Standardize: prepares a scanned token list and the alphabet partition for the tree builder.
#pragma once

#include "bmREToken.h"
#include "bmREWchRanges.h"

namespace kiova {

// Clears `partition` and refines it with every range the tokens name. Rewrites each negated
// bracket as a plain bracket holding the complement of its items and of CR and LF, so that the
// list holds no "negate left bracket" token afterwards. Throws std::logic_error
// "TbmRETokens.Standardize Internal Error(n)" for a list the scanner cannot produce.
// `maxChar` is the last character of the code (see bmreMaxCharOf).
void Standardize(TbmRETokens& tokens, TbmREWchRanges& partition,
                 std::int32_t maxChar = bmreMaxChar);

}  // namespace kiova
