#include <objbase.h>
#include <windows.h>

#include "MainWindow.h"
#include "MessageLoop.h"

namespace {

constexpr int kStartFailed = 1;

int Run(HINSTANCE instance, int showCommand) {
    if (!MainWindow::Register(instance)) return kStartFailed;
    MainWindow window(instance);
    if (!window.Handle()) return kStartFailed;
    window.Show(showCommand);
    return RunMessageLoop(window);
}

}  // namespace

// The window answers screen readers with COM objects, which reach a reader in
// another process only from a thread in a COM apartment. The UI Automation
// library the window loads stays loaded past CoUninitialize, to the end.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int code = Run(instance, showCommand);
    if (SUCCEEDED(com)) CoUninitialize();
    return code;
}
