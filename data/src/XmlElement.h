#pragma once
// CXmlElement: one node of a project document's tree: its name, its raw attribute text, its
// character data (kept escaped, as it stands in the file) and its children. CXmlParser builds,
// walks and writes the tree; the elements below its root live in the parser's arena and go with
// it (or with the next document it starts), never one by one.

#include <cstddef>
#include <memory_resource>
#include <string>
#include <vector>

class CXmlElement {
public:
    // `memory` holds the element's texts and child list: the parser's arena for the elements it
    // makes, the ordinary heap for its root.
    explicit CXmlElement(std::pmr::memory_resource* memory = std::pmr::get_default_resource());
    ~CXmlElement() = default;
    CXmlElement(const CXmlElement&) = delete;
    CXmlElement& operator=(const CXmlElement&) = delete;

    const std::pmr::wstring& Name() const { return m_name; }
    const std::pmr::wstring& Attributes() const { return m_attributes; }
    const std::pmr::wstring& RawText() const { return m_text; } // escaped
    const std::vector<CXmlElement*, std::pmr::polymorphic_allocator<CXmlElement*>>& Children() const { return m_children; }
    CXmlElement* Parent() const { return m_parent; }

    // Forgets every child and resets the cursor; their memory is the arena's, which the parser
    // releases as a whole. Nothing here walks the subtree, so no nesting can exhaust the stack.
    void DestroyChildren();

private:
    friend class CXmlParser;

    std::pmr::wstring m_name;
    std::pmr::wstring m_attributes;                                             // everything after the name in the start tag, raw
    std::pmr::wstring m_text;                                                   // character data, escaped
    std::vector<CXmlElement*, std::pmr::polymorphic_allocator<CXmlElement*>> m_children; // in document order
    CXmlElement* m_parent = nullptr;                                            // not owned; null for the root
    size_t m_cursor = 0;                                                        // the child last found or stepped to
};
