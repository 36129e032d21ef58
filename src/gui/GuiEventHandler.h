// The interface through which a container's per-frame pass reports its controls to the program.
// The toolkit never owns a handler.
#pragma once

class CRVDXGUIControl;

class IGuiEventHandler
{
public:
    // Called once per visited control and pass, between BeginScene and EndScene. The handler may
    // add controls to the container being processed.
    virtual void OnGuiEvent(int id, int event, CRVDXGUIControl& control) = 0;

protected:
    ~IGuiEventHandler() = default;
};
