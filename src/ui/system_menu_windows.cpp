// The one place that talks to the Windows system menu.
#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>
#include <utility>

#include "ui/system_menu.h"

namespace quantora {

namespace {

constexpr UINT_PTR kAboutCommand = 16;

// Windows keeps the low four bits of a system command for itself.
constexpr WPARAM kCommandMask = 0xFFF0;

class AboutCommandFilter : public QObject, public QAbstractNativeEventFilter {
public:
    AboutCommandFilter(QWidget& window, std::function<void()> onAbout)
        : QObject(&window), window_(reinterpret_cast<HWND>(window.winId())), onAbout_(std::move(onAbout)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~AboutCommandFilter() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "windows_generic_MSG") return false;
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->hwnd != window_ || msg->message != WM_SYSCOMMAND || (msg->wParam & kCommandMask) != kAboutCommand) {
            return false;
        }
        onAbout_();
        return true;
    }

private:
    HWND window_;
    std::function<void()> onAbout_;
};

}  // namespace

void AddAboutToSystemMenu(QWidget& window, std::function<void()> onAbout) {
    const HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (menu == nullptr) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutCommand, L"&About Quantora...");
    new AboutCommandFilter(window, std::move(onAbout));
}

}  // namespace quantora
