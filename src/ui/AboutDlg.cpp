#include "ui/AboutDlg.h"

#include "i18n/MessageCatalog.h"
#include "ui/Mnemonics.h"
#include "ui/UtilityIcon.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(MessageText(Msg::AboutTitle).toString());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setPixmap(UtilityIcon().pixmap(48, 48));
    iconLabel->setAlignment(Qt::AlignTop);

    auto makeLine = [this](const QString &text, const QString &name) {
        auto *label = new QLabel(text, this);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    auto *maker = makeLine(MakerLine(), QStringLiteral("makerLine"));
    QFont bold = maker->font();
    bold.setBold(true);
    maker->setFont(bold);
    auto *version
        = makeLine(MessageText(Msg::VersionLine).toString(), QStringLiteral("versionLine"));
    auto *notice = makeLine(OpenSslNotice(), QStringLiteral("openSslNotice"));
    auto *acknowledgement
        = makeLine(OpenSslAcknowledgement(), QStringLiteral("openSslAcknowledgement"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setText(MessageText(Msg::OkButton).toString());
    ok->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(maker);
    texts->addWidget(version);
    texts->addSpacing(12);
    texts->addWidget(notice);
    texts->addWidget(acknowledgement);

    auto *top = new QHBoxLayout;
    top->addWidget(iconLabel);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough that the notices wrap into a few lines, not a narrow column.
    for (QLabel *label : { maker, version, notice, acknowledgement })
        label->setMinimumWidth(470);
    ApplyMnemonics(this);
}

QString CAboutDlg::MakerLine()
{
    return QStringLiteral("MERIDOCK network configuration utility");
}

QString CAboutDlg::OpenSslNotice()
{
    return QStringLiteral("Copyright (c) 1998-2008 The OpenSSL Project.  All rights reserved.");
}

QString CAboutDlg::OpenSslAcknowledgement()
{
    return QStringLiteral("This product includes software developed by the OpenSSL Project for "
                          "use in the OpenSSL Toolkit. (http://www.openssl.org/)");
}
