#include "storage/ZMXML.h"

#include "platform/ZMLocale.h"
#include "storage/ZMAddLabel.h"
#include "storage/ZMValueText.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

void leaf(TXMLNode parent, const char* name, const std::string& text) { parent.AddChild(name).SetText(text); }
void intLeaf(TXMLNode parent, const char* name, std::int32_t v) { leaf(parent, name, IntegerText(v)); }
void realLeaf(TXMLNode parent, const char* name, double v) { leaf(parent, name, RealText(v, decimalSeparator())); }

std::int32_t intOf(const TXMLNode& n) { return ReadIntegerText(n.Text()); }
std::uint8_t byteOf(const TXMLNode& n) { return ReadByteText(n.Text()); }
double realOf(const TXMLNode& n) { return ReadRealText(n.Text()); }

// The font style flags and their element names, in the order they are written.
constexpr std::pair<TFontStyleFlag, const char*> kFontStyleTags[] = {
    {fsBold, "fsBold"}, {fsItalic, "fsItalic"}, {fsUnderline, "fsUnderline"}, {fsStrikeOut, "fsStrikeOut"}};

// Calls fn(name, child) for every element child in document order.
template <class F>
void eachChild(const TXMLNode& node, F&& fn) {
    for (TXMLNode c = node.FirstChildElement(); c; c = c.NextSiblingElement()) fn(c.NodeName(), c);
}

}  // namespace

// ---- writing

void TZMXML::WriteGraphStyle(TXMLNode parent, const std::string& name, const TGraphStyle& style) {
    TXMLNode e = parent.AddChild(name);
    intLeaf(e, "LineWidth", style.LineWidth);
    intLeaf(e, "LineStyle", style.LineStyle);
    intLeaf(e, "LineColor", style.LineColor);
    intLeaf(e, "BrushStyle", style.BrushStyle);
    intLeaf(e, "BrushColor", style.BrushColor);
}

void TZMXML::WriteInterval(TXMLNode parent, const std::string& name, const TInterval& interval) {
    TXMLNode e = parent.AddChild(name);
    realLeaf(e, "Min", interval.Min);
    realLeaf(e, "Max", interval.Max);
    intLeaf(e, "Enabled", interval.Enabled);
}

void TZMXML::WritePlotParameter(TXMLNode parent, const std::string& name, const TPlotParameter& parameter) {
    TXMLNode e = parent.AddChild(name);
    intLeaf(e, "Steps", parameter.Steps);
    intLeaf(e, "StepsOnX", parameter.StepsOnX);
    intLeaf(e, "StepsOnY", parameter.StepsOnY);
    intLeaf(e, "MaxGap", parameter.MaxGap);
}

void TZMXML::WriteFont(TXMLNode parent, const std::string& name, const TFont& font) {
    TXMLNode e = parent.AddChild(name);
    intLeaf(e, "Charset", font.Charset);
    intLeaf(e, "Color", font.Color);
    intLeaf(e, "Height", font.Height);
    leaf(e, "Name", font.Name);
    intLeaf(e, "Pitch", font.Pitch);
    intLeaf(e, "PixelsPerInch", font.PixelsPerInch);
    intLeaf(e, "Size", font.Size());
    TXMLNode style = e.AddChild("Style");
    for (const auto& [flag, tag] : kFontStyleTags)
        if (font.HasStyle(flag)) style.AddChild(tag);
}

void TZMXML::WriteFunctionObj(TXMLNode parent, const std::string& name, const TFunctionObj& graph) {
    TXMLNode e = parent.AddChild(name);
    leaf(e, "Name", graph.Name);
    leaf(e, "Exp", graph.Exp);
    leaf(e, "AddExp", graph.AddExp);
    intLeaf(e, "ShowEnabled", graph.ShowEnabled);
    leaf(e, "Description", graph.Description);
    WriteGraphStyle(e, "GraphStyle", graph.GraphStyle);
    WriteInterval(e, "Interval", graph.Interval);
    WriteInterval(e, "AddInterval", graph.AddInterval);
    WritePlotParameter(e, "PlotParameter", graph.PlotParameter);
    intLeaf(e, "FunctionObjType", graph.FunctionObjType);
}

void TZMXML::WriteTableObj(TXMLNode parent, const std::string& name, const TTableObj& table) {
    TXMLNode e = parent.AddChild(name);
    leaf(e, "Name", table.Name);
    intLeaf(e, "ShowEnabled", table.ShowEnabled);
    leaf(e, "Description", table.Description);
    WriteGraphStyle(e, "GraphStyle", table.GraphStyle);
    WriteInterval(e, "Interval", table.Interval);
    WritePlotParameter(e, "PlotParameter", table.PlotParameter);
    intLeaf(e, "Smooth", table.Smooth);
    intLeaf(e, "SortingType", table.SortingType);
    WriteTableElemObjList(e, "TableElemObjList", table);
}

void TZMXML::WriteTableElemObjList(TXMLNode parent, const std::string& name, const TTableObj& table) {
    TXMLNode e = parent.AddChild(name);
    const char sep = decimalSeparator();
    for (const TTableElemObj& p : table.Points) {
        TXMLNode pt = e.AddChild("TableElemObj");
        leaf(pt, "x", RealText(p.x, sep));
        leaf(pt, "y", RealText(p.y, sep));
    }
}

void TZMXML::WriteMemory(TXMLNode parent, const std::string& name, const TMemory& memory) {
    TXMLNode e = parent.AddChild(name);
    for (std::size_t i = 0; i < memory.Count(); ++i) {
        const auto index = static_cast<std::ptrdiff_t>(i);
        if (const TFunctionObj* f = memory.GetFunction(index)) WriteFunctionObj(e, "FunctionObj", *f);
        else if (const TTableObj* t = memory.GetTable(index)) WriteTableObj(e, "TableObj", *t);
    }
}

void TZMXML::WriteCoordinate(TXMLNode parent, const std::string& name, const TCoordinateSettings& c) {
    TXMLNode e = parent.AddChild(name);
    WriteInterval(e, "XInterval", c.XInterval);
    WriteInterval(e, "YInterval", c.YInterval);
    WritePlotParameter(e, "PlotParameter", c.PlotParameter);
    intLeaf(e, "AxesStyle", c.AxesStyle);
    intLeaf(e, "BackgroundColor", c.BackgroundColor);
    intLeaf(e, "EqualScaleEnabled", c.EqualScaleEnabled);
    intLeaf(e, "XAxesDirection", c.XAxesDirection);
    intLeaf(e, "YAxesDirection", c.YAxesDirection);
    WriteGraphStyle(e, "XAxesGraphStyle", c.XAxesGraphStyle);
    WriteGraphStyle(e, "YAxesGraphStyle", c.YAxesGraphStyle);
    for (const auto& [tag, arrow] : {std::pair<const char*, const TAxesArrow*>{"XArrow", &c.XArrow}, {"YArrow", &c.YArrow}}) {
        TXMLNode a = e.AddChild(tag);
        intLeaf(a, "Enabled", arrow->Enabled);
        leaf(a, "Name", arrow->Name);
    }
    realLeaf(e, "XAxesTicksStep", c.XAxesTicksStep);
    intLeaf(e, "XAxesTicksLength", c.XAxesTicksLength);
    realLeaf(e, "YAxesTicksStep", c.YAxesTicksStep);
    intLeaf(e, "YAxesTicksLength", c.YAxesTicksLength);
    realLeaf(e, "XAxesLabelsStep", c.XAxesLabelsStep);
    leaf(e, "XAxesLabelsString", c.XAxesLabelsString);
    realLeaf(e, "YAxesLabelsStep", c.YAxesLabelsStep);
    leaf(e, "YAxesLabelsString", c.YAxesLabelsString);
    intLeaf(e, "XAxesLabelSide", c.XAxesLabelSide);
    intLeaf(e, "YAxesLabelSide", c.YAxesLabelSide);
    intLeaf(e, "TitleTopEnabled", c.TitleTopEnabled);
    leaf(e, "TitleTop", c.TitleTop);
    WriteFont(e, "TitleTopFont", c.TitleTopFont);
    intLeaf(e, "TitleBottomEnabled", c.TitleBottomEnabled);
    leaf(e, "TitleBottom", c.TitleBottom);
    WriteFont(e, "TitleBottomFont", c.TitleBottomFont);
    intLeaf(e, "TitleLeftEnabled", c.TitleLeftEnabled);
    leaf(e, "TitleLeft", c.TitleLeft);
    WriteFont(e, "TitleLeftFont", c.TitleLeftFont);
    intLeaf(e, "TitleRightEnabled", c.TitleRightEnabled);
    leaf(e, "TitleRight", c.TitleRight);
    WriteFont(e, "TitleRightFont", c.TitleRightFont);
    intLeaf(e, "LegendEnabled", c.LegendEnabled);
    intLeaf(e, "ShowSampleEnabled", c.ShowSampleEnabled);
    intLeaf(e, "TextColorAsGraphEnabled", c.TextColorAsGraphEnabled);
    intLeaf(e, "LegendPosition", c.LegendPosition);
    intLeaf(e, "GridHorEnabled", c.GridHorEnabled);
    realLeaf(e, "GridHorStep", c.GridHorStep);
    WriteGraphStyle(e, "GridHorGraphStyle", c.GridHorGraphStyle);
    intLeaf(e, "GridVerEnabled", c.GridVerEnabled);
    realLeaf(e, "GridVerStep", c.GridVerStep);
    WriteGraphStyle(e, "GridVerGraphStyle", c.GridVerGraphStyle);
    intLeaf(e, "GridRadialEnabled", c.GridRadialEnabled);
    realLeaf(e, "GridRadialStep", c.GridRadialStep);
    WriteGraphStyle(e, "GridRadialGraphStyle", c.GridRadialGraphStyle);
    intLeaf(e, "GridAngularEnabled", c.GridAngularEnabled);
    realLeaf(e, "GridAngularStep", c.GridAngularStep);
    WriteGraphStyle(e, "GridAngularGraphStyle", c.GridAngularGraphStyle);
}

void TZMXML::WriteAddLabel(TXMLNode parent, const std::string& name, const TAddLabel& label) {
    TXMLNode e = parent.AddChild(name);
    leaf(e, "Caption", label.Caption());
    intLeaf(e, "Color", label.Color());
    intLeaf(e, "Transparent", label.Transparent() ? 1 : 0);
    WriteFont(e, "Font", label.Font());
    realLeaf(e, "x", label.x);
    realLeaf(e, "y", label.y);
}

// ---- reading

TGraphStyle TZMXML::ReadGraphStyle(TXMLNode node) {
    TGraphStyle s;
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n == "LineWidth") s.LineWidth = intOf(c);
        else if (n == "LineStyle") s.LineStyle = byteOf(c);
        else if (n == "LineColor") s.LineColor = ReadColorText(c.Text());
        else if (n == "BrushStyle") s.BrushStyle = byteOf(c);
        else if (n == "BrushColor") s.BrushColor = ReadColorText(c.Text());
    });
    return s;
}

TInterval TZMXML::ReadInterval(TXMLNode node) {
    TInterval iv;
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n == "Min") iv.Min = realOf(c);
        else if (n == "Max") iv.Max = realOf(c);
        else if (n == "Enabled") iv.Enabled = byteOf(c);
    });
    return iv;
}

TPlotParameter TZMXML::ReadPlotParameter(TXMLNode node) {
    TPlotParameter p;
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n == "Steps") p.Steps = intOf(c);
        else if (n == "StepsOnX") p.StepsOnX = intOf(c);
        else if (n == "StepsOnY") p.StepsOnY = intOf(c);
        else if (n == "MaxGap") p.MaxGap = intOf(c);
    });
    return p;
}

TFont TZMXML::ReadFont(TXMLNode node) {
    TFont f = TFont::Default(ScreenPixelsPerInch());
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n == "Charset") f.Charset = byteOf(c);
        else if (n == "Color") f.Color = ReadColorText(c.Text());
        else if (n == "Height") f.Height = intOf(c);
        else if (n == "Name") f.Name = c.Text();
        else if (n == "Pitch") f.Pitch = byteOf(c);
        else if (n == "PixelsPerInch") {
            const std::int32_t ppi = intOf(c);
            if (ppi > 0) f.PixelsPerInch = ppi;  // a resolution of 0 or less would divide by zero
        } else if (n == "Size") f.SetSize(intOf(c));
        else if (n == "Style") {
            f.Style = 0;
            eachChild(c, [&](const std::string& name, const TXMLNode&) {
                for (const auto& [flag, tag] : kFontStyleTags)
                    if (name == tag) f.Style |= flag;
            });
        }
    });
    return f;
}

TFunctionObj TZMXML::ReadFunctionObj(TXMLNode node) {
    TFunctionObj g;
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n == "Name") g.Name = c.Text();
        else if (n == "Exp") g.Exp = c.Text();
        else if (n == "AddExp") g.AddExp = c.Text();
        else if (n == "ShowEnabled") g.ShowEnabled = byteOf(c);
        else if (n == "Description") g.Description = c.Text();
        else if (n == "GraphStyle") g.SetGraphStyle(ReadGraphStyle(c));
        else if (n == "Interval") g.SetInterval(ReadInterval(c));
        else if (n == "AddInterval") g.SetAddInterval(ReadInterval(c));
        else if (n == "PlotParameter") g.SetPlotParameter(ReadPlotParameter(c));
        else if (n == "FunctionObjType") g.FunctionObjType = byteOf(c);
    });
    return g;
}

TTableObj TZMXML::ReadTableObj(TXMLNode node) {
    TTableObj t;
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n == "Name") t.Name = c.Text();
        else if (n == "ShowEnabled") t.ShowEnabled = byteOf(c);
        else if (n == "Description") t.Description = c.Text();
        else if (n == "GraphStyle") t.GraphStyle = ReadGraphStyle(c);
        else if (n == "Interval") t.Interval = ReadInterval(c);
        else if (n == "PlotParameter") t.PlotParameter = ReadPlotParameter(c);
        else if (n == "Smooth") t.Smooth = byteOf(c);
        else if (n == "SortingType") t.SortingType = byteOf(c);
        else if (n == "TableElemObjList") ReadTableElemObjList(c, t);
    });
    return t;
}

void TZMXML::ReadTableElemObjList(TXMLNode node, TTableObj& table) {
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n != "TableElemObj") return;
        const TXMLNode x = c.FirstChildElement();
        if (!x || x.NodeName() != "x") return;
        const TXMLNode y = x.NextSiblingElement();
        if (!y || y.NodeName() != "y") return;
        const double vx = ReadRealText(x.Text());
        const double vy = ReadRealText(y.Text());
        table.AddPoint(vx, vy);
    });
}

std::unique_ptr<TMemory> TZMXML::ReadMemory(TXMLNode node) {
    auto m = std::make_unique<TMemory>();
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n == "FunctionObj") m->AddFunction(ReadFunctionObj(c));
        else if (n == "TableObj") m->AddTable(ReadTableObj(c));
    });
    return m;
}

namespace {

void readArrow(const TXMLNode& node, TAxesArrow& arrow) {
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n == "Enabled") arrow.Enabled = byteOf(c);
        else if (n == "Name") arrow.Name = c.Text();
    });
}

}  // namespace

void TZMXML::ReadCoordinate(TXMLNode node, TCoordinateSettings& p) {
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n == "XInterval") p.XInterval = ReadInterval(c);
        else if (n == "YInterval") p.YInterval = ReadInterval(c);
        else if (n == "PlotParameter") p.PlotParameter = ReadPlotParameter(c);
        else if (n == "AxesStyle") p.AxesStyle = byteOf(c);
        else if (n == "BackgroundColor") p.BackgroundColor = ReadColorText(c.Text());
        else if (n == "EqualScaleEnabled") p.EqualScaleEnabled = byteOf(c);
        else if (n == "XAxesDirection") p.XAxesDirection = byteOf(c);
        else if (n == "YAxesDirection") p.YAxesDirection = byteOf(c);
        else if (n == "XAxesGraphStyle") p.XAxesGraphStyle = ReadGraphStyle(c);
        else if (n == "YAxesGraphStyle") p.YAxesGraphStyle = ReadGraphStyle(c);
        else if (n == "XArrow") readArrow(c, p.XArrow);
        else if (n == "YArrow") readArrow(c, p.YArrow);
        else if (n == "XAxesTicksStep") p.XAxesTicksStep = realOf(c);
        else if (n == "XAxesTicksLength") p.XAxesTicksLength = intOf(c);
        else if (n == "YAxesTicksStep") p.YAxesTicksStep = realOf(c);
        else if (n == "YAxesTicksLength") p.YAxesTicksLength = intOf(c);
        else if (n == "XAxesLabelsStep") p.XAxesLabelsStep = realOf(c);
        else if (n == "XAxesLabelsString") p.XAxesLabelsString = c.Text();
        else if (n == "YAxesLabelsStep") p.YAxesLabelsStep = realOf(c);
        else if (n == "YAxesLabelsString") p.YAxesLabelsString = c.Text();
        else if (n == "XAxesLabelSide") p.XAxesLabelSide = byteOf(c);
        else if (n == "YAxesLabelSide") p.YAxesLabelSide = byteOf(c);
        else if (n == "TitleTopEnabled") p.TitleTopEnabled = byteOf(c);
        else if (n == "TitleTop") p.TitleTop = c.Text();
        else if (n == "TitleTopFont") p.TitleTopFont.Assign(ReadFont(c));
        else if (n == "TitleBottomEnabled") p.TitleBottomEnabled = byteOf(c);
        else if (n == "TitleBottom") p.TitleBottom = c.Text();
        else if (n == "TitleBottomFont") p.TitleBottomFont.Assign(ReadFont(c));
        else if (n == "TitleLeftEnabled") p.TitleLeftEnabled = byteOf(c);
        else if (n == "TitleLeft") p.TitleLeft = c.Text();
        else if (n == "TitleLeftFont") p.TitleLeftFont.Assign(ReadFont(c));
        else if (n == "TitleRightEnabled") p.TitleRightEnabled = byteOf(c);
        else if (n == "TitleRight") p.TitleRight = c.Text();
        else if (n == "TitleRightFont") p.TitleRightFont.Assign(ReadFont(c));
        else if (n == "LegendEnabled") p.LegendEnabled = byteOf(c);
        else if (n == "ShowSampleEnabled") p.ShowSampleEnabled = byteOf(c);
        else if (n == "TextColorAsGraphEnabled") p.TextColorAsGraphEnabled = byteOf(c);
        else if (n == "LegendPosition") p.LegendPosition = byteOf(c);
        else if (n == "GridHorEnabled") p.GridHorEnabled = byteOf(c);
        else if (n == "GridHorStep") p.GridHorStep = realOf(c);
        else if (n == "GridHorGraphStyle") p.GridHorGraphStyle = ReadGraphStyle(c);
        else if (n == "GridVerEnabled") p.GridVerEnabled = byteOf(c);
        else if (n == "GridVerStep") p.GridVerStep = realOf(c);
        else if (n == "GridVerGraphStyle") p.GridVerGraphStyle = ReadGraphStyle(c);
        else if (n == "GridRadialEnabled") p.GridRadialEnabled = byteOf(c);
        else if (n == "GridRadialStep") p.GridRadialStep = realOf(c);
        else if (n == "GridRadialGraphStyle") p.GridRadialGraphStyle = ReadGraphStyle(c);
        else if (n == "GridAngularEnabled") p.GridAngularEnabled = byteOf(c);
        else if (n == "GridAngularStep") p.GridAngularStep = realOf(c);
        else if (n == "GridAngularGraphStyle") p.GridAngularGraphStyle = ReadGraphStyle(c);
    });
}

std::unique_ptr<TAddLabel> TZMXML::ReadAddLabel(TXMLNode node) {
    auto label = std::make_unique<TAddLabel>();
    eachChild(node, [&](const std::string& n, const TXMLNode& c) {
        if (n == "Caption") label->SetCaption(c.Text());
        else if (n == "Color") label->SetColor(ReadColorText(c.Text()));
        else if (n == "Transparent") label->SetTransparent(byteOf(c) != 0);
        else if (n == "Font") {
            TFont f = label->Font();
            f.Assign(ReadFont(c));
            label->SetFont(f);
        } else if (n == "x") label->x = realOf(c);
        else if (n == "y") label->y = realOf(c);
    });
    return label;
}
