// Cell rules.
#include "CellStyle.h"

namespace rkpe {

bool RuleHolds(const CellRule& rule, int page, int row)
{
    if (rule.op < 1 || rule.op > 18)
        return false;
    const int n = rule.op <= 6 ? page : rule.op <= 12 ? row : -1;
    const int v = rule.value;
    switch ((rule.op - 1) % 6) {
    case 0: return v == n;
    case 1: return v != n;
    case 2: return v >= n;
    case 3: return v > n;
    case 4: return v <= n;
    default: return v < n;
    }
}

void ApplyRules(CellStyle& style, int page, int row)
{
    if (RuleHolds(style.textRule, page, row))
        style.text = style.extraText;
    if (RuleHolds(style.borderRule, page, row))
        for (PenRec& border : style.borders)
            border = PenRec{};
}

} // namespace rkpe
