// Markup of the HTML table model.
#include "output/HtmlTable.h"

#include "output/RHtmlBase.h"

#include "SafeFormat.h"
#include "fw/Resources.h"

namespace {

const wchar_t* AlignmentName(int alignment)
{
    switch (alignment) {
    case 1:
        return L"left";
    case 2:
        return L"right";
    case 3:
        return L"center";
    case 4:
        return L"justify";
    default:
        return nullptr;
    }
}

const wchar_t* VerticalAlignmentName(int alignment)
{
    switch (alignment) {
    case 1:
        return L"top";
    case 2:
        return L"baseline";
    case 3:
        return L"middle";
    case 4:
        return L"bottom";
    default:
        return nullptr;
    }
}

} // namespace

CHtmlCellMarkup::CHtmlCellMarkup(const HtmlTableCell& model, bool header)
    : m_bold(model.Bold), m_blanks(model.BlanksNonBreaking)
{
    std::wstring& html = m_start;
    html = header ? L"  <th " : L"  <td ";
    if (model.RowSpan > 1)
        html += msgfmt::Format(L"rowspan=%d ", {model.RowSpan});
    if (model.ColumnSpan > 1)
        html += msgfmt::Format(L"colspan=%d ", {model.ColumnSpan});
    if (const wchar_t* align = AlignmentName(model.HorizontalAlignment))
        html += msgfmt::Format(L"align=%s ", {align});
    if (model.WidthPercent != -1)
        html += msgfmt::Format(L"width=\"%d%%\" ", {model.WidthPercent});
    if (model.Width >= 0)
        html += msgfmt::Format(L"width=\"%d\" ", {model.Width});
    if (model.Background != 0xFFFFFF)
        html += msgfmt::Format(L"bgcolor=%s ", {CRHtmlBase::HtmlColor(model.Background)});
    if (model.NoWrap)
        html += L"nowrap ";
    std::wstring style;
    if (model.BorderLeft >= 0)
        style += msgfmt::Format(L"border-left-width:%dpt; ", {model.BorderLeft});
    if (model.BorderTop >= 0)
        style += msgfmt::Format(L"border-top-width:%dpt; ", {model.BorderTop});
    if (model.BorderRight >= 0)
        style += msgfmt::Format(L"border-right-width:%dpt; ", {model.BorderRight});
    if (model.BorderBottom >= 0)
        style += msgfmt::Format(L"border-bottom-width:%dpt; ", {model.BorderBottom});
    if (!model.Class.empty())
        html += msgfmt::Format(L"class=%s ", {model.Class});
    if (!style.empty())
        html += msgfmt::Format(L"style=\"%s\" ", {style});
    html += L">";
    if (model.RuleSize != -1) {
        html += L"<hr ";
        if (model.RuleNoShade)
            html += L"noshade ";
        if (model.RuleSize != 2)
            html += msgfmt::Format(L"size=%d ", {model.RuleSize});
        html += L">";
    }
    // The link holds the font, which holds the bold text.
    if (!model.Link.empty()) {
        html += msgfmt::Format(L"<a href=\"%s\">", {CRHtmlBase::UrlAttribute(model.Link)});
        m_end = L"</a>";
    }
    if (model.TextColor != 0) {
        html += msgfmt::Format(L"<font color=%s>", {CRHtmlBase::HtmlColor(model.TextColor)});
        m_end.insert(0, L"</font>");
    }
    m_end += header ? L"</th>\n" : L"</td>\n";
}

void CHtmlCellMarkup::Append(std::wstring& out, std::wstring_view text) const
{
    out += m_start;
    // Line breaks are kept: only carriage returns vanish in the escaping.
    if (text.find_first_not_of(L'\r') == std::wstring_view::npos) {
        out += L"&#160;";
    } else if (m_bold) {
        out += L"<b>";
        CRHtmlBase::AppendEscaped(out, text, m_blanks, true);
        out += L"</b>";
    } else {
        CRHtmlBase::AppendEscaped(out, text, m_blanks, true);
    }
    out += m_end;
}

namespace {

// Text that escapes to nothing holds only carriage returns: the cell shows a blank instead.
template <class Text>
void AppendContent(CPageText& out, bool bold, bool blanks, Text text)
{
    const size_t content = out.Size();
    if (bold)
        out.Append(L"<b>");
    if (out.AppendEscaped(text, blanks, true) == 0) {
        out.CutTo(content);
        out.Append(L"&#160;");
    } else if (bold) {
        out.Append(L"</b>");
    }
}

} // namespace

void CHtmlCellMarkup::Append(CPageText& out, std::wstring_view text) const
{
    out.Append(m_start);
    AppendContent(out, m_bold, m_blanks, text);
    out.Append(m_end);
}

void CHtmlCellMarkup::Append(CPageText& out, const wchar_t* text) const
{
    out.Append(m_start);
    AppendContent(out, m_bold, m_blanks, text);
    out.Append(m_end);
}

CHtmlRowMarkup::CHtmlRowMarkup(const HtmlTableRow& row, const std::vector<HtmlTableCell>& columns)
{
    std::wstring before;
    row.AppendStart(before);
    for (HtmlTableCell model : columns) {
        if (!row.CellClass.empty())
            model.Class = row.CellClass;
        const CHtmlCellMarkup cell(model, row.Header);
        m_columns.push_back({before + cell.Start(), cell.Bold(), cell.Blanks()});
        before = cell.End();
    }
    m_end = before;
    HtmlTableRow::AppendEnd(m_end);
}

void CHtmlRowMarkup::AppendCell(CPageText& out, size_t column, std::wstring_view text) const
{
    const Column& markup = m_columns[column];
    out.Append(markup.before);
    AppendContent(out, markup.bold, markup.blanks, text);
}

void CHtmlRowMarkup::AppendCell(CPageText& out, size_t column, const wchar_t* text) const
{
    const Column& markup = m_columns[column];
    out.Append(markup.before);
    AppendContent(out, markup.bold, markup.blanks, text);
}

std::wstring HtmlTableCell::GetHtml(bool header) const
{
    std::wstring html;
    AppendHtml(html, header);
    return html;
}

void HtmlTableCell::AppendHtml(std::wstring& out, bool header) const
{
    if (TextId != -1) {
        if (std::wstring loaded = fw::LoadResString(static_cast<UINT>(TextId)); !loaded.empty()) {
            CHtmlCellMarkup(*this, header).Append(out, loaded);
            return;
        }
    }
    CHtmlCellMarkup(*this, header).Append(out, Text);
}

HtmlTableCell& HtmlTableRow::AddCell()
{
    return Cells.emplace_back();
}

HtmlTableCell& HtmlTableRow::AddCell(const std::wstring& text, int alignment, bool bold)
{
    HtmlTableCell& cell = Cells.emplace_back();
    cell.Text = text;
    cell.HorizontalAlignment = alignment;
    cell.Bold = bold;
    return cell;
}

HtmlTableCell& HtmlTableRow::AddCell(int textId, int alignment, bool bold)
{
    HtmlTableCell& cell = Cells.emplace_back();
    cell.TextId = textId;
    cell.HorizontalAlignment = alignment;
    cell.Bold = bold;
    return cell;
}

std::wstring HtmlTableRow::GetHtml() const
{
    std::wstring html;
    AppendHtml(html);
    return html;
}

void HtmlTableRow::AppendStart(std::wstring& out) const
{
    out += L" <tr ";
    if (const wchar_t* align = VerticalAlignmentName(VerticalAlignment))
        out += msgfmt::Format(L"valign=%s ", {align});
    if (!Class.empty())
        out += msgfmt::Format(L"class=%s ", {Class});
    out += L">\n";
}

void HtmlTableRow::AppendHtml(std::wstring& out) const
{
    AppendStart(out);
    for (const HtmlTableCell& cell : Cells) {
        if (CellClass.empty()) {
            cell.AppendHtml(out, Header);
        } else {
            HtmlTableCell classed = cell;
            classed.Class = CellClass;
            classed.AppendHtml(out, Header);
        }
    }
    AppendEnd(out);
}

HtmlTableRow& CHtmlTableHelper::AddRow()
{
    return Rows.emplace_back();
}

HtmlTableRow& CHtmlTableHelper::AddEmptyRow()
{
    HtmlTableRow& row = Rows.emplace_back();
    HtmlTableCell& cell = row.AddCell();
    cell.Text = L" ";
    cell.BlanksNonBreaking = true;
    return row;
}

int CHtmlTableHelper::GetColumnCount() const
{
    if (Rows.empty())
        return 1;
    int count = 0;
    for (const HtmlTableCell& cell : Rows.front().Cells)
        count += cell.ColumnSpan;
    return count;
}

std::wstring CHtmlTableHelper::GetHtml() const
{
    std::wstring html;
    AppendStart(html);
    for (const HtmlTableRow& row : Rows)
        row.AppendHtml(html);
    AppendEnd(html);
    return html;
}

void CHtmlTableHelper::AppendStart(std::wstring& out) const
{
    out += L"\n<table ";
    if (!Name.empty())
        out += msgfmt::Format(L"name=\"%s\" ", {Name});
    if (BorderCollapse != 0)
        out += std::wstring(L"style=\"border-collapse: ") + (BorderCollapse == 1 ? L"collapse\" " : L"separate\" ");
    if (WidthPercent != -1)
        out += msgfmt::Format(L"width=\"%d%%\" ", {WidthPercent});
    if (Border != -1)
        out += msgfmt::Format(L"border=%d ", {Border});
    if (CellSpacing != -1)
        out += msgfmt::Format(L"cellspacing=%d ", {CellSpacing});
    if (CellPadding != -1)
        out += msgfmt::Format(L"cellpadding=%d ", {CellPadding});
    if (!Class.empty())
        out += msgfmt::Format(L"class=%s ", {Class});
    out += L">\n\n";
}
