#include "ui/curves/PlotList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Indexes(const TPlotList& list) {
    std::vector<int> out;
    for (const TPlotListMember* m = list.Head(); m != nullptr; m = m->Next.get()) {
        out.push_back(m->Index);
    }
    return out;
}

void Add(TPlotList& list, int index, double value, int color = 0x0000FF, int count = 3) {
    std::vector<double> x(static_cast<std::size_t>(count > 0 ? count : 0));
    std::vector<double> y(x.size(), value);
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = static_cast<double>(i);
    }
    list.AddPlot(x.data(), y.data(), count, index, color, PlotLine);
}

} // namespace

TEST(PlotList, ReplacingKeepsColourStyleAndPlace) {
    TPlotList list;
    const double x1[] = {0, 1, 2};
    const double y1[] = {5, 6, 7};
    EXPECT_FALSE(list.AddPlot(x1, y1, 3, 7, 0x0000FF, PlotLineFilledSquares));
    Add(list, 8, 1.0);
    const double x2[] = {10, 11};
    const double y2[] = {-1, -2};
    EXPECT_TRUE(list.AddPlot(x2, y2, 2, 7, 0x00FF00, PlotLine));
    TPlotListMember* m = nullptr;
    ASSERT_TRUE(list.FindPlot(7, m));
    EXPECT_EQ(m->Color, 0x0000FF);
    EXPECT_EQ(m->Style, PlotLineFilledSquares);
    EXPECT_EQ(m->NumPoints, 2);
    EXPECT_EQ(m->X, (std::vector<double>{10, 11}));
    EXPECT_EQ(m->Y, (std::vector<double>{-1, -2}));
    EXPECT_EQ(Indexes(list), (std::vector<int>{8, 7}));
}

TEST(PlotList, NewestFirstAndCopiesReverse) {
    TPlotList list;
    for (int i : {1, 2, 3}) {
        Add(list, i, i);
    }
    EXPECT_EQ(Indexes(list), (std::vector<int>{3, 2, 1}));
    TPlotList copy(list);
    EXPECT_EQ(Indexes(copy), (std::vector<int>{1, 2, 3}));
    // Deep: changing the copy leaves the source alone.
    TPlotListMember* m = nullptr;
    ASSERT_TRUE(copy.FindPlot(2, m));
    m->Y[0] = 99.0;
    ASSERT_TRUE(list.FindPlot(2, m));
    EXPECT_EQ(m->Y[0], 2.0);
    EXPECT_EQ(m->Next->Index, 1);
    TPlotListMember member(*m);
    EXPECT_EQ(member.Next, nullptr);
    EXPECT_EQ(member.Index, 2);
    EXPECT_EQ(member.Y, m->Y);
}

TEST(PlotList, DeleteHeadMiddleLastAndMissing) {
    struct Case {
        int Index;
        std::vector<int> Left;
    };
    for (const Case& c : {Case{5, {4, 3, 2, 1}}, Case{3, {5, 4, 2, 1}}, Case{1, {5, 4, 3, 2}}}) {
        TPlotList list;
        for (int i = 1; i <= 5; ++i) {
            Add(list, i, i);
        }
        EXPECT_TRUE(list.DeletePlot(c.Index));
        EXPECT_EQ(Indexes(list), c.Left);
        EXPECT_FALSE(list.DeletePlot(42));
        EXPECT_EQ(Indexes(list), c.Left);
    }
    TPlotList empty;
    TPlotListMember* m = reinterpret_cast<TPlotListMember*>(&empty);
    EXPECT_FALSE(empty.FindPlot(0, m));
    EXPECT_EQ(m, nullptr);
    EXPECT_FALSE(empty.DeletePlot(0));
}

TEST(PlotList, AppendAddsNewAndReplacesExisting) {
    TPlotList list;
    Add(list, 1, 1.0, 0x111111);
    Add(list, 2, 2.0, 0x222222);
    TPlotList other;
    Add(other, 2, 20.0, 0x999999);
    Add(other, 3, 30.0);
    Add(other, 4, 40.0);
    list.AppendPlots(other);
    // other iterates 4, 3, 2: 4 goes to the head, then 3; 2 is replaced.
    EXPECT_EQ(Indexes(list), (std::vector<int>{3, 4, 2, 1}));
    TPlotListMember* m = nullptr;
    ASSERT_TRUE(list.FindPlot(2, m));
    EXPECT_EQ(m->Y[0], 20.0);
    EXPECT_EQ(m->Color, 0x222222);
    list.AppendPlots(list); // to itself: nothing changes
    EXPECT_EQ(Indexes(list), (std::vector<int>{3, 4, 2, 1}));
    list.Clear();
    EXPECT_EQ(list.Head(), nullptr);
}

TEST(PlotList, DuplicatesFromCopiesActOnTheFirst) {
    TPlotList a;
    Add(a, 1, 1.0);
    TPlotList b(a);
    b.AppendPlots(a); // replaces, no duplicate
    EXPECT_EQ(Indexes(b), (std::vector<int>{1}));
    // A plot without points is kept but holds nothing to read.
    Add(b, 9, 0.0, 0, 0);
    Add(b, 10, 0.0, 0, -5);
    TPlotListMember* m = nullptr;
    ASSERT_TRUE(b.FindPlot(10, m));
    EXPECT_EQ(m->NumPoints, 0);
    EXPECT_TRUE(m->X.empty());
    EXPECT_TRUE(m->Y.empty());
}

TEST(PlotList, LongListsClearWithoutRecursion) {
    TPlotList list;
    const double v = 1.0;
    list.AddPlot(&v, &v, 1, 0, 0, PlotLine);
    // A chain far longer than any display holds, linked directly (AddPlot
    // searches the list): clearing it must not recurse member by member.
    TPlotListMember* tail = list.Head();
    for (int i = 0; i < 200000; ++i) {
        tail->Next = std::make_unique<TPlotListMember>();
        tail = tail->Next.get();
    }
    list.Clear();
    EXPECT_EQ(list.Head(), nullptr);
}
