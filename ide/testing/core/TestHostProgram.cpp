#include "TestHostProgram.h"

#include "CommonControls.h"

namespace kforge {

TestHostProgram::TestHostProgram()
{
    if (__argc != 3) { return; }
    InitCommonControlsOnce();
    channel_ = std::make_unique<CommandChannel>(__argv[1], __argv[2]);
    host_ = std::make_unique<HostWindow>(*channel_);
}

int TestHostProgram::Run(const std::function<bool()>& afterCreate,
                         const std::function<bool(const MSG&)>& translate)
{
    if (!Ok()) { return 2; }
    if (!host_->CreateMain() || (afterCreate && !afterCreate())) {
        channel_->WriteResult("error: the host window was not created");
        return 1;
    }
    host_->AddChild("host", host_->Hwnd());
    channel_->WriteResult("ready");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (translate && translate(msg)) { continue; }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace kforge
