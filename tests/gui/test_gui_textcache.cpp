// Texts drawn once into textures: they reach the screen as the direct DrawTextW does, a colour
// change reuses the texture, a text change draws it anew, and every texture is given back.
#include "ComRelease.h"
#include "GuiFixture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{
class TextCacheTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        m_gui.AddFont(L"楷体", 18, m_font);
        ASSERT_EQ(m_font, 0);
        m_gui.m_noticeFont = m_font;
        m_gui.m_noticeLifetime = 800;
    }

    CRVDXGUIControl* AddLabel(int id, const wchar_t* text, const RECT& rect, D3DCOLOR color, bool centred)
    {
        CRVDXGUIControl* label = nullptr;
        m_gui.AddLabel(id, text, rect, color, m_font, 0xFF20AF19, 0, centred, &label);
        return label;
    }

    // The text textures of the first two controls and the first notice, each given one more
    // reference so that a test can see them released: the last Release then answers 0.
    std::vector<IDirect3DTexture9*> HoldTextTextures()
    {
        std::vector<IDirect3DTexture9*> held;
        for (IDirect3DTexture9* texture : {m_gui.m_controls[0]->m_textCache.Texture(),
                                           m_gui.m_controls[1]->m_textCache.Texture(),
                                           m_gui.m_notices[0].m_textCache.Texture()})
        {
            if (texture)
            {
                texture->AddRef();
                held.push_back(texture);
            }
        }
        return held;
    }

    // The largest green channel in the area of the labels the tests hover over.
    int BrightestGreen() const
    {
        int green = 0;
        for (int y = 115; y < 145; ++y)
        {
            for (int x = 95; x < 150; ++x)
            {
                green = std::max(green, static_cast<int>((PixelAt(x, y) >> 8) & 0xFF));
            }
        }
        return green;
    }

    // Pixels of the last capture (on black) that are not black in [left, right) x [top, bottom).
    int CountLit(int left, int top, int right, int bottom) const
    {
        int lit = 0;
        for (int y = top; y < bottom; ++y)
        {
            for (int x = left; x < right; ++x)
            {
                lit += PixelAt(x, y) != 0xFF000000;
            }
        }
        return lit;
    }

    int m_font = -1;
};

// Largest difference of one colour channel between two pixels.
int ChannelDifference(D3DCOLOR a, D3DCOLOR b)
{
    int most = 0;
    for (int shift = 0; shift < 24; shift += 8)
    {
        most = std::max(
            most, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    }
    return most;
}

TEST_F(TextCacheTest, CachedTextsLookLikeTextsDrawnDirectly)
{
    AddLabel(0, L"人物列表", RECT{20, 40, 20, 40}, 0xFF401F0D, false);
    AddLabel(0, L"Quillmark 123", RECT{20, 80, 20, 80}, 0xFFF6D816, false);
    AddLabel(0, L"完成", RECT{200, 40, 300, 75}, 0xFFFFFFFF, true);
    AddLabel(0, L"Agility 敏捷", RECT{200, 90, 330, 110}, 0x80FF2020, true);
    AddLabel(0, L"技能点:", RECT{400, 40, 400, 40}, 0xC020A0FF, false);
    AddLabel(0, L"居中的一行文字", RECT{400, 80, 560, 110}, 0xFF20AF19, true);
    m_gui.AddNotice(L"已保存 saved", 0xFFE0E0E0);
    constexpr D3DCOLOR CLEAR = 0xFF336699;

    // Without a sprite the pass draws every text directly.
    ID3DXSprite* sprite = std::exchange(m_gui.m_sprite, nullptr);
    RenderAndCapture(-1, -1, CLEAR);
    const std::vector<D3DCOLOR> direct = m_capture;
    m_gui.m_sprite = sprite;
    RenderAndCapture(-1, -1, CLEAR);
    ASSERT_EQ(m_gui.m_controls[0]->m_textCache.RenderCount(), 1);
    ASSERT_NE(m_gui.m_notices[0].m_textCache.Texture(), nullptr);

    int most = 0;
    double total = 0.0;
    size_t textPixels = 0;
    for (size_t i = 0; i < direct.size(); ++i)
    {
        const int difference = ChannelDifference(direct[i], m_capture[i]);
        most = std::max(most, difference);
        total += difference;
        textPixels += direct[i] != (CLEAR | 0xFF000000);
    }
    std::printf("text pixels %zu, channel difference max %d, mean %.4f\n", textPixels, most,
                total / static_cast<double>(direct.size()));
    EXPECT_GT(textPixels, 500u);
    EXPECT_LE(most, 4);
    EXPECT_LT(total / static_cast<double>(direct.size()), 0.05);
}

TEST_F(TextCacheTest, HoverColourReusesTheTextureAndATextChangeDrawsItAnew)
{
    CRVDXGUIControl* label = AddLabel(0, L"骑术", RECT{100, 100, 200, 120}, 0xFF3A5224, false);
    RenderAndCapture(-1, -1);
    IDirect3DTexture9* first = label->m_textCache.Texture();
    ASSERT_NE(first, nullptr);
    // Over black the hover green (0xAF) comes out far brighter than the normal green (0x52).
    const int normalGreen = BrightestGreen();
    RenderAndCapture(150, 130); // the rectangle moved down by the origin
    EXPECT_GT(BrightestGreen(), normalGreen * 3 / 2);
    EXPECT_GT(normalGreen, 0x20);
    RenderAndCapture(-1, -1);
    EXPECT_EQ(label->m_textCache.RenderCount(), 1);
    EXPECT_EQ(label->m_textCache.Texture(), first);

    first->AddRef();
    label->m_text = L"骑射";
    RenderAndCapture(-1, -1);
    EXPECT_EQ(first->Release(), 0u); // the old text's texture was given back
    EXPECT_EQ(label->m_textCache.RenderCount(), 2);
    EXPECT_NE(label->m_textCache.Texture(), nullptr);

    label->m_text.clear();
    RenderAndCapture(-1, -1);
    EXPECT_EQ(label->m_textCache.Texture(), nullptr);
}

TEST_F(TextCacheTest, ClippedTextStaysInsideItsRectangleAndRisingNoticesAreShownWhereTheyAre)
{
    AddLabel(0, L"很长很长很长很长的一行", RECT{100, 100, 140, 120}, 0xFFFFFFFF, true);
    m_gui.AddNotice(L"已保存", 0xFFFFFFFF);
    RenderAndCapture(-1, -1);
    EXPECT_GT(CountLit(100, 119, 140, 139), 20);
    EXPECT_EQ(CountLit(0, 115, 100, 145) + CountLit(140, 115, 300, 145), 0);
    EXPECT_GT(CountLit(0, 600, 200, CANVAS_HEIGHT), 20);

    CTestClock::Advance(200); // one pixel per 5 ms
    RenderAndCapture(-1, -1);
    ASSERT_EQ(m_gui.m_notices[0].m_y, 560);
    EXPECT_GT(CountLit(0, 560, 200, 582), 20);
    EXPECT_EQ(CountLit(0, 582, 200, CANVAS_HEIGHT), 0);
    EXPECT_EQ(m_gui.m_notices[0].m_textCache.RenderCount(), 1);
}

TEST_F(TextCacheTest, RemovedListLabelsAndExpiredNoticesGiveBackTheirTextures)
{
    AddLabel(GUI_LIST_LABEL_ID, L"同伴名字", RECT{575, 287, 767, 302}, 0xFF5B3E27, false);
    AddLabel(GUI_LIST_LABEL_ID, L"同伴二", RECT{575, 302, 767, 317}, 0xFF5B3E27, false);
    m_gui.AddNotice(L"已保存", 0xFFFFFFFF);
    RenderAndCapture(-1, -1);
    const std::vector<IDirect3DTexture9*> held = HoldTextTextures();
    ASSERT_EQ(held.size(), 3u);
    m_gui.ClearListLabels();
    EXPECT_EQ(held[0]->Release(), 0u);
    EXPECT_EQ(held[1]->Release(), 0u);
    CTestClock::Advance(m_gui.m_noticeLifetime);
    RenderAndCapture(-1, -1);
    EXPECT_TRUE(m_gui.m_notices.empty());
    EXPECT_EQ(held[2]->Release(), 0u);
}

TEST_F(TextCacheTest, ReleaseAllLeavesNoTextTextureBehind)
{
    m_gui.ReleaseAll(); // the fixture's sprite and font too: count from a bare device
    const ULONG deviceBefore = RefCount(s_device);
    D3DXCreateSprite(s_device, &m_gui.m_sprite);
    m_gui.AddFont(L"楷体", 18, m_font);
    m_gui.m_noticeFont = m_font;
    AddLabel(0, L"属性", RECT{66, 388, 66, 388}, 0xFF192541, false);
    AddLabel(0, L"完成", RECT{685, 555, 785, 590}, 0xFF090807, true);
    m_gui.AddNotice(L"已保存", 0xFFFFFFFF);
    RenderAndCapture(-1, -1);
    const std::vector<IDirect3DTexture9*> held = HoldTextTextures();
    ASSERT_EQ(held.size(), 3u);
    m_gui.ReleaseAll();
    for (IDirect3DTexture9* texture : held)
    {
        EXPECT_EQ(texture->Release(), 0u);
    }
    EXPECT_EQ(RefCount(s_device), deviceBefore);
}
} // namespace
