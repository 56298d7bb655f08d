#include "fakes/fake_platform.h"

#include <algorithm>

namespace vz::fake {

void FakeClock::advance(std::int64_t ms) {
    const std::int64_t target = now + ms;
    const auto earliest = [this] {
        return std::min_element(timers.begin(), timers.end(), [](const auto& a, const auto& b) {
            return a.second.first < b.second.first;
        });
    };
    for (auto due = earliest(); due != timers.end() && due->second.first <= target;
         due = earliest()) {
        now = std::max(now, due->second.first);
        auto callback = std::move(due->second.second);
        timers.erase(due);
        callback();
    }
    now = target;
}

std::optional<FileStamp> FakeFiles::stamp(const std::string& path) const {
    if (!isFile(path))
        return std::nullopt;
    const auto written = lastWrite_.find(path);
    return FileStamp{written == lastWrite_.end() ? 0 : written->second,
                     static_cast<std::int64_t>(files.at(path).size())};
}

namespace {

// Appends to the fake's file, counting itself while open.
class FakeAppendingFile : public AppendingFile {
public:
    FakeAppendingFile(FakeFiles& files, std::string path) : files_(files), path_(std::move(path)) {
        ++files_.openAppenders;
    }
    ~FakeAppendingFile() override { --files_.openAppenders; }
    bool append(const std::string& data) override {
        return !files_.failWrites && files_.writeFileAtomic(path_, files_.files[path_] + data);
    }

private:
    FakeFiles& files_;
    std::string path_;
};

} // namespace

std::unique_ptr<AppendingFile> FakeFiles::openAppending(const std::string& path) {
    return std::make_unique<FakeAppendingFile>(*this, path);
}

// The map keeps its keys in byte order, and so the names of one folder.
std::vector<std::string> FakeFiles::listFiles(const std::string& folder,
                                              const std::string& pattern) const {
    const std::string prefix = folder.empty() ? "" : folder + "/";
    const std::string suffix = pattern.starts_with('*') ? pattern.substr(1) : pattern;
    std::vector<std::string> out;
    for (const auto& [path, data] : files) {
        const std::string name = path.substr(std::min(prefix.size(), path.size()));
        if (path.starts_with(prefix) && name.find('/') == std::string::npos &&
            name.ends_with(suffix))
            out.push_back(name);
    }
    return out;
}

namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

std::string crlf(const std::string& text) {
    return replaced(text, "|", "\r\n");
}

std::string bars(const std::string& text) {
    return replaced(text, "\r\n", "|");
}

std::vector<std::string> FakeClientSocket::sentLines() const {
    std::vector<std::string> lines;
    for (std::size_t from = 0, end = 0; from < sent.size(); from = end + 1) {
        end = std::min(sent.find('\n', from), sent.size());
        lines.push_back(sent.substr(from, end - from));
    }
    return lines;
}

namespace {

template <class Part, class Fake> Part& pick(Part* real, Fake& fake) {
    return real != nullptr ? *real : fake;
}

} // namespace

FakeWorld::FakeWorld(RealParts real)
    : app(std::make_unique<frmMain>(
          Platform{pick(real.clock, clock), pick(real.pump, pump), pick(real.files, files),
                   pick(real.locale, locale), pick(real.ui, ui), pick(real.mainWindow, mainWindow),
                   pick(real.dialogs, dialogs), pick(real.server, server),
                   pick(real.identSocket, identSocket), pick(real.desktop, desktop),
                   pick(real.plugins, plugins)})) {}

void FakeWorld::start() {
    app->startUp();
    news();
}

void FakeWorld::startWith(const std::string& settings) {
    files.files["vuvivaz.ini"] = crlf(settings);
    start();
}

void FakeWorld::startSignedOn() {
    files.files["en.lng"] = crlf("[Chat]|strUsersCount=users|[Private]|strCaption=Private|[List]|"
                                 "Caption1=channels on|Caption2=Whois|Caption3=Names|");
    startWith("[Options]|Nick=me|Alternative=me_|[Last]|Server=irc.test|[Lang]|Name=en.lng|");
    connect();
}

void FakeWorld::connect() {
    if (!server.open)
        app->connection().ConnectTo();
    if (server.events)
        server.events->onConnected();
    news();
}

std::string FakeWorld::news() {
    std::string out;
    for (const auto& line : takeSent())
        out += "sent: " + line + "\n";
    if (!identSocket.sent.empty())
        out += "ident: " + bars(std::exchange(identSocket.sent, "")) + "\n";
    const auto add = [&](const FakeChildWindow& win, const FakeTextView& view) {
        std::size_t& seen = shown_[&view];
        for (std::size_t i = std::min(seen, view.lines.size()); i < view.lines.size(); ++i)
            out += win.titleText + ": " + view.lineText(i) + "\n";
        seen = view.lines.size();
    };
    if (ui.status)
        add(ui.status->win, ui.status->textView);
    for (const auto& [events, view] : ui.chats)
        add(view->win, view->textView);
    for (const auto& [events, view] : ui.privats)
        add(view->win, view->textView);
    return out;
}

frmChat& FakeWorld::chat(const std::string& name) {
    const int slot = app->tables().FindChannel(name);
    if (slot == -1)
        throw std::logic_error("no channel window " + name);
    return app->tables().channel(slot);
}

FakeChatView& FakeWorld::chatView(const std::string& name) {
    return *ui.chats.at(&chat(name));
}

frmPrivat& FakeWorld::privat(const std::string& nick) {
    const int slot = app->tables().FindPrivat(nick);
    if (slot == -1)
        throw std::logic_error("no private window " + nick);
    return app->tables().privat(slot);
}

FakePrivatView& FakeWorld::privatView(const std::string& nick) {
    return *ui.privats.at(&privat(nick));
}

} // namespace vz::fake
