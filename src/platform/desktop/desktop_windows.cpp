// The Windows desktop: GetCursorPos, GetAsyncKeyState and raw mouse input; GetLastInputInfo for
// the person away.
#include "desktop_windows.h"

#include "platform/desktop/desktop_qt.h"
#include "platform/desktop/key_codes.h"
#include "runtime/monitors.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTimer>

#include <windows.h>

namespace orbo {

namespace {

// A key as Windows registers it: its virtual-key code (0 for none) and whether it is typed with
// Shift ("!" on most layouts) or only with AltGr, which a hot key cannot hold.
struct VirtualKey {
    UINT Code = 0;
    bool Shift = false;
    bool AltGr = false;
};

VirtualKey VirtualKeyOf(Qt::Key key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return {static_cast<UINT>(VK_F1 + (key - Qt::Key_F1))};
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return {static_cast<UINT>(key)};
    // Punctuation and Latin-1 letters lie where the keyboard's layout puts them; a letter is
    // looked up by its small form, the one its key types alone.
    if (const auto typed = TypedCharacterOf(key)) {
        const SHORT scan = ::VkKeyScanW(*typed);
        if (scan == -1)
            return {};
        return {LOBYTE(scan), (HIBYTE(scan) & 1) != 0, (HIBYTE(scan) & 6) != 0};
    }
    const auto named = NamedKeyOf(key);
    return {named ? named->VirtualKey : 0};
}

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
        idleCheck_.setSingleShot(true);
        QObject::connect(&idleCheck_, &QTimer::timeout, &idleCheck_, [this] { CheckIdle(); });
    }
    ~WindowsDesktop() override {
        if (!window_)
            return;
        if (pressed_)
            ::UnregisterHotKey(window_, kHotKeyId);
        ListenToKeyboard(false);
        if (registered_) {
            RAWINPUTDEVICE mouse{};
            mouse.usUsagePage = 0x01;
            mouse.usUsage = 0x02;
            mouse.dwFlags = RIDEV_REMOVE;
            ::RegisterRawInputDevices(&mouse, 1, sizeof mouse);
        }
        ::DestroyWindow(window_);
    }

    QPoint PointerPosition() override {
        POINT p{};
        if (!::GetCursorPos(&p))
            return {};
        // Device pixels of the monitor under the cursor; Qt and the window's twips work in
        // device-independent ones.
        return PixelsFromDevice(CurrentMonitors(), QPoint(p.x, p.y));
    }
    bool ButtonDown(MouseButton button) override {
        const int key = button == MouseButton::Left    ? VK_LBUTTON
                        : button == MouseButton::Right ? VK_RBUTTON
                                                       : VK_MBUTTON;
        return ::GetAsyncKeyState(key) != 0;
    }
    QSize ScreenSizePixels() const override { return PrimaryScreenSize(); }
    Monitors GetMonitors() const override { return CurrentMonitors(); }
    bool AnnouncesInput() const override { return announcing_; }

    bool ListensForKeys() const override { return window_ != nullptr; }
    std::optional<QString> ListenForKey(QKeyCombination key,
                                        std::function<void()> pressed) override {
        if (pressed_ && window_)
            ::UnregisterHotKey(window_, kHotKeyId);
        pressed_ = nullptr;
        if (!pressed)
            return {};
        const VirtualKey code = VirtualKeyOf(key.key());
        if (!window_ || !code.Code)
            return QCoreApplication::translate("orbo::Desktop", "this keyboard has no such key");
        if (code.AltGr)
            return QCoreApplication::translate(
                "orbo::Desktop", "this keyboard types it only with AltGr or another layout");
        // Held down, the key counts once.
        const UINT state = MOD_NOREPEAT | (code.Shift ? MOD_SHIFT : 0) |
                           WindowsModifierFlags(key.keyboardModifiers());
        if (!::RegisterHotKey(window_, kHotKeyId, state, code.Code)) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_HOTKEY_ALREADY_REGISTERED)
                return QCoreApplication::translate("orbo::Desktop",
                                                   "another program already uses it");
            return QCoreApplication::translate("orbo::Desktop", "Windows refused it (error %1)")
                .arg(error);
        }
        pressed_ = std::move(pressed);
        return {};
    }

    void WatchAway(std::chrono::milliseconds after) override {
        awayAfter_ = after;
        away_ = false;
        ListenToKeyboard(false);
        CheckIdle();
    }

private:
    static constexpr const wchar_t* kClassName = L"OrboRawInput";
    // Under Wine, which sends no raw input, how often an away person is looked for.
    static constexpr int kBackCheckMs = 2000;

    // Windows tells no one when the person goes or comes back: the time since the last input is
    // checked once when the wait would pass; away, at each raw input (the keyboard's is taken only
    // then), or under Wine every two seconds.
    void CheckIdle() {
        idleCheck_.stop();
        LASTINPUTINFO last{sizeof(LASTINPUTINFO), 0};
        if (awayAfter_.count() <= 0 || !::GetLastInputInfo(&last))
            return;
        // The tick count wraps after 49 days; the difference of two does not.
        const std::chrono::milliseconds idle(::GetTickCount() - last.dwTime);
        const bool away = idle >= awayAfter_;
        if (away != away_) {
            away_ = away;
            ListenToKeyboard(away);
            AwayChanged(away);
        }
        if (!away_)
            idleCheck_.start(static_cast<int>((awayAfter_ - idle).count()));
        else if (!announcing_)
            idleCheck_.start(kBackCheckMs);
    }

    void ListenToKeyboard(bool listen) {
        if (!window_ || listen == keyboard_)
            return;
        RAWINPUTDEVICE keyboard{};
        keyboard.usUsagePage = 0x01; // generic desktop controls
        keyboard.usUsage = 0x06;     // keyboard
        keyboard.dwFlags = listen ? RIDEV_INPUTSINK : RIDEV_REMOVE;
        keyboard.hwndTarget = listen ? window_ : nullptr;
        keyboard_ = ::RegisterRawInputDevices(&keyboard, 1, sizeof keyboard) != FALSE && listen;
    }
    static constexpr int kHotKeyId = 1;

    // Under Wine no raw input reached this window while the pointer moved over other windows
    // (the creature woke only by its slow poll), so there it keeps ticking as it always did.
    static bool UnderWine() {
        const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
        return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<WindowsDesktop*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_INPUT) {
            if (self->away_)
                self->CheckIdle();
            self->InputArrived();
        }
        if (self && message == WM_HOTKEY && wParam == kHotKeyId && self->pressed_) {
            self->pressed_();
            return 0;
        }
        // WM_INPUT too: the system frees the input's data there.
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    bool registered_ = false;
    bool announcing_ = false;
    std::function<void()> pressed_;
    std::chrono::milliseconds awayAfter_{0};
    bool away_ = false;
    bool keyboard_ = false;
    QTimer idleCheck_;
};

} // namespace

std::unique_ptr<Desktop> MakeWindowsDesktop() {
    return std::make_unique<WindowsDesktop>();
}

} // namespace orbo
