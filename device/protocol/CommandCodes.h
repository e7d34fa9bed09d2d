#pragma once
// Command codes of the unit's frame protocol. Codes sent through the generic
// record CM_MCS_CMD carry the code's own name; the codes of the parameter
// records are named after their record class without the CM_ prefix.

#include <cstdint>

// Codes carried by the generic record and the unit's replies.
inline constexpr std::uint8_t MCS_ACK = 0x01;
inline constexpr std::uint8_t MCS_CONNECT = 0x10;
inline constexpr std::uint8_t MCS_RELEASE = 0x11;
inline constexpr std::uint8_t MCS_ALIVE = 0x12;
inline constexpr std::uint8_t MCS_IDENTITY = 0x13;
inline constexpr std::uint8_t MCS_CURRENT_PRESET = 0x14;
inline constexpr std::uint8_t MCS_RECALL_PRESET = 0x20;
inline constexpr std::uint8_t MCS_STORE_PRESET = 0x21;
inline constexpr std::uint8_t MCS_PRESET_FLAGS = 0x22;
inline constexpr std::uint8_t MCS_FACTORY_RESET = 0x23;
// 0x24 selects a stored preset when the editor sends it and carries a state
// page when the unit sends it.
inline constexpr std::uint8_t MCS_SELECT_PRESET = 0x24;
inline constexpr std::uint8_t MCS_STATE_PAGE = 0x24;
inline constexpr std::uint8_t MCS_READ_STATE_PAGE = 0x27;
inline constexpr std::uint8_t MCS_READ_PRESET_PAGE = 0x28;
inline constexpr std::uint8_t MCS_READ_PRESET_NAME = 0x29;
inline constexpr std::uint8_t MCS_COPY_CHANNEL = 0x2A;
inline constexpr std::uint8_t MCS_LOCK_STATE = 0x2C;
inline constexpr std::uint8_t MCS_LINK = 0x3B;
inline constexpr std::uint8_t MCS_PEQ_BYPASS = 0x3C;
inline constexpr std::uint8_t MCS_LEVELS = 0x40;
inline constexpr std::uint8_t MCS_GEQ_BYPASS = 0x49;

// Codes of the parameter records.
inline constexpr std::uint8_t MCS_MCU_RESET = 0x04;
inline constexpr std::uint8_t MCS_DELAYUNIT = 0x15;
inline constexpr std::uint8_t MCS_READ_EEPROM = 0x19;
inline constexpr std::uint8_t MCS_WRITE_EEPROM = 0x1A;
inline constexpr std::uint8_t MCS_DOWNLOAD = 0x25;
inline constexpr std::uint8_t MCS_PRESETNAME = 0x26;
inline constexpr std::uint8_t MCS_PASS_SUBMIT = 0x2D;
inline constexpr std::uint8_t MCS_SET_LOCK = 0x2F;
inline constexpr std::uint8_t MCS_COMP = 0x30;
inline constexpr std::uint8_t MCS_LOW_PASS = 0x31;
inline constexpr std::uint8_t MCS_HIGH_PASS = 0x32;
inline constexpr std::uint8_t MCS_PEQ = 0x33;
inline constexpr std::uint8_t MCS_GAIN = 0x34;
inline constexpr std::uint8_t MCS_MUTE = 0x35;
inline constexpr std::uint8_t MCS_POLARITY = 0x36;
inline constexpr std::uint8_t MCS_DELAY = 0x38;
inline constexpr std::uint8_t MCS_WORK_MODE = 0x39;
inline constexpr std::uint8_t MCS_MATRIX = 0x3A;
inline constexpr std::uint8_t MCS_CHANNEL_NAME = 0x3D;
inline constexpr std::uint8_t MCS_GATE = 0x3E;
inline constexpr std::uint8_t MCS_LIMIT = 0x3F;
inline constexpr std::uint8_t MCS_MIX = 0x41;
inline constexpr std::uint8_t MCS_GEQ = 0x48;
