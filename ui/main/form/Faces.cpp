#include "ui/main/form/Faces.h"

#include "controls/panels/BmpButton.h"
#include "platform/forms/ExtCtrls.h"
#include "resources/faces/FacePictures.h"
#include "ui/main/form/Faders.h"

#include <QImage>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvan::mainform {

namespace {

constexpr std::string_view BackgroundPrefix = "base-";

// Decoded on first use and kept for the program's life: a few kilobytes in
// all, where a decoded copy per button would cost one per control.
const QImage& Picture(const std::string& name) {
    static std::map<std::string, QImage, std::less<>> decoded;
    if (auto it = decoded.find(name); it != decoded.end())
        return it->second;
    const auto bytes = faces::FacePicture(name);
    QImage image;
    if (bytes.empty() || !image.loadFromData(bytes.data(), int(bytes.size()), "PNG"))
        throw std::runtime_error("no picture \"" + name + "\" in the resources");
    // The format the bitmaps keep, so that drawing never converts a copy.
    return decoded.emplace(name, image.convertToFormat(QImage::Format_RGB32)).first->second;
}

} // namespace

void ApplyFace(TControl& control, const char* face) {
    if (auto* button = dynamic_cast<TRzBmpButton*>(&control)) {
        const std::string style = face;
        button->SetButtonSize(bszStretchToButton);
        // Assigning the image itself shares its pixels; TBitmap's own copy
        // would duplicate them for every button.
        button->Bitmaps()->Up()->Image() = Picture(style + "-up");
        button->Bitmaps()->Down()->Image() = Picture(style + "-down");
        button->Invalidate();
    } else if (auto* image = dynamic_cast<TImage*>(&control)) {
        TBitmap& bitmap = image->Picture().Bitmap();
        bitmap.Image() = Picture(face);
        if (std::string_view(face).starts_with(BackgroundPrefix)) {
            // A background strip fills its image, which grows with the window.
            image->SetStretch(true);
        } else {
            // Its bottom-left colour is see-through, so the panel shows
            // around it.
            bitmap.SetTransparent(true);
        }
        image->Invalidate();
    } else {
        SetFaderFace(control, face);
    }
}

} // namespace korvan::mainform
