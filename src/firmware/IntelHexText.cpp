#include "IntelHexText.h"

bool IntelHexText::loadsInSkippedRange(QByteArrayView line)
{
    if (line.size() < 5)
        return false;
    const int high = digitValue(line.at(3));
    const int low = digitValue(line.at(4));
    return high >= 0 && low >= 0 && high * 16 + low >= kSkippedHighByte;
}

bool IntelHexText::isPassedOver(QByteArrayView line)
{
    return line.isEmpty() || loadsInSkippedRange(line);
}
