#include "device/protocol/CommandRecords.h"

#include "device/protocol/CommandCodes.h"

#include <algorithm>

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code) : LCmd(id, code) {}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1) : LCmd(id, code) {
    AppendByte(b1);
}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2)
    : LCmd(id, code) {
    AppendByte(b1);
    AppendByte(b2);
}

CM_MCS_COMP::CM_MCS_COMP(std::uint8_t id, std::uint8_t ch, CompSetting comp) : LCmd(id, MCS_COMP) {
    AppendByte(ch);
    AppendWord(comp.ratio);
    AppendWord(comp.attack);
    AppendWord(comp.release);
    AppendWord(comp.knee);
    AppendWord(comp.threshold);
}

CM_MCS_LOW_PASS::CM_MCS_LOW_PASS(std::uint8_t id, std::uint8_t ch, std::uint16_t freqIndex, std::uint8_t type)
    : LCmd(id, MCS_LOW_PASS) {
    AppendByte(ch);
    AppendWord(freqIndex);
    AppendByte(type);
}

CM_MCS_HIGH_PASS::CM_MCS_HIGH_PASS(std::uint8_t id, std::uint8_t ch, std::uint16_t freqIndex,
                                   std::uint8_t type)
    : LCmd(id, MCS_HIGH_PASS) {
    AppendByte(ch);
    AppendWord(freqIndex);
    AppendByte(type);
}

CM_MCS_PEQ::CM_MCS_PEQ(std::uint8_t id, std::uint8_t ch, std::uint8_t band, PeqBand peq, std::uint8_t bypass)
    : LCmd(id, MCS_PEQ) {
    AppendByte(ch);
    AppendByte(band);
    AppendWord(peq.gain);
    AppendWord(peq.freq);
    AppendByte(peq.q);
    AppendByte(peq.type);
    AppendByte(bypass);
}

CM_MCS_GAIN::CM_MCS_GAIN(std::uint8_t id, std::uint8_t ch, std::uint16_t gain) : LCmd(id, MCS_GAIN) {
    AppendByte(ch);
    AppendWord(gain);
}

CM_MCS_MUTE::CM_MCS_MUTE(std::uint8_t id, std::uint8_t ch, std::uint8_t mute) : LCmd(id, MCS_MUTE) {
    AppendByte(ch);
    AppendByte(mute);
}

CM_MCS_POLARITY::CM_MCS_POLARITY(std::uint8_t id, std::uint8_t ch, std::uint8_t polarity)
    : LCmd(id, MCS_POLARITY) {
    AppendByte(ch);
    AppendByte(polarity != 0 ? 1 : 0);
}

CM_MCS_DELAY::CM_MCS_DELAY(std::uint8_t id, std::uint8_t ch, std::uint16_t delay) : LCmd(id, MCS_DELAY) {
    AppendByte(ch);
    AppendWord(delay);
}

CM_MCS_DELAYUNIT::CM_MCS_DELAYUNIT(std::uint8_t id, std::uint8_t unit) : LCmd(id, MCS_DELAYUNIT) {
    AppendByte(unit);
}

CM_MCS_MATRIX::CM_MCS_MATRIX(std::uint8_t id, std::uint8_t ch, std::uint32_t sourceMask)
    : LCmd(id, MCS_MATRIX) {
    AppendByte(ch);
    AppendByte(static_cast<std::uint8_t>(sourceMask & 0xFF));
}

CM_MCS_MIX::CM_MCS_MIX(std::uint8_t id, std::uint8_t ch, std::uint8_t input, std::uint16_t level)
    : LCmd(id, MCS_MIX) {
    AppendByte(ch);
    AppendByte(input);
    AppendWord(level);
}

CM_MCS_GATE::CM_MCS_GATE(std::uint8_t id, std::uint8_t ch, GateSetting gate) : LCmd(id, MCS_GATE) {
    AppendByte(ch);
    AppendWord(gate.attack);
    AppendWord(gate.release);
    AppendWord(gate.hold);
    AppendWord(gate.threshold);
}

CM_MCS_LIMIT::CM_MCS_LIMIT(std::uint8_t id, std::uint8_t ch, LimitSetting limit) : LCmd(id, MCS_LIMIT) {
    AppendByte(ch);
    AppendWord(limit.attack);
    AppendWord(limit.release);
    AppendWord(limit.knee);
    AppendWord(limit.threshold);
}

CM_MCS_GEQ::CM_MCS_GEQ(std::uint8_t id, std::uint8_t ch, std::uint8_t band, std::uint16_t level)
    : LCmd(id, MCS_GEQ) {
    AppendByte(ch);
    AppendByte(band);
    AppendWord(level);
}

CM_MCS_CHANNEL_NAME::CM_MCS_CHANNEL_NAME(std::uint8_t id, std::uint8_t ch, const char* name)
    : LCmd(id, MCS_CHANNEL_NAME) {
    AppendByte(ch);
    AppendBytes(name, NameLength);
}

CM_MCS_PRESETNAME::CM_MCS_PRESETNAME(std::uint8_t id, const char* name) : LCmd(id, MCS_PRESETNAME) {
    AppendBytes(name, NameLength);
}

CM_MCS_DOWNLOAD::CM_MCS_DOWNLOAD(std::uint8_t id, std::uint8_t preset, std::uint8_t page, std::uint32_t count,
                                 const std::uint8_t* data)
    : LCmd(id, MCS_DOWNLOAD) {
    AppendByte(page);
    AppendByte(preset);
    AppendBytes(data, std::min<std::size_t>(count, MaxData));
}

CM_MCS_DOWNLOAD::CM_MCS_DOWNLOAD(std::uint8_t id, std::uint8_t preset, std::uint8_t page,
                                 std::span<const std::uint8_t> data)
    : CM_MCS_DOWNLOAD(id, preset, page,
                      static_cast<std::uint32_t>(std::min<std::size_t>(data.size(), MaxData)), data.data()) {}

CM_MCS_MCU_RESET::CM_MCS_MCU_RESET(std::uint8_t id) : LCmd(id, MCS_MCU_RESET) {}

CM_MCS_READ_EEPROM::CM_MCS_READ_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length)
    : LCmd(id, MCS_READ_EEPROM) {
    AppendWord(address);
    AppendByte(length);
}

CM_MCS_WRITE_EEPROM::CM_MCS_WRITE_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length,
                                         const std::uint8_t* data)
    : LCmd(id, MCS_WRITE_EEPROM) {
    const std::uint8_t sent = std::min(length, MaxData);
    AppendWord(address);
    AppendByte(sent);
    AppendBytes(data, sent);
}

CM_MCS_WRITE_EEPROM::CM_MCS_WRITE_EEPROM(std::uint8_t id, std::uint16_t address,
                                         std::span<const std::uint8_t> data)
    : CM_MCS_WRITE_EEPROM(id, address, static_cast<std::uint8_t>(std::min<std::size_t>(data.size(), MaxData)),
                          data.data()) {}

CM_MCS_SET_LOCK::CM_MCS_SET_LOCK(std::uint8_t id, const char* password) : LCmd(id, MCS_SET_LOCK) {
    AppendBytes(password, PasswordLength);
}

CM_MCS_PASS_SUBMIT::CM_MCS_PASS_SUBMIT(std::uint8_t id, std::uint8_t kind, const char* password)
    : LCmd(id, MCS_PASS_SUBMIT) {
    AppendByte(kind);
    AppendBytes(password, PasswordLength);
}

CM_MCS_WORK_MODE::CM_MCS_WORK_MODE(std::uint8_t id, std::uint8_t source, std::uint8_t sineFreqIndex)
    : LCmd(id, MCS_WORK_MODE) {
    AppendByte(source);
    AppendByte(sineFreqIndex);
}
