// Rows of our own, after the 158 original ones: the same 15 slots, kept sorted by id.
// Each topic's rows stand in its own region below, in the order of their ids.
// clang-format off
#include "i18n/OwnMessageCatalog.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using Row = std::array<QStringView, LanguageSlotCount>;

struct OwnRow {
    MessageId id;
    Row texts; // English (two slots), French, German, Swedish, Dutch, Finnish, Norwegian,
               // Russian, Japanese, Chinese, Danish, Italian, Polish, Spanish
};

constexpr OwnRow kOwnRows[] = {
    // ---- Writing files ----
    { Msg::OutputIsLink, {
        u"The output is a symbolic link; nothing was written.",
        u"The output is a symbolic link; nothing was written.",
        u"La sortie est un lien symbolique ; rien n'a été écrit.", // French
        u"Die Ausgabe ist eine symbolische Verknüpfung; es wurde nichts geschrieben.", // German
        u"Utdata är en symbolisk länk. Inget har skrivits.", // Swedish
        u"De uitvoer is een symbolische koppeling; er is niets geschreven.", // Dutch
        u"Tuloste on symbolinen linkki, joten mitään ei kirjoitettu.", // Finnish
        u"Utdata er en symbolsk kobling. Ingenting ble skrevet.", // Norwegian
        u"Вывод является символической ссылкой; ничего не записано.", // Russian
        u"出力先はシンボリック リンクです。何も書き込まれていません。", // Japanese
        u"输出位置是符号链接；未写入任何内容。", // Chinese
        u"Output er et symbolsk link. Der blev ikke skrevet noget.", // Danish
        u"L'output è un collegamento simbolico; non è stato scritto nulla.", // Italian
        u"Plik wyjściowy jest dowiązaniem symbolicznym; nic nie zostało zapisane.", // Polish
        u"La salida es un vínculo simbólico; no se escribió nada.", // Spanish
    } },
    { Msg::OutputIsDirectory, {
        u"The output is a folder; nothing was written.",
        u"The output is a folder; nothing was written.",
        u"La sortie est un dossier ; rien n'a été écrit.", // French
        u"Die Ausgabe ist ein Ordner; es wurde nichts geschrieben.", // German
        u"Utdata är en mapp. Inget har skrivits.", // Swedish
        u"De uitvoer is een map; er is niets geschreven.", // Dutch
        u"Tuloste on kansio, joten mitään ei kirjoitettu.", // Finnish
        u"Utdata er en mappe. Ingenting ble skrevet.", // Norwegian
        u"Вывод является папкой; ничего не записано.", // Russian
        u"出力先はフォルダーです。何も書き込まれていません。", // Japanese
        u"输出位置是文件夹；未写入任何内容。", // Chinese
        u"Output er en mappe. Der blev ikke skrevet noget.", // Danish
        u"L'output è una cartella; non è stato scritto nulla.", // Italian
        u"Plik wyjściowy jest folderem; nic nie zostało zapisane.", // Polish
        u"La salida es una carpeta; no se escribió nada.", // Spanish
    } },
    { Msg::OutputIsSpecial, {
        u"The output is a device, pipe or socket, not a file; nothing was written.",
        u"The output is a device, pipe or socket, not a file; nothing was written.",
        u"La sortie est un périphérique, un canal ou un socket, et non un fichier ; rien n'a été écrit.", // French
        u"Die Ausgabe ist ein Gerät, eine Pipe oder ein Socket, keine Datei; es wurde nichts geschrieben.", // German
        u"Utdata är en enhet, en pipe eller en socket, inte en fil. Inget har skrivits.", // Swedish
        u"De uitvoer is een apparaat, pipe of socket, geen bestand; er is niets geschreven.", // Dutch
        u"Tuloste on laite, putki tai socket eikä tiedosto, joten mitään ei kirjoitettu.", // Finnish
        u"Utdata er en enhet, et datarør eller en socket, ikke en fil. Ingenting ble skrevet.", // Norwegian
        u"Вывод является устройством, каналом или сокетом, а не файлом; ничего не записано.", // Russian
        u"出力先はファイルではなく、デバイス、パイプ、またはソケットです。何も書き込まれていません。", // Japanese
        u"输出位置是设备、管道或套接字，而不是文件；未写入任何内容。", // Chinese
        u"Output er en enhed, en pipe eller en socket, ikke en fil. Der blev ikke skrevet noget.", // Danish
        u"L'output è un dispositivo, una pipe o un socket, non un file; non è stato scritto nulla.", // Italian
        u"Plik wyjściowy jest urządzeniem, potokiem lub gniazdem, a nie plikiem; nic nie zostało zapisane.", // Polish
        u"La salida es un dispositivo, una canalización o un socket, no un archivo; no se escribió nada.", // Spanish
    } },
    { Msg::FileNotWritten, {
        u"The file could not be written: %1. An earlier file is unchanged.",
        u"The file could not be written: %1. An earlier file is unchanged.",
        u"Impossible d'écrire le fichier : %1. Un fichier existant n'a pas été modifié.", // French
        u"Die Datei konnte nicht geschrieben werden: %1. Eine vorhandene Datei bleibt unverändert.", // German
        u"Det gick inte att skriva filen: %1. En befintlig fil är oförändrad.", // Swedish
        u"Het bestand kan niet worden geschreven: %1. Een bestaand bestand is ongewijzigd.", // Dutch
        u"Tiedoston kirjoittaminen epäonnistui: %1. Olemassa oleva tiedosto on ennallaan.", // Finnish
        u"Kunne ikke skrive filen: %1. En eksisterende fil er uendret.", // Norwegian
        u"Не удалось записать файл: %1. Существующий файл не изменён.", // Russian
        u"ファイルを書き込めませんでした: %1。既存のファイルは変更されていません。", // Japanese
        u"无法写入文件：%1。现有文件未更改。", // Chinese
        u"Filen kunne ikke skrives: %1. En eksisterende fil er uændret.", // Danish
        u"Impossibile scrivere il file: %1. Un file esistente non è stato modificato.", // Italian
        u"Nie można zapisać pliku: %1. Istniejący plik nie został zmieniony.", // Polish
        u"No se pudo escribir el archivo: %1. Un archivo existente no se ha modificado.", // Spanish
    } },
    { Msg::FolderNotSynced, {
        u"The new file is in place, but the folder could not be written to the disk: %1.",
        u"The new file is in place, but the folder could not be written to the disk: %1.",
        u"Le nouveau fichier est en place, mais le dossier n'a pas pu être écrit sur le disque : %1.", // French
        u"Die neue Datei ist vorhanden, aber der Ordner konnte nicht auf den Datenträger geschrieben werden: %1.", // German
        u"Den nya filen finns på plats, men mappen kunde inte skrivas till disken: %1.", // Swedish
        u"Het nieuwe bestand staat op zijn plaats, maar de map kan niet naar de schijf worden geschreven: %1.", // Dutch
        u"Uusi tiedosto on paikallaan, mutta kansiota ei voitu kirjoittaa levylle: %1.", // Finnish
        u"Den nye filen er på plass, men mappen kunne ikke skrives til disken: %1.", // Norwegian
        u"Новый файл на месте, но папку не удалось записать на диск: %1.", // Russian
        u"新しいファイルは配置されましたが、フォルダーをディスクに書き込めませんでした: %1。", // Japanese
        u"新文件已就位，但无法将文件夹写入磁盘：%1。", // Chinese
        u"Den nye fil er på plads, men mappen kunne ikke skrives til disken: %1.", // Danish
        u"Il nuovo file è al suo posto, ma non è stato possibile scrivere la cartella sul disco: %1.", // Italian
        u"Nowy plik jest na miejscu, ale nie można zapisać folderu na dysku: %1.", // Polish
        u"El nuevo archivo está en su lugar, pero no se pudo escribir la carpeta en el disco: %1.", // Spanish
    } },

    // ---- end of Writing files ----

    // ---- Reading files and the checker's output ----
    { Msg::NotSettingsFile, {
        u"The file holds none of the network settings, so it is not a settings file. Nothing was loaded.",
        u"The file holds none of the network settings, so it is not a settings file. Nothing was loaded.",
        u"Le fichier ne contient aucun paramètre réseau : ce n'est pas un fichier de paramètres. Rien n'a été chargé.", // French
        u"Die Datei enthält keine Netzwerkeinstellungen und ist daher keine Einstellungsdatei. Es wurde nichts geladen.", // German
        u"Filen innehåller inga nätverksinställningar och är därför ingen inställningsfil. Ingenting har lästs in.", // Swedish
        u"Het bestand bevat geen netwerkinstellingen en is dus geen instellingenbestand. Er is niets geladen.", // Dutch
        u"Tiedosto ei sisällä verkkoasetuksia, joten se ei ole asetustiedosto. Mitään ei ladattu.", // Finnish
        u"Filen inneholder ingen nettverksinnstillinger og er derfor ingen innstillingsfil. Ingenting ble lastet inn.", // Norwegian
        u"Файл не содержит сетевых настроек, поэтому он не является файлом настроек. Ничего не загружено.", // Russian
        u"このファイルにはネットワーク設定が含まれていないため、設定ファイルではありません。何も読み込まれませんでした。", // Japanese
        u"该文件不包含任何网络设置，因此不是设置文件。未加载任何内容。", // Chinese
        u"Filen indeholder ingen netværksindstillinger og er derfor ikke en indstillingsfil. Intet blev indlæst.", // Danish
        u"Il file non contiene impostazioni di rete, quindi non è un file di impostazioni. Non è stato caricato nulla.", // Italian
        u"Plik nie zawiera żadnych ustawień sieciowych, więc nie jest plikiem ustawień. Nic nie zostało wczytane.", // Polish
        u"El archivo no contiene ninguna configuración de red, por lo que no es un archivo de configuración. No se cargó nada.", // Spanish
    } },
    { Msg::BinarySettingsFile, {
        u"The file holds binary data, not text, so it is not a settings file. Nothing was loaded.",
        u"The file holds binary data, not text, so it is not a settings file. Nothing was loaded.",
        u"Le fichier contient des données binaires et non du texte : ce n'est pas un fichier de paramètres. Rien n'a été chargé.", // French
        u"Die Datei enthält Binärdaten statt Text und ist daher keine Einstellungsdatei. Es wurde nichts geladen.", // German
        u"Filen innehåller binära data i stället för text och är därför ingen inställningsfil. Ingenting har lästs in.", // Swedish
        u"Het bestand bevat binaire gegevens in plaats van tekst en is dus geen instellingenbestand. Er is niets geladen.", // Dutch
        u"Tiedosto sisältää binaaritietoja eikä tekstiä, joten se ei ole asetustiedosto. Mitään ei ladattu.", // Finnish
        u"Filen inneholder binære data i stedet for tekst og er derfor ingen innstillingsfil. Ingenting ble lastet inn.", // Norwegian
        u"Файл содержит двоичные данные, а не текст, поэтому он не является файлом настроек. Ничего не загружено.", // Russian
        u"このファイルにはテキストではなくバイナリ データが含まれているため、設定ファイルではありません。何も読み込まれませんでした。", // Japanese
        u"该文件包含二进制数据而非文本，因此不是设置文件。未加载任何内容。", // Chinese
        u"Filen indeholder binære data i stedet for tekst og er derfor ikke en indstillingsfil. Intet blev indlæst.", // Danish
        u"Il file contiene dati binari anziché testo, quindi non è un file di impostazioni. Non è stato caricato nulla.", // Italian
        u"Plik zawiera dane binarne zamiast tekstu, więc nie jest plikiem ustawień. Nic nie zostało wczytane.", // Polish
        u"El archivo contiene datos binarios en lugar de texto, por lo que no es un archivo de configuración. No se cargó nada.", // Spanish
    } },
    { Msg::OversizedSettingsFile, {
        u"The file is too large to be a settings file. Nothing was loaded.",
        u"The file is too large to be a settings file. Nothing was loaded.",
        u"Le fichier est trop volumineux pour être un fichier de paramètres. Rien n'a été chargé.", // French
        u"Die Datei ist zu groß für eine Einstellungsdatei. Es wurde nichts geladen.", // German
        u"Filen är för stor för att vara en inställningsfil. Ingenting har lästs in.", // Swedish
        u"Het bestand is te groot voor een instellingenbestand. Er is niets geladen.", // Dutch
        u"Tiedosto on liian suuri ollakseen asetustiedosto. Mitään ei ladattu.", // Finnish
        u"Filen er for stor til å være en innstillingsfil. Ingenting ble lastet inn.", // Norwegian
        u"Файл слишком велик для файла настроек. Ничего не загружено.", // Russian
        u"ファイルが大きすぎるため、設定ファイルではありません。何も読み込まれませんでした。", // Japanese
        u"该文件太大，不可能是设置文件。未加载任何内容。", // Chinese
        u"Filen er for stor til at være en indstillingsfil. Intet blev indlæst.", // Danish
        u"Il file è troppo grande per essere un file di impostazioni. Non è stato caricato nulla.", // Italian
        u"Plik jest zbyt duży, aby mógł być plikiem ustawień. Nic nie zostało wczytane.", // Polish
        u"El archivo es demasiado grande para ser un archivo de configuración. No se cargó nada.", // Spanish
    } },
    { Msg::NotARegularFile, {
        u"The selected item is not a file. Nothing was loaded.",
        u"The selected item is not a file. Nothing was loaded.",
        u"L'élément sélectionné n'est pas un fichier. Rien n'a été chargé.", // French
        u"Das ausgewählte Element ist keine Datei. Es wurde nichts geladen.", // German
        u"Det valda objektet är ingen fil. Ingenting har lästs in.", // Swedish
        u"Het geselecteerde item is geen bestand. Er is niets geladen.", // Dutch
        u"Valittu kohde ei ole tiedosto. Mitään ei ladattu.", // Finnish
        u"Det valgte elementet er ikke en fil. Ingenting ble lastet inn.", // Norwegian
        u"Выбранный элемент не является файлом. Ничего не загружено.", // Russian
        u"選択した項目はファイルではありません。何も読み込まれませんでした。", // Japanese
        u"所选项目不是文件。未加载任何内容。", // Chinese
        u"Det valgte element er ikke en fil. Intet blev indlæst.", // Danish
        u"L'elemento selezionato non è un file. Non è stato caricato nulla.", // Italian
        u"Wybrany element nie jest plikiem. Nic nie zostało wczytane.", // Polish
        u"El elemento seleccionado no es un archivo. No se cargó nada.", // Spanish
    } },
    { Msg::UnreadableFile, {
        u"The file cannot be read (%1). Nothing was loaded.",
        u"The file cannot be read (%1). Nothing was loaded.",
        u"Impossible de lire le fichier (%1). Rien n'a été chargé.", // French
        u"Die Datei kann nicht gelesen werden (%1). Es wurde nichts geladen.", // German
        u"Filen kan inte läsas (%1). Ingenting har lästs in.", // Swedish
        u"Het bestand kan niet worden gelezen (%1). Er is niets geladen.", // Dutch
        u"Tiedostoa ei voi lukea (%1). Mitään ei ladattu.", // Finnish
        u"Filen kan ikke leses (%1). Ingenting ble lastet inn.", // Norwegian
        u"Не удается прочитать файл (%1). Ничего не загружено.", // Russian
        u"ファイルを読み取れません (%1)。何も読み込まれませんでした。", // Japanese
        u"无法读取该文件（%1）。未加载任何内容。", // Chinese
        u"Filen kan ikke læses (%1). Intet blev indlæst.", // Danish
        u"Impossibile leggere il file (%1). Non è stato caricato nulla.", // Italian
        u"Nie można odczytać pliku (%1). Nic nie zostało wczytane.", // Polish
        u"No se puede leer el archivo (%1). No se cargó nada.", // Spanish
    } },
    { Msg::WhereSectionKeyValue, {
        u"Section [%1], key %2: “%3”",
        u"Section [%1], key %2: “%3”",
        u"Section [%1], clé %2 : « %3 »", // French
        u"Abschnitt [%1], Schlüssel %2: „%3“", // German
        u"Avsnitt [%1], nyckel %2: ”%3”", // Swedish
        u"Sectie [%1], sleutel %2: ‘%3’", // Dutch
        u"Osa [%1], avain %2: ”%3”", // Finnish
        u"Seksjon [%1], nøkkel %2: «%3»", // Norwegian
        u"Раздел [%1], ключ %2: «%3»", // Russian
        u"セクション [%1]、キー %2: 「%3」", // Japanese
        u"节 [%1]，键 %2：“%3”", // Chinese
        u"Sektion [%1], nøgle %2: “%3”", // Danish
        u"Sezione [%1], chiave %2: «%3»", // Italian
        u"Sekcja [%1], klucz %2: „%3”", // Polish
        u"Sección [%1], clave %2: «%3»", // Spanish
    } },
    { Msg::WhereSectionKey, {
        u"Section [%1], key %2",
        u"Section [%1], key %2",
        u"Section [%1], clé %2", // French
        u"Abschnitt [%1], Schlüssel %2", // German
        u"Avsnitt [%1], nyckel %2", // Swedish
        u"Sectie [%1], sleutel %2", // Dutch
        u"Osa [%1], avain %2", // Finnish
        u"Seksjon [%1], nøkkel %2", // Norwegian
        u"Раздел [%1], ключ %2", // Russian
        u"セクション [%1]、キー %2", // Japanese
        u"节 [%1]，键 %2", // Chinese
        u"Sektion [%1], nøgle %2", // Danish
        u"Sezione [%1], chiave %2", // Italian
        u"Sekcja [%1], klucz %2", // Polish
        u"Sección [%1], clave %2", // Spanish
    } },
    { Msg::WhereProfile, {
        u"Wireless profile %1, SSID “%2”",
        u"Wireless profile %1, SSID “%2”",
        u"Profil sans fil %1, SSID « %2 »", // French
        u"WLAN-Profil %1, SSID „%2“", // German
        u"Trådlös profil %1, SSID ”%2”", // Swedish
        u"Draadloos profiel %1, SSID ‘%2’", // Dutch
        u"Langaton profiili %1, SSID ”%2”", // Finnish
        u"Trådløs profil %1, SSID «%2»", // Norwegian
        u"Профиль беспроводной сети %1, SSID «%2»", // Russian
        u"無線 LAN プロファイル %1、SSID 「%2」", // Japanese
        u"无线配置文件 %1，SSID“%2”", // Chinese
        u"Trådløs profil %1, SSID “%2”", // Danish
        u"Profilo wireless %1, SSID «%2»", // Italian
        u"Profil sieci bezprzewodowej %1, SSID „%2”", // Polish
        u"Perfil inalámbrico %1, SSID «%2»", // Spanish
    } },
    { Msg::WhereProfileWithoutSsid, {
        u"Wireless profile %1, no SSID",
        u"Wireless profile %1, no SSID",
        u"Profil sans fil %1, sans SSID", // French
        u"WLAN-Profil %1, ohne SSID", // German
        u"Trådlös profil %1, utan SSID", // Swedish
        u"Draadloos profiel %1, zonder SSID", // Dutch
        u"Langaton profiili %1, ei SSID:tä", // Finnish
        u"Trådløs profil %1, uten SSID", // Norwegian
        u"Профиль беспроводной сети %1, без SSID", // Russian
        u"無線 LAN プロファイル %1、SSID なし", // Japanese
        u"无线配置文件 %1，无 SSID", // Chinese
        u"Trådløs profil %1, uden SSID", // Danish
        u"Profilo wireless %1, senza SSID", // Italian
        u"Profil sieci bezprzewodowej %1, bez SSID", // Polish
        u"Perfil inalámbrico %1, sin SSID", // Spanish
    } },
    { Msg::WhereFile, {
        u"File: %1",
        u"File: %1",
        u"Fichier : %1", // French
        u"Datei: %1", // German
        u"Fil: %1", // Swedish
        u"Bestand: %1", // Dutch
        u"Tiedosto: %1", // Finnish
        u"Fil: %1", // Norwegian
        u"Файл: %1", // Russian
        u"ファイル: %1", // Japanese
        u"文件：%1", // Chinese
        u"Fil: %1", // Danish
        u"Percorso del file: %1", // Italian
        u"Plik: %1", // Polish
        u"Archivo: %1", // Spanish
    } },
    { Msg::WepKeyForms, {
        u"A WEP key has 5 or 13 characters, or 10 or 26 hexadecimal digits.",
        u"A WEP key has 5 or 13 characters, or 10 or 26 hexadecimal digits.",
        u"Une clé WEP comporte 5 ou 13 caractères, ou 10 ou 26 chiffres hexadécimaux.", // French
        u"Ein WEP-Schlüssel besteht aus 5 oder 13 Zeichen oder aus 10 oder 26 Hexadezimalziffern.", // German
        u"En WEP-nyckel består av 5 eller 13 tecken, eller av 10 eller 26 hexadecimala siffror.", // Swedish
        u"Een WEP-sleutel bestaat uit 5 of 13 tekens, of uit 10 of 26 hexadecimale cijfers.", // Dutch
        u"WEP-avaimessa on 5 tai 13 merkkiä tai 10 tai 26 heksadesimaalinumeroa.", // Finnish
        u"En WEP-nøkkel består av 5 eller 13 tegn, eller av 10 eller 26 heksadesimale sifre.", // Norwegian
        u"Ключ WEP состоит из 5 или 13 символов либо из 10 или 26 шестнадцатеричных цифр.", // Russian
        u"WEP キーは 5 文字または 13 文字、あるいは 16 進数 10 桁または 26 桁です。", // Japanese
        u"WEP 密钥为 5 或 13 个字符，或 10 或 26 个十六进制数字。", // Chinese
        u"En WEP-nøgle består af 5 eller 13 tegn eller af 10 eller 26 hexadecimale cifre.", // Danish
        u"Una chiave WEP è composta da 5 o 13 caratteri oppure da 10 o 26 cifre esadecimali.", // Italian
        u"Klucz WEP składa się z 5 lub 13 znaków albo z 10 lub 26 cyfr szesnastkowych.", // Polish
        u"Una clave WEP tiene 5 o 13 caracteres, o 10 o 26 dígitos hexadecimales.", // Spanish
    } },
    { Msg::WpaKeyForms, {
        u"A WPA or WPA2 key has 8 to 63 characters, or 64 hexadecimal digits.",
        u"A WPA or WPA2 key has 8 to 63 characters, or 64 hexadecimal digits.",
        u"Une clé WPA ou WPA2 comporte de 8 à 63 caractères, ou 64 chiffres hexadécimaux.", // French
        u"Ein WPA- oder WPA2-Schlüssel besteht aus 8 bis 63 Zeichen oder aus 64 Hexadezimalziffern.", // German
        u"En WPA- eller WPA2-nyckel består av 8 till 63 tecken, eller av 64 hexadecimala siffror.", // Swedish
        u"Een WPA- of WPA2-sleutel bestaat uit 8 tot 63 tekens, of uit 64 hexadecimale cijfers.", // Dutch
        u"WPA- tai WPA2-avaimessa on 8–63 merkkiä tai 64 heksadesimaalinumeroa.", // Finnish
        u"En WPA- eller WPA2-nøkkel består av 8 til 63 tegn, eller av 64 heksadesimale sifre.", // Norwegian
        u"Ключ WPA или WPA2 состоит из 8–63 символов либо из 64 шестнадцатеричных цифр.", // Russian
        u"WPA または WPA2 のキーは 8 ～ 63 文字、または 16 進数 64 桁です。", // Japanese
        u"WPA 或 WPA2 密钥为 8 到 63 个字符，或 64 个十六进制数字。", // Chinese
        u"En WPA- eller WPA2-nøgle består af 8 til 63 tegn eller af 64 hexadecimale cifre.", // Danish
        u"Una chiave WPA o WPA2 è composta da 8 a 63 caratteri oppure da 64 cifre esadecimali.", // Italian
        u"Klucz WPA lub WPA2 składa się z 8–63 znaków albo z 64 cyfr szesnastkowych.", // Polish
        u"Una clave WPA o WPA2 tiene de 8 a 63 caracteres, o 64 dígitos hexadecimales.", // Spanish
    } },
    { Msg::LoopbackAddress, {
        u"Addresses that begin with 127 are reserved for loopback and cannot be used as the IP address.",
        u"Addresses that begin with 127 are reserved for loopback and cannot be used as the IP address.",
        u"Les adresses commençant par 127 sont réservées au bouclage et ne peuvent pas être utilisées comme adresse IP.", // French
        u"Adressen, die mit 127 beginnen, sind für Loopback reserviert und können nicht als IP-Adresse verwendet werden.", // German
        u"Adresser som börjar med 127 är reserverade för loopback och kan inte användas som IP-adress.", // Swedish
        u"Adressen die met 127 beginnen, zijn gereserveerd voor loopback en kunnen niet als IP-adres worden gebruikt.", // Dutch
        u"127:llä alkavat osoitteet on varattu silmukkaliikenteelle, eikä niitä voi käyttää IP-osoitteena.", // Finnish
        u"Adresser som begynner med 127, er reservert for loopback og kan ikke brukes som IP-adresse.", // Norwegian
        u"Адреса, начинающиеся со 127, зарезервированы для замыкания на себя и не могут использоваться в качестве IP-адреса.", // Russian
        u"127 で始まるアドレスはループバック用に予約されているため、IP アドレスとして使用できません。", // Japanese
        u"以 127 开头的地址保留用于环回，不能用作 IP 地址。", // Chinese
        u"Adresser, der begynder med 127, er reserveret til loopback og kan ikke bruges som IP-adresse.", // Danish
        u"Gli indirizzi che iniziano con 127 sono riservati al loopback e non possono essere usati come indirizzo IP.", // Italian
        u"Adresy zaczynające się od 127 są zarezerwowane dla pętli zwrotnej i nie mogą być używane jako adres IP.", // Polish
        u"Las direcciones que empiezan por 127 están reservadas para bucle invertido y no se pueden usar como dirección IP.", // Spanish
    } },
    { Msg::CheckerNoInputFile, {
        u"No settings file to check was given.",
        u"No settings file to check was given.",
        u"Aucun fichier de paramètres à vérifier n'a été indiqué.", // French
        u"Es wurde keine zu prüfende Einstellungsdatei angegeben.", // German
        u"Ingen inställningsfil att kontrollera har angetts.", // Swedish
        u"Er is geen te controleren instellingenbestand opgegeven.", // Dutch
        u"Tarkistettavaa asetustiedostoa ei annettu.", // Finnish
        u"Ingen innstillingsfil å kontrollere ble angitt.", // Norwegian
        u"Не указан файл настроек для проверки.", // Russian
        u"確認する設定ファイルが指定されていません。", // Japanese
        u"未指定要检查的设置文件。", // Chinese
        u"Der er ikke angivet nogen indstillingsfil, der skal kontrolleres.", // Danish
        u"Non è stato indicato alcun file di impostazioni da controllare.", // Italian
        u"Nie podano pliku ustawień do sprawdzenia.", // Polish
        u"No se indicó ningún archivo de configuración para comprobar.", // Spanish
    } },
    { Msg::CheckerOptionNeedsValue, {
        u"The option %1 needs a file name.",
        u"The option %1 needs a file name.",
        u"L'option %1 requiert un nom de fichier.", // French
        u"Die Option %1 erfordert einen Dateinamen.", // German
        u"Alternativet %1 kräver ett filnamn.", // Swedish
        u"De optie %1 vereist een bestandsnaam.", // Dutch
        u"Valitsin %1 vaatii tiedostonimen.", // Finnish
        u"Alternativet %1 krever et filnavn.", // Norwegian
        u"Для параметра %1 требуется имя файла.", // Russian
        u"オプション %1 にはファイル名が必要です。", // Japanese
        u"选项 %1 需要文件名。", // Chinese
        u"Parameteren %1 kræver et filnavn.", // Danish
        u"L'opzione %1 richiede un nome file.", // Italian
        u"Opcja %1 wymaga nazwy pliku.", // Polish
        u"La opción %1 requiere un nombre de archivo.", // Spanish
    } },
    { Msg::CheckerUnknownOption, {
        u"Unknown option %1.",
        u"Unknown option %1.",
        u"Option inconnue : %1.", // French
        u"Unbekannte Option %1.", // German
        u"Okänt alternativ %1.", // Swedish
        u"Onbekende optie %1.", // Dutch
        u"Tuntematon valitsin %1.", // Finnish
        u"Ukjent alternativ %1.", // Norwegian
        u"Неизвестный параметр %1.", // Russian
        u"不明なオプション %1 です。", // Japanese
        u"未知选项 %1。", // Chinese
        u"Ukendt parameter %1.", // Danish
        u"Opzione sconosciuta %1.", // Italian
        u"Nieznana opcja %1.", // Polish
        u"Opción desconocida %1.", // Spanish
    } },
    { Msg::CheckerTooManyFiles, {
        u"Only one settings file can be checked at a time.",
        u"Only one settings file can be checked at a time.",
        u"Un seul fichier de paramètres peut être vérifié à la fois.", // French
        u"Es kann jeweils nur eine Einstellungsdatei geprüft werden.", // German
        u"Endast en inställningsfil i taget kan kontrolleras.", // Swedish
        u"Er kan slechts één instellingenbestand tegelijk worden gecontroleerd.", // Dutch
        u"Vain yhden asetustiedoston voi tarkistaa kerrallaan.", // Finnish
        u"Bare én innstillingsfil kan kontrolleres om gangen.", // Norwegian
        u"Одновременно можно проверить только один файл настроек.", // Russian
        u"一度に確認できる設定ファイルは 1 つだけです。", // Japanese
        u"一次只能检查一个设置文件。", // Chinese
        u"Der kan kun kontrolleres én indstillingsfil ad gangen.", // Danish
        u"È possibile controllare un solo file di impostazioni alla volta.", // Italian
        u"Jednocześnie można sprawdzić tylko jeden plik ustawień.", // Polish
        u"Solo se puede comprobar un archivo de configuración a la vez.", // Spanish
    } },
    { Msg::CheckerOptionRepeated, {
        u"The option %1 is given more than once.",
        u"The option %1 is given more than once.",
        u"L'option %1 est indiquée plusieurs fois.", // French
        u"Die Option %1 wurde mehrfach angegeben.", // German
        u"Alternativet %1 har angetts mer än en gång.", // Swedish
        u"De optie %1 is meer dan eens opgegeven.", // Dutch
        u"Valitsin %1 on annettu useammin kuin kerran.", // Finnish
        u"Alternativet %1 er angitt mer enn én gang.", // Norwegian
        u"Параметр %1 указан более одного раза.", // Russian
        u"オプション %1 が複数回指定されています。", // Japanese
        u"选项 %1 被指定了多次。", // Chinese
        u"Parameteren %1 er angivet mere end én gang.", // Danish
        u"L'opzione %1 è indicata più di una volta.", // Italian
        u"Opcja %1 została podana więcej niż raz.", // Polish
        u"La opción %1 se indicó más de una vez.", // Spanish
    } },
    { Msg::KeyNotSealable, {
        u"The network key holds a character that the reader cannot receive. Use other characters or the hexadecimal form.",
        u"The network key holds a character that the reader cannot receive. Use other characters or the hexadecimal form.",
        u"La clé réseau contient un caractère que le lecteur ne peut pas recevoir. Utilisez d'autres caractères ou la forme hexadécimale.", // French
        u"Der Netzwerkschlüssel enthält ein Zeichen, das das Lesegerät nicht empfangen kann. Verwenden Sie andere Zeichen oder die hexadezimale Form.", // German
        u"Nätverksnyckeln innehåller ett tecken som läsaren inte kan ta emot. Använd andra tecken eller den hexadecimala formen.", // Swedish
        u"De netwerksleutel bevat een teken dat de lezer niet kan ontvangen. Gebruik andere tekens of de hexadecimale vorm.", // Dutch
        u"Verkkoavaimessa on merkki, jota lukulaite ei voi vastaanottaa. Käytä muita merkkejä tai heksadesimaalimuotoa.", // Finnish
        u"Nettverksnøkkelen inneholder et tegn som leseren ikke kan motta. Bruk andre tegn eller den heksadesimale formen.", // Norwegian
        u"Сетевой ключ содержит символ, который устройство чтения не может принять. Используйте другие символы или шестнадцатеричную форму.", // Russian
        u"ネットワーク キーにリーダーが受け取れない文字が含まれています。別の文字か 16 進数形式を使用してください。", // Japanese
        u"网络密钥包含阅读器无法接收的字符。请使用其他字符或十六进制形式。", // Chinese
        u"Netværksnøglen indeholder et tegn, som læseren ikke kan modtage. Brug andre tegn eller den hexadecimale form.", // Danish
        u"La chiave di rete contiene un carattere che il lettore non può ricevere. Usare altri caratteri o la forma esadecimale.", // Italian
        u"Klucz sieciowy zawiera znak, którego czytnik nie może odebrać. Użyj innych znaków lub postaci szesnastkowej.", // Polish
        u"La clave de red contiene un carácter que el lector no puede recibir. Use otros caracteres o la forma hexadecimal.", // Spanish
    } },
    // ---- end of Reading files and the checker's output ----

    // ---- Importing networks, QR codes, showing the key ----

    // ---- end of Importing networks, QR codes, showing the key ----

    // ---- Removable volumes, verifying and ejecting ----

    // ---- end of Removable volumes, verifying and ejecting ----

    // ---- Keyboard, shortcuts and screen readers ----

    // ---- end of Keyboard, shortcuts and screen readers ----
    { 0, {} }, // sentinel, never looked up
};

constexpr int kOwnRowCount = int(std::size(kOwnRows)) - 1;

constexpr bool SortedAfterOriginalRows()
{
    for (int i = 0; i < kOwnRowCount; ++i) {
        if (kOwnRows[i].id < MessageCount || (i > 0 && kOwnRows[i].id <= kOwnRows[i - 1].id))
            return false;
    }
    return true;
}
static_assert(SortedAfterOriginalRows(), "own rows must follow the original ones in id order");

const OwnRow *FindOwnRow(MessageId id)
{
    const OwnRow *end = kOwnRows + kOwnRowCount;
    const OwnRow *row = std::lower_bound(kOwnRows, end, id,
                                         [](const OwnRow &r, MessageId key) { return r.id < key; });
    return row != end && row->id == id ? row : nullptr;
}

} // namespace

QStringView OwnMessageTextInSlot(MessageId id, LanguageSlot slot)
{
    const OwnRow *row = FindOwnRow(id);
    Q_ASSERT(row && slot < LanguageSlotCount);
    return row ? row->texts[slot] : QStringView();
}

bool IsOwnMessage(MessageId id)
{
    return FindOwnRow(id) != nullptr;
}

int OwnMessageCount()
{
    return kOwnRowCount;
}

MessageId OwnMessageAt(int index)
{
    Q_ASSERT(index >= 0 && index < kOwnRowCount);
    return kOwnRows[index].id;
}
