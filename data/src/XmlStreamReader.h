#pragma once
// CXmlStreamReader: the project document's reader fed in parts. It reads by CXmlParser::Parse's
// rules (the first tag names the root, end tags are not matched, a run of text belongs to the
// element open at the next "<"), but keeps only the chain of open elements. Its handler says
// which elements to build and into which parser, and gets each built element when it is
// complete; everything else is walked past. So a document of any length is read with the
// memory of its largest built element.

#include <string>
#include <string_view>
#include <vector>

class CXmlParser;
class CXmlElement;

class CXmlStreamReader {
public:
    // The handler's mark of the root element; 0 marks an element the handler is not told about.
    static constexpr int kRootTag = 1;
    // What one built element may hold, counted in characters (a small fixed cost per element
    // included): far above any real item, far below what a 32-bit process can spare.
    static constexpr size_t kMaxElementChars = 128u * 1024 * 1024;

    class Handler {
    public:
        // Where a new element goes: `tag` marks it for Left (0: nothing to tell); with `parser`
        // set it is built there, as a child of `under` or, when `under` is null, as the
        // parser's new root.
        struct Placement {
            int tag = 0;
            CXmlParser* parser = nullptr;
            CXmlElement* under = nullptr;
        };
        virtual ~Handler() = default;
        // A child of the element marked `parentTag` starts; not asked inside built elements and
        // below unmarked ones.
        virtual Placement Enter(int parentTag, std::wstring_view name) = 0;
        // An element placed in a parser is complete: its end tag, or the end of the text.
        virtual void Built(int tag, CXmlParser& parser, CXmlElement* element) = 0;
        // A marked element that was not built ends.
        virtual void Left(int tag) = 0;
    };

    explicit CXmlStreamReader(Handler& handler);
    CXmlStreamReader(const CXmlStreamReader&) = delete;
    CXmlStreamReader& operator=(const CXmlStreamReader&) = delete;

    // The next part of the text; ignored once the document failed.
    void Feed(std::wstring_view text);
    // The end of the text: an unterminated tag is dropped and every open element ends.
    void Finish();
    // 0; 8 when elements nest deeper than CXmlParser::kMaxDepth; 15 (too large) when a built
    // element or a tag outgrows kMaxElementChars.
    int Status() const { return m_status; }

private:
    struct Frame {
        int tag = 0;
        CXmlParser* parser = nullptr; // the parser it is built in, or null
        CXmlElement* node = nullptr;
        bool top = false; // the handler placed it: Built is called for it
    };

    void Tag();
    void Push(std::wstring_view name, std::wstring_view attributes);
    void Pop();
    void Charge(size_t chars);

    Handler& m_handler;
    std::vector<Frame> m_stack; // the root first; never emptied
    std::wstring m_tag;         // the tag being read, from its "<"
    std::wstring m_run;         // text of a built element not yet ended by a "<"
    bool m_inTag = false;
    bool m_rootNamed = false;
    size_t m_charged = 0; // characters held by the element being built
    int m_status = 0;
};
