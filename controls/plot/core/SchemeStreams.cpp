#include "controls/plot/core/SchemeStreams.h"

#include "platform/text/AnsiText.h"
#include "platform/text/Exception.h"

namespace {

[[noreturn]] void EndOfStream() {
    throw Exception("EOF");
}

} // namespace

void TiMemoryStream::WriteBytes(std::string_view bytes) {
    const std::size_t end = position_ + bytes.size();
    if (end > data_.size())
        data_.resize(end);
    std::copy(bytes.begin(), bytes.end(), data_.begin() + std::ptrdiff_t(position_));
    position_ = end;
}

void TiMemoryStream::WriteString(std::string_view value) {
    const std::string bytes = korvan::text::ToAnsi(value, korvan::text::SystemAnsiCodePage());
    if (bytes.size() >= 256)
        throw Exception("String Exceeds 255 Characters");
    WriteBytes(bytes);
}

void TiMemoryStream::WriteCRLF() {
    WriteBytes("\r\n");
}

void TiMemoryStream::WriteStringCRLF(std::string_view value) {
    WriteString(value);
    WriteCRLF();
}

char TiMemoryStream::ReadChar() {
    if (position_ >= data_.size())
        EndOfStream();
    const char c = char(data_[position_++]);
    if (position_ == data_.size())
        EndOfStream();
    return c;
}

char TiMemoryStream::PeekChar() const {
    if (position_ >= data_.size())
        EndOfStream();
    return char(data_[position_]);
}

void TiXMLMemoryStream::StartElement(std::string_view name) {
    WriteStringCRLF("<" + std::string(name) + ">");
}

void TiXMLMemoryStream::EndElement(std::string_view name) {
    WriteStringCRLF("</" + std::string(name) + ">");
}

void TiXMLMemoryStream::WriteElement(std::string_view name, std::string_view value) {
    WriteStringCRLF("<" + std::string(name) + ">" + std::string(value) + "</" + std::string(name) + ">");
}

std::string TiXMLMemoryStream::ReadTagName() {
    std::string name;
    for (char c = ReadChar(); c != '>'; c = ReadChar()) {
        if (c == ' ') {
            while (ReadChar() != '>') {
            }
            break;
        }
        name += c;
    }
    return name;
}

std::string TiXMLMemoryStream::GetNameElementStart() {
    while (ReadChar() != '<') {
    }
    std::string name;
    for (char c = ReadChar(); c != '>'; c = ReadChar()) {
        if (c == '/') {
            // A closing tag: go on with the next tag.
            name.clear();
            while (ReadChar() != '<') {
            }
            continue;
        }
        if (c == ' ') {
            while (ReadChar() != '>') {
            }
            break;
        }
        name += c;
    }
    return name;
}

void TiXMLMemoryStream::GotoElementStart(std::string_view value) {
    while (GetNameElementStart() != value) {
    }
}

std::string TiXMLMemoryStream::GetElementValue() {
    std::string value;
    while (PeekChar() != '<')
        value += ReadChar();
    return value;
}

std::string TiXMLMemoryStream::GetNameElementStop() {
    if (ReadChar() != '<')
        throw Exception("XML Parsing Error - \"<\" not Found");
    if (ReadChar() != '/')
        throw Exception("XML Parsing Error - \"/\" not Found");
    return ReadTagName();
}

std::string TiXMLMemoryStream::GetElement(std::string_view name) {
    GotoElementStart(name);
    std::string value = GetElementValue();
    while (GetNameElementStop() != name) {
    }
    return value;
}

std::string TiXMLMemoryStream::GetNextPiece() {
    while (PeekChar() == '\r' || PeekChar() == '\n')
        ReadChar();
    std::string piece;
    if (PeekChar() == '<') {
        ReadChar();
        for (char c = ReadChar(); c != '>'; c = ReadChar())
            piece += c;
        return piece;
    }
    while (PeekChar() != '<')
        piece += ReadChar();
    return piece;
}

std::string TiXMLMemoryStream::PeekNextPiece() {
    const std::size_t saved = Position();
    try {
        std::string piece = GetNextPiece();
        SetPosition(saved);
        return piece;
    } catch (...) {
        SetPosition(saved);
        throw;
    }
}
