// Throughput of the path list's intake and conversions on code page 932 text,
// each beside a plain loop doing the same byte work in the same run: compare
// the ratio, not the raw figures, which depend on the machine.
//
// The argument is the length of each of the 99 paths a drop carries, so the
// list is about 4 KB, 40 KB and 400 KB.
#include "pathlist/Cp932CodePage.h"
#include "pathlist/PathList.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const CCp932CodePage cp932;
// The exact names are left empty: nothing for their case to do.
class CNoUnicodeCase : public CUnicodeCase
{
public:
    void MakeUpper(std::wstring&) const override {}
    void MakeLower(std::wstring&) const override {}
};
const CNoUnicodeCase unicodeCase;

// A drop of the paths, as their ANSI names (the exact names left empty).
class CBenchIntake : public CPathIntake
{
public:
    explicit CBenchIntake(const std::vector<std::string>& paths) : m_paths(paths) {}
    unsigned GetCount() const override { return static_cast<unsigned>(m_paths.size()); }
    std::wstring_view GetExactName(unsigned) override { return {}; }
    std::string_view GetAnsiName(unsigned i) override { return m_paths[i]; }

private:
    const std::vector<std::string>& m_paths;
};

// Folder and file names in code page 932: ASCII, kanji, katakana (ソ and 表
// have "\" as their trail byte) and full-width letters (which change case).
const char* const NAMES[] = {
    "Users",
    "Documents",
    "src",
    "Program Files",
    "backup_2023",
    "README.md",
    "IMG_0001.JPG",
    "\x95\xf1\x8d\x90\x8f\x91",                         // 報告書
    "\x8e\x91\x97\xbf",                                 // 資料
    "\x8e\xca\x90\x5e",                                 // 写真
    "\x95\x5c\x8c\x76\x8e\x5a.xls",                     // 表計算.xls
    "\x83\x68\x83\x4c\x83\x85\x83\x81\x83\x93\x83\x67", // ドキュメント
    "\x83\x5c\x83\x74\x83\x67\x83\x45\x83\x46\x83\x41", // ソフトウェア
    "\x83\x66\x81\x5b\x83\x5e",                         // データ
    "\x82\x60\x82\x61\x82\x62_2023\x94\x4e\x93\x78",    // ＡＢＣ_2023年度
    "\x82\x84\x82\x81\x82\x94\x82\x81.txt",             // ｄａｔａ.txt
};
const size_t NAME_COUNT = sizeof NAMES / sizeof NAMES[0];

// 99 paths of at least `length` bytes, each a different walk through NAMES.
std::vector<std::string> MakePaths(size_t length)
{
    std::vector<std::string> paths;
    for (size_t i = 0; i < CPathList::MAX_DROP_COUNT; ++i) {
        std::string path = "C:";
        for (size_t step = 0; path.size() < length; ++step)
            path += std::string("\\") + NAMES[(i + step * 7) % NAME_COUNT];
        paths.push_back(path);
    }
    return paths;
}

size_t JoinedLength(const std::vector<std::string>& paths)
{
    size_t length = 2 * (paths.size() - 1);
    for (const std::string& path : paths)
        length += path.size();
    return length;
}

// A list holding one drop of MakePaths(length).
struct CLoadedList
{
    explicit CLoadedList(size_t length) : paths(MakePaths(length)), list(cp932, unicodeCase)
    {
        CBenchIntake intake(paths);
        list.AcceptDrop(intake);
    }

    std::vector<std::string> paths;
    CPathList list;
};

void Report(benchmark::State& state, size_t bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["list_bytes"] = static_cast<double>(bytes);
}

// The dialog keeps one list for its life; a drop is taken, then shown.
void BM_AcceptDrop(benchmark::State& state)
{
    const std::vector<std::string> paths = MakePaths(state.range(0));
    CPathList list(cp932, unicodeCase);
    for (auto _ : state) {
        CBenchIntake intake(paths);
        list.AcceptDrop(intake);
        benchmark::DoNotOptimize(list.GetAnsiText().data());
    }
    Report(state, JoinedLength(paths));
}

void Join(const std::vector<std::string>& paths, std::string& joined)
{
    joined.clear();
    for (size_t i = 0; i < paths.size(); ++i) {
        if (i > 0)
            joined += "\r\n";
        joined += paths[i];
    }
}

void BM_AcceptDrop_Baseline(benchmark::State& state)
{
    const std::vector<std::string> paths = MakePaths(state.range(0));
    std::string joined;
    for (auto _ : state) {
        Join(paths, joined);
        benchmark::DoNotOptimize(joined.data());
    }
    Report(state, JoinedLength(paths));
}

// The first drop into a new list.
void BM_AcceptDropIntoNewList(benchmark::State& state)
{
    const std::vector<std::string> paths = MakePaths(state.range(0));
    for (auto _ : state) {
        CPathList list(cp932, unicodeCase);
        CBenchIntake intake(paths);
        list.AcceptDrop(intake);
        benchmark::DoNotOptimize(list.GetAnsiText().data());
    }
    Report(state, JoinedLength(paths));
}

void BM_AcceptDropIntoNewList_Baseline(benchmark::State& state)
{
    const std::vector<std::string> paths = MakePaths(state.range(0));
    for (auto _ : state) {
        std::string joined;
        joined.reserve(JoinedLength(paths));
        Join(paths, joined);
        benchmark::DoNotOptimize(joined.data());
    }
    Report(state, JoinedLength(paths));
}

void BM_ToggleSlashes(benchmark::State& state)
{
    CLoadedList loaded(state.range(0));
    for (auto _ : state) {
        loaded.list.ToggleSlashes();
        benchmark::DoNotOptimize(loaded.list.GetAnsiText().data());
    }
    Report(state, loaded.list.GetAnsiText().size());
}

void BM_ToggleSlashes_Baseline(benchmark::State& state)
{
    std::string text = CLoadedList(state.range(0)).list.GetAnsiText();
    bool forward = false;
    for (auto _ : state) {
        const char from = forward ? '/' : '\\';
        const char to = forward ? '\\' : '/';
        for (char& c : text)
            if (c == from)
                c = to;
        forward = !forward;
        benchmark::ClobberMemory();
    }
    Report(state, text.size());
}

// range(0) is the case mode.
void BM_GetDisplayText(benchmark::State& state)
{
    CLoadedList loaded(state.range(1));
    while (loaded.list.GetCaseMode() != state.range(0))
        loaded.list.CycleCase();
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded.list.GetAnsiText().data());
    Report(state, loaded.list.GetAnsiText().size());
}

void BM_GetDisplayText_Baseline(benchmark::State& state)
{
    const std::string text = CLoadedList(state.range(1)).list.GetAnsiText();
    const auto nCaseMode = static_cast<CPathList::CaseMode>(state.range(0));
    const char first = nCaseMode == CPathList::CASE_UPPER ? 'a' : 'A';
    for (auto _ : state) {
        std::string copy = text;
        if (nCaseMode != CPathList::CASE_AS_STORED)
            for (char& c : copy)
                if (c >= first && c < first + 26)
                    c = static_cast<char>(c ^ 0x20);
        benchmark::DoNotOptimize(copy.data());
    }
    Report(state, text.size());
}

const std::vector<int64_t> PATH_LENGTHS = {41, 414, 4096};

} // namespace

BENCHMARK(BM_AcceptDrop)->ArgsProduct({PATH_LENGTHS});
BENCHMARK(BM_AcceptDrop_Baseline)->ArgsProduct({PATH_LENGTHS});
BENCHMARK(BM_AcceptDropIntoNewList)->ArgsProduct({PATH_LENGTHS});
BENCHMARK(BM_AcceptDropIntoNewList_Baseline)->ArgsProduct({PATH_LENGTHS});
BENCHMARK(BM_ToggleSlashes)->ArgsProduct({PATH_LENGTHS});
BENCHMARK(BM_ToggleSlashes_Baseline)->ArgsProduct({PATH_LENGTHS});
BENCHMARK(BM_GetDisplayText)->ArgsProduct({{0, 1, 2}, PATH_LENGTHS});
BENCHMARK(BM_GetDisplayText_Baseline)->ArgsProduct({{0, 1, 2}, PATH_LENGTHS});
