#include "NetSetUtilApp.h"

#include "HostLocale.h"
#include "MessageCatalog.h"
#include "NetSetUtilDlg.h"
#include "SingleInstance.h"
#include "StateFile.h"

int CNetSetUtilApp::Run()
{
    // Every text from here on, window titles included, comes from this slot.
    SelectLanguageSlot(UserDefaultLcid());

    CSingleInstance instance(CSingleInstance::ProgramKey());
    if (!instance.Claim()) {
        instance.NotifyRunningCopy();
        return 0;
    }

    CNetSetUtilDlg window;
    QObject::connect(
        &instance, &CSingleInstance::RaiseRequested, &window, &CNetSetUtilDlg::BringToFront);
    window.StartSession(StateFilePath());
    window.exec();
    return 0;
}
