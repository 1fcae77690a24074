// Program entry.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvik Mendal"));
    QLabel placeholder(QStringLiteral("Zorvik Mendal: the main window is not built yet."));
    placeholder.setWindowTitle(QStringLiteral("Zorvik Mendal"));
    placeholder.resize(480, 120);
    placeholder.show();
    return QApplication::exec();
}
