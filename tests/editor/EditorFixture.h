// Test rig of the editor screen: the real main frame, shown in-process so that it has its device
// and its built screen, the application object the view reaches it through, a scripted host for
// the document's dialogs, and helpers that run frames and drive the view with messages.
#pragma once

#include "MainFrame.h"
#include "SaveFixture.h"
#include "SaveTestSupport.h"
#include "TheDocument.h"
#include "WinAppEx.h"

#include <gtest/gtest.h>

class EditorTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads a generated save through the document, as the Open dialog would; returns what was written.
    CFixtureSave LoadFixture(const CFixtureOptions& options, const std::u8string& name = u8"editor.sav");

    // Runs `count` frames.
    void RunFrames(int count = 1);
    // A press and release over a point given as the layout gives it (relative to the canvas origin),
    // one frame for each step, as a user's click arrives.
    void ClickAt(int x, int y);
    // Clicks the centre of a control.
    void ClickControl(const CRVDXGUIControl& control);
    // Messages to the view, as the system sends them.
    void SendToView(UINT message, WPARAM wParam, LPARAM lParam = 0);

    CRVDXGUIControl* CharacterControl(int id) { return m_frame.m_characterPageGui.FindControl(id); }
    CRVDXGUIControl* ItemsControl(int id) { return m_frame.m_itemsPageGui.FindControl(id); }

    CWinAppEx m_app;
    CMainFrame m_frame;
    CScriptedHost m_host;
    CTempFolder m_folder{u8"编辑器测试"};
    std::filesystem::path m_path;
};
