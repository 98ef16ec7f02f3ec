#include "SFXUnit.h"
