#include "platform/gfx/Palette.h"

#include <algorithm>
#include <atomic>

namespace korvan::gfx {

namespace {

// One counter for every store: a handle value names at most one palette
// in the life of the process.
std::uint32_t NextHandleValue() {
    static std::atomic<std::uint32_t> next{0};
    return ++next;
}

std::unique_ptr<PaletteStore>& Current() {
    static std::unique_ptr<PaletteStore> store = std::make_unique<PaletteStore>();
    return store;
}

} // namespace

HPALETTE PaletteStore::CreatePalette(const TLogPalette& log) {
    if (log.palPalEntry.empty() || log.palPalEntry.size() > 0xFFFF)
        return {};
    const HPALETTE handle{NextHandleValue()};
    palettes_.emplace(handle.Value, log);
    return handle;
}

bool PaletteStore::DeletePalette(HPALETTE palette) {
    return palettes_.erase(palette.Value) != 0;
}

int PaletteStore::EntryCount(HPALETTE palette) const {
    const auto it = palettes_.find(palette.Value);
    return it == palettes_.end() ? 0 : int(it->second.palPalEntry.size());
}

int PaletteStore::GetEntries(HPALETTE palette, int start, std::span<TPaletteEntry> out) const {
    const auto it = palettes_.find(palette.Value);
    if (it == palettes_.end() || start < 0)
        return 0;
    const auto& entries = it->second.palPalEntry;
    if (std::size_t(start) >= entries.size())
        return 0;
    const std::size_t n = std::min(out.size(), entries.size() - std::size_t(start));
    std::copy_n(entries.begin() + start, n, out.begin());
    return int(n);
}

std::uint16_t PaletteStore::Version(HPALETTE palette) const {
    const auto it = palettes_.find(palette.Value);
    return it == palettes_.end() ? 0 : it->second.palVersion;
}

PaletteStore& Palettes() {
    return *Current();
}

std::unique_ptr<PaletteStore> SetPaletteStore(std::unique_ptr<PaletteStore> store) {
    if (!store)
        store = std::make_unique<PaletteStore>();
    std::swap(store, Current());
    return store;
}

OwnedPalette& OwnedPalette::operator=(OwnedPalette&& other) noexcept {
    if (this != &other)
        Reset(other.Release());
    return *this;
}

HPALETTE OwnedPalette::Release() {
    const HPALETTE palette = palette_;
    palette_ = {};
    return palette;
}

void OwnedPalette::Reset(HPALETTE palette) {
    if (palette_ && palette_ != palette)
        Palettes().DeletePalette(palette_);
    palette_ = palette;
}

} // namespace korvan::gfx
