#include "platform/gfx/PathMaskCache.h"

#include <cmath>

namespace korvan::gfx {

namespace {

constexpr int MaxElements = 128;
constexpr double MaxExtent = 64.0;
// Coordinates of this size keep every fraction of a pixel: the difference
// of a coordinate and a whole number below it is exact.
constexpr double MaxCoordinate = 1 << 24;
constexpr std::size_t Capacity = 32;

} // namespace

bool PathMaskCache::MakeKey(const QPainterPath& path, Key& key, QPoint& anchor) {
    const int n = path.elementCount();
    if (n == 0 || n > MaxElements)
        return false;
    const QRectF bounds = path.controlPointRect();
    if (!(bounds.width() <= MaxExtent && bounds.height() <= MaxExtent) ||
        !(std::abs(bounds.left()) < MaxCoordinate && std::abs(bounds.top()) < MaxCoordinate))
        return false;
    const double ax = std::floor(bounds.left());
    const double ay = std::floor(bounds.top());
    anchor = QPoint(static_cast<int>(ax), static_cast<int>(ay));
    key.Coordinates.resize(static_cast<std::size_t>(2 * n));
    key.Types.resize(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element& e = path.elementAt(i);
        key.Coordinates[static_cast<std::size_t>(2 * i)] = e.x - ax;
        key.Coordinates[static_cast<std::size_t>(2 * i + 1)] = e.y - ay;
        key.Types[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(e.type);
    }
    key.Types[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(path.fillRule());
    return true;
}

const QImage* PathMaskCache::Find(const Key& key) const {
    for (const Entry& e : entries_) {
        if (e.K == key) {
            ++hits_;
            return &e.Mask;
        }
    }
    return nullptr;
}

void PathMaskCache::Store(Key key, const QImage& mask) {
    if (entries_.size() < Capacity) {
        entries_.push_back({std::move(key), mask});
        return;
    }
    entries_[next_] = {std::move(key), mask};
    next_ = (next_ + 1) % Capacity;
}

PathMaskCache& PathMaskCache::ForThisThread() {
    thread_local PathMaskCache cache;
    return cache;
}

} // namespace korvan::gfx
