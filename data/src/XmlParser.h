#pragma once
// CXmlParser: one project document as a tree of CXmlElement under a root held by value, with the
// small reader and writer the library uses for it. The reader never rejects malformed markup
// (unbalanced tags stop at the root); it only refuses nesting deeper than kMaxDepth. Writing is
// iterative as well, so no file structure can exhaust the stack.

#include "XmlElement.h"

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
