#pragma once
// Test double for the font dialog: records the font each request starts from and answers from a
// script (an empty answer is Cancel; with the script empty it cancels).

#include "platform/ZMFontChooser.h"

#include <deque>
#include <optional>
#include <utility>
#include <vector>

class ScriptedFontChooser final : public FontChooser {
public:
    void answer(std::optional<TFont> font) { script_.push_back(std::move(font)); }
    // The starting font of every request, in order.
    const std::vector<TFont>& starts() const { return starts_; }

    bool choose(QWidget*, TFont& font) override {
        starts_.push_back(font);
        if (script_.empty()) return false;
        std::optional<TFont> next = script_.front();
        script_.pop_front();
        if (!next) return false;
        font = *next;
        return true;
    }

private:
    std::deque<std::optional<TFont>> script_;
    std::vector<TFont> starts_;
};
