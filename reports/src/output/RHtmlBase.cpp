// HTML report writer.
#include "output/RHtmlBase.h"

#include "common/ReportMessages.h"
#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "output/HtmlWriter.h"
#include "output/PngWriter.h"

#include "ClassicText.h"
#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

#include <algorithm>
#include <cwctype>

namespace {

const wchar_t kStyleSheet[] =
    L"\tbody { margin-top:5px; margin-bottom:5px; }\n"
    L"\tp,h1,h2,h3,h4,ul,ol,li,div,td,th,blockquote,nobr,b,i { font-family:Arial,sans-serif; }\n"
    L"\th1 { font-size:16pt; }\n"
    L"\th2 { font-size:14pt; }\n"
    L"\th3,h4 { font-size:10pt; }\n"
    L"\tp,ul,ol,li,div,td,th,nobr,b,i { font-size:10pt; }\n"
    L"\tsmall { font-size: 9pt; }\n";

// Drive and folder (with the trailing separator), file name without extension, and extension
// (with its dot) of a path.
struct PathParts {
    std::wstring folder;
    std::wstring name;
    std::wstring extension;
};

PathParts SplitPath(const std::wstring& path)
{
    PathParts parts;
    const size_t slash = path.find_last_of(L"\\/:");
    const size_t nameStart = slash == std::wstring::npos ? 0 : slash + 1;
    parts.folder = path.substr(0, nameStart);
    const std::wstring file = path.substr(nameStart);
    const size_t dot = file.find_last_of(L'.');
    parts.name = dot == std::wstring::npos ? file : file.substr(0, dot);
    parts.extension = dot == std::wstring::npos ? std::wstring() : file.substr(dot);
    return parts;
}

// The name browsers know a Windows code page by.
std::wstring CharsetName(unsigned codePage)
{
    if (codePage == CP_ACP)
        codePage = GetACP();
    else if (codePage == CP_OEMCP)
        codePage = GetOEMCP();
    if ((codePage >= 1250 && codePage <= 1258) || codePage == 874)
        return L"windows-" + ctext::IntText(static_cast<int>(codePage));
    if (codePage >= 28591 && codePage <= 28599)
        return L"iso-8859-" + ctext::IntText(static_cast<int>(codePage - 28590));
    static const struct {
        unsigned codePage;
        const wchar_t* name;
    } kNames[] = {{65001, L"utf-8"},     {20127, L"us-ascii"},   {28603, L"iso-8859-13"}, {28605, L"iso-8859-15"},
                  {932, L"shift_jis"},   {936, L"gbk"},          {54936, L"gb18030"},     {949, L"euc-kr"},
                  {950, L"big5"},        {20932, L"euc-jp"},     {50220, L"iso-2022-jp"}, {866, L"ibm866"},
                  {20866, L"koi8-r"},    {21866, L"koi8-u"},     {10000, L"macintosh"},   {437, L"ibm437"},
                  {850, L"ibm850"}};
    for (const auto& known : kNames) {
        if (known.codePage == codePage)
            return known.name;
    }
    return L"cp" + ctext::IntText(static_cast<int>(codePage));
}

} // namespace

CRHtmlBase::CRHtmlBase() : StyleSheet(kStyleSheet), FooterFormat(fw::LoadResString(IDS_HTML_FOOTER_FORMAT))
{
    SetSettingText(L"ReportsHtmlCreatedFiles", L"");
    BackgroundColor = GetColourSetting(L"ReportsHtmlColorBk", BackgroundColor);
    // A limit that holds not one pixel (zero, negative, no number) would refuse every chart: it
    // counts as unset.
    if (const int largest = GetIntSetting(L"ReportsHtmlImageSizeMax", LargestPicture); largest > 0)
        LargestPicture = largest;
    TextColor = GetColourSetting(L"ReportsHtmlColorText", TextColor);
    ReadTextSetting(L"ReportsHtmlBegin", BeginText);
    HeadAddition = GetSettingText(L"ReportsHtmlHeaderAdd");
    ReadTextSetting(L"ReportsHtmlCSS", StyleSheet);
    BodyAddition = GetSettingText(L"ReportsHtmlBeginAdd");
    EndAddition = GetSettingText(L"ReportsHtmlEndAdd");
    FooterShown = GetBoolSetting(L"ReportsHtmlFooterShow", FooterShown);
    ReadTextSetting(L"ReportsHtmlFooterFormat", FooterFormat);
    SaveCreatedFiles = GetBoolSetting(L"ReportsHtmlCreatedFilesSave", SaveCreatedFiles);
    EncodingUnicode = GetBoolSetting(L"ReportsHtmlEncodingUnicode", EncodingUnicode);
    CodePage = GetIntSetting(L"ReportsHtmlEncodingCodepage", CodePage);
    // Browsers decode by the meta line: it names the encoding the page is written in.
    if (!EncodingUnicode)
        MetaText = msgfmt::Format(L"<meta http-equiv=\"content-type\" content=\"text/html; charset=%s\">",
                                  {CharsetName(static_cast<unsigned>(CodePage))});
    ReadTextSetting(L"ReportsHtmlMeta", MetaText);
}

CRHtmlBase::~CRHtmlBase()
{
    if (!SaveCreatedFiles)
        return;
    std::wstring list;
    for (size_t i = 0; i < CreatedFiles.size(); ++i) {
        if (i > 0)
            list += L'\n';
        list += CreatedFiles[i];
    }
    SetSettingText(L"ReportsHtmlCreatedFiles", list.c_str());
}

int CRHtmlBase::BeginHtml(std::wstring& document, const std::wstring& extraStyle)
{
    document += BeginText;
    if (!BeginText.empty())
        document += L"\n";
    document += L"<html>\n";
    document += L"<head>\n";
    document += MetaText;
    document += L"\n";
    const std::wstring title = EscapeHtml(Title, false, true);
    if (!title.empty())
        document += L"<title>" + title + L"</title>\n";
    document += L"\n   <style type=\"text/css\">\n";
    document += L"   <!--\n";
    document += StyleSheet;
    document += extraStyle;
    document += L"\n   //-->\n";
    document += L"   </style>\n";
    document += HeadAddition;
    document += L"\n";
    document += L"</head>\n";
    document += msgfmt::Format(L"\n<body bgcolor=%s text=%s>\n", {HtmlColor(BackgroundColor), HtmlColor(TextColor)});
    document += BodyAddition;
    document += L"\n";
    if (!title.empty())
        document += msgfmt::Format(L"<h2>%s</h2>\n", {title});
    return 0;
}

void CRHtmlBase::AddSubtitle(const std::wstring& text, std::wstring& document)
{
    if (text.empty())
        return;
    document += msgfmt::Format(L"<h3>%s</h3>\n", {EscapeHtml(text, false, true)});
}

void CRHtmlBase::AddParagraph(std::wstring& document, const std::wstring& text)
{
    document += msgfmt::Format(L"<p>%s</p>\n", {EscapeHtml(text, false, true)});
}

void CRHtmlBase::AddFilterSubtitle(std::wstring& document)
{
    AddSubtitle(fw::LoadResString(IDS_CAPTION_FILTER) + GetReportFilterName(), document);
}

void CRHtmlBase::AddPeriodSubtitle(std::wstring& document, TDate start, TDate end, int startMinute, int endMinute)
{
    AddSubtitle(fw::LoadResString(IDS_CAPTION_PERIOD) + FormatPeriodText(start, end, startMinute, endMinute), document);
}

int CRHtmlBase::EndHtml(std::wstring& document)
{
    if (FooterShown && !FooterFormat.empty()) {
        const std::wstring footer = EscapeHtml(ExpandPlaceholders(FooterFormat, 0, 0), false, true);
        if (!footer.empty()) {
            document += L"\n<hr size=1>\n";
            document += L"<small>" + footer + L"</small>\n";
        }
    }
    document += EndAddition;
    document += L"\n</body>\n</html>\n";
    return 0;
}

int CRHtmlBase::WriteHtmlFile(const wchar_t* path, const std::wstring& document)
{
    CHtmlWriter page;
    if (const int result = OpenPage(page, path))
        return result;
    page.Write(document);
    return FinishPage(page, path);
}

int CRHtmlBase::OpenPage(CHtmlWriter& page, const wchar_t* path)
{
    if (!path || !*path)
        return 1;
    if (!page.Open(path, EncodingUnicode, static_cast<unsigned>(CodePage)))
        return ShowFileError(path);
    return 0;
}

int CRHtmlBase::FinishPage(CHtmlWriter& page, const wchar_t* path)
{
    if (!page.Finish())
        return ShowFileError(path);
    CreatedFiles.emplace_back(path);
    return 0;
}

void CRHtmlBase::NumberedFileName(int n, const std::wstring& path, std::wstring& fileName, std::wstring& numberedName,
                                  std::wstring& numberedPath)
{
    const PathParts parts = SplitPath(path);
    fileName = parts.name + parts.extension;
    numberedName = parts.name + ctext::IntText(n) + parts.extension;
    numberedPath = parts.folder + numberedName;
}

HBITMAP CRHtmlBase::CreateImageBitmap(HDC dc, int width, int height, BITMAPINFOHEADER& header, void*& pixels)
{
    return ::CreateImageBitmap(dc, width, height, header, pixels);
}

int CRHtmlBase::AddImage(std::wstring& document, const void* pixels, const BITMAPINFOHEADER& header,
                         const std::wstring& pagePath, int index)
{
    const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const std::wstring picturePath =
        AddImageReference(document, static_cast<int>(header.biWidth), height, pagePath, index);
    const bool written = WritePng(picturePath, header, pixels);
    if (written)
        CreatedFiles.push_back(picturePath);
    return written ? 0 : 1;
}

std::wstring CRHtmlBase::AddImageReference(std::wstring& document, int width, int height, const std::wstring& pagePath,
                                           int index)
{
    const PathParts parts = SplitPath(pagePath);
    std::wstring name;
    if (PictureCount == 1) {
        document += L"\n<p>";
        name = parts.name + L".png";
    } else {
        name = parts.name + ctext::IntText(index + 1) + L".png";
        if (index == 0)
            document += L"\n<table border=0 cellpadding=0 cellspacing=0>\n";
        document += L"<tr>\n<td>";
    }
    LastPicturePath = parts.folder + name;
    document += msgfmt::Format(L"<img src=\"%s\" alt=\"\" width=\"%d\" height=\"%d\">", {UrlAttribute(name), width, height});
    if (PictureCount == 1) {
        document += L"</p>\n";
    } else {
        document += L"</td>\n</tr>\n";
        if (index + 1 == PictureCount)
            document += L"</table>\n";
    }
    return LastPicturePath;
}

bool CRHtmlBase::WritePng(const std::wstring& path, const BITMAPINFOHEADER& header, const void* pixels)
{
    return WritePngFile(path, header, pixels);
}

std::wstring CRHtmlBase::EscapeHtml(const std::wstring& text, bool blanks, bool lineBreaks)
{
    std::wstring out;
    out.reserve(text.size());
    AppendEscaped(out, text, blanks, lineBreaks);
    return out;
}

void CRHtmlBase::AppendEscaped(std::wstring& out, std::wstring_view text, bool blanks, bool lineBreaks)
{
    // Runs of plain characters are copied at once: most text has nothing to escape.
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        const wchar_t* entity = nullptr;
        switch (c) {
        case L'&':
            entity = L"&amp;";
            break;
        case L'<':
            entity = L"&lt;";
            break;
        case L'>':
            entity = L"&gt;";
            break;
        case L' ':
            if (blanks)
                entity = L"&#160;";
            break;
        case L'\r':
            if (lineBreaks)
                entity = L"";
            break;
        case L'\n':
            if (lineBreaks)
                entity = L"<br>";
            break;
        default:
            break;
        }
        if (!entity)
            continue;
        out.append(text, plain, i - plain);
        out += entity;
        plain = i + 1;
    }
    out.append(text, plain, text.size() - plain);
}

std::wstring CRHtmlBase::UrlAttribute(const std::wstring& path)
{
    // UTF-8 bytes. A file path has everything but the unreserved characters and the folder
    // separator percent-encoded, so "#", "?", "%" and ":" stay part of the file name; a URL with
    // its scheme keeps its parts and loses only what no URL may hold.
    size_t colon = 0;
    while (colon < path.size() && (iswalnum(path[colon]) || path[colon] == L'+' || path[colon] == L'-' ||
                                   path[colon] == L'.'))
        ++colon;
    const bool hasScheme = colon >= 2 && colon < path.size() && path[colon] == L':' && iswalpha(path[0]);
    std::string bytes;
    if (!path.empty()) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0,
                                             nullptr, nullptr);
        bytes.assign(static_cast<size_t>(std::max(size, 0)), '\0');
        if (size > 0)
            WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), bytes.data(), size, nullptr,
                                nullptr);
    }
    static const wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring url;
    for (const char byte : bytes) {
        const unsigned char c = static_cast<unsigned char>(byte);
        const bool kept = hasScheme ? c > ' ' && c < 0x7F && c != '"' && c != '<' && c != '>' && c != '\\'
                              : (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                    c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (kept) {
            url += static_cast<wchar_t>(c);
        } else if (c == '\\') {
            url += L'/';
        } else {
            url += L'%';
            url += kHex[c >> 4];
            url += kHex[c & 15];
        }
    }
    return EscapeHtml(url, false, false);
}

std::wstring CRHtmlBase::HtmlColor(COLORREF colour)
{
    return msgfmt::Format(L"\"#%02x%02x%02x\"", {static_cast<int>(GetRValue(colour)), static_cast<int>(GetGValue(colour)),
                                                 static_cast<int>(GetBValue(colour))});
}
