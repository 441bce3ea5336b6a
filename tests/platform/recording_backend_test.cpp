#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/recording/recording_backend.h"

namespace quorvel {
namespace {

LocalMoment FixedMoment()
{
    return LocalMoment{Date{2024, 6, 1}, TimeOfDay{12, 0, 0}, 0};
}

class RecordingBackendTest : public testing::Test {
protected:
    std::shared_ptr<RequestLog> m_log = std::make_shared<RequestLog>(FixedMoment);
    RecordingBackend m_backend{m_log};
    PlatformServices m_services = m_backend.Services();
};

TEST_F(RecordingBackendTest, HandsOutEveryService)
{
    const PlatformServices& s = m_services;
    const std::vector<bool> present = {
        !!s.session,      !!s.sleep,           !!s.powerCapabilities, !!s.keepAwake,      !!s.powerEvents,
        !!s.wakeTimer,    !!s.powerPolicy,     !!s.privileges,        !!s.screenSaver,    !!s.desktopLock,
        !!s.monitorPower, !!s.powerOptions,    !!s.launcher,          !!s.processControl, !!s.systemClock,
        !!s.clockSync,    !!s.macroReplayer,   !!s.macroRecorder,     !!s.dialUp,         !!s.autostart,
        !!s.autoLogon,    !!s.langManagerStore};
    EXPECT_EQ(present, std::vector<bool>(present.size(), true));
    EXPECT_EQ(sizeof(PlatformServices), present.size() * sizeof(std::shared_ptr<void>))
        << "a service was added to PlatformServices but not to this check";
}

TEST_F(RecordingBackendTest, AnswersWithNeutralValuesUntilTold)
{
    EXPECT_TRUE(m_services.desktopLock->LockDesktop());
    EXPECT_FALSE(m_services.processControl->KillTask("a.exe"));
    EXPECT_EQ(m_services.powerCapabilities->RtcWake(), SystemPowerState::Sleeping3);
    EXPECT_FALSE(m_services.powerEvents->IsSystemResumeAutomatic());
    EXPECT_TRUE(m_services.privileges->EnableDebugPrivilege());
    EXPECT_EQ(m_services.macroRecorder->HookOn([](const RecordedInput&) {}), HookResult::Started);

    m_backend.desktopLock->SetLockDesktopResult(false);
    m_backend.processControl->SetKillTaskResult(true);
    m_backend.powerCapabilities->SetRtcWake(SystemPowerState::Hibernate);
    m_backend.powerEvents->SetSystemResumeAutomatic(true);
    EXPECT_FALSE(m_services.desktopLock->LockDesktop());
    EXPECT_TRUE(m_services.processControl->KillTask("a.exe"));
    EXPECT_EQ(m_services.powerCapabilities->RtcWake(), SystemPowerState::Hibernate);
    EXPECT_TRUE(m_services.powerEvents->IsSystemResumeAutomatic());
}

TEST_F(RecordingBackendTest, StoresReadBackWhatWasWritten)
{
    m_services.autostart->SetAutostart("/opt/q/quorvel");
    EXPECT_EQ(m_services.autostart->AutostartCommand(), "/opt/q/quorvel");
    m_services.autostart->ClearAutostart();
    EXPECT_EQ(m_services.autostart->AutostartCommand(), "");

    m_services.langManagerStore->SetProgramFolder("/opt/q");
    m_services.langManagerStore->SetLanguageExtension(".DEU");
    EXPECT_EQ(m_services.langManagerStore->ProgramFolder(), "/opt/q");
    EXPECT_EQ(m_services.langManagerStore->LanguageExtension(), ".DEU");
}

TEST_F(RecordingBackendTest, DisablingAutoLogonKeepsTheUserForNextTime)
{
    m_services.autoLogon->EnableAutoLogon("anna", "pw");
    m_services.autoLogon->DisableAutoLogon();
    const AutoLogonSettings settings = m_services.autoLogon->ReadAutoLogon();
    EXPECT_FALSE(settings.enabled);
    EXPECT_EQ(settings.userName, "anna");
    EXPECT_EQ(settings.password, "pw");
}

TEST_F(RecordingBackendTest, PasswordsNeverReachTheLog)
{
    m_services.autoLogon->EnableAutoLogon("anna", "logon-secret");
    m_services.dialUp->DialConnection("ISP", "bob", "dial-secret");
    for (const std::string& line : m_log->Lines()) {
        EXPECT_EQ(line.find("secret"), std::string::npos) << line;
    }
}

TEST_F(RecordingBackendTest, TestsCanPlayTimerResumeAndInputEvents)
{
    int fired = 0;
    std::vector<ResumeKind> resumes;
    std::vector<int> codes;
    m_services.wakeTimer->SetWakeTimerHandler([&] { ++fired; });
    m_services.powerEvents->SetResumeHandler([&](ResumeKind kind) { resumes.push_back(kind); });
    m_services.macroRecorder->HookOn([&](const RecordedInput& input) { codes.push_back(input.code); });

    m_backend.wakeTimer->FireWakeTimer();
    m_backend.powerEvents->Resume(ResumeKind::Automatic);
    m_backend.powerEvents->Resume(ResumeKind::WithUserInput);
    m_backend.macroRecorder->Report(RecordedInput{513, 0, 10, 20});
    m_services.macroRecorder->HookOff();
    m_backend.macroRecorder->Report(RecordedInput{65, 0, 0, 0});

    EXPECT_EQ(fired, 1);
    EXPECT_EQ(resumes, (std::vector<ResumeKind>{ResumeKind::Automatic, ResumeKind::WithUserInput}));
    EXPECT_EQ(codes, std::vector<int>{513}) << "no report may arrive after HookOff";
}

TEST_F(RecordingBackendTest, FailedHookReportsNothing)
{
    m_backend.macroRecorder->SetHookOnResult(HookResult::LibraryMissing);
    int reports = 0;
    EXPECT_EQ(m_services.macroRecorder->HookOn([&](const RecordedInput&) { ++reports; }),
              HookResult::LibraryMissing);
    m_backend.macroRecorder->Report(RecordedInput{});
    EXPECT_EQ(reports, 0);
}

}  // namespace
}  // namespace quorvel
