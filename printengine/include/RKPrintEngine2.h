#pragma once
// The print engine's interface: documents of pages of drawing objects in tenths of a millimetre,
// tables that flow over pages, and drawing any page into any device context. The engine object
// belongs to RKPrintEngine2.dll: get it with DllGetPrintEngine, destroy it with DllFreePrintEngine.
//
// Coordinates passed in are tenths of a millimetre, x to the right and y downwards from the
// top-left corner of the printable area (the paper inside the margins). Flags are plain int
// (0 off, anything else on). Operations that take a page, row, cell or range ignore indexes out
// of range and then answer 0 (or -1 where an index is the normal answer).
//
// <windows.h> maps DrawText to DrawTextW; every module includes this header the same way, so the
// member is reached by that name everywhere.

#include <windows.h>

// DrawText at exactly this point takes a ClippedTextRecord instead of text.
constexpr int RKPE_CLIPPED_TEXT_X = 17312;
constexpr int RKPE_CLIPPED_TEXT_Y = 25321;

// One line of text clipped to a rectangle, in caller coordinates; passed through DrawText.
struct ClippedTextRecord {
    const wchar_t* text;
    int cellLeft, cellTop, cellRight, cellBottom; // the line is aligned in this rectangle
    int clipLeft, clipTop, clipRight, clipBottom; // and cut to this one
    int flag; // nonzero: the line never starts left of cellLeft
};

class CRKPrintEngine2 {
public:
    // Current state; callers read and write these directly. Objects copy what they need when
    // they are made, so a change reaches only later objects.
    int CurrentPage = -1;          // 1-based page that drawing calls add to; -1 before a document
    wchar_t FaceName[32] = L"Arial";
    short FontSize = 120;          // tenths of a point; negative: absolute cell height in 0.1 mm
    BYTE FontBold = 0;
    BYTE FontItalic = 0;
    BYTE FontStrikeOut = 0;
    BYTE FontUnderline = 0;
    COLORREF TextColor = 0;
    int TextAlignment = 0;         // 0..8: %3 left/centre/right, /3 top/middle/bottom
    int PenWidth = 0;              // 0.1 mm; 0 draws no outline and no line
    COLORREF PenColor = 0;
    COLORREF BrushColor = 0xFFFFFF;
    int BrushHatch = 0;            // 0 solid; n > 0 hatch style n - 1
    int PaperWidth = 0, PaperHeight = 0;           // 0.1 mm, measured by BeginDocument
    int PhysicalOffsetX = 0, PhysicalOffsetY = 0;  // unprintable border at left and top
    int DpiX = 0, DpiY = 0;
    int MarginLeft = 0, MarginRight = 0, MarginTop = 0, MarginBottom = 0; // from the paper edge

    virtual ~CRKPrintEngine2() = default;

    // Documents and pages.
    virtual void BeginDocument(HDC hDC, HDC hAttribDC) = 0;
    virtual int EndDocument() = 0;
    virtual int DrawPage(HDC hDC, HDC hAttribDC, int page) = 0;
    virtual int GetPrintableWidth() = 0;
    virtual int GetPrintableHeight() = 0;
    virtual int GetPageCount() = 0;
    virtual int AddPage() = 0;
    virtual int InsertPage(int page) = 0;
    virtual int MapX(int x) = 0;
    virtual int MapY(int y) = 0;
    virtual int AddPicture(const void* packedDib) = 0; // kept by pointer: must outlive the engine's use
    virtual int DrawPicture(int id, int x, int y, int w, int h) = 0;
    virtual int AddPagePicture(int id, int x, int y, int w, int h, const int* pages, int count) = 0;

    // Objects on the current page; the current font, colours, pen and brush are copied.
    virtual int DrawText(const wchar_t* text, int x, int y) = 0;
    virtual int DrawTextBox(const wchar_t* text, int x, int y, int w, int h,
        int wordWrap, int anchorTop, int framed, int ellipsis) = 0;
    virtual int DrawLine(int x1, int y1, int x2, int y2) = 0;
    virtual int DrawRectangle(int x, int y, int w, int h) = 0;
    virtual int DrawPolygon(const POINT* pts, int n) = 0;   // at most 100 points
    virtual int DrawPolyline(const POINT* pts, int n) = 0;  // at most 100 points
    virtual void MeasureText(int* width, int* height, const wchar_t* text) = 0;
    virtual void MeasureTextBox(int* lineHeight, int* height, const wchar_t* text, int w,
        int wordWrap, int framed) = 0;
    virtual int DrawEllipse(int x, int y, int w, int h) = 0;

    // State.
    virtual void SaveState() = 0;    // one slot, no stack
    virtual void RestoreState() = 0;
    virtual void SetPen(int width, COLORREF colour) = 0;
    virtual void SetBrush(COLORREF colour, int penWidth) = 0;
    virtual void SetFont(int size, int bold, int alignment, COLORREF colour, int italic, int underline) = 0;

    // Tables: section 0 head rows (on every page), 1 body rows, 2 continuation rows (placed
    // through SetContinuationRowRange); other section numbers address section 0.
    virtual int BeginTable(int left, int top, int right, int bottom, int startY) = 0;
    virtual int EndTable() = 0;
    virtual int GetRowCount(int s) = 0;
    virtual int GetCellCount(int s, int r) = 0;
    virtual int AddTableRow(int s, int count, const int* widths) = 0;
    virtual int SetTableBorder() = 0;
    virtual int SetTableBackground(COLORREF colour) = 0;
    virtual int SetContinuationRowRange(int row2, int firstBodyRow, int lastBodyRow) = 0;
    virtual int AddPageBreak(int bodyRow) = 0;
    virtual int SetRowShading(COLORREF colour, int firstRow, int lastRow, int firstCell, int endCell) = 0;

    // Objects inside a cell, y downwards from the cell's content origin; the cell then shows
    // these instead of its text.
    virtual int DrawCellLine(int s, int r, int c, int x1, int y1, int x2, int y2) = 0;
    virtual int DrawCellRectangle(int s, int r, int c, int x, int y, int w, int h) = 0;
    virtual int DrawCellPicture(int s, int r, int c, int id, int x, int y, int w, int h) = 0;
    virtual int DrawCellPolygon(int s, int r, int c, const POINT* pts, int n) = 0;
    virtual int DrawCellPolyline(int s, int r, int c, const POINT* pts, int n) = 0;
    virtual int DrawCellEllipse(int s, int r, int c, int x, int y, int w, int h) = 0;
    virtual int DrawCellText(int s, int r, int c, const wchar_t* text, int x, int y) = 0;
    virtual int DrawCellTextBox(int s, int r, int c, const wchar_t* text, int x, int y, int w, int h,
        int wordWrap, int anchorTop, int framed, int ellipsis) = 0;

    // Cell properties by scope. Each answers the number of cells it changed. Border and padding
    // sides: 0 left, 1 top, 2 right, 3 bottom, 4 all. Font and Border take the current font/pen.
    virtual int SetFontAllCells() = 0;
    virtual int SetBorderAllCells(int side) = 0;
    virtual int SetCustomContentAllCells(int on) = 0;
    virtual int SetContentHeightAllCells(int height) = 0;
    virtual int SetTextAllCells(const wchar_t* text) = 0;
    virtual int SetTextColorAllCells(COLORREF colour) = 0;
    virtual int SetBackgroundAllCells(COLORREF colour) = 0;
    virtual int SetWordWrapAllCells(int on) = 0;
    virtual int SetEllipsisAllCells(int on) = 0;
    virtual int SetAlignmentAllCells(int alignment) = 0;
    virtual int SetPaddingAllCells(int side, int value) = 0;
    virtual int SetSpaceBelowAllCells(int value) = 0;
    virtual int SetSpaceAboveAllCells(int value) = 0;
    virtual int SetWidthAllCells(int width) = 0;

    virtual int SetFontSection(int s) = 0;
    virtual int SetBorderSection(int s, int side) = 0;
    virtual int SetCustomContentSection(int s, int on) = 0;
    virtual int SetContentHeightSection(int s, int height) = 0;
    virtual int SetTextSection(int s, const wchar_t* text) = 0;
    virtual int SetTextColorSection(int s, COLORREF colour) = 0;
    virtual int SetBackgroundSection(int s, COLORREF colour) = 0;
    virtual int SetWordWrapSection(int s, int on) = 0;
    virtual int SetEllipsisSection(int s, int on) = 0;
    virtual int SetAlignmentSection(int s, int alignment) = 0;
    virtual int SetPaddingSection(int s, int side, int value) = 0;
    virtual int SetSpaceBelowSection(int s, int value) = 0;
    virtual int SetSpaceAboveSection(int s, int value) = 0;
    virtual int SetWidthSection(int s, int width) = 0;

    virtual int SetFontRow(int s, int r) = 0;
    virtual int SetBorderRow(int s, int r, int side) = 0;
    virtual int SetCustomContentRow(int s, int r, int on) = 0;
    virtual int SetContentHeightRow(int s, int r, int height) = 0;
    virtual int SetTextRow(int s, int r, const wchar_t* text) = 0;
    virtual int SetTextColorRow(int s, int r, COLORREF colour) = 0;
    virtual int SetBackgroundRow(int s, int r, COLORREF colour) = 0;
    virtual int SetWordWrapRow(int s, int r, int on) = 0;
    virtual int SetEllipsisRow(int s, int r, int on) = 0;
    virtual int SetAlignmentRow(int s, int r, int alignment) = 0;
    virtual int SetPaddingRow(int s, int r, int side, int value) = 0;
    virtual int SetSpaceBelowRow(int s, int r, int value) = 0;
    virtual int SetSpaceAboveRow(int s, int r, int value) = 0;
    virtual int SetWidthRow(int s, int r, int width) = 0;

    // Page flow of body rows.
    virtual int IsRowBreakAllowed(int bodyRow) = 0;
    virtual int SetRowKeepWithNext(int bodyRow, int keep) = 0;
    virtual int MergeCells(int s, int r, int firstCell, int count) = 0;

    virtual int SetFontColumn(int s, int c) = 0;
    virtual int SetBorderColumn(int s, int c, int side) = 0;
    virtual int SetCustomContentColumn(int s, int c, int on) = 0;
    virtual int SetContentHeightColumn(int s, int c, int height) = 0;
    virtual int SetTextColumn(int s, int c, const wchar_t* text) = 0;
    virtual int SetTextColorColumn(int s, int c, COLORREF colour) = 0;
    virtual int SetBackgroundColumn(int s, int c, COLORREF colour) = 0;
    virtual int SetWordWrapColumn(int s, int c, int on) = 0;
    virtual int SetEllipsisColumn(int s, int c, int on) = 0;
    virtual int SetAlignmentColumn(int s, int c, int alignment) = 0;
    virtual int SetPaddingColumn(int s, int c, int side, int value) = 0;
    virtual int SetSpaceBelowColumn(int s, int c, int value) = 0;
    virtual int SetSpaceAboveColumn(int s, int c, int value) = 0;
    virtual int SetWidthColumn(int s, int c, int width) = 0;

    virtual int SetFontCell(int s, int r, int c) = 0;
    virtual int SetBorderCell(int s, int r, int c, int side) = 0;
    virtual int SetCustomContentCell(int s, int r, int c, int on) = 0;
    virtual int SetContentHeightCell(int s, int r, int c, int height) = 0;
    virtual int SetTextCell(int s, int r, int c, const wchar_t* text) = 0;
    virtual int SetTextColorCell(int s, int r, int c, COLORREF colour) = 0;
    virtual int SetBackgroundCell(int s, int r, int c, COLORREF colour) = 0;
    virtual int SetWordWrapCell(int s, int r, int c, int on) = 0;
    virtual int SetEllipsisCell(int s, int r, int c, int on) = 0;
    virtual int SetAlignmentCell(int s, int r, int c, int alignment) = 0;
    virtual int SetPaddingCell(int s, int r, int c, int side, int value) = 0;
    virtual int SetSpaceBelowCell(int s, int r, int c, int value) = 0;
    virtual int SetSpaceAboveCell(int s, int r, int c, int value) = 0;
    virtual int SetWidthCell(int s, int r, int c, int width) = 0;

    // Cell rules (op 1-6 page number, 7-12 row number, 13-18 always -1; each six: equal, not
    // equal, value >=, value >, value <=, value < the number) and the last table's results.
    virtual int SetCellExtraText(int s, int r, int c, int op, int value, const wchar_t* text) = 0;
    virtual int SetCellExtraValues(int s, int r, int c, int op, int value) = 0;
    virtual int GetCellTextWidth(int s, int r, int c) = 0;
    virtual int GetLastTablePages(int* first, int* last) = 0;
    virtual int GetTablePageBottoms(int* values, int count) = 0;

protected:
    CRKPrintEngine2() = default;
    CRKPrintEngine2(const CRKPrintEngine2&) = delete;
    CRKPrintEngine2& operator=(const CRKPrintEngine2&) = delete;
};

// Exports of RKPrintEngine2.dll (C linkage, cdecl, plain names), looked up by name.
using DllGetPrintEngineProc = CRKPrintEngine2* (__cdecl*)();
using DllFreePrintEngineProc = void (__cdecl*)();
