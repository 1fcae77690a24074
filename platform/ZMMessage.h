#pragma once
// Message boxes in the toolkit's message-dialog style.
//
// Every box of the program goes through message() or applicationError(). Neither shows a box by
// itself: both hand a MessageRequest to the MessageSink of the application object (ZMApplication,
// see platform/ZMApplication.h). The application owns a sink that shows real QMessageBoxes; tests
// install a recorder with scripted answers (tests/support/MessageRecorder.h) so that no test blocks
// on a modal box. When the running application is not a ZMApplication, real boxes are shown.

#include <QString>

class QWidget;

enum class MsgKind { Warning, Error, Information, Confirmation };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MessageRequest {
    QWidget* parent = nullptr;  // the box is modal over this window
    MsgKind kind = MsgKind::Information;
    QString caption;
    QString text;  // shown as plain text, never as markup
    MsgButtons buttons = MsgButtons::Ok;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MsgResult show(const MessageRequest& request) = 0;
};

// Shows a real QMessageBox and waits for the answer.
class QtMessageSink final : public MessageSink {
public:
    MsgResult show(const MessageRequest& request) override;
};

// "Warning", "Error", "Information", "Confirm".
QString messageCaption(MsgKind kind);

// The button that Enter presses, and the answer that Esc or the close box gives.
MsgResult defaultResult(MsgButtons buttons);
MsgResult escapeResult(MsgButtons buttons);

// One box captioned by its kind.
MsgResult message(QWidget* parent, MsgKind kind, const QString& text, MsgButtons buttons = MsgButtons::Ok);

// The application's default error box: critical icon, OK, captioned with the application title,
// the text exactly as raised. A null parent means the active window.
void applicationError(QWidget* parent, const QString& text);
