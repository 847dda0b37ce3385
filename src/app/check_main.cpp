#include "checker/CheckerCommand.h"
#include "i18n/HostLocale.h"
#include "i18n/MessageCatalog.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    SelectLanguageSlot(UserMessagesLcid());
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunNetconfCheck(QCoreApplication::arguments(), out, err);
}
