#pragma once
// Coverage masks of small paths kept between calls. A marker or a symbol
// drawn again at another whole-pixel position has the same path relative to
// the pixel its bounding box starts in; the mask rendered for it then is
// the same bit for bit, so it is taken from here instead of being
// rasterised again.

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <cstdint>
#include <vector>

namespace korvan::gfx {

class PathMaskCache {
public:
    // The key of a path: its elements and fill rule relative to the whole
    // pixel anchor (floor of its bounding box's top-left). Empty when the
    // path is too large or far out to be kept.
    struct Key {
        std::vector<double> Coordinates; // x, y pairs relative to the anchor
        std::vector<std::uint8_t> Types; // the fill rule last
        QPoint Box;                      // the mask's origin relative to the anchor
        bool operator==(const Key& o) const = default;
    };
    static bool MakeKey(const QPainterPath& path, Key& key, QPoint& anchor);

    // The mask of the key, or null.
    const QImage* Find(const Key& key) const;
    void Store(Key key, const QImage& mask);
    void Clear() {
        entries_.clear();
        next_ = 0;
    }
    // How many masks were found kept so far.
    std::size_t Hits() const { return hits_; }

    static PathMaskCache& ForThisThread();

private:
    struct Entry {
        Key K;
        QImage Mask;
    };
    std::vector<Entry> entries_;
    std::size_t next_ = 0;
    mutable std::size_t hits_ = 0;
};

} // namespace korvan::gfx
