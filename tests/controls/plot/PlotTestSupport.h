#pragma once
// What the plot pack's core tests share: a stand-in for the master manager
// (the callbacks every plot object and manager is made with), small object
// kinds with their managers, and a host that records the plot events.

#include "controls/plot/core/ChannelColors.h"
#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/core/PlotLayoutObject.h"
#include "platform/gfx/Color.h"
#include "platform/sys/FileIo.h"
#include "platform/text/Exception.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace korvan::testing {

// A fresh directory for one test's files, removed with everything in it.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvan-plot-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            dir_ = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

private:
    std::filesystem::path dir_;
};

// Pages of a PDF file: its page objects; -1 when it cannot be read.
inline int PdfPages(const std::string& path) {
    const auto bytes = korvan::sys::ReadFileBytes(path, 64u << 20);
    if (!bytes)
        return -1;
    const std::string text(bytes->begin(), bytes->end());
    const std::regex page(R"(/Type\s*/Page[^s])");
    return int(std::distance(std::sregex_iterator(text.begin(), text.end(), page), std::sregex_iterator()));
}

// The message of the Exception f raises, or "no error".
template <class F> std::string RaisedMessage(F f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no error";
}

inline TColor PlotPixel(const QImage& image, int x, int y) {
    return korvan::gfx::FromQRgb(image.pixel(x, y));
}

// Does what the master manager does with the four callbacks: lists a
// completed object in every manager, takes a removed one out of every
// manager, passes renames on, and keeps the managers that register.
class FakeMaster {
public:
    std::vector<TiPlotObjectManagerCustom*> managers;
    int changes = 0;
    // Called with every removal notice before the managers see it.
    std::function<void(TObject*)> onRemoveSeen;

    TNotifyEvent change = [this](TObject*) { ++changes; };
    TNotifyEvent insert = [this](TObject* sender) {
        if (auto* manager = dynamic_cast<TiPlotObjectManagerCustom*>(sender)) {
            managers.push_back(manager);
            return;
        }
        for (TiPlotObjectManagerCustom* manager : std::vector<TiPlotObjectManagerCustom*>(managers))
            manager->NotificationInsert(sender);
    };
    TNotifyEvent remove = [this](TObject* sender) {
        if (onRemoveSeen)
            onRemoveSeen(sender);
        managers.erase(std::remove(managers.begin(), managers.end(), sender), managers.end());
        for (TiPlotObjectManagerCustom* manager : std::vector<TiPlotObjectManagerCustom*>(managers))
            manager->NotificationRemove(sender);
    };
    TNotifyEvent rename = [this](TObject* sender) {
        for (TiPlotObjectManagerCustom* manager : std::vector<TiPlotObjectManagerCustom*>(managers))
            manager->NotificationRename(sender);
    };
};

// A channel-like kind: a colour, a title and the axis it follows.
class TestChannel : public TiPlotManagerObject {
    KORVAN_CLASS(TestChannel)
public:
    using TiPlotManagerObject::TiPlotManagerObject;
    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetColorProperty(value, color_, &TiPlotObject::DoChange); }
    const std::string& TitleText() const { return titleText_; }
    void SetTitleText(const std::string& value) {
        SetStringProperty(value, titleText_, &TiPlotObject::DoChange);
    }
    double Width() const { return width_; }
    void SetWidth(double value) { SetDoubleProperty(value, width_, &TiPlotObject::DoChange); }
    const std::string& XAxisName() const { return xAxisName_; }
    void SetXAxisName(const std::string& value) {
        SetStringProperty(value, xAxisName_, &TiPlotObject::DoChange);
    }
    // Objects removed from the plot, as this one was told.
    std::vector<TObject*> removedSeen;
    void NotifyRemove(TObject* sender) override { removedSeen.push_back(sender); }

protected:
    ~TestChannel() override = default;

private:
    TColor color_ = clRed;
    std::string titleText_;
    double width_ = 1;
    std::string xAxisName_;
};

// An axis-like layout kind whose layout role a test chooses.
class TestLayoutObject : public TiPlotLayoutObject {
    KORVAN_CLASS(TestLayoutObject)
public:
    TestLayoutObject(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                     TNotifyEvent onRename, TiLayoutRole role = TiLayoutRole::Other)
        : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                             std::move(onRename)),
          role_(role) {}
    TiLayoutRole LayoutRole() const override { return role_; }

protected:
    ~TestLayoutObject() override = default;

private:
    TiLayoutRole role_;
};

// The channel manager's naming and colour rule on the test kind.
class TestChannelManager : public TiPlotKindManager<TestChannel> {
public:
    using TiPlotKindManager<TestChannel>::TiPlotKindManager;
    std::string GetBaseName() const override { return "Channel"; }

protected:
    void AfterNaming(TestChannel* channel) override {
        channel->SetTitleText(channel->Name());
        std::vector<TColor> colors;
        for (int i = 0; i < Count(); ++i)
            colors.push_back(Items(i)->Color());
        channel->SetColor(korvan::plot::GetNextChannelColor(colors));
    }
};

class TestLayoutObjectManager : public TiPlotKindManager<TestLayoutObject> {
public:
    using TiPlotKindManager<TestLayoutObject>::TiPlotKindManager;
    std::string GetBaseName() const override { return "Axis"; }
};

} // namespace korvan::testing
