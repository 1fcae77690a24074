#pragma once
// Helpers shared by the tests of the XML document and of the file reader and writer.

#include "platform/ZMError.h"
#include "platform/ZMXmlDocument.h"

#include <fstream>
#include <sstream>
#include <string>

// Runs f and returns the message of the ZmError it throws, or "<no error>".
template <class F>
std::string errorOf(F&& f) {
    try {
        f();
    } catch (const ZmError& e) {
        return e.what();
    }
    return "<no error>";
}

// A parsed fragment and its first element.
struct Fragment {
    TXMLDocument doc;
    explicit Fragment(const std::string& xml) { doc.LoadFromXML(xml); }
    TXMLNode root() const { return doc.GetDocumentElement(); }
};

// The bytes of a file; empty when it cannot be read.
inline std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
