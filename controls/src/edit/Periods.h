#pragma once
// "RKCC2DatePeriod" (CRKDatePeriod) and "RKCC2TimePeriod" (CRKTimePeriod).

#include "edit/DateEditWnd.h"
#include "edit/PeriodCtrl.h"
#include "edit/TimeEditWnd.h"

namespace rkcc {

class CRKDatePeriod : public CPeriodBase {
protected:
    HWND StartFrame() const override { return m_start.Hwnd(); }
    HWND EndFrame() const override { return m_end.Hwnd(); }
    bool CreateFrames(const PeriodLayout& layout) override;
    bool OnPeriodMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    CDateEditWnd& Side(WPARAM wp) { return wp == 0 ? m_start : m_end; }

    CDateEditWnd m_start;
    CDateEditWnd m_end;
};

class CRKTimePeriod : public CPeriodBase {
protected:
    HWND StartFrame() const override { return m_start.Hwnd(); }
    HWND EndFrame() const override { return m_end.Hwnd(); }
    bool CreateFrames(const PeriodLayout& layout) override;
    bool OnPeriodMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    CTimeEditWnd& Side(WPARAM wp) { return wp == 0 ? m_start : m_end; }

    CTimeEditWnd m_start;
    CTimeEditWnd m_end;
};

} // namespace rkcc
