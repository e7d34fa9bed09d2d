// A calculator's sections take curve storage only once they are designed,
// and read exactly as before until then.
#include "ui/curves/Plot.h"
#include "ui/curves/SectionCurve.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <utility>

using korvan::curves::CurvePointCount;
using korvan::curves::CurveValues;
using korvan::curves::SectionCurve;

namespace {

bool SameBits(const SectionCurve& a, const SectionCurve& b) {
    return std::memcmp(a.data(), b.data(), sizeof(double) * CurvePointCount) == 0;
}

int OwnedSections(const Plot& plot) {
    int owned = 0;
    for (const auto& s : plot.Sections)
        owned += s->Response.Owned() ? 1 : 0;
    return owned;
}

TEST(SectionStorage, FreshSectionsShareOneCurveThatReadsAsTheirDesign) {
    const Plot plot(nullptr);
    PlotSection designed;
    SetSection(designed, 0.0, 1000.0, 0.4, 3);
    for (const auto& s : plot.Sections) {
        // Sections are held by pointer: read them through const.
        const SectionCurve& curve = s->Response;
        EXPECT_TRUE(SameBits(curve, designed.Response));
        EXPECT_EQ(curve.data(), std::as_const(plot.Sections[0]->Response).data());
    }
    EXPECT_EQ(OwnedSections(plot), 0);
}

TEST(SectionStorage, DesigningASectionAndTheTotalOwnOnlyThoseTwo) {
    Plot plot(nullptr);
    SetSection(*plot.Sections[5], 6.0, 100.0, 1.0, 1);
    plot.BuildTotal();
    EXPECT_TRUE(plot.Sections[5]->Response.Owned());
    EXPECT_TRUE(plot.Sections[Plot::TotalSection]->Response.Owned());
    EXPECT_EQ(OwnedSections(plot), 2);

    // The total is the same sum, in the same order, as over private copies.
    const auto& fresh = std::as_const(plot.Sections[0]->Response);
    const auto& band = std::as_const(plot.Sections[5]->Response);
    for (int k = 0; k < CurvePointCount; ++k) {
        double sum = 0.0;
        for (int n = 0; n < Plot::SummedSections; ++n)
            sum += n == 5 ? band[std::size_t(k)] : fresh[std::size_t(k)];
        ASSERT_EQ(std::as_const(plot.Sections[Plot::TotalSection]->Response)[std::size_t(k)], sum) << k;
    }
}

TEST(SectionStorage, FlatSectionsReadZeroWithoutStorage) {
    Plot plot(nullptr);
    SetSection(*plot.Sections[34], 0.0, 1000.0, 0.4, 10);
    EXPECT_FALSE(plot.Sections[34]->Response.Owned());
    for (double v : std::as_const(plot.Sections[34]->Response))
        ASSERT_EQ(v, 0.0);
    // A designed section made flat keeps its storage, cleared.
    SetSection(*plot.Sections[35], 3.0, 500.0, 1.0, 1);
    SetSection(*plot.Sections[35], 0.0, 1000.0, 0.4, 10);
    EXPECT_TRUE(plot.Sections[35]->Response.Owned());
    for (double v : std::as_const(plot.Sections[35]->Response))
        ASSERT_EQ(v, 0.0);
}

TEST(SectionStorage, AWriteNeverReachesACurveThatSharedOrCopiedIt) {
    auto shared = std::make_shared<CurveValues>();
    shared->fill(2.5);
    SectionCurve a(shared);
    SectionCurve b(shared);
    a[7] = -1.0;
    EXPECT_TRUE(a.Owned());
    EXPECT_FALSE(b.Owned());
    EXPECT_EQ(a[0], 2.5); // the rest of the shared curve came along
    EXPECT_EQ(std::as_const(b)[7], 2.5);
    EXPECT_EQ((*shared)[7], 2.5);

    SectionCurve copy(a);
    copy[7] = 9.0;
    EXPECT_EQ(std::as_const(a)[7], -1.0);
    b = a;
    EXPECT_TRUE(b.Owned());
    b[0] = 4.0;
    EXPECT_EQ(std::as_const(a)[0], 2.5);
    a = SectionCurve();
    EXPECT_FALSE(a.Owned());
    EXPECT_EQ(std::as_const(a)[7], 0.0);
}

} // namespace
