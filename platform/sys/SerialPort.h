#pragma once
// A serial port over termios in raw mode: no echo, no flow control, no CR/LF
// or other byte translation, so every byte value passes untouched. Opened
// exclusively and non-blocking; the I/O thread polls Fd() for input.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace korvan::sys {

enum class Parity { None, Odd, Even };
enum class StopBits { One, Two };

struct SerialSettings {
    int baudRate = 115200;
    int byteSize = 8; // 5 to 8
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
};

class SerialPort {
public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens the device at `path` for reading and writing, refuses when
    // another holder has it open exclusively, applies the settings and
    // purges both directions. On failure the port stays closed and Error()
    // tells why.
    bool Open(const std::string& path, const SerialSettings& settings);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    // Readable when bytes wait (or the device has failed).
    int Fd() const { return fd_; }

    // Writes all bytes, waiting for room up to `timeoutMs` in all; returns
    // how many were written.
    std::size_t Write(const std::uint8_t* bytes, std::size_t length, int timeoutMs = 1000);
    // Appends every byte waiting now to `out`. False when the device has
    // failed or hung up.
    bool ReadAvailable(std::vector<std::uint8_t>& out);
    // Drops what waits in both directions.
    void Purge();
    // The output rate the device runs at now, 0 when unknown.
    int CurrentBaudRate() const;

    const std::string& Error() const { return error_; }

    // Whether Open takes `baudRate`: any positive rate, those of the termios
    // table as such, every other one through the arbitrary-rate interface
    // (the device may still refuse it, and then Open fails).
    static bool IsSupportedBaudRate(int baudRate);

private:
    bool Fail(const std::string& what);

    int fd_ = -1;
    std::string error_;
};

} // namespace korvan::sys
