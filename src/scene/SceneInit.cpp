// CMainFrame::InitScene: the scene set-up after the device is made: the title, the editor
// screen's containers and the items page's model. Without a device there is nothing to set up.
#include "MainFrame.h"

void CMainFrame::InitScene()
{
    if (!m_device)
    {
        return;
    }
    InitTitle();
    BuildScreen();
    m_model.Build(m_device); // without a model the items page shows none
}
