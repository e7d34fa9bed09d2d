#pragma once
// The command records: one class per kind of device command. Each sets its
// own code and lays out its payload from typed arguments, 16-bit values low
// byte first. Records are short-lived values: built, framed, dropped.
//
// Pointer arguments are read for exactly the number of bytes the record
// sends (8 for a channel name, 14 for a preset name, 4 for a password); the
// record never looks for a terminating NUL, so callers pass fixed-size,
// NUL-padded buffers.

#include "device/protocol/LCmd.h"
#include "device/protocol/PresetTypes.h"

#include <cstddef>
#include <cstdint>
#include <span>

// A bare code with no, one or two payload bytes.
class CM_MCS_CMD : public LCmd {
public:
    CM_MCS_CMD(std::uint8_t id, std::uint8_t code);
    CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1);
    CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2);
    ~CM_MCS_CMD() override = default;
};

class CM_MCS_COMP : public LCmd {
public:
    CM_MCS_COMP(std::uint8_t id, std::uint8_t ch, CompSetting comp);
    ~CM_MCS_COMP() override = default;
};

class CM_MCS_LOW_PASS : public LCmd {
public:
    CM_MCS_LOW_PASS(std::uint8_t id, std::uint8_t ch, std::uint16_t freqIndex, std::uint8_t type);
    ~CM_MCS_LOW_PASS() override = default;
};

class CM_MCS_HIGH_PASS : public LCmd {
public:
    CM_MCS_HIGH_PASS(std::uint8_t id, std::uint8_t ch, std::uint16_t freqIndex, std::uint8_t type);
    ~CM_MCS_HIGH_PASS() override = default;
};

class CM_MCS_PEQ : public LCmd {
public:
    CM_MCS_PEQ(std::uint8_t id, std::uint8_t ch, std::uint8_t band, PeqBand peq, std::uint8_t bypass);
    ~CM_MCS_PEQ() override = default;
};

class CM_MCS_GAIN : public LCmd {
public:
    CM_MCS_GAIN(std::uint8_t id, std::uint8_t ch, std::uint16_t gain);
    ~CM_MCS_GAIN() override = default;
};

class CM_MCS_MUTE : public LCmd {
public:
    CM_MCS_MUTE(std::uint8_t id, std::uint8_t ch, std::uint8_t mute);
    ~CM_MCS_MUTE() override = default;
};

// Sends 1 for any non-zero polarity.
class CM_MCS_POLARITY : public LCmd {
public:
    CM_MCS_POLARITY(std::uint8_t id, std::uint8_t ch, std::uint8_t polarity);
    ~CM_MCS_POLARITY() override = default;
};

// Delay in samples at 96 kHz.
class CM_MCS_DELAY : public LCmd {
public:
    CM_MCS_DELAY(std::uint8_t id, std::uint8_t ch, std::uint16_t delay);
    ~CM_MCS_DELAY() override = default;
};

// Unit delays are shown in: 0 ms, 1 m, 2 ft.
class CM_MCS_DELAYUNIT : public LCmd {
public:
    CM_MCS_DELAYUNIT(std::uint8_t id, std::uint8_t unit);
    ~CM_MCS_DELAYUNIT() override = default;
};

// Sends the low byte of the source mask (bit i = input i).
class CM_MCS_MATRIX : public LCmd {
public:
    CM_MCS_MATRIX(std::uint8_t id, std::uint8_t ch, std::uint32_t sourceMask);
    ~CM_MCS_MATRIX() override = default;
};

class CM_MCS_MIX : public LCmd {
public:
    CM_MCS_MIX(std::uint8_t id, std::uint8_t ch, std::uint8_t input, std::uint16_t level);
    ~CM_MCS_MIX() override = default;
};

class CM_MCS_GATE : public LCmd {
public:
    CM_MCS_GATE(std::uint8_t id, std::uint8_t ch, GateSetting gate);
    ~CM_MCS_GATE() override = default;
};

class CM_MCS_LIMIT : public LCmd {
public:
    CM_MCS_LIMIT(std::uint8_t id, std::uint8_t ch, LimitSetting limit);
    ~CM_MCS_LIMIT() override = default;
};

class CM_MCS_GEQ : public LCmd {
public:
    CM_MCS_GEQ(std::uint8_t id, std::uint8_t ch, std::uint8_t band, std::uint16_t level);
    ~CM_MCS_GEQ() override = default;
};

// Sends the 8 name bytes as they are, NUL bytes included.
class CM_MCS_CHANNEL_NAME : public LCmd {
public:
    static constexpr std::size_t NameLength = 8;
    CM_MCS_CHANNEL_NAME(std::uint8_t id, std::uint8_t ch, const char* name);
    ~CM_MCS_CHANNEL_NAME() override = default;
};

// Sends the 14 name bytes as they are.
class CM_MCS_PRESETNAME : public LCmd {
public:
    static constexpr std::size_t NameLength = 14;
    CM_MCS_PRESETNAME(std::uint8_t id, const char* name);
    ~CM_MCS_PRESETNAME() override = default;
};

// One page of a unit-file download. The payload lists the page before the
// preset although the constructor takes the preset first. The editor always
// sends 50 data bytes; at most MaxData are sent, so the frame's length byte
// always tells the truth.
class CM_MCS_DOWNLOAD : public LCmd {
public:
    static constexpr std::size_t MaxData = 252;
    CM_MCS_DOWNLOAD(std::uint8_t id, std::uint8_t preset, std::uint8_t page, std::uint32_t count,
                    const std::uint8_t* data);
    CM_MCS_DOWNLOAD(std::uint8_t id, std::uint8_t preset, std::uint8_t page,
                    std::span<const std::uint8_t> data);
    ~CM_MCS_DOWNLOAD() override = default;
};

class CM_MCS_MCU_RESET : public LCmd {
public:
    explicit CM_MCS_MCU_RESET(std::uint8_t id);
    ~CM_MCS_MCU_RESET() override = default;
};

class CM_MCS_READ_EEPROM : public LCmd {
public:
    CM_MCS_READ_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length);
    ~CM_MCS_READ_EEPROM() override = default;
};

// Writes length data bytes from address on. The unit takes at most MaxData
// bytes at once; a longer length is cut to it, length byte and data alike.
class CM_MCS_WRITE_EEPROM : public LCmd {
public:
    static constexpr std::uint8_t MaxData = 127;
    CM_MCS_WRITE_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length,
                        const std::uint8_t* data);
    CM_MCS_WRITE_EEPROM(std::uint8_t id, std::uint16_t address, std::span<const std::uint8_t> data);
    ~CM_MCS_WRITE_EEPROM() override = default;
};

// Sets the front-panel lock password (4 characters).
class CM_MCS_SET_LOCK : public LCmd {
public:
    static constexpr std::size_t PasswordLength = 4;
    CM_MCS_SET_LOCK(std::uint8_t id, const char* password);
    ~CM_MCS_SET_LOCK() override = default;
};

// Submits a password (4 characters); the unlock prompt sends kind 0.
class CM_MCS_PASS_SUBMIT : public LCmd {
public:
    static constexpr std::size_t PasswordLength = 4;
    CM_MCS_PASS_SUBMIT(std::uint8_t id, std::uint8_t kind, const char* password);
    ~CM_MCS_PASS_SUBMIT() override = default;
};

// Test signal: source 0 analogue input, 1 pink noise, 2 white noise, 3 sine;
// sine frequency index 0..30.
class CM_MCS_WORK_MODE : public LCmd {
public:
    CM_MCS_WORK_MODE(std::uint8_t id, std::uint8_t source, std::uint8_t sineFreqIndex);
    ~CM_MCS_WORK_MODE() override = default;
};
