#pragma once
// Constants every module of the editor shares.

inline constexpr const char* AppTitle = "the Brivane KORVAN DSP Processor Editor";
inline constexpr const char* AppVersion = "V1.0";
inline constexpr const char* DefaultUnitAddress = "192.168.1.101";
