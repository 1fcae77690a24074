#include "output/ZMDrawingPicture.h"

#include "platform/ZMCanvas.h"
#include "plot/ZMCoordinate.h"
#include "storage/ZMAddLabel.h"

#include <QList>
#include <QPoint>
#include <QRect>

#include <vector>

namespace {

// The labels over the plane, bottom to top: those inside it, then those stacked above it on its
// panel.
std::vector<const TAddLabel*> LabelsOver(const TCoordinate& plane) {
    std::vector<const TAddLabel*> labels;
    for (const TAddLabel* label : plane.findChildren<TAddLabel*>())
        if (label->isVisibleTo(&plane)) labels.push_back(label);
    const QWidget* panel = plane.parentWidget();
    if (!panel) return labels;
    const QObjectList& siblings = panel->children();
    for (qsizetype i = siblings.indexOf(const_cast<TCoordinate*>(&plane)) + 1; i > 0 && i < siblings.size(); ++i) {
        const auto* label = qobject_cast<const TAddLabel*>(siblings[i]);
        if (label && label->isVisibleTo(panel)) labels.push_back(label);
    }
    return labels;
}

}  // namespace

QImage DrawingPicture(TCoordinate& plane) {
    QImage picture = plane.Picture().copy();
    if (picture.isNull()) return picture;
    TCanvas canvas(&picture);
    const QWidget* window = plane.window();
    for (const TAddLabel* label : LabelsOver(plane)) {
        const QPoint at = plane.mapFrom(window, label->mapTo(window, QPoint(0, 0)));
        const QRect shown = QRect(-at, picture.size()) & QRect(QPoint(0, 0), label->sizeHint());
        if (shown.isEmpty()) continue;
        canvas.Draw(at.x() + shown.x(), at.y() + shown.y(), label->Picture(shown));
    }
    canvas.Flush();
    return picture;
}
