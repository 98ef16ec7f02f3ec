#include "SystemMetrics.h"
