// Child process of the crash-safety test: rewrites a settings file and the state file in a loop,
// alternating between two documents, until it is killed.
#include "core/settings/SettingsWriter.h"
#include "core/settings/StateFile.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

CSettingsDocument CrashTestDocument(int variant);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    for (int i = 0;; ++i) {
        CSettingsDocument document = CrashTestDocument(i % 2);
        WriteSettingsFile(document, QString::fromLocal8Bit(argv[1]));
        document.m_stateFilePath = QString::fromLocal8Bit(argv[2]);
        CloseSession(document);
        if (i == 0) {
            // The parent starts its clock once both files exist whole.
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}
