#include "tests/architecture/IncludeChecker.h"
#include "tests/architecture/LayerRules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace korvan::architecture;
namespace fs = std::filesystem;

namespace {

const fs::path kRoot = KORVAN_SOURCE_DIR;

IncludeChecker Checker() {
    return IncludeChecker(KORVAN_QT_HEADERS_DIR);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every .cpp and .h of the checked folders, relative to the source root.
std::vector<std::string> CheckedFiles() {
    std::vector<std::string> files;
    for (std::string_view folder : kCheckedFolders) {
        for (const auto& entry : fs::recursive_directory_iterator(kRoot / folder)) {
            const auto ext = entry.path().extension();
            if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h"))
                files.push_back(entry.path().lexically_relative(kRoot).generic_string());
        }
    }
    return files;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

TEST(LayerIncludes, EveryIncludeOfTheSourcesFollowsTheLayerTable) {
    const IncludeChecker checker = Checker();
    const std::vector<std::string> files = CheckedFiles();
    ASSERT_GT(files.size(), 100u) << "the source tree was not found at " << kRoot;
    std::vector<std::string> findings;
    for (const std::string& file : files) {
        for (std::string& finding : checker.Check(file, ReadFile(kRoot / file)))
            findings.push_back(std::move(finding));
    }
    EXPECT_TRUE(findings.empty()) << Lines(findings);
}

// An allow-list entry that no longer breaks its rule is removed, so that
// the lists only ever shrink.
TEST(LayerIncludes, AllowListsNameOnlyWhatStillBreaksTheRules) {
    const IncludeChecker checker = Checker();
    for (std::string_view header : kFormsHeadersWithQt) {
        bool qt = false;
        for (const Include& include : ScanIncludes(ReadFile(kRoot / header)))
            qt = qt || checker.PlaceOf(header, include).starts_with("Qt");
        EXPECT_TRUE(qt) << header << " includes no Qt header: remove it from kFormsHeadersWithQt";
    }
}

TEST(LayerIncludes, PlacesOfIncludes) {
    const IncludeChecker checker = Checker();
    const struct {
        const char* file;
        Include include;
        const char* place;
    } cases[] = {
        {"device/link/LComm.cpp", {1, false, "platform/sys/hid/HidTypes.h"}, "platform/sys"},
        {"ui/main/editors/Eq.cpp", {1, false, "ui/main/MainWindow.h"}, "ui/main"},
        {"tests/support/gui/GuiHarness.cpp", {1, false, "tests/support/SimUnit.h"}, "tests/support"},
        {"platform/sys/Thread.cpp", {1, false, "../gfx/Canvas.h"}, "platform/gfx"},
        {"platform/sys/Thread.cpp", {1, false, "Thread.h"}, "platform/sys"},
        {"platform/gfx/Canvas.cpp", {1, true, "QPainter"}, "Qt/Gui"},
        {"platform/gfx/Canvas.cpp", {1, true, "QString"}, "Qt/Core"},
        {"platform/gfx/Canvas.cpp", {1, true, "QtWidgets/QWidget"}, "Qt/Widgets"},
        {"platform/gfx/Canvas.cpp", {1, true, "QWidget"}, "Qt/Widgets"},
        {"platform/gfx/Codecs.cpp", {1, true, "jpeglib.h"}, "jpeg"},
        {"platform/sys/Thread.cpp", {1, true, "sys/socket.h"}, "posix"},
        {"platform/sys/Thread.cpp", {1, true, "cstdint"}, "std"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checker.PlaceOf(c.file, c.include), c.place) << c.file << " " << c.include.path;
}

// The checker itself: each line breaks a rule of the table, or keeps it.
TEST(LayerIncludes, FindsEachBrokenRuleWithFileAndLine) {
    const IncludeChecker checker = Checker();
    const struct {
        const char* file;
        const char* line;
        bool breaks;
    } cases[] = {
        {"device/link/LComm.cpp", "#include <QString>", true},
        {"device/link/LComm.cpp", "#include \"platform/forms/Form.h\"", true},
        {"device/link/LComm.cpp", "#include \"platform/gfx/Color.h\"", true},
        {"device/link/LComm.cpp", "#include \"platform/sys/Clock.h\"", false},
        {"device/link/LComm.cpp", "#include <termios.h>", false},
        {"platform/text/Format.cpp", "#include \"platform/sys/Clock.h\"", true},
        {"platform/sys/Thread.cpp", "#include <libudev.h>", false},
        {"platform/sys/Thread.cpp", "  #  include <QObject>", true},
        {"platform/sys/Thread.cpp", "#include \"../gfx/Canvas.h\"", true},
        {"platform/gfx/Canvas.cpp", "#include <QPainter>", false},
        {"platform/gfx/Canvas.cpp", "#include <png.h>", false},
        {"platform/gfx/Canvas.cpp", "#include <QWidget>", true},
        {"platform/gfx/Canvas.cpp", "#include \"platform/sys/Clock.h\"", true},
        {"platform/gfx/Canvas.cpp", "#include \"platform/forms/Form.h\"", true},
        {"platform/forms/Timer.cpp", "#include <QWidget>", false},
        {"platform/forms/Timer.h", "#include <QWidget>", true},
        {"platform/forms/Form.h", "#include <QWidget>", true},
        {"platform/forms/QtGeometry.h", "#include <QRect>", false}, // the layer's own header
        {"controls/plot/Axis.cpp", "#include \"ui/curves/Plot.h\"", true},
        {"controls/plot/Axis.cpp", "#include \"controls/panels/Panel.h\"", true},
        {"controls/gdip/GDIPColors.cpp", "#include \"device/protocol/Frame.h\"", true},
        {"controls/panels/Panel.cpp", "#include \"platform/forms/Form.h\"", false},
        {"ui/curves/Plot.cpp", "#include \"ui/dialogs/FExit.h\"", true},
        {"ui/curves/Plot.cpp", "#include \"ui/main/MainWindow.h\"", true},
        {"ui/dialogs/FExit.cpp", "#include \"ui/main/MainWindow.h\"", true},
        {"ui/dialogs/FExit.cpp", "#include \"ui/host/WindowHost.h\"", false},
        {"ui/host/WindowHost.h", "#include \"ui/dialogs/FExit.h\"", true},
        {"ui/dialogs/FInformation.cpp", "#include \"ui/main/MainWindow.h\"", true},
        {"ui/main/editors/Eq.cpp", "#include \"ui/dialogs/FExit.h\"", false},
        {"tests/support/SimUnit.cpp", "#include \"ui/main/MainWindow.h\"", true},
        {"tests/support/gui/GuiHarness.cpp", "#include \"ui/curves/Plot.h\"", true},
        {"tests/support/gui/GuiHarness.cpp", "#include \"controls/panels/Panel.h\"", false},
        {"app/main.cpp", "#include \"tests/support/SimUnit.h\"", false},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> findings =
            checker.Check(c.file, std::string("// first line\n") + c.line);
        EXPECT_EQ(findings.size(), c.breaks ? 1u : 0u) << c.file << ": " << c.line << "\n" << Lines(findings);
        if (!findings.empty()) {
            EXPECT_TRUE(findings[0].starts_with(std::string(c.file) + ":2: includes ")) << findings[0];
        }
    }
    EXPECT_EQ(checker.Check("controls/newpack/Knob.cpp", ""),
              std::vector<std::string>{"controls/newpack/Knob.cpp: belongs to no folder of the layer table"});
}

} // namespace
