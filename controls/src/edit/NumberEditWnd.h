#pragma once
// The frames of the whole-number edit (CLongEditWnd) and of the decimal edit (CDoubleEditWnd).

#include "edit/EditExCtlTemplate.h"

namespace rkcc {

class CLongEditWnd : public CEditExCtlTemplate<long> {
public:
    CLongEditWnd();

    void ReadValue(long& value) const override;
    void WriteValue(const long& value) override;
    void Step(long& value, bool up) const override;
    bool IsCharAllowed(wchar_t c) const override;
};

class CDoubleEditWnd : public CEditExCtlTemplate<double> {
public:
    CDoubleEditWnd();

    void ReadValue(double& value) const override;
    void WriteValue(const double& value) override;
    void Step(double& value, bool up) const override;
    bool IsCharAllowed(wchar_t c) const override;

private:
    wchar_t m_separator;
};

} // namespace rkcc
