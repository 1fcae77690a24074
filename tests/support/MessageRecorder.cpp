#include "support/MessageRecorder.h"

#include "platform/ZMApplication.h"

#include <QStringList>

#include <stdexcept>

MessageRecorder::MessageRecorder() {
    ZMApplication* app = ZMApplication::instance();
    if (!app) throw std::logic_error("MessageRecorder needs a ZMApplication");
    previous_ = app->setMessageSink(this);
}

MessageRecorder::~MessageRecorder() {
    if (ZMApplication* app = ZMApplication::instance()) app->setMessageSink(previous_);
}

QStringList MessageRecorder::texts() const {
    QStringList out;
    for (const MessageRequest& r : boxes_) out << r.text;
    return out;
}

MsgResult MessageRecorder::show(const MessageRequest& request) {
    boxes_.push_back(request);
    if (script_.empty()) return defaultResult(request.buttons);
    const MsgResult r = script_.front();
    script_.pop_front();
    return r;
}
