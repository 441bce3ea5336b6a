#include "platform/recording/recording_sleep_control.h"

namespace quorvel {

RecordingSleepControl::RecordingSleepControl(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingSleepControl::Suspend()
{
    m_log->Record("Suspend");
}
void RecordingSleepControl::Hibernate()
{
    m_log->Record("Hibernate");
}

}  // namespace quorvel
