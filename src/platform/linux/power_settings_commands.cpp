#include "platform/linux/power_settings_commands.h"

namespace quorvel {
namespace {

struct DesktopSettings {
    QStringList desktops;  // as XDG_CURRENT_DESKTOP names them
    ProgramCommand command;
};

const QList<DesktopSettings>& KnownSettings()
{
    static const QList<DesktopSettings> settings = {
        {{QStringLiteral("GNOME"), QStringLiteral("Unity"), QStringLiteral("ubuntu")},
         {QStringLiteral("gnome-control-center"), {QStringLiteral("power")}}},
        {{QStringLiteral("KDE")},
         {QStringLiteral("systemsettings"), {QStringLiteral("kcm_powerdevilprofilesconfig")}}},
        {{QStringLiteral("XFCE")}, {QStringLiteral("xfce4-power-manager-settings"), {}}},
        {{QStringLiteral("MATE")}, {QStringLiteral("mate-power-preferences"), {}}},
        {{QStringLiteral("X-Cinnamon"), QStringLiteral("Cinnamon")},
         {QStringLiteral("cinnamon-settings"), {QStringLiteral("power")}}},
        {{QStringLiteral("Budgie")}, {QStringLiteral("budgie-control-center"), {QStringLiteral("power")}}},
        {{QStringLiteral("LXQt")}, {QStringLiteral("lxqt-config-powermanagement"), {}}},
    };
    return settings;
}

}  // namespace

QList<ProgramCommand> PowerSettingsCommands(const QString& currentDesktop)
{
    QList<ProgramCommand> commands;
    for (const QString& desktop : currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        for (const DesktopSettings& known : KnownSettings()) {
            if (known.desktops.contains(desktop.trimmed(), Qt::CaseInsensitive) &&
                !commands.contains(known.command)) {
                commands.append(known.command);
            }
        }
    }
    for (const DesktopSettings& known : KnownSettings()) {
        if (!commands.contains(known.command)) {
            commands.append(known.command);
        }
    }
    return commands;
}

}  // namespace quorvel
