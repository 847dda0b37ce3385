#include "ui/NetSetUtilApp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    CNetSetUtilApp netSetUtil;
    return netSetUtil.Run();
}
