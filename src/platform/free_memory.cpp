#include "platform/free_memory.h"

#include <malloc.h>

namespace quorvel {

void ReturnFreeMemoryToSystem()
{
    ::malloc_trim(0);
}

}  // namespace quorvel
