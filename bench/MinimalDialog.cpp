// A dialog with a title and one button: what every Qt dialog program pays at start-up.
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Minimal dialog"));
    dialog.resize(650, 590);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QPushButton(QStringLiteral("Exit"), &dialog));
    return dialog.exec() == QDialog::Accepted ? 0 : 0;
}
