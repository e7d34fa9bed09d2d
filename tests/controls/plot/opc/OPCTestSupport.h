#pragma once
// What the OPC tests share: a fixture that puts one of the stand-in client
// libraries (or none) in use for the test and restores the previous one
// after, with the stand-in's test controls at hand.

#include "controls/plot/opc/OPCLibrary.h"
#include "platform/forms/GuiThread.h"
#include "platform/sys/SharedLibrary.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace korvan::testing {

inline const std::string kFakeOPCFull = KORVAN_OPC_FAKE_FULL;
inline const std::string kFakeOPCPartial = KORVAN_OPC_FAKE_PARTIAL;

class OPCFixture : public ::testing::Test {
protected:
    // Puts the library at `path` in use (an empty path: no library).
    void Use(const std::string& path) {
        auto library = path.empty() ? std::make_unique<plot::opc::OPCLibrary>()
                                    : std::make_unique<plot::opc::OPCLibrary>(path);
        ASSERT_EQ(library->Loaded(), !path.empty());
        previous_ = plot::opc::InstallOPCLibrary(std::move(library));
        if (path.empty())
            return;
        controls_ = std::make_unique<sys::SharedLibrary>(path);
        Control<void (*)()>("FakeReset")();
    }
    void TearDown() override {
        forms::ProcessPendingCalls();
        if (previous_)
            plot::opc::InstallOPCLibrary(std::move(previous_));
    }

    template <class Fn> Fn Control(const char* name) {
        void* symbol = controls_->Symbol(name);
        EXPECT_NE(symbol, nullptr) << name;
        return reinterpret_cast<Fn>(symbol);
    }
    // The stand-in's calls since the last look, one a line.
    std::string TakeLog() { return Control<const char* (*)()>("FakeTakeLog")(); }
    void SetError(const char* text) { Control<void (*)(const char*)>("FakeSetError")(text); }
    void SetValue(std::int32_t handle, KorvanOpcVariant value, std::int32_t quality, double timeStamp = 0,
                  const char* text = nullptr) {
        Control<void (*)(std::int32_t, const KorvanOpcVariant*, const char*, std::int32_t, double)>(
            "FakeSetValue")(handle, &value, text, quality, timeStamp);
    }
    void FireNewData(std::int32_t handle) { Control<void (*)(std::int32_t)>("FakeFireNewData")(handle); }
    void FireGroupUpdate(std::int32_t handle) {
        Control<void (*)(std::int32_t)>("FakeFireGroupUpdate")(handle);
    }

    static KorvanOpcVariant Integer(std::uint16_t type, std::int64_t value) {
        KorvanOpcVariant v{};
        v.type = type;
        v.value.integer = value;
        return v;
    }
    static KorvanOpcVariant Real(double value) {
        KorvanOpcVariant v{};
        v.type = kOpcVtR8;
        v.value.real = value;
        return v;
    }

private:
    std::unique_ptr<plot::opc::OPCLibrary> previous_;
    std::unique_ptr<sys::SharedLibrary> controls_;
};

} // namespace korvan::testing
