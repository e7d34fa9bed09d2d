#include "controls/plot/opc/OPCItemManager.h"
#include "controls/plot/opc/OPCLibrary.h"
#include "tests/controls/plot/opc/OPCTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using korvan::plot::opc::OPC;

namespace {

class OPCStartUpTest : public korvan::testing::OPCFixture {
protected:
    void TearDown() override {
        unsetenv(korvan::plot::opc::kOPCLibraryEnvironment);
        korvan::plot::SetOPCItemListFactory(nullptr);
        OPCFixture::TearDown();
    }
};

TEST_F(OPCStartUpTest, TheEnvironmentNamesTheLibraryAndComponentsGetItemListsEitherWay) {
    Use(""); // keeps the library in use before the test for TearDown
    for (const std::string& name : {korvan::testing::kFakeOPCFull, std::string("libno-such-opc-client.so")}) {
        setenv(korvan::plot::opc::kOPCLibraryEnvironment, name.c_str(), 1);
        korvan::plot::opc::StartOPCBinding();
        EXPECT_EQ(OPC().Loaded(), name == korvan::testing::kFakeOPCFull) << name;
        EXPECT_EQ(OPC().FileName(), name);
        const auto list = korvan::plot::MakeOPCItemList({});
        ASSERT_NE(dynamic_cast<TiOPCItemManager*>(list.get()), nullptr);
        EXPECT_EQ(list->Count(), 0);
    }
    // Without the variable the default name is tried (and is absent here).
    unsetenv(korvan::plot::opc::kOPCLibraryEnvironment);
    korvan::plot::opc::StartOPCBinding();
    EXPECT_EQ(OPC().FileName(), korvan::plot::opc::kOPCLibraryFileName);
    EXPECT_TRUE(korvan::plot::opc::OPCLibraryMissing());
}

} // namespace
