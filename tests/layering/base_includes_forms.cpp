// Never compiles: the base concern's include path holds no higher concern's
// headers. The test "layering_refuses_a_climbing_include" builds it and
// expects the compiler to say so.
#include "platform/forms/form.h"
