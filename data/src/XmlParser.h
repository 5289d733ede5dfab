#pragma once
// CXmlParser: one project document as a tree of CXmlElement under a root held by value, with the
// small reader and writer the library uses for it. The reader never rejects malformed markup
// (unbalanced tags stop at the root); it only refuses nesting deeper than kMaxDepth. Writing is
// iterative as well, so no file structure can exhaust the stack.

#include "XmlElement.h"

class CTextWriter;

enum class XmlTagKind { Ignored, Start, End, Empty };

#include <memory_resource>

#include <string>
#include <string_view>

class CXmlParser {
public:
    // Real documents nest a handful of levels; anything far deeper is damage or an attack.
    static constexpr int kMaxDepth = 1000;
    // "<?xml version="1.0" encoding="UTF-16"?>" and CR LF.
    static const wchar_t* const kProlog;

    CXmlParser();
    CXmlParser(const CXmlParser&) = delete;
    CXmlParser& operator=(const CXmlParser&) = delete;

    CXmlElement* Root() { return &m_root; }
    // Starts an empty document whose root element is named `rootName`.
    void NewDocument(std::wstring_view rootName);
    const std::wstring& Prolog() const { return m_prolog; }
    void SetProlog(std::wstring_view prolog) { m_prolog.assign(prolog); }

    // Replaces the tree by the one read from `text`: 0, or 8 when elements nest deeper than
    // kMaxDepth (the tree is then emptied).
    int Parse(std::wstring_view text);
    // The prolog, then the root and everything below it, one tab per level, CR LF line ends.
    std::wstring Serialize() const;
    // `element` and everything below it as Serialize writes them, `element` at `depth` tabs.
    static void WriteElement(const CXmlElement* element, size_t depth, CTextWriter& out);

    // A new last child of `parent` named `name` (trimmed of blanks, CR, LF and tabs), with `text`
    // escaped as its character data (null counts as ""); null for a null parent.
    CXmlElement* AddChildElement(CXmlElement* parent, std::wstring_view name, const wchar_t* text);
    CXmlElement* AddChildElement(CXmlElement* parent, std::wstring_view name, std::wstring_view text);
    // The first child named exactly `name` (case-sensitive), or null; the parent's cursor stays
    // on it.
    CXmlElement* FindChildElement(CXmlElement* parent, std::wstring_view name);
    // Cursor walk over the children: the first child, then the next after the cursor; null at
    // the end (and for a null parent).
    CXmlElement* FirstChildElement(CXmlElement* parent);
    CXmlElement* NextChildElement(CXmlElement* parent);
    // The element's character data with &amp; &lt; &gt; replaced in one pass.
    std::wstring GetElementText(const CXmlElement* element) const;

    // A tag from its "<" to its ">": comments, declarations and processing instructions are
    // ignored; a start or empty-element tag gives its name (up to the first blank) and its
    // attribute text (the rest, trimmed).
    static XmlTagKind ReadTag(std::wstring_view tag, std::wstring_view& name, std::wstring_view& attributes);
    // Building a tree as the reader does, for the document reader that reads in parts: names
    // and attribute texts as they stand in the tags, texts still escaped.
    CXmlElement* StartRawDocument(std::wstring_view name, std::wstring_view attributes);
    CXmlElement* AddRawChild(CXmlElement* parent, std::wstring_view name, std::wstring_view attributes);
    static void SetRawText(CXmlElement* element, std::wstring_view text) { element->m_text.assign(text); }
    static void ClearText(CXmlElement* element) { element->m_text.clear(); }

    static std::wstring Escape(std::wstring_view text);
    static std::wstring Unescape(std::wstring_view text);

private:
    // A new element in the arena; the arena never frees it by itself.
    CXmlElement* NewElement();
    // Drops the whole tree below the root and releases the arena.
    void ResetTree();

    std::wstring m_prolog;
    // Every element below the root, with its texts and child list. A document of a hundred
    // thousand tasks has millions of elements: made and dropped one by one, they cost more than
    // the parsing itself.
    std::pmr::monotonic_buffer_resource m_arena;
    CXmlElement m_root;
    CXmlElement* m_current = nullptr; // not owned: the element being filled while parsing
};
