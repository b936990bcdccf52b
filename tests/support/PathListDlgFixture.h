#pragma once

#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/ModalRun.h"

#include <gtest/gtest.h>

#include <vector>

// The main dialog as the program runs it (tests/support/MainDlg.h), its
// message boxes answered OK unless a test says otherwise.
class PathListDlgFixture : public ::testing::Test
{
protected:
    // Runs a new main dialog through the steps; returns what DoModal returned.
    INT_PTR Run(std::vector<Step> steps);

    // What the dialog takes as the program's command line; none when null.
    const wchar_t* m_lpszCommandLine = nullptr;
    CMessageBoxAnswerer m_boxes{IDOK};
};
