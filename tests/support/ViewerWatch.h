#pragma once
// Waiting for the full-screen viewer: its load-and-draw tick, and the viewer that a command
// shows modally.

#include "output/fmSlideShow.h"
#include "support/NextModal.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

// True once the pending tick has run (it switches the timer off before loading).
inline bool WaitForViewerTick(const TFormSlideShow& viewer) {
    return QTest::qWaitFor([&viewer] { return !viewer.Timer1.isActive(); }, 5000);
}

// While the returned watch lives, calls `look` with the next viewer shown modally, once its
// first tick has run, then closes it with Esc. Make it right before the command that shows the
// viewer.
inline NextModal whenViewerShows(std::function<void(TFormSlideShow&)> look) {
    return NextModal([look = std::move(look)](QWidget* modal) {
        auto* viewer = qobject_cast<TFormSlideShow*>(modal);
        if (!viewer) {
            ADD_FAILURE() << "another modal window: " << modal->metaObject()->className();
            modal->close();
            return;
        }
        EXPECT_TRUE(WaitForViewerTick(*viewer));
        look(*viewer);
        QTest::keyClick(viewer, Qt::Key_Escape);
    });
}
