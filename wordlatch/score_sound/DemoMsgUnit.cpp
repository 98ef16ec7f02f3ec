#include "DemoMsgUnit.h"
