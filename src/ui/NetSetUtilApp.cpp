#include "ui/NetSetUtilApp.h"

#include "i18n/HostLocale.h"
#include "i18n/MessageCatalog.h"
#include "ui/GroupFrameStyle.h"
#include "ui/NetSetUtilDlg.h"
#include "ui/SingleInstance.h"
#include "core/settings/StateFile.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's own texts (the file dialogs, standard buttons) in the language of the slot, where Qt
// ships a translation; otherwise they stay English like the rest of an English window.
constexpr const char *kQtLanguageOfSlot[LanguageSlotCount] = {
    "en",
    "en",
    "fr",
    "de",
    "sv",
    "nl",
    "fi",
    "nb",
    "ru",
    "ja",
    "zh_CN",
    "da",
    "it",
    "pl",
    "es",
};

} // namespace

int CNetSetUtilApp::Run(const QByteArray &activationToken)
{
    // Ties the window to the installed menu entry: the Wayland app id and the taskbar's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.meridock.netconf"));
    // Every text from here on, window titles included, comes from this slot.
    SelectLanguageSlot(UserMessagesLcid());
    QTranslator qtTexts;
    if (qtTexts.load(
            QStringLiteral("qtbase_") + QLatin1String(kQtLanguageOfSlot[CurrentLanguageSlot()]),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    CSingleInstance instance(CSingleInstance::ProgramKey());
    if (!instance.Claim()) {
        instance.NotifyRunningCopy(activationToken);
        return 0;
    }

    UseGroupFrameStyle();
    CNetSetUtilDlg window;
    QObject::connect(
        &instance, &CSingleInstance::RaiseRequested, &window, &CNetSetUtilDlg::BringToFront);
    window.StartSession(StateFilePath());
    window.exec();
    return 0;
}
