#pragma once
// The whole-document protocol: root "ZorvikMendalDocument" with "Memory", "Coordinate"
// and "AddLabels" written in that order; reading checks only the root's name and hands
// each known child to the caller.

#include <functional>
#include <memory>
#include <string>

#include "platform/ZMXmlDocument.h"
#include "plot/ZMCoordinateSettings.h"
#include "plot/ZMFunTabObj.h"

// Builds the document in `doc`: root, graph list, plane, then the "AddLabels" element,
// which writeLabels fills (one "AddLabel" per label).
void BuildDocument(TXMLDocument& doc, const TMemory& memory, const TCoordinateSettings& plane,
                   const std::function<void(TXMLNode labels)>& writeLabels);
// BuildDocument, then saves to the file (raises ZmError when it cannot be written).
void SaveDocumentFile(const std::string& path, const TMemory& memory, const TCoordinateSettings& plane,
                      const std::function<void(TXMLNode labels)>& writeLabels);

// What a caller takes from a document; unset handlers skip their element.
struct TDocumentReader {
    // A whole new graph list, handed over only once it has been read without error.
    std::function<void(std::unique_ptr<TMemory>)> Memory;
    // Typically TZMXML::ReadCoordinate into the plane's settings.
    std::function<void(TXMLNode coordinate)> Coordinate;
    // Typically one label per "AddLabel" child.
    std::function<void(TXMLNode labels)> AddLabels;
};

// Walks the root's children in document order. False, with nothing read, when the root is
// not "ZorvikMendalDocument". Conversion errors raise ZmError and end the walk.
bool ReadDocument(const TXMLDocument& doc, const TDocumentReader& reader);
// Loads the file (raises ZmError when it cannot be read or is not XML), then ReadDocument.
bool LoadDocumentFile(const std::string& path, const TDocumentReader& reader);

// Copies the element children of Source under Dest, in order and with their nesting; an element
// without element children takes its text from its text and CDATA children. Comments,
// processing instructions, attributes and text beside elements are not copied.
void CopyXMLNodeTree(const TXMLNode& Source, TXMLNode Dest);
