// The container's resources: fonts and their fallback faces, styles, quads, the background,
// emptying the character list, and releasing everything without leaving a COM reference.
#include "GuiFixture.h"

#include "FontFallback.h"
#include "ImageIds.h"

namespace
{
class ContainerTest : public GuiTest
{
};

TEST(FontFallbackTest, ReplacedFacesAreUsedAndMissingFacesFallBackToAChineseFace)
{
    // The test prefix maps "楷体" and "宋体" onto the Arphic faces, as a Chinese Windows has them.
    for (const wchar_t* face : {L"楷体", L"宋体"})
    {
        SCOPED_TRACE(testing::Message() << "replaced face " << (face[0] == L'楷' ? "Kai" : "Song"));
        EXPECT_TRUE(IsFaceInstalled(face));
        EXPECT_EQ(ChooseInstalledFace(face), face);
    }
    const struct
    {
        const wchar_t* asked;
        const wchar_t* chosen;
    } missing[] = {{L"无此楷体", L"楷体"},
                   {L"NoSuchKaiFace", L"楷体"},
                   {L"无此宋体", L"宋体"},
                   {L"NoSuchFace", L"宋体"}};
    for (const auto& row : missing)
    {
        SCOPED_TRACE(testing::Message() << "missing face " << &row - missing);
        EXPECT_FALSE(IsFaceInstalled(row.asked));
        const std::wstring chosen = ChooseInstalledFace(row.asked);
        EXPECT_TRUE(IsFaceInstalled(chosen));
        EXPECT_EQ(chosen, row.chosen);
    }
}

TEST(ContainerWithoutDeviceTest, AddFontLeavesTheIndexUntouched)
{
    CRVDXGui gui;
    int index = 77;
    gui.AddFont(L"楷体", 18, index);
    EXPECT_EQ(index, 77);
    EXPECT_EQ(gui.FontCount(), 0);
}

TEST_F(ContainerTest, FontsStylesAndQuadsGetTheNextIndex)
{
    int font = -1;
    m_gui.AddFont(L"楷体", 18, font);
    EXPECT_EQ(font, 0);
    m_gui.AddFont(L"无此字体", 14, font);
    EXPECT_EQ(font, 1);
    EXPECT_NE(m_gui.FontAt(1), nullptr);
    EXPECT_EQ(m_gui.FontAt(2), nullptr);
    EXPECT_EQ(m_gui.FontAt(-1), nullptr);

    const RECT normal = {757, 220, 931, 284};
    const RECT checked = {682, 135, 712, 180};
    int style = -1;
    m_gui.AddStyle(IDR_ATLAS, 48, 14, &normal, nullptr, style);
    EXPECT_EQ(style, 0);
    EXPECT_FALSE(m_gui.m_styles[0].m_pressedUv.IsPresent());
    EXPECT_FLOAT_EQ(m_gui.m_styles[0].m_pressedUv.uLeft, -10.0f);
    m_gui.AddStyle(IDR_ATLAS, 30, 45, &normal, &checked, style);
    EXPECT_EQ(style, 1);
    ASSERT_NE(m_gui.m_styles[1].m_texture, nullptr);
    EXPECT_GE(m_gui.m_styles[1].m_pressedUv.uLeft, 0.0f);
    EXPECT_FLOAT_EQ(m_gui.m_styles[1].m_uv.uLeft, 757.0f / 1024.0f);
    EXPECT_FLOAT_EQ(m_gui.m_styles[1].m_uv.vBottom, 284.0f / 1024.0f);
    m_gui.AddStyle(IDR_ATLAS, 30, 45, nullptr, nullptr, style); // no rectangle: the whole texture
    EXPECT_FLOAT_EQ(m_gui.m_styles[2].m_uv.uRight, 1.0f);
    EXPECT_FLOAT_EQ(m_gui.m_styles[2].m_uv.vBottom, 1.0f);

    m_gui.AddQuad(nullptr);
    EXPECT_EQ(m_gui.QuadCount(), 0);
    GuiVertex vertices[4];
    MakeQuadVertices(RECT{10, 20, 110, 70}, GuiUv{0.25f, 0.5f, 0.75f, 1.0f}, 0.0f, vertices);
    m_gui.AddQuad(vertices);
    ASSERT_EQ(m_gui.QuadCount(), 1);
    GuiVertex stored[4];
    ASSERT_TRUE(ReadQuad(m_gui.m_quads[0], stored));
    // Strip order: right-top, right-bottom, left-top, left-bottom.
    const float expected[4][4] = {
        {110, 20, 0.75f, 0.5f}, {110, 70, 0.75f, 1.0f}, {10, 20, 0.25f, 0.5f}, {10, 70, 0.25f, 1.0f}};
    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(stored[i].x, expected[i][0]);
        EXPECT_FLOAT_EQ(stored[i].y, expected[i][1]);
        EXPECT_FLOAT_EQ(stored[i].u, expected[i][2]);
        EXPECT_FLOAT_EQ(stored[i].v, expected[i][3]);
        EXPECT_FLOAT_EQ(stored[i].z, 0.0f);
        EXPECT_FLOAT_EQ(stored[i].rhw, 1.0f);
    }
}

TEST_F(ContainerTest, TextureRectanglesUseTheTextureAsCreated)
{
    // The 88 x 33 logo is loaded at whatever size the loader gives it; the divisors follow.
    const RECT half = {0, 0, 44, 33};
    int style = -1;
    m_gui.AddStyle(IDR_LOGO_NORMAL, 88, 33, &half, nullptr, style);
    IDirect3DTexture9* texture = m_gui.m_styles[0].m_texture;
    ASSERT_NE(texture, nullptr);
    D3DSURFACE_DESC desc = {};
    ASSERT_EQ(texture->GetLevelDesc(0, &desc), D3D_OK);
    EXPECT_FLOAT_EQ(m_gui.m_styles[0].m_uv.uRight, 44.0f / static_cast<float>(desc.Width));
    EXPECT_FLOAT_EQ(m_gui.m_styles[0].m_uv.vBottom, 33.0f / static_cast<float>(desc.Height));
}

TEST_F(ContainerTest, BackgroundCoversTheCanvasBelowTheOriginAndIsReplacedWhole)
{
    m_gui.SetBackground(IDR_CHARACTER_PAGE);
    IDirect3DTexture9* first = m_gui.m_background;
    IDirect3DVertexBuffer9* firstQuad = m_gui.m_backgroundQuad;
    ASSERT_NE(first, nullptr);
    ASSERT_NE(firstQuad, nullptr);
    GuiVertex stored[4];
    ASSERT_TRUE(ReadQuad(firstQuad, stored));
    EXPECT_FLOAT_EQ(stored[0].x, 800.0f);
    EXPECT_FLOAT_EQ(stored[0].y, 19.0f);
    EXPECT_FLOAT_EQ(stored[1].y, 619.0f);
    EXPECT_FLOAT_EQ(stored[3].x, 0.0f);
    EXPECT_FLOAT_EQ(stored[3].v, 1.0f);
    EXPECT_FLOAT_EQ(stored[0].z, 1.0f);

    first->AddRef();
    firstQuad->AddRef();
    m_gui.SetBackground(IDR_ITEMS_PAGE);
    EXPECT_EQ(first->Release(), 0u);
    EXPECT_EQ(firstQuad->Release(), 0u);
    EXPECT_NE(m_gui.m_background, nullptr);
}

TEST_F(ContainerTest, ClearListLabelsEmptiesOnlyListLabelsAndThePassSkipsThem)
{
    int font = -1;
    m_gui.AddFont(L"楷体", 15, font);
    const int ids[] = {0, GUI_LIST_LABEL_ID, 13, GUI_LIST_LABEL_ID, GUI_LIST_LABEL_ID, 63};
    for (int id : ids)
    {
        m_gui.AddLabel(id, L"人物", RECT{575, 287, 767, 302}, 0xFF5B3E27, font, 0, 0, false);
    }
    m_gui.ClearListLabels();
    ASSERT_EQ(m_gui.ControlCount(), 6);
    for (int i = 0; i < 6; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(m_gui.m_controls[i] == nullptr, ids[i] == GUI_LIST_LABEL_ID);
    }
    EXPECT_EQ(m_gui.m_controls[2]->m_id, 13);
    RunFrame(600, 300, m_leftButton);
    ASSERT_EQ(m_handler.m_events.size(), 3u);
    EXPECT_EQ(m_handler.m_events[1].id, 13);
    // A new load appends after the emptied entries.
    m_gui.AddLabel(GUI_LIST_LABEL_ID, L"新人物", RECT{575, 287, 767, 302}, 0xFF5B3E27, font, 0, 0, false);
    EXPECT_EQ(m_gui.ControlCount(), 7);
}

// Builds a container with every kind of resource: background, fonts, styles, all builders.
void BuildSample(CRVDXGui& gui)
{
    gui.SetBackground(IDR_CHARACTER_PAGE);
    int font = -1;
    gui.AddFont(L"楷体", 20, font);
    gui.AddFont(L"宋体", 18, font);
    gui.AddLabel(9, L"保存", RECT{55, 264, 180, 284}, 0xFF401F0D, 0, 0xFFF6D816, 0xFF736648, true);
    const RECT nameNormal = {12, 545, 602, 610};
    const RECT nameFocused = {12, 446, 602, 511};
    gui.AddNameEdit(&nameNormal, &nameFocused, RECT{245, 15, 555, 50}, IDR_ATLAS, 1);
    const RECT doneNormal = {330, 115, 565, 195};
    const RECT donePressed = {330, 15, 565, 95};
    gui.AddButton(IDR_ATLAS, &doneNormal, 13, L"完成", RECT{685, 555, 785, 590}, 0, &donePressed, 0,
                  0xFF090807, 0xFF187F11, 0);
    gui.AddButton(IDR_LOGO_NORMAL, nullptr, 11, nullptr, RECT{695, 15, 783, 48}, IDR_LOGO_PRESSED, nullptr,
                  IDR_LOGO_HOVER, 0, 0, -1);
    const RECT number = {757, 220, 931, 284};
    int style = -1;
    gui.AddStyle(IDR_ATLAS, 48, 14, &number, nullptr, style);
    gui.AddNumberEdit(14, 470, 200, style, 2, 0);
    const RECT unchecked = {650, 135, 680, 180};
    const RECT checked = {682, 135, 712, 180};
    gui.AddStyle(IDR_ATLAS, 30, 45, &unchecked, &checked, gui.m_checkBoxStyle);
    gui.AddCheckBox(0, RECT{595, 66, 715, 111});
    CRVDXGUIListBox* box = nullptr;
    gui.AddListBox(RECT{551, 42, 767, 520}, RECT{0, 0, 70, 70}, RECT{985, 15, 1005, 685},
                   RECT{955, 120, 965, 440}, &box);
    for (int i = 0; i < 75; ++i)
    {
        box->AddListItem();
    }
}

TEST_F(ContainerTest, ReleaseAllLeavesNoComReferenceBehind)
{
    m_gui.ReleaseAll(); // the fixture's sprite too: count from a bare device
    const ULONG deviceBefore = RefCount(s_device);
    D3DXCreateSprite(s_device, &m_gui.m_sprite);
    BuildSample(m_gui);
    ASSERT_GT(RefCount(s_device), deviceBefore);

    // Hold on to one object of each kind to see the container give up its reference.
    std::vector<IUnknown*> held = {m_gui.m_background, m_gui.m_backgroundQuad,      m_gui.m_fonts[0],
                                   m_gui.m_quads[0],   m_gui.m_styles[0].m_texture, m_gui.m_sprite};
    for (const auto& control : m_gui.m_controls)
    {
        held.push_back(control->m_texture ? control->m_texture : nullptr);
        if (control->m_hoverTexture != control->m_texture)
        {
            held.push_back(control->m_hoverTexture);
        }
    }
    held.push_back(static_cast<CRVDXGUIListBox*>(m_gui.m_controls.back().get())->m_trackTexture);
    std::erase(held, nullptr);
    ASSERT_GE(held.size(), 10u);
    for (IUnknown* object : held)
    {
        object->AddRef();
    }
    m_gui.ReleaseAll();
    for (size_t i = 0; i < held.size(); ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(held[i]->Release(), 0u);
    }
    EXPECT_EQ(RefCount(s_device), deviceBefore);
    EXPECT_EQ(m_gui.FontCount() + m_gui.QuadCount() + m_gui.ControlCount() + m_gui.StyleCount(), 0);
    EXPECT_EQ(m_gui.m_sprite, nullptr);
    EXPECT_EQ(m_gui.m_background, nullptr);

    // A second release, as the destructor does, finds nothing left.
    m_gui.ReleaseAll();
    EXPECT_EQ(RefCount(s_device), deviceBefore);
}
} // namespace
