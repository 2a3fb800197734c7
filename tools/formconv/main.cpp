// formconv [--to-text|--to-binary] IN OUT
#include "formconv.h"

int main(int argc, char** argv) { return FormconvMain(argc, argv); }
