#pragma once
// Logical palettes behind handles. A picture may carry a palette for
// palette-based displays; our surfaces are true colour, so nothing is ever
// realised, but the handles keep their entries so that pictures can hand
// them on and copy them. The process's palettes live in one store, used
// from the GUI thread only; a test may put a store of its own in place (to
// make it refuse or fall short).

#include "platform/text/Exception.h"

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <vector>

// Raised when the drawing layer cannot make an object it was asked for.
KORVAN_EXCEPTION_CLASS(EOutOfResources, Exception)

struct TPaletteEntry {
    std::uint8_t peRed = 0;
    std::uint8_t peGreen = 0;
    std::uint8_t peBlue = 0;
    std::uint8_t peFlags = 0;
    bool operator==(const TPaletteEntry&) const = default;
};

struct TLogPalette {
    std::uint16_t palVersion = 0x300;
    std::vector<TPaletteEntry> palPalEntry;
};

// Names one palette of the store; the default value names none.
struct HPALETTE {
    std::uint32_t Value = 0;
    explicit operator bool() const { return Value != 0; }
    bool operator==(const HPALETTE&) const = default;
};

namespace korvan::gfx {

class PaletteStore {
public:
    virtual ~PaletteStore() = default;

    // A new palette with the entries and version of `log`; none when it
    // has no entries or more than 65535.
    virtual HPALETTE CreatePalette(const TLogPalette& log);
    // False when the handle names no palette.
    virtual bool DeletePalette(HPALETTE palette);
    // The number of entries; 0 when the handle names no palette.
    virtual int EntryCount(HPALETTE palette) const;
    // Copies the entries from `start` on into `out` (at most its size);
    // returns how many were copied.
    virtual int GetEntries(HPALETTE palette, int start, std::span<TPaletteEntry> out) const;
    // The version the palette was made with; 0 when the handle names none.
    virtual std::uint16_t Version(HPALETTE palette) const;
    // Palettes made and not yet deleted.
    int Count() const { return int(palettes_.size()); }

private:
    std::map<std::uint32_t, TLogPalette> palettes_;
};

// The store every palette handle belongs to.
PaletteStore& Palettes();
// Replaces the store; returns the one it replaced. Handle values are never
// reused across stores, so a handle deleted after its store was replaced
// names no palette in the new one.
std::unique_ptr<PaletteStore> SetPaletteStore(std::unique_ptr<PaletteStore> store);

// Installs a store for the lifetime of the scope (tests).
class ScopedPaletteStore {
public:
    explicit ScopedPaletteStore(std::unique_ptr<PaletteStore> store)
        : previous_(SetPaletteStore(std::move(store))) {}
    ~ScopedPaletteStore() { SetPaletteStore(std::move(previous_)); }
    ScopedPaletteStore(const ScopedPaletteStore&) = delete;
    ScopedPaletteStore& operator=(const ScopedPaletteStore&) = delete;

private:
    std::unique_ptr<PaletteStore> previous_;
};

// Owns one palette handle and deletes the palette when it goes.
class OwnedPalette {
public:
    OwnedPalette() = default;
    explicit OwnedPalette(HPALETTE palette) : palette_(palette) {}
    ~OwnedPalette() { Reset(); }
    OwnedPalette(OwnedPalette&& other) noexcept : palette_(other.Release()) {}
    OwnedPalette& operator=(OwnedPalette&& other) noexcept;
    OwnedPalette(const OwnedPalette&) = delete;
    OwnedPalette& operator=(const OwnedPalette&) = delete;

    HPALETTE Get() const { return palette_; }
    // Gives the handle up without deleting it.
    HPALETTE Release();
    void Reset(HPALETTE palette = {});

private:
    HPALETTE palette_;
};

} // namespace korvan::gfx
