#include "WaitFor.h"
