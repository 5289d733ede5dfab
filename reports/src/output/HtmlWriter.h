#pragma once
// CHtmlWriter: one HTML page written while it is made. The report formats each part (the head,
// a subtitle, one table row) into Text(), a buffer used again for every part, or appends it to
// Direct() straight, and Commit hands it on to the page file; so a page of any length holds a
// part and one file write's worth in memory, never the whole table or document. A page not
// finished (a run that stops early or a write that failed) is deleted when the writer goes, so
// no page that looks whole is left behind. Lives on the stack of one report run.

#include "output/PageText.h"
#include "output/TextFile.h"

#include <string>
#include <string_view>

class CHtmlWriter {
public:
    CHtmlWriter() = default;
    // An open, unfinished page is closed and deleted.
    ~CHtmlWriter();
    CHtmlWriter(const CHtmlWriter&) = delete;
    CHtmlWriter& operator=(const CHtmlWriter&) = delete;

    // Creates the page file (an existing one cut to length 0) in UTF-16 or the code page.
    bool Open(const std::wstring& path, bool unicode, unsigned codePage);
    // The part being made; Commit empties it.
    std::wstring& Text() { return m_text; }
    // The committed text not yet written, for a part appended to it straight, without the copy
    // out of Text(): Text() must be committed first. Commit hands it on as well.
    CPageText& Direct() { return m_pending; }
    // Hands the part made so far on to the page file: false once any write of the page has
    // failed. A UTF-16 page gathers the parts into writes of at least the file buffer's size; a
    // code page's converts each part on its own.
    bool Commit();
    // Writes the part made so far and then `text`; false once any write has failed.
    bool Write(std::wstring_view text);
    // Writes the rest and closes the page: true when every byte reached it. A failed page is
    // deleted.
    bool Finish();

private:
    // Writes what was committed: false once any write of the page has failed.
    bool Flush();
    void Discard();

    unicode_helper::CTextFile m_file;
    std::wstring m_path;
    std::wstring m_text;
    CPageText m_pending;
    bool m_open = false;
    bool m_failed = false;
};
