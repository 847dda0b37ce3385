#pragma once

#include <QDialog>

class QLabel;

// "About network configuration utility": title, version line, the maker line and the notice and
// acknowledgement that the OpenSSL licence asks for.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);

    static QString MakerLine();
    static QString OpenSslNotice();
    static QString OpenSslAcknowledgement();
};
