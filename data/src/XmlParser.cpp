// The project document's tree: reading, writing, escaping and the child walk.
#include "XmlParser.h"

#include "TextStream.h"


namespace {

bool IsTrimmed(wchar_t c) { return c == L' ' || c == L'\r' || c == L'\n' || c == L'\t'; }

std::wstring_view Trim(std::wstring_view s)
{
    size_t first = 0;
    while (first < s.size() && IsTrimmed(s[first]))
        ++first;
    size_t last = s.size();
    while (last > first && IsTrimmed(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

bool StartsWith(std::wstring_view s, std::wstring_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool EndsWith(std::wstring_view s, std::wstring_view suffix)
{
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// `tag` runs from its "<" to its ">" inclusive.
XmlTagKind Classify(std::wstring_view tag)
{
    if (StartsWith(tag, L"<!") || StartsWith(tag, L"<?"))
        return XmlTagKind::Ignored;
    if (StartsWith(tag, L"</"))
        return XmlTagKind::End;
    if (EndsWith(tag, L"/>"))
        return XmlTagKind::Empty;
    return XmlTagKind::Start;
}

} // namespace

const wchar_t* const CXmlParser::kProlog = L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n";

CXmlElement::CXmlElement(std::pmr::memory_resource* memory)
    : m_name(memory), m_attributes(memory), m_text(memory), m_children(memory)
{
}

void CXmlElement::DestroyChildren()
{
    m_children.clear();
    m_cursor = 0;
}

CXmlElement* CXmlParser::NewElement()
{
    void* place = m_arena.allocate(sizeof(CXmlElement), alignof(CXmlElement));
    // Never destroyed: its members allocate from the arena too, and the arena's release frees
    // them all at once.
    return new (place) CXmlElement(&m_arena);
}

void CXmlParser::ResetTree()
{
    // The root's child list lives on the ordinary heap; its entries point into the arena.
    m_root.m_children.clear();
    m_root.m_children.shrink_to_fit();
    m_root.m_cursor = 0;
    m_arena.release();
}

CXmlParser::CXmlParser() : m_prolog(kProlog), m_arena(64 * 1024) { m_current = &m_root; }

void CXmlParser::NewDocument(std::wstring_view rootName)
{
    ResetTree();
    m_root.m_name.assign(Trim(rootName));
    m_root.m_attributes.clear();
    m_root.m_text.clear();
    m_current = &m_root;
}

CXmlElement* CXmlParser::StartRawDocument(std::wstring_view name, std::wstring_view attributes)
{
    ResetTree();
    m_root.m_name.assign(name);
    m_root.m_attributes.assign(attributes);
    m_root.m_text.clear();
    m_current = &m_root;
    return &m_root;
}

CXmlElement* CXmlParser::AddRawChild(CXmlElement* parent, std::wstring_view name, std::wstring_view attributes)
{
    CXmlElement* element = NewElement();
    element->m_name.assign(name);
    element->m_attributes.assign(attributes);
    element->m_parent = parent;
    parent->m_children.push_back(element);
    return element;
}

XmlTagKind CXmlParser::ReadTag(std::wstring_view tag, std::wstring_view& name, std::wstring_view& attributes)
{
    const XmlTagKind kind = Classify(tag);
    name = attributes = std::wstring_view();
    if (kind == XmlTagKind::Ignored)
        return kind;
    std::wstring_view content = tag.substr(1, tag.size() - 2); // without "<" and ">"
    if (kind == XmlTagKind::End)
        content.remove_prefix(1);
    else if (kind == XmlTagKind::Empty)
        content.remove_suffix(1);
    content = Trim(content);
    if (kind == XmlTagKind::End)
        return kind;
    const size_t blank = content.find(L' ');
    name = content.substr(0, blank);
    if (blank != std::wstring_view::npos)
        attributes = Trim(content.substr(blank + 1));
    return kind;
}

int CXmlParser::Parse(std::wstring_view text)
{
    ResetTree();
    m_root.m_name.clear();
    m_root.m_attributes.clear();
    m_root.m_text.clear();
    m_current = &m_root;

    bool rootNamed = false;
    bool inTag = false;
    int depth = 0; // of m_current; the root is 0
    std::wstring tag;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        if (!inTag) {
            // A ">" outside a tag is plain character data (legal XML; other writers leave it
            // unescaped), so only "<" ends a run of text.
            const size_t lt = text.find(L'<', i);
            if (lt == std::wstring_view::npos)
                break;
            // Straight from the document: the run of text is complete here.
            m_current->m_text.assign(text.substr(i, lt - i));
            tag.assign(1, L'<');
            inTag = true;
            i = lt + 1;
            continue;
        }
        const size_t stop = text.find_first_of(L"<>", i);
        if (stop == std::wstring_view::npos) {
            // An unterminated tag at the end of the text is dropped.
            break;
        }
        if (text[stop] == L'<') {
            // A new tag starts inside an unfinished one: the unfinished one is dropped, and with
            // it the text that came before it.
            m_current->m_text.clear();
            tag.assign(1, L'<');
            i = stop + 1;
            continue;
        }
        tag.append(text.substr(i, stop - i + 1));
        i = stop + 1;
        inTag = false;

        std::wstring_view name;
        std::wstring_view attributes;
        const XmlTagKind kind = ReadTag(tag, name, attributes);
        if (kind == XmlTagKind::Ignored)
            continue;
        if (kind == XmlTagKind::Start || kind == XmlTagKind::Empty) {
            if (!rootNamed) {
                rootNamed = true;
                m_root.m_name.assign(name);
                m_root.m_attributes.assign(attributes);
            } else {
                if (depth + 1 > kMaxDepth) {
                    ResetTree();
                    m_current = &m_root;
                    return 8;
                }
                CXmlElement* element = NewElement();
                element->m_name.assign(name);
                element->m_attributes.assign(attributes);
                element->m_parent = m_current;
                m_current->m_children.push_back(element);
                m_current = element;
                ++depth;
            }
        }
        if ((kind == XmlTagKind::End || kind == XmlTagKind::Empty) && m_current->m_parent) {
            // End tags are not matched against their start tags.
            m_current = m_current->m_parent;
            --depth;
        }
    }
    m_current = &m_root;
    return 0;
}

std::wstring CXmlParser::Serialize() const
{
    CStringSink sink;
    CTextWriter out(sink);
    out.Append(m_prolog);
    WriteElement(&m_root, 0, out);
    out.Flush();
    return std::move(sink.Text());
}

void CXmlParser::WriteElement(const CXmlElement* element, size_t baseDepth, CTextWriter& out)
{
    // Opens an element; false when it was written whole as an empty-element tag.
    const auto open = [&out](const CXmlElement* e, size_t depth) {
        out.AppendTabs(depth);
        out.Append(L'<');
        out.Append(e->m_name);
        if (!e->m_attributes.empty()) {
            out.Append(L' ');
            out.Append(e->m_attributes);
        }
        if (e->m_children.empty() && e->m_text.empty()) {
            out.Append(L"/>\r\n");
            return false;
        }
        out.Append(L'>');
        if (e->m_text.empty())
            out.Append(L"\r\n");
        else
            out.Append(e->m_text);
        return true;
    };
    const auto close = [&out](const CXmlElement* e, size_t depth) {
        if (e->m_text.empty())
            out.AppendTabs(depth);
        out.Append(L"</");
        out.Append(e->m_name);
        out.Append(L">\r\n");
    };

    struct Frame {
        const CXmlElement* element;
        size_t next; // index of the next child to write
    };
    std::vector<Frame> stack;
    if (open(element, baseDepth))
        stack.push_back({element, 0});
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.element->m_children.size()) {
            const CXmlElement* child = top.element->m_children[top.next++];
            if (open(child, baseDepth + stack.size()))
                stack.push_back({child, 0});
            continue;
        }
        const CXmlElement* done = top.element;
        stack.pop_back();
        close(done, baseDepth + stack.size());
    }
}

CXmlElement* CXmlParser::AddChildElement(CXmlElement* parent, std::wstring_view name, const wchar_t* text)
{
    return AddChildElement(parent, name, text ? std::wstring_view(text) : std::wstring_view());
}

CXmlElement* CXmlParser::AddChildElement(CXmlElement* parent, std::wstring_view name, std::wstring_view text)
{
    if (!parent)
        return nullptr;
    CXmlElement* element = NewElement();
    element->m_name.assign(Trim(name));
    element->m_text.assign(Escape(text));
    element->m_parent = parent;
    parent->m_children.push_back(element);
    return element;
}

CXmlElement* CXmlParser::FindChildElement(CXmlElement* parent, std::wstring_view name)
{
    if (!parent)
        return nullptr;
    const auto& children = parent->m_children;
    for (size_t i = 0; i < children.size(); ++i) {
        if (children[i]->m_name == name) {
            parent->m_cursor = i;
            return children[i];
        }
    }
    return nullptr;
}

CXmlElement* CXmlParser::FirstChildElement(CXmlElement* parent)
{
    if (!parent || parent->m_children.empty())
        return nullptr;
    parent->m_cursor = 0;
    return parent->m_children.front();
}

CXmlElement* CXmlParser::NextChildElement(CXmlElement* parent)
{
    if (!parent || parent->m_cursor + 1 >= parent->m_children.size())
        return nullptr;
    ++parent->m_cursor;
    return parent->m_children[parent->m_cursor];
}

std::wstring CXmlParser::GetElementText(const CXmlElement* element) const
{
    return element ? Unescape(element->m_text) : std::wstring();
}

std::wstring CXmlParser::Escape(std::wstring_view text)
{
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
        case L'&':
            out += L"&amp;";
            break;
        case L'<':
            out += L"&lt;";
            break;
        case L'>':
            out += L"&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::wstring CXmlParser::Unescape(std::wstring_view text)
{
    std::wstring out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const size_t amp = text.find(L'&', i);
        if (amp == std::wstring_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, amp - i));
        const std::wstring_view rest = text.substr(amp);
        if (StartsWith(rest, L"&amp;")) {
            out += L'&';
            i = amp + 5;
        } else if (StartsWith(rest, L"&lt;")) {
            out += L'<';
            i = amp + 4;
        } else if (StartsWith(rest, L"&gt;")) {
            out += L'>';
            i = amp + 4;
        } else {
            out += L'&';
            i = amp + 1;
        }
    }
    return out;
}
