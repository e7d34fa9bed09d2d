// The layout manager: rows and edges of layout objects as they come, go
// and turn, shown as placements of each object.

#include "controls/plot/layout/LayoutManager.h"
#include "tests/controls/plot/PlotTestSupport.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::FakeMaster;
using korvan::testing::TestLayoutObject;
using korvan::testing::TestLayoutObjectManager;

struct Insertion {
    TiLayoutRole role;
    double start, stop;
    bool horizontal = false; // for objects that are not axes
};

class LayoutManagerTest : public ::testing::Test {
protected:
    TestLayoutObject* Add(const Insertion& in) {
        auto* o =
            new TestLayoutObject(&owner, master.change, master.insert, master.remove, master.rename, in.role);
        o->SetStartStopPercent(in.start, in.stop);
        o->SetHorizontal(in.horizontal);
        o->DoInsert();
        return o;
    }
    // Where the object lies: its edge and row, and "reversed" when it lies
    // above or right of the data view.
    std::string Placement(const TiPlotLayoutObject* o) const {
        auto in = [&](const TiEdgeList& list) {
            for (const TiEdgeEntry& e : list)
                if (e.Object == o)
                    return true;
            return false;
        };
        std::string edge = in(layout->TopList())      ? "top"
                           : in(layout->BottomList()) ? "bottom"
                           : in(layout->LeftList())   ? "left"
                           : in(layout->RightList())  ? "right"
                                                      : "nowhere";
        return edge + " " + std::to_string(o->ZOrder()) + (o->ReverseSide() ? " reversed" : "");
    }
    std::string Rows() const {
        return "T" + std::to_string(layout->TopUniqueCount()) + " B" +
               std::to_string(layout->BottomUniqueCount()) + " L" +
               std::to_string(layout->LeftUniqueCount()) + " R" + std::to_string(layout->RightUniqueCount()) +
               " dv " + std::to_string(layout->DataViewHorz()->ZOrder()) + "/" +
               std::to_string(layout->DataViewVert()->ZOrder());
    }
    std::vector<std::string> Placements(const std::vector<TestLayoutObject*>& list) const {
        std::vector<std::string> out;
        for (const TestLayoutObject* o : list)
            out.push_back(Placement(o));
        return out;
    }

    TComponent owner{nullptr};
    FakeMaster master;
    TiManagerPtr<TiPlotLayoutManager> layout = TiPlotObjectManagerCustom::Make<TiPlotLayoutManager>(
        &owner, master.change, master.insert, master.remove, master.rename);
    // Owns the objects, as the kind managers do.
    TiManagerPtr<TestLayoutObjectManager> objects = TiPlotObjectManagerCustom::Make<TestLayoutObjectManager>(
        &owner, master.change, master.insert, master.remove, master.rename);
};

constexpr TiLayoutRole X = TiLayoutRole::XAxis;
constexpr TiLayoutRole Y = TiLayoutRole::YAxis;

TEST_F(LayoutManagerTest, PlacesObjectsInRowsAroundTheDataView) {
    struct Case {
        const char* name;
        bool xyAxesReverse;
        std::vector<Insertion> insertions;
        std::vector<std::string> placements;
        const char* rows;
    };
    const Case cases[] = {
        {"a first X axis takes the free row below", false, {{X, 0, 100}}, {"bottom 0"}, "T0 B1 L0 R0 dv 1/1"},
        {"a second full X axis pushes the first and the data view out",
         false,
         {{X, 0, 100}, {X, 0, 100}},
         {"bottom 1", "bottom 0"},
         "T0 B2 L0 R0 dv 2/1"},
        {"halves share a row",
         false,
         {{X, 0, 50}, {X, 50, 100}},
         {"bottom 0", "bottom 0"},
         "T0 B1 L0 R0 dv 1/1"},
        {"a half beside two rows",
         false,
         {{X, 0, 100}, {X, 0, 50}, {X, 50, 100}},
         {"bottom 1", "bottom 0", "bottom 0"},
         "T0 B2 L0 R0 dv 2/1"},
        {"equal short ranges overlap",
         false,
         {{X, 20, 20}, {X, 20, 20}},
         {"bottom 1", "bottom 0"},
         "T0 B2 L0 R0 dv 2/1"},
        {"a Y axis goes left", false, {{Y, 0, 100}}, {"left 0"}, "T0 B0 L1 R0 dv 1/1"},
        {"X and Y axes each keep to their own edge",
         false,
         {{X, 0, 100}, {Y, 0, 100}, {Y, 0, 100}},
         {"bottom 0", "left 1", "left 0"},
         "T0 B1 L2 R0 dv 1/2"},
        {"with X shown vertically the axes turn",
         true,
         {{X, 0, 100}, {Y, 0, 100}},
         {"left 0", "bottom 0"},
         "T0 B1 L1 R0 dv 1/1"},
        {"a legend lies on the side it is given",
         false,
         {{TiLayoutRole::Legend, 0, 100, true}},
         {"bottom 0"},
         "T0 B1 L0 R0 dv 1/1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        objects->Clear();
        // A fresh layout for each case (one per plot at a time).
        layout.reset();
        layout = TiPlotObjectManagerCustom::Make<TiPlotLayoutManager>(&owner, master.change, master.insert,
                                                                      master.remove, master.rename);
        layout->SetXYAxesReverse(c.xyAxesReverse);
        std::vector<TestLayoutObject*> added;
        for (const Insertion& in : c.insertions)
            added.push_back(Add(in));
        EXPECT_EQ(Placements(added), c.placements);
        EXPECT_EQ(Rows(), c.rows);
    }
}

TEST_F(LayoutManagerTest, TheSideOfAVerticalAxisFollowsItsRowAgainstTheDataView) {
    TestLayoutObject* axis = Add({Y, 0, 100});
    struct Case {
        int zOrder;
        const char* placement;
    };
    const Case cases[] = {{1, "left 1"}, {2, "right 2 reversed"}, {0, "left 0"}, {5, "right 5 reversed"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zOrder);
        axis->SetZOrder(c.zOrder);
        EXPECT_EQ(Placement(axis), c.placement);
    }
}

TEST_F(LayoutManagerTest, RemovingTheLastObjectOfARowMovesTheOuterRowsIn) {
    TestLayoutObject* a = Add({X, 0, 100});
    TestLayoutObject* b = Add({X, 0, 100});
    TestLayoutObject* c = Add({X, 0, 100});
    // c row 0, b row 1, a row 2, data view row 3.
    ASSERT_EQ(Placements({a, b, c}), (std::vector<std::string>{"bottom 2", "bottom 1", "bottom 0"}));
    layout->SetEnabled(false);
    TestLayoutObject* half = Add({X, 0, 50});
    half->SetZOrder(1); // shares b's row
    layout->SetEnabled(true);
    b->Free();
    // Row 1 still holds the half: nothing renumbered.
    EXPECT_EQ(Placements({a, c, half}), (std::vector<std::string>{"bottom 2", "bottom 0", "bottom 1"}));
    half->Free();
    EXPECT_EQ(Placements({a, c}), (std::vector<std::string>{"bottom 1", "bottom 0"}));
    EXPECT_EQ(Rows(), "T0 B2 L0 R0 dv 2/1");
}

TEST_F(LayoutManagerTest, InsertingAboveOrBelowARowRenumbersTheRowsOutward) {
    TestLayoutObject* a = Add({X, 0, 50});
    TestLayoutObject* b = Add({X, 50, 100});
    TestLayoutObject* c = Add({X, 0, 100});
    ASSERT_EQ(Placements({a, b, c}), (std::vector<std::string>{"bottom 1", "bottom 1", "bottom 0"}));
    struct Case {
        TiInsertDirection direction;
        int desired;
        std::vector<std::string> placements; // a, b, c, the new one
    };
    const Case cases[] = {
        {iidAbove, 0, {"bottom 2", "bottom 2", "bottom 0", "bottom 1"}},
        {iidBelow, 0, {"bottom 2", "bottom 2", "bottom 1", "bottom 0"}},
    };
    for (const Case& cs : cases) {
        SCOPED_TRACE(cs.direction);
        layout->SetEnabled(false);
        TestLayoutObject* added = Add({X, 0, 100});
        layout->SetEnabled(true);
        layout->InsertZOrder(added, cs.desired, cs.direction);
        EXPECT_EQ(Placements({a, b, c, added}), cs.placements);
        added->Free();
    }
}

TEST_F(LayoutManagerTest, ObjectsCompletedWhileDisabledKeepTheirRows) {
    layout->SetEnabled(false);
    auto* toolbar = new TestLayoutObject(&owner, master.change, master.insert, master.remove, master.rename,
                                         TiLayoutRole::Toolbar);
    toolbar->SetHorizontal(true);
    toolbar->SetZOrder(3);
    toolbar->DoInsert();
    TestLayoutObject* axis = Add({X, 0, 100});
    axis->SetZOrder(0);
    EXPECT_EQ(toolbar->ZOrder(), 3);
    EXPECT_EQ(Placement(toolbar), "nowhere 3");
    // Enabling builds the lists and renumbers nothing.
    layout->SetEnabled(true);
    EXPECT_EQ(Placement(toolbar), "top 3 reversed");
    EXPECT_EQ(Placement(axis), "bottom 0");
    EXPECT_EQ(Rows(), "T1 B1 L0 R0 dv 1/1");
    EXPECT_EQ(TiPlotLayoutManager::VisibleCount(layout->TopList()), 1);
    toolbar->SetVisible(false);
    EXPECT_EQ(TiPlotLayoutManager::VisibleCount(layout->TopList()), 0);
}

TEST_F(LayoutManagerTest, TurningTheAxesMovesThemToTheOtherEdges) {
    TestLayoutObject* x1 = Add({X, 0, 100});
    TestLayoutObject* x2 = Add({X, 0, 100});
    TestLayoutObject* y1 = Add({Y, 0, 100});
    ASSERT_EQ(Placements({x1, x2, y1}), (std::vector<std::string>{"bottom 1", "bottom 0", "left 0"}));
    layout->SetXYAxesReverse(true);
    EXPECT_EQ(Placements({x1, x2, y1}), (std::vector<std::string>{"left 0", "left 1", "bottom 0"}));
    EXPECT_EQ(Rows(), "T0 B1 L2 R0 dv 1/2");
}

TEST_F(LayoutManagerTest, ATableDoesNotFollowLayoutChanges) {
    auto* table = new TestLayoutObject(&owner, master.change, master.insert, master.remove, master.rename,
                                       TiLayoutRole::Table);
    table->DoInsert();
    ASSERT_EQ(Placement(table), "left 0");
    EXPECT_FALSE(static_cast<bool>(table->OnLayoutChange));
    TestLayoutObject* axis = Add({Y, 0, 100});
    EXPECT_TRUE(static_cast<bool>(axis->OnLayoutChange));
}

TEST_F(LayoutManagerTest, ThePlaceholdersAreListedAndNamed) {
    EXPECT_EQ(layout->Count(), 2);
    EXPECT_EQ(layout->DataViewHorz()->Name(), "Data View");
    EXPECT_TRUE(layout->DataViewHorz()->Horizontal());
    EXPECT_FALSE(layout->DataViewVert()->Horizontal());
    EXPECT_EQ(layout->GetBaseName(), "Layout Object");
    EXPECT_TRUE(layout->TopList().empty());
    EXPECT_TRUE(layout->LeftList().empty());
}

} // namespace
