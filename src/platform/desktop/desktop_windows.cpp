// The Windows desktop: GetCursorPos, GetAsyncKeyState and raw mouse input.
#include "desktop_windows.h"

#include "platform/desktop/desktop_qt.h"
#include "runtime/monitors.h"

#include <windows.h>

namespace orbo {

namespace {

// Raw mouse input arrives at a message-only window of our own, also while another program is
// in front (RIDEV_INPUTSINK), so a still creature can stop asking for the cursor.
class WindowsDesktop : public Desktop {
public:
    WindowsDesktop() {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &WindowsDesktop::WindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kClassName;
        ::RegisterClassW(&windowClass); // fails harmlessly when a second desktop registered it
        window_ = ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    instance, nullptr);
        if (!window_)
            return;
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        RAWINPUTDEVICE mouse{};
        mouse.usUsagePage = 0x01; // generic desktop controls
        mouse.usUsage = 0x02;     // mouse
        mouse.dwFlags = RIDEV_INPUTSINK;
        mouse.hwndTarget = window_;
        registered_ = ::RegisterRawInputDevices(&mouse, 1, sizeof mouse) != FALSE;
        announcing_ = registered_ && !UnderWine();
        WatchScreens();
    }
    ~WindowsDesktop() override {
        if (!window_)
            return;
        if (registered_) {
            RAWINPUTDEVICE mouse{};
            mouse.usUsagePage = 0x01;
            mouse.usUsage = 0x02;
            mouse.dwFlags = RIDEV_REMOVE;
            ::RegisterRawInputDevices(&mouse, 1, sizeof mouse);
        }
        ::DestroyWindow(window_);
    }

    QPoint GetCursorPos() override {
        POINT p{};
        if (!::GetCursorPos(&p))
            return {};
        // Device pixels of the monitor under the cursor; Qt and the window's twips work in
        // device-independent ones.
        return PixelsFromDevice(CurrentMonitors(), QPoint(p.x, p.y));
    }
    bool GetAsyncKeyState(MouseButton button) override {
        const int key = button == MouseButton::Left    ? VK_LBUTTON
                        : button == MouseButton::Right ? VK_RBUTTON
                                                       : VK_MBUTTON;
        return ::GetAsyncKeyState(key) != 0;
    }
    QSize ScreenSizePixels() const override { return PrimaryScreenSize(); }
    Monitors GetMonitors() const override { return CurrentMonitors(); }
    bool AnnouncesInput() const override { return announcing_; }

private:
    static constexpr const wchar_t* kClassName = L"OrboRawInput";

    // Under Wine no raw input reached this window while the pointer moved over other windows
    // (the creature woke only by its slow poll), so there it keeps ticking as it always did.
    static bool UnderWine() {
        const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
        return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INPUT) {
            if (auto* self =
                    reinterpret_cast<WindowsDesktop*>(::GetWindowLongPtrW(window, GWLP_USERDATA)))
                self->InputArrived();
        }
        // WM_INPUT too: the system frees the input's data there.
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    bool registered_ = false;
    bool announcing_ = false;
};

} // namespace

std::unique_ptr<Desktop> MakeWindowsDesktop() {
    return std::make_unique<WindowsDesktop>();
}

} // namespace orbo
