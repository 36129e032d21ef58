// CWin32SaveHost in-process: a helper thread answers the modal dialog the host shows, the way a
// user would (type a path, press the button), and reports what it saw.
#include "SaveHostWin32.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <atomic>
#include <fstream>
#include <string>
#include <thread>

namespace
{
// Polls for a top-level window with this caption for up to ten seconds.
HWND WaitForWindow(const wchar_t* title)
{
    for (int i = 0; i < 200; ++i)
    {
        if (HWND window = FindWindowW(nullptr, title))
        {
            return window;
        }
        Sleep(50);
    }
    return nullptr;
}

struct ChildSearch
{
    const wchar_t* className;
    HWND found;
    std::wstring texts;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM param)
{
    auto* search = reinterpret_cast<ChildSearch*>(param);
    wchar_t name[64] = L"";
    GetClassNameW(child, name, 64);
    wchar_t text[512] = L"";
    GetWindowTextW(child, text, 512);
    search->texts += std::wstring(text) + L"\n";
    if (!search->found && lstrcmpiW(name, search->className) == 0 && IsWindowVisible(child))
    {
        search->found = child;
    }
    return TRUE;
}

ChildSearch FindChild(HWND parent, const wchar_t* className)
{
    ChildSearch search{className, nullptr, L""};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search;
}

class SaveHostTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override { OleUninitialize(); }

    CWin32SaveHost m_host;
};

TEST_F(SaveHostTest, ShowMessageIsAnOkBoxTitledWithTheProgram)
{
    std::wstring seen;
    std::thread user(
        [&seen]
        {
            HWND box = WaitForWindow(L"Quillmark");
            if (box)
            {
                seen = FindChild(box, L"Static").texts;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
        });
    m_host.ShowMessage(L"载入失败：测试");
    user.join();
    EXPECT_NE(seen.find(L"载入失败：测试"), std::wstring::npos)
        << "box texts: " << testing::PrintToString(seen);
}

TEST_F(SaveHostTest, OpenDialogReturnsTheChosenFileAndCancelReturnsNothing)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::filesystem::path file = std::filesystem::path(folder) / L"quillmark-host-test.sav";
    std::ofstream(file) << "WRDRn";

    std::thread user(
        [&file]
        {
            if (HWND dialog = WaitForWindow(L"Open"))
            {
                HWND edit = FindChild(dialog, L"Edit").found;
                SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
                PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            }
        });
    std::filesystem::path chosen = m_host.ChooseFile(FileDialogKind::Open, L"M&B存档 (*.sav)|*.sav||");
    user.join();
    EXPECT_TRUE(std::filesystem::equivalent(chosen, file)) << chosen;

    std::thread cancel(
        []
        {
            if (HWND dialog = WaitForWindow(L"Open"))
            {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
        });
    EXPECT_TRUE(m_host.ChooseFile(FileDialogKind::Open, L"M&B存档 (*.sav)|*.sav||").empty());
    cancel.join();
    std::filesystem::remove(file);
}
} // namespace
