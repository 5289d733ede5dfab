#pragma once
// A printer for tests: it answers the print dialog as told, hands out enhanced-metafile DCs,
// records every document and page call (a page's start is also marked inside the metafile),
// and keeps the last metafile for inspection. Installed while it lives.

#include "fw/Printer.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace fwtest {

class CRecordingPrinter : public fw::IPrinter {
public:
    CRecordingPrinter() : m_previous(fw::SetPrinter(this)) {}
    ~CRecordingPrinter() override
    {
        fw::SetPrinter(m_previous);
        if (metafile)
            DeleteEnhMetaFile(metafile);
    }
    CRecordingPrinter(const CRecordingPrinter&) = delete;
    CRecordingPrinter& operator=(const CRecordingPrinter&) = delete;

    // What the printer answers.
    bool hasPrinter = true;
    bool acceptDialog = true;
    UINT chooseFrom = 0; // nonzero: the dialog returns this page range
    UINT chooseTo = 0;
    int startDocResult = 1;
    int startPageResult = 1;

    // What it saw.
    std::vector<std::wstring> calls;
    int dialogs = 0;
    DWORD dialogFlags = 0;
    UINT dialogMin = 0;
    UINT dialogMax = 0;
    short dialogOrientation = 0; // of the settings handed to the dialog
    HENHMETAFILE metafile = nullptr; // the drawing of the last DC released
    int openDcs = 0;

    bool GetDefaults(HGLOBAL& devMode, HGLOBAL& devNames) override
    {
        calls.push_back(L"GetDefaults");
        if (!hasPrinter)
            return false;
        devMode = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEW));
        auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode));
        mode->dmSize = sizeof(DEVMODEW);
        mode->dmFields = DM_ORIENTATION;
        mode->dmOrientation = DMORIENT_PORTRAIT;
        wcscpy(mode->dmDeviceName, L"Test printer");
        GlobalUnlock(devMode);
        const wchar_t names[] = L"winspool\0Test printer\0FILE:\0";
        devNames = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + sizeof(names));
        auto* header = static_cast<DEVNAMES*>(GlobalLock(devNames));
        header->wDriverOffset = sizeof(DEVNAMES) / sizeof(wchar_t);
        header->wDeviceOffset = header->wDriverOffset + 9;
        header->wOutputOffset = header->wDeviceOffset + 13;
        std::memcpy(reinterpret_cast<wchar_t*>(header) + header->wDriverOffset, names, sizeof(names));
        GlobalUnlock(devNames);
        return true;
    }

    bool RunPrintDialog(PRINTDLGW& dialog) override
    {
        ++dialogs;
        calls.push_back(L"Dialog");
        dialogFlags = dialog.Flags;
        dialogMin = dialog.nMinPage;
        dialogMax = dialog.nMaxPage;
        if (dialog.hDevMode) {
            if (auto* mode = static_cast<DEVMODEW*>(GlobalLock(dialog.hDevMode))) {
                dialogOrientation = mode->dmOrientation;
                GlobalUnlock(dialog.hDevMode);
            }
        }
        if (!acceptDialog)
            return false;
        if (dialog.Flags & PD_RETURNDC)
            dialog.hDC = NewDc();
        if (chooseFrom) {
            dialog.Flags |= PD_PAGENUMS;
            dialog.nFromPage = static_cast<WORD>(chooseFrom);
            dialog.nToPage = static_cast<WORD>(chooseTo);
        }
        return true;
    }

    HDC CreatePrinterDC(HGLOBAL, HGLOBAL) override
    {
        calls.push_back(L"CreateDC");
        return NewDc();
    }

    void DeletePrinterDC(HDC dc) override
    {
        calls.push_back(L"DeleteDC");
        if (!dc)
            return;
        --openDcs;
        if (metafile)
            DeleteEnhMetaFile(metafile);
        metafile = CloseEnhMetaFile(dc);
    }

    int StartDocument(HDC, const DOCINFOW& info) override
    {
        calls.push_back(std::wstring(L"StartDoc ") + (info.lpszDocName ? info.lpszDocName : L""));
        return startDocResult;
    }
    int StartPage(HDC dc) override
    {
        calls.push_back(L"StartPage");
        static const char marker[] = "StartPage";
        GdiComment(dc, sizeof(marker), reinterpret_cast<const BYTE*>(marker));
        return startPageResult;
    }
    int EndPage(HDC) override
    {
        calls.push_back(L"EndPage");
        return 1;
    }
    int EndDocument(HDC) override
    {
        calls.push_back(L"EndDoc");
        return 1;
    }
    int AbortDocument(HDC) override
    {
        calls.push_back(L"AbortDoc");
        return 1;
    }

    // The texts drawn on each page (split at the page marks) of the last metafile.
    std::vector<std::vector<std::wstring>> PageTexts() const { return PageTextsOf(metafile); }

    static std::vector<std::vector<std::wstring>> PageTextsOf(HENHMETAFILE file)
    {
        std::vector<std::vector<std::wstring>> pages;
        if (file)
            EnumEnhMetaFile(nullptr, file, &CollectTexts, &pages, nullptr);
        return pages;
    }

    // Every text drawn into a metafile, in order.
    static std::vector<std::wstring> TextsOf(HENHMETAFILE file)
    {
        std::vector<std::vector<std::wstring>> pages(1);
        if (file)
            EnumEnhMetaFile(nullptr, file, &CollectTexts, &pages, nullptr);
        std::vector<std::wstring> all;
        for (const auto& page : pages)
            all.insert(all.end(), page.begin(), page.end());
        return all;
    }

private:
    HDC NewDc()
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
        ReleaseDC(nullptr, screen);
        if (dc)
            ++openDcs;
        return dc;
    }

    static int CALLBACK CollectTexts(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
    {
        auto& pages = *reinterpret_cast<std::vector<std::vector<std::wstring>>*>(data);
        if (record->iType == EMR_GDICOMMENT) {
            const auto* comment = reinterpret_cast<const EMRGDICOMMENT*>(record);
            if (comment->cbData >= 9 && std::memcmp(comment->Data, "StartPage", 9) == 0)
                pages.emplace_back();
        } else if (record->iType == EMR_EXTTEXTOUTW) {
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
            if (pages.empty())
                pages.emplace_back();
            pages.back().emplace_back(chars, text->emrtext.nChars);
        }
        return 1;
    }

    fw::IPrinter* m_previous;
};

} // namespace fwtest
