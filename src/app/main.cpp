#include "ui/NetSetUtilApp.h"
#include "ui/SingleInstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const QByteArray activationToken = CSingleInstance::LaunchActivationToken();
    QApplication application(argc, argv);
    CNetSetUtilApp netSetUtil;
    return netSetUtil.Run(activationToken);
}
