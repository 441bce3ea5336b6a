#include "platform/linux/wake_helper_client.h"

#include <QDebug>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace quorvel {
namespace {

constexpr int kStartTimeoutMs = 3000;
constexpr int kEndTimeoutMs = 1000;

}  // namespace

std::unique_ptr<WakeHelperClient> WakeHelperClient::Start(const WakeHelperLaunch& launch, QString& why)
{
    std::unique_ptr<WakeHelperClient> client(new WakeHelperClient);
    QProcess& process = client->m_process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (launch.childSetup) {
        process.setChildProcessModifier(launch.childSetup);
    }
    process.start(launch.program, launch.arguments);
    if (!process.waitForStarted(kStartTimeoutMs)) {
        why = process.errorString();
        return nullptr;
    }
    // The first line says whether the helper can hold waking timers.
    QByteArray& received = client->m_received;
    while (!received.contains('\n')) {
        if (!process.waitForReadyRead(kStartTimeoutMs)) {
            why = QStringLiteral("no answer from ") + launch.program;
            return nullptr;
        }
        received += process.readAllStandardOutput();
    }
    const qsizetype end = received.indexOf('\n');
    const std::string first = received.left(end).toStdString();
    received.remove(0, end + 1);
    const std::optional<WakeHelperReply> ready = ParseWakeHelperReply(first);
    if (!ready || (ready->kind != WakeHelperReply::Kind::ReadyWaking &&
                   ready->kind != WakeHelperReply::Kind::ReadyNotWaking)) {
        why = QString::fromStdString(ready ? ready->reason : first);
        return nullptr;
    }
    client->m_wakes = ready->kind == WakeHelperReply::Kind::ReadyWaking;

    WakeHelperClient* self = client.get();
    connect(&process, &QProcess::readyReadStandardOutput, self, [self] { self->ReadReplies(); });
    connect(&process, &QProcess::finished, self, [self] {
        if (!self->m_ending) {
            self->Lost();
        }
    });
    // Lines that came with the first one.
    if (!received.isEmpty()) {
        QMetaObject::invokeMethod(
            self, [self] { self->ReadReplies(); }, Qt::QueuedConnection);
    }
    return client;
}

WakeHelperClient::~WakeHelperClient()
{
    m_ending = true;
    if (m_process.state() == QProcess::NotRunning) {
        return;
    }
    Send(WakeHelperCommand{});
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(kEndTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(kEndTimeoutMs);
    }
}

void WakeHelperClient::ArmAt(WakeTimerName timer, std::chrono::sys_seconds dueUtc)
{
    // The helper takes no moment before 1970 or after 9999; a past moment fires at once anyway.
    Send({WakeHelperCommand::Kind::ArmAt, timer,
          std::clamp<std::int64_t>(dueUtc.time_since_epoch().count(), 0, kLargestWakeSeconds)});
}

void WakeHelperClient::ArmAfter(WakeTimerName timer, std::chrono::seconds delay)
{
    Send({WakeHelperCommand::Kind::ArmAfter, timer,
          std::clamp<std::int64_t>(delay.count(), 0, kLargestWakeSeconds)});
}

void WakeHelperClient::Cancel(WakeTimerName timer)
{
    Send({WakeHelperCommand::Kind::Cancel, timer, 0});
}

void WakeHelperClient::Send(const WakeHelperCommand& command)
{
    const std::string line = FormatWakeHelperCommand(command) + '\n';
    m_process.write(line.data(), static_cast<qint64>(line.size()));
}

void WakeHelperClient::ReadReplies()
{
    m_received += m_process.readAllStandardOutput();
    qsizetype end = 0;
    while ((end = m_received.indexOf('\n')) >= 0) {
        const std::string line = m_received.left(end).toStdString();
        m_received.remove(0, end + 1);
        const std::optional<WakeHelperReply> reply = ParseWakeHelperReply(line);
        if (reply && reply->kind == WakeHelperReply::Kind::Fired) {
            Fired(reply->timer);
        } else {
            qWarning().noquote() << "quorvel-wake-helper:" << QString::fromStdString(line);
        }
    }
}

}  // namespace quorvel
