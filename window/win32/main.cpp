#include <windows.h>

#include "MainWindow.h"
#include "MessageLoop.h"

namespace {

constexpr int kStartFailed = 1;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    if (!MainWindow::Register(instance)) return kStartFailed;
    MainWindow window(instance);
    if (!window.Handle()) return kStartFailed;
    window.Show(showCommand);
    return RunMessageLoop(window.Handle());
}
