#include "fakes/fake_platform.h"

#include "app/frm_main.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"

#include <stdexcept>

namespace vz::fake {

TimerId FakeClock::startTimer(int delayMs, std::function<void()> callback) {
    const TimerId id = nextId++;
    timers[id] = Timer{now + delayMs, std::move(callback)};
    return id;
}

void FakeClock::advance(std::int64_t ms) {
    const std::int64_t target = now + ms;
    while (true) {
        auto due = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it)
            if (it->second.due <= target &&
                (due == timers.end() || it->second.due < due->second.due))
                due = it;
        if (due == timers.end())
            break;
        now = std::max(now, due->second.due);
        auto callback = std::move(due->second.callback);
        timers.erase(due);
        callback();
    }
    now = target;
}

void FakePump::runPending() {
    ++rounds;
    auto events = std::move(queued);
    queued.clear();
    for (auto& event : events)
        event();
}

void FakePump::wait(int ms) {
    waits.push_back(ms);
    runPending();
    clock_.advance(ms);
}

std::optional<FileStamp> FakeFiles::stamp(const std::string& path) const {
    const auto it = files.find(path);
    if (it == files.end())
        return std::nullopt;
    const auto written = lastWrite_.find(path);
    return FileStamp{written == lastWrite_.end() ? 0 : written->second,
                     static_cast<std::int64_t>(it->second.size())};
}

std::optional<std::string> FakeFiles::readFile(const std::string& path) const {
    const auto it = files.find(path);
    if (it == files.end() || unreadable.count(path) > 0)
        return std::nullopt;
    ++reads;
    return it->second;
}

bool FakeFiles::writeFileAtomic(const std::string& path, const std::string& data) {
    if (failWrites)
        return false;
    files[path] = data;
    lastWrite_[path] = ++writes_;
    return true;
}

bool FakeFiles::appendToFile(const std::string& path, const std::string& data) {
    if (failWrites)
        return false;
    files[path] += data;
    lastWrite_[path] = ++writes_;
    return true;
}

namespace {

bool matches(const char* pattern, const char* name) {
    if (*pattern == '\0')
        return *name == '\0';
    if (*pattern == '*')
        return matches(pattern + 1, name) || (*name != '\0' && matches(pattern, name + 1));
    if (*name == '\0')
        return false;
    return (*pattern == '?' || *pattern == *name) && matches(pattern + 1, name + 1);
}

} // namespace

std::vector<std::string> FakeFiles::listFiles(const std::string& folder,
                                              const std::string& pattern) const {
    std::vector<std::string> out;
    const std::string prefix = folder.empty() ? "" : folder + "/";
    for (const auto& [path, data] : files) {
        if (path.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string name = path.substr(prefix.size());
        if (name.find('/') == std::string::npos && matches(pattern.c_str(), name.c_str()))
            out.push_back(name);
    }
    return out;
}

std::unique_ptr<StatusView> FakeUi::createStatusView(StatusViewEvents&) {
    auto view = std::make_unique<FakeStatusView>();
    status = view.get();
    return view;
}

std::unique_ptr<ChatView> FakeUi::createChatView(ChatViewEvents& events) {
    auto view = std::make_unique<FakeChatView>();
    chats[&events] = view.get();
    return view;
}

std::unique_ptr<PrivatView> FakeUi::createPrivatView(PrivatViewEvents& events) {
    auto view = std::make_unique<FakePrivatView>();
    privats[&events] = view.get();
    return view;
}

std::unique_ptr<ListWindowView> FakeUi::createListView(ListViewEvents&) {
    auto view = std::make_unique<FakeListWindowView>();
    list = view.get();
    return view;
}

FakeTextView& FakeUi::statusText() {
    if (!status)
        throw std::logic_error("status window not created");
    return status->textView;
}

bool FakeMainWindow::isMenuEnabled(const std::string& name) const {
    const auto it = menuEnabled.find(name);
    return it != menuEnabled.end() && it->second;
}

void FakeClientSocket::connectTo(const std::string& toHost, int toPort) {
    host = toHost;
    port = toPort;
    ++connects;
    open = true;
}

void FakeClientSocket::send(const std::string& bytes) {
    if (open)
        sent += bytes;
}

std::vector<std::string> FakeClientSocket::sentLines() const {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < sent.size()) {
        const std::size_t end = sent.find('\n', from);
        if (end == std::string::npos) {
            lines.push_back(sent.substr(from));
            break;
        }
        lines.push_back(sent.substr(from, end - from));
        from = end + 1;
    }
    return lines;
}

std::string FakeClientSocket::lastSent() const {
    const auto lines = sentLines();
    return lines.empty() ? "" : lines.back();
}

void FakeIdentSocket::listen(int port) {
    ++listens;
    listenPort = port;
    if (refuseBind) {
        if (events)
            events->onError(13, "The address is protected");
        return;
    }
    listening = true;
}

frmChat& channelWindow(frmMain& app, const std::string& name) {
    const int slot = app.tables().FindChannel(name);
    if (slot == -1)
        throw std::logic_error("no channel window " + name);
    return app.tables().channel(slot);
}

frmPrivat& privatWindow(frmMain& app, const std::string& nick) {
    const int slot = app.tables().FindPrivat(nick);
    if (slot == -1)
        throw std::logic_error("no private window " + nick);
    return app.tables().privat(slot);
}

FakeWorld::FakeWorld()
    : app(std::make_unique<frmMain>(
          Platform{clock, pump, files, locale, ui, mainWindow, dialogs, server, identSocket})) {}

FakeWorld::~FakeWorld() = default;

void FakeWorld::start() {
    app->startUp();
}

void FakeWorld::startSignedOn() {
    files.files["vuvivaz.ini"] = "[Options]\r\nNick=me\r\n[Last]\r\nServer=irc.test\r\n"
                                 "Port=6667\r\n[Lang]\r\nName=en.lng\r\n";
    files.files["en.lng"] = "[Chat]\r\nstrUsersCount=users\r\n";
    start();
    connect();
    takeSent();
}

void FakeWorld::connect() {
    if (!server.open)
        app->connection().ConnectTo();
    if (server.events)
        server.events->onConnected();
}

void FakeWorld::serverSays(const std::string& line) {
    if (server.events)
        server.events->onDataArrived(line + "\r\n");
}

std::vector<std::string> FakeWorld::takeSent() {
    auto lines = server.sentLines();
    server.clearSent();
    return lines;
}

FakeTextView& FakeWorld::statusText() {
    return ui.statusText();
}

std::string FakeWorld::statusLast() {
    return statusText().lastLine();
}

frmChat& FakeWorld::chat(const std::string& name) {
    return channelWindow(*app, name);
}

FakeChatView& FakeWorld::chatView(const std::string& name) {
    return *ui.chats.at(&chat(name));
}

frmPrivat& FakeWorld::privat(const std::string& nick) {
    return privatWindow(*app, nick);
}

FakePrivatView& FakeWorld::privatView(const std::string& nick) {
    return *ui.privats.at(&privat(nick));
}

} // namespace vz::fake
