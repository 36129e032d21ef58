// CRVDXGui resources (background, fonts, styles, quads), control table, value exchange, notices
// and release. Builders are in GuiBuilders.cpp, the per-frame pass in GuiFrame.cpp.
#include "Gui.h"

#include "Clock.h"
#include "ComRelease.h"
#include "FontFallback.h"

#include <d3dx9tex.h>

#include <cstring>

GuiUv TextureUv(IDirect3DTexture9* texture, const RECT* pixels)
{
    D3DSURFACE_DESC desc = {};
    if (!pixels || !texture || FAILED(texture->GetLevelDesc(0, &desc)) || desc.Width == 0 || desc.Height == 0)
    {
        return GuiUv{0.0f, 0.0f, 1.0f, 1.0f};
    }
    const float width = static_cast<float>(desc.Width);
    const float height = static_cast<float>(desc.Height);
    return GuiUv{static_cast<float>(pixels->left) / width, static_cast<float>(pixels->top) / height,
                 static_cast<float>(pixels->right) / width, static_cast<float>(pixels->bottom) / height};
}

void MakeQuadVertices(const RECT& rect, const GuiUv& uv, float z, GuiVertex vertices[4])
{
    const float left = static_cast<float>(rect.left);
    const float top = static_cast<float>(rect.top);
    const float right = static_cast<float>(rect.right);
    const float bottom = static_cast<float>(rect.bottom);
    vertices[0] = {right, top, z, 1.0f, uv.uRight, uv.vTop};
    vertices[1] = {right, bottom, z, 1.0f, uv.uRight, uv.vBottom};
    vertices[2] = {left, top, z, 1.0f, uv.uLeft, uv.vTop};
    vertices[3] = {left, bottom, z, 1.0f, uv.uLeft, uv.vBottom};
}

CRVDXGui::~CRVDXGui()
{
    ReleaseAll();
    m_notices.clear();
}

IDirect3DTexture9* CRVDXGui::CreateTexture(int resourceId) const
{
    IDirect3DTexture9* texture = nullptr;
    if (m_device)
    {
        D3DXCreateTextureFromResourceW(m_device, nullptr, MAKEINTRESOURCEW(resourceId), &texture);
    }
    return texture;
}

IDirect3DVertexBuffer9* CRVDXGui::CreateQuad(const GuiVertex* vertices) const
{
    IDirect3DVertexBuffer9* quad = nullptr;
    if (!m_device || FAILED(m_device->CreateVertexBuffer(GUI_QUAD_BYTES, 0, GUI_VERTEX_FVF, D3DPOOL_DEFAULT,
                                                         &quad, nullptr)))
    {
        return nullptr;
    }
    void* data = nullptr;
    if (SUCCEEDED(quad->Lock(0, GUI_QUAD_BYTES, &data, 0)))
    {
        std::memcpy(data, vertices, GUI_QUAD_BYTES);
        quad->Unlock();
    }
    return quad;
}

void CRVDXGui::SetBackground(int resourceId)
{
    ReleaseCom(m_background);
    ReleaseCom(m_backgroundQuad);
    m_background = CreateTexture(resourceId);
    // The background ignores m_originX and sits at depth 1, behind anything 3D drawn after it.
    const RECT canvas = {0, m_originY, m_width, m_originY + m_height};
    GuiVertex vertices[4];
    MakeQuadVertices(canvas, GuiUv{0.0f, 0.0f, 1.0f, 1.0f}, 1.0f, vertices);
    m_backgroundQuad = CreateQuad(vertices);
}

void CRVDXGui::AddFont(const wchar_t* face, int height, int& index)
{
    if (!m_device || !face)
    {
        return;
    }
    const std::wstring chosen = ChooseInstalledFace(face);
    ID3DXFont* font = nullptr;
    D3DXCreateFontW(m_device, height, 0, 0, 1, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLEARTYPE_NATURAL_QUALITY, 0, chosen.c_str(), &font);
    index = FontCount();
    m_fonts.push_back(font);
}

void CRVDXGui::AddStyle(int resourceId, int width, int height, const RECT* normal, const RECT* pressed,
                        int& index)
{
    CRVDXGUIStyle style;
    style.m_width = width;
    style.m_height = height;
    style.m_texture = CreateTexture(resourceId);
    style.m_uv = TextureUv(style.m_texture, normal);
    if (pressed)
    {
        style.m_pressedUv = TextureUv(style.m_texture, pressed);
    }
    index = StyleCount();
    m_styles.push_back(style);
}

void CRVDXGui::AddQuad(const GuiVertex* vertices)
{
    if (vertices)
    {
        m_quads.push_back(CreateQuad(vertices));
    }
}

int CRVDXGui::AddRectQuad(const RECT& rect, const GuiUv& uv)
{
    const int index = QuadCount();
    GuiVertex vertices[4];
    MakeQuadVertices(rect, uv, 0.0f, vertices);
    AddQuad(vertices);
    return index;
}

CRVDXGUIControl* CRVDXGui::AddControl(std::unique_ptr<CRVDXGUIControl> control)
{
    m_controls.push_back(std::move(control));
    return m_controls.back().get();
}

ID3DXFont* CRVDXGui::FontAt(int index) const
{
    return index >= 0 && index < FontCount() ? m_fonts[index] : nullptr;
}

const CRVDXGUIStyle* CRVDXGui::StyleAt(int index) const
{
    return index >= 0 && index < StyleCount() ? &m_styles[index] : nullptr;
}

IDirect3DVertexBuffer9* CRVDXGui::QuadAt(int index) const
{
    return index >= 0 && index < QuadCount() ? m_quads[index] : nullptr;
}

CRVDXGUIControl* CRVDXGui::FindControl(int id) const
{
    for (const auto& control : m_controls)
    {
        if (control && control->m_id == id)
        {
            return control.get();
        }
    }
    return nullptr;
}

void CRVDXGui::ExchangeText(int direction, int id, std::wstring& text)
{
    CRVDXGUIControl* control = FindControl(id);
    if (!control)
    {
        return;
    }
    if (direction != GUI_EXCHANGE_SHOW)
    {
        text = control->m_text;
    }
    else
    {
        control->m_text = text;
    }
}

void CRVDXGui::ExchangeInt(int direction, int id, int32_t& value)
{
    CRVDXGUIControl* control = FindControl(id);
    if (!control)
    {
        return;
    }
    if (direction != GUI_EXCHANGE_SHOW)
    {
        value = ParseInt(control->m_text);
    }
    else
    {
        control->m_text = FormatInt(value);
    }
}

void CRVDXGui::ReleaseControl(std::unique_ptr<CRVDXGUIControl>& control)
{
    if (!control)
    {
        return;
    }
    if (auto* listBox = dynamic_cast<CRVDXGUIListBox*>(control.get()))
    {
        if (listBox->m_thumbTexture == listBox->m_trackTexture)
        {
            listBox->m_thumbTexture = nullptr;
        }
        ReleaseCom(listBox->m_trackTexture);
        ReleaseCom(listBox->m_thumbTexture);
    }
    // The pressed and hover looks often borrow the normal texture; only distinct ones are owned.
    if (control->m_pressedTexture == control->m_texture)
    {
        control->m_pressedTexture = nullptr;
    }
    if (control->m_hoverTexture == control->m_texture)
    {
        control->m_hoverTexture = nullptr;
    }
    ReleaseCom(control->m_texture);
    ReleaseCom(control->m_pressedTexture);
    ReleaseCom(control->m_hoverTexture);
    control.reset();
}

void CRVDXGui::ClearListLabels()
{
    for (auto& control : m_controls)
    {
        if (control && control->m_id == GUI_LIST_LABEL_ID)
        {
            ReleaseControl(control);
        }
    }
}

void CRVDXGui::AddNotice(const std::wstring& text, D3DCOLOR color)
{
    const DWORD now = GuiTickCount();
    m_notices.push_back(CRVDXGUINotice{text, color, now, now, m_height, {}});
}

void CRVDXGui::ReleaseAll()
{
    ReleaseCom(m_background);
    ReleaseCom(m_backgroundQuad);
    for (ID3DXFont*& font : m_fonts)
    {
        ReleaseCom(font);
    }
    m_fonts.clear();
    for (IDirect3DVertexBuffer9*& quad : m_quads)
    {
        ReleaseCom(quad);
    }
    m_quads.clear();
    for (auto& control : m_controls)
    {
        ReleaseControl(control);
    }
    m_controls.clear();
    for (CRVDXGUIStyle& style : m_styles)
    {
        ReleaseCom(style.m_texture);
    }
    m_styles.clear();
    for (CRVDXGUINotice& notice : m_notices)
    {
        notice.m_textCache.Release();
    }
    if (m_sprite)
    {
        m_sprite->OnLostDevice();
    }
    ReleaseCom(m_sprite);
}
