#pragma once
// Closes every message box the thread shows (a box of any module: each has a message sink of its
// own), and any other dialog window of its own, and keeps its text. Usable while memory is taken: the texts are kept in storage of the
// catcher's own, and made into strings only when asked for.

#include <windows.h>

#include <string>
#include <vector>

namespace qvtest {

class CMessageBoxCatcher {
public:
    CMessageBoxCatcher();
    ~CMessageBoxCatcher();
    CMessageBoxCatcher(const CMessageBoxCatcher&) = delete;
    CMessageBoxCatcher& operator=(const CMessageBoxCatcher&) = delete;
    // The texts of the boxes shown so far, in order.
    std::vector<std::wstring> Texts() const;
    void Clear();

private:
    HHOOK m_hook;
};

} // namespace qvtest
