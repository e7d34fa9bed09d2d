#pragma once
// A pack control for the component tests: it counts window invalidations,
// paints its background and whatever a test asks, and records its key and
// mouse hooks.

#include "controls/plot/core/VCLComponent.h"
#include "platform/text/Exception.h"

#include <functional>
#include <string>
#include <vector>

namespace korvan::testing {

class TTestComponent : public TiCustomComponent {
    KORVAN_CLASS(TTestComponent)
public:
    explicit TTestComponent(TComponent* owner) : TiCustomComponent(owner) {}

    int invalidations = 0;
    std::function<void(TCanvas&)> paint;
    std::vector<std::string> hooks;
    bool throwFromHooks = false;
    // Whether UserGenerated was set inside each hook.
    std::vector<bool> userGenerated;

    void Invalidate() override {
        ++invalidations;
        TiCustomComponent::Invalidate();
    }
    // What each change of Enabled answered when passed to the OPC items.
    std::vector<bool> enabledPassedOn;
    void SetEnabled(bool value) override {
        const bool changed = value != Enabled();
        TiCustomComponent::SetEnabled(value);
        if (changed)
            enabledPassedOn.push_back(OPCPropertyChanged("Enabled", value));
    }

protected:
    void iPaintTo(TCanvas& canvas) override {
        DrawBackGround(canvas, BackGroundColor());
        if (paint)
            paint(canvas);
    }
    void iKeyDown(std::uint16_t& key, TShiftState shift) override {
        Hook("key down " + std::to_string(key) + " shift " + std::to_string(shift));
    }
    void iKeyUp(std::uint16_t& key, TShiftState shift) override {
        Hook("key up " + std::to_string(key) + " shift " + std::to_string(shift));
    }
    void iMouseDown(TMouseButton button, TShiftState, int x, int y) override {
        Hook("mouse down " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void iMouseUp(TMouseButton button, TShiftState, int, int) override {
        Hook("mouse up " + std::to_string(button));
    }
    bool iMouseWheel(int delta, TShiftState, TPoint) override {
        Hook("wheel " + std::to_string(delta));
        return true;
    }

private:
    void Hook(const std::string& what) {
        hooks.push_back(what);
        userGenerated.push_back(UserGenerated());
        if (throwFromHooks)
            throw Exception("hook failed: " + what);
    }
};

} // namespace korvan::testing
