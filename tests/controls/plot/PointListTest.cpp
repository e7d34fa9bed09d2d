// The point lists: growth rule, ring buffer and its tail, deletion, the
// style switch, and what each kind keeps of a point.

#include "controls/plot/core/CompactPointLists.h"
#include "controls/plot/core/FullPointList.h"
#include "controls/plot/core/NullPointList.h"
#include "controls/plot/core/PointListStyles.h"
#include "tests/controls/plot/PlotTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

using korvan::testing::RaisedMessage;

std::vector<double> Ys(const TiPlotDataCustomList& list) {
    std::vector<double> ys;
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        ys.push_back(list.GetY(i));
    }
    return ys;
}

std::vector<double> Xs(const TiPlotDataCustomList& list) {
    std::vector<double> xs;
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        xs.push_back(list.GetX(i));
    }
    return xs;
}

// Adds points with X 0, 1, 2, ... (so evenly spaced for every kind) and
// the given Y values; returns the last Add's result.
std::int32_t AddYs(TiPlotDataCustomList& list, std::initializer_list<double> ys) {
    std::int32_t last = -1;
    for (double y : ys) {
        last = list.Add(list.Count(), y, false, false);
    }
    return last;
}

using Values = std::vector<double>;

// What every kind shares: the storage contract.
struct Kind {
    TiPlotDataStyle style;
    std::int32_t pointSize;
    std::int32_t maxPoints;
    const char* deleteMessage;
};

class PointListContract : public ::testing::TestWithParam<Kind> {
protected:
    std::unique_ptr<TiPlotDataCustomList> list = MakePointList(GetParam().style);
};

TEST_P(PointListContract, SizesFollowThePointSize) {
    EXPECT_EQ(list->DataPointSize(), GetParam().pointSize);
    EXPECT_EQ(list->MaxDataPoints(), GetParam().maxPoints);
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->RingBufferSize(), 0);
    EXPECT_TRUE(list->StoredBarVisible());
    EXPECT_EQ(list->StoredMarkerSize(), 0);
}

TEST_P(PointListContract, GrowsByTheRule) {
    struct Case {
        std::int32_t points, capacity;
    };
    for (const Case c :
         {Case{1, 4}, {4, 4}, {5, 8}, {9, 12}, {13, 28}, {29, 44}, {61, 76}, {77, 95}, {96, 118}}) {
        while (list->Count() < c.points) {
            AddYs(*list, {1.0});
        }
        EXPECT_EQ(list->Capacity(), c.capacity) << c.points << " points";
        EXPECT_EQ(list->MemoryUsed(), std::int64_t(c.capacity) * GetParam().pointSize);
    }
    list->Clear();
    EXPECT_EQ(list->Capacity(), 0);
    EXPECT_EQ(list->MemoryUsed(), 0);
}

TEST_P(PointListContract, FullRingOverwritesTheOldest) {
    list->SetRingBufferSize(3);
    EXPECT_EQ(AddYs(*list, {1, 2}), 1);
    EXPECT_EQ(list->Tail(), 0);
    EXPECT_EQ(AddYs(*list, {3, 4, 5}), 2);
    EXPECT_EQ(Ys(*list), (Values{3, 4, 5}));
    EXPECT_EQ(list->Tail(), 2);
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Capacity(), 3);

    list->Clear();
    EXPECT_EQ(list->Capacity(), 3);
    EXPECT_EQ(list->Tail(), 0);
}

TEST_P(PointListContract, BadIndexesRaise) {
    for (int points : {0, 3}) {
        list->Clear();
        for (int i = 0; i < points; ++i) {
            AddYs(*list, {1.0});
        }
        for (std::int32_t index : {-1, points}) {
            EXPECT_EQ(RaisedMessage([&] { list->MapIndex(index); }), "Index out of Bounds");
            EXPECT_EQ(RaisedMessage([&] { list->GetY(index); }), "Index out of Bounds");
            EXPECT_EQ(RaisedMessage([&] { list->SetY(index, 0); }), "Index out of Bounds");
        }
    }
}

TEST_P(PointListContract, DeleteKeepsTheNewest) {
    AddYs(*list, {10, 20, 30, 40});
    EXPECT_EQ(RaisedMessage([&] { list->DeletePoints(-1); }), GetParam().deleteMessage);
    EXPECT_EQ(RaisedMessage([&] { list->DeletePoints(5); }), GetParam().deleteMessage);
    EXPECT_EQ(Ys(*list), (Values{10, 20, 30, 40}));
    list->DeletePoints(2);
    EXPECT_EQ(Ys(*list), (Values{30, 40}));
    EXPECT_EQ(list->Capacity(), 4);
}

TEST_P(PointListContract, DeleteOnAWrappedRingUnwrapsIt) {
    list->SetRingBufferSize(3);
    AddYs(*list, {1, 2, 3, 4, 5});
    list->DeletePoints(1);
    EXPECT_EQ(Ys(*list), (Values{4, 5}));
    EXPECT_EQ(list->Tail(), 0);
    EXPECT_EQ(AddYs(*list, {6}), 2);
    EXPECT_EQ(AddYs(*list, {7}), 2);
    EXPECT_EQ(Ys(*list), (Values{5, 6, 7}));
}

// Switching the ring on, off or to another size keeps the newest points
// that fit, in order, also when the ring has wrapped.
TEST_P(PointListContract, RingSizeChangesKeepTheNewestInOrder) {
    struct Case {
        std::int32_t ringBefore;
        std::initializer_list<double> fed;
        std::int32_t ringAfter;
        Values kept;
        Values afterTwoMore; // 8 and 9 added
    };
    const Case cases[] = {
        {0, {1, 2, 3, 4, 5}, 2, {4, 5}, {8, 9}},
        {0, {1, 2, 3}, 5, {1, 2, 3}, {1, 2, 3, 8, 9}},
        {3, {1, 2, 3, 4, 5}, 0, {3, 4, 5}, {3, 4, 5, 8, 9}},
        {3, {1, 2, 3, 4, 5}, 5, {3, 4, 5}, {3, 4, 5, 8, 9}},
        {3, {1, 2, 3, 4, 5}, 2, {4, 5}, {8, 9}},
        {3, {1, 2, 3, 4, 5}, 3, {3, 4, 5}, {5, 8, 9}},
        {4, {1, 2}, 1, {2}, {9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ring " << c.ringBefore << " -> " << c.ringAfter);
        list = MakePointList(GetParam().style);
        list->SetRingBufferSize(c.ringBefore);
        AddYs(*list, c.fed);
        list->SetRingBufferSize(c.ringAfter);
        EXPECT_EQ(Ys(*list), c.kept);
        EXPECT_EQ(list->RingBufferSize(), c.ringAfter);
        AddYs(*list, {8, 9});
        EXPECT_EQ(Ys(*list), c.afterTwoMore);
    }
}

TEST_P(PointListContract, SizesOutOfRangeAreRefusedAndChangeNothing) {
    AddYs(*list, {1, 2, 3});
    const std::int32_t max = list->MaxDataPoints();
    EXPECT_EQ(RaisedMessage([&] { list->SetCapacity(max + 1); }), "Exceed Maximum List Size");
    EXPECT_EQ(RaisedMessage([&] { list->SetCapacity(-1); }), "Exceed Maximum List Size");
    EXPECT_EQ(RaisedMessage([&] { list->SetRingBufferSize(-1); }), "Exceed Maximum List Size");
    EXPECT_EQ(RaisedMessage([&] { list->SetRingBufferSize(max + 1); }), "Exceed Maximum List Size");
    EXPECT_EQ(Ys(*list), (Values{1, 2, 3}));
    EXPECT_EQ(list->Capacity(), 4);
    EXPECT_FALSE(list->RingBufferEnabled());

    list->SetCapacity(2);
    EXPECT_EQ(Ys(*list), (Values{1, 2}));
    EXPECT_EQ(list->Capacity(), 2);
}

TEST_P(PointListContract, RestylingKeepsDefaultsAndRingButNotPoints) {
    list->SetRingBufferSize(7);
    list->SetStoredTraceLineColor(0x123456);
    list->SetStoredMarkerSize(9);
    list->SetStoredMarkerCharacter(u'x');
    list->SetStoredBarReference(2.5);
    AddYs(*list, {1, 2});
    for (TiPlotDataStyle style : {ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature}) {
        const std::unique_ptr<TiPlotDataCustomList> next = RestylePointList(*list, style);
        EXPECT_EQ(next->Count(), 0);
        EXPECT_EQ(next->RingBufferSize(), 7);
        EXPECT_EQ(next->StoredTraceLineColor(), 0x123456);
        EXPECT_EQ(next->StoredMarkerSize(), 9);
        EXPECT_EQ(next->StoredBarReference(), 2.5);
        EXPECT_EQ(next->StoredMarkerCharacter(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, PointListContract,
                         ::testing::Values(Kind{ipdsStandard, 24, 89478485, "Delete size out of Range"},
                                           Kind{ipdsCompact, 8, 268435455, "Delete size out of Range"},
                                           Kind{ipdsCompactInterval, 4, 536870911,
                                                "Delete size out of Range"},
                                           Kind{ipdsFullFeature, 144, 14913080, "Delete Size Out Of Range"}));

TEST(PointListDelete, TheWholeCountIsRefusedExceptByTheIntervalList) {
    struct Case {
        TiPlotDataStyle style;
        std::string message;
    };
    for (const Case& c : {Case{ipdsStandard, "Delete size out of Range"},
                          {ipdsCompact, "Delete size out of Range"},
                          {ipdsFullFeature, "Delete Size Out Of Range"},
                          {ipdsCompactInterval, "no error"}}) {
        for (int points : {0, 2}) {
            const std::unique_ptr<TiPlotDataCustomList> list = MakePointList(c.style);
            if (points == 2) {
                AddYs(*list, {1, 2});
            }
            EXPECT_EQ(RaisedMessage([&] { list->DeletePoints(list->Count()); }), c.message)
                << c.style << " with " << points << " points";
            EXPECT_EQ(list->Count(), c.style == ipdsCompactInterval ? 0 : points);
        }
    }
}

TEST(NullPointList, KeepsFlagsAndMarkerPerPoint) {
    TiPlotDataNullList list;
    list.SetStoredMarkerVisible(true);
    list.SetStoredMarkerStyle(ipmsTriangleUp);
    list.Add(1, 2, true, false);
    list.SetStoredMarkerVisible(false);
    list.SetStoredMarkerStyle(ipmsCharacter);
    list.Add(3, 4, false, true);

    EXPECT_TRUE(list.GetPointMarkerVisible(0));
    EXPECT_EQ(list.GetPointMarkerStyle(0), ipmsTriangleUp);
    EXPECT_FALSE(list.GetPointMarkerVisible(1));
    EXPECT_EQ(list.GetPointMarkerStyle(1), ipmsCharacter);
    EXPECT_TRUE(list.GetNull(0));
    EXPECT_FALSE(list.GetEmpty(0));
    EXPECT_FALSE(list.GetNull(1));
    EXPECT_TRUE(list.GetEmpty(1));

    // Each setter changes its own bits and nothing else.
    list.SetNull(0, false);
    list.SetEmpty(0, true);
    list.SetPointMarkerStyle(1, ipmsSquare);
    list.SetPointMarkerVisible(1, true);
    list.SetPointTraceLineColor(1, 0x00FF00);
    double x = 0, y = 0;
    bool empty = false, null = true;
    list.GetXYEmptyNull(0, x, y, empty, null);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 2);
    EXPECT_TRUE(empty);
    EXPECT_FALSE(null);
    EXPECT_TRUE(list.GetPointMarkerVisible(0));
    EXPECT_EQ(list.GetPointMarkerStyle(0), ipmsTriangleUp);
    EXPECT_EQ(list.GetPointMarkerStyle(1), ipmsSquare);
    EXPECT_TRUE(list.GetPointMarkerVisible(1));
    EXPECT_TRUE(list.GetEmpty(1));
    EXPECT_EQ(list.GetPointTraceLineColor(1), list.StoredTraceLineColor());
}

TEST(CompactPointList, KeepsSinglePrecisionAndNoFlags) {
    TiPlotDataCompactList list;
    list.Add(0.1, 1e10 + 1, true, true);
    EXPECT_EQ(list.GetX(0), double(0.1f));
    EXPECT_NEAR(list.GetX(0), 0.100000001490116, 1e-15);
    EXPECT_EQ(list.GetY(0), 1e10);
    EXPECT_FALSE(list.GetNull(0));
    EXPECT_FALSE(list.GetEmpty(0));
    list.SetNull(0, true);
    list.SetPointMarkerSize(0, 5);
    EXPECT_FALSE(list.GetNull(0));
    EXPECT_EQ(list.GetPointMarkerSize(0), 0);
}

TEST(CompactIntervalPointList, WorksOutXFromTheFirstTwoPoints) {
    TiPlotDataCompactIntervalList list;
    for (double x : {10, 12, 99, 5}) {
        list.Add(x, x, false, false);
    }
    EXPECT_EQ(Xs(list), (Values{10, 12, 14, 16}));
    EXPECT_EQ(Ys(list), (Values{10, 12, 99, 5}));
    EXPECT_EQ(list.GetX(-1), 8);
    EXPECT_EQ(list.GetX(10), 30);

    EXPECT_EQ(
        RaisedMessage([&] { list.SetX(1, 5.0); }),
        "Data Style does not support setting individual X-Value with the exception of the first X-Value");
    list.SetX(0, 100.0);
    EXPECT_EQ(Xs(list), (Values{100, 102, 104, 106}));

    list.DeletePoints(1);
    EXPECT_EQ(Xs(list), (Values{102, 104, 106}));

    list.Clear();
    EXPECT_EQ(list.Interval(), TiPlotDataCompactIntervalList::UnknownInterval);
    EXPECT_EQ(
        RaisedMessage([&] { list.SetX(0, 5.0); }),
        "Data Style does not support setting individual X-Value with the exception of the first X-Value");
    for (double x : {1, 6, 7}) {
        list.Add(x, 0, false, false);
    }
    EXPECT_EQ(Xs(list), (Values{1, 6, 11}));
}

TEST(CompactIntervalPointList, ARingKeepsTheXOfItsPoints) {
    struct Case {
        std::int32_t ring;
        Values fedX;
        Values xs;
    };
    for (const Case& c : {Case{3, {0, 1, 2, 3}, {1, 2, 3}}, Case{3, {0, 1, 2, 3, 4, 5, 6}, {4, 5, 6}},
                          Case{1, {5}, {5}}, Case{1, {5, 7, 9}, {9}}, Case{2, {5, 7, 9}, {7, 9}}}) {
        TiPlotDataCompactIntervalList list;
        list.SetRingBufferSize(c.ring);
        for (double x : c.fedX) {
            list.Add(x, x, false, false);
        }
        EXPECT_EQ(Xs(list), c.xs) << "ring " << c.ring;
        EXPECT_EQ(Ys(list), c.xs) << "ring " << c.ring;
    }
}

TEST(FullPointList, CopiesTheDefaultsOfTheMoment) {
    TiPlotDataFullList list;
    list.SetStoredMarkerSize(7);
    list.SetStoredMarkerCharacter(u'A');
    list.SetStoredBarWidth(0.5);
    list.Add(1, 2, true, true);
    list.SetStoredMarkerSize(3);
    EXPECT_EQ(list.GetPointMarkerSize(0), 7);
    EXPECT_EQ(list.GetPointMarkerCharacter(0), 0);
    EXPECT_EQ(list.GetPointBarWidth(0), 0.5);
    EXPECT_TRUE(list.GetPointBarVisible(0));
    EXPECT_TRUE(list.GetNull(0));
    EXPECT_TRUE(list.GetEmpty(0));
    for (auto get : {&TiPlotDataCustomList::GetHigh, &TiPlotDataCustomList::GetLow,
                     &TiPlotDataCustomList::GetOpen, &TiPlotDataCustomList::GetClose}) {
        EXPECT_EQ((list.*get)(0), 0.0);
    }
    list.SetHigh(0, 4);
    list.SetLow(0, 1);
    list.SetOpen(0, 2);
    list.SetClose(0, 3);
    list.SetPointMarkerPenColor(0, 0x0000FF);
    EXPECT_EQ((Values{list.GetHigh(0), list.GetLow(0), list.GetOpen(0), list.GetClose(0)}),
              (Values{4, 1, 2, 3}));
    EXPECT_EQ(list.GetPointMarkerPenColor(0), 0x0000FF);
    EXPECT_EQ(list.GetPointMarkerSize(0), 7);
}

} // namespace
