// The project document's reader fed in parts.
#include "XmlStreamReader.h"

#include "XmlParser.h"

#include "wqv2_data.h"

namespace {

// What an element costs besides its texts, in characters.
constexpr size_t kElementCost = 64;

} // namespace

CXmlStreamReader::CXmlStreamReader(Handler& handler) : m_handler(handler)
{
    m_stack.reserve(CXmlParser::kMaxDepth + 1);
    Frame root;
    root.tag = kRootTag;
    m_stack.push_back(root);
}

void CXmlStreamReader::Charge(size_t chars)
{
    m_charged += chars;
    if (m_charged > kMaxElementChars)
        m_status = wqv2_data::kErrTooLarge;
}

void CXmlStreamReader::Feed(std::wstring_view text)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && m_status == 0) {
        Frame& current = m_stack.back();
        if (!m_inTag) {
            // A ">" outside a tag is plain character data, so only "<" ends a run of text.
            const size_t lt = text.find(L'<', i);
            const size_t end = lt == std::wstring_view::npos ? n : lt;
            if (current.node) {
                Charge(end - i);
                if (lt == std::wstring_view::npos) {
                    m_run.append(text.substr(i));
                } else if (m_run.empty()) {
                    CXmlParser::SetRawText(current.node, text.substr(i, lt - i));
                } else {
                    m_run.append(text.substr(i, lt - i));
                    CXmlParser::SetRawText(current.node, m_run);
                    m_run.clear();
                }
            }
            if (lt == std::wstring_view::npos)
                return;
            m_tag.assign(1, L'<');
            m_inTag = true;
            i = lt + 1;
            continue;
        }
        const size_t stop = text.find_first_of(L"<>", i);
        if (stop == std::wstring_view::npos) {
            m_tag.append(text.substr(i));
            if (m_tag.size() > kMaxElementChars)
                m_status = wqv2_data::kErrTooLarge;
            return;
        }
        if (text[stop] == L'<') {
            // A new tag starts inside an unfinished one: the unfinished one is dropped, and with
            // it the text that came before it.
            if (current.node)
                CXmlParser::ClearText(current.node);
            m_tag.assign(1, L'<');
            i = stop + 1;
            continue;
        }
        m_tag.append(text.substr(i, stop - i + 1));
        i = stop + 1;
        m_inTag = false;
        if (m_tag.size() > kMaxElementChars)
            m_status = wqv2_data::kErrTooLarge;
        else
            Tag();
    }
}

void CXmlStreamReader::Tag()
{
    std::wstring_view name;
    std::wstring_view attributes;
    const XmlTagKind kind = CXmlParser::ReadTag(m_tag, name, attributes);
    if (kind == XmlTagKind::Ignored)
        return;
    if (kind == XmlTagKind::Start || kind == XmlTagKind::Empty) {
        if (!m_rootNamed) {
            m_rootNamed = true;
        } else {
            if (m_stack.size() > static_cast<size_t>(CXmlParser::kMaxDepth)) {
                m_status = wqv2_data::kErrFormat;
                return;
            }
            Push(name, attributes);
            if (m_status != 0)
                return;
        }
    }
    // End tags are not matched against their start tags; the root is never left.
    if ((kind == XmlTagKind::End || kind == XmlTagKind::Empty) && m_stack.size() > 1)
        Pop();
}

void CXmlStreamReader::Push(std::wstring_view name, std::wstring_view attributes)
{
    const Frame parent = m_stack.back();
    Frame frame;
    if (parent.node) {
        frame.parser = parent.parser;
        frame.node = parent.parser->AddRawChild(parent.node, name, attributes);
        Charge(kElementCost + name.size() + attributes.size());
    } else if (parent.tag != 0) {
        const Handler::Placement placement = m_handler.Enter(parent.tag, name);
        frame.tag = placement.tag;
        if (placement.parser) {
            frame.parser = placement.parser;
            frame.node = placement.under ? placement.parser->AddRawChild(placement.under, name, attributes)
                                         : placement.parser->StartRawDocument(name, attributes);
            frame.top = true;
            m_charged = 0;
            Charge(kElementCost + name.size() + attributes.size());
        }
    }
    m_stack.push_back(frame);
}

void CXmlStreamReader::Pop()
{
    const Frame frame = m_stack.back();
    m_stack.pop_back();
    if (frame.top)
        m_handler.Built(frame.tag, *frame.parser, frame.node);
    else if (!frame.node && frame.tag != 0)
        m_handler.Left(frame.tag);
}

void CXmlStreamReader::Finish()
{
    if (m_status != 0)
        return;
    // What was open at the end is complete as it stands (unbalanced tags stop at the root).
    m_run.clear();
    m_tag.clear();
    m_inTag = false;
    while (m_stack.size() > 1)
        Pop();
}
