// The message catalogue: 158 rows in MessageId order, one text per language slot.
// Written row by row for the translators; the program reads it packed language by language
// (PackedTexts.h), a lookup being an index into constant data.
// clang-format off
#include "i18n/MessageCatalog.h"
#include "i18n/OwnMessageCatalog.h"
#include "i18n/PackedTexts.h"

#include <array>

namespace {

using Row = std::array<QStringView, LanguageSlotCount>;

constexpr char16_t kEn0[] = u"Network configuration";
constexpr char16_t kEn1[] = u"About network configuration utility";
constexpr char16_t kEn2[] = u"Version 3.0";
constexpr char16_t kEn3[] = u"Network settings Tab control";
constexpr char16_t kEn4[] = u"Network folder";
constexpr char16_t kEn5[] = u"Wireless LAN";
constexpr char16_t kEn6[] = u"Local Security Setting";
constexpr char16_t kEn7[] = u"Wired LAN";
constexpr char16_t kEn8[] = u"Load settings";
constexpr char16_t kEn9[] = u"Create Setting file";
constexpr char16_t kEn10[] = u"Exit";
constexpr char16_t kEn11[] = u"Use default setting";
constexpr char16_t kEn12[] = u"Customize the settings";
constexpr char16_t kEn13[] = u"Network folder settings";
constexpr char16_t kEn14[] = u"Device name:";
constexpr char16_t kEn15[] = u"User ID:";
constexpr char16_t kEn16[] = u"Password:";
constexpr char16_t kEn17[] = u"Confirm Password:";
constexpr char16_t kEn18[] = u"DHCP On";
constexpr char16_t kEn19[] = u"DHCP Off";
constexpr char16_t kEn20[] = u"IP address settings";
constexpr char16_t kEn21[] = u"IP address:";
constexpr char16_t kEn22[] = u"Subnet mask:";
constexpr char16_t kEn23[] = u"Default gateway:";
constexpr char16_t kEn24[] = u"DNS:";
constexpr char16_t kEn25[] = u"Secondary DNS:";
constexpr char16_t kEn26[] = u"Proxy settings";
constexpr char16_t kEn27[] = u"Use proxy";
constexpr char16_t kEn28[] = u"Proxy address:";
constexpr char16_t kEn29[] = u"Proxy port:";
constexpr char16_t kEn30[] = u"Clear settings";
constexpr char16_t kEn31[] = u"Enable Network device of %s";
constexpr char16_t kEn32[] = u"Use wireless to connect network";
constexpr char16_t kEn33[] = u"Wireless settings list";
constexpr char16_t kEn34[] = u"Priority Up";
constexpr char16_t kEn35[] = u"Priority Down";
constexpr char16_t kEn36[] = u"Add";
constexpr char16_t kEn37[] = u"Delete";
constexpr char16_t kEn38[] = u"Property";
constexpr char16_t kEn39[] = u"Network security: LAN Manager authentication level";
constexpr char16_t kEn40[] = u"NOTE: Only Windows 7 and VISTA users require this setting.";
constexpr char16_t kEn41[] = u"Due to the required Administrator account, this button launches another application dialog.";
constexpr char16_t kEn42[] = u"Cancel";
constexpr char16_t kEn43[] = u"Apply";
constexpr char16_t kEn44[] = u"Start security setting";
constexpr char16_t kEn45[] = u"Load settings";
constexpr char16_t kEn46[] = u"Settings loaded successfully.";
constexpr char16_t kEn47[] = u"Settings loading is finished with error.";
constexpr char16_t kEn48[] = u"Setting file is not exist in selected place.";
constexpr char16_t kEn49[] = u"Network folder password Decryption error.";
constexpr char16_t kEn50[] = u"Invalid Network folder Device name is detected in setting file.";
constexpr char16_t kEn51[] = u"Invalid Network folder user ID is detected in setting file.";
constexpr char16_t kEn52[] = u"Invalid Network folder password is detected in setting file.";
constexpr char16_t kEn53[] = u"Invalid IP address value is detected in setting file.";
constexpr char16_t kEn54[] = u"Invalid SubNet value is detected in setting file.";
constexpr char16_t kEn55[] = u"Invalid Gateway value is detected in setting file.";
constexpr char16_t kEn56[] = u"Invalid DNS value is detected in setting file.";
constexpr char16_t kEn57[] = u"Wireless LAN Network key Decryption error.";
constexpr char16_t kEn58[] = u"Invalid SSID is detected in setting file.";
constexpr char16_t kEn59[] = u"Character type of network key is invalid in setting file.";
constexpr char16_t kEn60[] = u"Invalid network key is detected in setting file.";
constexpr char16_t kEn61[] = u"Proxy address is missing in setting file.";
constexpr char16_t kEn62[] = u"Proxy port number is missing in setting file.";
constexpr char16_t kEn63[] = u"Invalid proxy address is detected in setting.";
constexpr char16_t kEn64[] = u"Invalid proxy port number is detected in setting file.";
constexpr char16_t kEn65[] = u"Select folder";
constexpr char16_t kEn66[] = u"Create setting";
constexpr char16_t kEn67[] = u"Overwrite the existing file?";
constexpr char16_t kEn68[] = u"Settings file created successfully.";
constexpr char16_t kEn69[] = u"Create setting file is failed.";
constexpr char16_t kEn70[] = u"Network folder setting";
constexpr char16_t kEn71[] = u"Please input Device name.";
constexpr char16_t kEn72[] = u"Valid length of Device name is from 1 to 15 characters.";
constexpr char16_t kEn73[] = u"You can use only \"0-9\", \"a-z\", \"A-Z\" and \"-\" for Device name.";
constexpr char16_t kEn74[] = u"The numerical Device name is needed to use with alphabet characters.";
constexpr char16_t kEn75[] = u"The hyphen of Device name is needed to use with alphabet or numerical characters.";
constexpr char16_t kEn76[] = u"Please confirm Network folder setting.";
constexpr char16_t kEn77[] = u"Please input user ID.";
constexpr char16_t kEn78[] = u"Valid length of Network folder user ID name is from 1 to 32 characters.";
constexpr char16_t kEn79[] = u"You can use only \"0-9\", \"a-z\", \"A-Z\", \"-\" and \"_\"  for Network folder user ID.";
constexpr char16_t kEn80[] = u"Network folder password does not match.";
constexpr char16_t kEn81[] = u"Valid length of Network folder password is from 0 to 32 characters.";
constexpr char16_t kEn82[] = u"Please use ASCII characters for Network folder password.";
constexpr char16_t kEn83[] = u"Wired LAN setting";
constexpr char16_t kEn84[] = u"Please input Proxy address.";
constexpr char16_t kEn85[] = u"Please input Proxy port.";
constexpr char16_t kEn86[] = u"Invalid character is entered for proxy address.";
constexpr char16_t kEn87[] = u"Invalid proxy port number.";
constexpr char16_t kEn88[] = u"Length of Proxy address is invalid.";
constexpr char16_t kEn89[] = u"Wireless LAN setting";
constexpr char16_t kEn90[] = u"Please input SSID.";
constexpr char16_t kEn91[] = u"Valid length of SSID is from 1 to 32 characters.";
constexpr char16_t kEn92[] = u"Please use ASCII characters for SSID.";
constexpr char16_t kEn93[] = u"Please confirm setting.";
constexpr char16_t kEn94[] = u"Network key is not match.";
constexpr char16_t kEn95[] = u"Please input network key.";
constexpr char16_t kEn96[] = u"Length of Network key is invalid.";
constexpr char16_t kEn97[] = u"Invalid character is entered for network key.";
constexpr char16_t kEn98[] = u"Please input IP address.";
constexpr char16_t kEn99[] = u"Please input Subnet mask address.";
constexpr char16_t kEn100[] = u"Please input Proxy address.";
constexpr char16_t kEn101[] = u"Please input Proxy port.";
constexpr char16_t kEn102[] = u"Invalid character is entered for proxy address.";
constexpr char16_t kEn103[] = u"Invalid proxy port number.";
constexpr char16_t kEn104[] = u"Length of Proxy address is invalid.";
constexpr char16_t kEn105[] = u"Invalid IP address.";
constexpr char16_t kEn106[] = u"Wireless LAN Property";
constexpr char16_t kEn107[] = u"Cancel";
constexpr char16_t kEn108[] = u"Clear";
constexpr char16_t kEn109[] = u"OK";
constexpr char16_t kEn110[] = u"Wireless security settings";
constexpr char16_t kEn111[] = u"SSID:";
constexpr char16_t kEn112[] = u"Stealth SSID";
constexpr char16_t kEn113[] = u"Security:";
constexpr char16_t kEn114[] = u"Network key:";
constexpr char16_t kEn115[] = u"Confirm Network key:";
constexpr char16_t kEn116[] = u"IP address settings";
constexpr char16_t kEn117[] = u"DHCP On";
constexpr char16_t kEn118[] = u"DHCP Off";
constexpr char16_t kEn119[] = u"IP address:";
constexpr char16_t kEn120[] = u"Subnet mask:";
constexpr char16_t kEn121[] = u"Default gateway:";
constexpr char16_t kEn122[] = u"DNS:";
constexpr char16_t kEn123[] = u"Secondary DNS:";
constexpr char16_t kEn124[] = u"Proxy settings";
constexpr char16_t kEn125[] = u"Use proxy";
constexpr char16_t kEn126[] = u"Proxy address:";
constexpr char16_t kEn127[] = u"Proxy port:";
constexpr char16_t kEn128[] = u"Wireless LAN Security";
constexpr char16_t kEn129[] = u"No security";
constexpr char16_t kEn130[] = u"WEP";
constexpr char16_t kEn131[] = u"WPA PSK TKIP";
constexpr char16_t kEn132[] = u"WPA PSK AES";
constexpr char16_t kEn133[] = u"WPA2 PSK AES";
constexpr char16_t kEn134[] = u"WPA2 PSK TKIP";
constexpr char16_t kEn135[] = u"Wireless setting";
constexpr char16_t kEn136[] = u"No setting exist.";
constexpr char16_t kEn137[] = u"Maximum number of wireless setting is 30.";
constexpr char16_t kEn138[] = u"Local Security Setting";
constexpr char16_t kEn139[] = u"OK";
constexpr char16_t kEn140[] = u"Cancel";
constexpr char16_t kEn141[] = u"Apply";
constexpr char16_t kEn142[] = u"Network security: LAN Manager authentication level";
constexpr char16_t kEn143[] = u"NOTE: Only Windows 7 and VISTA users require this setting";
constexpr char16_t kEn144[] = u"Send LM & NTLM responses";
constexpr char16_t kEn145[] = u"Send LM & NTLM - use NTLMv2 session security if negotiated";
constexpr char16_t kEn146[] = u"Send NTLM response only";
constexpr char16_t kEn147[] = u"Send NTLMv2 response only";
constexpr char16_t kEn148[] = u"Send NTLMv2 response only /refuse LM";
constexpr char16_t kEn149[] = u"Send NTLMv2 response only /refuse LM & NTLM";
constexpr char16_t kEn150[] = u"Local Security Setting";
constexpr char16_t kEn151[] = u"You are about to change security setting of your Windows OS. Are you sure?";
constexpr char16_t kEn152[] = u"It needs to restart windows to reflect new security setting. Do you restart now?";
constexpr char16_t kEn153[] = u"Select target";
constexpr char16_t kEn154[] = u"Where do you load setting from?";
constexpr char16_t kEn155[] = u"Where do you create setting into?";
constexpr char16_t kEn156[] = u"SD Card on the %s";
constexpr char16_t kEn157[] = u"Local computer";

constexpr Row kCatalog[MessageCount] = {
    // 0
    Row{ kEn0, kEn0,
          u"Configuration réseau", // French
          u"Netzwerkeinstellungen", // German
          u"Nätverkskonfigurering", // Swedish
          u"Netwerk instellingen", // Dutch
          u"Verkon asetukset", // Finnish
          u"Nettverkskonfigurasjon", // Norwegian
          u"Конфигурация сети", // Russian
          u"ネットワーク設定", // Japanese
          u"网络配置", // Chinese
          u"Konfiguration af netværk", // Danish
          u"Configurazione rete", // Italian
          u"Konfiguracja sieci", // Polish
          u"Configuración de red", // Spanish
    },
    // 1
    Row{ kEn1, kEn1,
          u"À propos de l'utilitaire de configuration réseau", // French
          u"Info über das Dienstprogramm für Netzwerkeinstellungen", // German
          u"Om verktyget för nätverkskonfigurering", // Swedish
          u"Over het hulpprogramma voor netwerkinstellingen", // Dutch
          u"Tietoja verkkoasetusten apuohjelmasta", // Finnish
          u"Om verktøyet for nettverkskonfigurasjon", // Norwegian
          u"О программе настройки сети", // Russian
          u"ネットワーク設定ユーティリティのバージョン情報", // Japanese
          u"关于网络配置实用工具", // Chinese
          u"Om værktøjet til konfiguration af netværk", // Danish
          u"Informazioni sull'utilità di configurazione di rete", // Italian
          u"Informacje o narzędziu konfiguracji sieci", // Polish
          u"Acerca de la utilidad de configuración de red", // Spanish
    },
    // 2
    Row{ kEn2, kEn2,
          kEn2, // French
          kEn2, // German
          kEn2, // Swedish
          u"Versie 3.0", // Dutch
          u"Versio 3.0", // Finnish
          u"Versjon 3.0", // Norwegian
          u"Версия 3.0", // Russian
          u"バージョン 3.0", // Japanese
          u"版本 3.0", // Chinese
          kEn2, // Danish
          u"Versione 3.0", // Italian
          u"Wersja 3.0", // Polish
          u"Versión 3.0", // Spanish
    },
    // 3
    Row{ kEn3, kEn3,
          u"Contrôle d'onglets des paramètres réseau", // French
          u"Registersteuerelement für Netzwerkeinstellungen", // German
          u"Flikkontroll för nätverksinställningar", // Swedish
          u"Tabbladbesturingselement voor netwerkinstellingen", // Dutch
          u"Verkkoasetusten välilehtiohjain", // Finnish
          u"Fanekontroll for nettverksinnstillinger", // Norwegian
          u"Вкладки настроек сети", // Russian
          u"ネットワーク設定タブ コントロール", // Japanese
          u"网络设置选项卡控件", // Chinese
          u"Fanekontrolelement for netværksindstillinger", // Danish
          u"Controllo a schede delle impostazioni di rete", // Italian
          u"Formant kart ustawień sieci", // Polish
          u"Control de pestañas de configuración de red", // Spanish
    },
    // 4
    Row{ kEn4, kEn4,
          u"Dossier réseau", // French
          u"Netzwerkordner", // German
          u"Nätverksmapp", // Swedish
          u"Netwerkmap", // Dutch
          u"Verkkokansio", // Finnish
          u"Nettverksmappe", // Norwegian
          u"Сетевая папка", // Russian
          u"ネットワーク フォルダー", // Japanese
          u"网络文件夹", // Chinese
          u"Netværksmappe", // Danish
          u"Cartella di rete", // Italian
          u"Folder sieciowy", // Polish
          u"Carpeta de red", // Spanish
    },
    // 5
    Row{ kEn5, kEn5,
          u"Réseau local sans fil", // French
          u"WLAN", // German
          u"Trådlöst LAN", // Swedish
          u"Draadloos LAN", // Dutch
          u"Langaton lähiverkko", // Finnish
          u"Trådløst LAN", // Norwegian
          u"Беспроводная сеть", // Russian
          u"無線 LAN", // Japanese
          u"无线局域网", // Chinese
          u"Trådløst LAN", // Danish
          u"LAN wireless", // Italian
          u"Sieć bezprzewodowa", // Polish
          u"LAN inalámbrica", // Spanish
    },
    // 6
    Row{ kEn6, kEn6,
          u"Paramètre de sécurité locale", // French
          u"Lokale Sicherheitseinstellung", // German
          u"Lokal säkerhetsinställning", // Swedish
          u"Lokale beveiligingsinstelling", // Dutch
          u"Paikallinen suojausasetus", // Finnish
          u"Lokal sikkerhetsinnstilling", // Norwegian
          u"Локальные параметры безопасности", // Russian
          u"ローカル セキュリティ設定", // Japanese
          u"本地安全设置", // Chinese
          u"Lokal sikkerhedsindstilling", // Danish
          u"Impostazioni di sicurezza locali", // Italian
          u"Ustawienia zabezpieczeń lokalnych", // Polish
          u"Configuración de seguridad local", // Spanish
    },
    // 7
    Row{ kEn7, kEn7,
          u"Réseau local filaire", // French
          u"Kabelgebundenes LAN", // German
          u"Trådbundet LAN", // Swedish
          u"Bekabeld LAN", // Dutch
          u"Langallinen lähiverkko", // Finnish
          u"Kablet LAN", // Norwegian
          u"Проводная сеть", // Russian
          u"有線 LAN", // Japanese
          u"有线局域网", // Chinese
          u"Kablet LAN", // Danish
          u"LAN cablata", // Italian
          u"Sieć przewodowa", // Polish
          u"LAN cableada", // Spanish
    },
    // 8
    Row{ kEn8, kEn8,
          u"Charger les paramètres", // French
          u"Einstellungen laden", // German
          u"Läs in inställningar", // Swedish
          u"Instellingen laden", // Dutch
          u"Lataa asetukset", // Finnish
          u"Last inn innstillinger", // Norwegian
          u"Загрузить настройки", // Russian
          u"設定の読み込み", // Japanese
          u"加载设置", // Chinese
          u"Indlæs indstillinger", // Danish
          u"Carica impostazioni", // Italian
          u"Wczytaj ustawienia", // Polish
          u"Cargar configuración", // Spanish
    },
    // 9
    Row{ kEn9, kEn9,
          u"Créer le fichier de paramètres", // French
          u"Einstellungsdatei erstellen", // German
          u"Skapa inställningsfil", // Swedish
          u"Instellingenbestand maken", // Dutch
          u"Luo asetustiedosto", // Finnish
          u"Opprett innstillingsfil", // Norwegian
          u"Создать файл настроек", // Russian
          u"設定ファイルの作成", // Japanese
          u"创建设置文件", // Chinese
          u"Opret indstillingsfil", // Danish
          u"Crea file di impostazioni", // Italian
          u"Utwórz plik ustawień", // Polish
          u"Crear archivo de configuración", // Spanish
    },
    // 10
    Row{ kEn10, kEn10,
          u"Quitter", // French
          u"Beenden", // German
          u"Avsluta", // Swedish
          u"Afsluiten", // Dutch
          u"Lopeta", // Finnish
          u"Avslutt", // Norwegian
          u"Выход", // Russian
          u"終了", // Japanese
          u"退出", // Chinese
          u"Afslut", // Danish
          u"Esci", // Italian
          u"Zakończ", // Polish
          u"Salir", // Spanish
    },
    // 11
    Row{ kEn11, kEn11,
          u"Utiliser les paramètres par défaut", // French
          u"Standardeinstellungen verwenden", // German
          u"Använd standardinställningar", // Swedish
          u"Standaardinstellingen gebruiken", // Dutch
          u"Käytä oletusasetuksia", // Finnish
          u"Bruk standardinnstillinger", // Norwegian
          u"Использовать настройки по умолчанию", // Russian
          u"既定の設定を使用する", // Japanese
          u"使用默认设置", // Chinese
          u"Brug standardindstillinger", // Danish
          u"Usa impostazioni predefinite", // Italian
          u"Użyj ustawień domyślnych", // Polish
          u"Usar configuración predeterminada", // Spanish
    },
    // 12
    Row{ kEn12, kEn12,
          u"Personnaliser les paramètres", // French
          u"Einstellungen anpassen", // German
          u"Anpassa inställningarna", // Swedish
          u"Instellingen aanpassen", // Dutch
          u"Mukauta asetuksia", // Finnish
          u"Tilpass innstillingene", // Norwegian
          u"Задать собственные настройки", // Russian
          u"設定をカスタマイズする", // Japanese
          u"自定义设置", // Chinese
          u"Tilpas indstillingerne", // Danish
          u"Personalizza impostazioni", // Italian
          u"Dostosuj ustawienia", // Polish
          u"Personalizar la configuración", // Spanish
    },
    // 13
    Row{ kEn13, kEn13,
          u"Paramètres du dossier réseau", // French
          u"Netzwerkordner-Einstellungen", // German
          u"Inställningar för nätverksmapp", // Swedish
          u"Instellingen netwerkmap", // Dutch
          u"Verkkokansion asetukset", // Finnish
          u"Innstillinger for nettverksmappe", // Norwegian
          u"Настройки сетевой папки", // Russian
          u"ネットワーク フォルダーの設定", // Japanese
          u"网络文件夹设置", // Chinese
          u"Indstillinger for netværksmappe", // Danish
          u"Impostazioni cartella di rete", // Italian
          u"Ustawienia folderu sieciowego", // Polish
          u"Configuración de la carpeta de red", // Spanish
    },
    // 14
    Row{ kEn14, kEn14,
          u"Nom de l'appareil :", // French
          u"Gerätename:", // German
          u"Enhetsnamn:", // Swedish
          u"Apparaatnaam:", // Dutch
          u"Laitteen nimi:", // Finnish
          u"Enhetsnavn:", // Norwegian
          u"Имя устройства:", // Russian
          u"デバイス名:", // Japanese
          u"设备名称：", // Chinese
          u"Enhedsnavn:", // Danish
          u"Nome dispositivo:", // Italian
          u"Nazwa urządzenia:", // Polish
          u"Nombre del dispositivo:", // Spanish
    },
    // 15
    Row{ kEn15, kEn15,
          u"ID utilisateur :", // French
          u"Benutzer-ID:", // German
          u"Användar-ID:", // Swedish
          u"Gebruikers-ID:", // Dutch
          u"Käyttäjätunnus:", // Finnish
          u"Bruker-ID:", // Norwegian
          u"ID пользователя:", // Russian
          u"ユーザー ID:", // Japanese
          u"用户 ID：", // Chinese
          u"Bruger-id:", // Danish
          u"ID utente:", // Italian
          u"Identyfikator użytkownika:", // Polish
          u"ID de usuario:", // Spanish
    },
    // 16
    Row{ kEn16, kEn16,
          u"Mot de passe :", // French
          u"Kennwort:", // German
          u"Lösenord:", // Swedish
          u"Wachtwoord:", // Dutch
          u"Salasana:", // Finnish
          u"Passord:", // Norwegian
          u"Пароль:", // Russian
          u"パスワード:", // Japanese
          u"密码：", // Chinese
          u"Adgangskode:", // Danish
          kEn16, // Italian
          u"Hasło:", // Polish
          u"Contraseña:", // Spanish
    },
    // 17
    Row{ kEn17, kEn17,
          u"Confirmer le mot de passe :", // French
          u"Kennwort bestätigen:", // German
          u"Bekräfta lösenord:", // Swedish
          u"Wachtwoord bevestigen:", // Dutch
          u"Vahvista salasana:", // Finnish
          u"Bekreft passord:", // Norwegian
          u"Подтверждение пароля:", // Russian
          u"パスワードの確認:", // Japanese
          u"确认密码：", // Chinese
          u"Bekræft adgangskode:", // Danish
          u"Conferma password:", // Italian
          u"Potwierdź hasło:", // Polish
          u"Confirmar contraseña:", // Spanish
    },
    // 18
    Row{ kEn18, kEn18,
          u"DHCP activé", // French
          u"DHCP ein", // German
          u"DHCP på", // Swedish
          u"DHCP aan", // Dutch
          u"DHCP käytössä", // Finnish
          u"DHCP på", // Norwegian
          u"DHCP включен", // Russian
          u"DHCP オン", // Japanese
          u"启用 DHCP", // Chinese
          u"DHCP til", // Danish
          u"DHCP attivato", // Italian
          u"DHCP włączony", // Polish
          u"DHCP activado", // Spanish
    },
    // 19
    Row{ kEn19, kEn19,
          u"DHCP désactivé", // French
          u"DHCP aus", // German
          u"DHCP av", // Swedish
          u"DHCP uit", // Dutch
          u"DHCP ei käytössä", // Finnish
          u"DHCP av", // Norwegian
          u"DHCP выключен", // Russian
          u"DHCP オフ", // Japanese
          u"禁用 DHCP", // Chinese
          u"DHCP fra", // Danish
          u"DHCP disattivato", // Italian
          u"DHCP wyłączony", // Polish
          u"DHCP desactivado", // Spanish
    },
    // 20
    Row{ kEn20, kEn20,
          u"Paramètres d'adresse IP", // French
          u"IP-Adresseinstellungen", // German
          u"IP-adressinställningar", // Swedish
          u"IP-adresinstellingen", // Dutch
          u"IP-osoitteen asetukset", // Finnish
          u"IP-adresseinnstillinger", // Norwegian
          u"Настройки IP-адреса", // Russian
          u"IP アドレスの設定", // Japanese
          u"IP 地址设置", // Chinese
          u"IP-adresseindstillinger", // Danish
          u"Impostazioni indirizzo IP", // Italian
          u"Ustawienia adresu IP", // Polish
          u"Configuración de dirección IP", // Spanish
    },
    // 21
    Row{ kEn21, kEn21,
          u"Adresse IP :", // French
          u"IP-Adresse:", // German
          u"IP-adress:", // Swedish
          u"IP-adres:", // Dutch
          u"IP-osoite:", // Finnish
          u"IP-adresse:", // Norwegian
          u"IP-адрес:", // Russian
          u"IP アドレス:", // Japanese
          u"IP 地址：", // Chinese
          u"IP-adresse:", // Danish
          u"Indirizzo IP:", // Italian
          u"Adres IP:", // Polish
          u"Dirección IP:", // Spanish
    },
    // 22
    Row{ kEn22, kEn22,
          u"Masque de sous-réseau :", // French
          u"Subnetzmaske:", // German
          u"Nätmask:", // Swedish
          u"Subnetmasker:", // Dutch
          u"Aliverkon peite:", // Finnish
          u"Nettverksmaske:", // Norwegian
          u"Маска подсети:", // Russian
          u"サブネット マスク:", // Japanese
          u"子网掩码：", // Chinese
          u"Undernetmaske:", // Danish
          kEn22, // Italian
          u"Maska podsieci:", // Polish
          u"Máscara de subred:", // Spanish
    },
    // 23
    Row{ kEn23, kEn23,
          u"Passerelle par défaut :", // French
          u"Standardgateway:", // German
          u"Standard-gateway:", // Swedish
          u"Standaardgateway:", // Dutch
          u"Oletusyhdyskäytävä:", // Finnish
          u"Standard gateway:", // Norwegian
          u"Основной шлюз:", // Russian
          u"デフォルト ゲートウェイ:", // Japanese
          u"默认网关：", // Chinese
          u"Standardgateway:", // Danish
          u"Gateway predefinito:", // Italian
          u"Brama domyślna:", // Polish
          u"Puerta de enlace predeterminada:", // Spanish
    },
    // 24
    Row{ kEn24, kEn24,
          u"DNS :", // French
          kEn24, // German
          kEn24, // Swedish
          kEn24, // Dutch
          kEn24, // Finnish
          kEn24, // Norwegian
          kEn24, // Russian
          kEn24, // Japanese
          u"DNS：", // Chinese
          kEn24, // Danish
          kEn24, // Italian
          kEn24, // Polish
          kEn24, // Spanish
    },
    // 25
    Row{ kEn25, kEn25,
          u"DNS secondaire :", // French
          u"Sekundärer DNS:", // German
          u"Sekundär DNS:", // Swedish
          u"Secundaire DNS:", // Dutch
          u"Toissijainen DNS:", // Finnish
          u"Sekundær DNS:", // Norwegian
          u"Дополнительный DNS:", // Russian
          u"セカンダリ DNS:", // Japanese
          u"备用 DNS：", // Chinese
          u"Sekundær DNS:", // Danish
          u"DNS secondario:", // Italian
          u"Zapasowy DNS:", // Polish
          u"DNS secundario:", // Spanish
    },
    // 26
    Row{ kEn26, kEn26,
          u"Paramètres du proxy", // French
          u"Proxyeinstellungen", // German
          u"Proxyinställningar", // Swedish
          u"Proxyinstellingen", // Dutch
          u"Välityspalvelimen asetukset", // Finnish
          u"Proxyinnstillinger", // Norwegian
          u"Настройки прокси-сервера", // Russian
          u"プロキシの設定", // Japanese
          u"代理设置", // Chinese
          u"Proxyindstillinger", // Danish
          u"Impostazioni proxy", // Italian
          u"Ustawienia serwera proxy", // Polish
          u"Configuración del proxy", // Spanish
    },
    // 27
    Row{ kEn27, kEn27,
          u"Utiliser un proxy", // French
          u"Proxy verwenden", // German
          u"Använd proxy", // Swedish
          u"Proxy gebruiken", // Dutch
          u"Käytä välityspalvelinta", // Finnish
          u"Bruk proxy", // Norwegian
          u"Использовать прокси-сервер", // Russian
          u"プロキシを使用する", // Japanese
          u"使用代理", // Chinese
          u"Brug proxy", // Danish
          u"Usa proxy", // Italian
          u"Użyj serwera proxy", // Polish
          u"Usar proxy", // Spanish
    },
    // 28
    Row{ kEn28, kEn28,
          u"Adresse du proxy :", // French
          u"Proxyadresse:", // German
          u"Proxyadress:", // Swedish
          u"Proxyadres:", // Dutch
          u"Välityspalvelimen osoite:", // Finnish
          u"Proxyadresse:", // Norwegian
          u"Адрес прокси-сервера:", // Russian
          u"プロキシ アドレス:", // Japanese
          u"代理地址：", // Chinese
          u"Proxyadresse:", // Danish
          u"Indirizzo proxy:", // Italian
          u"Adres serwera proxy:", // Polish
          u"Dirección del proxy:", // Spanish
    },
    // 29
    Row{ kEn29, kEn29,
          u"Port du proxy :", // French
          u"Proxyport:", // German
          u"Proxyport:", // Swedish
          u"Proxypoort:", // Dutch
          u"Välityspalvelimen portti:", // Finnish
          u"Proxyport:", // Norwegian
          u"Порт прокси-сервера:", // Russian
          u"プロキシ ポート:", // Japanese
          u"代理端口：", // Chinese
          u"Proxyport:", // Danish
          u"Porta proxy:", // Italian
          u"Port serwera proxy:", // Polish
          u"Puerto del proxy:", // Spanish
    },
    // 30
    Row{ kEn30, kEn30,
          u"Effacer les paramètres", // French
          u"Einstellungen zurücksetzen", // German
          u"Rensa inställningar", // Swedish
          u"Instellingen wissen", // Dutch
          u"Tyhjennä asetukset", // Finnish
          u"Tøm innstillinger", // Norwegian
          u"Очистить настройки", // Russian
          u"設定のクリア", // Japanese
          u"清除设置", // Chinese
          u"Ryd indstillinger", // Danish
          u"Cancella impostazioni", // Italian
          u"Wyczyść ustawienia", // Polish
          u"Borrar configuración", // Spanish
    },
    // 31
    Row{ kEn31, kEn31,
          u"Activer le périphérique réseau de %s", // French
          u"Netzwerkgerät von %s aktivieren", // German
          u"Aktivera nätverksenheten i %s", // Swedish
          u"Netwerkapparaat van %s inschakelen", // Dutch
          u"Ota käyttöön kohteen %s verkkolaite", // Finnish
          u"Aktiver nettverksenheten i %s", // Norwegian
          u"Включить сетевое устройство %s", // Russian
          u"%s のネットワーク デバイスを有効にする", // Japanese
          u"启用 %s 的网络设备", // Chinese
          u"Aktivér netværksenheden i %s", // Danish
          u"Abilita dispositivo di rete di %s", // Italian
          u"Włącz urządzenie sieciowe %s", // Polish
          u"Habilitar el dispositivo de red de %s", // Spanish
    },
    // 32
    Row{ kEn32, kEn32,
          u"Utiliser une connexion réseau sans fil", // French
          u"WLAN für die Netzwerkverbindung verwenden", // German
          u"Använd trådlös anslutning till nätverket", // Swedish
          u"Draadloos verbinding maken met het netwerk", // Dutch
          u"Käytä langatonta yhteyttä verkkoon", // Finnish
          u"Bruk trådløs tilkobling til nettverket", // Norwegian
          u"Использовать беспроводное подключение к сети", // Russian
          u"無線でネットワークに接続する", // Japanese
          u"使用无线连接网络", // Chinese
          u"Brug trådløs forbindelse til netværket", // Danish
          u"Usa la connessione wireless per accedere alla rete", // Italian
          u"Łącz się z siecią bezprzewodowo", // Polish
          u"Usar conexión inalámbrica para acceder a la red", // Spanish
    },
    // 33
    Row{ kEn33, kEn33,
          u"Liste des paramètres sans fil", // French
          u"Liste der WLAN-Einstellungen", // German
          u"Lista över trådlösa inställningar", // Swedish
          u"Lijst met draadloze instellingen", // Dutch
          u"Langattomien asetusten luettelo", // Finnish
          u"Liste over trådløse innstillinger", // Norwegian
          u"Список настроек беспроводной связи", // Russian
          u"無線設定の一覧", // Japanese
          u"无线设置列表", // Chinese
          u"Liste over trådløse indstillinger", // Danish
          u"Elenco impostazioni wireless", // Italian
          u"Lista ustawień bezprzewodowych", // Polish
          u"Lista de configuraciones inalámbricas", // Spanish
    },
    // 34
    Row{ kEn34, kEn34,
          u"Augmenter la priorité", // French
          u"Priorität erhöhen", // German
          u"Höj prioritet", // Swedish
          u"Prioriteit omhoog", // Dutch
          u"Nosta prioriteettia", // Finnish
          u"Øk prioritet", // Norwegian
          u"Повысить приоритет", // Russian
          u"優先順位を上げる", // Japanese
          u"提高优先级", // Chinese
          u"Hæv prioritet", // Danish
          u"Aumenta priorità", // Italian
          u"Zwiększ priorytet", // Polish
          u"Subir prioridad", // Spanish
    },
    // 35
    Row{ kEn35, kEn35,
          u"Diminuer la priorité", // French
          u"Priorität verringern", // German
          u"Sänk prioritet", // Swedish
          u"Prioriteit omlaag", // Dutch
          u"Laske prioriteettia", // Finnish
          u"Senk prioritet", // Norwegian
          u"Понизить приоритет", // Russian
          u"優先順位を下げる", // Japanese
          u"降低优先级", // Chinese
          u"Sænk prioritet", // Danish
          u"Diminuisci priorità", // Italian
          u"Zmniejsz priorytet", // Polish
          u"Bajar prioridad", // Spanish
    },
    // 36
    Row{ kEn36, kEn36,
          u"Ajouter", // French
          u"Hinzufügen", // German
          u"Lägg till", // Swedish
          u"Toevoegen", // Dutch
          u"Lisää", // Finnish
          u"Legg til", // Norwegian
          u"Добавить", // Russian
          u"追加", // Japanese
          u"添加", // Chinese
          u"Tilføj", // Danish
          u"Aggiungi", // Italian
          u"Dodaj", // Polish
          u"Agregar", // Spanish
    },
    // 37
    Row{ kEn37, kEn37,
          u"Supprimer", // French
          u"Löschen", // German
          u"Ta bort", // Swedish
          u"Verwijderen", // Dutch
          u"Poista", // Finnish
          u"Slett", // Norwegian
          u"Удалить", // Russian
          u"削除", // Japanese
          u"删除", // Chinese
          u"Slet", // Danish
          u"Elimina", // Italian
          u"Usuń", // Polish
          u"Eliminar", // Spanish
    },
    // 38
    Row{ kEn38, kEn38,
          u"Propriétés", // French
          u"Eigenschaften", // German
          u"Egenskaper", // Swedish
          u"Eigenschappen", // Dutch
          u"Ominaisuudet", // Finnish
          u"Egenskaper", // Norwegian
          u"Свойства", // Russian
          u"プロパティ", // Japanese
          u"属性", // Chinese
          u"Egenskaber", // Danish
          u"Proprietà", // Italian
          u"Właściwości", // Polish
          u"Propiedades", // Spanish
    },
    // 39
    Row{ kEn39, kEn39,
          u"Sécurité réseau : niveau d'authentification LAN Manager", // French
          u"Netzwerksicherheit: LAN Manager-Authentifizierungsebene", // German
          u"Nätverkssäkerhet: Autentiseringsnivå för LAN Manager", // Swedish
          u"Netwerkbeveiliging: LAN Manager-verificatieniveau", // Dutch
          u"Verkon suojaus: LAN Manager -todentamistaso", // Finnish
          u"Nettverkssikkerhet: Godkjenningsnivå for LAN Manager", // Norwegian
          u"Сетевая безопасность: уровень проверки подлинности LAN Manager", // Russian
          u"ネットワーク セキュリティ: LAN Manager 認証レベル", // Japanese
          u"网络安全: LAN 管理器身份验证级别", // Chinese
          u"Netværkssikkerhed: Godkendelsesniveau for LAN Manager", // Danish
          u"Sicurezza di rete: livello di autenticazione di LAN Manager", // Italian
          u"Zabezpieczenia sieci: poziom uwierzytelniania programu LAN Manager", // Polish
          u"Seguridad de red: nivel de autenticación de LAN Manager", // Spanish
    },
    // 40
    Row{ kEn40, kEn40,
          u"REMARQUE : seuls les utilisateurs de Windows 7 et Vista ont besoin de ce paramètre.", // French
          u"HINWEIS: Diese Einstellung ist nur für Benutzer von Windows 7 und Vista erforderlich.", // German
          u"Obs! Endast användare av Windows 7 och Windows Vista behöver den här inställningen.", // Swedish
          u"OPMERKING: alleen gebruikers van Windows 7 en Vista hebben deze instelling nodig.", // Dutch
          u"Huomautus: Vain Windows 7:n ja Windows Vistan käyttäjät tarvitsevat tämän asetuksen.", // Finnish
          u"Merk: Bare brukere av Windows 7 og Windows Vista trenger denne innstillingen.", // Norwegian
          u"Примечание: этот параметр требуется только пользователям Windows 7 и Vista.", // Russian
          u"注: この設定が必要なのは Windows 7 および Vista のユーザーのみです。", // Japanese
          u"注意：只有 Windows 7 和 Vista 用户需要此设置。", // Chinese
          u"Bemærk: Kun brugere af Windows 7 og Windows Vista har brug for denne indstilling.", // Danish
          u"NOTA: questa impostazione è necessaria solo per gli utenti di Windows 7 e Vista.", // Italian
          u"Uwaga: tego ustawienia wymagają tylko użytkownicy systemów Windows 7 i Vista.", // Polish
          u"NOTA: esta configuración solo es necesaria para los usuarios de Windows 7 y Vista.", // Spanish
    },
    // 41
    Row{ kEn41, kEn41,
          u"Un compte administrateur étant requis, ce bouton ouvre la boîte de dialogue d'une autre application.", // French
          u"Da ein Administratorkonto erforderlich ist, öffnet diese Schaltfläche das Dialogfeld einer anderen Anwendung.", // German
          u"Eftersom ett administratörskonto krävs öppnar den här knappen en dialogruta i ett annat program.", // Swedish
          u"Omdat een beheerdersaccount vereist is, opent deze knop een dialoogvenster van een andere toepassing.", // Dutch
          u"Koska järjestelmänvalvojan tili vaaditaan, tämä painike avaa toisen sovelluksen valintaikkunan.", // Finnish
          u"Fordi det kreves en administratorkonto, åpner denne knappen en dialogboks i et annet program.", // Norwegian
          u"Поскольку требуется учетная запись администратора, эта кнопка открывает диалоговое окно другого приложения.", // Russian
          u"管理者アカウントが必要なため、このボタンは別のアプリケーションのダイアログを起動します。", // Japanese
          u"由于需要管理员帐户，此按钮将启动另一个应用程序的对话框。", // Chinese
          u"Da der kræves en administratorkonto, åbner denne knap en dialogboks i et andet program.", // Danish
          u"Poiché è necessario un account di amministratore, questo pulsante apre la finestra di dialogo di un'altra applicazione.", // Italian
          u"Ponieważ wymagane jest konto administratora, ten przycisk uruchamia okno dialogowe innej aplikacji.", // Polish
          u"Dado que se requiere una cuenta de administrador, este botón abre el cuadro de diálogo de otra aplicación.", // Spanish
    },
    // 42
    Row{ kEn42, kEn42,
          u"Annuler", // French
          u"Abbrechen", // German
          u"Avbryt", // Swedish
          u"Annuleren", // Dutch
          u"Peruuta", // Finnish
          u"Avbryt", // Norwegian
          u"Отмена", // Russian
          u"キャンセル", // Japanese
          u"取消", // Chinese
          u"Annuller", // Danish
          u"Annulla", // Italian
          u"Anuluj", // Polish
          u"Cancelar", // Spanish
    },
    // 43
    Row{ kEn43, kEn43,
          u"Appliquer", // French
          u"Übernehmen", // German
          u"Verkställ", // Swedish
          u"Toepassen", // Dutch
          u"Käytä", // Finnish
          u"Bruk", // Norwegian
          u"Применить", // Russian
          u"適用", // Japanese
          u"应用", // Chinese
          u"Anvend", // Danish
          u"Applica", // Italian
          u"Zastosuj", // Polish
          u"Aplicar", // Spanish
    },
    // 44
    Row{ kEn44, kEn44,
          u"Démarrer le paramétrage de sécurité", // French
          u"Sicherheitseinstellung starten", // German
          u"Starta säkerhetsinställning", // Swedish
          u"Beveiligingsinstelling starten", // Dutch
          u"Käynnistä suojausasetus", // Finnish
          u"Start sikkerhetsinnstilling", // Norwegian
          u"Запустить настройку безопасности", // Russian
          u"セキュリティ設定の開始", // Japanese
          u"开始安全设置", // Chinese
          u"Start sikkerhedsindstilling", // Danish
          u"Avvia impostazioni di sicurezza", // Italian
          u"Uruchom ustawienia zabezpieczeń", // Polish
          u"Iniciar configuración de seguridad", // Spanish
    },
    // 45
    Row{ kEn45, kEn45,
          u"Charger les paramètres", // French
          u"Einstellungen laden", // German
          u"Läs in inställningar", // Swedish
          u"Instellingen laden", // Dutch
          u"Lataa asetukset", // Finnish
          u"Last inn innstillinger", // Norwegian
          u"Загрузить настройки", // Russian
          u"設定の読み込み", // Japanese
          u"加载设置", // Chinese
          u"Indlæs indstillinger", // Danish
          u"Carica impostazioni", // Italian
          u"Wczytaj ustawienia", // Polish
          u"Cargar configuración", // Spanish
    },
    // 46
    Row{ kEn46, kEn46,
          u"Les paramètres ont été chargés avec succès.", // French
          u"Die Einstellungen wurden erfolgreich geladen.", // German
          u"Inställningarna har lästs in.", // Swedish
          u"De instellingen zijn met succes geladen.", // Dutch
          u"Asetukset on ladattu.", // Finnish
          u"Innstillingene ble lastet inn.", // Norwegian
          u"Настройки успешно загружены.", // Russian
          u"設定を正常に読み込みました。", // Japanese
          u"已成功加载设置。", // Chinese
          u"Indstillingerne blev indlæst.", // Danish
          u"Impostazioni caricate correttamente.", // Italian
          u"Ustawienia zostały wczytane pomyślnie.", // Polish
          u"La configuración se cargó correctamente.", // Spanish
    },
    // 47
    Row{ kEn47, kEn47,
          u"Le chargement des paramètres s'est terminé avec des erreurs.", // French
          u"Das Laden der Einstellungen wurde mit Fehlern beendet.", // German
          u"Inläsningen av inställningarna avslutades med fel.", // Swedish
          u"Het laden van de instellingen is met fouten beëindigd.", // Dutch
          u"Asetusten lataus päättyi virheeseen.", // Finnish
          u"Innlastingen av innstillingene ble avsluttet med feil.", // Norwegian
          u"Загрузка настроек завершилась с ошибкой.", // Russian
          u"設定の読み込み中にエラーが発生しました。", // Japanese
          u"加载设置时出错。", // Chinese
          u"Indlæsningen af indstillingerne blev afsluttet med fejl.", // Danish
          u"Caricamento delle impostazioni terminato con errori.", // Italian
          u"Wczytywanie ustawień zakończyło się błędem.", // Polish
          u"La carga de la configuración finalizó con errores.", // Spanish
    },
    // 48
    Row{ kEn48, kEn48,
          u"Le fichier de paramètres n'existe pas à l'emplacement sélectionné.", // French
          u"Am ausgewählten Speicherort ist keine Einstellungsdatei vorhanden.", // German
          u"Det finns ingen inställningsfil på den valda platsen.", // Swedish
          u"Het instellingenbestand bestaat niet op de geselecteerde locatie.", // Dutch
          u"Valitussa sijainnissa ei ole asetustiedostoa.", // Finnish
          u"Det finnes ingen innstillingsfil på den valgte plasseringen.", // Norwegian
          u"В выбранном расположении нет файла настроек.", // Russian
          u"選択した場所に設定ファイルが存在しません。", // Japanese
          u"所选位置中不存在设置文件。", // Chinese
          u"Der findes ingen indstillingsfil på den valgte placering.", // Danish
          u"Il file di impostazioni non esiste nel percorso selezionato.", // Italian
          u"W wybranej lokalizacji nie ma pliku ustawień.", // Polish
          u"El archivo de configuración no existe en la ubicación seleccionada.", // Spanish
    },
    // 49
    Row{ kEn49, kEn49,
          u"Erreur de déchiffrement du mot de passe du dossier réseau.", // French
          u"Fehler beim Entschlüsseln des Kennworts des Netzwerkordners.", // German
          u"Fel vid dekryptering av nätverksmappens lösenord.", // Swedish
          u"Fout bij het ontsleutelen van het wachtwoord van de netwerkmap.", // Dutch
          u"Virhe purettaessa verkkokansion salasanan salausta.", // Finnish
          u"Feil ved dekryptering av nettverksmappens passord.", // Norwegian
          u"Ошибка расшифровки пароля сетевой папки.", // Russian
          u"ネットワーク フォルダーのパスワードを復号できませんでした。", // Japanese
          u"网络文件夹密码解密错误。", // Chinese
          u"Fejl ved dekryptering af netværksmappens adgangskode.", // Danish
          u"Errore di decrittografia della password della cartella di rete.", // Italian
          u"Błąd odszyfrowywania hasła folderu sieciowego.", // Polish
          u"Error al descifrar la contraseña de la carpeta de red.", // Spanish
    },
    // 50
    Row{ kEn50, kEn50,
          u"Le fichier de paramètres contient un nom d'appareil non valide pour le dossier réseau.", // French
          u"In der Einstellungsdatei wurde ein ungültiger Gerätename des Netzwerkordners gefunden.", // German
          u"Inställningsfilen innehåller ett ogiltigt enhetsnamn för nätverksmappen.", // Swedish
          u"Er is een ongeldige apparaatnaam van de netwerkmap gevonden in het instellingenbestand.", // Dutch
          u"Asetustiedostossa on virheellinen verkkokansion laitteen nimi.", // Finnish
          u"Innstillingsfilen inneholder et ugyldig enhetsnavn for nettverksmappen.", // Norwegian
          u"В файле настроек обнаружено недопустимое имя устройства сетевой папки.", // Russian
          u"設定ファイルで無効なネットワーク フォルダーのデバイス名が検出されました。", // Japanese
          u"在设置文件中检测到无效的网络文件夹设备名称。", // Chinese
          u"Indstillingsfilen indeholder et ugyldigt enhedsnavn for netværksmappen.", // Danish
          u"Nel file di impostazioni è stato rilevato un nome dispositivo della cartella di rete non valido.", // Italian
          u"W pliku ustawień wykryto nieprawidłową nazwę urządzenia folderu sieciowego.", // Polish
          u"Se detectó un nombre de dispositivo de la carpeta de red no válido en el archivo de configuración.", // Spanish
    },
    // 51
    Row{ kEn51, kEn51,
          u"Le fichier de paramètres contient un ID utilisateur non valide pour le dossier réseau.", // French
          u"In der Einstellungsdatei wurde eine ungültige Benutzer-ID des Netzwerkordners gefunden.", // German
          u"Inställningsfilen innehåller ett ogiltigt användar-ID för nätverksmappen.", // Swedish
          u"Er is een ongeldige gebruikers-ID van de netwerkmap gevonden in het instellingenbestand.", // Dutch
          u"Asetustiedostossa on virheellinen verkkokansion käyttäjätunnus.", // Finnish
          u"Innstillingsfilen inneholder en ugyldig bruker-ID for nettverksmappen.", // Norwegian
          u"В файле настроек обнаружен недопустимый ID пользователя сетевой папки.", // Russian
          u"設定ファイルで無効なネットワーク フォルダーのユーザー ID が検出されました。", // Japanese
          u"在设置文件中检测到无效的网络文件夹用户 ID。", // Chinese
          u"Indstillingsfilen indeholder et ugyldigt bruger-id for netværksmappen.", // Danish
          u"Nel file di impostazioni è stato rilevato un ID utente della cartella di rete non valido.", // Italian
          u"W pliku ustawień wykryto nieprawidłowy identyfikator użytkownika folderu sieciowego.", // Polish
          u"Se detectó un ID de usuario de la carpeta de red no válido en el archivo de configuración.", // Spanish
    },
    // 52
    Row{ kEn52, kEn52,
          u"Le fichier de paramètres contient un mot de passe non valide pour le dossier réseau.", // French
          u"In der Einstellungsdatei wurde ein ungültiges Kennwort des Netzwerkordners gefunden.", // German
          u"Inställningsfilen innehåller ett ogiltigt lösenord för nätverksmappen.", // Swedish
          u"Er is een ongeldig wachtwoord van de netwerkmap gevonden in het instellingenbestand.", // Dutch
          u"Asetustiedostossa on virheellinen verkkokansion salasana.", // Finnish
          u"Innstillingsfilen inneholder et ugyldig passord for nettverksmappen.", // Norwegian
          u"В файле настроек обнаружен недопустимый пароль сетевой папки.", // Russian
          u"設定ファイルで無効なネットワーク フォルダーのパスワードが検出されました。", // Japanese
          u"在设置文件中检测到无效的网络文件夹密码。", // Chinese
          u"Indstillingsfilen indeholder en ugyldig adgangskode til netværksmappen.", // Danish
          u"Nel file di impostazioni è stata rilevata una password della cartella di rete non valida.", // Italian
          u"W pliku ustawień wykryto nieprawidłowe hasło folderu sieciowego.", // Polish
          u"Se detectó una contraseña de la carpeta de red no válida en el archivo de configuración.", // Spanish
    },
    // 53
    Row{ kEn53, kEn53,
          u"Le fichier de paramètres contient une adresse IP non valide.", // French
          u"In der Einstellungsdatei wurde eine ungültige IP-Adresse gefunden.", // German
          u"Inställningsfilen innehåller ett ogiltigt värde för IP-adress.", // Swedish
          u"Er is een ongeldig IP-adres gevonden in het instellingenbestand.", // Dutch
          u"Asetustiedostossa on virheellinen IP-osoitteen arvo.", // Finnish
          u"Innstillingsfilen inneholder en ugyldig verdi for IP-adresse.", // Norwegian
          u"В файле настроек обнаружено недопустимое значение IP-адреса.", // Russian
          u"設定ファイルで無効な IP アドレスの値が検出されました。", // Japanese
          u"在设置文件中检测到无效的 IP 地址值。", // Chinese
          u"Indstillingsfilen indeholder en ugyldig værdi for IP-adresse.", // Danish
          u"Nel file di impostazioni è stato rilevato un valore di indirizzo IP non valido.", // Italian
          u"W pliku ustawień wykryto nieprawidłową wartość adresu IP.", // Polish
          u"Se detectó un valor de dirección IP no válido en el archivo de configuración.", // Spanish
    },
    // 54
    Row{ kEn54, kEn54,
          u"Le fichier de paramètres contient un masque de sous-réseau non valide.", // French
          u"In der Einstellungsdatei wurde eine ungültige Subnetzmaske gefunden.", // German
          u"Inställningsfilen innehåller ett ogiltigt värde för nätmask.", // Swedish
          u"Er is een ongeldig subnetmasker gevonden in het instellingenbestand.", // Dutch
          u"Asetustiedostossa on virheellinen aliverkon peitteen arvo.", // Finnish
          u"Innstillingsfilen inneholder en ugyldig verdi for nettverksmaske.", // Norwegian
          u"В файле настроек обнаружено недопустимое значение маски подсети.", // Russian
          u"設定ファイルで無効なサブネット マスクの値が検出されました。", // Japanese
          u"在设置文件中检测到无效的子网掩码值。", // Chinese
          u"Indstillingsfilen indeholder en ugyldig værdi for undernetmaske.", // Danish
          u"Nel file di impostazioni è stato rilevato un valore di subnet mask non valido.", // Italian
          u"W pliku ustawień wykryto nieprawidłową wartość maski podsieci.", // Polish
          u"Se detectó un valor de máscara de subred no válido en el archivo de configuración.", // Spanish
    },
    // 55
    Row{ kEn55, kEn55,
          u"Le fichier de paramètres contient une passerelle non valide.", // French
          u"In der Einstellungsdatei wurde ein ungültiges Gateway gefunden.", // German
          u"Inställningsfilen innehåller ett ogiltigt värde för gateway.", // Swedish
          u"Er is een ongeldige gateway gevonden in het instellingenbestand.", // Dutch
          u"Asetustiedostossa on virheellinen yhdyskäytävän arvo.", // Finnish
          u"Innstillingsfilen inneholder en ugyldig verdi for gateway.", // Norwegian
          u"В файле настроек обнаружено недопустимое значение шлюза.", // Russian
          u"設定ファイルで無効なゲートウェイの値が検出されました。", // Japanese
          u"在设置文件中检测到无效的网关值。", // Chinese
          u"Indstillingsfilen indeholder en ugyldig værdi for gateway.", // Danish
          u"Nel file di impostazioni è stato rilevato un valore di gateway non valido.", // Italian
          u"W pliku ustawień wykryto nieprawidłową wartość bramy.", // Polish
          u"Se detectó un valor de puerta de enlace no válido en el archivo de configuración.", // Spanish
    },
    // 56
    Row{ kEn56, kEn56,
          u"Le fichier de paramètres contient une valeur DNS non valide.", // French
          u"In der Einstellungsdatei wurde ein ungültiger DNS-Wert gefunden.", // German
          u"Inställningsfilen innehåller ett ogiltigt värde för DNS.", // Swedish
          u"Er is een ongeldige DNS-waarde gevonden in het instellingenbestand.", // Dutch
          u"Asetustiedostossa on virheellinen DNS-arvo.", // Finnish
          u"Innstillingsfilen inneholder en ugyldig verdi for DNS.", // Norwegian
          u"В файле настроек обнаружено недопустимое значение DNS.", // Russian
          u"設定ファイルで無効な DNS の値が検出されました。", // Japanese
          u"在设置文件中检测到无效的 DNS 值。", // Chinese
          u"Indstillingsfilen indeholder en ugyldig værdi for DNS.", // Danish
          u"Nel file di impostazioni è stato rilevato un valore DNS non valido.", // Italian
          u"W pliku ustawień wykryto nieprawidłową wartość DNS.", // Polish
          u"Se detectó un valor de DNS no válido en el archivo de configuración.", // Spanish
    },
    // 57
    Row{ kEn57, kEn57,
          u"Erreur de déchiffrement de la clé réseau sans fil.", // French
          u"Fehler beim Entschlüsseln des WLAN-Netzwerkschlüssels.", // German
          u"Fel vid dekryptering av nätverksnyckeln för trådlöst LAN.", // Swedish
          u"Fout bij het ontsleutelen van de netwerksleutel voor draadloos LAN.", // Dutch
          u"Virhe purettaessa langattoman lähiverkon verkkoavaimen salausta.", // Finnish
          u"Feil ved dekryptering av nettverksnøkkelen for trådløst LAN.", // Norwegian
          u"Ошибка расшифровки сетевого ключа беспроводной сети.", // Russian
          u"無線 LAN のネットワーク キーを復号できませんでした。", // Japanese
          u"无线局域网网络密钥解密错误。", // Chinese
          u"Fejl ved dekryptering af netværksnøglen til trådløst LAN.", // Danish
          u"Errore di decrittografia della chiave di rete della LAN wireless.", // Italian
          u"Błąd odszyfrowywania klucza sieciowego sieci bezprzewodowej.", // Polish
          u"Error al descifrar la clave de red de la LAN inalámbrica.", // Spanish
    },
    // 58
    Row{ kEn58, kEn58,
          u"Le fichier de paramètres contient un SSID non valide.", // French
          u"In der Einstellungsdatei wurde eine ungültige SSID gefunden.", // German
          u"Inställningsfilen innehåller ett ogiltigt SSID.", // Swedish
          u"Er is een ongeldige SSID gevonden in het instellingenbestand.", // Dutch
          u"Asetustiedostossa on virheellinen SSID.", // Finnish
          u"Innstillingsfilen inneholder en ugyldig SSID.", // Norwegian
          u"В файле настроек обнаружен недопустимый SSID.", // Russian
          u"設定ファイルで無効な SSID が検出されました。", // Japanese
          u"在设置文件中检测到无效的 SSID。", // Chinese
          u"Indstillingsfilen indeholder et ugyldigt SSID.", // Danish
          u"Nel file di impostazioni è stato rilevato un SSID non valido.", // Italian
          u"W pliku ustawień wykryto nieprawidłowy SSID.", // Polish
          u"Se detectó un SSID no válido en el archivo de configuración.", // Spanish
    },
    // 59
    Row{ kEn59, kEn59,
          u"Le type de caractères de la clé réseau n'est pas valide dans le fichier de paramètres.", // French
          u"Der Zeichentyp des Netzwerkschlüssels in der Einstellungsdatei ist ungültig.", // German
          u"Teckentypen för nätverksnyckeln i inställningsfilen är ogiltig.", // Swedish
          u"Het tekentype van de netwerksleutel in het instellingenbestand is ongeldig.", // Dutch
          u"Asetustiedoston verkkoavaimen merkkityyppi on virheellinen.", // Finnish
          u"Tegntypen for nettverksnøkkelen i innstillingsfilen er ugyldig.", // Norwegian
          u"В файле настроек указан недопустимый тип символов сетевого ключа.", // Russian
          u"設定ファイル内のネットワーク キーの文字種が無効です。", // Japanese
          u"设置文件中网络密钥的字符类型无效。", // Chinese
          u"Tegntypen for netværksnøglen i indstillingsfilen er ugyldig.", // Danish
          u"Il tipo di caratteri della chiave di rete nel file di impostazioni non è valido.", // Italian
          u"Typ znaków klucza sieciowego w pliku ustawień jest nieprawidłowy.", // Polish
          u"El tipo de caracteres de la clave de red del archivo de configuración no es válido.", // Spanish
    },
    // 60
    Row{ kEn60, kEn60,
          u"Le fichier de paramètres contient une clé réseau non valide.", // French
          u"In der Einstellungsdatei wurde ein ungültiger Netzwerkschlüssel gefunden.", // German
          u"Inställningsfilen innehåller en ogiltig nätverksnyckel.", // Swedish
          u"Er is een ongeldige netwerksleutel gevonden in het instellingenbestand.", // Dutch
          u"Asetustiedostossa on virheellinen verkkoavain.", // Finnish
          u"Innstillingsfilen inneholder en ugyldig nettverksnøkkel.", // Norwegian
          u"В файле настроек обнаружен недопустимый сетевой ключ.", // Russian
          u"設定ファイルで無効なネットワーク キーが検出されました。", // Japanese
          u"在设置文件中检测到无效的网络密钥。", // Chinese
          u"Indstillingsfilen indeholder en ugyldig netværksnøgle.", // Danish
          u"Nel file di impostazioni è stata rilevata una chiave di rete non valida.", // Italian
          u"W pliku ustawień wykryto nieprawidłowy klucz sieciowy.", // Polish
          u"Se detectó una clave de red no válida en el archivo de configuración.", // Spanish
    },
    // 61
    Row{ kEn61, kEn61,
          u"L'adresse du proxy est absente du fichier de paramètres.", // French
          u"In der Einstellungsdatei fehlt die Proxyadresse.", // German
          u"Proxyadressen saknas i inställningsfilen.", // Swedish
          u"Het proxyadres ontbreekt in het instellingenbestand.", // Dutch
          u"Asetustiedostosta puuttuu välityspalvelimen osoite.", // Finnish
          u"Proxyadressen mangler i innstillingsfilen.", // Norwegian
          u"В файле настроек отсутствует адрес прокси-сервера.", // Russian
          u"設定ファイルにプロキシ アドレスがありません。", // Japanese
          u"设置文件中缺少代理地址。", // Chinese
          u"Proxyadressen mangler i indstillingsfilen.", // Danish
          u"Indirizzo proxy mancante nel file di impostazioni.", // Italian
          u"W pliku ustawień brak adresu serwera proxy.", // Polish
          u"Falta la dirección del proxy en el archivo de configuración.", // Spanish
    },
    // 62
    Row{ kEn62, kEn62,
          u"Le numéro de port du proxy est absent du fichier de paramètres.", // French
          u"In der Einstellungsdatei fehlt die Proxyportnummer.", // German
          u"Proxyportnumret saknas i inställningsfilen.", // Swedish
          u"Het proxypoortnummer ontbreekt in het instellingenbestand.", // Dutch
          u"Asetustiedostosta puuttuu välityspalvelimen porttinumero.", // Finnish
          u"Proxyportnummeret mangler i innstillingsfilen.", // Norwegian
          u"В файле настроек отсутствует номер порта прокси-сервера.", // Russian
          u"設定ファイルにプロキシ ポート番号がありません。", // Japanese
          u"设置文件中缺少代理端口号。", // Chinese
          u"Proxyportnummeret mangler i indstillingsfilen.", // Danish
          u"Numero di porta proxy mancante nel file di impostazioni.", // Italian
          u"W pliku ustawień brak numeru portu serwera proxy.", // Polish
          u"Falta el número de puerto del proxy en el archivo de configuración.", // Spanish
    },
    // 63
    Row{ kEn63, kEn63,
          u"Les paramètres contiennent une adresse de proxy non valide.", // French
          u"In den Einstellungen wurde eine ungültige Proxyadresse gefunden.", // German
          u"Inställningarna innehåller en ogiltig proxyadress.", // Swedish
          u"Er is een ongeldig proxyadres gevonden in de instellingen.", // Dutch
          u"Asetuksissa on virheellinen välityspalvelimen osoite.", // Finnish
          u"Innstillingene inneholder en ugyldig proxyadresse.", // Norwegian
          u"В файле настроек обнаружен недопустимый адрес прокси-сервера.", // Russian
          u"設定ファイルで無効なプロキシ アドレスが検出されました。", // Japanese
          u"在设置文件中检测到无效的代理地址。", // Chinese
          u"Indstillingerne indeholder en ugyldig proxyadresse.", // Danish
          u"Nelle impostazioni è stato rilevato un indirizzo proxy non valido.", // Italian
          u"W pliku ustawień wykryto nieprawidłowy adres serwera proxy.", // Polish
          u"Se detectó una dirección del proxy no válida en la configuración.", // Spanish
    },
    // 64
    Row{ kEn64, kEn64,
          u"Le fichier de paramètres contient un numéro de port de proxy non valide.", // French
          u"In der Einstellungsdatei wurde eine ungültige Proxyportnummer gefunden.", // German
          u"Inställningsfilen innehåller ett ogiltigt proxyportnummer.", // Swedish
          u"Er is een ongeldig proxypoortnummer gevonden in het instellingenbestand.", // Dutch
          u"Asetustiedostossa on virheellinen välityspalvelimen porttinumero.", // Finnish
          u"Innstillingsfilen inneholder et ugyldig proxyportnummer.", // Norwegian
          u"В файле настроек обнаружен недопустимый номер порта прокси-сервера.", // Russian
          u"設定ファイルで無効なプロキシ ポート番号が検出されました。", // Japanese
          u"在设置文件中检测到无效的代理端口号。", // Chinese
          u"Indstillingsfilen indeholder et ugyldigt proxyportnummer.", // Danish
          u"Nel file di impostazioni è stato rilevato un numero di porta proxy non valido.", // Italian
          u"W pliku ustawień wykryto nieprawidłowy numer portu serwera proxy.", // Polish
          u"Se detectó un número de puerto del proxy no válido en el archivo de configuración.", // Spanish
    },
    // 65
    Row{ kEn65, kEn65,
          u"Sélectionner un dossier", // French
          u"Ordner auswählen", // German
          u"Välj mapp", // Swedish
          u"Map selecteren", // Dutch
          u"Valitse kansio", // Finnish
          u"Velg mappe", // Norwegian
          u"Выберите папку", // Russian
          u"フォルダーの選択", // Japanese
          u"选择文件夹", // Chinese
          u"Vælg mappe", // Danish
          u"Seleziona cartella", // Italian
          u"Wybierz folder", // Polish
          u"Seleccionar carpeta", // Spanish
    },
    // 66
    Row{ kEn66, kEn66,
          u"Créer les paramètres", // French
          u"Einstellungen erstellen", // German
          u"Skapa inställningar", // Swedish
          u"Instellingen maken", // Dutch
          u"Luo asetukset", // Finnish
          u"Opprett innstillinger", // Norwegian
          u"Создать настройки", // Russian
          u"設定の作成", // Japanese
          u"创建设置", // Chinese
          u"Opret indstillinger", // Danish
          u"Crea impostazioni", // Italian
          u"Utwórz ustawienia", // Polish
          u"Crear configuración", // Spanish
    },
    // 67
    Row{ kEn67, kEn67,
          u"Remplacer le fichier existant ?", // French
          u"Vorhandene Datei überschreiben?", // German
          u"Vill du skriva över den befintliga filen?", // Swedish
          u"Het bestaande bestand overschrijven?", // Dutch
          u"Korvataanko olemassa oleva tiedosto?", // Finnish
          u"Vil du overskrive den eksisterende filen?", // Norwegian
          u"Перезаписать существующий файл?", // Russian
          u"既存のファイルを上書きしますか?", // Japanese
          u"是否覆盖现有文件？", // Chinese
          u"Vil du overskrive den eksisterende fil?", // Danish
          u"Sovrascrivere il file esistente?", // Italian
          u"Zastąpić istniejący plik?", // Polish
          u"¿Desea sobrescribir el archivo existente?", // Spanish
    },
    // 68
    Row{ kEn68, kEn68,
          u"Le fichier de paramètres a été créé avec succès.", // French
          u"Die Einstellungsdatei wurde erfolgreich erstellt.", // German
          u"Inställningsfilen har skapats.", // Swedish
          u"Het instellingenbestand is met succes gemaakt.", // Dutch
          u"Asetustiedosto on luotu.", // Finnish
          u"Innstillingsfilen ble opprettet.", // Norwegian
          u"Файл настроек успешно создан.", // Russian
          u"設定ファイルを正常に作成しました。", // Japanese
          u"已成功创建设置文件。", // Chinese
          u"Indstillingsfilen blev oprettet.", // Danish
          u"File di impostazioni creato correttamente.", // Italian
          u"Plik ustawień został utworzony pomyślnie.", // Polish
          u"El archivo de configuración se creó correctamente.", // Spanish
    },
    // 69
    Row{ kEn69, kEn69,
          u"La création du fichier de paramètres a échoué.", // French
          u"Die Einstellungsdatei konnte nicht erstellt werden.", // German
          u"Det gick inte att skapa inställningsfilen.", // Swedish
          u"Het maken van het instellingenbestand is mislukt.", // Dutch
          u"Asetustiedoston luominen epäonnistui.", // Finnish
          u"Kunne ikke opprette innstillingsfilen.", // Norwegian
          u"Не удалось создать файл настроек.", // Russian
          u"設定ファイルを作成できませんでした。", // Japanese
          u"创建设置文件失败。", // Chinese
          u"Indstillingsfilen kunne ikke oprettes.", // Danish
          u"Impossibile creare il file di impostazioni.", // Italian
          u"Nie udało się utworzyć pliku ustawień.", // Polish
          u"No se pudo crear el archivo de configuración.", // Spanish
    },
    // 70
    Row{ kEn70, kEn70,
          u"Paramètres du dossier réseau", // French
          u"Netzwerkordner-Einstellungen", // German
          u"Inställning för nätverksmapp", // Swedish
          u"Instellingen netwerkmap", // Dutch
          u"Verkkokansion asetus", // Finnish
          u"Innstilling for nettverksmappe", // Norwegian
          u"Настройка сетевой папки", // Russian
          u"ネットワーク フォルダーの設定", // Japanese
          u"网络文件夹设置", // Chinese
          u"Indstilling for netværksmappe", // Danish
          u"Impostazioni cartella di rete", // Italian
          u"Ustawienia folderu sieciowego", // Polish
          u"Configuración de la carpeta de red", // Spanish
    },
    // 71
    Row{ kEn71, kEn71,
          u"Veuillez saisir le nom de l'appareil.", // French
          u"Bitte geben Sie den Gerätenamen ein.", // German
          u"Ange enhetsnamn.", // Swedish
          u"Voer de apparaatnaam in.", // Dutch
          u"Anna laitteen nimi.", // Finnish
          u"Angi enhetsnavn.", // Norwegian
          u"Введите имя устройства.", // Russian
          u"デバイス名を入力してください。", // Japanese
          u"请输入设备名称。", // Chinese
          u"Angiv enhedsnavn.", // Danish
          u"Immettere il nome del dispositivo.", // Italian
          u"Wprowadź nazwę urządzenia.", // Polish
          u"Escriba el nombre del dispositivo.", // Spanish
    },
    // 72
    Row{ kEn72, kEn72,
          u"Le nom de l'appareil doit comporter de 1 à 15 caractères.", // French
          u"Der Gerätename muss 1 bis 15 Zeichen lang sein.", // German
          u"Giltig längd för enhetsnamnet är 1 till 15 tecken.", // Swedish
          u"De apparaatnaam moet 1 tot 15 tekens lang zijn.", // Dutch
          u"Laitteen nimen sallittu pituus on 1–15 merkkiä.", // Finnish
          u"Gyldig lengde for enhetsnavnet er fra 1 til 15 tegn.", // Norwegian
          u"Длина имени устройства должна составлять от 1 до 15 символов.", // Russian
          u"デバイス名の有効な長さは 1 ～ 15 文字です。", // Japanese
          u"设备名称的有效长度为 1 到 15 个字符。", // Chinese
          u"Gyldig længde for enhedsnavnet er fra 1 til 15 tegn.", // Danish
          u"Il nome del dispositivo deve contenere da 1 a 15 caratteri.", // Italian
          u"Nazwa urządzenia musi mieć długość od 1 do 15 znaków.", // Polish
          u"El nombre del dispositivo debe tener entre 1 y 15 caracteres.", // Spanish
    },
    // 73
    Row{ kEn73, kEn73,
          u"Le nom de l'appareil ne peut contenir que \"0-9\", \"a-z\", \"A-Z\" et \"-\".", // French
          u"Für den Gerätenamen können nur \"0-9\", \"a-z\", \"A-Z\" und \"-\" verwendet werden.", // German
          u"Du kan bara använda \"0-9\", \"a-z\", \"A-Z\" och \"-\" i enhetsnamnet.", // Swedish
          u"U kunt alleen \"0-9\", \"a-z\", \"A-Z\" en \"-\" gebruiken voor de apparaatnaam.", // Dutch
          u"Laitteen nimessä voi käyttää vain merkkejä \"0-9\", \"a-z\", \"A-Z\" ja \"-\".", // Finnish
          u"Du kan bare bruke \"0-9\", \"a-z\", \"A-Z\" og \"-\" i enhetsnavnet.", // Norwegian
          u"В имени устройства можно использовать только \"0-9\", \"a-z\", \"A-Z\" и \"-\".", // Russian
          u"デバイス名には \"0-9\"、\"a-z\"、\"A-Z\"、\"-\" のみ使用できます。", // Japanese
          u"设备名称只能使用 \"0-9\"、\"a-z\"、\"A-Z\" 和 \"-\"。", // Chinese
          u"Du kan kun bruge \"0-9\", \"a-z\", \"A-Z\" og \"-\" i enhedsnavnet.", // Danish
          u"Per il nome del dispositivo è possibile usare solo \"0-9\", \"a-z\", \"A-Z\" e \"-\".", // Italian
          u"W nazwie urządzenia można używać tylko znaków \"0-9\", \"a-z\", \"A-Z\" i \"-\".", // Polish
          u"En el nombre del dispositivo solo se pueden usar \"0-9\", \"a-z\", \"A-Z\" y \"-\".", // Spanish
    },
    // 74
    Row{ kEn74, kEn74,
          u"Un nom d'appareil numérique doit également contenir des lettres.", // French
          u"Ein numerischer Gerätename muss auch Buchstaben enthalten.", // German
          u"Siffror i enhetsnamnet måste kombineras med bokstäver.", // Swedish
          u"Een numerieke apparaatnaam moet ook letters bevatten.", // Dutch
          u"Laitteen nimessä olevien numeroiden kanssa on käytettävä kirjaimia.", // Finnish
          u"Sifre i enhetsnavnet må kombineres med bokstaver.", // Norwegian
          u"Имя устройства не может состоять только из цифр: оно должно содержать и буквы.", // Russian
          u"数字だけのデバイス名は使用できません。英字も含めてください。", // Japanese
          u"设备名称不能只包含数字，必须同时包含字母。", // Chinese
          u"Tal i enhedsnavnet skal kombineres med bogstaver.", // Danish
          u"Il nome del dispositivo non può contenere solo cifre: occorre usare anche lettere.", // Italian
          u"Nazwa urządzenia nie może składać się wyłącznie z cyfr; musi zawierać także litery.", // Polish
          u"El nombre del dispositivo no puede contener solo números; también debe incluir letras.", // Spanish
    },
    // 75
    Row{ kEn75, kEn75,
          u"Un trait d'union dans le nom de l'appareil doit être accompagné de lettres ou de chiffres.", // French
          u"Ein Bindestrich im Gerätenamen muss mit Buchstaben oder Ziffern kombiniert werden.", // German
          u"Bindestreck i enhetsnamnet måste kombineras med bokstäver eller siffror.", // Swedish
          u"Een koppelteken in de apparaatnaam moet worden gecombineerd met letters of cijfers.", // Dutch
          u"Laitteen nimessä olevan yhdysmerkin kanssa on käytettävä kirjaimia tai numeroita.", // Finnish
          u"Bindestreker i enhetsnavnet må kombineres med bokstaver eller sifre.", // Norwegian
          u"Имя устройства не может состоять только из дефисов: оно должно содержать и буквы или цифры.", // Russian
          u"ハイフンだけのデバイス名は使用できません。英字または数字も含めてください。", // Japanese
          u"设备名称不能只包含连字符，必须同时包含字母或数字。", // Chinese
          u"Bindestreger i enhedsnavnet skal kombineres med bogstaver eller tal.", // Danish
          u"Il nome del dispositivo non può contenere solo trattini: occorre usare anche lettere o cifre.", // Italian
          u"Nazwa urządzenia nie może składać się wyłącznie z łączników; musi zawierać także litery lub cyfry.", // Polish
          u"El nombre del dispositivo no puede contener solo guiones; también debe incluir letras o números.", // Spanish
    },
    // 76
    Row{ kEn76, kEn76,
          u"Veuillez vérifier les paramètres du dossier réseau.", // French
          u"Bitte überprüfen Sie die Netzwerkordner-Einstellungen.", // German
          u"Kontrollera inställningarna för nätverksmappen.", // Swedish
          u"Controleer de instellingen van de netwerkmap.", // Dutch
          u"Tarkista verkkokansion asetukset.", // Finnish
          u"Kontroller innstillingene for nettverksmappen.", // Norwegian
          u"Проверьте настройки сетевой папки.", // Russian
          u"ネットワーク フォルダーの設定を確認してください。", // Japanese
          u"请检查网络文件夹设置。", // Chinese
          u"Kontrollér indstillingerne for netværksmappen.", // Danish
          u"Verificare le impostazioni della cartella di rete.", // Italian
          u"Sprawdź ustawienia folderu sieciowego.", // Polish
          u"Compruebe la configuración de la carpeta de red.", // Spanish
    },
    // 77
    Row{ kEn77, kEn77,
          u"Veuillez saisir l'ID utilisateur.", // French
          u"Bitte geben Sie die Benutzer-ID ein.", // German
          u"Ange användar-ID.", // Swedish
          u"Voer de gebruikers-ID in.", // Dutch
          u"Anna käyttäjätunnus.", // Finnish
          u"Angi bruker-ID.", // Norwegian
          u"Введите ID пользователя.", // Russian
          u"ユーザー ID を入力してください。", // Japanese
          u"请输入用户 ID。", // Chinese
          u"Angiv bruger-id.", // Danish
          u"Immettere l'ID utente.", // Italian
          u"Wprowadź identyfikator użytkownika.", // Polish
          u"Escriba el ID de usuario.", // Spanish
    },
    // 78
    Row{ kEn78, kEn78,
          u"L'ID utilisateur du dossier réseau doit comporter de 1 à 32 caractères.", // French
          u"Die Benutzer-ID des Netzwerkordners muss 1 bis 32 Zeichen lang sein.", // German
          u"Giltig längd för nätverksmappens användar-ID är 1 till 32 tecken.", // Swedish
          u"De gebruikers-ID van de netwerkmap moet 1 tot 32 tekens lang zijn.", // Dutch
          u"Verkkokansion käyttäjätunnuksen sallittu pituus on 1–32 merkkiä.", // Finnish
          u"Gyldig lengde for nettverksmappens bruker-ID er fra 1 til 32 tegn.", // Norwegian
          u"Длина ID пользователя сетевой папки должна составлять от 1 до 32 символов.", // Russian
          u"ネットワーク フォルダーのユーザー ID の有効な長さは 1 ～ 32 文字です。", // Japanese
          u"网络文件夹用户 ID 的有效长度为 1 到 32 个字符。", // Chinese
          u"Gyldig længde for netværksmappens bruger-id er fra 1 til 32 tegn.", // Danish
          u"L'ID utente della cartella di rete deve contenere da 1 a 32 caratteri.", // Italian
          u"Identyfikator użytkownika folderu sieciowego musi mieć długość od 1 do 32 znaków.", // Polish
          u"El ID de usuario de la carpeta de red debe tener entre 1 y 32 caracteres.", // Spanish
    },
    // 79
    Row{ kEn79, kEn79,
          u"L'ID utilisateur du dossier réseau ne peut contenir que \"0-9\", \"a-z\", \"A-Z\", \"-\" et \"_\".", // French
          u"Für die Benutzer-ID des Netzwerkordners können nur \"0-9\", \"a-z\", \"A-Z\", \"-\" und \"_\" verwendet werden.", // German
          u"Du kan bara använda \"0-9\", \"a-z\", \"A-Z\", \"-\" och \"_\" i nätverksmappens användar-ID.", // Swedish
          u"U kunt alleen \"0-9\", \"a-z\", \"A-Z\", \"-\" en \"_\" gebruiken voor de gebruikers-ID van de netwerkmap.", // Dutch
          u"Verkkokansion käyttäjätunnuksessa voi käyttää vain merkkejä \"0-9\", \"a-z\", \"A-Z\", \"-\" ja \"_\".", // Finnish
          u"Du kan bare bruke \"0-9\", \"a-z\", \"A-Z\", \"-\" og \"_\" i nettverksmappens bruker-ID.", // Norwegian
          u"В ID пользователя сетевой папки можно использовать только \"0-9\", \"a-z\", \"A-Z\", \"-\" и \"_\".", // Russian
          u"ネットワーク フォルダーのユーザー ID には \"0-9\"、\"a-z\"、\"A-Z\"、\"-\"、\"_\" のみ使用できます。", // Japanese
          u"网络文件夹用户 ID 只能使用 \"0-9\"、\"a-z\"、\"A-Z\"、\"-\" 和 \"_\"。", // Chinese
          u"Du kan kun bruge \"0-9\", \"a-z\", \"A-Z\", \"-\" og \"_\" i netværksmappens bruger-id.", // Danish
          u"Per l'ID utente della cartella di rete è possibile usare solo \"0-9\", \"a-z\", \"A-Z\", \"-\" e \"_\".", // Italian
          u"W identyfikatorze użytkownika folderu sieciowego można używać tylko znaków \"0-9\", \"a-z\", \"A-Z\", \"-\" i \"_\".", // Polish
          u"En el ID de usuario de la carpeta de red solo se pueden usar \"0-9\", \"a-z\", \"A-Z\", \"-\" y \"_\".", // Spanish
    },
    // 80
    Row{ kEn80, kEn80,
          u"Les mots de passe du dossier réseau ne correspondent pas.", // French
          u"Die Kennwörter des Netzwerkordners stimmen nicht überein.", // German
          u"Lösenorden för nätverksmappen stämmer inte överens.", // Swedish
          u"De wachtwoorden van de netwerkmap komen niet overeen.", // Dutch
          u"Verkkokansion salasanat eivät täsmää.", // Finnish
          u"Passordene for nettverksmappen samsvarer ikke.", // Norwegian
          u"Пароли сетевой папки не совпадают.", // Russian
          u"ネットワーク フォルダーのパスワードが一致しません。", // Japanese
          u"网络文件夹密码不匹配。", // Chinese
          u"Adgangskoderne til netværksmappen stemmer ikke overens.", // Danish
          u"Le password della cartella di rete non corrispondono.", // Italian
          u"Hasła folderu sieciowego nie są zgodne.", // Polish
          u"Las contraseñas de la carpeta de red no coinciden.", // Spanish
    },
    // 81
    Row{ kEn81, kEn81,
          u"Le mot de passe du dossier réseau doit comporter de 0 à 32 caractères.", // French
          u"Das Kennwort des Netzwerkordners muss 0 bis 32 Zeichen lang sein.", // German
          u"Giltig längd för nätverksmappens lösenord är 0 till 32 tecken.", // Swedish
          u"Het wachtwoord van de netwerkmap moet 0 tot 32 tekens lang zijn.", // Dutch
          u"Verkkokansion salasanan sallittu pituus on 0–32 merkkiä.", // Finnish
          u"Gyldig lengde for nettverksmappens passord er fra 0 til 32 tegn.", // Norwegian
          u"Длина пароля сетевой папки должна составлять от 0 до 32 символов.", // Russian
          u"ネットワーク フォルダーのパスワードの有効な長さは 0 ～ 32 文字です。", // Japanese
          u"网络文件夹密码的有效长度为 0 到 32 个字符。", // Chinese
          u"Gyldig længde for netværksmappens adgangskode er fra 0 til 32 tegn.", // Danish
          u"La password della cartella di rete deve contenere da 0 a 32 caratteri.", // Italian
          u"Hasło folderu sieciowego musi mieć długość od 0 do 32 znaków.", // Polish
          u"La contraseña de la carpeta de red debe tener entre 0 y 32 caracteres.", // Spanish
    },
    // 82
    Row{ kEn82, kEn82,
          u"Veuillez utiliser des caractères ASCII pour le mot de passe du dossier réseau.", // French
          u"Bitte verwenden Sie ASCII-Zeichen für das Kennwort des Netzwerkordners.", // German
          u"Använd ASCII-tecken i nätverksmappens lösenord.", // Swedish
          u"Gebruik ASCII-tekens voor het wachtwoord van de netwerkmap.", // Dutch
          u"Käytä verkkokansion salasanassa ASCII-merkkejä.", // Finnish
          u"Bruk ASCII-tegn i nettverksmappens passord.", // Norwegian
          u"Используйте в пароле сетевой папки символы ASCII.", // Russian
          u"ネットワーク フォルダーのパスワードには ASCII 文字を使用してください。", // Japanese
          u"请在网络文件夹密码中使用 ASCII 字符。", // Chinese
          u"Brug ASCII-tegn i netværksmappens adgangskode.", // Danish
          u"Usare caratteri ASCII per la password della cartella di rete.", // Italian
          u"Użyj znaków ASCII w haśle folderu sieciowego.", // Polish
          u"Use caracteres ASCII en la contraseña de la carpeta de red.", // Spanish
    },
    // 83
    Row{ kEn83, kEn83,
          u"Paramètres du réseau local filaire", // French
          u"Einstellungen für kabelgebundenes LAN", // German
          u"Inställning för trådbundet LAN", // Swedish
          u"Instellingen bekabeld LAN", // Dutch
          u"Langallisen lähiverkon asetus", // Finnish
          u"Innstilling for kablet LAN", // Norwegian
          u"Настройка проводной сети", // Russian
          u"有線 LAN の設定", // Japanese
          u"有线局域网设置", // Chinese
          u"Indstilling for kablet LAN", // Danish
          u"Impostazioni LAN cablata", // Italian
          u"Ustawienia sieci przewodowej", // Polish
          u"Configuración de LAN cableada", // Spanish
    },
    // 84
    Row{ kEn84, kEn84,
          u"Veuillez saisir l'adresse du proxy.", // French
          u"Bitte geben Sie die Proxyadresse ein.", // German
          u"Ange proxyadress.", // Swedish
          u"Voer het proxyadres in.", // Dutch
          u"Anna välityspalvelimen osoite.", // Finnish
          u"Angi proxyadresse.", // Norwegian
          u"Введите адрес прокси-сервера.", // Russian
          u"プロキシ アドレスを入力してください。", // Japanese
          u"请输入代理地址。", // Chinese
          u"Angiv proxyadresse.", // Danish
          u"Immettere l'indirizzo proxy.", // Italian
          u"Wprowadź adres serwera proxy.", // Polish
          u"Escriba la dirección del proxy.", // Spanish
    },
    // 85
    Row{ kEn85, kEn85,
          u"Veuillez saisir le port du proxy.", // French
          u"Bitte geben Sie den Proxyport ein.", // German
          u"Ange proxyport.", // Swedish
          u"Voer de proxypoort in.", // Dutch
          u"Anna välityspalvelimen portti.", // Finnish
          u"Angi proxyport.", // Norwegian
          u"Введите порт прокси-сервера.", // Russian
          u"プロキシ ポートを入力してください。", // Japanese
          u"请输入代理端口。", // Chinese
          u"Angiv proxyport.", // Danish
          u"Immettere la porta proxy.", // Italian
          u"Wprowadź port serwera proxy.", // Polish
          u"Escriba el puerto del proxy.", // Spanish
    },
    // 86
    Row{ kEn86, kEn86,
          u"L'adresse du proxy contient un caractère non valide.", // French
          u"Für die Proxyadresse wurde ein ungültiges Zeichen eingegeben.", // German
          u"Ett ogiltigt tecken har angetts i proxyadressen.", // Swedish
          u"Er is een ongeldig teken ingevoerd voor het proxyadres.", // Dutch
          u"Välityspalvelimen osoitteessa on virheellinen merkki.", // Finnish
          u"Et ugyldig tegn er angitt i proxyadressen.", // Norwegian
          u"В адресе прокси-сервера введен недопустимый символ.", // Russian
          u"プロキシ アドレスに無効な文字が入力されています。", // Japanese
          u"代理地址中输入了无效字符。", // Chinese
          u"Der er angivet et ugyldigt tegn i proxyadressen.", // Danish
          u"L'indirizzo proxy contiene un carattere non valido.", // Italian
          u"W adresie serwera proxy wprowadzono nieprawidłowy znak.", // Polish
          u"La dirección del proxy contiene un carácter no válido.", // Spanish
    },
    // 87
    Row{ kEn87, kEn87,
          u"Numéro de port du proxy non valide.", // French
          u"Ungültige Proxyportnummer.", // German
          u"Ogiltigt proxyportnummer.", // Swedish
          u"Ongeldig proxypoortnummer.", // Dutch
          u"Virheellinen välityspalvelimen porttinumero.", // Finnish
          u"Ugyldig proxyportnummer.", // Norwegian
          u"Недопустимый номер порта прокси-сервера.", // Russian
          u"プロキシ ポート番号が無効です。", // Japanese
          u"代理端口号无效。", // Chinese
          u"Ugyldigt proxyportnummer.", // Danish
          u"Numero di porta proxy non valido.", // Italian
          u"Nieprawidłowy numer portu serwera proxy.", // Polish
          u"Número de puerto del proxy no válido.", // Spanish
    },
    // 88
    Row{ kEn88, kEn88,
          u"La longueur de l'adresse du proxy n'est pas valide.", // French
          u"Die Länge der Proxyadresse ist ungültig.", // German
          u"Proxyadressens längd är ogiltig.", // Swedish
          u"De lengte van het proxyadres is ongeldig.", // Dutch
          u"Välityspalvelimen osoitteen pituus on virheellinen.", // Finnish
          u"Lengden på proxyadressen er ugyldig.", // Norwegian
          u"Недопустимая длина адреса прокси-сервера.", // Russian
          u"プロキシ アドレスの長さが無効です。", // Japanese
          u"代理地址长度无效。", // Chinese
          u"Proxyadressens længde er ugyldig.", // Danish
          u"Lunghezza dell'indirizzo proxy non valida.", // Italian
          u"Nieprawidłowa długość adresu serwera proxy.", // Polish
          u"La longitud de la dirección del proxy no es válida.", // Spanish
    },
    // 89
    Row{ kEn89, kEn89,
          u"Paramètres du réseau local sans fil", // French
          u"WLAN-Einstellungen", // German
          u"Inställning för trådlöst LAN", // Swedish
          u"Instellingen draadloos LAN", // Dutch
          u"Langattoman lähiverkon asetus", // Finnish
          u"Innstilling for trådløst LAN", // Norwegian
          u"Настройка беспроводной сети", // Russian
          u"無線 LAN の設定", // Japanese
          u"无线局域网设置", // Chinese
          u"Indstilling for trådløst LAN", // Danish
          u"Impostazioni LAN wireless", // Italian
          u"Ustawienia sieci bezprzewodowej", // Polish
          u"Configuración de LAN inalámbrica", // Spanish
    },
    // 90
    Row{ kEn90, kEn90,
          u"Veuillez saisir le SSID.", // French
          u"Bitte geben Sie die SSID ein.", // German
          u"Ange SSID.", // Swedish
          u"Voer de SSID in.", // Dutch
          u"Anna SSID.", // Finnish
          u"Angi SSID.", // Norwegian
          u"Введите SSID.", // Russian
          u"SSID を入力してください。", // Japanese
          u"请输入 SSID。", // Chinese
          u"Angiv SSID.", // Danish
          u"Immettere l'SSID.", // Italian
          u"Wprowadź SSID.", // Polish
          u"Escriba el SSID.", // Spanish
    },
    // 91
    Row{ kEn91, kEn91,
          u"Le SSID doit comporter de 1 à 32 caractères.", // French
          u"Die SSID muss 1 bis 32 Zeichen lang sein.", // German
          u"Giltig längd för SSID är 1 till 32 tecken.", // Swedish
          u"De SSID moet 1 tot 32 tekens lang zijn.", // Dutch
          u"SSID:n sallittu pituus on 1–32 merkkiä.", // Finnish
          u"Gyldig lengde for SSID er fra 1 til 32 tegn.", // Norwegian
          u"Длина SSID должна составлять от 1 до 32 символов.", // Russian
          u"SSID の有効な長さは 1 ～ 32 文字です。", // Japanese
          u"SSID 的有效长度为 1 到 32 个字符。", // Chinese
          u"Gyldig længde for SSID er fra 1 til 32 tegn.", // Danish
          u"L'SSID deve contenere da 1 a 32 caratteri.", // Italian
          u"SSID musi mieć długość od 1 do 32 znaków.", // Polish
          u"El SSID debe tener entre 1 y 32 caracteres.", // Spanish
    },
    // 92
    Row{ kEn92, kEn92,
          u"Veuillez utiliser des caractères ASCII pour le SSID.", // French
          u"Bitte verwenden Sie ASCII-Zeichen für die SSID.", // German
          u"Använd ASCII-tecken i SSID.", // Swedish
          u"Gebruik ASCII-tekens voor de SSID.", // Dutch
          u"Käytä SSID:ssä ASCII-merkkejä.", // Finnish
          u"Bruk ASCII-tegn i SSID.", // Norwegian
          u"Используйте в SSID символы ASCII.", // Russian
          u"SSID には ASCII 文字を使用してください。", // Japanese
          u"请在 SSID 中使用 ASCII 字符。", // Chinese
          u"Brug ASCII-tegn i SSID.", // Danish
          u"Usare caratteri ASCII per l'SSID.", // Italian
          u"Użyj znaków ASCII w SSID.", // Polish
          u"Use caracteres ASCII en el SSID.", // Spanish
    },
    // 93
    Row{ kEn93, kEn93,
          u"Veuillez vérifier les paramètres.", // French
          u"Bitte überprüfen Sie die Einstellungen.", // German
          u"Kontrollera inställningarna.", // Swedish
          u"Controleer de instellingen.", // Dutch
          u"Tarkista asetukset.", // Finnish
          u"Kontroller innstillingene.", // Norwegian
          u"Проверьте настройки.", // Russian
          u"設定を確認してください。", // Japanese
          u"请检查设置。", // Chinese
          u"Kontrollér indstillingerne.", // Danish
          u"Verificare le impostazioni.", // Italian
          u"Sprawdź ustawienia.", // Polish
          u"Compruebe la configuración.", // Spanish
    },
    // 94
    Row{ kEn94, kEn94,
          u"Les clés réseau ne correspondent pas.", // French
          u"Die Netzwerkschlüssel stimmen nicht überein.", // German
          u"Nätverksnycklarna stämmer inte överens.", // Swedish
          u"De netwerksleutels komen niet overeen.", // Dutch
          u"Verkkoavaimet eivät täsmää.", // Finnish
          u"Nettverksnøklene samsvarer ikke.", // Norwegian
          u"Сетевые ключи не совпадают.", // Russian
          u"ネットワーク キーが一致しません。", // Japanese
          u"网络密钥不匹配。", // Chinese
          u"Netværksnøglerne stemmer ikke overens.", // Danish
          u"Le chiavi di rete non corrispondono.", // Italian
          u"Klucze sieciowe nie są zgodne.", // Polish
          u"Las claves de red no coinciden.", // Spanish
    },
    // 95
    Row{ kEn95, kEn95,
          u"Veuillez saisir la clé réseau.", // French
          u"Bitte geben Sie den Netzwerkschlüssel ein.", // German
          u"Ange nätverksnyckel.", // Swedish
          u"Voer de netwerksleutel in.", // Dutch
          u"Anna verkkoavain.", // Finnish
          u"Angi nettverksnøkkel.", // Norwegian
          u"Введите сетевой ключ.", // Russian
          u"ネットワーク キーを入力してください。", // Japanese
          u"请输入网络密钥。", // Chinese
          u"Angiv netværksnøgle.", // Danish
          u"Immettere la chiave di rete.", // Italian
          u"Wprowadź klucz sieciowy.", // Polish
          u"Escriba la clave de red.", // Spanish
    },
    // 96
    Row{ kEn96, kEn96,
          u"La longueur de la clé réseau n'est pas valide.", // French
          u"Die Länge des Netzwerkschlüssels ist ungültig.", // German
          u"Nätverksnyckelns längd är ogiltig.", // Swedish
          u"De lengte van de netwerksleutel is ongeldig.", // Dutch
          u"Verkkoavaimen pituus on virheellinen.", // Finnish
          u"Lengden på nettverksnøkkelen er ugyldig.", // Norwegian
          u"Недопустимая длина сетевого ключа.", // Russian
          u"ネットワーク キーの長さが無効です。", // Japanese
          u"网络密钥长度无效。", // Chinese
          u"Netværksnøglens længde er ugyldig.", // Danish
          u"Lunghezza della chiave di rete non valida.", // Italian
          u"Nieprawidłowa długość klucza sieciowego.", // Polish
          u"La longitud de la clave de red no es válida.", // Spanish
    },
    // 97
    Row{ kEn97, kEn97,
          u"La clé réseau contient un caractère non valide.", // French
          u"Für den Netzwerkschlüssel wurde ein ungültiges Zeichen eingegeben.", // German
          u"Ett ogiltigt tecken har angetts i nätverksnyckeln.", // Swedish
          u"Er is een ongeldig teken ingevoerd voor de netwerksleutel.", // Dutch
          u"Verkkoavaimessa on virheellinen merkki.", // Finnish
          u"Et ugyldig tegn er angitt i nettverksnøkkelen.", // Norwegian
          u"В сетевом ключе введен недопустимый символ.", // Russian
          u"ネットワーク キーに無効な文字が入力されています。", // Japanese
          u"网络密钥中输入了无效字符。", // Chinese
          u"Der er angivet et ugyldigt tegn i netværksnøglen.", // Danish
          u"La chiave di rete contiene un carattere non valido.", // Italian
          u"W kluczu sieciowym wprowadzono nieprawidłowy znak.", // Polish
          u"La clave de red contiene un carácter no válido.", // Spanish
    },
    // 98
    Row{ kEn98, kEn98,
          u"Veuillez saisir l'adresse IP.", // French
          u"Bitte geben Sie die IP-Adresse ein.", // German
          u"Ange IP-adress.", // Swedish
          u"Voer het IP-adres in.", // Dutch
          u"Anna IP-osoite.", // Finnish
          u"Angi IP-adresse.", // Norwegian
          u"Введите IP-адрес.", // Russian
          u"IP アドレスを入力してください。", // Japanese
          u"请输入 IP 地址。", // Chinese
          u"Angiv IP-adresse.", // Danish
          u"Immettere l'indirizzo IP.", // Italian
          u"Wprowadź adres IP.", // Polish
          u"Escriba la dirección IP.", // Spanish
    },
    // 99
    Row{ kEn99, kEn99,
          u"Veuillez saisir le masque de sous-réseau.", // French
          u"Bitte geben Sie die Subnetzmaske ein.", // German
          u"Ange nätmask.", // Swedish
          u"Voer het subnetmasker in.", // Dutch
          u"Anna aliverkon peite.", // Finnish
          u"Angi nettverksmaske.", // Norwegian
          u"Введите маску подсети.", // Russian
          u"サブネット マスクを入力してください。", // Japanese
          u"请输入子网掩码。", // Chinese
          u"Angiv undernetmaske.", // Danish
          u"Immettere la subnet mask.", // Italian
          u"Wprowadź maskę podsieci.", // Polish
          u"Escriba la máscara de subred.", // Spanish
    },
    // 100
    Row{ kEn100, kEn100,
          u"Veuillez saisir l'adresse du proxy.", // French
          u"Bitte geben Sie die Proxyadresse ein.", // German
          u"Ange proxyadress.", // Swedish
          u"Voer het proxyadres in.", // Dutch
          u"Anna välityspalvelimen osoite.", // Finnish
          u"Angi proxyadresse.", // Norwegian
          u"Введите адрес прокси-сервера.", // Russian
          u"プロキシ アドレスを入力してください。", // Japanese
          u"请输入代理地址。", // Chinese
          u"Angiv proxyadresse.", // Danish
          u"Immettere l'indirizzo proxy.", // Italian
          u"Wprowadź adres serwera proxy.", // Polish
          u"Escriba la dirección del proxy.", // Spanish
    },
    // 101
    Row{ kEn101, kEn101,
          u"Veuillez saisir le port du proxy.", // French
          u"Bitte geben Sie den Proxyport ein.", // German
          u"Ange proxyport.", // Swedish
          u"Voer de proxypoort in.", // Dutch
          u"Anna välityspalvelimen portti.", // Finnish
          u"Angi proxyport.", // Norwegian
          u"Введите порт прокси-сервера.", // Russian
          u"プロキシ ポートを入力してください。", // Japanese
          u"请输入代理端口。", // Chinese
          u"Angiv proxyport.", // Danish
          u"Immettere la porta proxy.", // Italian
          u"Wprowadź port serwera proxy.", // Polish
          u"Escriba el puerto del proxy.", // Spanish
    },
    // 102
    Row{ kEn102, kEn102,
          u"L'adresse du proxy contient un caractère non valide.", // French
          u"Für die Proxyadresse wurde ein ungültiges Zeichen eingegeben.", // German
          u"Ett ogiltigt tecken har angetts i proxyadressen.", // Swedish
          u"Er is een ongeldig teken ingevoerd voor het proxyadres.", // Dutch
          u"Välityspalvelimen osoitteessa on virheellinen merkki.", // Finnish
          u"Et ugyldig tegn er angitt i proxyadressen.", // Norwegian
          u"В адресе прокси-сервера введен недопустимый символ.", // Russian
          u"プロキシ アドレスに無効な文字が入力されています。", // Japanese
          u"代理地址中输入了无效字符。", // Chinese
          u"Der er angivet et ugyldigt tegn i proxyadressen.", // Danish
          u"L'indirizzo proxy contiene un carattere non valido.", // Italian
          u"W adresie serwera proxy wprowadzono nieprawidłowy znak.", // Polish
          u"La dirección del proxy contiene un carácter no válido.", // Spanish
    },
    // 103
    Row{ kEn103, kEn103,
          u"Numéro de port du proxy non valide.", // French
          u"Ungültige Proxyportnummer.", // German
          u"Ogiltigt proxyportnummer.", // Swedish
          u"Ongeldig proxypoortnummer.", // Dutch
          u"Virheellinen välityspalvelimen porttinumero.", // Finnish
          u"Ugyldig proxyportnummer.", // Norwegian
          u"Недопустимый номер порта прокси-сервера.", // Russian
          u"プロキシ ポート番号が無効です。", // Japanese
          u"代理端口号无效。", // Chinese
          u"Ugyldigt proxyportnummer.", // Danish
          u"Numero di porta proxy non valido.", // Italian
          u"Nieprawidłowy numer portu serwera proxy.", // Polish
          u"Número de puerto del proxy no válido.", // Spanish
    },
    // 104
    Row{ kEn104, kEn104,
          u"La longueur de l'adresse du proxy n'est pas valide.", // French
          u"Die Länge der Proxyadresse ist ungültig.", // German
          u"Proxyadressens längd är ogiltig.", // Swedish
          u"De lengte van het proxyadres is ongeldig.", // Dutch
          u"Välityspalvelimen osoitteen pituus on virheellinen.", // Finnish
          u"Lengden på proxyadressen er ugyldig.", // Norwegian
          u"Недопустимая длина адреса прокси-сервера.", // Russian
          u"プロキシ アドレスの長さが無効です。", // Japanese
          u"代理地址长度无效。", // Chinese
          u"Proxyadressens længde er ugyldig.", // Danish
          u"Lunghezza dell'indirizzo proxy non valida.", // Italian
          u"Nieprawidłowa długość adresu serwera proxy.", // Polish
          u"La longitud de la dirección del proxy no es válida.", // Spanish
    },
    // 105
    Row{ kEn105, kEn105,
          u"Adresse IP non valide.", // French
          u"Ungültige IP-Adresse.", // German
          u"Ogiltig IP-adress.", // Swedish
          u"Ongeldig IP-adres.", // Dutch
          u"Virheellinen IP-osoite.", // Finnish
          u"Ugyldig IP-adresse.", // Norwegian
          u"Недопустимый IP-адрес.", // Russian
          u"IP アドレスが無効です。", // Japanese
          u"IP 地址无效。", // Chinese
          u"Ugyldig IP-adresse.", // Danish
          u"Indirizzo IP non valido.", // Italian
          u"Nieprawidłowy adres IP.", // Polish
          u"Dirección IP no válida.", // Spanish
    },
    // 106
    Row{ kEn106, kEn106,
          u"Propriétés du réseau local sans fil", // French
          u"WLAN-Eigenschaften", // German
          u"Egenskaper för trådlöst LAN", // Swedish
          u"Eigenschappen draadloos LAN", // Dutch
          u"Langattoman lähiverkon ominaisuudet", // Finnish
          u"Egenskaper for trådløst LAN", // Norwegian
          u"Свойства беспроводной сети", // Russian
          u"無線 LAN のプロパティ", // Japanese
          u"无线局域网属性", // Chinese
          u"Egenskaber for trådløst LAN", // Danish
          u"Proprietà LAN wireless", // Italian
          u"Właściwości sieci bezprzewodowej", // Polish
          u"Propiedades de LAN inalámbrica", // Spanish
    },
    // 107
    Row{ kEn107, kEn107,
          u"Annuler", // French
          u"Abbrechen", // German
          u"Avbryt", // Swedish
          u"Annuleren", // Dutch
          u"Peruuta", // Finnish
          u"Avbryt", // Norwegian
          u"Отмена", // Russian
          u"キャンセル", // Japanese
          u"取消", // Chinese
          u"Annuller", // Danish
          u"Annulla", // Italian
          u"Anuluj", // Polish
          u"Cancelar", // Spanish
    },
    // 108
    Row{ kEn108, kEn108,
          u"Effacer", // French
          u"Zurücksetzen", // German
          u"Rensa", // Swedish
          u"Wissen", // Dutch
          u"Tyhjennä", // Finnish
          u"Tøm", // Norwegian
          u"Очистить", // Russian
          u"クリア", // Japanese
          u"清除", // Chinese
          u"Ryd", // Danish
          u"Cancella", // Italian
          u"Wyczyść", // Polish
          u"Borrar", // Spanish
    },
    // 109
    Row{ kEn109, kEn109,
          kEn109, // French
          kEn109, // German
          kEn109, // Swedish
          kEn109, // Dutch
          kEn109, // Finnish
          kEn109, // Norwegian
          u"ОК", // Russian
          kEn109, // Japanese
          u"确定", // Chinese
          kEn109, // Danish
          kEn109, // Italian
          kEn109, // Polish
          kEn109, // Spanish
    },
    // 110
    Row{ kEn110, kEn110,
          u"Paramètres de sécurité sans fil", // French
          u"WLAN-Sicherheitseinstellungen", // German
          u"Inställningar för trådlös säkerhet", // Swedish
          u"Draadloze beveiligingsinstellingen", // Dutch
          u"Langattoman yhteyden suojausasetukset", // Finnish
          u"Innstillinger for trådløs sikkerhet", // Norwegian
          u"Настройки безопасности беспроводной сети", // Russian
          u"無線セキュリティの設定", // Japanese
          u"无线安全设置", // Chinese
          u"Indstillinger for trådløs sikkerhed", // Danish
          u"Impostazioni di sicurezza wireless", // Italian
          u"Ustawienia zabezpieczeń sieci bezprzewodowej", // Polish
          u"Configuración de seguridad inalámbrica", // Spanish
    },
    // 111
    Row{ kEn111, kEn111,
          u"SSID :", // French
          kEn111, // German
          kEn111, // Swedish
          kEn111, // Dutch
          kEn111, // Finnish
          kEn111, // Norwegian
          kEn111, // Russian
          kEn111, // Japanese
          u"SSID：", // Chinese
          kEn111, // Danish
          kEn111, // Italian
          kEn111, // Polish
          kEn111, // Spanish
    },
    // 112
    Row{ kEn112, kEn112,
          u"SSID masqué", // French
          u"Versteckte SSID", // German
          u"Dolt SSID", // Swedish
          u"Verborgen SSID", // Dutch
          u"Piilotettu SSID", // Finnish
          u"Skjult SSID", // Norwegian
          u"Скрытый SSID", // Russian
          u"ステルス SSID", // Japanese
          u"隐藏 SSID", // Chinese
          u"Skjult SSID", // Danish
          u"SSID nascosto", // Italian
          u"Ukryty SSID", // Polish
          u"SSID oculto", // Spanish
    },
    // 113
    Row{ kEn113, kEn113,
          u"Sécurité :", // French
          u"Sicherheit:", // German
          u"Säkerhet:", // Swedish
          u"Beveiliging:", // Dutch
          u"Suojaus:", // Finnish
          u"Sikkerhet:", // Norwegian
          u"Безопасность:", // Russian
          u"セキュリティ:", // Japanese
          u"安全性：", // Chinese
          u"Sikkerhed:", // Danish
          u"Sicurezza:", // Italian
          u"Zabezpieczenia:", // Polish
          u"Seguridad:", // Spanish
    },
    // 114
    Row{ kEn114, kEn114,
          u"Clé réseau :", // French
          u"Netzwerkschlüssel:", // German
          u"Nätverksnyckel:", // Swedish
          u"Netwerksleutel:", // Dutch
          u"Verkkoavain:", // Finnish
          u"Nettverksnøkkel:", // Norwegian
          u"Сетевой ключ:", // Russian
          u"ネットワーク キー:", // Japanese
          u"网络密钥：", // Chinese
          u"Netværksnøgle:", // Danish
          u"Chiave di rete:", // Italian
          u"Klucz sieciowy:", // Polish
          u"Clave de red:", // Spanish
    },
    // 115
    Row{ kEn115, kEn115,
          u"Confirmer la clé réseau :", // French
          u"Netzwerkschlüssel bestätigen:", // German
          u"Bekräfta nätverksnyckel:", // Swedish
          u"Netwerksleutel bevestigen:", // Dutch
          u"Vahvista verkkoavain:", // Finnish
          u"Bekreft nettverksnøkkel:", // Norwegian
          u"Подтверждение сетевого ключа:", // Russian
          u"ネットワーク キーの確認:", // Japanese
          u"确认网络密钥：", // Chinese
          u"Bekræft netværksnøgle:", // Danish
          u"Conferma chiave di rete:", // Italian
          u"Potwierdź klucz sieciowy:", // Polish
          u"Confirmar clave de red:", // Spanish
    },
    // 116
    Row{ kEn116, kEn116,
          u"Paramètres d'adresse IP", // French
          u"IP-Adresseinstellungen", // German
          u"IP-adressinställningar", // Swedish
          u"IP-adresinstellingen", // Dutch
          u"IP-osoitteen asetukset", // Finnish
          u"IP-adresseinnstillinger", // Norwegian
          u"Настройки IP-адреса", // Russian
          u"IP アドレスの設定", // Japanese
          u"IP 地址设置", // Chinese
          u"IP-adresseindstillinger", // Danish
          u"Impostazioni indirizzo IP", // Italian
          u"Ustawienia adresu IP", // Polish
          u"Configuración de dirección IP", // Spanish
    },
    // 117
    Row{ kEn117, kEn117,
          u"DHCP activé", // French
          u"DHCP ein", // German
          u"DHCP på", // Swedish
          u"DHCP aan", // Dutch
          u"DHCP käytössä", // Finnish
          u"DHCP på", // Norwegian
          u"DHCP включен", // Russian
          u"DHCP オン", // Japanese
          u"启用 DHCP", // Chinese
          u"DHCP til", // Danish
          u"DHCP attivato", // Italian
          u"DHCP włączony", // Polish
          u"DHCP activado", // Spanish
    },
    // 118
    Row{ kEn118, kEn118,
          u"DHCP désactivé", // French
          u"DHCP aus", // German
          u"DHCP av", // Swedish
          u"DHCP uit", // Dutch
          u"DHCP ei käytössä", // Finnish
          u"DHCP av", // Norwegian
          u"DHCP выключен", // Russian
          u"DHCP オフ", // Japanese
          u"禁用 DHCP", // Chinese
          u"DHCP fra", // Danish
          u"DHCP disattivato", // Italian
          u"DHCP wyłączony", // Polish
          u"DHCP desactivado", // Spanish
    },
    // 119
    Row{ kEn119, kEn119,
          u"Adresse IP :", // French
          u"IP-Adresse:", // German
          u"IP-adress:", // Swedish
          u"IP-adres:", // Dutch
          u"IP-osoite:", // Finnish
          u"IP-adresse:", // Norwegian
          u"IP-адрес:", // Russian
          u"IP アドレス:", // Japanese
          u"IP 地址：", // Chinese
          u"IP-adresse:", // Danish
          u"Indirizzo IP:", // Italian
          u"Adres IP:", // Polish
          u"Dirección IP:", // Spanish
    },
    // 120
    Row{ kEn120, kEn120,
          u"Masque de sous-réseau :", // French
          u"Subnetzmaske:", // German
          u"Nätmask:", // Swedish
          u"Subnetmasker:", // Dutch
          u"Aliverkon peite:", // Finnish
          u"Nettverksmaske:", // Norwegian
          u"Маска подсети:", // Russian
          u"サブネット マスク:", // Japanese
          u"子网掩码：", // Chinese
          u"Undernetmaske:", // Danish
          kEn120, // Italian
          u"Maska podsieci:", // Polish
          u"Máscara de subred:", // Spanish
    },
    // 121
    Row{ kEn121, kEn121,
          u"Passerelle par défaut :", // French
          u"Standardgateway:", // German
          u"Standard-gateway:", // Swedish
          u"Standaardgateway:", // Dutch
          u"Oletusyhdyskäytävä:", // Finnish
          u"Standard gateway:", // Norwegian
          u"Основной шлюз:", // Russian
          u"デフォルト ゲートウェイ:", // Japanese
          u"默认网关：", // Chinese
          u"Standardgateway:", // Danish
          u"Gateway predefinito:", // Italian
          u"Brama domyślna:", // Polish
          u"Puerta de enlace predeterminada:", // Spanish
    },
    // 122
    Row{ kEn122, kEn122,
          u"DNS :", // French
          kEn122, // German
          kEn122, // Swedish
          kEn122, // Dutch
          kEn122, // Finnish
          kEn122, // Norwegian
          kEn122, // Russian
          kEn122, // Japanese
          u"DNS：", // Chinese
          kEn122, // Danish
          kEn122, // Italian
          kEn122, // Polish
          kEn122, // Spanish
    },
    // 123
    Row{ kEn123, kEn123,
          u"DNS secondaire :", // French
          u"Sekundärer DNS:", // German
          u"Sekundär DNS:", // Swedish
          u"Secundaire DNS:", // Dutch
          u"Toissijainen DNS:", // Finnish
          u"Sekundær DNS:", // Norwegian
          u"Дополнительный DNS:", // Russian
          u"セカンダリ DNS:", // Japanese
          u"备用 DNS：", // Chinese
          u"Sekundær DNS:", // Danish
          u"DNS secondario:", // Italian
          u"Zapasowy DNS:", // Polish
          u"DNS secundario:", // Spanish
    },
    // 124
    Row{ kEn124, kEn124,
          u"Paramètres du proxy", // French
          u"Proxyeinstellungen", // German
          u"Proxyinställningar", // Swedish
          u"Proxyinstellingen", // Dutch
          u"Välityspalvelimen asetukset", // Finnish
          u"Proxyinnstillinger", // Norwegian
          u"Настройки прокси-сервера", // Russian
          u"プロキシの設定", // Japanese
          u"代理设置", // Chinese
          u"Proxyindstillinger", // Danish
          u"Impostazioni proxy", // Italian
          u"Ustawienia serwera proxy", // Polish
          u"Configuración del proxy", // Spanish
    },
    // 125
    Row{ kEn125, kEn125,
          u"Utiliser un proxy", // French
          u"Proxy verwenden", // German
          u"Använd proxy", // Swedish
          u"Proxy gebruiken", // Dutch
          u"Käytä välityspalvelinta", // Finnish
          u"Bruk proxy", // Norwegian
          u"Использовать прокси-сервер", // Russian
          u"プロキシを使用する", // Japanese
          u"使用代理", // Chinese
          u"Brug proxy", // Danish
          u"Usa proxy", // Italian
          u"Użyj serwera proxy", // Polish
          u"Usar proxy", // Spanish
    },
    // 126
    Row{ kEn126, kEn126,
          u"Adresse du proxy :", // French
          u"Proxyadresse:", // German
          u"Proxyadress:", // Swedish
          u"Proxyadres:", // Dutch
          u"Välityspalvelimen osoite:", // Finnish
          u"Proxyadresse:", // Norwegian
          u"Адрес прокси-сервера:", // Russian
          u"プロキシ アドレス:", // Japanese
          u"代理地址：", // Chinese
          u"Proxyadresse:", // Danish
          u"Indirizzo proxy:", // Italian
          u"Adres serwera proxy:", // Polish
          u"Dirección del proxy:", // Spanish
    },
    // 127
    Row{ kEn127, kEn127,
          u"Port du proxy :", // French
          u"Proxyport:", // German
          u"Proxyport:", // Swedish
          u"Proxypoort:", // Dutch
          u"Välityspalvelimen portti:", // Finnish
          u"Proxyport:", // Norwegian
          u"Порт прокси-сервера:", // Russian
          u"プロキシ ポート:", // Japanese
          u"代理端口：", // Chinese
          u"Proxyport:", // Danish
          u"Porta proxy:", // Italian
          u"Port serwera proxy:", // Polish
          u"Puerto del proxy:", // Spanish
    },
    // 128
    Row{ kEn128, kEn128,
          u"Sécurité du réseau local sans fil", // French
          u"WLAN-Sicherheit", // German
          u"Säkerhet för trådlöst LAN", // Swedish
          u"Beveiliging draadloos LAN", // Dutch
          u"Langattoman lähiverkon suojaus", // Finnish
          u"Sikkerhet for trådløst LAN", // Norwegian
          u"Безопасность беспроводной сети", // Russian
          u"無線 LAN のセキュリティ", // Japanese
          u"无线局域网安全", // Chinese
          u"Sikkerhed for trådløst LAN", // Danish
          u"Sicurezza LAN wireless", // Italian
          u"Zabezpieczenia sieci bezprzewodowej", // Polish
          u"Seguridad de LAN inalámbrica", // Spanish
    },
    // 129
    Row{ kEn129, kEn129,
          u"Aucune sécurité", // French
          u"Keine Sicherheit", // German
          u"Ingen säkerhet", // Swedish
          u"Geen beveiliging", // Dutch
          u"Ei suojausta", // Finnish
          u"Ingen sikkerhet", // Norwegian
          u"Без защиты", // Russian
          u"セキュリティなし", // Japanese
          u"无安全保护", // Chinese
          u"Ingen sikkerhed", // Danish
          u"Nessuna sicurezza", // Italian
          u"Brak zabezpieczeń", // Polish
          u"Sin seguridad", // Spanish
    },
    // 130
    Row{ kEn130, kEn130,
          kEn130, // French
          kEn130, // German
          kEn130, // Swedish
          kEn130, // Dutch
          kEn130, // Finnish
          kEn130, // Norwegian
          kEn130, // Russian
          kEn130, // Japanese
          kEn130, // Chinese
          kEn130, // Danish
          kEn130, // Italian
          kEn130, // Polish
          kEn130, // Spanish
    },
    // 131
    Row{ kEn131, kEn131,
          kEn131, // French
          kEn131, // German
          kEn131, // Swedish
          kEn131, // Dutch
          kEn131, // Finnish
          kEn131, // Norwegian
          kEn131, // Russian
          kEn131, // Japanese
          kEn131, // Chinese
          kEn131, // Danish
          kEn131, // Italian
          kEn131, // Polish
          kEn131, // Spanish
    },
    // 132
    Row{ kEn132, kEn132,
          kEn132, // French
          kEn132, // German
          kEn132, // Swedish
          kEn132, // Dutch
          kEn132, // Finnish
          kEn132, // Norwegian
          kEn132, // Russian
          kEn132, // Japanese
          kEn132, // Chinese
          kEn132, // Danish
          kEn132, // Italian
          kEn132, // Polish
          kEn132, // Spanish
    },
    // 133
    Row{ kEn133, kEn133,
          kEn133, // French
          kEn133, // German
          kEn133, // Swedish
          kEn133, // Dutch
          kEn133, // Finnish
          kEn133, // Norwegian
          kEn133, // Russian
          kEn133, // Japanese
          kEn133, // Chinese
          kEn133, // Danish
          kEn133, // Italian
          kEn133, // Polish
          kEn133, // Spanish
    },
    // 134
    Row{ kEn134, kEn134,
          kEn134, // French
          kEn134, // German
          kEn134, // Swedish
          kEn134, // Dutch
          kEn134, // Finnish
          kEn134, // Norwegian
          kEn134, // Russian
          kEn134, // Japanese
          kEn134, // Chinese
          kEn134, // Danish
          kEn134, // Italian
          kEn134, // Polish
          kEn134, // Spanish
    },
    // 135
    Row{ kEn135, kEn135,
          u"Paramètres sans fil", // French
          u"WLAN-Einstellungen", // German
          u"Trådlös inställning", // Swedish
          u"Draadloze instellingen", // Dutch
          u"Langattoman yhteyden asetus", // Finnish
          u"Trådløs innstilling", // Norwegian
          u"Настройка беспроводной связи", // Russian
          u"無線設定", // Japanese
          u"无线设置", // Chinese
          u"Trådløs indstilling", // Danish
          u"Impostazioni wireless", // Italian
          u"Ustawienia bezprzewodowe", // Polish
          u"Configuración inalámbrica", // Spanish
    },
    // 136
    Row{ kEn136, kEn136,
          u"Aucun paramètre n'est défini.", // French
          u"Keine Einstellungen vorhanden.", // German
          u"Det finns inga inställningar.", // Swedish
          u"Er zijn geen instellingen.", // Dutch
          u"Asetuksia ei ole.", // Finnish
          u"Det finnes ingen innstillinger.", // Norwegian
          u"Нет ни одной настройки.", // Russian
          u"設定がありません。", // Japanese
          u"没有任何设置。", // Chinese
          u"Der findes ingen indstillinger.", // Danish
          u"Nessuna impostazione presente.", // Italian
          u"Brak ustawień.", // Polish
          u"No hay ninguna configuración.", // Spanish
    },
    // 137
    Row{ kEn137, kEn137,
          u"Le nombre maximal de paramètres sans fil est de 30.", // French
          u"Die maximale Anzahl von WLAN-Einstellungen beträgt 30.", // German
          u"Högsta antalet trådlösa inställningar är 30.", // Swedish
          u"Het maximale aantal draadloze instellingen is 30.", // Dutch
          u"Langattomien asetusten enimmäismäärä on 30.", // Finnish
          u"Maksimalt antall trådløse innstillinger er 30.", // Norwegian
          u"Максимальное число настроек беспроводной связи — 30.", // Russian
          u"無線設定の最大数は 30 件です。", // Japanese
          u"无线设置的最大数量为 30 个。", // Chinese
          u"Det maksimale antal trådløse indstillinger er 30.", // Danish
          u"Il numero massimo di impostazioni wireless è 30.", // Italian
          u"Maksymalna liczba ustawień bezprzewodowych wynosi 30.", // Polish
          u"El número máximo de configuraciones inalámbricas es 30.", // Spanish
    },
    // 138
    Row{ kEn138, kEn138,
          u"Paramètre de sécurité locale", // French
          u"Lokale Sicherheitseinstellung", // German
          u"Lokal säkerhetsinställning", // Swedish
          u"Lokale beveiligingsinstelling", // Dutch
          u"Paikallinen suojausasetus", // Finnish
          u"Lokal sikkerhetsinnstilling", // Norwegian
          u"Локальные параметры безопасности", // Russian
          u"ローカル セキュリティ設定", // Japanese
          u"本地安全设置", // Chinese
          u"Lokal sikkerhedsindstilling", // Danish
          u"Impostazioni di sicurezza locali", // Italian
          u"Ustawienia zabezpieczeń lokalnych", // Polish
          u"Configuración de seguridad local", // Spanish
    },
    // 139
    Row{ kEn139, kEn139,
          kEn139, // French
          kEn139, // German
          kEn139, // Swedish
          kEn139, // Dutch
          kEn139, // Finnish
          kEn139, // Norwegian
          u"ОК", // Russian
          kEn139, // Japanese
          u"确定", // Chinese
          kEn139, // Danish
          kEn139, // Italian
          kEn139, // Polish
          kEn139, // Spanish
    },
    // 140
    Row{ kEn140, kEn140,
          u"Annuler", // French
          u"Abbrechen", // German
          u"Avbryt", // Swedish
          u"Annuleren", // Dutch
          u"Peruuta", // Finnish
          u"Avbryt", // Norwegian
          u"Отмена", // Russian
          u"キャンセル", // Japanese
          u"取消", // Chinese
          u"Annuller", // Danish
          u"Annulla", // Italian
          u"Anuluj", // Polish
          u"Cancelar", // Spanish
    },
    // 141
    Row{ kEn141, kEn141,
          u"Appliquer", // French
          u"Übernehmen", // German
          u"Verkställ", // Swedish
          u"Toepassen", // Dutch
          u"Käytä", // Finnish
          u"Bruk", // Norwegian
          u"Применить", // Russian
          u"適用", // Japanese
          u"应用", // Chinese
          u"Anvend", // Danish
          u"Applica", // Italian
          u"Zastosuj", // Polish
          u"Aplicar", // Spanish
    },
    // 142
    Row{ kEn142, kEn142,
          u"Sécurité réseau : niveau d'authentification LAN Manager", // French
          u"Netzwerksicherheit: LAN Manager-Authentifizierungsebene", // German
          u"Nätverkssäkerhet: Autentiseringsnivå för LAN Manager", // Swedish
          u"Netwerkbeveiliging: LAN Manager-verificatieniveau", // Dutch
          u"Verkon suojaus: LAN Manager -todentamistaso", // Finnish
          u"Nettverkssikkerhet: Godkjenningsnivå for LAN Manager", // Norwegian
          u"Сетевая безопасность: уровень проверки подлинности LAN Manager", // Russian
          u"ネットワーク セキュリティ: LAN Manager 認証レベル", // Japanese
          u"网络安全: LAN 管理器身份验证级别", // Chinese
          u"Netværkssikkerhed: Godkendelsesniveau for LAN Manager", // Danish
          u"Sicurezza di rete: livello di autenticazione di LAN Manager", // Italian
          u"Zabezpieczenia sieci: poziom uwierzytelniania programu LAN Manager", // Polish
          u"Seguridad de red: nivel de autenticación de LAN Manager", // Spanish
    },
    // 143
    Row{ kEn143, kEn143,
          u"REMARQUE : seuls les utilisateurs de Windows 7 et Vista ont besoin de ce paramètre", // French
          u"HINWEIS: Diese Einstellung ist nur für Benutzer von Windows 7 und Vista erforderlich", // German
          u"Obs! Endast användare av Windows 7 och Windows Vista behöver den här inställningen", // Swedish
          u"OPMERKING: alleen gebruikers van Windows 7 en Vista hebben deze instelling nodig", // Dutch
          u"Huomautus: Vain Windows 7:n ja Windows Vistan käyttäjät tarvitsevat tämän asetuksen", // Finnish
          u"Merk: Bare brukere av Windows 7 og Windows Vista trenger denne innstillingen", // Norwegian
          u"Примечание: этот параметр требуется только пользователям Windows 7 и Vista", // Russian
          u"注: この設定が必要なのは Windows 7 および Vista のユーザーのみです", // Japanese
          u"注意：只有 Windows 7 和 Vista 用户需要此设置", // Chinese
          u"Bemærk: Kun brugere af Windows 7 og Windows Vista har brug for denne indstilling", // Danish
          u"NOTA: questa impostazione è necessaria solo per gli utenti di Windows 7 e Vista", // Italian
          u"Uwaga: tego ustawienia wymagają tylko użytkownicy systemów Windows 7 i Vista", // Polish
          u"NOTA: esta configuración solo es necesaria para los usuarios de Windows 7 y Vista", // Spanish
    },
    // 144
    Row{ kEn144, kEn144,
          u"Envoyer les réponses LM et NTLM", // French
          u"LM- und NTLM-Antworten senden", // German
          u"Skicka LM- och NTLM-svar", // Swedish
          u"LM- en NTLM-antwoorden verzenden", // Dutch
          u"Lähetä LM- ja NTLM-vastaukset", // Finnish
          u"Send LM- og NTLM-svar", // Norwegian
          u"Отправлять LM- и NTLM-ответы", // Russian
          u"LM と NTLM 応答を送信する", // Japanese
          u"发送 LM 和 NTLM 响应", // Chinese
          u"Send LM- og NTLM-svar", // Danish
          u"Invia risposte LM e NTLM", // Italian
          u"Wyślij odpowiedzi LM i NTLM", // Polish
          u"Enviar respuestas LM y NTLM", // Spanish
    },
    // 145
    Row{ kEn145, kEn145,
          u"Envoyer LM et NTLM - utiliser la sécurité de session NTLMv2 si négociée", // French
          u"LM und NTLM senden - NTLMv2-Sitzungssicherheit verwenden, wenn ausgehandelt", // German
          u"Skicka LM och NTLM – använd NTLMv2-sessionssäkerhet om det förhandlas", // Swedish
          u"LM en NTLM verzenden - NTLMv2-sessiebeveiliging gebruiken indien overeengekomen", // Dutch
          u"Lähetä LM ja NTLM – käytä NTLMv2-istuntosuojausta, jos siitä neuvotellaan", // Finnish
          u"Send LM og NTLM – bruk NTLMv2-øktsikkerhet hvis det forhandles", // Norwegian
          u"Отправлять LM и NTLM — использовать сеансовую безопасность NTLMv2 при согласовании", // Russian
          u"LM と NTLM を送信する - ネゴシエーションの場合、NTLMv2 セッション セキュリティを使う", // Japanese
          u"发送 LM 和 NTLM - 如果已协商，则使用 NTLMv2 会话安全", // Chinese
          u"Send LM og NTLM – brug NTLMv2-sessionssikkerhed, hvis der forhandles om det", // Danish
          u"Invia LM e NTLM - usa la sicurezza della sessione NTLMv2 se negoziata", // Italian
          u"Wyślij odpowiedzi LM i NTLM - użyj zabezpieczeń sesji NTLMv2, jeśli wynegocjowano", // Polish
          u"Enviar LM y NTLM: usar la seguridad de sesión NTLMv2 si se negocia", // Spanish
    },
    // 146
    Row{ kEn146, kEn146,
          u"Envoyer uniquement les réponses NTLM", // French
          u"Nur NTLM-Antworten senden", // German
          u"Skicka endast NTLM-svar", // Swedish
          u"Alleen NTLM-antwoorden verzenden", // Dutch
          u"Lähetä vain NTLM-vastaus", // Finnish
          u"Send bare NTLM-svar", // Norwegian
          u"Отправлять только NTLM-ответ", // Russian
          u"NTLM 応答のみ送信する", // Japanese
          u"仅发送 NTLM 响应", // Chinese
          u"Send kun NTLM-svar", // Danish
          u"Invia solo risposta NTLM", // Italian
          u"Wyślij tylko odpowiedź NTLM", // Polish
          u"Enviar solo respuesta NTLM", // Spanish
    },
    // 147
    Row{ kEn147, kEn147,
          u"Envoyer uniquement les réponses NTLMv2", // French
          u"Nur NTLMv2-Antworten senden", // German
          u"Skicka endast NTLMv2-svar", // Swedish
          u"Alleen NTLMv2-antwoorden verzenden", // Dutch
          u"Lähetä vain NTLMv2-vastaus", // Finnish
          u"Send bare NTLMv2-svar", // Norwegian
          u"Отправлять только NTLMv2-ответ", // Russian
          u"NTLMv2 応答のみ送信する", // Japanese
          u"仅发送 NTLMv2 响应", // Chinese
          u"Send kun NTLMv2-svar", // Danish
          u"Invia solo risposta NTLMv2", // Italian
          u"Wyślij tylko odpowiedź NTLMv2", // Polish
          u"Enviar solo respuesta NTLMv2", // Spanish
    },
    // 148
    Row{ kEn148, kEn148,
          u"Envoyer uniquement les réponses NTLMv2 / refuser LM", // French
          u"Nur NTLMv2-Antworten senden / LM verweigern", // German
          u"Skicka endast NTLMv2-svar. Neka LM", // Swedish
          u"Alleen NTLMv2-antwoorden verzenden / LM weigeren", // Dutch
          u"Lähetä vain NTLMv2-vastaus. Hylkää LM", // Finnish
          u"Send bare NTLMv2-svar. Avvis LM", // Norwegian
          u"Отправлять только NTLMv2-ответ. Отказывать LM", // Russian
          u"NTLMv2 応答のみ送信する/LM を拒否する", // Japanese
          u"仅发送 NTLMv2 响应。拒绝 LM", // Chinese
          u"Send kun NTLMv2-svar. Afvis LM", // Danish
          u"Invia solo risposta NTLMv2. Rifiuta LM", // Italian
          u"Wyślij tylko odpowiedź NTLMv2. Odmów LM", // Polish
          u"Enviar solo respuesta NTLMv2. Rechazar LM", // Spanish
    },
    // 149
    Row{ kEn149, kEn149,
          u"Envoyer uniquement les réponses NTLMv2 / refuser LM et NTLM", // French
          u"Nur NTLMv2-Antworten senden / LM & NTLM verweigern", // German
          u"Skicka endast NTLMv2-svar. Neka LM och NTLM", // Swedish
          u"Alleen NTLMv2-antwoorden verzenden / LM en NTLM weigeren", // Dutch
          u"Lähetä vain NTLMv2-vastaus. Hylkää LM ja NTLM", // Finnish
          u"Send bare NTLMv2-svar. Avvis LM og NTLM", // Norwegian
          u"Отправлять только NTLMv2-ответ. Отказывать LM и NTLM", // Russian
          u"NTLMv2 応答のみ送信する/LM と NTLM を拒否する", // Japanese
          u"仅发送 NTLMv2 响应。拒绝 LM 和 NTLM", // Chinese
          u"Send kun NTLMv2-svar. Afvis LM og NTLM", // Danish
          u"Invia solo risposta NTLMv2. Rifiuta LM e NTLM", // Italian
          u"Wyślij tylko odpowiedź NTLMv2. Odmów LM i NTLM", // Polish
          u"Enviar solo respuesta NTLMv2. Rechazar LM y NTLM", // Spanish
    },
    // 150
    Row{ kEn150, kEn150,
          u"Paramètre de sécurité locale", // French
          u"Lokale Sicherheitseinstellung", // German
          u"Lokal säkerhetsinställning", // Swedish
          u"Lokale beveiligingsinstelling", // Dutch
          u"Paikallinen suojausasetus", // Finnish
          u"Lokale sikkerhetsinnstillinger", // Norwegian
          u"Локальные параметры безопасности", // Russian
          u"ローカル セキュリティ設定", // Japanese
          u"本地安全设置", // Chinese
          u"Lokal sikkerhedsindstilling", // Danish
          u"Impostazioni di sicurezza locali", // Italian
          u"Ustawienia zabezpieczeń lokalnych", // Polish
          u"Configuración de seguridad local", // Spanish
    },
    // 151
    Row{ kEn151, kEn151,
          u"Vous êtes sur le point de modifier les paramètres de sécurité de Windows. Voulez-vous vraiment continuer ?", // French
          u"Sie sind im Begriff, die Sicherheitseinstellungen Ihres Windows-Betriebssystems zu ändern. Möchten Sie wirklich fortfahren?", // German
          u"Du håller på att ändra en säkerhetsinställning i operativsystemet Windows. Är du säker?", // Swedish
          u"U staat op het punt de beveiligingsinstellingen van Windows te wijzigen. Weet u zeker dat u wilt doorgaan?", // Dutch
          u"Olet muuttamassa Windows-käyttöjärjestelmän suojausasetusta. Haluatko varmasti jatkaa?", // Finnish
          u"Du er i ferd med å endre en sikkerhetsinnstilling i Windows-operativsystemet. Er du sikker?", // Norwegian
          u"Вы собираетесь изменить параметры безопасности Windows. Продолжить?", // Russian
          u"Windows のセキュリティ設定を変更しようとしています。よろしいですか?", // Japanese
          u"您即将更改 Windows 操作系统的安全设置。确定要继续吗？", // Chinese
          u"Du er ved at ændre en sikkerhedsindstilling i Windows-operativsystemet. Er du sikker?", // Danish
          u"Si sta per modificare le impostazioni di sicurezza di Windows. Continuare?", // Italian
          u"Zamierzasz zmienić ustawienia zabezpieczeń systemu Windows. Czy na pewno chcesz kontynuować?", // Polish
          u"Está a punto de cambiar la configuración de seguridad de Windows. ¿Está seguro?", // Spanish
    },
    // 152
    Row{ kEn152, kEn152,
          u"Windows doit être redémarré pour appliquer les nouveaux paramètres de sécurité. Voulez-vous redémarrer maintenant ?", // French
          u"Windows muss neu gestartet werden, damit die neuen Sicherheitseinstellungen wirksam werden. Möchten Sie jetzt neu starten?", // German
          u"Windows måste startas om för att den nya säkerhetsinställningen ska börja gälla. Vill du starta om nu?", // Swedish
          u"Windows moet opnieuw worden opgestart om de nieuwe beveiligingsinstellingen toe te passen. Wilt u nu opnieuw opstarten?", // Dutch
          u"Windows on käynnistettävä uudelleen, jotta uusi suojausasetus tulee voimaan. Haluatko käynnistää sen uudelleen nyt?", // Finnish
          u"Windows må startes på nytt for at den nye sikkerhetsinnstillingen skal tre i kraft. Vil du starte på nytt nå?", // Norwegian
          u"Чтобы новые параметры безопасности вступили в силу, необходимо перезагрузить Windows. Перезагрузить сейчас?", // Russian
          u"新しいセキュリティ設定を反映するには、Windows を再起動する必要があります。今すぐ再起動しますか?", // Japanese
          u"需要重新启动 Windows 才能使新的安全设置生效。是否立即重新启动？", // Chinese
          u"Windows skal genstartes, før den nye sikkerhedsindstilling træder i kraft. Vil du genstarte nu?", // Danish
          u"Per applicare le nuove impostazioni di sicurezza è necessario riavviare Windows. Riavviare ora?", // Italian
          u"Aby nowe ustawienia zabezpieczeń zostały zastosowane, należy ponownie uruchomić system Windows. Czy uruchomić ponownie teraz?", // Polish
          u"Es necesario reiniciar Windows para aplicar la nueva configuración de seguridad. ¿Desea reiniciar ahora?", // Spanish
    },
    // 153
    Row{ kEn153, kEn153,
          u"Sélectionner la cible", // French
          u"Ziel auswählen", // German
          u"Välj mål", // Swedish
          u"Doel selecteren", // Dutch
          u"Valitse kohde", // Finnish
          u"Velg mål", // Norwegian
          u"Выбор места назначения", // Russian
          u"対象の選択", // Japanese
          u"选择目标", // Chinese
          u"Vælg mål", // Danish
          u"Seleziona destinazione", // Italian
          u"Wybierz miejsce docelowe", // Polish
          u"Seleccionar destino", // Spanish
    },
    // 154
    Row{ kEn154, kEn154,
          u"D'où voulez-vous charger les paramètres ?", // French
          u"Von wo möchten Sie die Einstellungen laden?", // German
          u"Varifrån vill du läsa in inställningarna?", // Swedish
          u"Waar wilt u de instellingen vandaan laden?", // Dutch
          u"Mistä haluat ladata asetukset?", // Finnish
          u"Hvor vil du laste inn innstillingene fra?", // Norwegian
          u"Откуда загрузить настройки?", // Russian
          u"どこから設定を読み込みますか?", // Japanese
          u"从何处加载设置？", // Chinese
          u"Hvor vil du indlæse indstillingerne fra?", // Danish
          u"Da dove si desidera caricare le impostazioni?", // Italian
          u"Skąd wczytać ustawienia?", // Polish
          u"¿Desde dónde desea cargar la configuración?", // Spanish
    },
    // 155
    Row{ kEn155, kEn155,
          u"Où voulez-vous créer les paramètres ?", // French
          u"Wo möchten Sie die Einstellungen erstellen?", // German
          u"Var vill du skapa inställningarna?", // Swedish
          u"Waar wilt u de instellingen maken?", // Dutch
          u"Minne haluat luoda asetukset?", // Finnish
          u"Hvor vil du opprette innstillingene?", // Norwegian
          u"Где создать настройки?", // Russian
          u"どこに設定を作成しますか?", // Japanese
          u"在何处创建设置？", // Chinese
          u"Hvor vil du oprette indstillingerne?", // Danish
          u"Dove si desidera creare le impostazioni?", // Italian
          u"Gdzie utworzyć ustawienia?", // Polish
          u"¿Dónde desea crear la configuración?", // Spanish
    },
    // 156
    Row{ kEn156, kEn156,
          u"Carte SD de %s", // French
          u"SD-Karte von %s", // German
          u"SD-kort i %s", // Swedish
          u"SD-kaart van %s", // Dutch
          u"SD-kortti kohteessa %s", // Finnish
          u"SD-kort i %s", // Norwegian
          u"SD-карта в %s", // Russian
          u"%s の SD カード", // Japanese
          u"%s 上的 SD 卡", // Chinese
          u"SD-kort i %s", // Danish
          u"Scheda SD su %s", // Italian
          u"Karta SD w %s", // Polish
          u"Tarjeta SD en %s", // Spanish
    },
    // 157
    Row{ kEn157, kEn157,
          u"Ordinateur local", // French
          u"Lokaler Computer", // German
          u"Lokal dator", // Swedish
          u"Lokale computer", // Dutch
          u"Paikallinen tietokone", // Finnish
          u"Lokal datamaskin", // Norwegian
          u"Локальный компьютер", // Russian
          u"ローカル コンピューター", // Japanese
          u"本地计算机", // Chinese
          u"Lokal computer", // Danish
          u"Computer locale", // Italian
          u"Komputer lokalny", // Polish
          u"Equipo local", // Spanish
    },
};

} // namespace

static_assert(std::size(kCatalog) == MessageCount);

namespace {

constexpr auto kCatalogText = [](std::size_t row, LanguageSlot slot) { return kCatalog[row][slot]; };
constexpr CPackedTexts<MessageCount, PackedLength<MessageCount>(kCatalogText)> kPackedCatalog(
    kCatalogText);
static_assert(kPackedCatalog.ReadsBack(kCatalogText));

LanguageSlot g_currentLanguageSlot = 0;

} // namespace

QStringView MessageText(MessageId id)
{
    return MessageTextInSlot(id, g_currentLanguageSlot);
}

QStringView MessageTextInSlot(MessageId id, LanguageSlot slot)
{
    Q_ASSERT(slot < LanguageSlotCount);
    if (id >= MessageCount)
        return OwnMessageTextInSlot(id, slot);
    return kPackedCatalog.Text(id, slot);
}

LanguageSlot CurrentLanguageSlot()
{
    return g_currentLanguageSlot;
}

void SetCurrentLanguageSlot(LanguageSlot slot)
{
    Q_ASSERT(slot < LanguageSlotCount);
    g_currentLanguageSlot = slot;
}
