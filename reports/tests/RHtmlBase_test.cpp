// The HTML writer: document skeleton and settings, escaping, the list of created files, the page
// file in UTF-16 or a code page, and pictures written as PNG files beside the page.
#include "CoreTestEnv.h"

#include "output/PngWriter.h"
#include "output/RHtmlBase.h"

#include "fw/MessageBox.h"
#include "ScarceAddressSpace.h"

#include <new>

namespace {

class CPage : public CRHtmlBase {
public:
    int Html(const wchar_t* path) override
    {
        std::wstring document;
        BeginHtml(document, L"");
        EndHtml(document);
        return WriteHtmlFile(path, document);
    }
};

class CSilentMessages : public fw::IMessageSink {
public:
    CSilentMessages() : m_previous(fw::SetMessageSink(this)) {}
    ~CSilentMessages() override { fw::SetMessageSink(m_previous); }
    int Show(HWND, const std::wstring& text, const std::wstring&, UINT) override
    {
        texts.push_back(text);
        return IDOK;
    }
    std::vector<std::wstring> texts;

private:
    fw::IMessageSink* m_previous;
};

uint32_t BigEndian(const std::string& bytes, size_t at)
{
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

// Writes a test picture of `width` by `height` pixels: each pixel's red = 40 * x, green =
// 40 * y (y from the top), blue = 200. The Linux-side check decodes it.
bool WritePattern(CRHtmlBase& html, std::wstring& document, const std::wstring& page, int index, int width, int height)
{
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFOHEADER header{};
    void* pixels = nullptr;
    HBITMAP bitmap = CRHtmlBase::CreateImageBitmap(dc, width, height, header, pixels);
    if (!bitmap) {
        DeleteDC(dc);
        return false;
    }
    auto* bytes = static_cast<unsigned char*>(pixels);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = bytes + static_cast<size_t>(height - 1 - y) * BitmapRowBytes(width); // bottom-up
        for (int x = 0; x < width; ++x) {
            row[3 * x] = 200;                                  // blue
            row[3 * x + 1] = static_cast<unsigned char>(40 * y); // green
            row[3 * x + 2] = static_cast<unsigned char>(40 * x); // red
        }
    }
    const int result = html.AddImage(document, pixels, header, page, index);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return result == 0;
}

using RHtmlBaseTest = ReportTest;

TEST_F(RHtmlBaseTest, BeginAndEnd_theWholeSkeletonWithEscapedTitle)
{
    host::SetSetting(L"ReportsHtmlFooterFormat", L"Made %ds\nby us");
    host::SetSetting(L"ReportsHtmlBeginAdd", L"<div>");
    host::SetSetting(L"ReportsHtmlEndAdd", L"</div>");
    CPage page;
    page.Title = L"A & B <x>";
    std::wstring document;
    EXPECT_EQ(page.BeginHtml(document, L"\ttd { color:red; }\n"), 0);
    page.AddSubtitle(L"", document);
    page.AddSubtitle(L"Sub", document);
    page.AddParagraph(document, L"");
    EXPECT_EQ(page.EndHtml(document), 0);
    EXPECT_EQ(document,
              L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n"
              L"<html>\n<head>\n"
              L"<meta http-equiv=\"content-type\" content=\"text/html; charset=UTF-16\">\n"
              L"<title>A &amp; B &lt;x&gt;</title>\n"
              L"\n   <style type=\"text/css\">\n   <!--\n"
              L"\tbody { margin-top:5px; margin-bottom:5px; }\n"
              L"\tp,h1,h2,h3,h4,ul,ol,li,div,td,th,blockquote,nobr,b,i { font-family:Arial,sans-serif; }\n"
              L"\th1 { font-size:16pt; }\n\th2 { font-size:14pt; }\n\th3,h4 { font-size:10pt; }\n"
              L"\tp,ul,ol,li,div,td,th,nobr,b,i { font-size:10pt; }\n\tsmall { font-size: 9pt; }\n"
              L"\ttd { color:red; }\n"
              L"\n   //-->\n   </style>\n\n</head>\n"
              L"\n<body bgcolor=\"#ffffff\" text=\"#000000\">\n<div>\n"
              L"<h2>A &amp; B &lt;x&gt;</h2>\n"
              L"<h3>Sub</h3>\n<p></p>\n"
              L"\n<hr size=1>\n<small>Made 2026-05-17<br>by us</small>\n"
              L"</div>\n</body>\n</html>\n");
}

TEST_F(RHtmlBaseTest, EmptyTitleAndNoFooter)
{
    host::SetSetting(L"ReportsHtmlFooterShow", L"0");
    host::SetSetting(L"ReportsHtmlEndAdd", L"<!-- end -->");
    host::SetSetting(L"ReportsHtmlColorBk", L"0 0 128");
    CPage page;
    std::wstring document;
    page.BeginHtml(document, L"");
    page.EndHtml(document);
    EXPECT_EQ(document.find(L"<title>"), std::wstring::npos);
    EXPECT_EQ(document.find(L"<h2>"), std::wstring::npos);
    EXPECT_EQ(document.find(L"<hr"), std::wstring::npos);
    EXPECT_EQ(document.find(L"<small>"), std::wstring::npos);
    EXPECT_NE(document.find(L"<body bgcolor=\"#000080\" text=\"#000000\">"), std::wstring::npos);
    EXPECT_NE(document.find(L"<!-- end -->\n</body>\n</html>\n"), std::wstring::npos);
}

TEST_F(RHtmlBaseTest, Subtitles_filterAndPeriod)
{
    CPage page;
    std::wstring document;
    page.AddFilterSubtitle(document);
    page.AddPeriodSubtitle(document, rtest::Day(3, 1), rtest::Day(4, 1), 0, 0);
    EXPECT_EQ(document, L"<h3>Filter: none</h3>\n<h3>Period: 2026-03-01 to 2026-03-31</h3>\n");
}

TEST_F(RHtmlBaseTest, EscapeHtml_blanksAndLineBreaksByFlag)
{
    EXPECT_EQ(CRHtmlBase::EscapeHtml(L"a<b> & \"c\"\r\nd", false, true), L"a&lt;b&gt; &amp; \"c\"<br>d");
    EXPECT_EQ(CRHtmlBase::EscapeHtml(L"a b\r\n", true, false), L"a&#160;b\r\n");
    EXPECT_EQ(CRHtmlBase::HtmlColor(RGB(0xAB, 0x0C, 0xFF)), L"\"#ab0cff\"");
}

TEST_F(RHtmlBaseTest, WriteHtmlFile_unicodeOrCodePageAndTheCreatedFiles)
{
    rtest::CTempFolder folder;
    host::SetSetting(L"ReportsHtmlCreatedFiles", L"old");
    host::SetSetting(L"ReportsHtmlCreatedFilesSave", L"1");
    {
        CPage page;
        EXPECT_EQ(host::GetSetting(L"ReportsHtmlCreatedFiles"), L"");
        page.Title = L"T\u00E9";
        ASSERT_EQ(page.Html(folder.File(L"u.htm").c_str()), 0);
        host::SetSetting(L"ReportsHtmlEncodingUnicode", L"0");
        CPage ansi;
        ansi.Title = L"T\u00E9";
        ASSERT_EQ(ansi.Html(folder.File(L"a.htm").c_str()), 0);
        page.CreatedFiles.push_back(L"second");
    }
    const std::wstring unicode = rtest::ReadUtf16(folder.File(L"u.htm"));
    EXPECT_NE(unicode.find(L"<title>T\u00E9</title>"), std::wstring::npos);
    const std::string ansi = rtest::ReadBytes(folder.File(L"a.htm"));
    EXPECT_NE(ansi.find("<title>T\xE9</title>"), std::string::npos);
    // The meta line names the code page the page is written in.
    EXPECT_NE(ansi.find("content=\"text/html; charset=windows-1252\">"), std::string::npos);
    EXPECT_EQ(ansi.find("UTF-16"), std::string::npos);
    // The object made last went first and wrote its list; the first one replaced it.
    EXPECT_EQ(host::GetSetting(L"ReportsHtmlCreatedFiles"), folder.File(L"u.htm") + L"\nsecond");
}

TEST_F(RHtmlBaseTest, WriteHtmlFile_badPaths)
{
    CSilentMessages messages;
    CPage page;
    EXPECT_EQ(page.Html(L""), 1);
    EXPECT_TRUE(messages.texts.empty());
    rtest::CTempFolder folder;
    const std::wstring path = folder.File(L"no\\such\\page.htm");
    EXPECT_EQ(page.Html(path.c_str()), kReportFailedShown);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], L"The file " + path + L" cannot be written.");
    EXPECT_TRUE(page.CreatedFiles.empty());
}

TEST_F(RHtmlBaseTest, NumberedFileName_threeParts)
{
    std::wstring name;
    std::wstring numbered;
    std::wstring full;
    CRHtmlBase::NumberedFileName(7, L"C:\\out\\cal.htm", name, numbered, full);
    EXPECT_EQ(name, L"cal.htm");
    EXPECT_EQ(numbered, L"cal7.htm");
    EXPECT_EQ(full, L"C:\\out\\cal7.htm");
}

TEST_F(RHtmlBaseTest, AddImage_threePicturesStackedInATable)
{
    const std::wstring folder = rtest::OutputFolder();
    CPage page;
    page.PictureCount = 3;
    std::wstring document;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(WritePattern(page, document, folder + L"plan.htm", i, 3, 2 + i));
    EXPECT_EQ(document, L"\n<table border=0 cellpadding=0 cellspacing=0>\n"
                        L"<tr>\n<td><img src=\"plan1.png\" alt=\"\" width=\"3\" height=\"2\"></td>\n</tr>\n"
                        L"<tr>\n<td><img src=\"plan2.png\" alt=\"\" width=\"3\" height=\"3\"></td>\n</tr>\n"
                        L"<tr>\n<td><img src=\"plan3.png\" alt=\"\" width=\"3\" height=\"4\"></td>\n</tr>\n"
                        L"</table>\n");
    EXPECT_EQ(page.CreatedFiles, (std::vector<std::wstring>{folder + L"plan1.png", folder + L"plan2.png",
                                                             folder + L"plan3.png"}));
    const std::string png = rtest::ReadBytes(folder + L"plan3.png");
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(png, 16), 3u);
    EXPECT_EQ(BigEndian(png, 20), 4u);
    EXPECT_EQ(png[24], 8); // bit depth
    EXPECT_EQ(png[25], 2); // RGB
}

TEST_F(RHtmlBaseTest, AddImage_onePictureInAParagraph)
{
    const std::wstring folder = rtest::OutputFolder();
    CPage page;
    page.PictureCount = 1;
    std::wstring document;
    ASSERT_TRUE(WritePattern(page, document, folder + L"single.htm", 0, 5, 5));
    EXPECT_EQ(document, L"\n<p><img src=\"single.png\" alt=\"\" width=\"5\" height=\"5\"></p>\n");
    EXPECT_EQ(BitmapRowBytes(3), 12);
    EXPECT_EQ(BitmapRowBytes(4), 12);
    EXPECT_EQ(BitmapRowBytes(5), 16);
}

TEST_F(RHtmlBaseTest, AddImage_unwritablePictureStillReferenced)
{
    rtest::CTempFolder folder;
    CPage page;
    page.PictureCount = 1;
    std::wstring document;
    EXPECT_FALSE(WritePattern(page, document, folder.File(L"gone\\x.htm"), 0, 2, 2));
    EXPECT_NE(document.find(L"<img src=\"x.png\""), std::wstring::npos);
    EXPECT_TRUE(page.CreatedFiles.empty());
    BITMAPINFOHEADER header{};
    header.biWidth = 2;
    header.biHeight = 2;
    header.biBitCount = 32;
    const unsigned char pixels[16] = {};
    EXPECT_FALSE(WritePngFile(folder.File(L"deep.png"), header, pixels)); // only 24-bit pictures
}

// A picture that libpng cannot finish (no memory for its compressor) is not left half written, and
// the failure is memory's, not the file's.
TEST_F(RHtmlBaseTest, WritePngFile_outOfMemoryLeavesNoFile)
{
    rtest::CTempFolder folder;
    const std::wstring path = folder.File(L"chart.png");
    BITMAPINFOHEADER header{};
    header.biWidth = 256;
    header.biHeight = 256;
    header.biBitCount = 24;
    const std::vector<unsigned char> pixels(static_cast<size_t>(BitmapRowBytes(256)) * 256, 0x80);
    bool toldAsMemory = false;
    {
        qvtest::ScarceAddressSpace space(std::size_t(2) << 20);
        space.TakeHeap(16 * 1024);
        try {
            WritePngFile(path, header, pixels.data());
        } catch (const std::bad_alloc&) {
            toldAsMemory = true;
        }
    }
    EXPECT_TRUE(toldAsMemory);
    EXPECT_FALSE(rtest::FileExists(path));
    EXPECT_TRUE(WritePngFile(path, header, pixels.data()));
    EXPECT_TRUE(rtest::FileExists(path));
}

} // namespace
