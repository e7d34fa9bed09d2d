#pragma once
// One device command held as data: the device ID it goes to (or comes from),
// its command code and its payload bytes in wire order.

#include <cstddef>
#include <cstdint>
#include <vector>

class LCmd {
public:
    // An empty record: ID 0, code 0, no payload. It holds no command, so it
    // is not valid.
    LCmd() = default;
    // A record with the given ID and code and no payload.
    LCmd(std::uint8_t id, std::uint8_t code);
    // Parses a complete received frame. A frame with a bad start or end
    // marker, a length byte of 0 or a size that disagrees with its length
    // byte gives an invalid record with ID 0, code 0 and no payload: neither
    // is ever a device ID the editor talks to or a code it acts on. The check
    // byte is not looked at.
    explicit LCmd(const std::vector<std::uint8_t>& frame);
    virtual ~LCmd() = default;

    LCmd(const LCmd&) = default;
    LCmd& operator=(const LCmd&) = default;
    LCmd(LCmd&&) = default;
    LCmd& operator=(LCmd&&) = default;

    std::uint8_t GetId() const { return id_; }
    std::uint8_t GetCode() const { return code_; }
    const std::vector<std::uint8_t>& GetPayload() const { return payload_; }
    bool IsValid() const { return valid_; }

protected:
    void AppendByte(std::uint8_t b);
    // Low byte first, then high byte.
    void AppendWord(std::uint16_t w);
    // Appends count bytes from data; a null pointer appends count zero bytes,
    // so the payload keeps the length the record promises.
    void AppendBytes(const std::uint8_t* data, std::size_t count);
    void AppendBytes(const char* data, std::size_t count);

private:
    std::uint8_t id_ = 0;
    std::uint8_t code_ = 0;
    std::vector<std::uint8_t> payload_;
    bool valid_ = false;
};
