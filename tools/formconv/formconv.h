#pragma once
// formconv [--to-text|--to-binary] IN OUT, callable in-process: returns the
// exit status and writes its messages to standard error.
int FormconvMain(int argc, char** argv);
