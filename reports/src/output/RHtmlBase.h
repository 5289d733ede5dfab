#pragma once
// CRHtmlBase: the HTML page of a report, written while it is made (CHtmlWriter): head with the
// style sheet, title and subtitles, paragraphs, PNG pictures beside the page and the footer,
// under the ReportsHtml* settings. It keeps the list of files it created in the
// setting `ReportsHtmlCreatedFiles`. CRHtmlBaseEx adds the heading block a report places after
// the start of the body. An HTML object lives on the stack of the report's HTML callback.
//
// Calling order: constructor; OpenPage; BeginHtml; the report's parts (subtitles, paragraphs,
// tables of HtmlTable.h row by row, or pictures with AddImage after setting PictureCount), each
// appended to the page's Text() and committed; EndHtml; FinishPage. The parts' helpers append to
// any string, so a document made whole can still be written with WriteHtmlFile.

#include "base/RBase.h"

class CHtmlWriter;

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

class CRHtmlBase : public CRBase {
public:
    // The defaults, then `ReportsHtmlCreatedFiles` emptied and the settings read.
    CRHtmlBase();
    // Stores the created files, joined by line feeds, when SaveCreatedFiles is set.
    ~CRHtmlBase() override;

    // The report's page: builds the document and writes it; 0 written, 1 not.
    virtual int Html(const wchar_t* path) = 0;

    // Doctype, head (meta, title, style sheet plus `extraStyle`), body start and the title as a
    // level-2 heading; 0.
    int BeginHtml(std::wstring& document, const std::wstring& extraStyle);
    // "<h3>text</h3>" with the text escaped; nothing for an empty text.
    void AddSubtitle(const std::wstring& text, std::wstring& document);
    // "<p>text</p>" with the text escaped, also for an empty text.
    void AddParagraph(std::wstring& document, const std::wstring& text);
    // Subtitle: string 38020 and the report filter's name.
    void AddFilterSubtitle(std::wstring& document);
    // Subtitle: string 38000 and the period text.
    void AddPeriodSubtitle(std::wstring& document, TDate start, TDate end, int startMinute, int endMinute);
    // Footer (with the placeholders, "%pc" and "%pt" as 0) and the end of the document; 0.
    int EndHtml(std::wstring& document);
    // 0 written (the path joins the created files); 1 for an empty path (nothing touched) or a
    // file that cannot be made or written (message 10200 when `ReportsErrorMessage` is set).
    int WriteHtmlFile(const wchar_t* path, const std::wstring& document);
    // Creates the page file in the encoding of the settings: 0; 1 for an empty path (nothing
    // touched); a file that cannot be made gives message 10200 as WriteHtmlFile.
    int OpenPage(CHtmlWriter& page, const wchar_t* path);
    // Writes the rest of the page opened by OpenPage: 0 when every byte reached the file (the
    // path joins the created files); else message 10200, and the page is deleted.
    int FinishPage(CHtmlWriter& page, const wchar_t* path);

    // The path's file name, the file name with n before its extension, and that name's full
    // path (drive and folder of `path`); for reports that write several pages.
    static void NumberedFileName(int n, const std::wstring& path, std::wstring& fileName, std::wstring& numberedName,
                                 std::wstring& numberedPath);
    // The picture surface; see PngWriter.h.
    static HBITMAP CreateImageBitmap(HDC dc, int width, int height, BITMAPINFOHEADER& header, void*& pixels);
    // Writes picture index + 1 of PictureCount as a PNG beside the page (its path kept in
    // LastPicturePath) and appends its reference (also when the PNG could not be written); 0
    // when written, else 1.
    int AddImage(std::wstring& document, const void* pixels, const BITMAPINFOHEADER& header, const std::wstring& pagePath,
                 int index);
    // AddImage without the writing, for a report that writes its pictures itself: appends the
    // reference and returns the picture's path (also kept in LastPicturePath).
    std::wstring AddImageReference(std::wstring& document, int width, int height, const std::wstring& pagePath,
                                   int index);
    bool WritePng(const std::wstring& path, const BITMAPINFOHEADER& header, const void* pixels);

    // "&", "<" and ">" as entities; blanks as "&#160;" with `blanks`; CR removed and LF as
    // "<br>" with `lineBreaks`. Quote marks stay.
    static std::wstring EscapeHtml(const std::wstring& text, bool blanks, bool lineBreaks);
    // The same appended to `out`.
    static void AppendEscaped(std::wstring& out, std::wstring_view text, bool blanks, bool lineBreaks);
    // A file path as the value of an href or src attribute: a URL path (UTF-8, percent-encoded,
    // "/" between folders), HTML-escaped.
    static std::wstring UrlAttribute(const std::wstring& path);
    // "\"#rrggbb\"" in lower-case hexadecimal digits, quote marks included.
    static std::wstring HtmlColor(COLORREF colour);

    COLORREF BackgroundColor = 0xFFFFFF;  // ReportsHtmlColorBk
    COLORREF TextColor = 0;               // ReportsHtmlColorText
    int LargestPicture = 4000000;         // ReportsHtmlImageSizeMax, pixels per picture
    std::vector<std::wstring> CreatedFiles;
    int PictureCount = 0;                 // set by the report before its first AddImage
    std::wstring LastPicturePath;         // the file the last AddImage wrote or tried to write
    std::wstring BeginText = L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"; // ReportsHtmlBegin
    std::wstring StyleSheet;              // ReportsHtmlCSS, else the built-in style sheet
    std::wstring HeadAddition;            // ReportsHtmlHeaderAdd
    std::wstring BodyAddition;            // ReportsHtmlBeginAdd
    std::wstring EndAddition;             // ReportsHtmlEndAdd
    std::wstring MetaText = L"<meta http-equiv=\"content-type\" content=\"text/html; charset=UTF-16\">"; // ReportsHtmlMeta
    bool FooterShown = true;              // ReportsHtmlFooterShow
    std::wstring FooterFormat;            // ReportsHtmlFooterFormat, else string 10330
    bool SaveCreatedFiles = false;        // ReportsHtmlCreatedFilesSave
    bool EncodingUnicode = true;          // ReportsHtmlEncodingUnicode
    int CodePage = 1252;                  // ReportsHtmlEncodingCodepage
};

class CRHtmlBaseEx : public CRHtmlBase {
public:
    // The heading block (subtitles) a report's page places right after the start of the body;
    // empty here.
    virtual std::wstring GetHeadingBlock() { return {}; }
};
