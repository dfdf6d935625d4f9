#pragma once

// How an upload attempt ended, for front-ends that report it (the command line's exit code).
enum class UploadOutcome {
    Finished,       // the whole file was sent and the reboot wait sat out
    Refused,        // the unit answered with a refusal
    ConnectFailed,  // no connection within the watch
    ConnectionLost, // a socket error or the unit closing its end during the transfer
    UnitSilent,     // no answer from the unit for too long during the transfer
    BadInput,       // port, address, firmware file or product profile unusable
    Cancelled,      // the program shut down during the attempt
    Stopped,        // the operator stopped the attempt before the unit had the whole file
};
