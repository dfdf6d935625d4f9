#include "IntelHexText.h"

int IntelHexText::digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IntelHexText::loadsInSkippedRange(QByteArrayView line)
{
    if (line.size() < 5 || line.at(3) != 'F')
        return false;
    const char low = line.at(4);
    return low == 'C' || low == 'D' || low == 'E' || low == 'F';
}

bool IntelHexText::isPassedOver(QByteArrayView line)
{
    return line.isEmpty() || loadsInSkippedRange(line);
}
