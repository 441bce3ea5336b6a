#include "core/app_info.h"
