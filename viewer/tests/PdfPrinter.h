#pragma once
// The PDF printer the scripts give Wine (scripts/pdf-printer), seen from a test: whether it is
// there, the PDFs it writes into $QV_PDF_DIR, and what pdfinfo and pdftotext read from them.
// The Linux tools run through /bin/sh, which Wine starts like any program it is given.

#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace qvtest {

class CPdfPrinter {
public:
    CPdfPrinter();

    // Empty when Wine's default printer is the PDF queue and its folder is known; else why not.
    const std::string& Missing() const { return m_missing; }
    // Set by the scripts for CI, where a missing printer is a failure rather than a skip.
    static bool Required();

    // The PDFs now in the folder (Linux paths).
    std::set<std::string> Pdfs() const;
    // The first PDF that is not in `before`, once complete; empty when none came within a limit far
    // above what a job takes.
    std::string WaitForNewPdf(const std::set<std::string>& before) const;

    // The PDFs of the jobs sent since `before`, once all of them are done: the printer prints its
    // jobs in turn, so when a page sent now as a marker is there, so is every job sent before it.
    // The marker is left out; false when it did not come.
    bool PdfsSentSince(const std::set<std::string>& before, std::set<std::string>& sent) const;

    // pdfinfo's fields ("Pages", "Title", "Page size", "Page rot", ...).
    std::map<std::string, std::string> Info(const std::string& pdf) const;
    // The text of each page as pdftotext -layout lays it out.
    std::vector<std::string> PageTexts(const std::string& pdf) const;

    struct Word {
        std::string text;
        double xMin = 0, yMin = 0, xMax = 0, yMax = 0; // points from the top-left corner
    };
    // Every word of the first page with its box (pdftotext -bbox).
    std::vector<Word> Words(const std::string& pdf) const;

    // Runs a shell command line and returns what it wrote to its output and error streams;
    // false when it did not finish within a limit far above what the tools take.
    bool Run(const std::string& command, std::string& output) const;

private:
    std::string m_folder;  // Linux path of the PDF folder
    std::string m_missing;
};

// A Linux path as Wine sees it (drive Z: is the root).
std::wstring WindowsPath(const std::string& linuxPath);

} // namespace qvtest
