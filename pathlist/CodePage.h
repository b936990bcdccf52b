#pragma once

#include "pathlist/TextCase.h"

#include <string>

// The multibyte rules of the code page the program runs under: which bytes
// lead a double-byte character, and how text changes letter case (a lead
// byte and the byte after it form one character that changes whole or not
// at all). The path list is handed one; it never decides the code page itself.
class CCodePage : public CTextCase<char>
{
public:
    // A table look-up, not a virtual call: the separator switch asks it of
    // every byte of the list.
    bool IsLeadByte(unsigned char byte) const { return m_leadBytes[byte]; }

protected:
    void SetLeadByte(unsigned char byte) { m_leadBytes[byte] = true; }

private:
    bool m_leadBytes[256] = {};
};
