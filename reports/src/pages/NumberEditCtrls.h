#pragma once
// Thin wrappers of the controls library's whole-number and decimal edits for report pages whose
// options take numbers. Each attaches to a control of the page's template (owned by the page).

#include "pages/ControlMessages.h"

class CRK2LongEditCtrl {
public:
    void Attach(HWND window) { m_hwnd = window; }
    void Detach() { m_hwnd = nullptr; }
    HWND Hwnd() const { return m_hwnd; }

    void SetValue(int value) const;
    // The committed value; `fallback` without a control.
    int GetValue(int fallback) const;
    void SetRange(int minimum, int maximum) const;
    void SetStep(int step) const;
    void SetStartValue(int value) const;

private:
    HWND m_hwnd = nullptr; // the control; its dialog owns it
};

class CRK2DoubleEditCtrl {
public:
    void Attach(HWND window) { m_hwnd = window; }
    void Detach() { m_hwnd = nullptr; }
    HWND Hwnd() const { return m_hwnd; }

    void SetValue(double value) const;
    double GetValue(double fallback) const;
    void SetRange(double minimum, double maximum) const;
    void SetStep(double step) const;
    void SetStartValue(double value) const;

private:
    HWND m_hwnd = nullptr; // the control; its dialog owns it
};
