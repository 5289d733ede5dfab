// HTML pages written part by part.
#include "output/HtmlWriter.h"

namespace {

// The committed text written at once: four times the file's buffer.
constexpr size_t kWriteUnits = 4 * unicode_helper::CTextFile::kBufferBytes / sizeof(wchar_t);

} // namespace

CHtmlWriter::~CHtmlWriter()
{
    Discard();
}

bool CHtmlWriter::Open(const std::wstring& path, bool unicode, unsigned codePage)
{
    Discard();
    m_file.Unicode = unicode;
    m_file.CodePage = codePage;
    m_text.clear();
    m_pending.Clear();
    m_failed = false;
    // What may run out of memory comes before the file: a failure leaves no file made or emptied.
    m_path = path;
    // Room for a write and a row or two beyond it, made once.
    if (unicode)
        m_pending.Reserve(kWriteUnits + kWriteUnits / 8);
    m_open = m_file.Open(path);
    return m_open;
}

bool CHtmlWriter::Commit()
{
    if (!m_open || m_failed) {
        m_failed = true;
        m_text.clear();
        m_pending.Clear();
        return false;
    }
    if (!m_file.Unicode) {
        // Each part converted on its own, as a code page with shift states needs: a part
        // appended straight first, then the one of Text().
        if (!Flush())
            return false;
        if (!m_text.empty())
            m_failed = !m_file.Write(m_text);
        m_text.clear();
        return !m_failed;
    }
    if (!m_text.empty()) {
        m_pending.Append(m_text);
        m_text.clear();
    }
    // A write larger than the file's buffer goes to the file from here, not copied into it; and
    // a file write costs enough besides its bytes that fewer, larger ones pay.
    if (m_pending.Size() > kWriteUnits)
        return Flush();
    return true;
}

bool CHtmlWriter::Flush()
{
    if (m_failed)
        return false;
    if (m_pending.Size() > 0)
        m_failed = !m_file.Write(m_pending.View());
    m_pending.Clear();
    return !m_failed;
}

bool CHtmlWriter::Write(std::wstring_view text)
{
    if (!Commit() || !Flush())
        return false;
    m_failed = !m_file.Write(text);
    return !m_failed;
}

bool CHtmlWriter::Finish()
{
    if (!Commit() || !Flush()) {
        Discard();
        return false;
    }
    m_open = false;
    // The last bytes reach the file only on closing.
    if (!m_file.Close()) {
        DeleteFileW(m_path.c_str());
        return false;
    }
    return true;
}

void CHtmlWriter::Discard()
{
    if (!m_open)
        return;
    m_file.Close();
    m_open = false;
    DeleteFileW(m_path.c_str());
}
