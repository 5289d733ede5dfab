// The PDF printer of the scripts, and the Linux tools that read its PDFs back.
#include "PdfPrinter.h"

#include "Waiting.h"

#include <winspool.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace qvtest {

namespace {

std::string Environment(const char* name)
{
    char value[1024] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

std::string ReadAll(const std::wstring& path)
{
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

double Attribute(const std::string& line, const std::string& name)
{
    const size_t at = line.find(name + "=\"");
    return at == std::string::npos ? 0.0 : std::atof(line.c_str() + at + name.size() + 2);
}

std::string Unescape(std::string text)
{
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : kEntities) {
        for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::strlen(entity), plain);
    }
    return text;
}

} // namespace

std::wstring WindowsPath(const std::string& linuxPath)
{
    std::wstring path = L"Z:";
    for (char c : linuxPath)
        path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    return path;
}

CPdfPrinter::CPdfPrinter() : m_folder(Environment("QV_PDF_DIR"))
{
    wchar_t name[256] = {};
    DWORD size = 256;
    if (m_folder.empty())
        m_missing = "QV_PDF_DIR is not set: the tests run without the PDF printer of the scripts (scripts/test starts it)";
    else if (GetFileAttributesW(WindowsPath(m_folder).c_str()) == INVALID_FILE_ATTRIBUTES)
        m_missing = "the PDF folder " + m_folder + " does not exist";
    else if (!GetDefaultPrinterW(name, &size))
        m_missing = "Wine has no printer: the private CUPS daemon did not start (see build/cups/log)";
    else if (std::wstring(name).find(L"PDF") == std::wstring::npos)
        m_missing = "Wine's default printer is " + Narrow(name) + ", not the PDF queue";
}

bool CPdfPrinter::Required()
{
    return Environment("QV_REQUIRE_PRINTER") == "1";
}

std::set<std::string> CPdfPrinter::Pdfs() const
{
    std::set<std::string> found;
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW((WindowsPath(m_folder) + L"\\*.pdf").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return found;
    do {
        found.insert(m_folder + "/" + Narrow(data.cFileName));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return found;
}

std::string CPdfPrinter::WaitForNewPdf(const std::set<std::string>& before) const
{
    // The back-end renames a PDF into place once it is complete.
    std::string found;
    WaitUntil(
        [&] {
            for (const std::string& pdf : Pdfs()) {
                if (!before.count(pdf)) {
                    found = pdf;
                    return true;
                }
            }
            return false;
        },
        Patience(60000), 200);
    return found;
}

bool CPdfPrinter::PdfsSentSince(const std::set<std::string>& before, std::set<std::string>& sent) const
{
    static int counter = 0;
    // The back-end names a PDF after its job's title, other characters than these made '_'.
    const std::string title = "Queue marker " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    std::string prefix = m_folder + "/";
    for (char c : title)
        prefix += std::isalnum(static_cast<unsigned char>(c)) || c == '-' ? c : '_';
    prefix += "-job_";
    wchar_t name[256] = {};
    DWORD size = 256;
    if (!GetDefaultPrinterW(name, &size))
        return false;
    HDC dc = CreateDCW(L"WINSPOOL", name, nullptr, nullptr);
    if (!dc)
        return false;
    const std::wstring wideTitle(title.begin(), title.end());
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = wideTitle.c_str();
    const bool spooled = StartDocW(dc, &doc) > 0 && StartPage(dc) > 0 && EndPage(dc) > 0 && EndDoc(dc) > 0;
    DeleteDC(dc);
    if (!spooled)
        return false;
    std::set<std::string> now;
    const bool marked = WaitUntil(
        [&] {
            now = Pdfs();
            for (const std::string& pdf : now) {
                if (pdf.compare(0, prefix.size(), prefix) == 0)
                    return true;
            }
            return false;
        },
        Patience(60000), 200);
    sent.clear();
    for (const std::string& pdf : now) {
        if (!before.count(pdf) && pdf.compare(0, prefix.size(), prefix) != 0)
            sent.insert(pdf);
    }
    return marked;
}

bool CPdfPrinter::Run(const std::string& command, std::string& output) const
{
    static int counter = 0;
    const std::string result =
        m_folder + "/.run-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    // Wine starts Linux programs without a process handle to wait on: the command's output
    // appears under its final name when the command has finished.
    const std::string line = "/bin/sh -c \"(" + command + ") >'" + result + ".part' 2>&1; mv -f '" + result +
                             ".part' '" + result + "'\"";
    std::wstring wide(line.begin(), line.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hProcess)
        CloseHandle(process.hProcess);
    if (process.hThread)
        CloseHandle(process.hThread);
    const std::wstring path = WindowsPath(result);
    if (!WaitUntil([&] { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, Patience(30000)))
        return false;
    output = ReadAll(path);
    DeleteFileW(path.c_str());
    return true;
}

std::map<std::string, std::string> CPdfPrinter::Info(const std::string& pdf) const
{
    std::map<std::string, std::string> fields;
    std::string text;
    if (!Run("pdfinfo '" + pdf + "'", text))
        return fields;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const size_t value = line.find_first_not_of(' ', colon + 1);
        fields[line.substr(0, colon)] = value == std::string::npos ? std::string() : line.substr(value);
    }
    return fields;
}

std::vector<std::string> CPdfPrinter::PageTexts(const std::string& pdf) const
{
    std::vector<std::string> pages;
    std::string text;
    if (!Run("pdftotext -layout '" + pdf + "' -", text))
        return pages;
    // Each page ends in a form feed.
    size_t start = 0;
    for (size_t feed = text.find('\f'); feed != std::string::npos; feed = text.find('\f', start)) {
        pages.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    return pages;
}

std::vector<CPdfPrinter::Word> CPdfPrinter::Words(const std::string& pdf) const
{
    std::vector<Word> words;
    std::string text;
    if (!Run("pdftotext -bbox -f 1 -l 1 '" + pdf + "' -", text))
        return words;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t open = line.find("<word ");
        const size_t close = line.find("</word>");
        const size_t end = line.find('>', open);
        if (open == std::string::npos || close == std::string::npos || end > close)
            continue;
        Word word;
        word.text = Unescape(line.substr(end + 1, close - end - 1));
        word.xMin = Attribute(line, "xMin");
        word.yMin = Attribute(line, "yMin");
        word.xMax = Attribute(line, "xMax");
        word.yMax = Attribute(line, "yMax");
        words.push_back(word);
    }
    return words;
}

} // namespace qvtest
