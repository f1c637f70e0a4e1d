// Token rewriters: a token list in, a rewritten copy out (used for the ignore-case option).
#pragma once

#include <span>

#include "bmREToken.h"

namespace kiova {

class TbmREDic {
public:
    virtual ~TbmREDic() = default;
    // Clears `destination`, then fills it from `source`.
    virtual void Rewrite(const TbmRETokens& source, TbmRETokens& destination) const = 0;
};

// Hands each run of consecutive character tokens outside brackets to RewriteRun; brackets
// and every other token are copied unchanged.
class TbmREDicFrame : public TbmREDic {
public:
    void Rewrite(const TbmRETokens& source, TbmRETokens& destination) const override;

protected:
    // Appends the rewrite of `run` to `destination`; by default an unchanged copy.
    virtual void RewriteRun(std::span<const TbmRETokenRec> run, TbmRETokens& destination) const;
};

// Each ASCII letter x becomes (x|X), with the positions of the letter it replaces.
class TbmREAsciiIgnoreCaseDic final : public TbmREDicFrame {
protected:
    void RewriteRun(std::span<const TbmRETokenRec> run, TbmRETokens& destination) const override;
};

}  // namespace kiova
