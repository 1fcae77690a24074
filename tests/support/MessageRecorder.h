#pragma once
// Test double for the message layer: while alive it replaces the application's message sink,
// records every box asked for and answers from a script. With the script empty it answers with
// the box's default button (what Enter would press). The previous sink is put back on destruction.

#include "platform/ZMMessage.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

class MessageRecorder final : public MessageSink {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Queues answers, used in order.
    void answer(MsgResult result) { script_.push_back(result); }

    const std::vector<MessageRequest>& boxes() const { return boxes_; }
    int count() const { return static_cast<int>(boxes_.size()); }
    // The texts of all boxes so far, in order.
    QStringList texts() const;
    // The last box; an empty request when there was none.
    MessageRequest last() const { return boxes_.empty() ? MessageRequest{} : boxes_.back(); }
    // Forgets the boxes seen and any answers not used yet.
    void clear() {
        boxes_.clear();
        script_.clear();
    }

    MsgResult show(const MessageRequest& request) override;

private:
    MessageSink* previous_ = nullptr;
    std::deque<MsgResult> script_;
    std::vector<MessageRequest> boxes_;
};
