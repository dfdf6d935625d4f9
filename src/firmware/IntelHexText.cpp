#include "IntelHexText.h"

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
