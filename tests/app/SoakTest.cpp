// Ten thousand drops through the real dialog, mixed with conversions, copies
// answered both ways and refused drops: the process's memory and its GDI and
// USER objects stay flat, and every drop handle is released.
#include "res/resource.h"
#include "tests/support/Clipboard.h"
#include "tests/support/DropFiles.h"
#include "tests/support/GuiObjects.h"
#include "tests/support/MainDlg.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/ModalRun.h"
#include "tests/support/Paths.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr int DROPS = 10000;
// Heaps, the edit box's buffer and the clipboard's first use settle here.
constexpr int WARM_UP_DROPS = 1000;
// The drops after the warm-up, in two equal stretches. What leaks per drop
// grows in both; a one-time rise (a heap taking a new segment: 1.5 MiB once
// under 64-bit Wine) shows in one of them only. So the smaller growth of the
// two is what must stay flat.
constexpr int HALFWAY_DROPS = (WARM_UP_DROPS + DROPS) / 2;
// The dialog's loop gets a turn (paints, timers) between batches.
constexpr int DROPS_PER_STEP = 100;

// The smaller growth of private bytes may reach this; it moved by 44 KiB at
// most in trial runs over both stretches. A leak of anything per drop passes
// it: the least heap block (24 bytes with its header, under 32-bit Wine)
// leaked by each of the 4500 drops of a stretch comes to 105 KiB.
constexpr long PRIVATE_BYTES_BOUND_KIB = 64;
// The working set follows the private bytes, with pages the system keeps or
// drops as it likes: looser.
constexpr long WORKING_SET_BOUND_KIB = 1024;

// The process's own use of memory and window-system objects.
struct CResourceUse
{
    SIZE_T nPrivateBytes;
    SIZE_T nWorkingSet;
    DWORD nGdiObjects;
    DWORD nUserObjects;
};

CResourceUse MeasureResourceUse()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return {counters.PagefileUsage, counters.WorkingSetSize, CountGdiObjects(), CountUserObjects()};
}

long GrowthKiB(SIZE_T nBefore, SIZE_T nAfter)
{
    return static_cast<long>((static_cast<long long>(nAfter) - static_cast<long long>(nBefore)) /
                             1024);
}

// The growth of one measure over the two stretches: the one, the other, and
// the smaller, which is what a per-drop leak raises.
struct CGrowth
{
    long nFirstKiB;
    long nSecondKiB;
    long Smaller() const { return std::min(nFirstKiB, nSecondKiB); }
};

CGrowth Growth(SIZE_T CResourceUse::*pMeasure, const CResourceUse& warm, const CResourceUse& half,
               const CResourceUse& end)
{
    return {GrowthKiB(warm.*pMeasure, half.*pMeasure), GrowthKiB(half.*pMeasure, end.*pMeasure)};
}

// Path components of every kind the shell gives: ASCII in both cases, code
// page 932 names with "\" (ソ, 表) or letters as trail bytes, full-width letters.
const char* const NAMES[] = {
    "Users",
    "Documents",
    "Program Files",
    "README.md",
    "IMG_0001.JPG",
    "\x83\x5c\x83\x74\x83\x67",                      // ソフト
    "\x95\x5c\x8c\x76\x8e\x5a.xls",                  // 表計算.xls
    "\x83\x66\x81\x5b\x83\x5e",                      // データ
    "\x82\x60\x82\x61\x82\x62_2023\x94\x4e\x93\x78", // ＡＢＣ_2023年度
    "backup_2023",
};

// Drops drawn from a fixed seed, so that a failure replays.
class CDropMaker
{
public:
    int Between(int nLow, int nHigh)
    {
        return std::uniform_int_distribution(nLow, nHigh)(m_random);
    }

    Paths Make(int nCount)
    {
        Paths paths(nCount);
        for (auto& path : paths) {
            path = "C:";
            // Now and then longer than MAX_PATH.
            const int nDepth = Between(0, 19) ? Between(1, 6) : Between(20, 30);
            for (int i = 0; i < nDepth; ++i)
                path +=
                    std::string("\\") + NAMES[Between(0, static_cast<int>(std::size(NAMES)) - 1)];
        }
        return paths;
    }

private:
    std::mt19937 m_random{20260807};
};

class CSoak
{
public:
    // One batch of drops, each followed now and then by a button press.
    void RunBatch(HWND hDlg, int nDrops)
    {
        // A fault shows in the first batch it appears in; thousands more of
        // the same would only bury it.
        if (testing::Test::HasFailure())
            return;
        // The answerer records every box it answers: one per batch keeps the
        // record from growing with the soak.
        CMessageBoxAnswerer boxes(IDOK);
        int nBoxes = 0;
        for (int i = 0; i < nDrops; ++i) {
            // Most drops are a few files; one in four is a large one.
            const Paths paths = m_maker.Make(m_maker.Between(0, 3) ? m_maker.Between(1, 20)
                                                                   : m_maker.Between(21, 99));
            CheckDrop(hDlg, paths);
            const int nAction = m_maker.Between(0, 99);
            if (nAction < 20) {
                Click(hDlg, IDC_CASE);
            } else if (nAction < 40) {
                Click(hDlg, IDC_SLASH);
            } else if (nAction < 44) {
                CheckCopy(hDlg, nAction < 42 ? IDOK : IDCANCEL, boxes);
                ++nBoxes;
            } else if (nAction < 45) {
                CheckRefusal(hDlg);
                ++nBoxes;
            }
        }
        EXPECT_EQ(static_cast<int>(boxes.Seen().size()), nBoxes);
    }

    int m_nDrops = 0;
    int m_nRefusals = 0;
    int m_nCopies = 0;
    int m_nUnreleased = 0;
    std::string m_strCopied; // by the last confirmed copy

private:
    void CheckDrop(HWND hDlg, const Paths& paths)
    {
        const HDROP hDrop = Drop(hDlg, paths);
        m_nUnreleased += !IsReleased(hDrop);
        ++m_nDrops;
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), std::to_string(paths.size()))
            << "drop " << m_nDrops;
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), Join(paths)) << "drop " << m_nDrops;
    }

    // Reading the clipboard back costs the reader memory under Wine (about
    // the text's size per read, kept): the copy is seen by the clipboard's
    // sequence number instead, and its text read once, at the end.
    void CheckCopy(HWND hDlg, int nAnswer, CMessageBoxAnswerer& boxes)
    {
        const DWORD nBefore = ::GetClipboardSequenceNumber();
        boxes.SetAnswer(nAnswer);
        Click(hDlg, IDC_COPYALL);
        ++m_nCopies;
        if (nAnswer == IDOK) {
            m_strCopied = GetItemText(hDlg, IDC_PATHS);
            EXPECT_NE(::GetClipboardSequenceNumber(), nBefore) << "copy " << m_nCopies;
        } else {
            EXPECT_EQ(::GetClipboardSequenceNumber(), nBefore) << "cancelled copy " << m_nCopies;
        }
    }

    void CheckRefusal(HWND hDlg)
    {
        const std::string strShown = GetItemText(hDlg, IDC_PATHS);
        const std::string strCount = GetItemText(hDlg, IDC_COUNT);
        const HDROP hDrop = Drop(hDlg, m_maker.Make(m_maker.Between(100, 199)));
        m_nUnreleased += !IsReleased(hDrop);
        ++m_nRefusals;
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), strShown) << "refusal " << m_nRefusals;
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), strCount) << "refusal " << m_nRefusals;
    }

    CDropMaker m_maker;
};

TEST(SoakTest, TenThousandDropsLeaveMemoryAndObjectsFlatAndReleaseEveryDrop)
{
    CMainDlg dlg;
    CSoak soak;
    CResourceUse warm = {}, half = {}, end = {};
    const auto start = std::chrono::steady_clock::now();

    std::vector<Step> steps;
    for (int nDone = 0; nDone < DROPS; nDone += DROPS_PER_STEP) {
        steps.push_back([&](HWND hDlg) {
            soak.RunBatch(hDlg, DROPS_PER_STEP);
            if (soak.m_nDrops == WARM_UP_DROPS)
                warm = MeasureResourceUse();
            if (soak.m_nDrops == HALFWAY_DROPS)
                half = MeasureResourceUse();
            if (soak.m_nDrops == DROPS) {
                end = MeasureResourceUse();
                EXPECT_EQ(ReadClipboardText(), soak.m_strCopied);
            }
        });
    }
    RunModal(dlg, std::move(steps));
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;

    const CGrowth privateBytes = Growth(&CResourceUse::nPrivateBytes, warm, half, end);
    const CGrowth workingSet = Growth(&CResourceUse::nWorkingSet, warm, half, end);
    std::printf("soak: %d drops, %d refused, %d copies in %.1f s; over drops %d-%d and %d-%d: "
                "private bytes %+ld and %+ld KiB (bound on the smaller %ld), working set %+ld "
                "and %+ld KiB (bound %ld), GDI objects %lu -> %lu, USER objects %lu -> %lu\n",
                soak.m_nDrops, soak.m_nRefusals, soak.m_nCopies, seconds.count(), WARM_UP_DROPS,
                HALFWAY_DROPS, HALFWAY_DROPS, DROPS, privateBytes.nFirstKiB,
                privateBytes.nSecondKiB, PRIVATE_BYTES_BOUND_KIB, workingSet.nFirstKiB,
                workingSet.nSecondKiB, WORKING_SET_BOUND_KIB, warm.nGdiObjects, end.nGdiObjects,
                warm.nUserObjects, end.nUserObjects);
    ASSERT_EQ(soak.m_nDrops, DROPS);
    EXPECT_EQ(soak.m_nUnreleased, 0) << "drop handles left unreleased";
    EXPECT_LE(privateBytes.Smaller(), PRIVATE_BYTES_BOUND_KIB);
    EXPECT_LE(workingSet.Smaller(), WORKING_SET_BOUND_KIB);
    EXPECT_EQ(end.nGdiObjects, warm.nGdiObjects);
    EXPECT_EQ(end.nUserObjects, warm.nUserObjects);
}
} // namespace
