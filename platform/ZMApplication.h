#pragma once
// The program's QApplication. It owns the application-wide services that widgets reach through
// it rather than through globals:
//   - the message sink that message() and applicationError() use (real boxes by default; a test
//     installs its recorder with setMessageSink and puts the previous sink back when done);
//   - the program folder override for tests (see platform/ZMProgramDir.h).
// notify() is the last net at the event-loop boundary: an exception that escapes a handler shows
// the default error box and the loop goes on. Handlers still catch first, through guarded().

#include "platform/ZMMessage.h"

#include <QApplication>
#include <QString>

inline constexpr const char* kApplicationTitle = "Zorvik Mendal";

class ZMApplication : public QApplication {
    Q_OBJECT
public:
    // Sets the application name to the program's title and ignores SIGXFSZ for the process.
    ZMApplication(int& argc, char** argv);
    ~ZMApplication() override;

    // The running ZMApplication, or null when the application object is of another class.
    static ZMApplication* instance();

    bool notify(QObject* receiver, QEvent* event) override;

    MessageSink& messageSink();
    // Non-owning; null puts the real boxes back. Returns the sink installed before.
    MessageSink* setMessageSink(MessageSink* sink);

    // Empty: the executable's folder.
    const QString& programDirOverride() const { return programDirOverride_; }
    void setProgramDirOverride(const QString& dir) { programDirOverride_ = dir; }

private:
    QtMessageSink boxes_;
    MessageSink* sink_ = nullptr;
    QString programDirOverride_;
};
