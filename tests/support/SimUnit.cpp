#include "tests/support/SimUnit.h"

#include "device/protocol/CommandCodes.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace korvan::test {

namespace img = sim_image;

namespace {

void PutWord(Bytes& image, std::size_t offset, std::uint16_t value) {
    if (offset + 1 < image.size()) {
        image[offset] = static_cast<std::uint8_t>(value & 0xFF);
        image[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
}

void PutText(Bytes& image, std::size_t offset, const char* text, std::size_t field) {
    const std::size_t n = std::min(std::strlen(text), field);
    std::fill(image.begin() + static_cast<std::ptrdiff_t>(offset),
              image.begin() + static_cast<std::ptrdiff_t>(offset + field), 0);
    std::copy(text, text + n, image.begin() + static_cast<std::ptrdiff_t>(offset));
}

bool IsInput(int ch) {
    return ch >= 0 && ch < 4;
}
bool IsOutput(int ch) {
    return ch >= 4 && ch < 12;
}
bool IsChannel(int ch) {
    return ch >= 0 && ch < 12;
}

std::uint16_t WordAt(const Bytes& payload, std::size_t i) {
    return static_cast<std::uint16_t>(payload[i] | (payload[i + 1] << 8));
}

// The last byte of a frame is the XOR of all bytes before it.
bool CheckByteMatches(const Bytes& frame) {
    if (frame.empty())
        return false;
    std::uint8_t check = 0;
    for (std::size_t i = 0; i + 1 < frame.size(); ++i)
        check ^= frame[i];
    return check == frame.back();
}

} // namespace

SimStrictness SimStrictness::Strict() {
    return {true, true, true, true, true};
}

Bytes SimUnit::LevelPayload(const std::array<float, 12>& levels, std::uint16_t activity) {
    Bytes payload(LevelsSize, 0);
    for (std::size_t k = 0; k < levels.size(); ++k) {
        // The float's bytes from the most significant down are payload bytes
        // 3k+1, 3k and 3k+2; its lowest byte is not sent.
        const std::uint32_t bits = std::bit_cast<std::uint32_t>(levels[k]);
        payload[3 * k + 1] = static_cast<std::uint8_t>(bits >> 24);
        payload[3 * k] = static_cast<std::uint8_t>(bits >> 16);
        payload[3 * k + 2] = static_cast<std::uint8_t>(bits >> 8);
    }
    payload[36] = static_cast<std::uint8_t>(activity);
    payload[37] = static_cast<std::uint8_t>(activity >> 8);
    return payload;
}

Bytes SimUnit::BusyLevels() {
    std::array<float, 12> levels{};
    for (std::size_t k = 0; k < levels.size(); ++k)
        levels[k] = -42.0f + 5.0f * static_cast<float>(k);
    // Compressors of outputs 1, 3, 6 and 8; limiters of outputs 2, 4, 5 and 7.
    return LevelPayload(levels, 0x5AA5);
}

Bytes SimUnit::DefaultImage() {
    Bytes image(img::Size, 0);
    PutText(image, img::PresetName, "Default Preset", img::NameLength);
    static constexpr std::uint16_t inputPeq[] = {41, 71, 101, 140, 170, 200, 240, 270};
    static constexpr std::uint16_t outputPeq[] = {31, 63, 95, 127, 158, 190, 222, 253, 285};
    for (int ch = 0; ch < 12; ++ch) {
        const bool input = ch < 4;
        const std::string name =
            input ? std::string("In") + static_cast<char>('A' + ch) : "Out" + std::to_string(ch - 3);
        PutText(image, img::Channel(ch), name.c_str(), 8);
        const int bands = input ? 8 : 9;
        for (int b = 0; b < bands; ++b) {
            PutWord(image, img::PeqBand(ch, b), 120);
            PutWord(image, img::PeqBand(ch, b) + 2, input ? inputPeq[b] : outputPeq[b]);
            image[img::PeqBand(ch, b) + 4] = 35;
        }
        PutWord(image, img::Crossover(ch) + 2, 300);
        PutWord(image, img::Gain(ch), input ? 0 : 280);
        PutWord(image, img::LinkMask(ch), static_cast<std::uint16_t>(1u << (input ? ch : ch - 4)));
        if (input) {
            PutWord(image, img::Gate(ch) + 2, 99);
            PutWord(image, img::Gate(ch) + 4, 99);
            for (int b = 0; b < 31; ++b)
                PutWord(image, img::GeqBand(ch, b), 120);
        } else {
            PutWord(image, img::SourceMask(ch), static_cast<std::uint16_t>(1u << ((ch - 4) % 4)));
            for (int i = 0; i < 4; ++i)
                PutWord(image, img::Mix(ch, i), 280);
            const std::uint16_t dynamics[] = {49, 499, 0, 220};
            for (int i = 0; i < 4; ++i) {
                PutWord(image, img::Comp(ch) + 2 + 2 * i, dynamics[i]);
                PutWord(image, img::Limit(ch) + 2 * i, dynamics[i]);
            }
        }
    }
    return image;
}

SimUnit::SimUnit() : image_(DefaultImage()) {
    slots_.fill(DefaultImage());
    const char info[] = "SIM-UNIT-0001";
    std::copy(info, info + sizeof info - 1, eeprom_.begin());
}

void SimUnit::SetDeviceId(std::uint8_t id) {
    std::lock_guard lock(mutex_);
    deviceId_ = id;
}
std::uint8_t SimUnit::DeviceId() const {
    std::lock_guard lock(mutex_);
    return deviceId_;
}
void SimUnit::SetIdentity(const std::string& text) {
    std::lock_guard lock(mutex_);
    identity_ = text;
}
void SimUnit::SetLocked(bool locked) {
    std::lock_guard lock(mutex_);
    locked_ = locked;
}
bool SimUnit::IsLocked() const {
    std::lock_guard lock(mutex_);
    return locked_;
}
void SimUnit::SetPassword(const std::string& fourCharacters) {
    std::lock_guard lock(mutex_);
    password_ = fourCharacters.substr(0, 4);
}
std::string SimUnit::Password() const {
    std::lock_guard lock(mutex_);
    return password_;
}
void SimUnit::SetFaults(const SimFaults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
}
SimFaults SimUnit::Faults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}
void SimUnit::SetStrictness(const SimStrictness& strictness) {
    std::lock_guard lock(mutex_);
    strict_ = strictness;
}
void SimUnit::SetLevels(const Bytes& payload) {
    std::lock_guard lock(mutex_);
    levels_ = payload;
}
void SimUnit::SetCurrentPreset(std::uint8_t preset) {
    std::lock_guard lock(mutex_);
    currentPreset_ = preset;
}
std::uint8_t SimUnit::CurrentPreset() const {
    std::lock_guard lock(mutex_);
    return currentPreset_;
}
Bytes SimUnit::Image() const {
    std::lock_guard lock(mutex_);
    return image_;
}
void SimUnit::SetImage(const Bytes& image) {
    std::lock_guard lock(mutex_);
    image_ = image;
    image_.resize(img::Size, 0);
}
std::uint16_t SimUnit::ImageWord(std::size_t offset) const {
    std::lock_guard lock(mutex_);
    return offset + 1 < image_.size() ? WordAt(image_, offset) : 0;
}
void SimUnit::SetStoredPreset(int slot, const Bytes& image) {
    if (slot < 1 || slot > PresetSlots)
        return;
    std::lock_guard lock(mutex_);
    slots_[slot - 1] = image;
    slots_[slot - 1].resize(img::Size, 0);
    slots_[slot - 1][0] = 0xFF;
    used_[slot - 1] = true;
}
Bytes SimUnit::StoredImage(int slot) const {
    std::lock_guard lock(mutex_);
    return slot >= 1 && slot <= PresetSlots ? slots_[slot - 1] : Bytes{};
}
bool SimUnit::IsSlotUsed(int slot) const {
    std::lock_guard lock(mutex_);
    return slot >= 1 && slot <= PresetSlots && used_[slot - 1];
}
Bytes SimUnit::DeviceInfo() const {
    std::lock_guard lock(mutex_);
    return {eeprom_.begin(), eeprom_.begin() + DeviceInfoSize};
}
void SimUnit::SetDeviceInfo(const Bytes& info) {
    std::lock_guard lock(mutex_);
    std::copy_n(info.begin(), std::min(info.size(), DeviceInfoSize), eeprom_.begin());
}

std::vector<UnitRequest> SimUnit::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}
std::size_t SimUnit::ReceivedCount() const {
    std::lock_guard lock(mutex_);
    return received_.size();
}
bool SimUnit::WaitForReceived(std::size_t count, std::chrono::milliseconds bound) const {
    std::unique_lock lock(mutex_);
    return receivedChanged_.wait_for(lock, bound, [&] { return received_.size() >= count; });
}
void SimUnit::ClearReceived() {
    std::lock_guard lock(mutex_);
    received_.clear();
}
void SimUnit::SetObserver(std::function<void(const UnitRequest&)> observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

void SimUnit::SetWord(std::size_t offset, std::uint16_t value) {
    PutWord(image_, offset, value);
}

void SimUnit::SetBit(std::size_t maskOffset, int bit, bool on) {
    std::uint16_t mask = WordAt(image_, maskOffset);
    mask =
        on ? static_cast<std::uint16_t>(mask | (1u << bit)) : static_cast<std::uint16_t>(mask & ~(1u << bit));
    SetWord(maskOffset, mask);
}

std::vector<SimOutput> SimUnit::Feed(const std::uint8_t* bytes, std::size_t length) {
    std::vector<SimOutput> outputs;
    std::vector<UnitRequest> requests;
    std::function<void(const UnitRequest&)> observer;
    {
        std::lock_guard lock(mutex_);
        requests = reader_.Feed(bytes, length);
        observer = observer_;
        for (const auto& request : requests) {
            received_.push_back(request);
            SimOutput output;
            output.delayMs = faults_.delayMs;
            if (faults_.dropLink) {
                faults_.dropLink = false;
                output.dropLink = true;
                outputs.push_back(std::move(output));
                continue;
            }
            if (strict_.checkFrames && !CheckByteMatches(request.frame))
                continue;
            const auto answer = Answer(request);
            if (faults_.silent || !answer)
                continue;
            output.bytes = faults_.garbage;
            if (!faults_.garbageInsteadOfReply) {
                Bytes reply = UnitReply(faults_.replyId.value_or(deviceId_), answer->first, answer->second);
                if (faults_.shortReply > 0 && faults_.shortReply < reply.size())
                    reply.resize(faults_.shortReply);
                output.bytes.insert(output.bytes.end(), reply.begin(), reply.end());
            }
            outputs.push_back(std::move(output));
        }
    }
    receivedChanged_.notify_all();
    if (observer)
        for (const auto& request : requests)
            observer(request);
    return outputs;
}

std::optional<std::pair<std::uint8_t, Bytes>> SimUnit::Answer(const UnitRequest& request) {
    const Bytes& p = request.payload;
    const auto ack = std::make_pair(MCS_ACK, Bytes{});
    switch (request.code) {
    case MCS_CONNECT:
        return std::make_pair(MCS_CONNECT, Bytes{});
    case MCS_ALIVE:
    case MCS_RELEASE:
        return strict_.ackAliveAndRelease ? ack : std::make_pair(request.code, Bytes{});
    case MCS_IDENTITY:
        return std::make_pair(MCS_IDENTITY, Bytes(identity_.begin(), identity_.end()));
    case MCS_CURRENT_PRESET:
        return std::make_pair(MCS_CURRENT_PRESET, Bytes{currentPreset_});
    case MCS_LOCK_STATE:
        return std::make_pair(MCS_LOCK_STATE,
                              Bytes{0, 0, 0, 0, 0, static_cast<std::uint8_t>(locked_ ? 1 : 0)});
    case MCS_PASS_SUBMIT: {
        const std::uint8_t kind = p.empty() ? 0 : p[0];
        const bool match =
            p.size() >= 5 && password_.size() == 4 &&
            std::equal(p.begin() + 1, p.begin() + 5, password_.begin(),
                       [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
        if (match && kind == 0)
            locked_ = false;
        return std::make_pair(MCS_PASS_SUBMIT, Bytes{kind, static_cast<std::uint8_t>(match ? 1 : 0)});
    }
    case MCS_SET_LOCK:
        if (p.size() >= 4) {
            password_.assign(p.begin(), p.begin() + 4);
            locked_ = true;
        }
        return ack;
    case MCS_PRESET_FLAGS: {
        Bytes flags(PresetSlots, 0);
        for (int i = 0; i < PresetSlots; ++i)
            flags[i] = used_[i] ? 0xFF : 0x00;
        return std::make_pair(MCS_PRESET_FLAGS, flags);
    }
    case MCS_READ_PRESET_NAME:
        return std::make_pair(MCS_READ_PRESET_NAME, PresetName(p.empty() ? 0 : p[0]));
    case MCS_READ_STATE_PAGE:
        // A state page comes back under 0x24.
        return std::make_pair(MCS_STATE_PAGE, Page(request.code, p.empty() ? 0 : p[0]));
    case MCS_READ_PRESET_PAGE:
        return std::make_pair(MCS_READ_PRESET_PAGE, Page(request.code, p.empty() ? 0 : p[0]));
    case MCS_SELECT_PRESET:
        selectedSlot_ = p.empty() ? 0 : p[0];
        return ack;
    case MCS_RECALL_PRESET: {
        const int n = p.empty() ? 0 : p[0];
        if (n == 0)
            image_ = DefaultImage();
        else if (n <= PresetSlots && used_[n - 1]) {
            image_ = slots_[n - 1];
            image_[0] = image_[1] = 0;
        }
        currentPreset_ = static_cast<std::uint8_t>(n);
        return ack;
    }
    case MCS_STORE_PRESET: {
        const int n = p.empty() ? 0 : p[0];
        if (n >= 1 && n <= PresetSlots) {
            slots_[n - 1] = image_;
            slots_[n - 1][0] = 0xFF;
            used_[n - 1] = true;
            currentPreset_ = static_cast<std::uint8_t>(n);
        }
        return ack;
    }
    case MCS_FACTORY_RESET:
        image_ = DefaultImage();
        slots_.fill(DefaultImage());
        used_.fill(false);
        currentPreset_ = 0;
        return ack;
    case MCS_PRESETNAME:
        if (p.size() >= img::NameLength)
            std::copy_n(p.begin(), img::NameLength, image_.begin() + img::PresetName);
        return ack;
    case MCS_READ_EEPROM:
        return std::make_pair(MCS_READ_EEPROM, ReadEeprom(p));
    case MCS_WRITE_EEPROM:
        if (p.size() >= 3) {
            const std::size_t address = WordAt(p, 0);
            for (std::size_t i = 0; i < p[2] && 3 + i < p.size(); ++i)
                if (address + i < eeprom_.size())
                    eeprom_[address + i] = p[3 + i];
        }
        return ack;
    case MCS_DOWNLOAD: {
        const int page = p.empty() ? 0 : p[0];
        const int preset = p.size() > 1 ? p[1] : PresetSlots;
        if (preset < PresetSlots && p.size() > 2) {
            Bytes& slot = slots_[preset];
            for (std::size_t i = 2; i < p.size(); ++i) {
                const std::size_t at = static_cast<std::size_t>(page) * PageSize + (i - 2);
                if (at < slot.size())
                    slot[at] = p[i];
            }
            used_[preset] = true;
        }
        return std::make_pair(MCS_DOWNLOAD, Bytes{static_cast<std::uint8_t>(PageNumber(page))});
    }
    case MCS_COPY_CHANNEL:
        if (p.size() >= 2 && IsChannel(p[0]) && IsChannel(p[1]) && IsInput(p[0]) == IsInput(p[1])) {
            const bool input = IsInput(p[0]);
            const std::size_t from = input ? 8 : 18, to = input ? 138 : 102;
            std::copy(image_.begin() + img::Channel(p[0]) + from, image_.begin() + img::Channel(p[0]) + to,
                      image_.begin() + img::Channel(p[1]) + from);
        }
        return ack;
    case MCS_LEVELS:
        return std::make_pair(MCS_LEVELS, levels_              ? *levels_
                                          : strict_.busyLevels ? BusyLevels()
                                                               : Bytes(LevelsSize, 0));
    default:
        ApplySetter(request);
        return ack;
    }
}

Bytes SimUnit::PresetName(int index) const {
    Bytes reply(1 + img::NameLength, 0);
    reply[0] = static_cast<std::uint8_t>(index);
    if (index < PresetSlots && (used_[index] || !strict_.blankEmptySlots))
        std::copy_n(slots_[index].begin() + img::PresetName, img::NameLength, reply.begin() + 1);
    return reply;
}

Bytes SimUnit::Page(std::uint8_t code, int page) {
    const bool slot = code == MCS_READ_PRESET_PAGE && selectedSlot_ >= 1 && selectedSlot_ <= PresetSlots;
    const bool blank = slot && strict_.blankEmptySlots && !used_[selectedSlot_ - 1];
    const Bytes& source = slot ? slots_[selectedSlot_ - 1] : image_;
    Bytes reply{static_cast<std::uint8_t>(PageNumber(page))};
    for (std::size_t i = 0; i < PageSize; ++i) {
        const std::size_t at = static_cast<std::size_t>(page) * PageSize + i;
        reply.push_back(!blank && at < source.size() ? source[at] : 0);
    }
    reply.insert(reply.end(), faults_.pageExtraBytes, 0);
    return reply;
}

int SimUnit::PageNumber(int page) {
    if (faults_.wrongPages <= 0)
        return page;
    --faults_.wrongPages;
    return page + 1;
}

Bytes SimUnit::ReadEeprom(const Bytes& request) const {
    Bytes reply;
    if (request.size() >= 3) {
        const std::size_t address = WordAt(request, 0);
        for (std::size_t at = address; at < address + request[2]; ++at) {
            if (strict_.blankEeprom && at >= DeviceInfoSize)
                reply.push_back(0x00);
            else
                reply.push_back(at < eeprom_.size() ? eeprom_[at] : 0xFF);
        }
    }
    return reply;
}

void SimUnit::ApplySetter(const UnitRequest& request) {
    const Bytes& p = request.payload;
    const int ch = p.empty() ? -1 : p[0];
    switch (request.code) {
    case MCS_GAIN:
        if (IsChannel(ch) && p.size() >= 3)
            SetWord(img::Gain(ch), WordAt(p, 1));
        break;
    case MCS_MUTE:
        if (IsChannel(ch) && p.size() >= 2)
            SetBit(IsInput(ch) ? img::InputMuteMask : img::OutputMuteMask, IsInput(ch) ? ch : ch - 4,
                   p[1] != 0);
        break;
    case MCS_POLARITY:
        if (IsChannel(ch) && p.size() >= 2)
            SetWord(img::Polarity(ch), p[1]);
        break;
    case MCS_DELAY:
        if (IsChannel(ch) && p.size() >= 3)
            SetWord(img::Delay(ch), WordAt(p, 1));
        break;
    case MCS_LOW_PASS:
    case MCS_HIGH_PASS:
        if (IsChannel(ch) && p.size() >= 4) {
            const bool low = request.code == MCS_LOW_PASS;
            SetWord(img::Crossover(ch) + (low ? 2 : 0), WordAt(p, 1));
            image_[img::Crossover(ch) + (low ? 5 : 4)] = p[3];
        }
        break;
    case MCS_PEQ:
        if (IsChannel(ch) && p.size() >= 9 && p[1] < (IsInput(ch) ? 8 : 9)) {
            const std::size_t band = img::PeqBand(ch, p[1]);
            SetWord(band, WordAt(p, 2));
            SetWord(band + 2, WordAt(p, 4));
            image_[band + 4] = p[6];
            image_[band + 5] = p[7];
            SetBit(img::BandBypassMasks + 2 * ch, p[1], p[8] != 0);
        }
        break;
    case MCS_GEQ:
        if (IsInput(ch) && p.size() >= 4 && p[1] < 31)
            SetWord(img::GeqBand(ch, p[1]), WordAt(p, 2));
        break;
    case MCS_GATE:
        if (IsInput(ch) && p.size() >= 9)
            for (int i = 0; i < 4; ++i)
                SetWord(img::Gate(ch) + 2 * i, WordAt(p, 1 + 2 * i));
        break;
    case MCS_COMP:
        if (IsOutput(ch) && p.size() >= 11)
            for (int i = 0; i < 5; ++i)
                SetWord(img::Comp(ch) + 2 * i, WordAt(p, 1 + 2 * i));
        break;
    case MCS_LIMIT:
        if (IsOutput(ch) && p.size() >= 9)
            for (int i = 0; i < 4; ++i)
                SetWord(img::Limit(ch) + 2 * i, WordAt(p, 1 + 2 * i));
        break;
    case MCS_MATRIX:
        if (IsOutput(ch) && p.size() >= 2)
            SetWord(img::SourceMask(ch), p[1]);
        break;
    case MCS_MIX:
        if (IsOutput(ch) && p.size() >= 4 && p[1] < 4)
            SetWord(img::Mix(ch, p[1]), WordAt(p, 2));
        break;
    case MCS_LINK:
        if (IsChannel(ch) && p.size() >= 2)
            SetWord(img::LinkMask(ch), p[1]);
        break;
    case MCS_PEQ_BYPASS:
        if (IsChannel(ch) && p.size() >= 2)
            SetBit(IsInput(ch) ? img::InputPeqBypass : img::OutputPeqBypass, IsInput(ch) ? ch : ch - 4,
                   p[1] != 0);
        break;
    case MCS_GEQ_BYPASS:
        if (IsInput(ch) && p.size() >= 2)
            SetBit(img::GeqBypass, ch, p[1] != 0);
        break;
    case MCS_CHANNEL_NAME:
        if (IsChannel(ch) && p.size() >= 9)
            std::copy(p.begin() + 1, p.begin() + 9, image_.begin() + img::Channel(ch));
        break;
    case MCS_DELAYUNIT:
        if (!p.empty())
            SetWord(img::DelayUnit, p[0]);
        break;
    case MCS_WORK_MODE:
        if (p.size() >= 2) {
            SetWord(img::WorkMode, p[0]);
            SetWord(img::SineFrequency, p[1]);
        }
        break;
    default:
        break;
    }
}

} // namespace korvan::test
