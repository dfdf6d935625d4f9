#pragma once

#include "UnitFault.h"

#include <QByteArray>
#include <QList>

#include <chrono>

struct ProductProfile;

// How the simulated unit behaves on every connection.
struct SimulatorSettings
{
    static constexpr std::chrono::milliseconds kDefaultFragmentGap{20};

    // The product the unit is; its programming request is the one acknowledged.
    const ProductProfile *profile = nullptr;
    // Time between a packet's arrival and its answer.
    std::chrono::milliseconds responseDelay{0};
    // The four bytes after the code; random per answer when randomTail is set.
    QByteArray responseTail = QByteArray(4, '\0');
    bool randomTail = false;
    // Pause between the writes of a split or repeated answer, long enough that the client
    // receives them as separate arrivals.
    std::chrono::milliseconds fragmentGap = kDefaultFragmentGap;
    QList<UnitFault> faults;
};
