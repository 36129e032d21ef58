// CMainFrame::SetupCamera: the fixed left-handed camera; the projection follows the view's
// current client size (the back buffer keeps its creation size).
#include "MainFrame.h"

namespace
{
const D3DXVECTOR3 CAMERA_EYE(0.0f, 0.0f, -5.0f);
const D3DXVECTOR3 CAMERA_AT(0.0f, 0.0f, 0.0f);
const D3DXVECTOR3 CAMERA_UP(0.0f, 1.0f, 0.0f);
constexpr float CAMERA_FOV = D3DX_PI / 4.0f;
constexpr float CAMERA_NEAR = 0.1f;
constexpr float CAMERA_FAR = 1000.0f;
} // namespace

void CMainFrame::SetupCamera()
{
    D3DXMatrixLookAtLH(&m_viewMatrix, &CAMERA_EYE, &CAMERA_AT, &CAMERA_UP);
    m_device->SetTransform(D3DTS_VIEW, &m_viewMatrix);

    RECT client;
    GetClientRect(m_view.GetSafeHwnd(), &client);
    auto width = static_cast<UINT32>(client.right - client.left);
    auto height = static_cast<UINT32>(client.bottom - client.top);
    // A minimised window has no height: keep the aspect finite.
    float aspect = height ? static_cast<float>(width) / static_cast<float>(height) : 1.0f;
    D3DXMATRIX projection;
    D3DXMatrixPerspectiveFovLH(&projection, CAMERA_FOV, aspect, CAMERA_NEAR, CAMERA_FAR);
    m_device->SetTransform(D3DTS_PROJECTION, &projection);
}
