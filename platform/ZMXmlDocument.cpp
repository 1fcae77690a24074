#include "platform/ZMXmlDocument.h"

#include "platform/ZMError.h"
#include "platform/ZMFileRead.h"
#include "platform/ZMFileWrite.h"

#include <QByteArray>
#include <QDomCDATASection>
#include <QDomElement>
#include <QDomText>
#include <QString>
#include <QXmlStreamReader>

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string utf8(const QString& s) {
    const QByteArray b = s.toUtf8();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

bool isLegalXmlChar(char32_t c) {
    if (c == 0x9 || c == 0xA || c == 0xD) return true;
    if (c < 0x20) return false;
    if (c >= 0xD800 && c <= 0xDFFF) return false;
    return c != 0xFFFE && c != 0xFFFF;
}

// Drops what XML 1.0 cannot hold, lone surrogates included.
QString legalXml(const QString& in) {
    QString out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QChar c = in.at(i);
        if (c.isHighSurrogate() && i + 1 < in.size() && in.at(i + 1).isLowSurrogate()) {
            out += c;
            out += in.at(i + 1);
            ++i;
            continue;
        }
        if (isLegalXmlChar(c.unicode())) out += c;
    }
    return out;
}

// Files the program writes are under ten levels deep. The DOM parser's time grows much faster
// than the depth (40,000 levels take seconds), so deeper files are refused before it runs.
constexpr int kMaxDepth = 256;

// A streaming pass in linear time; a file that is not well-formed is left to the DOM parser.
bool nestedTooDeeply(const QByteArray& bytes) {
    QXmlStreamReader reader(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > kMaxDepth) return true;
        if (token == QXmlStreamReader::EndElement) --depth;
    }
    return false;
}

bool isBlankOnly(const QString& s) {
    if (s.isEmpty()) return false;
    for (const QChar c : s)
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n') return false;
    return true;
}

}  // namespace

std::string TXMLNode::NodeName() const { return utf8(n_.nodeName()); }

TXMLNode TXMLNode::AddChild(const std::string& tagName) {
    QDomDocument doc = n_.ownerDocument();
    QDomElement e = doc.createElement(qs(tagName));
    n_.appendChild(e);
    return TXMLNode(e);
}

std::string TXMLNode::Text() const {
    const QDomNode first = n_.firstChild();
    if (first.isNull()) return {};
    if (!first.nextSibling().isNull() || !first.isText())  // isText() holds for CDATA too
        throw ZmError("Element does not contain a single text node");
    return utf8(first.nodeValue());
}

std::string TXMLNode::LeafText() const {
    QString text;
    for (QDomNode c = n_.firstChild(); !c.isNull(); c = c.nextSibling())
        if (c.isText()) text += c.nodeValue();
    return utf8(text);
}

void TXMLNode::SetText(const std::string& text) {
    while (!n_.firstChild().isNull()) n_.removeChild(n_.firstChild());
    const QString t = legalXml(qs(text));
    if (t.isEmpty()) return;
    QDomDocument doc = n_.ownerDocument();
    if (isBlankOnly(t)) n_.appendChild(doc.createCDATASection(t));
    else n_.appendChild(doc.createTextNode(t));
}

TXMLDocument::TXMLDocument() = default;

TXMLNode TXMLDocument::AddChild(const std::string& tagName) {
    const QDomElement old = doc_.documentElement();
    QDomElement e = doc_.createElement(qs(tagName));
    if (old.isNull()) doc_.appendChild(e);
    else doc_.replaceChild(e, old);
    return TXMLNode(e);
}

TXMLNode TXMLDocument::GetDocumentElement() const { return TXMLNode(doc_.documentElement()); }

void TXMLDocument::LoadFromFile(const std::string& fileName) {
    const QByteArray bytes = readWholeFile(qs(fileName));
    LoadFromXML(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void TXMLDocument::LoadFromXML(const std::string& bytes) {
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (nestedTooDeeply(data))
        throw ZmError("The file is nested too deeply (more than " + std::to_string(kMaxDepth) +
                      " levels of elements)");
    QDomDocument parsed;
    QString msg;
    int line = 0;
    int col = 0;
    if (!parsed.setContent(data, false, &msg, &line, &col))
        throw ZmError(utf8(msg) + " (line " + std::to_string(line) + ", column " + std::to_string(col) + ")");
    doc_ = parsed;
}

std::string TXMLDocument::SaveToXML() const {
    const QByteArray b = doc_.toByteArray(1);
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

void TXMLDocument::SaveToFile(const std::string& fileName) const { writeWholeFile(qs(fileName), doc_.toByteArray(1)); }
