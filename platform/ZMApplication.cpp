#include "platform/ZMApplication.h"

#include <csignal>
#include <exception>

ZMApplication::ZMApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kApplicationTitle));
    // A write past the file size limit (ulimit -f) then fails with "File too large" instead of
    // ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
}

ZMApplication::~ZMApplication() = default;

ZMApplication* ZMApplication::instance() { return qobject_cast<ZMApplication*>(QCoreApplication::instance()); }

bool ZMApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        applicationError(nullptr, QString::fromUtf8(e.what()));
    } catch (...) {
        applicationError(nullptr, QStringLiteral("Unknown error"));
    }
    return false;
}

MessageSink& ZMApplication::messageSink() { return sink_ ? *sink_ : boxes_; }

MessageSink* ZMApplication::setMessageSink(MessageSink* sink) {
    MessageSink* previous = sink_;
    sink_ = sink;
    return previous;
}
