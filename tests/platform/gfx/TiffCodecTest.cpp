#include "platform/gfx/Codecs.h"
#include "platform/gfx/Gdiplus.h"

#include <gtest/gtest.h>

#include <vector>

using korvan::gfx::Bytes;
using korvan::gfx::DecodeTiff;

namespace {

// A TIFF file written field by field in either byte order: one directory
// of (tag, type, values) entries, values that do not fit the entry stored
// after it, then the strips.
class TiffWriter {
public:
    explicit TiffWriter(bool bigEndian) : big_(bigEndian) {}
    struct Field {
        unsigned tag, type;
        std::vector<std::uint32_t> values;
    };
    Bytes Write(std::vector<Field> fields, const std::vector<Bytes>& strips) const {
        // Strip offsets and counts are filled in once the layout is known.
        const std::size_t directorySize = 2 + 12 * fields.size() + 4;
        std::size_t extra = 8 + directorySize;
        std::vector<std::size_t> extraAt(fields.size(), 0);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::size_t bytes = fields[i].values.size() * (fields[i].type == 3 ? 2 : 4);
            if (bytes > 4) {
                extraAt[i] = extra;
                extra += bytes;
            }
        }
        std::size_t at = extra;
        for (Field& f : fields) {
            if (f.tag == 273) {
                f.values.clear();
                for (const Bytes& s : strips) {
                    f.values.push_back(std::uint32_t(at));
                    at += s.size();
                }
            }
            if (f.tag == 279) {
                f.values.clear();
                for (const Bytes& s : strips)
                    f.values.push_back(std::uint32_t(s.size()));
            }
        }
        Bytes out = big_ ? Bytes{'M', 'M'} : Bytes{'I', 'I'};
        U16(out, 42);
        U32(out, 8);
        U16(out, unsigned(fields.size()));
        Bytes tail;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const Field& f = fields[i];
            U16(out, f.tag);
            U16(out, f.type);
            U32(out, std::uint32_t(f.values.size()));
            Bytes values;
            for (std::uint32_t v : f.values)
                f.type == 3 ? U16(values, v) : U32(values, v);
            if (extraAt[i]) {
                U32(out, std::uint32_t(extraAt[i]));
                tail.insert(tail.end(), values.begin(), values.end());
            } else {
                values.resize(4, 0);
                out.insert(out.end(), values.begin(), values.end());
            }
        }
        U32(out, 0);
        out.insert(out.end(), tail.begin(), tail.end());
        for (const Bytes& s : strips)
            out.insert(out.end(), s.begin(), s.end());
        return out;
    }

private:
    void U16(Bytes& b, unsigned v) const {
        if (big_)
            b.insert(b.end(), {std::uint8_t(v >> 8), std::uint8_t(v)});
        else
            b.insert(b.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
    }
    void U32(Bytes& b, std::uint32_t v) const {
        if (big_) {
            U16(b, v >> 16);
            U16(b, v & 0xFFFF);
        } else {
            U16(b, v & 0xFFFF);
            U16(b, v >> 16);
        }
    }
    bool big_;
};

using Field = TiffWriter::Field;

std::vector<Field> Fields(unsigned w, unsigned h, unsigned photometric, unsigned samples,
                          unsigned compression, unsigned rowsPerStrip, std::size_t strips) {
    std::vector<Field> f = {{256, 3, {w}},
                            {257, 4, {h}},
                            {258, 3, std::vector<std::uint32_t>(samples, 8)},
                            {259, 3, {compression}},
                            {262, 3, {photometric}},
                            {273, 4, std::vector<std::uint32_t>(strips, 0)},
                            {277, 3, {samples}},
                            {278, 3, {rowsPerStrip}},
                            {279, 4, std::vector<std::uint32_t>(strips, 0)}};
    if (samples == 4)
        f.push_back({338, 3, {2}});
    return f;
}

} // namespace

TEST(TiffCodec, RgbInEitherByteOrderAndStrips) {
    for (bool big : {false, true}) {
        const Bytes file = TiffWriter(big).Write(Fields(2, 2, 2, 3, 1, 1, 2),
                                                 {{255, 0, 0, 0, 255, 0}, {0, 0, 255, 10, 20, 30}});
        const QImage img = DecodeTiff(file);
        ASSERT_FALSE(img.isNull()) << big;
        EXPECT_EQ(img.size(), QSize(2, 2));
        EXPECT_EQ(img.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(img.pixel(1, 0), qRgb(0, 255, 0));
        EXPECT_EQ(img.pixel(0, 1), qRgb(0, 0, 255));
        EXPECT_EQ(img.pixel(1, 1), qRgb(10, 20, 30));
        // The GDI+ image reads it by its signature.
        const auto image = Gdiplus::Image::FromBytes(file);
        EXPECT_EQ(image->GetRawFormat(), Gdiplus::ImageFormat::Tiff);
        EXPECT_EQ(image->GetWidth(), 2u);
    }
}

TEST(TiffCodec, GreyPaletteAlphaAndPackBits) {
    // PackBits: a run of three 7s, then two literal bytes.
    const QImage grey =
        DecodeTiff(TiffWriter(true).Write(Fields(5, 1, 1, 1, 32773, 1, 1), {{0xFE, 7, 1, 9, 200}}));
    ASSERT_FALSE(grey.isNull());
    EXPECT_EQ(grey.pixel(0, 0), qRgb(7, 7, 7));
    EXPECT_EQ(grey.pixel(4, 0), qRgb(200, 200, 200));
    const QImage inverted = DecodeTiff(TiffWriter(false).Write(Fields(1, 1, 0, 1, 1, 1, 1), {{0}}));
    EXPECT_EQ(inverted.pixel(0, 0), qRgb(255, 255, 255));

    std::vector<Field> palette = Fields(2, 1, 3, 1, 1, 1, 1);
    std::vector<std::uint32_t> map(768, 0);
    map[1] = 0xFFFF;       // entry 1 red
    map[512 + 0] = 0x8000; // entry 0 half blue
    palette.push_back({320, 3, map});
    const QImage indexed = DecodeTiff(TiffWriter(false).Write(palette, {{0, 1}}));
    ASSERT_FALSE(indexed.isNull());
    EXPECT_EQ(indexed.pixel(0, 0), qRgb(0, 0, 128));
    EXPECT_EQ(indexed.pixel(1, 0), qRgb(255, 0, 0));

    const QImage rgba = DecodeTiff(TiffWriter(false).Write(Fields(1, 1, 2, 4, 1, 1, 1), {{1, 2, 3, 4}}));
    EXPECT_EQ(rgba.pixel(0, 0), qRgba(1, 2, 3, 4));
}

TEST(TiffCodec, RefusesWhatItCannotRead) {
    const TiffWriter le(false);
    const Bytes good = le.Write(Fields(2, 1, 2, 3, 1, 1, 1), {{1, 2, 3, 4, 5, 6}});
    ASSERT_FALSE(DecodeTiff(good).isNull());
    for (std::size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_TRUE(DecodeTiff(Bytes(good.begin(), good.begin() + std::ptrdiff_t(cut))).isNull()) << cut;
    EXPECT_TRUE(DecodeTiff(le.Write(Fields(2, 1, 2, 3, 5, 1, 1), {{1, 2, 3, 4, 5, 6}})).isNull()) << "LZW";
    std::vector<Field> wide = Fields(1, 1, 1, 1, 1, 1, 1);
    wide[2].values = {16};
    EXPECT_TRUE(DecodeTiff(le.Write(wide, {{1, 2}})).isNull()) << "16 bits";
    EXPECT_TRUE(DecodeTiff(le.Write(Fields(40000, 1, 1, 1, 1, 1, 1), {{1}})).isNull()) << "too wide";
    // A PackBits run longer than the row.
    EXPECT_TRUE(DecodeTiff(le.Write(Fields(2, 1, 1, 1, 32773, 1, 1), {{0xFD, 7}})).isNull());
    // A palette picture without its colour map.
    EXPECT_TRUE(DecodeTiff(le.Write(Fields(1, 1, 3, 1, 1, 1, 1), {{0}})).isNull());
}
