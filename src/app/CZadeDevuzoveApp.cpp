#include "app/CZadeDevuzoveApp.h"

#include "common/Clock.h"
#include "config/LocalFiles.h"
#include "device/DeviceConnection.h"
#include "device/DeviceLink.h"
#include "device/DeviceWatcher.h"
#include "device/HidTrace.h"
#include "device/Pacer.h"
#include "device/hidapi/HidapiBackend.h"
#include "device/hidapi/UdevWatcher.h"
#include "platform/QtShell.h"
#include "platform/QtUiServices.h"
#include "sim/VirtualKeyboard.h"
#include "ui/controls/WindowMessageEvent.h"
#include "ui/main/CZadeDevuzoveDlg.h"
#include "ui/controls/WindowMessages.h"
#include "ui/main/QtConnectionEvents.h"
#include "ui/main/TrayIcon.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <iostream>

namespace hx {
namespace {

void Warn(const std::string& message) {
    std::cerr << "hxtr720: " << message << '\n';
}

void Report(const Result<LoadOutcome>& outcome) {
    if (!outcome)
        Warn(outcome.error().message);
    else if (outcome->notice)
        Warn(*outcome->notice);
}

// A backend that does nothing: used when neither hidapi nor the virtual keyboard is available,
// so the program still runs without a keyboard.
class NoBackend final : public HidBackend {
public:
    std::vector<HidInterfaceInfo> Enumerate() override { return {}; }
    Result<std::unique_ptr<HidHandle>> Open(const std::string& path, bool) override {
        return Error{"cannot open " + path + ": no HID access"};
    }
};

} // namespace

struct CZadeDevuzoveApp::Parts final : DeviceListener {
    SteadyClock clock;
    SleepingPacer pacer;
    std::unique_ptr<HidTrace> trace;
    std::unique_ptr<sim::VirtualKeyboard> virtualKeyboard;
    std::filesystem::path virtualKeyboardFile;
    std::unique_ptr<HidBackend> backend;
    std::unique_ptr<DeviceLink> link;
    QtUiServices ui;
    QtShell shell;
    std::unique_ptr<CZadeDevuzoveDlg> window;
    std::unique_ptr<QtConnectionEvents> events;
    std::unique_ptr<DeviceConnection> connection;
    std::unique_ptr<TrayIcon> tray;
    std::unique_ptr<DeviceWatcher> watcher;
    std::unique_ptr<QSocketNotifier> watcherNotifier;

    void OnArrival() override {
        // The keyboard needs a moment after it appears; wait without blocking the window.
        QTimer::singleShot(kArrivalSettle, window.get(), [this] {
            const int notices = connection->OnArrival();
            for (int i = 0; i < notices; ++i)
                window->controller().OnSettingsRead(SettingsRead::kFullRead);
        });
    }
    void OnRemoval() override { connection->OnRemoval(); }
};

CZadeDevuzoveApp::CZadeDevuzoveApp(Options options, Folders folders)
    : options_(std::move(options)), state_(std::make_unique<AppState>()),
      parts_(std::make_unique<Parts>()) {
    state_->folders = std::move(folders);
}

CZadeDevuzoveApp::~CZadeDevuzoveApp() {
    Parts& p = *parts_;
    if (p.tray)
        p.tray->Remove();
    p.watcherNotifier.reset();
    p.watcher.reset();
    if (p.connection)
        p.connection->Shutdown();
    if (p.virtualKeyboard) {
        if (Status saved = p.virtualKeyboard->SaveState(p.virtualKeyboardFile); !saved)
            Warn(saved.error().message);
    }
}

void CZadeDevuzoveApp::RaiseWindow() {
    if (parts_->window)
        parts_->window->Present();
}

int CZadeDevuzoveApp::Run() {
    Parts& p = *parts_;
    AppState& state = *state_;

    if (options_.hidTrace) {
        auto trace = HidTrace::OpenFile(*options_.hidTrace, p.clock);
        if (!trace) {
            Warn(trace.error().message);
            return 1;
        }
        p.trace = std::move(*trace);
    }
    if (options_.virtualKeyboard) {
        p.virtualKeyboardFile = options_.virtualKeyboard->empty()
                                    ? state.folders.data / "virtual-keyboard.bin"
                                    : std::filesystem::path(*options_.virtualKeyboard);
        sim::KeyboardMemory memory = sim::FactoryMemory();
        if (std::filesystem::exists(p.virtualKeyboardFile)) {
            auto loaded = sim::VirtualKeyboard::LoadState(p.virtualKeyboardFile);
            if (!loaded) {
                Warn(loaded.error().message + " (starting from factory settings)");
            } else {
                memory = *loaded;
            }
        }
        p.virtualKeyboard = std::make_unique<sim::VirtualKeyboard>(memory);
        p.virtualKeyboard->PersistTo(p.virtualKeyboardFile);
        p.backend = p.virtualKeyboard->MakeBackend();
    } else if (auto hid = hid::HidapiBackend::Create()) {
        p.backend = std::move(*hid);
    } else {
        Warn(hid.error().message);
        p.backend = std::make_unique<NoBackend>();
    }
    p.link = std::make_unique<DeviceLink>(*p.backend, p.pacer, p.trace.get());

    // Start-up, in the program's order; the window's own set-up happens in its constructor.
    p.window = std::make_unique<CZadeDevuzoveDlg>(state, *p.link, p.ui, p.shell);
    p.ui.SetParentWindow(p.window.get());
    state.expectedVersion = ReadVersionFile(state.folders.resources);
    if (auto watcher = hid::UdevWatcher::Create(p)) {
        p.watcher = std::move(*watcher);
        p.watcherNotifier =
            std::make_unique<QSocketNotifier>(p.watcher->fd(), QSocketNotifier::Read);
        QObject::connect(p.watcherNotifier.get(), &QSocketNotifier::activated,
                         [&p] { p.watcher->ProcessPendingEvents(); });
    } else {
        Warn(watcher.error().message);
        p.ui.ShowMessage("Cannot register for Wdm2 class device notification", "",
                         MessageButtons::kOk);
    }
    Report(LoadOrCreateMacroLibrary(state));
    p.events = std::make_unique<QtConnectionEvents>(p.window.get());
    p.connection = std::make_unique<DeviceConnection>(*p.link, state, *p.events);
    p.connection->Connect();
    const bool showWindow = p.link->DeviceOpen() && p.link->NotifyOpen();

    p.tray = std::make_unique<TrayIcon>(TrayIcon::Actions{
        [&p] { return p.link->DeviceOpen(); }, [&p] { p.window->Present(); },
        [&p] { p.window->done(QDialog::Accepted); },
        [&p] {
            QCoreApplication::postEvent(
                p.window.get(),
                new WindowMessageEvent(WM_NO_KEYBOARD_NOTICE, kNoKeyboardNoticeParam, 0));
        }});
    p.window->SetNoKeyboardNotice([&p] { p.tray->ShowNoKeyboardNotice(); });
    const bool trayShown = p.tray->Show();
    if (!trayShown)
        Warn("the desktop has no notification area; showing the window instead");

    state.keys = KeyTable{};
    Report(LoadKeymap(state));
    state.TakeSnapshot();
    state.TakeKeySnapshot();

    QObject::connect(p.window.get(), &QDialog::finished, qApp, &QApplication::quit);
    if (options_.screenshot) {
        const QString file = QString::fromStdString(*options_.screenshot);
        auto takeShot = [&p, file] {
            const bool saved = p.window->Compose().save(file, "PNG");
            if (!saved)
                Warn("cannot write " + file.toStdString());
            QCoreApplication::exit(saved ? 0 : 1);
        };
        if (p.link->DeviceOpen())
            p.window->SetAfterFullRead(takeShot);
        else
            QTimer::singleShot(0, takeShot); // nothing to read: the window as loaded
    }
    if (showWindow || !trayShown)
        p.window->Present();
    return QApplication::exec();
}

} // namespace hx
