// Test rig of the toolkit: a hidden window with a real Direct3D 9 device (shared by the tests of
// one executable), a container set up like the program's, a recording event handler, a
// hand-driven clock and back-buffer reading. No assertions about the toolkit here.
#pragma once

#include "Gui.h"
#include "GuiFrame.h"
#include "GuiTestDevice.h"

#include <gtest/gtest.h>

#include <vector>

struct GuiEventRecord
{
    int id;
    int event;
    CRVDXGUIControl* control;
};

class CRecordingHandler : public IGuiEventHandler
{
public:
    void OnGuiEvent(int id, int event, CRVDXGUIControl& control) override
    {
        m_events.push_back(GuiEventRecord{id, event, &control});
    }
    // Events reported for one control, in order.
    std::vector<int> EventsOf(const CRVDXGUIControl* control) const;
    std::vector<GuiEventRecord> m_events;
};

// The clock the toolkit reads while a test runs; starts at a value near the 32-bit wrap so the
// unsigned tick arithmetic is exercised.
class CTestClock
{
public:
    CTestClock();
    ~CTestClock();
    static void Set(DWORD now) { s_now = now; }
    static void Advance(DWORD milliseconds) { s_now += milliseconds; }
    static DWORD Now() { return s_now; }

private:
    static DWORD s_now;
};

class GuiTest : public ::testing::Test
{
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    void SetUp() override;
    void TearDown() override;

    // One frame with the given input: BeginScene, one pass, EndScene (no Present).
    void RunFrame(int x, int y, int& leftButton, std::wstring typedText = {});
    // A press-and-release at one point over two frames, as a user's quick click.
    void Click(int x, int y);
    // Renders one frame of the container on a cleared back buffer and copies it for reading.
    void RenderAndCapture(int x, int y, D3DCOLOR clear = 0xFF000000);
    // A pixel of the last capture as 0xAARRGGBB (alpha forced to 0xFF).
    D3DCOLOR PixelAt(int x, int y) const;
    // Reference count of a COM object, read by a balanced AddRef / Release.
    static ULONG RefCount(IUnknown* object);
    // The four vertices a quad holds; false when it cannot be read.
    static bool ReadQuad(IDirect3DVertexBuffer9* quad, GuiVertex vertices[4]);

    static CGuiTestDevice s_rig;
    static IDirect3DDevice9* s_device; // the rig's device

    CRVDXGui m_gui;
    CRecordingHandler m_handler;
    CTestClock m_clock;
    int m_leftButton = BUTTON_UP;
    std::vector<D3DCOLOR> m_capture;
};
