#pragma once
// CRKPrintEngine2Int: the one implementation of the print-engine interface. Owns the pages, the
// graphics cache, the table under construction and the page-picture list. Operations are spread
// over PrintEngineDocument.cpp (documents, objects, state), PrintEngineTable.cpp (tables) and
// PrintEngineCells.cpp (cell property setters).

#include "RKPrintEngine2.h"

#include "CGDISet.h"
#include "Descriptors.h"
#include "PPage.h"
#include "PaperGeometry.h"
#include "TableDef.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace rkpe {

class CRKPrintEngine2Int final : public CRKPrintEngine2 {
public:
    // caps reads the device capabilities BeginDocument measures (tests give their own device).
    explicit CRKPrintEngine2Int(DeviceCapsFn caps = {});
    ~CRKPrintEngine2Int() override;

    void BeginDocument(HDC hDC, HDC hAttribDC) override;
    int EndDocument() override;
    int DrawPage(HDC hDC, HDC hAttribDC, int page) override;
    int GetPrintableWidth() override;
    int GetPrintableHeight() override;
    int GetPageCount() override;
    int AddPage() override;
    int InsertPage(int page) override;
    int MapX(int x) override;
    int MapY(int y) override;
    int AddPicture(const void* packedDib) override;
    int DrawPicture(int id, int x, int y, int w, int h) override;
    int AddPagePicture(int id, int x, int y, int w, int h, const int* pages, int count) override;
    int DrawText(const wchar_t* text, int x, int y) override;
    int DrawTextBox(const wchar_t* text, int x, int y, int w, int h, int wordWrap, int anchorTop,
        int framed, int ellipsis) override;
    int DrawLine(int x1, int y1, int x2, int y2) override;
    int DrawRectangle(int x, int y, int w, int h) override;
    int DrawPolygon(const POINT* pts, int n) override;
    int DrawPolyline(const POINT* pts, int n) override;
    void MeasureText(int* width, int* height, const wchar_t* text) override;
    void MeasureTextBox(int* lineHeight, int* height, const wchar_t* text, int w, int wordWrap,
        int framed) override;
    int DrawEllipse(int x, int y, int w, int h) override;
    void SaveState() override;
    void RestoreState() override;
    void SetPen(int width, COLORREF colour) override;
    void SetBrush(COLORREF colour, int penWidth) override;
    void SetFont(int size, int bold, int alignment, COLORREF colour, int italic, int underline) override;
    int BeginTable(int left, int top, int right, int bottom, int startY) override;
    int EndTable() override;
    int GetRowCount(int s) override;
    int GetCellCount(int s, int r) override;
    int AddTableRow(int s, int count, const int* widths) override;
    int SetTableBorder() override;
    int SetTableBackground(COLORREF colour) override;
    int SetContinuationRowRange(int row2, int firstBodyRow, int lastBodyRow) override;
    int AddPageBreak(int bodyRow) override;
    int SetRowShading(COLORREF colour, int firstRow, int lastRow, int firstCell, int endCell) override;
    int DrawCellLine(int s, int r, int c, int x1, int y1, int x2, int y2) override;
    int DrawCellRectangle(int s, int r, int c, int x, int y, int w, int h) override;
    int DrawCellPicture(int s, int r, int c, int id, int x, int y, int w, int h) override;
    int DrawCellPolygon(int s, int r, int c, const POINT* pts, int n) override;
    int DrawCellPolyline(int s, int r, int c, const POINT* pts, int n) override;
    int DrawCellEllipse(int s, int r, int c, int x, int y, int w, int h) override;
    int DrawCellText(int s, int r, int c, const wchar_t* text, int x, int y) override;
    int DrawCellTextBox(int s, int r, int c, const wchar_t* text, int x, int y, int w, int h,
        int wordWrap, int anchorTop, int framed, int ellipsis) override;
    int SetFontAllCells() override;
    int SetBorderAllCells(int side) override;
    int SetCustomContentAllCells(int on) override;
    int SetContentHeightAllCells(int height) override;
    int SetTextAllCells(const wchar_t* text) override;
    int SetTextColorAllCells(COLORREF colour) override;
    int SetBackgroundAllCells(COLORREF colour) override;
    int SetWordWrapAllCells(int on) override;
    int SetEllipsisAllCells(int on) override;
    int SetAlignmentAllCells(int alignment) override;
    int SetPaddingAllCells(int side, int value) override;
    int SetSpaceBelowAllCells(int value) override;
    int SetSpaceAboveAllCells(int value) override;
    int SetWidthAllCells(int width) override;
    int SetFontSection(int s) override;
    int SetBorderSection(int s, int side) override;
    int SetCustomContentSection(int s, int on) override;
    int SetContentHeightSection(int s, int height) override;
    int SetTextSection(int s, const wchar_t* text) override;
    int SetTextColorSection(int s, COLORREF colour) override;
    int SetBackgroundSection(int s, COLORREF colour) override;
    int SetWordWrapSection(int s, int on) override;
    int SetEllipsisSection(int s, int on) override;
    int SetAlignmentSection(int s, int alignment) override;
    int SetPaddingSection(int s, int side, int value) override;
    int SetSpaceBelowSection(int s, int value) override;
    int SetSpaceAboveSection(int s, int value) override;
    int SetWidthSection(int s, int width) override;
    int SetFontRow(int s, int r) override;
    int SetBorderRow(int s, int r, int side) override;
    int SetCustomContentRow(int s, int r, int on) override;
    int SetContentHeightRow(int s, int r, int height) override;
    int SetTextRow(int s, int r, const wchar_t* text) override;
    int SetTextColorRow(int s, int r, COLORREF colour) override;
    int SetBackgroundRow(int s, int r, COLORREF colour) override;
    int SetWordWrapRow(int s, int r, int on) override;
    int SetEllipsisRow(int s, int r, int on) override;
    int SetAlignmentRow(int s, int r, int alignment) override;
    int SetPaddingRow(int s, int r, int side, int value) override;
    int SetSpaceBelowRow(int s, int r, int value) override;
    int SetSpaceAboveRow(int s, int r, int value) override;
    int SetWidthRow(int s, int r, int width) override;
    int IsRowBreakAllowed(int bodyRow) override;
    int SetRowKeepWithNext(int bodyRow, int keep) override;
    int MergeCells(int s, int r, int firstCell, int count) override;
    int SetFontColumn(int s, int c) override;
    int SetBorderColumn(int s, int c, int side) override;
    int SetCustomContentColumn(int s, int c, int on) override;
    int SetContentHeightColumn(int s, int c, int height) override;
    int SetTextColumn(int s, int c, const wchar_t* text) override;
    int SetTextColorColumn(int s, int c, COLORREF colour) override;
    int SetBackgroundColumn(int s, int c, COLORREF colour) override;
    int SetWordWrapColumn(int s, int c, int on) override;
    int SetEllipsisColumn(int s, int c, int on) override;
    int SetAlignmentColumn(int s, int c, int alignment) override;
    int SetPaddingColumn(int s, int c, int side, int value) override;
    int SetSpaceBelowColumn(int s, int c, int value) override;
    int SetSpaceAboveColumn(int s, int c, int value) override;
    int SetWidthColumn(int s, int c, int width) override;
    int SetFontCell(int s, int r, int c) override;
    int SetBorderCell(int s, int r, int c, int side) override;
    int SetCustomContentCell(int s, int r, int c, int on) override;
    int SetContentHeightCell(int s, int r, int c, int height) override;
    int SetTextCell(int s, int r, int c, const wchar_t* text) override;
    int SetTextColorCell(int s, int r, int c, COLORREF colour) override;
    int SetBackgroundCell(int s, int r, int c, COLORREF colour) override;
    int SetWordWrapCell(int s, int r, int c, int on) override;
    int SetEllipsisCell(int s, int r, int c, int on) override;
    int SetAlignmentCell(int s, int r, int c, int alignment) override;
    int SetPaddingCell(int s, int r, int c, int side, int value) override;
    int SetSpaceBelowCell(int s, int r, int c, int value) override;
    int SetSpaceAboveCell(int s, int r, int c, int value) override;
    int SetWidthCell(int s, int r, int c, int width) override;
    int SetCellExtraText(int s, int r, int c, int op, int value, const wchar_t* text) override;
    int SetCellExtraValues(int s, int r, int c, int op, int value) override;
    int GetCellTextWidth(int s, int r, int c) override;
    int GetLastTablePages(int* first, int* last) override;
    int GetTablePageBottoms(int* values, int count) override;

    // For tests inside the module.
    const CGDISet& Cache() const { return *m_cache; }

private:
    struct SavedState {
        FontDesc font;
        COLORREF textColour = 0;
        int alignment = 0;
        PenRec pen;
        BrushRec brush;
    };
    struct PagePicture {
        int id;
        int x, y, w, h; // logical
        std::set<int> pages;
    };

    FontDesc CurrentFont() const;
    PenRec CurrentPen() const { return PenRec{PenWidth, PenColor}; }
    BrushRec CurrentBrush() const { return BrushRec{BrushColor, BrushHatch}; }
    void ResetState();
    // The current page, or null when CurrentPage names no page.
    PPage* Current();
    bool AddToCurrent(std::unique_ptr<DObject> object);
    void BindDcs(HDC hDC, HDC hAttribDC);
    // Measuring in a font on the bound attribute DC.
    int MeasureTextHeight(const FontDesc& font, const std::wstring& text, int width, bool wordWrap,
        int* lineHeight);
    // Adds a cell-relative object to a cell's contents; the cell then shows contents, not text.
    int AddToCell(int s, int r, int c, std::unique_ptr<DObject> object);
    static std::vector<POINT> CopyPoints(const POINT* pts, int n, bool negateY);

    DeviceCapsFn m_caps;
    HDC m_screenDc = nullptr;           // owned; measuring before any document goes here
    CDC m_dc;                           // bound by BeginDocument and DrawPage
    std::unique_ptr<CGDISet> m_cache;
    std::vector<std::unique_ptr<PPage>> m_pages;
    std::unique_ptr<TableDef> m_table;
    SavedState m_saved;
    std::vector<PagePicture> m_pagePictures;
    // Results of the last EndTable.
    int m_lastFirstPage = 0;
    int m_lastLastPage = -1;
    std::vector<int> m_lastBottoms;     // caller y on each page
};

} // namespace rkpe
