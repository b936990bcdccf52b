#include "pathlist/Cp932CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Code page 932 bytes of the characters used below.
const std::string FW_A = "\x82\x81", FW_A_UPPER = "\x82\x60";     // ａ Ａ
const std::string FW_Z = "\x82\x9a", FW_Z_UPPER = "\x82\x79";     // ｚ Ｚ
const std::string ALPHA = "\x83\xbf", ALPHA_UPPER = "\x83\x9f";   // α Α
const std::string OMEGA = "\x83\xd6", OMEGA_UPPER = "\x83\xb6";   // ω Ω
const std::string CYR_A = "\x84\x70", CYR_A_UPPER = "\x84\x40";   // а А
const std::string CYR_YA = "\x84\x91", CYR_YA_UPPER = "\x84\x60"; // я Я
const std::string TSU = "\x83\x63";                               // ツ: trail byte "c"
const std::string EI = "\x89\x63";                                // 営: trail byte "c"
const std::string AME = "\x89\x4a";                               // 雨: trail byte "J"
const std::string SO = "\x83\x5c";                                // ソ: trail byte "\"
const std::string HYOU = "\x95\x5c";                              // 表: trail byte "\"
const std::string KATAKANA = "\xb6\xc0\xb6\xc5"; // ｶﾀｶﾅ, half-width: single bytes
const std::string ROMAN_ONE = "\x87\x54";        // Ⅰ
const std::string SMALL_ROMAN_ONE = "\xfa\x40";  // ⅰ

const CCp932CodePage cp932;

std::string Upper(std::string text)
{
    cp932.MakeUpper(text);
    return text;
}

std::string Lower(std::string text)
{
    cp932.MakeLower(text);
    return text;
}

TEST(Cp932CodePageTest, LeadBytesAreThoseOfShiftJis)
{
    for (unsigned byte = 0; byte < 256; ++byte)
        EXPECT_EQ(cp932.IsLeadByte(static_cast<unsigned char>(byte)),
                  (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC))
            << std::hex << byte;
}

TEST(Cp932CodePageTest, OnlyAsciiLettersChangeAmongSingleBytes)
{
    for (unsigned byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (cp932.IsLeadByte(static_cast<unsigned char>(byte)))
            continue;
        const bool lower = byte >= 'a' && byte <= 'z', upper = byte >= 'A' && byte <= 'Z';
        EXPECT_EQ(Upper({c}), std::string(1, lower ? static_cast<char>(c - 0x20) : c))
            << std::hex << byte;
        EXPECT_EQ(Lower({c}), std::string(1, upper ? static_cast<char>(c + 0x20) : c))
            << std::hex << byte;
    }
}

TEST(Cp932CodePageTest, TrailByteThatIsALetterNeverChangesOnItsOwn)
{
    for (const std::string& character : {TSU, EI, AME}) {
        EXPECT_EQ(Upper(character), character);
        EXPECT_EQ(Lower(character), character);
    }
}

TEST(Cp932CodePageTest, FullwidthGreekAndCyrillicLettersChangeWhole)
{
    const std::string lower = FW_A + FW_Z + ALPHA + OMEGA + CYR_A + CYR_YA;
    const std::string upper =
        FW_A_UPPER + FW_Z_UPPER + ALPHA_UPPER + OMEGA_UPPER + CYR_A_UPPER + CYR_YA_UPPER;
    EXPECT_EQ(Upper(lower), upper);
    EXPECT_EQ(Lower(upper), lower);
}

TEST(Cp932CodePageTest, ConvertsAMixedPathCharacterByCharacter)
{
    const std::string path =
        "C:\\Dir\\" + KATAKANA + EI + AME + SO + "\\" + HYOU + TSU + FW_A + "x.Txt";
    EXPECT_EQ(Upper(path),
              "C:\\DIR\\" + KATAKANA + EI + AME + SO + "\\" + HYOU + TSU + FW_A_UPPER + "X.TXT");
    EXPECT_EQ(Lower(path),
              "c:\\dir\\" + KATAKANA + EI + AME + SO + "\\" + HYOU + TSU + FW_A + "x.txt");
}

TEST(Cp932CodePageTest, LoneLeadByteAtTheEndStays)
{
    EXPECT_EQ(Upper("ab\x82"), "AB\x82");
    EXPECT_EQ(Lower(FW_A_UPPER + "\x82"), FW_A + "\x82");
    EXPECT_EQ(Upper("\x82"), "\x82");
}

// Pairs that are no character, such as a trail byte the separator switch made
// "/", stay as they are and still count as two bytes.
TEST(Cp932CodePageTest, LeadByteTakesTheNextByteWhateverItIs)
{
    for (char trail : {'\x01', '\x2f', '\x3f', '\x7f', '\xfd', '\xff'}) {
        const std::string pair = std::string("\x83") + trail;
        EXPECT_EQ(Upper(pair + "a" + FW_A), pair + "A" + FW_A_UPPER) << int(trail);
        EXPECT_EQ(Lower(pair + "A" + FW_A_UPPER), pair + "a" + FW_A) << int(trail);
    }
    // 0x82 0x82 is ｂ; the 0x81 after it is a lone lead byte, not ａ's lead.
    EXPECT_EQ(Upper("\x82\x82\x81"), "\x82\x61\x81");
}

// The runtime maps through Unicode, so a character with two codes comes back
// in the one it prefers, and the directions are not mirror images.
TEST(Cp932CodePageTest, FollowsTheRuntimeWhereCodesAreDuplicated)
{
    EXPECT_EQ(Lower(ROMAN_ONE), SMALL_ROMAN_ONE);
    EXPECT_EQ(Upper(SMALL_ROMAN_ONE), ROMAN_ONE);
    EXPECT_EQ(Upper(ROMAN_ONE), ROMAN_ONE);
    EXPECT_EQ(Upper("\xed\x40"), "\xfa\x5c"); // 纊, NEC-selected and IBM codes
    EXPECT_EQ(Lower("\xed\x40"), "\xfa\x5c");
}

TEST(Cp932CodePageTest, KeepsLengthAndConvertingTwiceChangesNothingMore)
{
    std::string every;
    for (unsigned byte = 1; byte < 256; ++byte)
        if (!cp932.IsLeadByte(static_cast<unsigned char>(byte)))
            every += static_cast<char>(byte);
    for (unsigned lead = 0; lead < 256; ++lead)
        if (cp932.IsLeadByte(static_cast<unsigned char>(lead)))
            for (unsigned trail = 1; trail < 256; ++trail)
                every += {static_cast<char>(lead), static_cast<char>(trail)};

    const std::string upper = Upper(every), lower = Lower(every);
    EXPECT_EQ(upper.size(), every.size());
    EXPECT_EQ(lower.size(), every.size());
    EXPECT_NE(upper, every);
    EXPECT_NE(lower, every);
    EXPECT_EQ(Upper(upper), upper);
    EXPECT_EQ(Lower(lower), lower);
}

} // namespace
