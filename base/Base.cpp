// The base library's objects; its headers hold the rest.
#include "base/Error.h"
#include "base/Stop.h"
