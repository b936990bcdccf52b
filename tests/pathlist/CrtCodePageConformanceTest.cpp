// The built-in code page 932 against the C runtime's own rules for every
// single byte and every lead byte with every trail byte: run where the ANSI
// code page is 932, this proves the generated case table.
#include "pathlist/Cp932CodePage.h"
#include "tests/pathlist/AnsiCrtCodePage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Hex(const std::string& text)
{
    std::string hex;
    for (unsigned char byte : text) {
        char digits[4];
        std::snprintf(digits, sizeof digits, hex.empty() ? "%02X" : " %02X", byte);
        hex += digits;
    }
    return hex;
}

class CrtCodePageConformanceTest : public testing::Test
{
protected:
    // Records where the two disagree about `text`, in either direction.
    void Compare(const std::string& text)
    {
        std::string builtInUpper = text, crtUpper = text, builtInLower = text, crtLower = text;
        builtIn.MakeUpper(builtInUpper);
        crt.MakeUpper(crtUpper);
        builtIn.MakeLower(builtInLower);
        crt.MakeLower(crtLower);
        if (builtInUpper != crtUpper)
            mismatches.push_back("upper " + Hex(text) + ": built-in " + Hex(builtInUpper) +
                                 ", runtime " + Hex(crtUpper));
        if (builtInLower != crtLower)
            mismatches.push_back("lower " + Hex(text) + ": built-in " + Hex(builtInLower) +
                                 ", runtime " + Hex(crtLower));
    }

    void ExpectNoMismatch()
    {
        EXPECT_TRUE(mismatches.empty())
            << mismatches.size()
            << " mismatches, first: " << (mismatches.empty() ? "" : mismatches.front());
    }

    const CCp932CodePage builtIn;
    const CCodePage& crt = AnsiCrtCodePage();
    std::vector<std::string> mismatches;
};

TEST_F(CrtCodePageConformanceTest, RunsUnderCodePage932)
{
    EXPECT_EQ(GetACP(), 932u);
    EXPECT_EQ(_getmbcp(), 932);
}

TEST_F(CrtCodePageConformanceTest, LeadBytesAgree)
{
    for (unsigned byte = 0; byte < 256; ++byte)
        EXPECT_EQ(builtIn.IsLeadByte(static_cast<unsigned char>(byte)),
                  crt.IsLeadByte(static_cast<unsigned char>(byte)))
            << std::hex << byte;
}

TEST_F(CrtCodePageConformanceTest, EverySingleByteAgrees)
{
    for (unsigned byte = 1; byte < 256; ++byte)
        if (!builtIn.IsLeadByte(static_cast<unsigned char>(byte)))
            Compare({'x', static_cast<char>(byte), 'X'});
    ExpectNoMismatch();
}

// A letter after the pair shows that both take the pair as one character,
// whether or not its trail byte is a valid one.
TEST_F(CrtCodePageConformanceTest, EveryDoubleByteCodeAgrees)
{
    for (unsigned lead = 0; lead < 256; ++lead)
        if (builtIn.IsLeadByte(static_cast<unsigned char>(lead)))
            for (unsigned trail = 1; trail < 256; ++trail)
                Compare({static_cast<char>(lead), static_cast<char>(trail), 'q', 'Q'});
    ExpectNoMismatch();
}

TEST_F(CrtCodePageConformanceTest, LoneLeadBytesAgree)
{
    for (unsigned lead = 0; lead < 256; ++lead)
        if (builtIn.IsLeadByte(static_cast<unsigned char>(lead))) {
            Compare({'q', 'Q', static_cast<char>(lead)});
            Compare({'q', static_cast<char>(lead), '\0', 'q', static_cast<char>(lead)});
        }
    ExpectNoMismatch();
}

// The runtime alone would take the lone lead byte and the terminating NUL as
// one character and convert on past the end of the string.
TEST(CrtCodePageTest, LeavesTheBytesPastTheEndAlone)
{
    std::string text = "ab_defgh";
    text.resize(2); // libstdc++ keeps "defgh" in the buffer behind the NUL
    text[1] = '\x82';
    AnsiCrtCodePage().MakeUpper(text);
    EXPECT_EQ(text, "A\x82");
    EXPECT_EQ(std::string(text.data() + 3, 5), "defgh");
}

} // namespace
