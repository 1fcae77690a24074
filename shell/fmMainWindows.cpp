// The arrangement commands of the Windows menu.
#include "shell/fmMain.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace {

QList<QMdiSubWindow*> NotMinimised(QMdiArea* area) {
    QList<QMdiSubWindow*> list;
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder))
        if (!sub->isMinimized() && !sub->isHidden()) list << sub;
    return list;
}

// Lays the windows out as strips: one above the other (rows) or side by side.
void Tile(QMdiArea* area, bool rows) {
    const QList<QMdiSubWindow*> subs = NotMinimised(area);
    if (subs.isEmpty()) return;
    const QRect r = area->viewport()->rect();
    const int n = static_cast<int>(subs.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = subs[i];
        if (sub->isMaximized()) sub->showNormal();
        if (rows) {
            const int top = r.height() * i / n;
            const int bottom = r.height() * (i + 1) / n;
            sub->setGeometry(0, top, r.width(), bottom - top);
        } else {
            const int left = r.width() * i / n;
            const int right = r.width() * (i + 1) / n;
            sub->setGeometry(left, 0, right - left, r.height());
        }
    }
}

}  // namespace

void TFormMain::TileHorizontally() { Tile(MdiArea, true); }

void TFormMain::TileVertically() { Tile(MdiArea, false); }

void TFormMain::ArrangeIcons() {
    // Minimised windows go in a row along the bottom edge.
    const QRect r = MdiArea->viewport()->rect();
    int x = 0;
    int y = r.height();
    for (QMdiSubWindow* sub : MdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized()) continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > r.width()) {
            x = 0;
            y -= size.height();
        }
        sub->move(x, y - size.height());
        x += size.width();
    }
}

void TFormMain::MinimizeAll() {
    for (QMdiSubWindow* sub : MdiArea->subWindowList(QMdiArea::CreationOrder)) sub->showMinimized();
    ArrangeIcons();
}
