#pragma once

// Descriptors 0, 1 and 2 as the program's start-up finds them.
class StandardDescriptors
{
public:
    // Opens /dev/null on each of 0, 1 and 2 that is closed, so that no descriptor the program
    // opens later takes the place of standard input, output or error.
    static void ensureOpen();
};
