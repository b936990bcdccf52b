#include "res/resource.h"

#include "app/CopyCommands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <regex>
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

// One element of an XML document: its name, attributes, text and the name of
// the element it is in.
struct CXmlElement
{
    std::string strName;
    std::map<std::string, std::string> attributes;
    std::string strText;
    std::string strParent;
};

// The elements of an XML document in document order, checked for what makes
// it well-formed as far as a manifest goes: one root, tags that nest and
// close, attributes quoted once each, nothing but white space outside the
// root, comments and declarations closed.
std::vector<CXmlElement> ReadXml(const std::string& xml)
{
    static const std::regex TAG(R"x(^([\w:.-]+)((?:\s+[\w:.-]+\s*=\s*"[^"<]*")*)\s*(/?)$)x");
    static const std::regex ATTRIBUTE(R"x(([\w:.-]+)\s*=\s*"([^"<]*)")x");
    std::vector<CXmlElement> elements;
    std::vector<size_t> open;
    bool bRootClosed = false;
    for (size_t nPos = 0; nPos < xml.size();) {
        const size_t nTag = std::min(xml.find('<', nPos), xml.size());
        const std::string strText = xml.substr(nPos, nTag - nPos);
        if (!open.empty())
            elements[open.back()].strText += strText;
        else
            EXPECT_EQ(strText.find_first_not_of(" \t\r\n"), std::string::npos)
                << "text outside the root";
        if (nTag == xml.size())
            break;
        const auto skipTo = [&](const char* pszEnd) {
            const size_t nEnd = xml.find(pszEnd, nTag);
            EXPECT_NE(nEnd, std::string::npos) << "unclosed at " << nTag;
            return nEnd == std::string::npos ? xml.size() : nEnd + strlen(pszEnd);
        };
        if (xml.compare(nTag, 4, "<!--") == 0) {
            nPos = skipTo("-->");
            continue;
        }
        if (xml.compare(nTag, 2, "<?") == 0) {
            nPos = skipTo("?>");
            continue;
        }
        nPos = skipTo(">");
        const std::string strTag = xml.substr(nTag + 1, nPos - nTag - 2);
        if (strTag.rfind('/', 0) == 0) {
            EXPECT_TRUE(!open.empty() && elements[open.back()].strName == strTag.substr(1))
                << "</" << strTag.substr(1) << "> closes no open element";
            if (!open.empty())
                open.pop_back();
            bRootClosed = open.empty();
            continue;
        }
        std::smatch tag;
        if (!std::regex_match(strTag, tag, TAG)) {
            ADD_FAILURE() << "malformed tag <" << strTag << ">";
            continue;
        }
        EXPECT_FALSE(bRootClosed) << "a second root: <" << strTag << ">";
        CXmlElement element{tag[1], {}, {}, open.empty() ? "" : elements[open.back()].strName};
        const std::string strAttributes = tag[2];
        for (std::sregex_iterator it(strAttributes.begin(), strAttributes.end(), ATTRIBUTE), end;
             it != end; ++it)
            EXPECT_TRUE(element.attributes.emplace((*it)[1], (*it)[2]).second)
                << "attribute " << (*it)[1] << " twice";
        elements.push_back(element);
        if (tag[3].length())
            bRootClosed = open.empty();
        else
            open.push_back(elements.size() - 1);
    }
    EXPECT_TRUE(open.empty()) << "unclosed elements";
    EXPECT_TRUE(bRootClosed) << "no root";
    return elements;
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
        {-1, L"static", L"パス一覧(&L)", 0, 0, 0, 0, WS_CHILD | SS_LEFT, 0}, // hidden
        {IDC_PATHS, L"edit", L"", 2, 2, 136, 97,
         CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_READONLY |
             ES_WANTRETURN | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
         0},
        // The pictures' texts, for screen readers; the program shows the bitmaps.
        {-1, L"static", L"", 146, 12, 18, 13, CHILD | SS_BITMAP | SS_REALSIZEIMAGE, 0},
        {-1, L"static", L"Path List", 146, 4, 31, 8, CHILD | SS_BITMAP | SS_REALSIZEIMAGE, 0},
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
        {-1, L"static", L"Vexloの説明", 0, 0, 0, 0, WS_CHILD | SS_LEFT, 0}, // hidden
        {IDC_INFO_TEXT, L"edit", L"", 4, 56, 178, 56, BOX | WS_BORDER | WS_VSCROLL, 0},
        {-1, L"static", L"このプログラムに関する", 30, 24, 72, 8, LABEL, 0},
        {-1, L"static", L"苦情・問い合わせは、こちのアドレスまで。", 38, 34, 122, 8, LABEL, 0},
        {IDC_INFO_HIDDEN, L"edit", L"", 30, 44, 130, 10, BOX, 0},
        // The program shows its icon there.
        {IDC_INFO_ICON, L"static", L"", 7, 15, 20, 20, CHILD | SS_ICON, 0},
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
    EXPECT_EQ(load(IDS_COPY_FAILED), L"クリップボードにコピーできませんでした。");
    EXPECT_TRUE(LoadJapanese(RT_STRING, IDS_TABLE_HEADER / 16 + 1));
    EXPECT_EQ(load(IDS_TABLE_HEADER), L"パス\t名前\t種類\tサイズ\t更新日時");
    EXPECT_EQ(load(IDS_FOLDER_KIND), L"フォルダ");
    EXPECT_EQ(
        load(IDS_INFO_TEXT),
        L"Vexloは、ドラッグ&ドロップされたファイルやフォルダのパスを収得するプログラムです。\r\n"
        L"------------------------------------------------\r\n"
        L"機能説明\r\n"
        L"------------------------------------------------\r\n"
        L"【全てコピー】：収得したパスを、全てクリップボードへコピーします。\r\n"
        L"【[\\]-[/]変換】：ディレクトリー記号を'\\'と'/'のどちらかに変更します。\r\n"
        L"【文字変換】：パスの表現を大・小文字・両者混合のいずれかに変更します。");
    EXPECT_EQ(load(IDS_INFO_HIDDEN), L"HP= http://example.com/oskenbrat/\r\n"
                                     L"うぉっ！？なんだこん畜生！！\r\n"
                                     L"この秘密の文章を見つけやがるとは\r\n"
                                     L"たいした奴だ！！\r\n"
                                     L"お前のようなすばらしい人材を\r\n"
                                     L"我が社は求めている！！\r\n"
                                     L"さぁ！いますぐこの上のアドレスに\r\n"
                                     L"アクセスだ！！");
}

// The menu's copy items are the table's rows, in its order, each once; the
// menu greys its submenu whole, so that holds copies that need a list alone.
TEST(ResourceTest, PathsMenuHoldsTheCopyCommandsInTheTablesOrder)
{
    const HMENU hMenu = ::LoadMenuIndirectW(LoadJapanese(RT_MENU, IDR_PATHS_MENU));
    ASSERT_TRUE(hMenu);
    std::vector<UINT> copies;
    const auto walk = [&](const auto& self, HMENU hPopup, bool bInSubmenu) -> void {
        for (int i = 0; i < ::GetMenuItemCount(hPopup); ++i) {
            if (const HMENU hSub = ::GetSubMenu(hPopup, i)) {
                self(self, hSub, true);
                continue;
            }
            const UINT nID = ::GetMenuItemID(hPopup, i);
            const CCopyCommand* pCommand = FindCopyCommand(nID);
            if (pCommand)
                copies.push_back(nID);
            if (bInSubmenu) {
                EXPECT_TRUE(pCommand && (pCommand->nFlags & COPY_NEEDS_LIST)) << nID;
            }
        }
    };
    walk(walk, ::GetSubMenu(hMenu, 0), false);
    ::DestroyMenu(hMenu);
    std::vector<UINT> table;
    for (const CCopyCommand& command : COPY_COMMAND_TABLE)
        table.push_back(command.nID);
    EXPECT_EQ(copies, table);
}

TEST(ResourceTest, ImagesHaveTheirSizes)
{
    DWORD nSize = 0;
    const auto* pGroup =
        static_cast<const BYTE*>(LoadJapanese(RT_GROUP_ICON, IDR_MAINFRAME, &nSize));
    ASSERT_TRUE(pGroup);
    // NEWHEADER (6 bytes), then 14-byte entries: width, height (0 for 256),
    // colours, reserved, planes, bits per pixel...
    std::vector<std::vector<int>> icons;
    const WORD nIcons = *reinterpret_cast<const WORD*>(pGroup + 4);
    ASSERT_EQ(nSize, 6u + 14u * nIcons);
    for (WORD i = 0; i < nIcons; ++i) {
        const BYTE* pEntry = pGroup + 6 + 14 * i;
        icons.push_back({pEntry[0] ? pEntry[0] : 256, pEntry[1] ? pEntry[1] : 256,
                         *reinterpret_cast<const WORD*>(pEntry + 6)});
    }
    // The 16-colour images first, for the systems that take the first that fits.
    EXPECT_EQ(icons, (std::vector<std::vector<int>>{
                         {32, 32, 4}, {16, 16, 4}, {48, 48, 32}, {256, 256, 32}}));

    const auto bitmapSize = [](UINT nID) {
        const auto* pInfo = static_cast<const BITMAPINFOHEADER*>(LoadJapanese(RT_BITMAP, nID));
        return pInfo ? std::make_pair(pInfo->biWidth, pInfo->biHeight) : std::make_pair(0L, 0L);
    };
    // Drawn at 96, 144 and 192 DPI: one and a half and twice the size.
    EXPECT_EQ(bitmapSize(IDB_FOLDERS), std::make_pair(32L, 24L));
    EXPECT_EQ(bitmapSize(IDB_FOLDERS_144), std::make_pair(48L, 36L));
    EXPECT_EQ(bitmapSize(IDB_FOLDERS_192), std::make_pair(64L, 48L));
    EXPECT_EQ(bitmapSize(IDB_CAPTION), std::make_pair(54L, 13L));
    EXPECT_EQ(bitmapSize(IDB_CAPTION_144), std::make_pair(81L, 20L));
    EXPECT_EQ(bitmapSize(IDB_CAPTION_192), std::make_pair(108L, 26L));
}

TEST(ResourceTest, IconLoadsAt48PixelsWithItsDrawnColours)
{
    // The 48-pixel image is PNG: the loader must decode it, not fail or fall back.
    const auto hIcon = static_cast<HICON>(
        ::LoadImageW(ResourceModule(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 48, 48, 0));
    ASSERT_TRUE(hIcon);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hIcon, &info));
    BITMAP bitmap = {};
    ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof bmi.bmiHeader, 48, -48, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(48 * 48); // 0xAARRGGBB, top row first
    const HDC hDC = ::GetDC(NULL);
    EXPECT_EQ(::GetDIBits(hDC, info.hbmColor, 0, 48, pixels.data(), &bmi, DIB_RGB_COLORS), 48);
    ::ReleaseDC(NULL, hDC);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(hIcon);
    EXPECT_EQ(std::make_pair(bitmap.bmWidth, bitmap.bmHeight), std::make_pair(48L, 48L));

    // Outside, the outline, the folder's body and its lit and shaded edges.
    const struct
    {
        int x, y;
        DWORD argb;
    } spots[] = {{0, 0, 0x00000000},
                 {4, 0, 0xFF000000},
                 {10, 10, 0xFFFFFF00},
                 {4, 10, 0xFFFFFFFF},
                 {29, 10, 0xFF808000}};
    for (const auto& spot : spots)
        EXPECT_EQ(pixels[spot.y * 48 + spot.x], spot.argb) << "at " << spot.x << "," << spot.y;
}

TEST(ResourceTest, ManifestIsWellFormedAndAsksForThemedControlsAsInvokerPerMonitorDpiAndLongPaths)
{
    const HMODULE hModule = ResourceModule();
    const HRSRC hResource = ::FindResourceW(hModule, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_TRUE(hResource);
    const std::string xml(
        static_cast<const char*>(::LockResource(::LoadResource(hModule, hResource))),
        ::SizeofResource(hModule, hResource));
    ASSERT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"", 0), 0u);
    const std::vector<CXmlElement> elements = ReadXml(xml);
    ASSERT_FALSE(elements.empty());
    EXPECT_EQ(elements[0].strName, "assembly");
    EXPECT_EQ(elements[0].attributes.at("xmlns"), "urn:schemas-microsoft-com:asm.v1");
    EXPECT_EQ(elements[0].attributes.at("manifestVersion"), "1.0");

    // Each element of interest, where it must be, with the attributes that
    // matter; a namespace Windows does not know makes it ignore the element.
    const auto named = [&](const std::string& strName) {
        std::vector<CXmlElement> found;
        for (const CXmlElement& element : elements)
            if (element.strName == strName)
                found.push_back(element);
        return found;
    };
    const auto attribute = [](const CXmlElement& element, const char* pszName) -> std::string {
        const auto it = element.attributes.find(pszName);
        return it == element.attributes.end() ? "<missing>" : it->second;
    };
    const std::vector<CXmlElement> identities = named("assemblyIdentity");
    const auto controls = std::find_if(identities.begin(), identities.end(), [](const auto& e) {
        return e.strParent == "dependentAssembly";
    });
    ASSERT_NE(controls, identities.end());
    EXPECT_EQ(controls->attributes, (std::map<std::string, std::string>{
                                        {"type", "win32"},
                                        {"name", "Microsoft.Windows.Common-Controls"},
                                        {"version", "6.0.0.0"},
                                        {"processorArchitecture", "*"},
                                        {"publicKeyToken", "6595b64144ccf1df"},
                                        {"language", "*"},
                                    }));

    const std::vector<CXmlElement> levels = named("requestedExecutionLevel");
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(attribute(levels[0], "level"), "asInvoker");
    EXPECT_EQ(levels[0].strParent, "requestedPrivileges");

    std::set<std::string> systems;
    for (const CXmlElement& os : named("supportedOS")) {
        EXPECT_EQ(os.strParent, "application");
        systems.insert(attribute(os, "Id"));
    }
    EXPECT_EQ(systems, (std::set<std::string>{
                           "{e2011457-1546-43c5-a5fe-008deee3d3f0}", // Vista
                           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // 7
                           "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
                           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
                           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
                       }));

    // The window's settings, each once, in the namespace Windows reads it in.
    const struct
    {
        const char* pszName;
        const char* pszText;
        const char* pszNamespace;
    } SETTINGS[] = {
        {"dpiAwareness", "PerMonitorV2, PerMonitor",
         "http://schemas.microsoft.com/SMI/2016/WindowsSettings"},
        {"dpiAware", "true/pm", "http://schemas.microsoft.com/SMI/2005/WindowsSettings"},
        {"longPathAware", "true", "http://schemas.microsoft.com/SMI/2016/WindowsSettings"},
    };
    for (const auto& setting : SETTINGS) {
        const std::vector<CXmlElement> found = named(setting.pszName);
        ASSERT_EQ(found.size(), 1u) << setting.pszName;
        EXPECT_EQ(found[0].strText, setting.pszText);
        EXPECT_EQ(attribute(found[0], "xmlns"), setting.pszNamespace) << setting.pszName;
        EXPECT_EQ(found[0].strParent, "windowsSettings") << setting.pszName;
    }
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
