#pragma once
// TTrackBarLabel: the position label: whether it shows, where (above or
// below the track, left, centre or right), its font, its format (one %d
// for the position) and its gap to the track.

#include "controls/gdip/TrackBarPart.h"
#include "platform/gfx/GraphicsObjects.h"

#include <string>

class TTrackBarLabel : public TTrackBarPart {
    KORVAN_CLASS(TTrackBarLabel)
    KORVAN_PART_PROPERTY(bool, Visible, false, Notify)
    KORVAN_PART_PROPERTY(TLabelPosition, Position, lpTopCenter, Notify)
    KORVAN_PART_PROPERTY(std::string, Format, std::string("Pos: %d"), Notify)
    KORVAN_PART_PROPERTY(int, Spacing, 4, Notify)

public:
    TTrackBarLabel();
    ~TTrackBarLabel() override;

    TFont* Font() const { return &font_; }
    void SetFont(TFont* value) {
        if (value)
            font_.Assign(*value);
    }
    bool AtTop() const { return Position_ <= lpTopRight; }

    // Another label (not Spacing); any other source fails.
    void Assign(TPersistent* source) override;

private:
    mutable TFont font_;
};
