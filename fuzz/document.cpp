// Document text: parse the bytes and read them the way File Open does (graph list, plane
// settings over the default plane, every label), then compile and evaluate the formulas
// of the graphs read. The same bytes are also read as a table file of each format, under a
// decimal point and a decimal comma. Every failure must be a parse error of the XML layer or
// one of the reader's own messages, and only an XML table file may be refused; anything else
// stops the run. Built as fuzz_plane (ZM_FUZZ_DRAW), it also draws the plane with the graphs
// read, as a document window does on opening.
#include "engine/ZMMath.h"
#include "platform/ZMError.h"
#include "storage/ZMAddLabel.h"
#include "storage/ZMDocumentFile.h"
#include "storage/ZMTableFile.h"
#include "storage/ZMXML.h"

#include <QApplication>
#include <QLocale>

#ifdef ZM_FUZZ_DRAW
#include "plot/ZMCoordinate.h"
#endif

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsReaderMessage(const std::string& m) {
    return m == "Element does not contain a single text node" ||
           (m.size() > 1 && m[0] == '\'' &&
            (EndsWith(m, "' is not a valid integer value") || EndsWith(m, "' is not a valid floating point value")));
}

void CompileFormulas(const TMemory& memory) {
    zm::TOperatorLib ops;
    zm::TVarMemory vars, consts;
    for (const char* n : {"x", "y", "t", "a"}) vars.AddVar(n, 0);
    consts.AddVar("PI", 3.141592653589793);
    for (std::size_t i = 0; i < memory.Count(); ++i) {
        const auto* f = dynamic_cast<const TFunctionObj*>(memory.GetItem(static_cast<std::ptrdiff_t>(i)));
        if (!f) continue;
        for (const std::string* text : {&f->Exp, &f->AddExp}) {
            zm::TExpCal e(*text, ops, vars, consts);
            for (double x : {-1.0, 0.0, 2.0}) {
                vars.SetValue("x", x);
                e.Calculate();
            }
        }
    }
}

[[noreturn]] void Unexpected(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

// A refused XML table file is "Improper XML file format." to the user; text formats never refuse.
void ReadTableFiles(const QByteArray& bytes, bool wellFormed) {
    const QLocale saved;
    for (QLocale::Language language : {QLocale::English, QLocale::German}) {
        QLocale::setDefault(QLocale(language));
        for (TTableFileFormat format : {TTableFileFormat::Xml, TTableFileFormat::Text, TTableFileFormat::Csv}) {
            const bool xml = format == TTableFileFormat::Xml;
            try {
                const std::unique_ptr<TTableObj> table = ReadTableFile(format, bytes);
                if (!table && !xml) Unexpected("a text table file refused", "");
                if (table && !wellFormed && xml) Unexpected("broken XML read as a table", "");
            } catch (const ZmError& e) {
                if (xml && (!wellFormed || IsReaderMessage(e.what()))) continue;
                Unexpected("unexpected table file message", e.what());
            }
        }
    }
    QLocale::setDefault(saved);
}

}  // namespace

// Fontconfig keeps a cache it never frees.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Lives until the process ends: destroying it among the exit handlers crashes in Qt.
    static auto* app = new QApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TZMXML doc;
    bool wellFormed = true;
    try {
        doc.LoadFromXML(text);
    } catch (const ZmError&) {
        wellFormed = false;  // the parser's message
    }
    ReadTableFiles(QByteArray(text.data(), static_cast<qsizetype>(text.size())), wellFormed);
    if (!wellFormed) return 0;
    std::vector<std::unique_ptr<TMemory>> lists;
    TCoordinateSettings plane = TCoordinateSettings::Create(96);
    std::vector<std::unique_ptr<TAddLabel>> labels;
    TDocumentReader reader;
    reader.Memory = [&](std::unique_ptr<TMemory> list) { lists.push_back(std::move(list)); };
    reader.Coordinate = [&](TXMLNode node) { TZMXML::ReadCoordinate(node, plane); };
    reader.AddLabels = [&](TXMLNode node) {
        for (TXMLNode n = node.FirstChildElement(); n; n = n.NextSiblingElement())
            if (n.NodeName() == "AddLabel") labels.push_back(TZMXML::ReadAddLabel(n));
    };
    try {
        ReadDocument(doc, reader);
    } catch (const ZmError& e) {
        if (!IsReaderMessage(e.what())) Unexpected("unexpected message", e.what());
    }
    for (const auto& list : lists) CompileFormulas(*list);
#ifdef ZM_FUZZ_DRAW
    zm::TOperatorLib ops;
    zm::TVarMemory vars, consts;
    for (const char* n : {"x", "y", "t", "a"}) vars.AddVar(n, 0);
    consts.AddVar("PI", 3.141592653589793);
    TCoordinate view;
    view.resize(200, 160);
    view.Settings = plane;
    TMemory none;
    view.Redraw(lists.empty() ? &none : lists.back().get(), ops, vars, consts);
#endif
    return 0;
}
