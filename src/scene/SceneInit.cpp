// CMainFrame::InitScene: the scene set-up after the device is made: the editor screen's
// containers are filled. Without a device there is nothing to set up.
#include "MainFrame.h"

void CMainFrame::InitScene()
{
    if (!m_device)
    {
        return;
    }
    BuildScreen();
}
