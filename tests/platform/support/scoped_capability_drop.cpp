#include "scoped_capability_drop.h"

#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quorvel {
namespace {

__user_cap_header_struct Header()
{
    return __user_cap_header_struct{_LINUX_CAPABILITY_VERSION_3, 0};
}

}  // namespace

ScopedEffectiveCapabilityDrop::ScopedEffectiveCapabilityDrop(std::initializer_list<int> capabilities)
{
    __user_cap_header_struct header = Header();
    if (syscall(SYS_capget, &header, m_saved) != 0) {
        return;
    }
    __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
    for (const int capability : capabilities) {
        reduced[capability / 32].effective &= ~(1u << (capability % 32));
    }
    header = Header();
    m_dropped = syscall(SYS_capset, &header, reduced) == 0;
}

ScopedEffectiveCapabilityDrop::~ScopedEffectiveCapabilityDrop()
{
    if (m_dropped) {
        __user_cap_header_struct header = Header();
        syscall(SYS_capset, &header, m_saved);
    }
}

void DropFromBoundingSet(int capability)
{
    prctl(PR_CAPBSET_DROP, capability, 0, 0, 0);
}

}  // namespace quorvel
