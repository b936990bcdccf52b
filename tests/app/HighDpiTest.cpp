// The main window at 144 DPI, in a Wine prefix set to it: the dialog scales
// with its font, the pictures are those drawn for the window's DPI, and a
// change of DPI brings others without leaking the ones before.
#include "app/DialogPictures.h"
#include "tests/support/GuiObjects.h"
#include "tests/support/PathListDlgFixture.h"

#include <gtest/gtest.h>

#include <iterator>
#include <utility>
#include <vector>

namespace {
class HighDpiTest : public PathListDlgFixture
{
};

using Size = std::pair<LONG, LONG>;

// The main window's controls in template order: x, y, width and height in
// dialog units. The pictures are the eighth and ninth, after the path box's
// hidden label and the box.
const RECT TEMPLATE_UNITS[] = {
    {142, 30, 40, 12}, {142, 44, 40, 12}, {142, 58, 40, 12}, {142, 72, 40, 12}, {142, 86, 40, 12},
    {0, 0, 0, 0},      {2, 2, 136, 97},   {146, 12, 18, 13}, {146, 4, 31, 8},   {166, 14, 12, 12},
};
const size_t FOLDERS = 7, CAPTION = 8;

std::vector<HWND> Children(HWND hDlg)
{
    std::vector<HWND> children;
    for (HWND hItem = ::GetWindow(hDlg, GW_CHILD); hItem; hItem = ::GetWindow(hItem, GW_HWNDNEXT))
        children.push_back(hItem);
    return children;
}

// The size of the bitmap a picture static shows.
Size PictureSize(HWND hStatic)
{
    BITMAP bitmap = {};
    ::GetObjectW(reinterpret_cast<HGDIOBJ>(::SendMessageW(hStatic, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                 sizeof bitmap, &bitmap);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

std::pair<Size, Size> PictureSizes(HWND hDlg)
{
    const std::vector<HWND> children = Children(hDlg);
    return {PictureSize(children.at(FOLDERS)), PictureSize(children.at(CAPTION))};
}

TEST_F(HighDpiTest, VariantIsTheNearestDrawnForAtOrAboveTheDpiAndTheLargestBeyond)
{
    const std::pair<UINT, UINT> cases[] = {{72, 96},   {96, 96},   {97, 144},  {120, 144},
                                           {144, 144}, {145, 192}, {192, 192}, {288, 192}};
    for (const auto& [nDpi, nVariantDpi] : cases)
        EXPECT_EQ(CDialogPictures::VariantDpi(nDpi), nVariantDpi) << nDpi << " DPI";
}

TEST_F(HighDpiTest, ControlsKeepTheTemplatesLayoutAndPicturesDrawnFor144DpiFitTheirs)
{
    Run({[](HWND hDlg) {
        ASSERT_EQ(CDialogPictures::WindowDpi(hDlg), 144u) << "the prefix is not at 144 DPI";
        EXPECT_EQ(PictureSizes(hDlg), std::make_pair(Size{48, 36}, Size{81, 20}));
        const std::vector<HWND> children = Children(hDlg);
        ASSERT_EQ(children.size(), std::size(TEMPLATE_UNITS));
        for (size_t i = 0; i < children.size(); ++i) {
            // Mapped as the dialog manager maps them: place and size, each
            // rounded on its own.
            RECT units = TEMPLATE_UNITS[i];
            ::MapDialogRect(hDlg, &units);
            const RECT rcTemplate = {units.left, units.top, units.left + units.right,
                                     units.top + units.bottom};
            RECT rc;
            ::GetWindowRect(children[i], &rc);
            ::MapWindowPoints(NULL, hDlg, reinterpret_cast<POINT*>(&rc), 2);
            if (i != FOLDERS && i != CAPTION) {
                EXPECT_TRUE(::EqualRect(&rc, &rcTemplate)) << "control " << i;
                continue;
            }
            // A picture starts where its template's rectangle does and fits
            // in it; its static shows it whole.
            const auto [cx, cy] = PictureSize(children[i]);
            EXPECT_EQ(rc.left, rcTemplate.left) << "picture " << i;
            EXPECT_EQ(rc.top, rcTemplate.top) << "picture " << i;
            EXPECT_LE(cx, rcTemplate.right - rcTemplate.left) << "picture " << i;
            EXPECT_LE(cy, rcTemplate.bottom - rcTemplate.top) << "picture " << i;
            RECT rcClient;
            ::GetClientRect(children[i], &rcClient);
            EXPECT_GE(rcClient.right, cx) << "picture " << i;
            EXPECT_GE(rcClient.bottom, cy) << "picture " << i;
        }
    }});
}

TEST_F(HighDpiTest, DpiChangeResizesTheWindowAndSwapsThePicturesLeakingNone)
{
    // What Wine makes once for the first window stays: count from the second.
    Run({});
    const DWORD nGdiObjects = CountGdiObjects();
    Run({[](HWND hDlg) {
        RECT rc;
        ::GetWindowRect(hDlg, &rc);
        // Moved to a monitor at 192 DPI, and the window four thirds as large.
        RECT rcSuggested = {rc.left + 10, rc.top + 20, rc.left + 10 + (rc.right - rc.left) * 4 / 3,
                            rc.top + 20 + (rc.bottom - rc.top) * 4 / 3};
        ::SendMessageW(hDlg, WM_DPICHANGED, MAKEWPARAM(192, 192),
                       reinterpret_cast<LPARAM>(&rcSuggested));
        ::GetWindowRect(hDlg, &rc);
        EXPECT_TRUE(::EqualRect(&rc, &rcSuggested));
        EXPECT_EQ(PictureSizes(hDlg), std::make_pair(Size{64, 48}, Size{108, 26}));

        // At 120 DPI, those drawn for 144 made five sixths as large.
        ::SendMessageW(hDlg, WM_DPICHANGED, MAKEWPARAM(120, 120), reinterpret_cast<LPARAM>(&rc));
        EXPECT_EQ(PictureSizes(hDlg), std::make_pair(Size{40, 30}, Size{68, 17}));
    }});
    EXPECT_EQ(CountGdiObjects(), nGdiObjects);
}
} // namespace
