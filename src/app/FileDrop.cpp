// CMainFrame::OnDropFiles: a file dropped on the window is opened exactly as if it had been
// chosen in the Open dialog. Only the first of several files is taken.
#include "MainFrame.h"

#include "TheDocument.h"

#include <shellapi.h>

#include <string>

LRESULT CMainFrame::OnDropFiles(WPARAM wParam)
{
    HDROP drop = reinterpret_cast<HDROP>(wParam);
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring path(length, L'\0');
    const bool named = length > 0 && DragQueryFileW(drop, 0, path.data(), length + 1) == length;
    DragFinish(drop);
    if (named)
    {
        SetForegroundWindow(m_hWnd);
        TheDocument().LoadSaveFile(path);
    }
    return 0;
}
