#include "plot/ZMFunTabObj.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/ZMNumber.h"

bool IsNumericCell(std::string_view text, char sep, double* value) {
    double v = 0;
    if (!zm::TryStrToFloat(text, v, sep) || v == kNotANumberMarker) return false;
    if (value) *value = v;
    return true;
}

std::string TFunctionObj::Caption() const {
    switch (FunctionObjType) {
        case 0: return "Y(x)=" + Exp;
        case 1: return "X(y)=" + Exp;
        case 2: return "R(a)=" + Exp;
        case 3: return "X(t)=" + Exp + " ; Y(t)=" + AddExp;
        case 4: return "f(x,y)=" + Exp + AddExp;
        default: return {};
    }
}

bool TFunctionObj::operator==(const TFunctionObj& o) const {
    return Name == o.Name && Exp == o.Exp && AddExp == o.AddExp && ShowEnabled == o.ShowEnabled &&
           Description == o.Description && GraphStyle == o.GraphStyle && Interval == o.Interval &&
           AddInterval == o.AddInterval && PlotParameter == o.PlotParameter &&
           FunctionObjType == o.FunctionObjType;
}

TTableElemObj* TTableObj::GetPoint(std::ptrdiff_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= Points.size()) return nullptr;
    return &Points[static_cast<std::size_t>(index)];
}

const TTableElemObj* TTableObj::GetPoint(std::ptrdiff_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= Points.size()) return nullptr;
    return &Points[static_cast<std::size_t>(index)];
}

namespace {

// The order of a bubble sort that exchanges two neighbours only when the later key is strictly
// less: stable, and a NaN key is a barrier that stays in place and that no point passes. Each run
// between NaN keys is sorted on its own, in n log n rather than the bubble sort's n^2 (a table
// of 5000 reversed points took tens of milliseconds, and tables past the editor's 5000 rows grow
// without bound).
template <class Key>
void stableSortByKey(std::vector<TTableElemObj>& pts, Key key) {
    const auto isBarrier = [&key](const TTableElemObj& p) { return std::isnan(key(p)); };
    const auto less = [&key](const TTableElemObj& a, const TTableElemObj& b) { return key(a) < key(b); };
    for (auto run = pts.begin(); run != pts.end();) {
        const auto barrier = std::find_if(run, pts.end(), isBarrier);
        std::stable_sort(run, barrier, less);
        run = barrier == pts.end() ? barrier : barrier + 1;
    }
}

}  // namespace

void TTableObj::SortByX() {
    stableSortByKey(Points, [](const TTableElemObj& p) { return p.x; });
}

void TTableObj::SortByY() {
    stableSortByKey(Points, [](const TTableElemObj& p) { return p.y; });
}

void TTableObj::Assign(const TTableObj& source) {
    if (&source == this) return;
    *this = source;
}

std::string TTableObj::Caption() const {
    return "Table: " + std::to_string(Points.size()) + " Items";
}

bool TTableObj::operator==(const TTableObj& o) const {
    return Name == o.Name && ShowEnabled == o.ShowEnabled && Description == o.Description &&
           GraphStyle == o.GraphStyle && Interval == o.Interval && PlotParameter == o.PlotParameter &&
           Smooth == o.Smooth && SortingType == o.SortingType && Points == o.Points;
}

void TMemory::AddFunction(const TFunctionObj& graph) {
    Items.push_back(std::make_unique<TFunctionObj>(graph));
}

void TMemory::AddTable(const TTableObj& table) {
    Items.push_back(std::make_unique<TTableObj>(table));
}

void TMemory::DeleteGraph(std::ptrdiff_t index) {
    if (!InRange(index)) return;
    Items.erase(Items.begin() + index);
}

int TMemory::GetObjKind(std::ptrdiff_t index) const {
    if (GetFunction(index)) return kFunction;
    if (GetTable(index)) return kTable;
    return kNone;
}

std::uint8_t TMemory::GetShowEnabled(std::ptrdiff_t index) const {
    if (const TFunctionObj* f = GetFunction(index)) return f->ShowEnabled;
    if (const TTableObj* t = GetTable(index)) return t->ShowEnabled;
    return 0;
}

void TMemory::SetShowEnabled(std::ptrdiff_t index, std::uint8_t value) {
    if (TFunctionObj* f = GetFunction(index)) f->ShowEnabled = value;
    else if (TTableObj* t = GetTable(index)) t->ShowEnabled = value;
}

TGraphStyle* TMemory::GetGraphStyle(std::ptrdiff_t index) {
    if (TFunctionObj* f = GetFunction(index)) return &f->GraphStyle;
    if (TTableObj* t = GetTable(index)) return &t->GraphStyle;
    return nullptr;
}

const TGraphStyle* TMemory::GetGraphStyle(std::ptrdiff_t index) const {
    if (const TFunctionObj* f = GetFunction(index)) return &f->GraphStyle;
    if (const TTableObj* t = GetTable(index)) return &t->GraphStyle;
    return nullptr;
}

std::string TMemory::GetCaption(std::ptrdiff_t index) const {
    const TGraphObj* g = GetItem(index);
    return g ? g->Caption() : std::string();
}

TGraphObj* TMemory::GetItem(std::ptrdiff_t index) {
    return InRange(index) ? Items[static_cast<std::size_t>(index)].get() : nullptr;
}

const TGraphObj* TMemory::GetItem(std::ptrdiff_t index) const {
    return InRange(index) ? Items[static_cast<std::size_t>(index)].get() : nullptr;
}

TFunctionObj* TMemory::GetFunction(std::ptrdiff_t index) {
    return dynamic_cast<TFunctionObj*>(GetItem(index));
}

const TFunctionObj* TMemory::GetFunction(std::ptrdiff_t index) const {
    return dynamic_cast<const TFunctionObj*>(GetItem(index));
}

TTableObj* TMemory::GetTable(std::ptrdiff_t index) {
    return dynamic_cast<TTableObj*>(GetItem(index));
}

const TTableObj* TMemory::GetTable(std::ptrdiff_t index) const {
    return dynamic_cast<const TTableObj*>(GetItem(index));
}
