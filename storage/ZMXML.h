#pragma once
// Writer and reader of the element-only document format: one write and one read
// operation per persistent type. Each works only on the element it is given, so any
// instance serves (the operations are static). Writers append ONE element named by the
// caller; readers take the element itself and do not check its name. Reading walks the
// children in any order, matches names exactly, skips unknown ones and lets the last
// repeat win; a body element replaces the whole body with a new default filled from
// what it holds. Conversion errors raise ZmError and end the read.

#include <memory>
#include <string>

#include "platform/ZMFont.h"
#include "platform/ZMScreen.h"
#include "platform/ZMXmlDocument.h"
#include "plot/ZMComClass01.h"
#include "plot/ZMCoordinateSettings.h"
#include "plot/ZMFunTabObj.h"

class TAddLabel;

inline constexpr char kDocumentRootName[] = "ZorvikMendalDocument";

class TZMXML : public TXMLDocument {
public:
    static void WriteGraphStyle(TXMLNode parent, const std::string& name, const TGraphStyle& style);
    static void WriteInterval(TXMLNode parent, const std::string& name, const TInterval& interval);
    static void WritePlotParameter(TXMLNode parent, const std::string& name, const TPlotParameter& parameter);
    static void WriteFont(TXMLNode parent, const std::string& name, const TFont& font);
    static void WriteFunctionObj(TXMLNode parent, const std::string& name, const TFunctionObj& graph);
    static void WriteTableObj(TXMLNode parent, const std::string& name, const TTableObj& table);
    static void WriteTableElemObjList(TXMLNode parent, const std::string& name, const TTableObj& table);
    static void WriteMemory(TXMLNode parent, const std::string& name, const TMemory& memory);
    static void WriteCoordinate(TXMLNode parent, const std::string& name, const TCoordinateSettings& plane);
    static void WriteAddLabel(TXMLNode parent, const std::string& name, const TAddLabel& label);

    static TGraphStyle ReadGraphStyle(TXMLNode node);
    static TInterval ReadInterval(TXMLNode node);
    static TPlotParameter ReadPlotParameter(TXMLNode node);
    // A new default font at the screen's resolution, changed by the children. A
    // PixelsPerInch of 0 or less is ignored. Assign the result into the font it replaces.
    static TFont ReadFont(TXMLNode node);
    static TFunctionObj ReadFunctionObj(TXMLNode node);
    static TTableObj ReadTableObj(TXMLNode node);
    // Appends the points of every TableElemObj child whose first two element children are
    // x then y; other points are skipped.
    static void ReadTableElemObjList(TXMLNode node, TTableObj& table);
    static std::unique_ptr<TMemory> ReadMemory(TXMLNode node);
    // Applies the children to the plane one by one; on an error the values read before it stay.
    static void ReadCoordinate(TXMLNode node, TCoordinateSettings& plane);
    // A new label with no parent.
    static std::unique_ptr<TAddLabel> ReadAddLabel(TXMLNode node);
};

