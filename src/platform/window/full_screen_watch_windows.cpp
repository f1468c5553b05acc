// The full-screen watch on Windows: the foreground window through WinEvent hooks.
#include "platform/desktop/desktop_qt.h"
#include "platform/window/full_screen_watch.h"

#include <map>

#include <windows.h>

namespace orbo {

namespace {

// Foreground changes come from SetWinEventHook rather than the shell's ABN_FULLSCREENAPP: that
// notice goes only to windows registered as appbars (docked to a screen edge, the shell laying
// out the desktop around them) and tells neither which window nor which monitor. The foreground
// window and its monitor (MonitorFromWindow) answer both, and the window's own events tell when
// it changes size (a player switching to full-screen) or goes.
class WindowsFullScreenWatch : public FullScreenWatch {
public:
    explicit WindowsFullScreenWatch(Place creature) : FullScreenWatch(std::move(creature)) {}
    ~WindowsFullScreenWatch() override { Listen(false); }

protected:
    void Listen(bool on) override {
        if (on && !foreground_) {
            // Out of context: the calls arrive as messages of this thread's event loop.
            foreground_ = Hook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, 0, 0);
            Refresh();
        } else if (!on) {
            Unhook(foreground_);
            Follow(nullptr);
        }
    }

private:
    // A WinEventProc is told its hook, never its watch: each hook is looked up here.
    static std::map<HWINEVENTHOOK, WindowsFullScreenWatch*>& Watches() {
        static std::map<HWINEVENTHOOK, WindowsFullScreenWatch*> watches;
        return watches;
    }

    static void CALLBACK Event(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                               LONG child, DWORD, DWORD) {
        const auto found = Watches().find(hook);
        if (found == Watches().end())
            return;
        WindowsFullScreenWatch& self = *found->second;
        if (event == EVENT_SYSTEM_FOREGROUND ||
            (window == self.active_ && object == OBJID_WINDOW && child == CHILDID_SELF))
            self.Refresh();
    }

    HWINEVENTHOOK Hook(DWORD first, DWORD last, DWORD process, DWORD thread) {
        const HWINEVENTHOOK hook =
            ::SetWinEventHook(first, last, nullptr, &Event, process, thread, WINEVENT_OUTOFCONTEXT);
        if (hook)
            Watches()[hook] = this;
        return hook;
    }

    static void Unhook(HWINEVENTHOOK& hook) {
        if (!hook)
            return;
        ::UnhookWinEvent(hook);
        Watches().erase(hook);
        hook = nullptr;
    }

    // Listens to the window's own events (shown, hidden, moved, resized, destroyed) through a
    // hook on its thread alone, so that other programs' windows wake nobody.
    void Follow(HWND window) {
        if (window == active_)
            return;
        Unhook(window_);
        active_ = window;
        DWORD process = 0;
        const DWORD thread = window ? ::GetWindowThreadProcessId(window, &process) : 0;
        if (thread)
            window_ = Hook(EVENT_OBJECT_DESTROY, EVENT_OBJECT_LOCATIONCHANGE, process, thread);
    }

    // The shell's desktop window covers its monitor without being full-screen.
    static bool IsDesktop(HWND window) {
        wchar_t name[16] = {};
        ::GetClassNameW(window, name, 16);
        return window == ::GetShellWindow() || window == ::GetDesktopWindow() ||
               wcscmp(name, L"Progman") == 0 || wcscmp(name, L"WorkerW") == 0;
    }

    void Refresh() {
        const HWND window = ::GetForegroundWindow();
        Follow(window);
        RECT rect{};
        if (!window || !::IsWindowVisible(window) || ::IsIconic(window) ||
            !::GetWindowRect(window, &rect)) {
            Report(std::nullopt);
            return;
        }
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        const HMONITOR on = ::MonitorFromWindow(window, MONITOR_DEFAULTTONULL);
        const bool full =
            on && ::GetMonitorInfoW(on, &monitor) && rect.left <= monitor.rcMonitor.left &&
            rect.top <= monitor.rcMonitor.top && rect.right >= monitor.rcMonitor.right &&
            rect.bottom >= monitor.rcMonitor.bottom && !IsDesktop(window);
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        // Device pixels of its monitor, as the program is aware of each monitor's scale.
        const QRect device(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        Report(ActiveWindow{PixelsFromDevice(CurrentMonitors(), device), full,
                            process == ::GetCurrentProcessId()});
    }

    HWINEVENTHOOK foreground_ = nullptr;
    HWINEVENTHOOK window_ = nullptr;
    HWND active_ = nullptr;
};

} // namespace

std::unique_ptr<FullScreenWatch> MakeWindowsFullScreenWatch(FullScreenWatch::Place creature) {
    return std::make_unique<WindowsFullScreenWatch>(std::move(creature));
}

} // namespace orbo
