// CMainFrame::DrawModel: the items page's model, one texture and one subset per material, with the
// world transform RenderFrame set and the light and material the main page left in the device.
#include "MainFrame.h"

void CMainFrame::DrawModel(CObjMesh& model)
{
    if (!model.m_builtMesh)
    {
        return;
    }
    for (size_t i = 0; i < model.m_materialTable.size(); ++i)
    {
        m_device->SetTexture(0, model.m_materialTable[i]->m_texture); // none: drawn untextured
        model.m_builtMesh->DrawSubset(DWORD(i));
    }
}
