// CMainFrame::InitTitle and DrawTitle: the extruded, lit "Quillmark" of the main page, rocking
// about an axis through the origin by the clock alone. DrawTitle also leaves the camera, light,
// material and render states in the device that the items page's model is drawn with.
#include "MainFrame.h"

#include "Clock.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr wchar_t TITLE_TEXT[] = L"Quillmark";
constexpr wchar_t TITLE_FACE[] = L"楷体";
constexpr int TITLE_FONT_HEIGHT = 20;
constexpr float TITLE_DEVIATION = 0.001f;
constexpr float TITLE_EXTRUSION = 0.2f;
constexpr int TITLE_ATTEMPTS = 4;
constexpr float TITLE_SCALE = 0.13f;
const D3DXVECTOR3 TITLE_POSITION(-1.9f, 1.1f, 0.0f);
constexpr float TITLE_SWING = D3DX_PI / 6.0f;
constexpr D3DCOLORVALUE TITLE_BRONZE = {69.0f / 255.0f, 45.0f / 255.0f, 13.0f / 255.0f, 1.0f};

D3DLIGHT9 TitleLight()
{
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    light.Specular = {0.6f, 0.6f, 0.6f, 0.6f};
    light.Ambient = {0.6f, 0.6f, 0.6f, 0.6f};
    light.Position = {12.0f, -0.2f, -4.0f};
    light.Direction = {0.0f, -0.5f, 1.0f};
    return light;
}

// Width of the text mesh along x, read once from its vertices (x is each vertex's first float).
float TitleWidth(ID3DXMesh* mesh)
{
    float low = 1000.0f;
    float high = -1000.0f;
    BYTE* vertices = nullptr;
    if (SUCCEEDED(mesh->LockVertexBuffer(D3DLOCK_READONLY, reinterpret_cast<void**>(&vertices))))
    {
        const DWORD stride = mesh->GetNumBytesPerVertex();
        for (DWORD i = 0; i < mesh->GetNumVertices(); ++i)
        {
            const float x = *reinterpret_cast<const float*>(vertices + size_t(i) * stride);
            low = std::min(low, x);
            high = std::max(high, x);
        }
        mesh->UnlockVertexBuffer();
    }
    return high > low ? high - low : 0.0f;
}
} // namespace

void CMainFrame::InitTitle()
{
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontW(TITLE_FONT_HEIGHT, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_NATURAL_QUALITY, 0, TITLE_FACE);
    if (dc && font)
    {
        HGDIOBJ previous = SelectObject(dc, font);
        // Wine's D3DXCreateTextW now and then refuses the very input it takes on the next call
        // (D3DERR_INVALIDCALL), so a refusal is given a few more tries.
        for (int attempt = 0; attempt < TITLE_ATTEMPTS && !m_titleMesh; ++attempt)
        {
            if (FAILED(D3DXCreateTextW(m_device, dc, TITLE_TEXT, TITLE_DEVIATION, TITLE_EXTRUSION, &m_titleMesh,
                                       nullptr, nullptr)))
            {
                m_titleMesh = nullptr;
            }
        }
        SelectObject(dc, previous);
    }
    if (font)
    {
        DeleteObject(font);
    }
    if (dc)
    {
        DeleteDC(dc);
    }
    // Half the width to the left: the text's middle lands where its left edge was.
    D3DXMatrixTranslation(&m_titleCentre, m_titleMesh ? TitleWidth(m_titleMesh) * -0.5f : 0.0f, 0.0f, 0.0f);
    m_titleMaterial = {};
    m_titleMaterial.Diffuse = TITLE_BRONZE;
    m_titleMaterial.Ambient = TITLE_BRONZE;
}

void CMainFrame::DrawTitle()
{
    SetupCamera();
    m_device->SetRenderState(D3DRS_LIGHTING, TRUE);
    m_device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    m_device->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE);
    m_device->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
    m_device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    m_device->SetMaterial(&m_titleMaterial);
    // The page's GUI pass leaves its last texture on stage 0; the title is the material's colour.
    m_device->SetTexture(0, nullptr);

    const float t = static_cast<float>(GuiTickCount() / 1000.0);
    D3DXMATRIX scale;
    D3DXMatrixScaling(&scale, TITLE_SCALE, TITLE_SCALE, TITLE_SCALE);
    D3DXMATRIX move;
    D3DXMatrixTranslation(&move, TITLE_POSITION.x, TITLE_POSITION.y, TITLE_POSITION.z);
    // The swing's axis runs through the origin and the point one unit above the title's place.
    const D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    D3DXVECTOR4 through;
    D3DXVec3Transform(&through, &up, &move);
    const D3DXVECTOR3 axis(through.x, through.y, through.z);
    D3DXMATRIX rock;
    D3DXMatrixRotationAxis(&rock, &axis, std::sin(t) * TITLE_SWING);
    D3DXMATRIX world = m_titleCentre * scale * move * rock;
    m_device->SetTransform(D3DTS_WORLD, &world);

    const D3DLIGHT9 light = TitleLight();
    m_device->SetLight(0, &light);
    m_device->LightEnable(0, TRUE);
    if (m_titleMesh)
    {
        m_titleMesh->DrawSubset(0);
    }
}
