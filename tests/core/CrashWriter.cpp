// Child process of the crash-safety test: rewrites a settings file or the state file in a loop,
// alternating between two documents, until it is killed.
#include "StateFile.h"
#include "SettingsWriter.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

CSettingsDocument CrashTestDocument(int variant);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const bool state = QByteArrayView(argv[1]) == "state";
    const QString path = QString::fromLocal8Bit(argv[2]);
    for (int i = 0;; ++i) {
        CSettingsDocument document = CrashTestDocument(i % 2);
        if (state) {
            document.m_stateFilePath = path;
            CloseSession(document);
        } else {
            WriteSettingsFile(document, path);
        }
        if (i == 0) {
            // The parent starts its clock once one whole file exists.
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}
