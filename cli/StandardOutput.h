#pragma once
// Failed writes of standard output (a full disk, a closed descriptor, a reader that went away
// while SIGPIPE is ignored) end mxcalc with a message on standard error and status 1, as the
// usual Unix tools do, instead of going unnoticed.

// Whether a write of standard output has failed so far (reading more input is then useless).
bool standardOutputFailed();
// Flushes standard output; `status` when everything was written, else the message and 1.
int statusAfterFlushingStandardOutput(int status);
