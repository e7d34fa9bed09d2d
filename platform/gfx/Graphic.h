#pragma once
// TGraphic: the base of every picture kind (bitmap, JPEG, PNG, GIF, icon).
// A graphic loads from and saves to the bytes of its own file format and
// draws itself on a canvas.

#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/Types.h"
#include "platform/text/Exception.h"

#include <QImage>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class TCanvas;

// Raised for picture bytes that cannot be decoded or a kind that cannot be stored.
KORVAN_EXCEPTION_CLASS(EInvalidGraphic, Exception)

using TBytes = std::vector<std::uint8_t>;

class TGraphic {
public:
    virtual ~TGraphic() = default;

    virtual void Draw(TCanvas& canvas, const TRect& r) = 0;
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int) {}
    virtual void SetHeight(int) {}
    // Throws EInvalidGraphic when the bytes are not a picture of this kind.
    virtual void LoadFromBytes(std::span<const std::uint8_t> bytes) = 0;
    virtual TBytes SaveToBytes() const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // The picture decoded to ARGB32 (alpha 255 where the kind has none).
    virtual QImage ToImage() const = 0;
    // The file extension of the kind, without the dot ("bmp", "png"...).
    virtual std::string DefaultExtension() const = 0;

    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;

    // The clipboard hooks: a kind that goes on the clipboard names the
    // format and gives the data to put there; a kind that takes a format
    // loads from its data. The base does neither (format and data stay as
    // they are, the graphic is unchanged).
    virtual void SaveToClipboardFormat(std::string& format, TBytes& data) const {
        (void)format;
        (void)data;
    }
    virtual void LoadFromClipboardFormat(const std::string& format, std::span<const std::uint8_t> data) {
        (void)format;
        (void)data;
    }

    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool t) {
        if (t != transparent_) {
            transparent_ = t;
            Changed();
        }
    }

    TNotifyChange OnChange;

protected:
    void Changed() {
        if (OnChange)
            OnChange();
    }
    bool transparent_ = false;
};

namespace korvan::gfx {

TBytes ReadFileBytes(const std::string& path); // throws EInvalidGraphic when unreadable
void WriteFileBytes(const std::string& path, const TBytes& bytes);

} // namespace korvan::gfx
