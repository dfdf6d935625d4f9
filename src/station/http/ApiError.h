#pragma once

#include <QString>

// Why a request is refused: the HTTP status, a fixed word for programs ("bad_request",
// "busy", ...) and the reason for the person who reads the line system's log.
struct ApiError
{
    int status = 400;
    QString word;
    QString reason;
};
