#include "Win1252.h"
