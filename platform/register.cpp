#include "platform/register.h"
