#pragma once
// Where the command runner puts what a process writes (the Output pane):
// emptied once the first read returns, then given each piece read, in
// order, its line ends already CR LF.

#include <string>

namespace kforge {

class OutputSink {
public:
    virtual void ClearOutput() = 0;
    virtual void AppendOutput(const std::string& text) = 0;

protected:
    ~OutputSink() = default;
};

}  // namespace kforge
