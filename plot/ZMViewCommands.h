#pragma once
// The zoom, move and centre commands of a plane as pure functions on its settings, and
// the test that refuses a change whose result cannot be drawn.

#include <cstdint>

#include "plot/ZMComClass01.h"
#include "plot/ZMCoordinateSettings.h"

enum class TViewCommand {
    ExpandHor, ExpandVer, ExpandBoth,
    ContractHor, ContractVer, ContractBoth,
    MoveLeft, MoveRight, MoveUp, MoveDown,
    MoveLeftMore, MoveRightMore, MoveUpMore, MoveDownMore,
    ViewCenter,
};

// The view after the command, computed without any check.
TCoordinateSettings ApplyViewCommand(const TCoordinateSettings& view, TViewCommand command);

// True unless the change made an interval infinite or NaN, its Min equal to its Max, or so
// narrow that the plane's scale along it is no longer a finite number, or made a step that was
// finite and above 0 infinite or not above 0. A mirrored axis (Min > Max) is fine.
bool IsUsableView(const TCoordinateSettings& before, const TCoordinateSettings& after);

// round(v x 1000) / 1000 with halves to even; a value too large to scale stays as it is.
double RoundTo3(double v);

// The intervals a rubber band from world (x1, y1) to (x2, y2) selects: per axis the
// smaller and the larger value, a width of 1.0 where they coincide, both ends rounded to
// three decimals, and a width of 0.001 where they then coincide.
void BandToIntervals(double x1, double y1, double x2, double y2, TInterval& x, TInterval& y);
