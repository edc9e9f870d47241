#include "platform/klok.h"
