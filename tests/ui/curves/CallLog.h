#pragma once
// Records the drawing calls made on a canvas, to see what a display drew
// where without depending on font rendering.

#include "platform/gfx/Canvas.h"

#include <algorithm>
#include <string>
#include <vector>

namespace korvan::curves::testing {

class CallLog : public korvan::gfx::CanvasRecorder {
public:
    explicit CallLog(TCanvas* canvas = nullptr) {
        if (canvas != nullptr) {
            Watch(*canvas);
        }
    }
    void Watch(TCanvas& canvas) { canvas.SetRecorder(this); }
    void Record(korvan::gfx::DrawCall call) override { calls.push_back(std::move(call)); }

    int Count(const std::string& op) const {
        return static_cast<int>(
            std::count_if(calls.begin(), calls.end(), [&](const auto& c) { return c.Op == op; }));
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& c : calls) {
            if (c.Op == "TextOut") {
                out.push_back(c.Text);
            }
        }
        return out;
    }
    // Texts ordered from the top of the page down.
    std::vector<std::string> TextsTopDown() const {
        std::vector<korvan::gfx::DrawCall> texts;
        for (const auto& c : calls) {
            if (c.Op == "TextOut") {
                texts.push_back(c);
            }
        }
        std::stable_sort(texts.begin(), texts.end(),
                         [](const auto& a, const auto& b) { return a.Args[1] < b.Args[1]; });
        std::vector<std::string> out;
        for (const auto& c : texts) {
            out.push_back(c.Text);
        }
        return out;
    }
    const korvan::gfx::DrawCall* FindText(const std::string& text) const {
        for (const auto& c : calls) {
            if (c.Op == "TextOut" && c.Text == text) {
                return &c;
            }
        }
        return nullptr;
    }
    void Clear() { calls.clear(); }

    std::vector<korvan::gfx::DrawCall> calls;
};

} // namespace korvan::curves::testing
