#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/platform_services.h"
#include "platform/recording/recording_backend.h"
#include "platform/recording/request_log.h"

namespace quorvel {
namespace {

using namespace std::chrono;

constexpr LocalMoment kMoment{Date{2024, 3, 5}, TimeOfDay{7, 8, 9}, 4};
constexpr const char* kStamp = "2024-03-05T07:08:09.004 ";

sys_seconds Utc(year_month_day day, int h, int m, int s)
{
    return sys_days{day} + hours{h} + minutes{m} + seconds{s};
}

struct RecordedCase {
    const char* name;
    std::function<void(const PlatformServices&)> request;
    std::string expected;  // the line after the time stamp
};

void PrintTo(const RecordedCase& c, std::ostream* out)
{
    *out << c.name;
}

class RecordedRequests : public testing::TestWithParam<RecordedCase> {};

// Each request goes through the interface the windows will hold, so a mis-wired backend shows too.
TEST_P(RecordedRequests, WriteOneLineInTheirFixedForm)
{
    auto log = std::make_shared<RequestLog>([] { return kMoment; });
    const RecordingBackend backend(log);
    GetParam().request(backend.Services());
    ASSERT_EQ(log->Lines().size(), 1u);
    EXPECT_EQ(log->Lines().front(), kStamp + GetParam().expected);
}

const RecordedCase kCases[] = {
    {"LogOff", [](const PlatformServices& s) { s.session->LogOffSession(); }, "LogOffSession"},
    {"Restart", [](const PlatformServices& s) { s.session->RestartSystem(); }, "RestartSystem"},
    {"RestartForced", [](const PlatformServices& s) { s.session->RestartSystemForced(); },
     "RestartSystemForced"},
    {"PowerOff", [](const PlatformServices& s) { s.session->PowerOffSystem(); }, "PowerOffSystem"},
    {"PowerOffForced", [](const PlatformServices& s) { s.session->PowerOffSystemForced(); },
     "PowerOffSystemForced"},
    {"Suspend", [](const PlatformServices& s) { s.sleep->Suspend(); }, "Suspend"},
    {"Hibernate", [](const PlatformServices& s) { s.sleep->Hibernate(); }, "Hibernate"},
    {"MonitorOff", [](const PlatformServices& s) { s.monitorPower->TurnMonitorOff(); }, "TurnMonitorOff"},
    {"Lock", [](const PlatformServices& s) { s.desktopLock->LockDesktop(); }, "LockDesktop"},
    {"PowerOptions", [](const PlatformServices& s) { s.powerOptions->OpenPowerOptions(); },
     "OpenPowerOptions"},
    {"KillTask", [](const PlatformServices& s) { s.processControl->KillTask("notepad.exe"); },
     "KillTask notepad.exe"},
    {"StartProgramWithParameters",
     [](const PlatformServices& s) { s.launcher->StartProgram("/usr/bin/gedit", "-x --new-window"); },
     "StartProgram /usr/bin/gedit -x --new-window"},
    {"StartProgramAlone", [](const PlatformServices& s) { s.launcher->StartProgram("/usr/bin/gedit", ""); },
     "StartProgram /usr/bin/gedit"},
    {"ShellOpen", [](const PlatformServices& s) { s.launcher->ShellOpen("https://example.org/a?b=c"); },
     "ShellOpen https://example.org/a?b=c"},
    {"ArmWakeTimer",
     [](const PlatformServices& s) { s.wakeTimer->ArmWakeTimer(Utc(2024y / 3 / 6, 6, 0, 0)); },
     "ArmWakeTimer 2024-03-06T06:00:00Z"},
    {"ArmWakeTimerLeapDay",
     [](const PlatformServices& s) { s.wakeTimer->ArmWakeTimer(Utc(2024y / 2 / 29, 23, 59, 59)); },
     "ArmWakeTimer 2024-02-29T23:59:59Z"},
    {"CancelWakeTimer", [](const PlatformServices& s) { s.wakeTimer->CancelWakeTimer(); }, "CancelWakeTimer"},
    {"ArmWakeTestTimer", [](const PlatformServices& s) { s.wakeTimer->ArmWakeTestTimer(seconds{210}); },
     "ArmWakeTestTimer 210"},
    {"KeepAwake", [](const PlatformServices& s) { s.keepAwake->KeepAwake(); }, "KeepAwake"},
    {"ClearKeepAwake", [](const PlatformServices& s) { s.keepAwake->ClearKeepAwake(); }, "ClearKeepAwake"},
    {"ScreenSaverOff", [](const PlatformServices& s) { s.screenSaver->SetScreenSaver(false); },
     "SetScreenSaver 0"},
    {"ScreenSaverOn", [](const PlatformServices& s) { s.screenSaver->SetScreenSaver(true); },
     "SetScreenSaver 1"},
    {"SetSystemTime", [](const PlatformServices& s) { s.systemClock->SetSystemTime(sys_seconds{}); },
     "SetSystemTime 1970-01-01T00:00:00Z"},
    {"SetSystemTimeYearEnd",
     [](const PlatformServices& s) { s.systemClock->SetSystemTime(Utc(2038y / 12 / 31, 23, 5, 7)); },
     "SetSystemTime 2038-12-31T23:05:07Z"},
    {"StartClockSync", [](const PlatformServices& s) { s.clockSync->StartClockSync("time.example.org"); },
     "StartClockSync time.example.org"},
    {"ReplayMacro",
     [](const PlatformServices& s) {
         s.macroReplayer->ReplayMacro("/home/u/a.mco", {"", "0 M 1 2"}, milliseconds{2000});
     },
     "ReplayMacro /home/u/a.mco"},
    {"DialConnection",
     [](const PlatformServices& s) { s.dialUp->DialConnection("My ISP", "user@isp", "secret"); },
     "DialConnection My ISP"},
    {"CreatePhonebookEntry", [](const PlatformServices& s) { s.dialUp->CreatePhonebookEntry(); },
     "CreatePhonebookEntry"},
    {"SetAutostart", [](const PlatformServices& s) { s.autostart->SetAutostart("/opt/quorvel/quorvel"); },
     "SetAutostart /opt/quorvel/quorvel"},
    {"ClearAutostart", [](const PlatformServices& s) { s.autostart->ClearAutostart(); }, "ClearAutostart"},
    {"EnableAutoLogon", [](const PlatformServices& s) { s.autoLogon->EnableAutoLogon("anna", "pw"); },
     "EnableAutoLogon anna"},
    {"DisableAutoLogon", [](const PlatformServices& s) { s.autoLogon->DisableAutoLogon(); },
     "DisableAutoLogon"},
    {"LangManagerFolder",
     [](const PlatformServices& s) { s.langManagerStore->SetProgramFolder("/opt/quorvel"); },
     "SetLangManagerFolder /opt/quorvel"},
    {"LangManagerExtension",
     [](const PlatformServices& s) { s.langManagerStore->SetLanguageExtension(".FRA"); },
     "SetLangManagerExtension .FRA"},
    {"DebugPrivilege", [](const PlatformServices& s) { s.privileges->EnableDebugPrivilege(); },
     "EnableDebugPrivilege"},
    {"ShutdownPrivilegeOn", [](const PlatformServices& s) { s.privileges->EnabledDebugPrivilege(true); },
     "EnabledDebugPrivilege 1"},
    {"ShutdownPrivilegeOff", [](const PlatformServices& s) { s.privileges->EnabledDebugPrivilege(false); },
     "EnabledDebugPrivilege 0"},
    {"ResumePasswordAutoLogon",
     [](const PlatformServices& s) { s.powerPolicy->ApplyResumePasswordPolicy(true); },
     "ApplyResumePasswordPolicy 1"},
    {"ResumePasswordAsked",
     [](const PlatformServices& s) { s.powerPolicy->ApplyResumePasswordPolicy(false); },
     "ApplyResumePasswordPolicy 0"},
    {"ReserveHibernationFile", [](const PlatformServices& s) { s.powerPolicy->ReserveHibernationFile(); },
     "ReserveHibernationFile"},
    {"HookOn", [](const PlatformServices& s) { s.macroRecorder->HookOn([](const RecordedInput&) {}); },
     "HookOn"},
    {"HookOff", [](const PlatformServices& s) { s.macroRecorder->HookOff(); }, "HookOff"},
};

INSTANTIATE_TEST_SUITE_P(Operations, RecordedRequests, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<RecordedCase>& c) { return c.param.name; });

TEST(RecordedRequests, QueriesLeaveNoLine)
{
    auto log = std::make_shared<RequestLog>([] { return kMoment; });
    const PlatformServices services = RecordingBackend(log).Services();
    services.powerCapabilities->RtcWake();
    services.powerEvents->IsSystemResumeAutomatic();
    services.dialUp->PhonebookEntries();
    services.autostart->AutostartCommand();
    services.autoLogon->ReadAutoLogon();
    services.autoLogon->CanChangeAutoLogon();
    services.langManagerStore->ProgramFolder();
    EXPECT_TRUE(log->Lines().empty());
}

}  // namespace
}  // namespace quorvel
