// Prints the desktop entry, with the window title of every language slot as its localised name,
// so that the menu entry and the window always agree.
#include "i18n/MessageCatalog.h"

#include <QString>
#include <QTextStream>

namespace {

struct Translation
{
    LanguageSlot slot;
    const char *locale;
    const char *comment;
};

const Translation kTranslations[] = {
    { 2, "fr", "Préparer la configuration réseau d'un lecteur MERIDOCK" },
    { 3, "de", "Netzwerkeinstellungen für einen MERIDOCK-Reader vorbereiten" },
    { 4, "sv", "Förbered nätverksinställningarna för en MERIDOCK-läsare" },
    { 5, "nl", "De netwerkinstellingen van een MERIDOCK-lezer voorbereiden" },
    { 6, "fi", "Valmistele MERIDOCK-lukijan verkkoasetukset" },
    { 7, "nb", "Klargjør nettverksinnstillingene for en MERIDOCK-leser" },
    { 8, "ru", "Подготовка сетевых настроек для устройства чтения MERIDOCK" },
    { 9, "ja", "MERIDOCK リーダーのネットワーク設定を準備します" },
    { 10, "zh_CN", "准备 MERIDOCK 阅读器的网络配置" },
    { 11, "da", "Forbered netværksindstillingerne til en MERIDOCK-læser" },
    { 12, "it", "Prepara la configurazione di rete di un lettore MERIDOCK" },
    { 13, "pl", "Przygotuj ustawienia sieciowe czytnika MERIDOCK" },
    { 14, "es", "Prepara la configuración de red de un lector MERIDOCK" },
};

} // namespace

int main()
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    out << "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n";
    out << "Name=" << MessageTextInSlot(Msg::MainWindowTitle, 0).toString() << '\n';
    for (const Translation &t : kTranslations)
        out << "Name[" << t.locale << "]=" << MessageTextInSlot(Msg::MainWindowTitle, t.slot).toString()
            << '\n';
    out << "GenericName=MERIDOCK network configuration\n";
    out << "Comment=Prepare the network configuration of a MERIDOCK reader\n";
    for (const Translation &t : kTranslations)
        out << "Comment[" << t.locale << "]=" << QString::fromUtf8(t.comment) << '\n';
    out << "Exec=meridock-netconf\n"
           "Icon=meridock-netconf\n"
           "Terminal=false\n"
           "Categories=Network;Qt;\n"
           "Keywords=network;wireless;Wi-Fi;LAN;proxy;reader;\n"
           "StartupNotify=true\n"
           // X11 shells match the window to this entry by its WM_CLASS, the executable's name.
           "StartupWMClass=meridock-netconf\n";
    return 0;
}
