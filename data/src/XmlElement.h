#pragma once
// CXmlElement: one node of a project document's tree: its name, its raw attribute text, its
// character data (kept escaped, as it stands in the file) and its children, which it owns.
// CXmlParser builds, walks and writes the tree.

#include <cstddef>
#include <string>
#include <vector>

class CXmlElement {
public:
    CXmlElement() = default;
    // Destroys the subtree without recursion: a file may nest elements as deep as it likes.
    ~CXmlElement();
    CXmlElement(const CXmlElement&) = delete;
    CXmlElement& operator=(const CXmlElement&) = delete;

    const std::wstring& Name() const { return m_name; }
    const std::wstring& Attributes() const { return m_attributes; }
    const std::wstring& RawText() const { return m_text; } // escaped
    const std::vector<CXmlElement*>& Children() const { return m_children; }
    CXmlElement* Parent() const { return m_parent; }

    // Destroys every child (and their subtrees) and resets the cursor.
    void DestroyChildren();

private:
    friend class CXmlParser;

    std::wstring m_name;
    std::wstring m_attributes;           // everything after the name in the start tag, raw
    std::wstring m_text;                 // character data, escaped
    std::vector<CXmlElement*> m_children; // owned, in document order
    CXmlElement* m_parent = nullptr;     // not owned; null for the root
    size_t m_cursor = 0;                 // the child last found or stepped to
};
