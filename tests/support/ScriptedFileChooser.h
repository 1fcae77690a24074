#pragma once
// Test double for the file dialogs: records every request and answers from a script
// (an empty answer is Cancel; with the script empty it cancels).

#include "platform/ZMFileChooser.h"

#include <deque>
#include <vector>

class ScriptedFileChooser final : public FileChooser {
public:
    void answer(const QString& path) { script_.push_back(path); }
    const std::vector<FileDialogRequest>& requests() const { return requests_; }
    FileDialogRequest last() const { return requests_.empty() ? FileDialogRequest{} : requests_.back(); }

    QString choose(const FileDialogRequest& request) override {
        requests_.push_back(request);
        if (script_.empty()) return {};
        QString path = script_.front();
        script_.pop_front();
        return path;
    }

private:
    std::deque<QString> script_;
    std::vector<FileDialogRequest> requests_;
};
