#pragma once
// A component that publishes one property of every kind the plot pack's
// property lines and colour schemes handle, for the round-trip tests.

#include "controls/plot/core/PlotTypes.h"
#include "platform/forms/Component.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/GraphicsObjects.h"

#include <cstdint>
#include <string>

namespace korvan::plot::testing {

enum TThingShape : unsigned { tsRound = 1, tsSquare = 2, tsLong = 4 };

class TPlotTestThing : public TComponent {
    KORVAN_CLASS(TPlotTestThing)
public:
    explicit TPlotTestThing(TComponent* owner = nullptr) : TComponent(owner) {}

    int Count() const { return count_; }
    void SetCount(int v) { count_ = v; }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    TiBevelStyle BorderStyle() const { return border_; }
    void SetBorderStyle(TiBevelStyle v) { border_ = v; }
    unsigned Shapes() const { return shapes_; }
    void SetShapes(unsigned v) { shapes_ = v; }
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    char Letter() const { return letter_; }
    void SetLetter(char v) { letter_ = v; }
    double Span() const { return span_; }
    void SetSpan(double v) { span_ = v; }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }
    TFont* TitleFont() const { return const_cast<TFont*>(&font_); }
    void SetTitleFont(TFont* f) {
        if (f)
            font_.Assign(*f);
    }
    // A link to another component: never written as lines of this one.
    TPlotTestThing* Buddy() const { return buddy_; }
    void SetBuddy(TPlotTestThing* b) { buddy_ = b; }
    // Read-only and not stored values are left out.
    int ReadOnly() const { return 7; }
    std::int64_t Big() const { return big_; }
    void SetBig(std::int64_t v) { big_ = v; }

private:
    int count_ = 0;
    TColor color_ = clBlack;
    TiBevelStyle border_ = ibsNone;
    unsigned shapes_ = 0;
    bool active_ = false;
    char letter_ = 'a';
    double span_ = 0;
    std::string caption_;
    TFont font_;
    TPlotTestThing* buddy_ = nullptr;
    std::int64_t big_ = 0;
};

} // namespace korvan::plot::testing
