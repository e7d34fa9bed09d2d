// Program entry: the application object, the editor's windows in start-up
// order (the main window first) and the message loop. An exception that
// escapes goes to the application's exception box.
#include "app/StartupReport.h"
#include "controls/plot/opc/OPCLibrary.h"
#include "device/protocol/SharedConstants.h"
#include "platform/forms/Application.h"
#include "platform/text/Exception.h"
#include "ui/main/MainWindow.h"

#include <QApplication>

#include <chrono>

int main(int argc, char* argv[]) {
    const auto started = std::chrono::steady_clock::now();
    QApplication qt(argc, argv);
    try {
        // The optional OPC client library; its absence is the normal case.
        korvan::plot::opc::StartOPCBinding();
        Application->SetMainFormOnTaskBar(true);
        Application->SetTitle(std::string(AppTitle) + " " + AppVersion);
        korvan::CreateEditorWindows(Application);
        const korvan::StartupReport startupReport(started); // inert unless asked for
        Application->Run();
        // The links' and the HID controller's threads end with the windows.
        korvan::FreeEditorWindows();
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (...) {
        Application->ShowException(Exception(""));
    }
    return 0;
}
