// HTML pages written part by part.
#include "output/HtmlWriter.h"

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
    m_failed = false;
    m_open = m_file.Open(path);
    if (m_open)
        m_path = path;
    return m_open;
}

bool CHtmlWriter::Commit()
{
    // The file buffers: a part costs a copy into its buffer, and a file write per buffer.
    if (!m_open || m_failed)
        m_failed = true;
    else if (!m_text.empty())
        m_failed = !m_file.Write(m_text);
    m_text.clear();
    return !m_failed;
}

bool CHtmlWriter::Write(std::wstring_view text)
{
    if (!Commit())
        return false;
    m_failed = !m_file.Write(text);
    return !m_failed;
}

bool CHtmlWriter::Finish()
{
    if (!Commit()) {
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
