#pragma once
// The pictures of the full-screen viewer's control panel: its images and its tool buttons, drawn
// here rather than loaded from files.

#include <QPixmap>

enum class TViewerPicture {
    PreviousSlide,
    NextSlide,
    MoveUp,
    MoveDown,
    MoveLeft,
    MoveRight,
    Centre,
    ZoomOutBoth,
    ZoomOutX,
    ZoomOutY,
    ZoomInBoth,
    ZoomInX,
    ZoomInY,
    Pen,
    Refresh,
    GraphList,
    Grid,
    CoordinateStyle,
    CoordinateProperties,
    Capture,
    Open,
    Close,
};

QPixmap ViewerPicture(TViewerPicture picture);
