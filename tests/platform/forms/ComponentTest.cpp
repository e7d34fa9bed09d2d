#include "platform/forms/Component.h"
#include "platform/forms/Collection.h"
#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"

#include <gtest/gtest.h>

namespace {

// Records the notifications it receives.
class TWatcher : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<std::pair<TComponent*, TOperation>> seen;

protected:
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        seen.emplace_back(c, op);
    }
};

TEST(Component, OwnerFindsByNameIgnoringCaseAndFreesItsComponents) {
    auto owner = std::make_unique<TComponent>(nullptr);
    auto* a = new TComponent(owner.get());
    a->SetName("isGainInA");
    auto* b = new TComponent(owner.get());
    b->SetName("isGainOut3");
    EXPECT_EQ(owner->FindComponent("ISGAININA"), a);
    EXPECT_EQ(owner->FindComponent("isgainout3"), b);
    EXPECT_EQ(owner->FindComponent("isGainInB"), nullptr);
    EXPECT_EQ(owner->FindComponent(""), nullptr);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_THROW(b->SetName("ISGAININA"), EComponentError);
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    EXPECT_THROW(b->SetName("a b"), EComponentError);
    b->SetName("IsGainOut3"); // only the letter case changes
    delete a;                 // leaves its owner's list first
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->FindComponent("isGainInA"), nullptr);
    owner.reset(); // frees b; a leak checker would see it otherwise
}

TEST(Component, FindingFollowsRenamesMovesAndTheFirstOfASharedName) {
    // An owner whose own rename rule lets two components share a name.
    class TLenient : public TComponent {
    public:
        using TComponent::TComponent;

    protected:
        void ValidateRename(TComponent*, const std::string&, const std::string&) override {}
    };
    TComponent owner(nullptr), other(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("lbGainInA");
    a->SetName("lbGainInB"); // renamed: the old name finds nothing
    EXPECT_EQ(owner.FindComponent("lbGainInA"), nullptr);
    EXPECT_EQ(owner.FindComponent("LBGAININB"), a);
    other.InsertComponent(a); // moved to another owner
    EXPECT_EQ(owner.FindComponent("lbGainInB"), nullptr);
    EXPECT_EQ(other.FindComponent("lbGainInB"), a);
    a->SetName(""); // unnamed: found by no name
    EXPECT_EQ(other.FindComponent("lbGainInB"), nullptr);

    TLenient lenient(nullptr);
    auto* first = new TComponent(&lenient);
    auto* second = new TComponent(&lenient);
    second->SetName("Twin");
    first->SetName("TWIN");
    EXPECT_EQ(lenient.FindComponent("twin"), first); // the first in creation order
    delete first;
    EXPECT_EQ(lenient.FindComponent("twin"), second);
    second->SetName("Single");
    EXPECT_EQ(lenient.FindComponent("twin"), nullptr);
    EXPECT_EQ(lenient.FindComponent("single"), second);
}

TEST(Component, FreeNotificationTellsOfTheOthersEnd) {
    TComponent formA(nullptr), formB(nullptr);
    auto* watcher = new TWatcher(&formA);
    auto* other = new TComponent(&formB);
    watcher->FreeNotification(other);
    delete other;
    ASSERT_EQ(watcher->seen.size(), 1u);
    EXPECT_EQ(watcher->seen[0].second, opRemove);
    // Components of one owner hear of each other through the owner.
    auto* sibling = new TComponent(&formA);
    delete sibling;
    EXPECT_EQ(watcher->seen.back(), std::make_pair(sibling, opRemove));
    EXPECT_EQ(watcher->seen[watcher->seen.size() - 2], std::make_pair(sibling, opInsert));
}

TEST(Component, AWatchedSiblingFreedByTheOwnerIsToldToTheWatcher) {
    // The watcher keeps what it hears in a list that outlives it.
    class TOutliving : public TComponent {
    public:
        TOutliving(TComponent* owner, std::vector<TComponent*>& removed)
            : TComponent(owner), removed_(removed) {}

    protected:
        void Notification(TComponent* c, TOperation op) override {
            TComponent::Notification(c, op);
            if (op == opRemove)
                removed_.push_back(c);
        }

    private:
        std::vector<TComponent*>& removed_;
    };
    std::vector<TComponent*> removed;
    auto owner = std::make_unique<TComponent>(nullptr);
    auto* watcher = new TOutliving(owner.get(), removed);
    auto* sibling = new TComponent(owner.get()); // the owner frees from the end: this one first
    sibling->FreeNotification(watcher);
    owner.reset();
    EXPECT_EQ(removed, std::vector<TComponent*>{sibling});
}

TEST(Component, AssignWithoutSupportRaisesTheFrameworkError) {
    TComponent a(nullptr), b(nullptr);
    try {
        a.Assign(&b);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TComponent to a TComponent");
    }
    TStringList list;
    try {
        list.Assign(&a);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TComponent to a TStringList");
    }
}

TEST(Component, DesigningIsNeverSetAndLoadedEndsLoading) {
    TComponent c(nullptr);
    c.SetLoadingState(true);
    EXPECT_TRUE(c.HasState(csLoading));
    EXPECT_FALSE(c.HasState(csDesigning));
    c.Loaded();
    EXPECT_FALSE(c.HasState(csLoading));
}

class TCountingCollection : public TCollection {
public:
    TCountingCollection() : TCollection(ItemClass<TCollectionItem>()) {}
    int updates = 0;
    std::vector<std::pair<int, TCollectionNotification>> notes;
    void Update(TCollectionItem*) override { ++updates; }
    void Notify(TCollectionItem* item, TCollectionNotification action) override {
        notes.emplace_back(item->ID(), action);
    }
};

TEST(Collection, UpdateBracketsReportOnceAndItemsNotify) {
    TCountingCollection c;
    c.Add();
    EXPECT_EQ(c.updates, 1);
    c.BeginUpdate();
    c.BeginUpdate();
    c.Add();
    c.Add();
    c.EndUpdate();
    EXPECT_EQ(c.updates, 1);
    c.EndUpdate();
    EXPECT_EQ(c.updates, 2);
    c.Items(2)->SetIndex(0);
    EXPECT_EQ(c.Items(0)->ID(), 2);
    EXPECT_EQ(c.Items(1)->Index(), 1);
    c.notes.clear();
    c.Delete(1);
    EXPECT_EQ(c.notes,
              (std::vector<std::pair<int, TCollectionNotification>>{{0, cnDeleting}, {0, cnExtracting}}));
    EXPECT_THROW(c.Items(5), EListError);
    delete c.Items(0); // an item deleted on its own leaves the collection
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.FindItemID(1), c.Items(0));
}

TEST(StringList, SortedDuplicatesGoBeforeEqualKeys) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(dupAccept);
    TObject first, second, third;
    list.AddObject("b", &first);
    list.AddObject("a", nullptr);
    list.AddObject("B", &second); // equal key ignoring case
    list.AddObject("b", &third);
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"a", "b", "B", "b"}));
    EXPECT_EQ(list.GetObject(1), &third);
    EXPECT_EQ(list.GetObject(2), &second);
    EXPECT_EQ(list.GetObject(3), &first);
    int index = -1;
    EXPECT_TRUE(list.Find("B", index));
    EXPECT_EQ(index, 1);
    EXPECT_THROW(list.Insert(0, "x"), EStringListError);

    TStringList unique;
    unique.SetSorted(true);
    unique.Add("x");
    EXPECT_EQ(unique.Add("X"), 0); // dupIgnore keeps the first
    unique.SetDuplicates(dupError);
    EXPECT_THROW(unique.Add("x"), EStringListError);
    EXPECT_EQ(unique.Count(), 1);
}

TEST(StringList, TextValuesAndEvents) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.SetText("SID_A=Alpha\r\nSID_B=Beta\nlast");
    EXPECT_EQ(changes, 1); // one change for the whole text
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Values("sid_b"), "Beta");
    EXPECT_EQ(list.Names(0), "SID_A");
    EXPECT_EQ(list.IndexOf("LAST"), 2);
    list.SetValue("SID_A", "");
    EXPECT_EQ(list.Text(), "SID_B=Beta\r\nlast\r\n");
    list.SetCommaText("a, \"b c\",\"d\"\"e\",");
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"a", "b c", "d\"e", ""}));
    EXPECT_EQ(list.CommaText(), "a,\"b c\",\"d\"\"e\",\"\"");
    EXPECT_THROW(list.Get(4), EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
}

} // namespace
