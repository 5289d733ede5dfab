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

std::wstring HtmlTableCell::GetHtml(bool header) const
{
    std::wstring html = header ? L"  <th " : L"  <td ";
    if (RowSpan > 1)
        html += msgfmt::Format(L"rowspan=%d ", {RowSpan});
    if (ColumnSpan > 1)
        html += msgfmt::Format(L"colspan=%d ", {ColumnSpan});
    if (const wchar_t* align = AlignmentName(HorizontalAlignment))
        html += msgfmt::Format(L"align=%s ", {align});
    if (WidthPercent != -1)
        html += msgfmt::Format(L"width=\"%d%%\" ", {WidthPercent});
    if (Width >= 0)
        html += msgfmt::Format(L"width=\"%d\" ", {Width});
    if (Background != 0xFFFFFF)
        html += msgfmt::Format(L"bgcolor=%s ", {CRHtmlBase::HtmlColor(Background)});
    if (NoWrap)
        html += L"nowrap ";
    std::wstring style;
    if (BorderLeft >= 0)
        style += msgfmt::Format(L"border-left-width:%dpt; ", {BorderLeft});
    if (BorderTop >= 0)
        style += msgfmt::Format(L"border-top-width:%dpt; ", {BorderTop});
    if (BorderRight >= 0)
        style += msgfmt::Format(L"border-right-width:%dpt; ", {BorderRight});
    if (BorderBottom >= 0)
        style += msgfmt::Format(L"border-bottom-width:%dpt; ", {BorderBottom});
    if (!Class.empty())
        html += msgfmt::Format(L"class=%s ", {Class});
    if (!style.empty())
        html += msgfmt::Format(L"style=\"%s\" ", {style});
    html += L">";
    if (RuleSize != -1) {
        html += L"<hr ";
        if (RuleNoShade)
            html += L"noshade ";
        if (RuleSize != 2)
            html += msgfmt::Format(L"size=%d ", {RuleSize});
        html += L">";
    }
    std::wstring text = Text;
    if (TextId != -1) {
        if (std::wstring loaded = fw::LoadResString(static_cast<UINT>(TextId)); !loaded.empty())
            text = std::move(loaded);
    }
    std::wstring content = CRHtmlBase::EscapeHtml(text, BlanksNonBreaking, true);
    if (content.empty())
        content = L"&#160;";
    else if (Bold)
        content = L"<b>" + content + L"</b>";
    if (TextColor != 0)
        content = msgfmt::Format(L"<font color=%s>%s</font>", {CRHtmlBase::HtmlColor(TextColor), content});
    if (!Link.empty())
        content = msgfmt::Format(L"<a href=\"%s\">%s</a>", {CRHtmlBase::UrlAttribute(Link), content});
    html += content;
    html += header ? L"</th>\n" : L"</td>\n";
    return html;
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
    std::wstring html = L" <tr ";
    if (const wchar_t* align = VerticalAlignmentName(VerticalAlignment))
        html += msgfmt::Format(L"valign=%s ", {align});
    if (!Class.empty())
        html += msgfmt::Format(L"class=%s ", {Class});
    html += L">\n";
    for (const HtmlTableCell& cell : Cells) {
        if (CellClass.empty()) {
            html += cell.GetHtml(Header);
        } else {
            HtmlTableCell classed = cell;
            classed.Class = CellClass;
            html += classed.GetHtml(Header);
        }
    }
    html += L" </tr>\n";
    return html;
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
    std::wstring html = L"\n<table ";
    if (!Name.empty())
        html += msgfmt::Format(L"name=\"%s\" ", {Name});
    if (BorderCollapse != 0)
        html += std::wstring(L"style=\"border-collapse: ") + (BorderCollapse == 1 ? L"collapse\" " : L"separate\" ");
    if (WidthPercent != -1)
        html += msgfmt::Format(L"width=\"%d%%\" ", {WidthPercent});
    if (Border != -1)
        html += msgfmt::Format(L"border=%d ", {Border});
    if (CellSpacing != -1)
        html += msgfmt::Format(L"cellspacing=%d ", {CellSpacing});
    if (CellPadding != -1)
        html += msgfmt::Format(L"cellpadding=%d ", {CellPadding});
    if (!Class.empty())
        html += msgfmt::Format(L"class=%s ", {Class});
    html += L">\n\n";
    for (const HtmlTableRow& row : Rows)
        html += row.GetHtml();
    html += L"\n</table>\n\n";
    return html;
}
