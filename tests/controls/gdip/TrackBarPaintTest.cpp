// What the fader paints: the editor's fader (groove, picture thumb in each
// state, focus frame, disabled), every drawn thumb shape on both
// orientations with ticks, step buttons, label and the style presets. The
// pictures go to the test output folder as one sheet per subject.

#include "controls/gdip/TrackBar.h"
#include "controls/gdip/TrackBarDrawing.h"
#include "tests/controls/gdip/FaderFixture.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::SetUpEditorFader;
using korvan::testing::ThumbPicture;

TColor PixelAt(const QImage& image, int x, int y) {
    return korvan::gfx::FromQRgb(image.pixel(x, y));
}

class TrackBarPaint : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form->SetBounds(0, 0, 900, 700);
        form->SetColor(clBtnFace);
        ShowForm(form.get());
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    TAdvTrackBar* AddEditorFader(int left, int position) {
        auto* bar = new TAdvTrackBar(form.get());
        bar->SetParent(form.get());
        SetUpEditorFader(bar, 0, 240, 6, &normal, &hot, &down);
        bar->SetBounds(left, 10, 27, 193);
        bar->SetPosition(position);
        return bar;
    }
    QImage Shot(TControl* control) {
        ProcessEvents();
        return Grab(control);
    }
    // Lays the pictures side by side with a gap and writes them, also
    // enlarged unless they are already.
    void WriteSheet(const std::vector<QImage>& shots, const std::string& name, int rowWidth = 620,
                    bool enlarge = true) {
        // Rows of at most about rowWidth pixels.
        std::vector<QPoint> at;
        int x = 4, y = 4, rowHeight = 0, w = 0;
        for (const QImage& s : shots) {
            if (x > 4 && x + s.width() > rowWidth) {
                x = 4;
                y += rowHeight + 4;
                rowHeight = 0;
            }
            at.push_back(QPoint(x, y));
            x += s.width() + 4;
            w = std::max(w, x);
            rowHeight = std::max(rowHeight, s.height());
        }
        QImage sheet(w, y + rowHeight + 4, QImage::Format_RGB32);
        sheet.fill(Qt::darkCyan);
        QPainter p(&sheet);
        for (std::size_t i = 0; i < shots.size(); ++i)
            p.drawImage(at[i], shots[i]);
        p.end();
        korvan::testing::SavePng(sheet, name);
        if (!enlarge)
            return;
        // A three-times copy for looking at the pixels.
        korvan::testing::SavePng(
            sheet.scaled(sheet.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation), name + "_x3");
    }
    TGDIPPicture normal = ThumbPicture(clSilver);
    TGDIPPicture hot = ThumbPicture(clWhite);
    TGDIPPicture down = ThumbPicture(clYellow);
    TGDIPPicture disabled = ThumbPicture(clGray, clDkGray);
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(TrackBarPaint, TheEditorFaderShowsGrooveAndThePictureOfEachState) {
    TAdvTrackBar* bar = AddEditorFader(10, 120);
    std::vector<QImage> shots;

    QImage plain = Shot(bar);
    shots.push_back(plain);
    // The groove: x 13..15, a frame in grey tones, white to black inside.
    EXPECT_EQ(PixelAt(plain, 13, 40), korvan::gdip::MixColors(clMedGray, clWhite, 10));
    EXPECT_EQ(PixelAt(plain, 15, 40), clMedGray);
    // The thumb picture at (6, 82): its body, its grip, and keyed corners
    // through which the form shows.
    EXPECT_EQ(PixelAt(plain, 10, 90), clSilver);
    EXPECT_EQ(PixelAt(plain, 10, 82 + 14), clBlack);
    EXPECT_EQ(PixelAt(plain, 6, 82), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(plain, 3, 90), ColorToRGB(clBtnFace)) << "transparent beside the groove";

    input.MouseMove(bar, 14, 90);
    QImage hovered = Shot(bar);
    shots.push_back(hovered);
    EXPECT_EQ(PixelAt(hovered, 10, 90), clWhite);

    input.MouseDown(bar, 14, 90);
    input.MouseMove(bar, 14, 40); // the pointer leaves the thumb's old place
    QImage dragged = Shot(bar);
    shots.push_back(dragged);
    const TRect thumb = bar->GetThumbRect();
    EXPECT_EQ(PixelAt(dragged, 10, thumb.Top + 8), clYellow) << "pressed while dragged";
    input.MouseUp(bar, 14, 40);

    bar->SetFocus();
    QImage focused = Shot(bar);
    shots.push_back(focused);
    int dark = 0;
    for (int x = 0; x < 26; ++x)
        dark += PixelAt(focused, x, 0) == clBlack;
    EXPECT_GE(dark, 10) << "a dotted frame along the top";
    EXPECT_LE(dark, 16);

    input.MoveOutside();
    bar->SetEnabled(false);
    QImage disabledNoPicture = Shot(bar);
    shots.push_back(disabledNoPicture);
    EXPECT_EQ(PixelAt(disabledNoPicture, 10, bar->GetThumbRect().Top + 8), clSilver) << "keeps its picture";
    bar->Thumb()->SetPictureDisabled(&disabled);
    QImage disabledPicture = Shot(bar);
    shots.push_back(disabledPicture);
    EXPECT_EQ(PixelAt(disabledPicture, 10, bar->GetThumbRect().Top + 8), clGray);

    bar->SetEnabled(true);
    bar->Thumb()->SetShowAtMinMax(false);
    bar->SetPosition(0);
    QImage atMin = Shot(bar);
    shots.push_back(atMin);
    EXPECT_NE(PixelAt(atMin, 10, 175), clSilver) << "no thumb at Min";
    WriteSheet(shots, "fader_editor_states");
}

TEST_F(TrackBarPaint, EveryDrawnThumbShapeOnBothOrientations) {
    const TThumbShape shapes[] = {tsPointer,      tsRectangle,     tsRoundRect,      tsRound,
                                  tsLine,         tsPointerLeftUp, tsPointerRightUp, tsTriangle,
                                  tsTriangleLeft, tsTriangleRight};
    // The thumbs alone, enlarged: for each shape the vertical one, the
    // same disabled and the horizontal one.
    const auto crop = [](const QImage& shot, TRect r) {
        r = r.Inflate(3, 3);
        return shot.copy(r.Left, r.Top, r.Width(), r.Height()).scaled(r.Width() * 6, r.Height() * 6);
    };
    for (TTickMark ticks : {tmBottomRight, tmBoth}) {
        std::vector<QImage> vertical, horizontal, thumbs;
        for (TThumbShape shape : shapes) {
            auto* v = new TAdvTrackBar(form.get());
            v->SetParent(form.get());
            v->SetOrientation(trVertical);
            v->SetBounds(10, 10, 60, 150);
            v->SetMax(20);
            v->SetPosition(13);
            v->TickMark()->SetPosition(ticks);
            v->Thumb()->SetShape(shape);
            v->Thumb()->SetSize(ticks == tmBoth ? 22 : 16);
            v->Thumb()->SetWidth(shape == tsRound ? 16 : 12);
            vertical.push_back(Shot(v));
            thumbs.push_back(crop(vertical.back(), v->GetThumbRect()));
            v->SetEnabled(false);
            thumbs.push_back(crop(Shot(v), v->GetThumbRect()));
            delete v;

            auto* h = new TAdvTrackBar(form.get());
            h->SetParent(form.get());
            h->SetBounds(10, 10, 150, 50);
            h->SetMax(20);
            h->SetPosition(7);
            h->TickMark()->SetPosition(ticks);
            h->Thumb()->SetShape(shape);
            h->Thumb()->SetSize(ticks == tmBoth ? 22 : 16);
            if (shape == tsRound)
                h->Thumb()->SetWidth(16);
            horizontal.push_back(Shot(h));
            // Every shape paints something of its own colours in its rectangle.
            const TRect r = h->GetThumbRect();
            const QImage& shot = horizontal.back();
            int changed = 0;
            for (int y = r.Top; y < r.Bottom; ++y)
                for (int x = r.Left; x < r.Right; ++x)
                    changed += PixelAt(shot, x, y) != ColorToRGB(clBtnFace);
            EXPECT_GT(changed, r.Width() * r.Height() / 4) << "shape " << int(shape);
            thumbs.push_back(crop(shot, r));
            delete h;
        }
        const std::string side = ticks == tmBoth ? "_ticks_both" : "_ticks_bottom_right";
        WriteSheet(vertical, "fader_shapes_vertical" + side);
        WriteSheet(horizontal, "fader_shapes_horizontal" + side);
        WriteSheet(thumbs, "fader_thumbs" + side + "_x6", 700, false);
    }
}

TEST_F(TrackBarPaint, ButtonsLabelCompletedGrooveAndStyles) {
    std::vector<QImage> shots;
    const auto add = [&](const std::function<void(TAdvTrackBar*)>& setUp, TTrackBarOrientation o) {
        auto* bar = new TAdvTrackBar(form.get());
        bar->SetParent(form.get());
        bar->SetOrientation(o);
        bar->SetBounds(10, 10, o == trVertical ? 70 : 200, o == trVertical ? 200 : 70);
        bar->SetMax(10);
        bar->SetPosition(6);
        setUp(bar);
        shots.push_back(Shot(bar));
        delete bar;
    };
    for (TTrackBarOrientation o : {trVertical, trHorizontal}) {
        add([](TAdvTrackBar* b) { b->Buttons()->SetVisible(true); }, o);
        add(
            [](TAdvTrackBar* b) {
                b->Buttons()->SetVisible(true);
                b->Buttons()->SetShape(bsRectangle);
                b->TickMark()->SetShowText(true);
                b->TickMark()->SetPosition(tmBoth);
            },
            o);
        add(
            [](TAdvTrackBar* b) {
                b->TrackLabel()->SetVisible(true);
                b->Slider()->SetColorCompleted(clLime);
                b->Slider()->SetColorCompletedTo(clGreen);
                b->Slider()->SetSize(6);
                b->Slider()->SetRounded(true);
            },
            o);
        for (TTMSStyle style : {tsOffice2003Blue, tsOffice2007Obsidian, tsWindowsVista, tsOffice2010Black}) {
            add(
                [style](TAdvTrackBar* b) {
                    b->SetComponentStyle(style);
                    b->Buttons()->SetVisible(true);
                    b->SetTransparent(false);
                    b->SetColor(clWhite);
                    b->SetColorTo(clSilver);
                    b->SetBorderColor(clGray);
                },
                o);
        }
    }
    WriteSheet(shots, "fader_parts_and_styles");
}

} // namespace
