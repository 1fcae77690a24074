// Program entry.
#include "platform/ZMApplication.h"
#include "shell/fmMain.h"

#include <QScreen>

int main(int argc, char** argv) {
    ZMApplication app(argc, argv);
    TFormMain frame;
    // Without a window manager a maximised window keeps its size; start at the screen's size.
    if (QScreen* screen = QGuiApplication::primaryScreen()) frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
    return ZMApplication::exec();
}
