// The fake platform, and a world that runs the program on it; including this
// brings the program's main window and its channel and private windows.
#pragma once

#include "app/frm_main.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_options_view.h"
#include "fakes/fake_plugin_loader.h"
#include "fakes/printers.h"
#include "platform/platform.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vz::fake {

class FakeClock : public Clock {
public:
    std::int64_t nowMs() const override { return now; }
    TimerId startTimer(int delayMs, std::function<void()> callback) override {
        timers[nextId] = {now + delayMs, std::move(callback)};
        return nextId++;
    }
    void cancelTimer(TimerId id) override { timers.erase(id); }
    // Moves time forward, firing due timers in order.
    void advance(std::int64_t ms);
    std::size_t pendingTimers() const { return timers.size(); }

    std::int64_t now = 1000000;

private:
    std::map<TimerId, std::pair<std::int64_t, std::function<void()>>> timers; // due, callback
    TimerId nextId = 1;
};

// Runs queued fake events; waiting advances the fake clock.
class FakePump : public EventPump {
public:
    explicit FakePump(FakeClock& clock) : clock_(clock) {}
    void runPending() override {
        ++rounds;
        for (auto& event : std::exchange(queued, {}))
            event();
    }
    void wait(int ms) override {
        waits.push_back(ms);
        runPending();
        clock_.advance(ms);
    }
    void post(std::function<void()> event) { queued.push_back(std::move(event)); }

    int rounds = 0;
    std::vector<int> waits;
    std::vector<std::function<void()>> queued;

private:
    FakeClock& clock_;
};

class FakeFiles : public FileSystem {
public:
    bool isFile(const std::string& path) const override { return files.count(path) > 0; }
    // Modification time: the number of the last write through this object (0
    // for a file put into `files` directly); size: the length of the text.
    std::optional<FileStamp> stamp(const std::string& path) const override;
    std::optional<std::string> readFile(const std::string& path) const override {
        if (!isFile(path) || unreadable.count(path) > 0)
            return std::nullopt;
        ++reads;
        return files.at(path);
    }
    bool writeFileAtomic(const std::string& path, const std::string& data,
                         FileAccess access = FileAccess::Usual) override {
        if (failWrites)
            return false;
        files[path] = data;
        accessOf[path] = access;
        lastWrite_[path] = ++writes_;
        return true;
    }
    std::unique_ptr<AppendingFile> openAppending(const std::string& path) override;
    // Patterns are "*" and a suffix ("*.lng").
    std::vector<std::string> listFiles(const std::string& folder,
                                       const std::string& pattern) const override;

    std::map<std::string, std::string> files;
    // How each file was last written.
    std::map<std::string, FileAccess> accessOf;
    bool failWrites = false;
    // Files that exist but cannot be read.
    std::set<std::string> unreadable;
    // Files open for appending now.
    int openAppenders = 0;
    // Files read so far.
    mutable int reads = 0;

private:
    std::map<std::string, std::int64_t> lastWrite_;
    std::int64_t writes_ = 0;
};

// Settings text as tests write it, "|" for each CR LF, and back.
std::string crlf(const std::string& text);
std::string bars(const std::string& text);

// A default file the program ships in data/.
inline std::string shippedFile(const std::string& name) {
    std::ifstream in(std::string(VUVIVAZ_DATA_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class FakeLocale : public LocaleFormat {
public:
    std::string shortDate() const override { return "06.12.2026"; }
    std::string timeOfDay() const override { return "21:30:00"; }
};

class FakeUi : public UiFactory {
public:
    std::unique_ptr<StatusView> createStatusView(StatusViewEvents&) override {
        return made(status);
    }
    std::unique_ptr<ChatView> createChatView(ChatViewEvents& e) override { return made(chats[&e]); }
    std::unique_ptr<PrivatView> createPrivatView(PrivatViewEvents& e) override {
        return made(privats[&e]);
    }
    std::unique_ptr<ListWindowView> createListView(ListViewEvents&) override { return made(list); }
    std::unique_ptr<PromptView> createPromptView(PromptViewEvents& e) override {
        promptEvents = &e;
        return made(prompt);
    }
    std::unique_ptr<FavouritesView> createFavouritesView(FavouritesViewEvents&) override {
        return made(favourites);
    }
    std::unique_ptr<ChannelEditorView> createChannelEditorView(ChannelEditorEvents&) override {
        return made(channelEditor);
    }
    std::unique_ptr<CertificateView> createCertificateView(CertificateViewEvents& e) override {
        certificateEvents = &e;
        return made(certificate);
    }
    std::unique_ptr<OptionsView> createOptionsView(OptionsViewEvents& e) override {
        optionsEvents = &e;
        auto view = made(options);
        view->whenShown = whenOptionsShown;
        return view;
    }

    FakeStatusView* status = nullptr;
    // The views by the window they report to.
    std::map<const ChatViewEvents*, FakeChatView*> chats;
    std::map<const PrivatViewEvents*, FakePrivatView*> privats;
    FakeListWindowView* list = nullptr;
    FakePromptView* prompt = nullptr;
    FakeFavouritesView* favourites = nullptr;
    FakeChannelEditorView* channelEditor = nullptr;
    PromptViewEvents* promptEvents = nullptr;
    FakeOptionsView* options = nullptr;
    OptionsViewEvents* optionsEvents = nullptr;
    FakeCertificateView* certificate = nullptr;
    CertificateViewEvents* certificateEvents = nullptr;
    // Runs whenever the options dialog is shown.
    std::function<void()> whenOptionsShown;

private:
    template <class View> static std::unique_ptr<View> made(View*& slot) {
        auto view = std::make_unique<View>();
        slot = view.get();
        return view;
    }
};

class FakeMainWindow : public MainWindowView {
public:
    void show() override { visible = true; }
    void setCaption(const std::string& text) override { captionText = text; }
    std::string caption() const override { return captionText; }
    void setIcon(int image) override { icon = image; }
    TwipRect geometry() const override { return rect; }
    void setTop(int twips) override { rect.top = twips; }
    void setLeft(int twips) override { rect.left = twips; }
    void setWidth(int twips) override { rect.width = twips; }
    void setHeight(int twips) override { rect.height = twips; }
    bool isMinimized() const override { return minimized; }
    bool isActive() const override { return active; }
    void alert() override { ++alerts; }
    void setMenuCaption(const std::string& name, const std::string& text) override {
        menuCaptions[name] = text;
    }
    void setMenuEnabled(const std::string& name, bool on) override { menuEnabled[name] = on; }
    bool isMenuEnabled(const std::string& name) const override {
        return menuEnabled.count(name) > 0 && menuEnabled.at(name);
    }
    void setToolButtonImage(int button, int image) override { toolImages[button] = image; }
    void setToolButtonToolTip(int button, const std::string& tip) override {
        toolTips[button] = tip;
    }
    void arrange(Arrangement how) override { arrangements.push_back(how); }
    void messageBox(const std::string& text, const std::string& title) override {
        messages.push_back(title + ": " + text);
    }
    bool askYesNo(const std::string&, const std::string&) override { return answerYes; }
    void close() override { closed = true; }

    std::string captionText = "VuviVAZ";
    int icon = 1;
    TwipRect rect{1000, 2000, 9000, 7000};
    bool minimized = false, active = false;
    int alerts = 0;
    std::map<std::string, std::string> menuCaptions;
    std::map<std::string, bool> menuEnabled;
    std::map<int, int> toolImages;
    std::map<int, std::string> toolTips;
    std::vector<Arrangement> arrangements;
    std::vector<std::string> messages;
    bool answerYes = true, closed = false, visible = false;
};

class FakeDialogs : public Dialogs {
public:
    void showAbout() override {}
};

class FakeClientSocket : public ClientSocket {
public:
    void setEvents(ClientSocketEvents* e) override { events = e; }
    void connectTo(const std::string& toHost, int toPort) override {
        host = toHost, port = toPort, open = true, acceptedFingerprint = "-";
        ++connects;
    }
    // `acceptedFingerprint` keeps what a TLS attempt was given; "-" for plain.
    void connectSecurely(const std::string& toHost, int toPort,
                         const std::string& fingerprint) override {
        connectTo(toHost, toPort);
        acceptedFingerprint = fingerprint;
    }
    void close() override {
        ++closes;
        open = false;
    }
    void send(const std::string& bytes) override { sent += bytes; }
    std::string localAddress() const override { return "127.0.0.1"; }

    // Lines sent so far, without their line feeds (in order).
    std::vector<std::string> sentLines() const;

    ClientSocketEvents* events = nullptr;
    std::string host;
    int port = 0, connects = 0, closes = 0;
    bool open = false;
    std::string sent; // raw bytes
    std::string acceptedFingerprint;
};

class FakeIdentSocket : public IdentSocket {
public:
    void setEvents(IdentSocketEvents* e) override { events = e; }
    void listen(int port) override {
        listenPort = port;
        listening = !refuseBind;
        if (refuseBind && events)
            events->onError(13, "The address is protected");
    }
    void close() override {
        listening = accepted = false;
        ++closes;
    }
    void accept() override {
        accepted = true;
        listening = false;
    }
    void send(const std::string& bytes) override { sent += bytes; }
    int localPort() const override { return 6667; }
    int remotePort() const override { return 40001; }

    IdentSocketEvents* events = nullptr;
    bool listening = false, accepted = false, refuseBind = false;
    int listenPort = 0, closes = 0;
    std::string sent;
};

struct FakeDesktop : Desktop {
    bool openInEditor(const std::string& path) override { return opened.push_back(path), canOpen; }
    void activateKeyboardLayout(KeyboardLayout layout) override { layouts.push_back(layout); }
    std::vector<std::string> opened;
    std::vector<KeyboardLayout> layouts;
    bool canOpen = true;
};

// The parts of a world that are not its fakes: the Qt and integration tests
// put real views, sockets, clock or pump here; a part left null is the fake.
struct RealParts {
    Clock* clock = nullptr;
    EventPump* pump = nullptr;
    FileSystem* files = nullptr;
    LocaleFormat* locale = nullptr;
    UiFactory* ui = nullptr;
    MainWindowView* mainWindow = nullptr;
    Dialogs* dialogs = nullptr;
    ClientSocket* server = nullptr;
    IdentSocket* identSocket = nullptr;
    Desktop* desktop = nullptr;
    PluginLoader* plugins = nullptr;

    // Every part of `platform`.
    static RealParts all(const Platform& p) {
        return {&p.clock,   &p.pump,         &p.files,       &p.locale,  &p.ui,     &p.mainWindow,
                &p.dialogs, &p.serverSocket, &p.identSocket, &p.desktop, &p.plugins};
    }
};

// One frmMain on its platform, for scenario tests. Every part is a fake
// unless `real` names another; the helpers that feed and read a fake part
// (serverSays, chatView...) need that part to be the fake.
class FakeWorld {
public:
    explicit FakeWorld(RealParts real = {});

    // Starts the program (status window, banner, settings); what start-up
    // shows is not news.
    void start();
    // Starts with `settings` ("|" for each CR LF) as the settings file.
    void startWith(const std::string& settings);
    // Starts as "me" (alternative "me_") on irc.test with English language
    // words for the member count and the titles of private and list windows,
    // connects, and forgets what signing on sent and showed.
    void startSignedOn();
    // Makes the server socket report an established connection, connecting
    // first when it is closed; what that sends and shows is not news.
    void connect();
    // One server line, as if it arrived with its CR LF.
    void serverSays(const std::string& line) {
        if (server.events)
            server.events->onDataArrived(line + "\r\n");
    }
    // Lines sent to the server since the last call.
    std::vector<std::string> takeSent() {
        auto lines = server.sentLines();
        server.sent.clear();
        return lines;
    }
    // The lines sent, the ident replies ("|" for CR LF) and the lines shown
    // (in the status, channel and private windows) since the last call or
    // takeSent(), one per line; "" when there were none. A test checks that
    // nothing else happened with EXPECT_EQ(world.news(), "").
    std::string news();

    // The status window's text; throws before the status window is made.
    FakeTextView& statusText() {
        return ui.status ? ui.status->textView : throw std::logic_error("no status window");
    }
    std::string statusLast() { return statusText().lastLine(); }
    // The channel window of `name`; throws when there is none.
    frmChat& chat(const std::string& name);
    FakeChatView& chatView(const std::string& name);
    // The private window with `nick`; throws when there is none.
    frmPrivat& privat(const std::string& nick);
    FakePrivatView& privatView(const std::string& nick);

    FakeClock clock;
    FakePump pump{clock};
    FakeFiles files;
    FakeLocale locale;
    FakeUi ui;
    FakeMainWindow mainWindow;
    FakeDialogs dialogs;
    FakeClientSocket server;
    FakeIdentSocket identSocket;
    FakeDesktop desktop;
    FakePluginLoader plugins;
    std::unique_ptr<frmMain> app;

private:
    std::map<const FakeTextView*, std::size_t> shown_;
};

// A world started signed on (see startSignedOn()).
struct SignedOnWorld : FakeWorld {
    SignedOnWorld() { startSignedOn(); }
};

} // namespace vz::fake
