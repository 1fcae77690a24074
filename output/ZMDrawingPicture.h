#pragma once
// The picture of a drawing as the screen shows it: the plane's current image with the text labels
// over it painted in.

#include <QImage>

class TCoordinate;

// A copy of the plane's image with every label control shown over the plane (one inside it, or
// stacked above it on its panel) drawn in at its place, bottom to top, through the label's own
// painting.
QImage DrawingPicture(TCoordinate& plane);
