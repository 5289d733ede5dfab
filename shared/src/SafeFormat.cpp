// Placeholder filling for resource-string formats; anything it does not know is copied as it stands.
#include "SafeFormat.h"

#include "ClassicText.h"
#include "WideCopy.h"

namespace msgfmt {
namespace {

constexpr size_t kMaxWidth = 1024; // a width beyond this is a hostile format, not a layout

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

size_t ReadCount(std::wstring_view f, size_t& i)
{
    size_t v = 0;
    while (i < f.size() && IsDigit(f[i])) {
        v = v * 10 + static_cast<size_t>(f[i] - L'0');
        if (v > kMaxWidth)
            v = kMaxWidth;
        ++i;
    }
    return v;
}

} // namespace

std::wstring Format(std::wstring_view f, std::initializer_list<Arg> args)
{
    std::wstring out;
    out.reserve(f.size() + 32);
    const Arg* next = args.begin();
    size_t i = 0;
    while (i < f.size()) {
        const wchar_t c = f[i];
        if (c != L'%') {
            out.push_back(c);
            ++i;
            continue;
        }
        const size_t start = i++;
        if (i < f.size() && f[i] == L'%') {
            out.push_back(L'%');
            ++i;
            continue;
        }
        bool left = false;
        bool zero = false;
        for (; i < f.size() && (f[i] == L'-' || f[i] == L'0'); ++i)
            (f[i] == L'-' ? left : zero) = true;
        const size_t width = ReadCount(f, i);
        bool hasPrecision = false;
        size_t precision = 0;
        if (i < f.size() && f[i] == L'.') {
            ++i;
            hasPrecision = true;
            precision = ReadCount(f, i);
        }
        while (i < f.size() && (f[i] == L'l' || f[i] == L'h'))
            ++i;
        if (i >= f.size() || (f[i] != L's' && f[i] != L'd' && f[i] != L'i' && f[i] != L'u' && f[i] != L'S')) {
            // Not a placeholder we fill: keep its characters, consume no argument.
            out.append(f.substr(start, i - start));
            continue;
        }
        const wchar_t conv = f[i++];
        std::wstring piece;
        if (next != args.end()) {
            const Arg& a = *next++;
            if (conv == L's' || conv == L'S') {
                piece = a.IsText() ? std::wstring(a.Text()) : ctext::IntText(a.Number());
                if (hasPrecision && piece.size() > precision)
                    piece.resize(precision);
            } else {
                piece = a.IsText() ? std::wstring(a.Text()) : ctext::IntText(a.Number());
            }
        }
        if (piece.size() < width) {
            const size_t pad = width - piece.size();
            if (left)
                piece.append(pad, L' ');
            else if (zero && conv != L's' && conv != L'S') {
                const size_t at = (!piece.empty() && piece[0] == L'-') ? 1 : 0;
                piece.insert(at, pad, L'0');
            } else
                piece.insert(0, pad, L' ');
        }
        out += piece;
    }
    return out;
}

size_t FormatTo(wchar_t* buffer, size_t capacity, std::wstring_view format, std::initializer_list<Arg> args)
{
    return wstr::CopyBounded(buffer, capacity, Format(format, args));
}

} // namespace msgfmt
