#pragma once
// The byte streams the colour-scheme files are written and read with: 8-bit
// text (the system code page) and one XML element per line. Reading the
// stream's last byte, or past it, raises an Exception "EOF", so a complete
// file ends with one more character after its last element.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TiMemoryStream {
public:
    TiMemoryStream() = default;
    explicit TiMemoryStream(std::span<const std::uint8_t> bytes) : data_(bytes.begin(), bytes.end()) {}

    const std::vector<std::uint8_t>& Bytes() const { return data_; }
    std::size_t Size() const { return data_.size(); }
    std::size_t Position() const { return position_; }
    void SetPosition(std::size_t position) { position_ = std::min(position, data_.size()); }

    // value in the system code page, one byte a character, without length
    // or terminator. 256 characters or more raise an Exception "String
    // Exceeds 255 Characters".
    void WriteString(std::string_view value);
    void WriteCRLF();
    void WriteStringCRLF(std::string_view value);

    // The next byte as a character.
    char ReadChar();

protected:
    // The next byte without reading it; "EOF" when there is none.
    char PeekChar() const;
    void WriteBytes(std::string_view bytes);

private:
    std::vector<std::uint8_t> data_;
    std::size_t position_ = 0;
};

class TiXMLMemoryStream : public TiMemoryStream {
public:
    using TiMemoryStream::TiMemoryStream;

    // "<name>", "</name>" and "<name>value</name>", each on a line.
    void StartElement(std::string_view name);
    void EndElement(std::string_view name);
    void WriteElement(std::string_view name, std::string_view value);

    // The name of the next opening tag (closing tags are passed over; a
    // blank ends the name and the rest of the tag is skipped).
    std::string GetNameElementStart();
    // Reads opening tags until one is named value exactly.
    void GotoElementStart(std::string_view value);
    // The text up to the next "<", which stays unread.
    std::string GetElementValue();
    // The name of the closing tag that must follow; raises "XML Parsing
    // Error - \"<\" not Found" or "... \"/\" not Found" otherwise.
    std::string GetNameElementStop();
    // The value of the next element named name.
    std::string GetElement(std::string_view name);
    // After CR and LF: a tag's text without its brackets ("/" kept for a
    // closing tag), or the text up to the next "<".
    std::string GetNextPiece();
    std::string PeekNextPiece();

private:
    std::string ReadTagName();
};
