// The wizard framework in-process under Wine: message maps, data exchange, the
// modeless wizard sheet's life from creation to the end of the message loop, the
// title font and side picture, the button operations, CFile and the GDI owners.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework.h"

namespace {

std::vector<std::string> g_events;

class CTestPage : public CWizardPage {
public:
    CTestPage(UINT templateId, const char* name) : CWizardPage(templateId), m_name(name) {}
    BOOL OnSetActive() override {
        BOOL result = CWizardPage::OnSetActive();
        g_events.push_back(m_name + ":active" + (m_title.m_hWnd ? "+bound" : ""));
        return result;
    }
    BOOL OnKillActive() override {
        g_events.push_back(m_name + ":kill");
        return CWizardPage::OnKillActive();
    }
    void OnPress() { g_events.push_back(m_name + ":press"); }

    CStatic m_title;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CWizardPage::DoDataExchange(dx);
        DDX_Control(dx, IDC_TITLE, m_title);
    }
    std::string m_name;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestPage, CWizardPage)
    ON_BN_CLICKED(1100, OnPress)
END_MESSAGE_MAP()

class CTestSheet : public CWizardSheet {
public:
    CTestSheet() : CWizardSheet("Framework test", nullptr, 0, 142), m_first(500, "first"), m_second(501, "second") {
        AddPage(&m_first);
        AddPage(&m_second);
    }
    ~CTestSheet() override { g_events.push_back("sheet:deleted"); }
    CTestPage m_first, m_second;
};

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("FrameworkTest") {}
    int ExitInstance() override {
        g_events.push_back("app:exit");
        delete m_pMainWnd;
        m_pMainWnd = nullptr;
        return CWinApp::ExitInstance();
    }
};

// Runs the application's loop after posting `messages` to the sheet.
int RunWith(CTestApp& app, CTestSheet* sheet, const std::vector<std::pair<UINT, WPARAM>>& messages) {
    for (const auto& m : messages) PostMessageA(sheet->m_hWnd, m.first, m.second, 0);
    return app.Run();
}

class Framework : public ::testing::Test {
protected:
    void SetUp() override {
        g_events.clear();
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
    }
};

TEST_F(Framework, ModelessWizardRunsFromCreationToTheEndOfTheLoop) {
    CTestApp app;
    auto* sheet = new CTestSheet;
    sheet->SetWizardMode();
    ASSERT_TRUE(sheet->Create(nullptr, static_cast<DWORD>(-1), 0));
    app.m_pMainWnd = sheet;
    HWND hwnd = sheet->m_hWnd;
    ASSERT_TRUE(IsWindow(hwnd));
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(hwnd, IDHELP)));
    // The first activation comes after the controls were bound, with the title font.
    ASSERT_FALSE(g_events.empty());
    EXPECT_EQ(g_events[0], "first:active+bound");
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(sheet->m_first.m_title.m_hWnd, WM_GETFONT, 0, 0)),
              static_cast<HFONT>(*sheet->GetTitleFont()));
    LOGFONTA font{};
    GetObjectA(sheet->GetTitleFont()->GetSafeHandle(), sizeof font, &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfHeight, -13);

    // Button operations act on the sheet's own buttons.
    sheet->EnableBack(FALSE);
    sheet->SetNextText("&Yes");
    sheet->SetCancelText("&No");
    char text[32];
    GetWindowTextA(GetDlgItem(hwnd, ID_WIZNEXT), text, sizeof text);
    EXPECT_STREQ(text, "&Yes");
    GetWindowTextA(GetDlgItem(hwnd, IDCANCEL), text, sizeof text);
    EXPECT_STREQ(text, "&No");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, ID_WIZBACK)));

    // A page's button reaches its message map; Next moves on; Cancel ends the loop.
    SendMessageA(sheet->m_first.m_hWnd, WM_COMMAND, MAKEWPARAM(1100, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(sheet->m_first.m_hWnd, 1100)));
    int code = RunWith(app, sheet, {{PSM_PRESSBUTTON, PSBTN_NEXT}, {WM_COMMAND, IDCANCEL}});
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    std::vector<std::string> expected = {"first:active+bound", "first:press", "first:kill",
                                         "second:active+bound", "app:exit", "sheet:deleted"};
    EXPECT_EQ(g_events, expected);
}

TEST_F(Framework, FinishEndsTheModelessSheet) {
    CTestApp app;
    auto* sheet = new CTestSheet;
    sheet->SetWizardMode();
    ASSERT_TRUE(sheet->Create());
    app.m_pMainWnd = sheet;
    sheet->SetActivePage(&sheet->m_second);
    PostMessageA(sheet->m_hWnd, PSM_SETFINISHTEXTA, 0, reinterpret_cast<LPARAM>("Close"));
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    HWND finish = GetDlgItem(sheet->m_hWnd, ID_WIZFINISH);
    EXPECT_TRUE(IsWindowVisible(finish));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet->m_hWnd, ID_WIZNEXT)));
    // Finish with no page objecting: comctl32 ends the modeless sheet, the loop
    // destroys it.
    EXPECT_EQ(RunWith(app, sheet, {{PSM_PRESSBUTTON, PSBTN_FINISH}}), 0);
    EXPECT_EQ(g_events.back(), "sheet:deleted");
}

TEST_F(Framework, PagesPaintTheSidePicture) {
    CTestApp app;
    CTestSheet sheet;
    sheet.SetWizardMode();
    ASSERT_TRUE(sheet.Create());
    HWND page = sheet.m_first.m_hWnd;
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CDC screen;
    screen.m_hDC = GetDC(page);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
    CBitmap picture;
    ASSERT_TRUE(picture.LoadMappedBitmap(142));
    BITMAP info{};
    GetObjectA(picture.GetSafeHandle(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 200);
    EXPECT_EQ(info.bmHeight, 340);
    HGDIOBJ old = memory.SelectObject(&picture);
    int same = 0, checked = 0;
    std::vector<COLORREF> seen;
    for (int y = 5; y < 250; y += 40) {
        for (int x = 5; x < 200; x += 40) {
            ++checked;
            COLORREF expected = GetPixel(memory.m_hDC, x, y);
            ASSERT_NE(expected, CLR_INVALID);
            if (std::find(seen.begin(), seen.end(), expected) == seen.end()) seen.push_back(expected);
            if (GetPixel(screen.m_hDC, x, y) == expected) ++same;
        }
    }
    EXPECT_GT(seen.size(), 2u);  // a picture, not a plain fill
    memory.SelectObject(old);
    ReleaseDC(page, screen.m_hDC);
    screen.m_hDC = nullptr;
    EXPECT_EQ(same, checked);
}

TEST_F(Framework, MessageMapsWalkTheClassChain) {
    CTestPage page(500, "p");
    EXPECT_TRUE(page.OnCmdMsg(WM_COMMAND, BN_CLICKED, 1100));
    EXPECT_FALSE(page.OnCmdMsg(WM_COMMAND, BN_DOUBLECLICKED, 1100));
    EXPECT_FALSE(page.OnCmdMsg(WM_COMMAND, BN_CLICKED, 1101));
    EXPECT_EQ(g_events, std::vector<std::string>{"p:press"});
    EXPECT_TRUE(page.IsKindOf(RUNTIME_CLASS(CPropertyPage)));
    EXPECT_FALSE(page.IsKindOf(RUNTIME_CLASS(CPropertySheet)));
}

TEST_F(Framework, FileReadsAtMostWhatIsAskedAndNeverThrows) {
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    std::string name = std::string(path) + "framework-file.txt";
    HANDLE f = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD wrote;
    WriteFile(f, "0123456789", 10, &wrote, nullptr);
    CloseHandle(f);

    CFile file;
    ASSERT_TRUE(file.Open(name.c_str(), CFile::modeRead));
    char buf[16] = "";
    EXPECT_EQ(file.Read(buf, 4), 4u);
    EXPECT_EQ(std::string(buf, 4), "0123");
    EXPECT_EQ(file.Read(buf, sizeof buf), 6u);
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
    file.Close();
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
    EXPECT_FALSE(file.Open((std::string(path) + "no-such-file.txt").c_str(), CFile::modeRead));
    EXPECT_FALSE(file.Open(path, CFile::modeRead));  // a folder
    DeleteFileA(name.c_str());
}

TEST_F(Framework, AppKnowsItsNameAndFolder) {
    CTestApp app;
    EXPECT_STREQ(AfxGetAppName(), "FrameworkTest");
    CString folder = AfxGetModuleFolder();
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    EXPECT_EQ(std::string(exe).rfind(folder.c_str(), 0), 0u);
    EXPECT_EQ(folder[folder.GetLength() - 1], '\\');
}

}  // namespace
