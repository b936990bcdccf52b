#include "res/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {
const WORD JAPANESE = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

// The program file whose resources are read: this test program, which links
// the program's resources, or the one VEXLO_RESOURCE_MODULE names (the 32-bit
// program, read as data by the 64-bit tests where it cannot run).
std::wstring ResourceModulePath()
{
    wchar_t szPath[MAX_PATH];
    if (::GetEnvironmentVariableW(L"VEXLO_RESOURCE_MODULE", szPath, MAX_PATH))
        return szPath;
    ::GetModuleFileNameW(NULL, szPath, MAX_PATH);
    return szPath;
}

HMODULE ResourceModule()
{
    static const HMODULE hModule =
        ::LoadLibraryExW(ResourceModulePath().c_str(), NULL,
                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    return hModule;
}

const void* LoadJapanese(LPCSTR lpType, UINT nID, DWORD* pnSize = nullptr)
{
    const HMODULE hModule = ResourceModule();
    const HRSRC hResource = ::FindResourceExA(hModule, lpType, MAKEINTRESOURCEA(nID), JAPANESE);
    if (!hResource)
        return nullptr;
    if (pnSize)
        *pnSize = ::SizeofResource(hModule, hResource);
    return ::LockResource(::LoadResource(hModule, hResource));
}

// Reads a dialog template field by field, as the dialog manager does.
class CTemplateReader
{
public:
    explicit CTemplateReader(const void* pTemplate) : m_p(static_cast<const BYTE*>(pTemplate)) {}

    template <class T> T Read()
    {
        T value;
        memcpy(&value, m_p, sizeof value);
        m_p += sizeof value;
        return value;
    }

    // A name or a text: an ordinal (0xFFFF, number), read as "#number", or a
    // NUL-terminated UTF-16 string.
    std::wstring ReadSz()
    {
        if (Peek() == 0xFFFF) {
            Read<WORD>();
            return L"#" + std::to_wstring(Read<WORD>());
        }
        std::wstring str;
        while (const WORD ch = Read<WORD>())
            str += static_cast<wchar_t>(ch);
        return str;
    }

    // A control's class; the standard ones by their names.
    std::wstring ReadClass()
    {
        const std::wstring cls = ReadSz();
        if (cls == L"#128")
            return L"button";
        if (cls == L"#129")
            return L"edit";
        if (cls == L"#130")
            return L"static";
        return cls;
    }

    void AlignToDword()
    {
        while (reinterpret_cast<UINT_PTR>(m_p) % 4)
            ++m_p;
    }

private:
    WORD Peek() const
    {
        WORD value;
        memcpy(&value, m_p, sizeof value);
        return value;
    }

    const BYTE* m_p;
};

std::wstring Lower(std::wstring str)
{
    for (auto& ch : str)
        ch = towlower(ch);
    return str;
}

struct CControl
{
    int nID;
    std::wstring cls;
    std::wstring text;
    short x, y, cx, cy;
    DWORD dwStyle;
    DWORD dwExStyle;

    bool operator==(const CControl& o) const
    {
        return nID == o.nID && Lower(cls) == Lower(o.cls) && text == o.text && x == o.x &&
               y == o.y && cx == o.cx && cy == o.cy && dwStyle == o.dwStyle &&
               dwExStyle == o.dwExStyle;
    }
};

void PrintTo(const CControl& c, std::ostream* os)
{
    *os << "{id " << c.nID << ", class " << ::testing::PrintToString(c.cls) << ", text "
        << ::testing::PrintToString(c.text) << ", " << c.x << "," << c.y << "," << c.cx << ","
        << c.cy << ", style 0x" << std::hex << c.dwStyle << ", exstyle 0x" << c.dwExStyle
        << std::dec << "}";
}

// The controls that follow a template's head; extended templates add a help
// id, put the extended style first and widen the id.
std::vector<CControl> ReadControls(CTemplateReader& in, WORD nControls, bool bExtended)
{
    std::vector<CControl> controls;
    for (WORD i = 0; i < nControls; ++i) {
        in.AlignToDword();
        CControl c;
        if (bExtended) {
            EXPECT_EQ(in.Read<DWORD>(), 0u); // help id
            c.dwExStyle = in.Read<DWORD>();
            c.dwStyle = in.Read<DWORD>();
        } else {
            c.dwStyle = in.Read<DWORD>();
            c.dwExStyle = in.Read<DWORD>();
        }
        c.x = in.Read<short>();
        c.y = in.Read<short>();
        c.cx = in.Read<short>();
        c.cy = in.Read<short>();
        c.nID = bExtended ? static_cast<int>(in.Read<DWORD>()) : in.Read<short>();
        c.cls = in.ReadClass();
        c.text = in.ReadSz();
        EXPECT_EQ(in.Read<WORD>(), 0) << "creation data";
        controls.push_back(c);
    }
    return controls;
}

TEST(ResourceTest, MainDialogTemplateIsExactlyTheDesignedOne)
{
    const void* pTemplate = LoadJapanese(RT_DIALOG, IDD_PATHLIST_DIALOG);
    ASSERT_TRUE(pTemplate);
    CTemplateReader in(pTemplate);
    ASSERT_EQ(in.Read<WORD>(), 1); // extended template
    ASSERT_EQ(in.Read<WORD>(), 0xFFFF);
    EXPECT_EQ(in.Read<DWORD>(), 0u); // help id
    EXPECT_EQ(in.Read<DWORD>(), static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(in.Read<DWORD>(), 0x96C800C0u);
    const WORD nControls = in.Read<WORD>();
    EXPECT_EQ(in.Read<short>(), 0);
    EXPECT_EQ(in.Read<short>(), 0);
    EXPECT_EQ(in.Read<short>(), 183);
    EXPECT_EQ(in.Read<short>(), 101);
    EXPECT_EQ(in.ReadSz(), L""); // menu
    EXPECT_EQ(in.ReadSz(), L""); // window class
    EXPECT_EQ(in.ReadSz(), L"Vexlo - Brindlemark Program -");
    EXPECT_EQ(in.Read<WORD>(), 10); // points
    EXPECT_EQ(in.Read<WORD>(), 0);  // weight
    EXPECT_EQ(in.Read<BYTE>(), 0);  // italic
    EXPECT_EQ(in.Read<BYTE>(), 1);  // character set
    EXPECT_EQ(in.ReadSz(), L"ＭＳ Ｐゴシック");

    const DWORD CHILD = WS_CHILD | WS_VISIBLE;
    const std::vector<CControl> expected = {
        {IDC_COPYALL, L"button", L"全てコピー", 142, 30, 40, 12,
         CHILD | BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
        {IDC_CASE, L"button", L"文字変換", 142, 44, 40, 12, CHILD | BS_PUSHBUTTON | WS_TABSTOP, 0},
        {IDC_SLASH, L"button", L"(\\)(/)変換", 142, 58, 40, 12, CHILD | BS_PUSHBUTTON | WS_TABSTOP,
         0},
        {IDC_INFO, L"button", L"Info/情報", 142, 72, 40, 12, CHILD | BS_PUSHBUTTON | WS_TABSTOP, 0},
        {IDOK, L"button", L"Exit/終了", 142, 86, 40, 12, CHILD | BS_PUSHBUTTON | WS_TABSTOP, 0},
        {IDC_PATHS, L"edit", L"", 2, 2, 136, 97,
         CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_READONLY |
             ES_WANTRETURN | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
         0},
        {-1, L"static", L"#135", 146, 12, 18, 13, CHILD | SS_BITMAP | SS_REALSIZEIMAGE, 0},
        {-1, L"static", L"#136", 146, 4, 31, 8, CHILD | SS_BITMAP | SS_REALSIZEIMAGE, 0},
        {IDC_COUNT, L"static", L"0", 166, 14, 12, 12,
         CHILD | SS_CENTER | SS_NOPREFIX | SS_CENTERIMAGE | WS_GROUP, 0},
    };
    EXPECT_EQ(ReadControls(in, nControls, true), expected);
}

TEST(ResourceTest, InfoDialogTemplateIsExactlyTheDesignedOne)
{
    const void* pTemplate = LoadJapanese(RT_DIALOG, IDD_INFO);
    ASSERT_TRUE(pTemplate);
    CTemplateReader in(pTemplate);
    EXPECT_EQ(in.Read<DWORD>(), 0x80C800C0u); // classic template: the style comes first
    EXPECT_EQ(in.Read<DWORD>(), 0u);
    const WORD nControls = in.Read<WORD>();
    EXPECT_EQ(in.Read<short>(), 0);
    EXPECT_EQ(in.Read<short>(), 0);
    EXPECT_EQ(in.Read<short>(), 187);
    EXPECT_EQ(in.Read<short>(), 115);
    EXPECT_EQ(in.ReadSz(), L""); // menu
    EXPECT_EQ(in.ReadSz(), L""); // window class
    EXPECT_EQ(in.ReadSz(), L"Info/情報");
    EXPECT_EQ(in.Read<WORD>(), 9); // points
    EXPECT_EQ(in.ReadSz(), L"ＭＳ Ｐゴシック");

    const DWORD CHILD = WS_CHILD | WS_VISIBLE;
    const DWORD LABEL = CHILD | SS_LEFT | WS_GROUP;
    const DWORD BOX = CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_TABSTOP;
    const std::vector<CControl> expected = {
        {IDOK, L"button", L"Exit", 162, 15, 20, 22, CHILD | BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
        {-1, L"static", L"1998.09.07 : Oskenbrat", 30, 14, 118, 8, LABEL, 0},
        {-1, L"static", L"Drumvalex : 「Vexlo Ver1.0」", 30, 4, 96, 8, LABEL, 0},
        {IDC_INFO_TEXT, L"edit", L"", 4, 56, 178, 56, BOX | WS_BORDER | WS_VSCROLL, 0},
        {IDC_INFO_HIDDEN, L"edit", L"", 30, 44, 130, 10, BOX, 0},
        {-1, L"static", L"このプログラムに関する", 30, 24, 72, 8, LABEL, 0},
        {-1, L"static", L"苦情・問い合わせは、こちのアドレスまで。", 38, 34, 122, 8, LABEL, 0},
        {-1, L"static", L"#128", 7, 15, 20, 20, CHILD | SS_ICON, 0},
    };
    EXPECT_EQ(ReadControls(in, nControls, false), expected);
}

TEST(ResourceTest, StringsAreJapaneseAndExact)
{
    EXPECT_TRUE(LoadJapanese(RT_STRING, IDS_CONFIRM_COPY / 16 + 1));
    const auto load = [](UINT nID) {
        const wchar_t* pText = nullptr;
        const int nLength =
            ::LoadStringW(ResourceModule(), nID, reinterpret_cast<LPWSTR>(&pText), 0);
        return std::wstring(pText, nLength);
    };
    EXPECT_EQ(load(IDS_CONFIRM_COPY),
              L"現在のクリップボードの情報は消滅します。\r\nよろしいですか？");
    EXPECT_EQ(load(IDS_TOO_MANY), L"99個以上のファイルを扱う事はできません。");
    EXPECT_EQ(load(IDS_CLIPBOARD_BUSY),
              L"クリップボードが他のプログラムに使われているため、コピーできませんでした。");
}

TEST(ResourceTest, ImagesHaveTheirSizes)
{
    DWORD nSize = 0;
    const auto* pGroup =
        static_cast<const BYTE*>(LoadJapanese(RT_GROUP_ICON, IDR_MAINFRAME, &nSize));
    ASSERT_TRUE(pGroup);
    // NEWHEADER (6 bytes), then 14-byte entries starting with width, height.
    std::set<std::pair<int, int>> sizes;
    const WORD nIcons = *reinterpret_cast<const WORD*>(pGroup + 4);
    for (WORD i = 0; i < nIcons; ++i)
        sizes.insert({pGroup[6 + 14 * i], pGroup[6 + 14 * i + 1]});
    EXPECT_EQ(sizes, (std::set<std::pair<int, int>>{{16, 16}, {32, 32}}));

    const auto bitmapSize = [](UINT nID) {
        const auto* pInfo = static_cast<const BITMAPINFOHEADER*>(LoadJapanese(RT_BITMAP, nID));
        return pInfo ? std::make_pair(pInfo->biWidth, pInfo->biHeight) : std::make_pair(0L, 0L);
    };
    EXPECT_EQ(bitmapSize(IDB_FOLDERS), std::make_pair(32L, 24L));
    EXPECT_EQ(bitmapSize(IDB_CAPTION), std::make_pair(54L, 13L));
}

TEST(ResourceTest, VersionResourceDescribesTheProgram)
{
    const std::wstring path = ResourceModulePath();
    std::vector<BYTE> data(::GetFileVersionInfoSizeW(path.c_str(), NULL));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(::GetFileVersionInfoW(path.c_str(), 0, data.size(), data.data()));
    EXPECT_TRUE(LoadJapanese(RT_VERSION, 1));

    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT nLength = 0;
    ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&pFixed), &nLength));
    EXPECT_EQ(pFixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(pFixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(pFixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(pFixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(pFixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(pFixed->dwFileFlags, 0u);
    EXPECT_EQ(pFixed->dwFileOS, 0x4u);
    EXPECT_EQ(pFixed->dwFileType, 0x1u);
    EXPECT_EQ(pFixed->dwFileSubtype, 0u);

    WORD* pTranslation = nullptr;
    ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&pTranslation), &nLength));
    ASSERT_EQ(nLength, 4u);
    EXPECT_EQ(pTranslation[0], 0x0411);
    EXPECT_EQ(pTranslation[1], 1200);

    const auto value = [&](const std::wstring& name) {
        wchar_t* pValue = nullptr;
        UINT nChars = 0;
        if (!::VerQueryValueW(data.data(), (L"\\StringFileInfo\\041104b0\\" + name).c_str(),
                              reinterpret_cast<void**>(&pValue), &nChars))
            return std::wstring(L"<missing>");
        return std::wstring(pValue);
    };
    EXPECT_EQ(value(L"CompanyName"), L"");
    EXPECT_EQ(value(L"FileDescription"), L"Vexlo MFC ｱﾌﾟﾘｹｰｼｮﾝ");
    EXPECT_EQ(value(L"FileVersion"), L"1, 0, 0, 1");
    EXPECT_EQ(value(L"InternalName"), L"Vexlo");
    EXPECT_EQ(value(L"LegalCopyright"), L"Copyright (C) 1998 Oskenbrat");
    EXPECT_EQ(value(L"OriginalFilename"), L"Vexlo.EXE");
    EXPECT_EQ(value(L"ProductName"), L"Vexlo ｱﾌﾟﾘｹｰｼｮﾝ");
    EXPECT_EQ(value(L"ProductVersion"), L"1, 0, 0, 1");
}
} // namespace
