#include "storage/ZMDocumentFile.h"

#include "storage/ZMXML.h"

#include <utility>
#include <vector>

void BuildDocument(TXMLDocument& doc, const TMemory& memory, const TCoordinateSettings& plane,
                   const std::function<void(TXMLNode labels)>& writeLabels) {
    TXMLNode root = doc.AddChild(kDocumentRootName);
    TZMXML::WriteMemory(root, "Memory", memory);
    TZMXML::WriteCoordinate(root, "Coordinate", plane);
    TXMLNode labels = root.AddChild("AddLabels");
    if (writeLabels) writeLabels(labels);
}

void SaveDocumentFile(const std::string& path, const TMemory& memory, const TCoordinateSettings& plane,
                      const std::function<void(TXMLNode labels)>& writeLabels) {
    TZMXML doc;
    BuildDocument(doc, memory, plane, writeLabels);
    doc.SaveToFile(path);
}

bool ReadDocument(const TXMLDocument& doc, const TDocumentReader& reader) {
    const TXMLNode root = doc.GetDocumentElement();
    if (!root || root.NodeName() != kDocumentRootName) return false;
    for (TXMLNode c = root.FirstChildElement(); c; c = c.NextSiblingElement()) {
        const std::string name = c.NodeName();
        if (name == "Memory") {
            if (reader.Memory) reader.Memory(TZMXML::ReadMemory(c));
        } else if (name == "Coordinate") {
            if (reader.Coordinate) reader.Coordinate(c);
        } else if (name == "AddLabels") {
            if (reader.AddLabels) reader.AddLabels(c);
        }
    }
    return true;
}

bool LoadDocumentFile(const std::string& path, const TDocumentReader& reader) {
    TZMXML doc;
    doc.LoadFromFile(path);
    return ReadDocument(doc, reader);
}

void CopyXMLNodeTree(const TXMLNode& Source, TXMLNode Dest) {
    // A work list instead of recursion: a file's nesting depth is not ours to choose. Each
    // element's children are added in one pass, so their order is kept.
    std::vector<std::pair<TXMLNode, TXMLNode>> todo{{Source, Dest}};
    while (!todo.empty()) {
        auto [from, to] = todo.back();
        todo.pop_back();
        for (TXMLNode c = from.FirstChildElement(); c; c = c.NextSiblingElement()) {
            TXMLNode copy = to.AddChild(c.NodeName());
            if (c.FirstChildElement()) todo.emplace_back(c, copy);
            else copy.SetText(c.LeafText());
        }
    }
}
