#include "controls/gdip/PictureData.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace korvan::gdip {

struct PictureData::Shared {
    TBytes bytes;
    std::size_t hash = 0;
    bool decoded = false;
    std::unique_ptr<Gdiplus::Image> image;
    std::optional<bool> hasAlpha;
    bool keyedValid = false;
    Gdiplus::ARGB key = 0;
    std::unique_ptr<Gdiplus::Image> keyed;
};

namespace {

std::size_t HashOf(std::span<const std::uint8_t> bytes) {
    return std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// Byte buffers held by some picture, by content, so that equal files share
// one decoded image. Entries die with their last holder; the table drops
// expired ones as it grows. GUI thread only, as every picture is.
class SharedTable {
public:
    std::shared_ptr<PictureData::Shared> Intern(std::span<const std::uint8_t> bytes) {
        const std::size_t hash = HashOf(bytes);
        auto range = table_.equal_range(hash);
        for (auto it = range.first; it != range.second; ++it)
            if (auto held = it->second.lock();
                held && held->bytes.size() == bytes.size() &&
                std::equal(held->bytes.begin(), held->bytes.end(), bytes.begin()))
                return held;
        if (table_.size() >= nextSweep_)
            Sweep();
        auto made = std::make_shared<PictureData::Shared>();
        made->bytes.assign(bytes.begin(), bytes.end());
        made->hash = hash;
        table_.emplace(hash, made);
        return made;
    }

private:
    void Sweep() {
        std::erase_if(table_, [](const auto& entry) { return entry.second.expired(); });
        nextSweep_ = std::max<std::size_t>(64, table_.size() * 2);
    }
    std::unordered_multimap<std::size_t, std::weak_ptr<PictureData::Shared>> table_;
    std::size_t nextSweep_ = 64;
};

SharedTable& Table() {
    static SharedTable table;
    return table;
}

const TBytes& NoBytes() {
    static const TBytes none;
    return none;
}

} // namespace

void PictureData::SetBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        shared_.reset();
        return;
    }
    shared_ = Table().Intern(bytes);
}

void PictureData::Clear() {
    shared_.reset();
}

const TBytes& PictureData::Bytes() const {
    return shared_ ? shared_->bytes : NoBytes();
}

const Gdiplus::Image* PictureData::Image() const {
    if (!shared_)
        return nullptr;
    if (!shared_->decoded) {
        shared_->decoded = true;
        auto image = Gdiplus::Image::FromBytes(shared_->bytes);
        if (image && image->IsValid())
            shared_->image = std::move(image);
    }
    return shared_->image.get();
}

bool PictureData::HasAlpha() const {
    const Gdiplus::Image* image = Image();
    if (!image)
        return false;
    if (!shared_->hasAlpha)
        shared_->hasAlpha = image->HasAlpha();
    return *shared_->hasAlpha;
}

const Gdiplus::Image* PictureData::KeyedImage(Gdiplus::ARGB key) const {
    const Gdiplus::Image* image = Image();
    if (!image)
        return nullptr;
    key |= 0xFF000000u;
    if (!shared_->keyedValid || shared_->key != key) {
        Gdiplus::ImageAttributes attributes;
        attributes.SetColorKey(Gdiplus::Color(key), Gdiplus::Color(key));
        shared_->keyed =
            std::make_unique<Gdiplus::Image>(attributes.Apply(image->Qt()), image->GetRawFormat());
        shared_->key = key;
        shared_->keyedValid = true;
    }
    return shared_->keyed.get();
}

} // namespace korvan::gdip
