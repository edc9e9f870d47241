#include "platform/sorteren.h"
