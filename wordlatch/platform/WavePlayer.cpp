#include "WavePlayer.h"
