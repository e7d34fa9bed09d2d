#pragma once
// A dialog service that records what would have been shown.

#include "platform/forms/Dialogs.h"

#include <string>
#include <vector>

class FakeDialogs : public korvan::forms::DialogService {
public:
    struct Shown {
        std::string text, caption;
        unsigned flags;
    };
    std::vector<Shown>* shown;
    int answer = IDOK;

    explicit FakeDialogs(std::vector<Shown>* log) : shown(log) {}
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
        shown->push_back({text, caption, flags});
        return answer;
    }
    std::optional<std::string> OpenFile(korvan::forms::FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> SaveFile(korvan::forms::FileDialogOptions&) override { return std::nullopt; }
    std::optional<int> PickColor(int) override { return std::nullopt; }
    std::optional<korvan::forms::FontChoice> PickFont(const korvan::forms::FontChoice&) override {
        return std::nullopt;
    }
};
