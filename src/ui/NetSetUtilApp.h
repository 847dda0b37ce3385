#pragma once

#include <QByteArray>

// The program's run: language, single instance, the main window run modally.
class CNetSetUtilApp
{
public:
    // Returns the process's exit code: 0, whether the window ran or another copy was running.
    // `activationToken`: CSingleInstance::LaunchActivationToken(), read before the application
    // object was made.
    int Run(const QByteArray &activationToken = {});
};
