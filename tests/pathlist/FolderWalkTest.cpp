#include "pathlist/FolderWalk.h"

#include "pathlist/CopyForms.h"
#include "pathlist/Cp932CodePage.h"
#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// A file system of folders by path: each its entries, in the order the fake
// lists them, and its ID (by default one of its own). A folder missing from
// it cannot be read. Every folder listed is kept.
class CFakeFiles : public CFolderLister
{
public:
    struct CFolder
    {
        std::vector<CFolderEntry> entries;
        std::uint64_t nId = 0;
        std::uint64_t nIdHigh = 0;
    };

    bool List(const std::wstring& folder, std::vector<CFolderEntry>& entries,
              CFolderId& id) override
    {
        m_listed.push_back(folder);
        const auto it = m_folders.find(folder);
        if (it == m_folders.end())
            return false;
        entries = it->second.entries;
        entries.resize(entries.size() + m_nMoreFiles, m_more);
        id = {7, it->second.nId ? it->second.nId : std::hash<std::wstring>()(folder),
              it->second.nIdHigh};
        return true;
    }

    std::map<std::wstring, CFolder> m_folders;
    std::vector<std::wstring> m_listed;
    // Files named "f" more in every folder, made as it is listed.
    size_t m_nMoreFiles = 0;
    CFolderEntry m_more;
};

CFolderEntry File(std::wstring name, unsigned char flags = 0, std::uint64_t size = 0)
{
    CFolderEntry entry{std::move(name), flags, {}};
    entry.details.nKind = CFileDetails::FILE;
    entry.details.nSize = size;
    return entry;
}

CFolderEntry Folder(std::wstring name, unsigned char flags = 0)
{
    CFolderEntry entry{std::move(name), flags, {}};
    entry.details.nKind = CFileDetails::FOLDER;
    return entry;
}

// Goes on until the folder numbered `nStopAt` (0: never), keeping what it is told.
class CTestProgress : public CWalkProgress
{
public:
    explicit CTestProgress(size_t nStopAt = 0) : m_nStopAt(nStopAt) {}
    bool Continue(size_t nFiles, const std::wstring& folder) override
    {
        m_told.push_back({nFiles, folder});
        return m_told.size() != m_nStopAt;
    }
    size_t m_nStopAt;
    std::vector<std::pair<size_t, std::wstring>> m_told;
};

constexpr CWalkRules EXPLORER_DEFAULT = {false, false};

std::string ToAscii(std::wstring_view text)
{
    std::string ascii;
    for (wchar_t ch : text)
        ascii += ch < 0x80 ? static_cast<char>(ch) : '?';
    return ascii;
}

struct CWalkedList
{
    CCp932CodePage codePage;
    CTestUnicodeCase unicodeCase;
    CPathList list{codePage, unicodeCase};
    CTestNameRules rules;
    CFolderExpansion expansion;

    CWalkedList(std::vector<std::wstring> items, std::set<std::wstring> folders)
        : rules(std::move(folders))
    {
        CTestIntake intake(std::move(items));
        list.AcceptDrop(intake);
    }
    CFolderExpansion::Result Expand(CFolderLister& files, CWalkRules walk = EXPLORER_DEFAULT)
    {
        CTestProgress progress;
        return expansion.Expand(list, rules, files, walk, progress);
    }
    std::vector<std::wstring> Paths() const
    {
        std::vector<std::wstring> paths;
        for (size_t j = 0; j < expansion.GetFileCount(); ++j)
            paths.emplace_back(expansion.GetPath(j));
        return paths;
    }
    CCopyText Copy(const CCopyForm& form) const
    {
        const struct : CServerNames
        {
            std::wstring ServerForm(const std::wstring&) const override { return {}; }
        } servers;
        // Walked files come with their details; the list's own are unread.
        const struct : CFileFacts
        {
            CFileDetails Details(const std::wstring&) const override { return {}; }
        } facts;
        return MakeCopyText(form, list, servers, rules, facts, CTableWords(), ToAscii, &expansion);
    }
};

// In each folder its files by name, then each folder by name, walked in turn;
// the list's items in the order shown, a file staying itself. Each line is
// made from the path as the list shows any text, its ANSI text converted, and
// each form reads the walk's details of its files.
TEST(FolderWalkTest, FilesByNameThenFoldersEachInTurn)
{
    CFakeFiles files;
    files.m_folders[L"C:\\p"] = {
        {Folder(L"b"), File(L"z.txt", 0, 5), Folder(L"a"), File(L"m.txt", 0, 7)}};
    files.m_folders[L"C:\\p\\a"] = {{File(L"2.txt"), Folder(L"deep"), File(L"1.txt")}};
    files.m_folders[L"C:\\p\\a\\deep"] = {{File(L"d.txt")}};
    files.m_folders[L"C:\\p\\b"] = {{File(L"b.txt")}};
    files.m_folders[L"D:\\"] = {{File(L"root.txt"), Folder(L"empty")}};
    files.m_folders[L"D:\\empty"] = {};
    CWalkedList walked({L"C:\\p", L"C:\\x.txt", L"D:\\"}, {L"C:\\p", L"D:\\"});
    ASSERT_EQ(walked.Expand(files), CFolderExpansion::WALKED);
    EXPECT_EQ(walked.Paths(),
              (std::vector<std::wstring>{L"C:\\p\\m.txt", L"C:\\p\\z.txt", L"C:\\p\\a\\1.txt",
                                         L"C:\\p\\a\\2.txt", L"C:\\p\\a\\deep\\d.txt",
                                         L"C:\\p\\b\\b.txt", L"D:\\root.txt"}));
    EXPECT_EQ(walked.expansion.GetDetails(0).nSize, 7u);
    EXPECT_EQ(walked.expansion.GetDetails(1).nSize, 5u);
    EXPECT_FALSE(walked.expansion.IsWalked(1));
    EXPECT_EQ(walked.expansion.GetUnreadCount(), 0u);

    walked.list.ToggleSlashes();
    walked.list.CycleCase();
    EXPECT_EQ(walked.Copy(SHOWN_FORM).strText,
              L"C:/P/M.TXT\r\nC:/P/Z.TXT\r\nC:/P/A/1.TXT\r\nC:/P/A/2.TXT\r\nC:/P/A/DEEP/D.TXT\r\n"
              L"C:/P/B/B.TXT\r\nC:/X.TXT\r\nD:/ROOT.TXT");
    CWalkedList one({L"C:\\p"}, {L"C:\\p"});
    ASSERT_EQ(one.Expand(files), CFolderExpansion::WALKED);
    EXPECT_EQ(one.Copy(RELATIVE_FORM).strText.substr(0, 23), L"m.txt\r\nz.txt\r\na\\1.txt\r\n");

    // The line function sees the walk's details, and the list's item none.
    static std::vector<std::uint64_t> sizes;
    sizes.clear();
    constexpr CCopyForm SIZE_FORM = {[](const CCopyItem& item, const CCopyContext&) {
                                         sizes.push_back(item.pDetails ? item.pDetails->nSize : 99);
                                         return std::wstring(L"é");
                                     },
                                     L" "};
    const CCopyText text = walked.Copy(SIZE_FORM);
    EXPECT_EQ(sizes, (std::vector<std::uint64_t>{7, 5, 0, 0, 0, 0, 99, 0}));
    EXPECT_EQ(text.strAnsi, "? ? ? ? ? ? ? ?");
}

// Hidden items are left out unless the shell shows them; hidden system files
// only when it shows protected files too. A hidden folder is not entered.
TEST(FolderWalkTest, HiddenItemsAsTheShellShowsThem)
{
    using E = CFolderEntry;
    const struct
    {
        CWalkRules walk;
        std::vector<std::wstring> expected;
    } rows[] = {
        {{false, false}, {L"C:\\p\\plain", L"C:\\p\\system"}},
        {{true, false}, {L"C:\\p\\.hidden", L"C:\\p\\plain", L"C:\\p\\system", L"C:\\p\\.h\\in"}},
        {{true, true},
         {L"C:\\p\\.hidden", L"C:\\p\\plain", L"C:\\p\\protected", L"C:\\p\\system",
          L"C:\\p\\.h\\in"}},
        {{false, true}, {L"C:\\p\\plain", L"C:\\p\\system"}},
    };
    CFakeFiles files;
    files.m_folders[L"C:\\p"] = {
        {File(L"plain"), File(L".hidden", E::HIDDEN), File(L"system", E::SYSTEM),
         File(L"protected", E::HIDDEN | E::SYSTEM), Folder(L".h", E::HIDDEN)}};
    files.m_folders[L"C:\\p\\.h"] = {{File(L"in")}};
    for (const auto& row : rows) {
        CWalkedList walked({L"C:\\p"}, {L"C:\\p"});
        ASSERT_EQ(walked.Expand(files, row.walk), CFolderExpansion::WALKED);
        EXPECT_EQ(walked.Paths(), row.expected) << row.walk.bShowHidden << row.walk.bShowProtected;
    }
}

// A link to a folder is not entered; a folder seen before under another name
// (the loop a link back up makes) is passed by; one that cannot be read is
// counted. The same folder in two items is walked in each.
TEST(FolderWalkTest, LinksRepeatsAndUnreadableFoldersArePassedBy)
{
    CFakeFiles files;
    files.m_folders[L"C:\\p"] = {{File(L"f"), Folder(L"junction", CFolderEntry::LINK),
                                  Folder(L"up"), Folder(L"locked"), Folder(L"sub")},
                                 1};
    files.m_folders[L"C:\\p\\junction"] = {{File(L"never")}};
    files.m_folders[L"C:\\p\\sub"] = {{File(L"g"), Folder(L"back"), Folder(L"refs")}};
    // A Unix symbolic link to the top, under Wine: a plain folder of the same ID.
    files.m_folders[L"C:\\p\\sub\\back"] = {files.m_folders[L"C:\\p"].entries, 1};
    files.m_folders[L"C:\\p\\up"] = {{File(L"u")}, 2};
    // On ReFS the upper half of the 128-bit ID tells it from the top.
    files.m_folders[L"C:\\p\\sub\\refs"] = {{File(L"r")}, 1, 1};
    files.m_folders[L"C:\\q"] = {{File(L"h")}, 2};
    CWalkedList walked({L"C:\\p", L"C:\\q", L"C:\\q"}, {L"C:\\p", L"C:\\q"});
    ASSERT_EQ(walked.Expand(files), CFolderExpansion::WALKED);
    EXPECT_EQ(walked.Paths(),
              (std::vector<std::wstring>{L"C:\\p\\f", L"C:\\p\\sub\\g", L"C:\\p\\sub\\refs\\r",
                                         L"C:\\p\\up\\u", L"C:\\q\\h", L"C:\\q\\h"}));
    EXPECT_EQ(walked.expansion.GetUnreadCount(), 1u) << "locked";
    for (const std::wstring& listed : files.m_listed)
        EXPECT_EQ(listed.find(L"junction"), listed.npos);
}

// Past 259 characters a path is listed and written with the long-path
// prefix, for a drive and for a server; a prefixed item keeps its prefix.
TEST(FolderWalkTest, LongPathsTakeThePrefix)
{
    const std::wstring name(120, L'n');
    const std::wstring drive = L"C:\\" + name + L"\\" + name;            // 244
    const std::wstring server = L"\\\\s\\share\\" + name + L"\\" + name; // 251
    CFakeFiles files;
    const std::wstring sub(130, L'd');
    files.m_folders[drive] = {{File(L"short.txt"), File(name), Folder(sub)}};
    files.m_folders[L"\\\\?\\" + drive + L"\\" + sub] = {{File(L"x")}};
    files.m_folders[server] = {{File(L"y")}};
    files.m_folders[L"\\\\?\\UNC\\s\\share\\" + name] = {{File(L"z")}};
    CWalkedList walked({drive, server, L"\\\\?\\UNC\\s\\share\\" + name},
                       {drive, server, L"\\\\?\\UNC\\s\\share\\" + name});
    ASSERT_EQ(walked.Expand(files), CFolderExpansion::WALKED);
    EXPECT_EQ(walked.Paths(),
              (std::vector<std::wstring>{L"\\\\?\\" + drive + L"\\" + name, drive + L"\\short.txt",
                                         L"\\\\?\\" + drive + L"\\" + sub + L"\\x", server + L"\\y",
                                         L"\\\\?\\UNC\\s\\share\\" + name + L"\\z"}));
    EXPECT_EQ(LongPathForm(L"\\\\s\\share\\x"), L"\\\\?\\UNC\\s\\share\\x");
    EXPECT_EQ(LongPathForm(L"relative"), L"relative");
}

// Past its limits, in files or in the characters of the paths found, the
// walk keeps nothing; so does a cancelled one, which reads no folder after.
// A copy's text past the limit is not made.
TEST(FolderWalkTest, LimitsAndCancellingKeepNothing)
{
    CFakeFiles many;
    auto& top = many.m_folders[L"C:\\many"].entries;
    many.m_more = File(L"f");
    many.m_nMoreFiles = CFolderExpansion::MAX_FILES + 1;
    CWalkedList walked({L"C:\\many"}, {L"C:\\many"});
    EXPECT_EQ(walked.Expand(many), CFolderExpansion::TOO_LARGE);
    EXPECT_EQ(walked.expansion.GetFileCount(), 0u);
    many.m_nMoreFiles -= 2;
    EXPECT_EQ(walked.Expand(many), CFolderExpansion::WALKED);
    many.m_nMoreFiles = 0;

    // 16 Mi characters just passed by one file; just reached, the URLs'
    // percent-encoding passes it.
    const std::wstring name(16384 - 12 - 2, L'é'); // \\?\C:\many\, the name, CR LF
    for (size_t i = 0; i < 1024; ++i)
        top.push_back(File(name));
    top.push_back(File(L"abcdefghijklmnopqrst"));
    EXPECT_EQ(walked.Expand(many), CFolderExpansion::TOO_LARGE);
    top.pop_back();
    EXPECT_EQ(walked.Expand(many), CFolderExpansion::WALKED);
    EXPECT_FALSE(walked.Copy(SHOWN_FORM).bTooLong);
    const CCopyText urls = walked.Copy(URL_FORM);
    EXPECT_TRUE(urls.bTooLong);
    EXPECT_TRUE(urls.strText.empty());

    CFakeFiles files;
    files.m_folders[L"C:\\p"] = {{File(L"f"), Folder(L"a"), Folder(L"b")}};
    files.m_folders[L"C:\\p\\a"] = {{File(L"g"), File(L"h")}};
    files.m_folders[L"C:\\p\\b"] = {{File(L"i")}};
    CWalkedList cancelled({L"C:\\p"}, {L"C:\\p"});
    CTestProgress progress(3);
    EXPECT_EQ(cancelled.expansion.Expand(cancelled.list, cancelled.rules, files, EXPLORER_DEFAULT,
                                         progress),
              CFolderExpansion::CANCELLED);
    EXPECT_EQ(progress.m_told, (std::vector<std::pair<size_t, std::wstring>>{
                                   {0, L"C:\\p"}, {1, L"C:\\p\\a"}, {3, L"C:\\p\\b"}}));
    EXPECT_EQ(files.m_listed.size(), 2u);
    EXPECT_EQ(cancelled.expansion.GetFileCount(), 0u);
    EXPECT_FALSE(cancelled.expansion.IsWalked(0));
}

} // namespace
