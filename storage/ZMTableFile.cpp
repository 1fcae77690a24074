#include "storage/ZMTableFile.h"

#include <QStringList>

#include <string>

#include "engine/ZMNumber.h"
#include "platform/ZMFileWrite.h"
#include "platform/ZMLocale.h"
#include "platform/ZMTextFile.h"
#include "platform/ZMXmlDocument.h"
#include "storage/ZMXML.h"

namespace {

constexpr char kTableRootName[] = "TableObj";

TXMLDocument TableDocument(const TTableObj& table) {
    TXMLDocument doc;
    TZMXML::WriteTableElemObjList(doc.AddChild(kTableRootName), "TableElemObjList", table);
    return doc;
}

// A comma-separated file never writes the comma it splits at inside a number.
char CsvNumberSeparator(char sep) { return sep == ',' ? '.' : sep; }

QStringList TableLines(TTableFileFormat format, const TTableObj& table) {
    const bool csv = format == TTableFileFormat::Csv;
    const char sep = csv ? CsvNumberSeparator(decimalSeparator()) : decimalSeparator();
    const std::string between = csv ? "," : "  ";
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(table.Count()));
    for (const TTableElemObj& p : table.Points)
        lines << QString::fromStdString(zm::FloatToStr(p.x, sep) + between + zm::FloatToStr(p.y, sep));
    return lines;
}

std::unique_ptr<TTableObj> ReadXml(const QByteArray& bytes) {
    TXMLDocument doc;
    doc.LoadFromXML(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const TXMLNode root = doc.GetDocumentElement();
    if (!root || root.NodeName() != kTableRootName) return nullptr;
    auto table = std::make_unique<TTableObj>();
    if (const TXMLNode list = root.FirstChildElement()) TZMXML::ReadTableElemObjList(list, *table);
    return table;
}

std::unique_ptr<TTableObj> ReadLines(TTableFileFormat format, const QByteArray& bytes) {
    const bool csv = format == TTableFileFormat::Csv;
    const char split = csv ? ',' : ' ';
    // Whatever the locale: "." or "," in a text file, only "." between the commas of a CSV file.
    const auto number = [&](std::string_view text, double& v) {
        return IsNumericCell(text, '.', &v) || (!csv && IsNumericCell(text, ',', &v));
    };
    auto table = std::make_unique<TTableObj>();
    for (const QString& line : TextFileLines(bytes)) {
        const std::string s = line.toStdString();
        const std::size_t p = s.find(split);
        if (p == std::string::npos) continue;  // no x text
        double x = 0;
        double y = 0;
        if (number(zm::TrimView(std::string_view(s).substr(0, p)), x) &&
            number(zm::TrimView(std::string_view(s).substr(p + 1)), y))
            table->AddPoint(x, y);
    }
    return table;
}

}  // namespace

std::unique_ptr<TTableObj> ReadTableFile(TTableFileFormat format, const QByteArray& bytes) {
    return format == TTableFileFormat::Xml ? ReadXml(bytes) : ReadLines(format, bytes);
}

QByteArray TableFileBytes(TTableFileFormat format, const TTableObj& table) {
    if (format != TTableFileFormat::Xml) return TextFileBytes(TableLines(format, table));
    const std::string xml = TableDocument(table).SaveToXML();
    return QByteArray(xml.data(), static_cast<qsizetype>(xml.size()));
}

void WriteTableFile(TTableFileFormat format, const QString& path, const TTableObj& table) {
    writeWholeFile(path, TableFileBytes(format, table));
}
