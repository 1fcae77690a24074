#pragma once
// A plane of a given size with a document context and a recorder of its primitives.

#include "engine/ZMMath.h"
#include "plot/ZMCoordinate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct PlaneFixture {
    TCoordinate plane;
    zm::TOperatorLib ops;
    zm::TVarMemory vars;
    zm::TVarMemory consts;
    TMemory memory;
    std::vector<TCanvasRecord> rec;

    explicit PlaneFixture(int w = 460, int h = 460) {
        plane.resize(w, h);
        for (const char* v : {"x", "y", "t", "a"}) vars.AddVar(v, 0);
        consts.AddVar("PI", 3.141592653589793);
    }

    void Redraw() {
        rec.clear();
        plane.GetCanvas().SetRecording(&rec);
        plane.Redraw(&memory, ops, vars, consts);
        plane.GetCanvas().SetRecording(nullptr);
    }
    // Only the graphs, onto a cleared plane.
    void DrawObjects() {
        plane.ClearBackground();
        plane.SetMemory(&memory);
        rec.clear();
        plane.GetCanvas().SetRecording(&rec);
        plane.DrawObjects(&memory, ops, vars, consts);
        plane.GetCanvas().SetRecording(nullptr);
    }

    std::vector<TCanvasRecord> Records(TColor penColor) const {
        std::vector<TCanvasRecord> out;
        for (const TCanvasRecord& r : rec)
            if (r.pen.Color == penColor) out.push_back(r);
        return out;
    }
    std::vector<TCanvasRecord> Records(TCanvasRecord::Kind kind) const {
        std::vector<TCanvasRecord> out;
        for (const TCanvasRecord& r : rec)
            if (r.kind == kind) out.push_back(r);
        return out;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const TCanvasRecord& r : rec)
            if (r.kind == TCanvasRecord::TextOut) out.push_back(r.text);
        return out;
    }
    const TCanvasRecord* Text(const std::string& s) const {
        for (const TCanvasRecord& r : rec)
            if (r.kind == TCanvasRecord::TextOut && r.text == s) return &r;
        return nullptr;
    }
};
