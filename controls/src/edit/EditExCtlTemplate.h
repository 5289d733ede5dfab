#pragma once
// CEditExCtlTemplate<T>: the typed layer of the edit engine: reads and writes a T from the text,
// steps it, limits it and keeps the two ends of a period in order. The type's frame class
// (date, time, whole number, decimal) supplies the conversions.

#include "edit/EditExCtl.h"
#include "edit/EditMessages.h"

#include "TDate.h"
#include "TTime.h"

namespace rkcc {

inline long long OrderKey(const TDate& d) { return static_cast<uint32_t>(d); }
inline long long OrderKey(const TTime& t) { return t.minutes; }
inline long OrderKey(long v) { return v; }
inline double OrderKey(double v) { return v; }

template <class T>
class CEditExCtlTemplate : public CEditExCtl {
public:
    // The two edits of a period whose values stay ordered; null in a single edit. Not owned.
    void SetPartners(CEditExCtlTemplate* startPartner, CEditExCtlTemplate* endPartner)
    {
        m_startPartner = startPartner;
        m_endPartner = endPartner;
    }

    virtual void ReadValue(T& value) const = 0;
    virtual void WriteValue(const T& value) = 0;
    virtual void Step(T& value, bool up) const = 0;
    virtual void ReplaceInvalid(T&) const {}
    virtual bool KeepsOrder(const T& /*earlier*/, const T& /*later*/) const { return true; }
    // Values compare numerically (dates by day number, times by minutes).
    static bool Less(const T& a, const T& b) { return OrderKey(a) < OrderKey(b); }

    void StepUp() override { StepBy(true); }
    void StepDown() override { StepBy(false); }

    // Leaving the field: the text is made to show the value it stands for. A host that follows
    // the raw text (as typed) hears of the rewrite; leaving a field whose text already shows its
    // value writes and reports nothing.
    void Commit() override
    {
        ClearTyped();
        T value = m_emptyValue;
        ReadValue(value);
        ReplaceInvalid(value);
        const bool empty = IsTextEmpty();
        if (empty && AllowsEmpty()) {
            // Left empty, the edit holds nothing: what is typed next reads as in a new edit.
            m_shownText.clear();
            return;
        }
        if (empty)
            value = m_emptyValue;
        WriteAsOne([&] { WriteValue(Limit(value)); });
    }

    // The value a commit would leave, read without touching the text: what GET messages answer,
    // so that reading never rewrites what the user is typing nor reports a change.
    T CommittedValue() const
    {
        T value = m_emptyValue;
        ReadValue(value);
        if (!IsTextEmpty()) {
            ReplaceInvalid(value);
            return Clamp(value);
        }
        return AllowsEmpty() ? value : Clamp(m_emptyValue);
    }

    // What a GET message answers: the committed value, and in a period the push that the other
    // end's pending commit will give it (so a dialog closed with Enter while the user is still
    // in one end reads an ordered period).
    T ValueToReport() const
    {
        T value = CommittedValue();
        const CEditExCtlTemplate* other = m_startPartner == this ? m_endPartner : m_startPartner;
        if (!other || m_independent || !other->IsTyped() || !other->Takes() || !Takes())
            return value;
        const T pending = other->CommittedValue();
        if (other == m_startPartner) {
            if (KeepsOrder(pending, value) && Less(value, pending))
                value = pending;
        } else if (KeepsOrder(value, pending) && Less(pending, value)) {
            value = pending;
        }
        return value;
    }

    // The limits alone; with crossed limits the maximum wins.
    T Clamp(T value) const
    {
        if (m_hasMin && Less(value, m_min))
            value = m_min;
        if (m_hasMax && Less(m_max, value))
            value = m_max;
        return value;
    }

    // Applies the limits, then pushes the period's other end so that start <= end.
    T Limit(T value)
    {
        value = Clamp(value);
        if (m_independent)
            return value;
        if (m_startPartner && m_startPartner->Takes()) {
            T start = m_startPartner->m_emptyValue;
            m_startPartner->ReadValue(start);
            if (!KeepsOrder(start, value))
                return value;
            if (Less(value, start))
                m_startPartner->WriteValue(value);
        }
        if (m_endPartner && m_endPartner->Takes()) {
            T end = m_endPartner->m_emptyValue;
            m_endPartner->ReadValue(end);
            if (KeepsOrder(value, end) && Less(end, value))
                m_endPartner->WriteValue(value);
        }
        return value;
    }

    // A SET message of the number edits: write, then commit (so the value is limited); one
    // report when the text ends up different.
    void SetValue(const T& value)
    {
        WriteAsOne([&] {
            WriteValue(value);
            Commit();
        });
    }

    // After a limit changed: read (an empty text reads as the type's empty reading), limit, write.
    void Relimit()
    {
        T value = m_emptyValue;
        ReadValue(value);
        WriteValue(Limit(value));
    }

    void SetMaximum(const T& value, bool has)
    {
        m_max = value;
        m_hasMax = has;
    }
    void SetMinimum(const T& value, bool has)
    {
        m_min = value;
        m_hasMin = has;
    }
    const T& Maximum() const { return m_max; }
    const T& Minimum() const { return m_min; }
    const T& EmptyValue() const { return m_emptyValue; }
    void SetEmptyValue(const T& value) { m_emptyValue = value; }
    const T& StepSize() const { return m_step; }
    void SetStepSize(const T& value) { m_step = value; }
    bool IsIndependent() const { return m_independent; }
    void SetIndependent(bool independent) { m_independent = independent; }

protected:
    // Writes the text that shows `value` and keeps which value that is: a picture may leave out
    // part of it (the century, the year, the minutes), yet the text as shown must read back as
    // the value it shows. The pair is kept first: setting the text reports the change at once,
    // and the host may read the value then.
    void Show(const T& value, const std::wstring& text)
    {
        m_shown = value;
        m_shownText = text;
        SetText(text);
    }
    // The value that Show wrote, while the text is still its text (an empty text is read as such).
    bool ReadShown(const std::wstring& text, T& value) const
    {
        if (text.empty() || text != m_shownText)
            return false;
        value = m_shown;
        return true;
    }
    // The value behind the text the edit last wrote, which the user is now editing; null when
    // that text was empty or the user left the edit empty (nothing is held, typed text reads as in
    // a new edit).
    const T* Held() const { return m_shownText.empty() ? nullptr : &m_shown; }

    LRESULT OnValueMessage(UINT msg, LPARAM lp) override
    {
        if (!lp)
            return -1;
        if (msg == RKCC2M_EDIT_GETVALUE)
            ReadValue(*reinterpret_cast<T*>(lp));
        else
            WriteValue(*reinterpret_cast<const T*>(lp));
        return 1;
    }

    CEditExCtlTemplate* m_startPartner = nullptr; // not owned; the period owns both edits
    CEditExCtlTemplate* m_endPartner = nullptr;
    T m_max{};
    T m_min{};
    T m_emptyValue{};
    T m_step{};
    bool m_independent = false;

private:
    T m_shown{};
    std::wstring m_shownText;

    // A partner takes part in ordering unless it allows empty and its text is empty.
    bool Takes() const { return !(AllowsEmpty() && IsTextEmpty()); }

    void StepBy(bool up)
    {
        T value = m_emptyValue;
        ReadValue(value);
        if (IsTextEmpty())
            value = m_emptyValue;
        Step(value, up);
        value = Limit(value);
        WriteValue(value);
    }
};

} // namespace rkcc
