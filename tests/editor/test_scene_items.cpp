// The two 3D items in the real main frame, read from the back buffer of its device: the bronze
// title rocking on the main page and the pitch fork turning on the items page, both by the clock
// seam alone; and pages drawn without an item that could not be made.
#include "EditorFixture.h"

#include "Clock.h"
#include "ComRelease.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
DWORD s_ticks = 0;
DWORD FixedTicks()
{
    return s_ticks;
}

struct CFrameImage
{
    UINT width = 0;
    UINT height = 0;
    std::vector<D3DCOLOR> pixels;

    D3DCOLOR At(UINT x, UINT y) const { return pixels[size_t(y) * width + x] | 0xFF000000; }
};

// Pixels that differ between two images inside [left, right) x [top, bottom).
int Differences(const CFrameImage& a, const CFrameImage& b, UINT left, UINT top, UINT right, UINT bottom)
{
    int count = 0;
    for (UINT y = top; y < bottom && y < a.height; ++y)
    {
        for (UINT x = left; x < right && x < a.width; ++x)
        {
            count += a.At(x, y) != b.At(x, y);
        }
    }
    return count;
}

class SceneItemsTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        SetGuiTickSource(FixedTicks);
    }
    void TearDown() override
    {
        SetGuiTickSource(nullptr);
        EditorTest::TearDown();
    }

    // One frame at `ticks` milliseconds, read back before anything else draws.
    CFrameImage Frame(DWORD ticks)
    {
        s_ticks = ticks;
        RunFrames();
        CFrameImage image;
        IDirect3DDevice9* device = m_frame.m_device;
        IDirect3DSurface9* backBuffer = nullptr;
        IDirect3DSurface9* copy = nullptr;
        D3DSURFACE_DESC desc{};
        if (SUCCEEDED(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer)) &&
            SUCCEEDED(backBuffer->GetDesc(&desc)) &&
            SUCCEEDED(device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM,
                                                          &copy, nullptr)) &&
            SUCCEEDED(device->GetRenderTargetData(backBuffer, copy)))
        {
            D3DLOCKED_RECT locked{};
            if (SUCCEEDED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY)))
            {
                image.width = desc.Width;
                image.height = desc.Height;
                image.pixels.resize(size_t(desc.Width) * desc.Height);
                for (UINT y = 0; y < desc.Height; ++y)
                {
                    std::memcpy(&image.pixels[size_t(y) * desc.Width],
                                static_cast<const BYTE*>(locked.pBits) + size_t(y) * locked.Pitch, desc.Width * 4);
                }
                copy->UnlockRect();
            }
        }
        ReleaseCom(copy);
        ReleaseCom(backBuffer);
        EXPECT_FALSE(image.pixels.empty()) << "the back buffer could not be read";
        return image;
    }
};
} // namespace

TEST_F(SceneItemsTest, TheMainPageShowsTheBronzeTitleRockingByTheClock)
{
    ASSERT_NE(m_frame.m_titleMesh, nullptr);
    const CFrameImage rocked = Frame(3000); // sin(3) * 30 degrees: nearly upright
    const CFrameImage later = Frame(4000);  // sin(4) * 30 degrees: tilted the other way
    ID3DXMesh* title = m_frame.m_titleMesh;
    m_frame.m_titleMesh = nullptr;
    const CFrameImage without = Frame(3000);
    m_frame.m_titleMesh = title;
    ASSERT_FALSE(rocked.pixels.empty() || later.pixels.empty() || without.pixels.empty());

    // The title lies in the upper left part of the view, drawn in the bronze material: every pixel
    // it covers is a dark, warm brown.
    const UINT right = rocked.width / 2;
    const UINT bottom = rocked.height / 2;
    int titlePixels = 0;
    int bronze = 0;
    for (UINT y = 0; y < bottom; ++y)
    {
        for (UINT x = 0; x < right; ++x)
        {
            if (rocked.At(x, y) != without.At(x, y))
            {
                ++titlePixels;
                const D3DCOLOR c = rocked.At(x, y);
                const int r = int((c >> 16) & 0xFF), g = int((c >> 8) & 0xFF), b = int(c & 0xFF);
                bronze += r > g && g > b && r <= 140;
            }
        }
    }
    EXPECT_GT(titlePixels, 300);
    EXPECT_GT(bronze, titlePixels * 9 / 10);
    EXPECT_EQ(Differences(rocked, without, right, 0, rocked.width, rocked.height), 0) << "nothing else changes";
    EXPECT_GT(Differences(rocked, later, 0, 0, right, bottom), 200) << "a second later it has moved";
    EXPECT_EQ(Differences(rocked, Frame(3000), 0, 0, rocked.width, rocked.height), 0) << "time alone moves it";
}

TEST_F(SceneItemsTest, TheItemsPageShowsThePitchForkTurningAboutX)
{
    ASSERT_NE(m_frame.m_model.m_builtMesh, nullptr) << "the pitch fork is copied beside the test";
    ASSERT_EQ(m_frame.m_model.m_materialTable.size(), 4u);
    LoadFixture({});
    Frame(0); // the main page leaves light, material and states in the device
    m_frame.GoToPage(2);
    const CFrameImage flat = Frame(0);
    const CFrameImage turned = Frame(1500);
    ID3DXMesh* built = m_frame.m_model.m_builtMesh;
    m_frame.m_model.m_builtMesh = nullptr;
    const CFrameImage without = Frame(0);
    m_frame.m_model.m_builtMesh = built;
    ASSERT_FALSE(flat.pixels.empty() || turned.pixels.empty() || without.pixels.empty());

    // Along the view's middle row: the shaft at the centre, the band and socket left of it, the
    // tines (just off the row) further left; the item grid on the right is untouched.
    const UINT middle = flat.height / 2;
    const UINT centre = flat.width / 2;
    for (UINT x : {centre + 60, centre, centre - 150, centre - 200})
    {
        SCOPED_TRACE(x);
        EXPECT_GT(Differences(flat, without, x - 3, middle - 3, x + 4, middle + 4), 30);
    }
    EXPECT_GT(Differences(flat, without, centre - 290, middle - 50, centre - 270, middle + 50), 30);
    EXPECT_EQ(Differences(flat, without, flat.width * 69 / 100, 0, flat.width, flat.height), 0);
    EXPECT_GT(Differences(flat, without, 0, 0, centre + 130, flat.height), 2000);

    // Textured per material: without the textures the shaft and the head look otherwise, while
    // the untextured band (material 0) stays as it was.
    std::vector<IDirect3DTexture9*> textures;
    for (auto& material : m_frame.m_model.m_materialTable)
    {
        textures.push_back(material->m_texture);
        material->m_texture = nullptr;
    }
    const CFrameImage plain = Frame(0);
    for (size_t i = 0; i < textures.size(); ++i)
    {
        m_frame.m_model.m_materialTable[i]->m_texture = textures[i];
    }
    EXPECT_GT(Differences(flat, plain, centre - 60, middle - 5, centre + 60, middle + 6), 100);
    EXPECT_GT(Differences(flat, plain, centre - 210, middle - 5, centre - 190, middle + 6), 20);
    EXPECT_EQ(Differences(flat, plain, centre - 154, middle - 2, centre - 146, middle + 3), 0);

    // Turned by 1.5 radians the tines stand across the row: the picture has changed.
    EXPECT_GT(Differences(flat, turned, 0, 0, centre, flat.height), 500);
}
