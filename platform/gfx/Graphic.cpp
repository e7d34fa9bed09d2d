#include "platform/gfx/Graphic.h"

#include <fstream>
#include <iterator>

namespace korvan::gfx {

TBytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EInvalidGraphic("Cannot open file \"" + path + "\"");
    return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const TBytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw EInvalidGraphic("Cannot create file \"" + path + "\"");
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw EInvalidGraphic("Cannot write file \"" + path + "\"");
}

} // namespace korvan::gfx

void TGraphic::LoadFromFile(const std::string& path) {
    LoadFromBytes(korvan::gfx::ReadFileBytes(path));
}

void TGraphic::SaveToFile(const std::string& path) const {
    korvan::gfx::WriteFileBytes(path, SaveToBytes());
}
