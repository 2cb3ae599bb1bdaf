#include "abortflag.h"

std::atomic<int> g_abort{0};
