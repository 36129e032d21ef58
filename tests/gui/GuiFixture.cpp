// The toolkit's test rig: window, device, container set-up, clock, capture.
#include "GuiFixture.h"

#include "Clock.h"
#include "ComRelease.h"
#include "GuiTestDevice.h"

#include <d3dx9core.h>

#include <cstring>

CGuiTestDevice GuiTest::s_rig;
IDirect3DDevice9* GuiTest::s_device = nullptr;
DWORD CTestClock::s_now = 0;

std::vector<int> CRecordingHandler::EventsOf(const CRVDXGUIControl* control) const
{
    std::vector<int> events;
    for (const GuiEventRecord& record : m_events)
    {
        if (record.control == control)
        {
            events.push_back(record.event);
        }
    }
    return events;
}

CTestClock::CTestClock()
{
    s_now = 0xFFFFFF00u;
    SetGuiTickSource([] { return s_now; });
}

CTestClock::~CTestClock()
{
    SetGuiTickSource(nullptr);
}

void GuiTest::SetUpTestSuite()
{
    ASSERT_TRUE(CreateGuiTestDevice(s_rig));
    s_device = s_rig.m_device;
}

void GuiTest::TearDownTestSuite()
{
    ReleaseGuiTestDevice(s_rig);
    s_device = nullptr;
}

void GuiTest::SetUp()
{
    ASSERT_NE(s_device, nullptr);
    m_gui.m_device = s_device;
    m_gui.m_width = 800;
    m_gui.m_height = 600;
    m_gui.m_originX = 0;
    m_gui.m_originY = 19;
    D3DXCreateSprite(s_device, &m_gui.m_sprite);
    m_gui.m_handler = &m_handler;
    // The press counter is shared by every container; a pass with the button up resets it.
    int up = BUTTON_UP;
    std::wstring none;
    CRVDXGui empty;
    empty.m_device = s_device;
    ProcessFrame(&empty, none, up, -1, -1);
}

void GuiTest::TearDown()
{
    m_gui.ReleaseAll();
}

void GuiTest::RunFrame(int x, int y, int& leftButton, std::wstring typedText)
{
    s_device->BeginScene();
    ProcessFrame(&m_gui, typedText, leftButton, x, y);
    s_device->EndScene();
}

void GuiTest::Click(int x, int y)
{
    m_leftButton = BUTTON_PRESSED;
    RunFrame(x, y, m_leftButton);
    RunFrame(x, y, m_leftButton);
    m_leftButton = BUTTON_UP;
    RunFrame(x, y, m_leftButton);
}

void GuiTest::RenderAndCapture(int x, int y, D3DCOLOR clear)
{
    s_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, clear, 1.0f, 0);
    RunFrame(x, y, m_leftButton);
    IDirect3DSurface9* backBuffer = nullptr;
    IDirect3DSurface9* copy = nullptr;
    m_capture.assign(CANVAS_WIDTH * CANVAS_HEIGHT, 0);
    if (SUCCEEDED(s_device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer)) &&
        SUCCEEDED(s_device->CreateOffscreenPlainSurface(CANVAS_WIDTH, CANVAS_HEIGHT, D3DFMT_X8R8G8B8,
                                                        D3DPOOL_SYSTEMMEM, &copy, nullptr)) &&
        SUCCEEDED(s_device->GetRenderTargetData(backBuffer, copy)))
    {
        D3DLOCKED_RECT locked = {};
        if (SUCCEEDED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY)))
        {
            for (int row = 0; row < CANVAS_HEIGHT; ++row)
            {
                const auto* line = reinterpret_cast<const D3DCOLOR*>(static_cast<const BYTE*>(locked.pBits) +
                                                                     row * locked.Pitch);
                for (int column = 0; column < CANVAS_WIDTH; ++column)
                {
                    m_capture[row * CANVAS_WIDTH + column] = line[column] | 0xFF000000;
                }
            }
            copy->UnlockRect();
        }
    }
    ReleaseCom(copy);
    ReleaseCom(backBuffer);
}

D3DCOLOR GuiTest::PixelAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= CANVAS_WIDTH || y >= CANVAS_HEIGHT || m_capture.empty())
    {
        return 0;
    }
    return m_capture[y * CANVAS_WIDTH + x];
}

ULONG GuiTest::RefCount(IUnknown* object)
{
    object->AddRef();
    return object->Release();
}

bool GuiTest::ReadQuad(IDirect3DVertexBuffer9* quad, GuiVertex vertices[4])
{
    void* data = nullptr;
    if (!quad || FAILED(quad->Lock(0, GUI_QUAD_BYTES, &data, D3DLOCK_READONLY)))
    {
        return false;
    }
    std::memcpy(vertices, data, GUI_QUAD_BYTES);
    quad->Unlock();
    return true;
}
