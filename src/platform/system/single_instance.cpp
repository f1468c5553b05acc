// One creature per session: the session bus on Linux, a mutex and a window on Windows.
#include "single_instance.h"

#include <QtCore/QObject>

#include <cstdio>

#if defined(ORBO_HAVE_DBUS)
#include "platform/system/session_bus.h"

#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusVirtualObject>
#endif
#if defined(Q_OS_WIN)
#include <windows.h>

#include <chrono>
#endif

namespace orbo {

using namespace Qt::StringLiterals;

namespace {

// How long a later start waits for the first to answer: the first may still be starting.
constexpr int kAnswerMs = 10000;

[[maybe_unused]] void SayNoAnswer() {
    std::fprintf(stderr, "orbo: another Orbo runs in this session but does not answer\n");
}

} // namespace

// What was asked, run from the event loop and not inside the sender's call. A request still
// waiting there is not queued again: a flood of second starts costs one bring-back, not one each.
class QueuedRequest {
public:
    std::function<void()> action;

    void Ask(QObject* context) {
        if (queued_ || !action)
            return;
        queued_ = true;
        QMetaObject::invokeMethod(
            context,
            [this] {
                queued_ = false;
                action();
            },
            Qt::QueuedConnection);
    }

private:
    bool queued_ = false;
};

#if defined(ORBO_HAVE_DBUS)

namespace {

const QString kName = u"org.orbo.Orbo"_s;
const QString kPath = u"/org/orbo/Orbo"_s;
const QString kInterface = u"org.orbo.Orbo"_s;

// Answers BringBack, Toggle and Exit at once, then does what was asked from the event loop, so that
// the caller has its answer even when the program ends.
class InstanceObject : public QDBusVirtualObject {
public:
    QueuedRequest BringBack;
    QueuedRequest Toggle;
    QueuedRequest Exit;

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.type() != QDBusMessage::MethodCallMessage ||
            (!message.interface().isEmpty() && message.interface() != kInterface))
            return false;
        QueuedRequest* request = message.member() == "BringBack"_L1 ? &BringBack
                                 : message.member() == "Toggle"_L1  ? &Toggle
                                 : message.member() == "Exit"_L1    ? &Exit
                                                                    : nullptr;
        if (request == nullptr)
            return false;
        if (message.isReplyRequired())
            connection.send(message.createReply());
        request->Ask(this);
        return true;
    }

    QString introspect(const QString&) const override {
        return u"<interface name=\"org.orbo.Orbo\"><method name=\"BringBack\"/>"
               "<method name=\"Toggle\"/><method name=\"Exit\"/></interface>"_s;
    }
};

} // namespace

struct SingleInstance::Impl {
    InstanceObject object;
    // The connection, while this program holds the name.
    std::optional<QDBusConnection> bus;

    ~Impl() {
        if (!bus)
            return;
        bus->unregisterObject(kPath);
        bus->interface()->unregisterService(kName);
    }

    std::optional<int> Claim(Request request) {
        // Asking for a bus where there is none would start a bus daemon that outlives the program.
        if (!SessionBusReachable())
            return std::nullopt;
        QDBusConnection connection = QDBusConnection::sessionBus();
        if (!connection.isConnected())
            return std::nullopt;
        // The object is there before the name, so the first call to the name finds it.
        connection.registerVirtualObject(kPath, &object);
        // A holder that ends between the two steps leaves the name free: claim it again.
        for (int attempt = 0; attempt < 3; ++attempt) {
            const auto claimed = connection.interface()->registerService(
                kName, QDBusConnectionInterface::DontQueueService,
                QDBusConnectionInterface::DontAllowReplacement);
            if (!claimed.isValid())
                return std::nullopt;
            if (claimed.value() == QDBusConnectionInterface::ServiceRegistered) {
                bus = connection;
                return std::nullopt;
            }
            QDBusMessage call = QDBusMessage::createMethodCall(
                kName, kPath, kInterface,
                request == Request::Toggle ? u"Toggle"_s : u"BringBack"_s);
            call.setAutoStartService(false);
            if (connection.call(call, QDBus::Block, kAnswerMs).type() == QDBusMessage::ReplyMessage)
                return 0;
            if (connection.interface()->isServiceRegistered(kName).value())
                break;
        }
        SayNoAnswer();
        return 1;
    }

    bool Reachable() const { return bus.has_value(); }
    void OnBringBack(std::function<void()> action) { object.BringBack.action = std::move(action); }
    void OnToggle(std::function<void()> action) { object.Toggle.action = std::move(action); }
    void OnExit(std::function<void()> action) { object.Exit.action = std::move(action); }
};

#elif defined(Q_OS_WIN)

namespace {

const wchar_t kMutexName[] = L"Local\\OrboSingleInstance";
const wchar_t kWindowClass[] = L"OrboInstanceWindow";
constexpr UINT kBringBackMessage = WM_APP + 1;
constexpr UINT kToggleMessage = WM_APP + 2;

} // namespace

struct SingleInstance::Impl {
    // Queues what is asked, so that it runs from the event loop and not inside the sender's call.
    QObject context;
    QueuedRequest bringBack;
    QueuedRequest toggle;
    QueuedRequest exit;
    HANDLE mutex = nullptr;
    HWND window = nullptr;

    ~Impl() {
        if (window) {
            ::DestroyWindow(window);
            ::UnregisterClassW(kWindowClass, ::GetModuleHandleW(nullptr));
        }
        if (mutex)
            ::CloseHandle(mutex);
    }

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
        auto* self = reinterpret_cast<Impl*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        QueuedRequest* request = !self                          ? nullptr
                                 : message == kBringBackMessage ? &self->bringBack
                                 : message == kToggleMessage    ? &self->toggle
                                 : message == WM_CLOSE          ? &self->exit
                                                                : nullptr;
        if (request == nullptr)
            return ::DefWindowProcW(hwnd, message, w, l);
        request->Ask(&self->context);
        return 0;
    }

    // The mutex, when this program made it; its window follows.
    bool Take() {
        HANDLE made = ::CreateMutexW(nullptr, FALSE, kMutexName);
        if (made && ::GetLastError() != ERROR_ALREADY_EXISTS) {
            mutex = made;
            MakeWindow();
            return true;
        }
        if (made)
            ::CloseHandle(made);
        return made == nullptr; // no mutex at all: run unchecked
    }

    void MakeWindow() {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = &Procedure;
        type.hInstance = ::GetModuleHandleW(nullptr);
        type.lpszClassName = kWindowClass;
        ::RegisterClassExW(&type);
        // Never shown; a tool window keeps it out of the taskbar should anything show it.
        window = ::CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"Orbo", WS_POPUP, 0, 0, 0, 0,
                                   nullptr, nullptr, type.hInstance, nullptr);
        if (window)
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    std::optional<int> Claim(Request request) {
        if (Take())
            return std::nullopt;
        // The first makes its window a moment after its mutex; it may also end meanwhile.
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(kAnswerMs);
        while (std::chrono::steady_clock::now() < deadline) {
            if (HWND first = ::FindWindowW(kWindowClass, nullptr)) {
                DWORD_PTR result = 0;
                const UINT message =
                    request == Request::Toggle ? kToggleMessage : kBringBackMessage;
                if (::SendMessageTimeoutW(first, message, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs,
                                          &result) != 0)
                    return 0;
                break;
            }
            if (Take())
                return std::nullopt;
            ::Sleep(20);
        }
        SayNoAnswer();
        return 1;
    }

    bool Reachable() const { return window != nullptr; }
    void OnBringBack(std::function<void()> action) { bringBack.action = std::move(action); }
    void OnToggle(std::function<void()> action) { toggle.action = std::move(action); }
    void OnExit(std::function<void()> action) { exit.action = std::move(action); }
};

#else

// Nowhere to look for another creature: every start runs.
struct SingleInstance::Impl {
    std::optional<int> Claim(Request) { return std::nullopt; }
    bool Reachable() const { return false; }
    void OnBringBack(std::function<void()>) {}
    void OnToggle(std::function<void()>) {}
    void OnExit(std::function<void()>) {}
};

#endif

SingleInstance::SingleInstance() : impl_(std::make_unique<Impl>()) {}
SingleInstance::~SingleInstance() = default;

std::optional<int> SingleInstance::Claim(Request request) {
    return impl_->Claim(request);
}

bool SingleInstance::Reachable() const {
    return impl_->Reachable();
}

void SingleInstance::OnBringBack(std::function<void()> bringBack) {
    impl_->OnBringBack(std::move(bringBack));
}

void SingleInstance::OnToggle(std::function<void()> toggle) {
    impl_->OnToggle(std::move(toggle));
}

void SingleInstance::OnExit(std::function<void()> exit) {
    impl_->OnExit(std::move(exit));
}

} // namespace orbo
