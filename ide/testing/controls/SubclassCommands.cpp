#include "SubclassCommands.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "Subclasser.h"

namespace kforge {

namespace {

class LoggingSubclass : public ISubclass {
public:
    LoggingSubclass(HostWindow& host, std::string name) : host_(host), name_(std::move(name)) {}

    void SubclassBefore(bool& handled, LRESULT& ret, HWND, UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        host_.Print("before " + name_ + " " + std::to_string(msg) + " " + std::to_string(wParam) + " " +
                    std::to_string(lParam));
        auto takenOver = takenOver_.find(msg);
        if (takenOver != takenOver_.end()) {
            handled = true;
            ret = takenOver->second;
        }
    }

    void SubclassAfter(LRESULT& ret, HWND, UINT msg, WPARAM, LPARAM) override
    {
        host_.Print("after " + name_ + " " + std::to_string(msg) + " " + std::to_string(ret));
    }

    Subclasser subclasser;
    std::map<UINT, LRESULT> takenOver_;

private:
    HostWindow& host_;
    std::string name_;
};

std::string TableText(const char* name, const MessageTable& table)
{
    std::string text = std::string(name) + " " + std::to_string(table.Count());
    for (int i = 0; i < table.Count(); ++i) {
        text += " " + std::to_string(static_cast<long long>(static_cast<int32_t>(table.Entries()[i])));
    }
    return text;
}

}  // namespace

void AddSubclassCommands(HostWindow& host)
{
    auto subclasses = std::make_shared<std::map<std::string, std::unique_ptr<LoggingSubclass>>>();
    auto find = [subclasses, &host](const HostWindow::Words& args, size_t wanted) -> LoggingSubclass& {
        if (args.size() != wanted) { throw std::invalid_argument("wrong number of arguments"); }
        auto& slot = (*subclasses)[args[0]];
        if (!slot) { slot = std::make_unique<LoggingSubclass>(host, args[0]); }
        return *slot;
    };
    auto number = [](const std::string& text) { return static_cast<UINT>(ParseNumber(text)); };

    host.AddCommand("subclass", [&host, find](const HostWindow::Words& args) {
        LoggingSubclass& sub = find(args, 2);
        host.Print(std::string("subclassed ") +
                   (sub.subclasser.Subclass(host.Child(args[1]), &sub) ? "1" : "0"));
    });
    host.AddCommand("unsubclass",
                    [find](const HostWindow::Words& args) { find(args, 1).subclasser.UnSubclass(); });
    host.AddCommand("addmsg", [find, number](const HostWindow::Words& args) {
        find(args, 3).subclasser.AddMsg(number(args[1]), static_cast<int>(ParseNumber(args[2])));
    });
    host.AddCommand("delmsg", [find, number](const HostWindow::Words& args) {
        find(args, 3).subclasser.DelMsg(number(args[1]), static_cast<int>(ParseNumber(args[2])));
    });
    host.AddCommand("handle", [find, number](const HostWindow::Words& args) {
        find(args, 3).takenOver_[number(args[1])] = static_cast<LRESULT>(ParseNumber(args[2]));
    });
    host.AddCommand("tables", [&host, find](const HostWindow::Words& args) {
        const Subclasser& subclasser = find(args, 1).subclasser;
        host.Print(TableText("before", subclasser.BeforeTable()));
        host.Print(TableText("after", subclasser.AfterTable()));
    });
}

}  // namespace kforge
