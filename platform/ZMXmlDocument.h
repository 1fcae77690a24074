#pragma once
// Element-only XML documents over QDomDocument. Callers see no QDom types except in
// the two interop calls; the DOM's traps are mended here:
//  - blank-only texts are written as CDATA, since the parser drops blank text nodes
//    (a CR in such a text reads back as a line feed);
//  - characters XML 1.0 forbids are dropped when a text is set, so a file always reloads;
//  - a leaf's text is its one text or CDATA child, never the joined descendants.
// Errors are raised as ZmError with the text the user is shown.

#include <QDomDocument>
#include <QDomNode>

#include <string>

class TXMLNode {
public:
    TXMLNode() = default;
    explicit TXMLNode(const QDomNode& node) : n_(node) {}

    bool IsNull() const { return n_.isNull(); }
    explicit operator bool() const { return !n_.isNull(); }
    bool IsElement() const { return n_.isElement(); }

    // The element's tag name ("#text" and the like for other nodes).
    std::string NodeName() const;

    // Appends a child element at the end of this element's children.
    TXMLNode AddChild(const std::string& tagName);

    // "" with no children; the data of a single text or CDATA child; anything else raises
    // "Element does not contain a single text node".
    std::string Text() const;
    // The data of the text and CDATA children joined, other children skipped: "x" for
    // <a>x<!--note--></a>, where Text() would raise.
    std::string LeafText() const;
    // Replaces all children by one text node (none for the empty text).
    void SetText(const std::string& text);

    // All child nodes, in document order.
    TXMLNode FirstChild() const { return TXMLNode(n_.firstChild()); }
    TXMLNode NextSibling() const { return TXMLNode(n_.nextSibling()); }
    // Element children only (text, comments and processing instructions skipped).
    TXMLNode FirstChildElement() const { return TXMLNode(n_.firstChildElement()); }
    TXMLNode NextSiblingElement() const { return TXMLNode(n_.nextSiblingElement()); }

    const QDomNode& Dom() const { return n_; }

private:
    QDomNode n_;
};

class TXMLDocument {
public:
    TXMLDocument();
    virtual ~TXMLDocument() = default;
    TXMLDocument(const TXMLDocument&) = delete;
    TXMLDocument& operator=(const TXMLDocument&) = delete;
    TXMLDocument(TXMLDocument&&) = default;
    TXMLDocument& operator=(TXMLDocument&&) = default;

    // Makes the root element (replacing any root the document had).
    TXMLNode AddChild(const std::string& tagName);
    // The root element; null when the document is empty.
    TXMLNode GetDocumentElement() const;

    // Parses the file; the document is replaced only when the whole file parsed. A missing
    // file, one that is not well-formed XML or one nested more than 256 elements deep
    // raises ZmError.
    void LoadFromFile(const std::string& fileName);
    void LoadFromXML(const std::string& bytes);
    // Writes through writeWholeFile: a failed write raises its "Cannot create file" text and
    // leaves the previous file whole.
    void SaveToFile(const std::string& fileName) const;
    // The bytes SaveToFile writes: UTF-8, no declaration, one-space indent.
    std::string SaveToXML() const;

    QDomDocument& Dom() { return doc_; }
    const QDomDocument& Dom() const { return doc_; }

private:
    QDomDocument doc_;
};
