// Rows of our own, after the 158 original ones: the same 15 slots, kept sorted by id.
// Each topic's rows stand in its own region below, in the order of their ids.
// clang-format off
#include "i18n/OwnMessageCatalog.h"
#include "i18n/PackedTexts.h"

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
    { Msg::ImportNetworksButton, { u"Import...", u"Import...",
          u"Importer...", // French
          u"Importieren...", // German
          u"Importera...", // Swedish
          u"Importeren...", // Dutch
          u"Tuo...", // Finnish
          u"Importer...", // Norwegian
          u"Импорт...", // Russian
          u"インポート...", // Japanese
          u"导入...", // Chinese
          u"Importér...", // Danish
          u"Importa...", // Italian
          u"Importuj...", // Polish
          u"Importar...", // Spanish
    } },
    { Msg::ImportNetworksTip, { u"Add Wi-Fi networks that this computer knows to the list", u"Add Wi-Fi networks that this computer knows to the list",
          u"Ajouter à la liste les réseaux Wi-Fi connus de cet ordinateur", // French
          u"Auf diesem Computer bekannte WLAN-Netzwerke zur Liste hinzufügen", // German
          u"Lägg till Wi-Fi-nätverk som den här datorn känner till i listan", // Swedish
          u"Wi-Fi-netwerken die deze computer kent aan de lijst toevoegen", // Dutch
          u"Lisää luetteloon tämän tietokoneen tuntemat Wi-Fi-verkot", // Finnish
          u"Legg til Wi-Fi-nettverk som denne datamaskinen kjenner, i listen", // Norwegian
          u"Добавить в список сети Wi-Fi, известные этому компьютеру", // Russian
          u"このコンピューターが認識している Wi-Fi ネットワークを一覧に追加します", // Japanese
          u"将此计算机已知的 Wi-Fi 网络添加到列表", // Chinese
          u"Tilføj Wi-Fi-netværk, som denne computer kender, til listen", // Danish
          u"Aggiunge all'elenco le reti Wi-Fi note a questo computer", // Italian
          u"Dodaj do listy sieci Wi-Fi znane temu komputerowi", // Polish
          u"Agregar a la lista las redes Wi-Fi que conoce este equipo", // Spanish
    } },
    { Msg::ImportNetworksTitle, { u"Import Wi-Fi networks", u"Import Wi-Fi networks",
          u"Importer des réseaux Wi-Fi", // French
          u"WLAN-Netzwerke importieren", // German
          u"Importera Wi-Fi-nätverk", // Swedish
          u"Wi-Fi-netwerken importeren", // Dutch
          u"Tuo Wi-Fi-verkkoja", // Finnish
          u"Importer Wi-Fi-nettverk", // Norwegian
          u"Импорт сетей Wi-Fi", // Russian
          u"Wi-Fi ネットワークのインポート", // Japanese
          u"导入 Wi-Fi 网络", // Chinese
          u"Importér Wi-Fi-netværk", // Danish
          u"Importa reti Wi-Fi", // Italian
          u"Importuj sieci Wi-Fi", // Polish
          u"Importar redes Wi-Fi", // Spanish
    } },
    { Msg::ImportNetworksPrompt, { u"Select the networks to add to the wireless settings list:", u"Select the networks to add to the wireless settings list:",
          u"Sélectionnez les réseaux à ajouter à la liste des paramètres sans fil :", // French
          u"Wählen Sie die Netzwerke aus, die zur Liste der WLAN-Einstellungen hinzugefügt werden sollen:", // German
          u"Välj de nätverk som ska läggas till i listan över trådlösa inställningar:", // Swedish
          u"Selecteer de netwerken die aan de lijst met draadloze instellingen moeten worden toegevoegd:", // Dutch
          u"Valitse verkot, jotka lisätään langattomien asetusten luetteloon:", // Finnish
          u"Velg nettverkene som skal legges til i listen over trådløse innstillinger:", // Norwegian
          u"Выберите сети для добавления в список настроек беспроводной связи:", // Russian
          u"無線設定の一覧に追加するネットワークを選択してください:", // Japanese
          u"选择要添加到无线设置列表的网络：", // Chinese
          u"Vælg de netværk, der skal føjes til listen over trådløse indstillinger:", // Danish
          u"Selezionare le reti da aggiungere all'elenco impostazioni wireless:", // Italian
          u"Wybierz sieci do dodania do listy ustawień bezprzewodowych:", // Polish
          u"Seleccione las redes que desea agregar a la lista de configuraciones inalámbricas:", // Spanish
    } },
    { Msg::ImportSsidColumn, { u"SSID", u"SSID",
          u"SSID", // French
          u"SSID", // German
          u"SSID", // Swedish
          u"SSID", // Dutch
          u"SSID", // Finnish
          u"SSID", // Norwegian
          u"SSID", // Russian
          u"SSID", // Japanese
          u"SSID", // Chinese
          u"SSID", // Danish
          u"SSID", // Italian
          u"SSID", // Polish
          u"SSID", // Spanish
    } },
    { Msg::ImportSecurityColumn, { u"Security", u"Security",
          u"Sécurité", // French
          u"Sicherheit", // German
          u"Säkerhet", // Swedish
          u"Beveiliging", // Dutch
          u"Suojaus", // Finnish
          u"Sikkerhet", // Norwegian
          u"Безопасность", // Russian
          u"セキュリティ", // Japanese
          u"安全性", // Chinese
          u"Sikkerhed", // Danish
          u"Sicurezza", // Italian
          u"Zabezpieczenia", // Polish
          u"Seguridad", // Spanish
    } },
    { Msg::ImportAddButton, { u"Add to list", u"Add to list",
          u"Ajouter à la liste", // French
          u"Zur Liste hinzufügen", // German
          u"Lägg till i listan", // Swedish
          u"Aan lijst toevoegen", // Dutch
          u"Lisää luetteloon", // Finnish
          u"Legg til i listen", // Norwegian
          u"Добавить в список", // Russian
          u"一覧に追加", // Japanese
          u"添加到列表", // Chinese
          u"Føj til listen", // Danish
          u"Aggiungi all'elenco", // Italian
          u"Dodaj do listy", // Polish
          u"Agregar a la lista", // Spanish
    } },
    { Msg::ImportNoSystemBus, { u"The networks known to this computer cannot be read: there is no system bus.", u"The networks known to this computer cannot be read: there is no system bus.",
          u"Impossible de lire les réseaux connus de cet ordinateur : aucun bus système n'est disponible.", // French
          u"Die auf diesem Computer bekannten Netzwerke können nicht gelesen werden: Es ist kein Systembus vorhanden.", // German
          u"Nätverken som den här datorn känner till kan inte läsas: det finns ingen systembuss.", // Swedish
          u"De netwerken die deze computer kent, kunnen niet worden gelezen: er is geen systeembus.", // Dutch
          u"Tämän tietokoneen tuntemia verkkoja ei voi lukea: järjestelmäväylää ei ole.", // Finnish
          u"Nettverkene som denne datamaskinen kjenner, kan ikke leses: det finnes ingen systembuss.", // Norwegian
          u"Не удается прочитать сети, известные этому компьютеру: системная шина отсутствует.", // Russian
          u"このコンピューターが認識しているネットワークを読み取れません。システム バスがありません。", // Japanese
          u"无法读取此计算机已知的网络：没有系统总线。", // Chinese
          u"Netværkene, som denne computer kender, kan ikke læses: der er ingen systembus.", // Danish
          u"Impossibile leggere le reti note a questo computer: il bus di sistema non è disponibile.", // Italian
          u"Nie można odczytać sieci znanych temu komputerowi: brak magistrali systemowej.", // Polish
          u"No se pueden leer las redes que conoce este equipo: no hay bus del sistema.", // Spanish
    } },
    { Msg::ImportNoNetworkManager, { u"The networks known to this computer cannot be read: NetworkManager is not running or does not answer.", u"The networks known to this computer cannot be read: NetworkManager is not running or does not answer.",
          u"Impossible de lire les réseaux connus de cet ordinateur : NetworkManager n'est pas lancé ou ne répond pas.", // French
          u"Die auf diesem Computer bekannten Netzwerke können nicht gelesen werden: NetworkManager läuft nicht oder antwortet nicht.", // German
          u"Nätverken som den här datorn känner till kan inte läsas: NetworkManager körs inte eller svarar inte.", // Swedish
          u"De netwerken die deze computer kent, kunnen niet worden gelezen: NetworkManager is niet actief of reageert niet.", // Dutch
          u"Tämän tietokoneen tuntemia verkkoja ei voi lukea: NetworkManager ei ole käynnissä tai ei vastaa.", // Finnish
          u"Nettverkene som denne datamaskinen kjenner, kan ikke leses: NetworkManager kjører ikke eller svarer ikke.", // Norwegian
          u"Не удается прочитать сети, известные этому компьютеру: NetworkManager не запущен или не отвечает.", // Russian
          u"このコンピューターが認識しているネットワークを読み取れません。NetworkManager が実行されていないか、応答しません。", // Japanese
          u"无法读取此计算机已知的网络：NetworkManager 未运行或没有响应。", // Chinese
          u"Netværkene, som denne computer kender, kan ikke læses: NetworkManager kører ikke eller svarer ikke.", // Danish
          u"Impossibile leggere le reti note a questo computer: NetworkManager non è in esecuzione o non risponde.", // Italian
          u"Nie można odczytać sieci znanych temu komputerowi: usługa NetworkManager nie działa lub nie odpowiada.", // Polish
          u"No se pueden leer las redes que conoce este equipo: NetworkManager no se está ejecutando o no responde.", // Spanish
    } },
    { Msg::ImportNoNetworks, { u"This computer knows no Wi-Fi networks.", u"This computer knows no Wi-Fi networks.",
          u"Cet ordinateur ne connaît aucun réseau Wi-Fi.", // French
          u"Auf diesem Computer sind keine WLAN-Netzwerke bekannt.", // German
          u"Den här datorn känner inte till några Wi-Fi-nätverk.", // Swedish
          u"Deze computer kent geen Wi-Fi-netwerken.", // Dutch
          u"Tämä tietokone ei tunne yhtään Wi-Fi-verkkoa.", // Finnish
          u"Denne datamaskinen kjenner ingen Wi-Fi-nettverk.", // Norwegian
          u"Этому компьютеру не известно ни одной сети Wi-Fi.", // Russian
          u"このコンピューターが認識している Wi-Fi ネットワークはありません。", // Japanese
          u"此计算机没有已知的 Wi-Fi 网络。", // Chinese
          u"Denne computer kender ingen Wi-Fi-netværk.", // Danish
          u"Questo computer non conosce alcuna rete Wi-Fi.", // Italian
          u"Ten komputer nie zna żadnych sieci Wi-Fi.", // Polish
          u"Este equipo no conoce ninguna red Wi-Fi.", // Spanish
    } },
    { Msg::ImportSsidNotText, { u"The SSID is not valid UTF-8 text.", u"The SSID is not valid UTF-8 text.",
          u"Le SSID n'est pas un texte UTF-8 valide.", // French
          u"Die SSID ist kein gültiger UTF-8-Text.", // German
          u"SSID är inte giltig UTF-8-text.", // Swedish
          u"De SSID is geen geldige UTF-8-tekst.", // Dutch
          u"SSID ei ole kelvollista UTF-8-tekstiä.", // Finnish
          u"SSID er ikke gyldig UTF-8-tekst.", // Norwegian
          u"SSID не является допустимым текстом UTF-8.", // Russian
          u"SSID が有効な UTF-8 テキストではありません。", // Japanese
          u"SSID 不是有效的 UTF-8 文本。", // Chinese
          u"SSID er ikke gyldig UTF-8-tekst.", // Danish
          u"L'SSID non è un testo UTF-8 valido.", // Italian
          u"SSID nie jest prawidłowym tekstem UTF-8.", // Polish
          u"El SSID no es un texto UTF-8 válido.", // Spanish
    } },
    { Msg::ImportEnterpriseSecurity, { u"Enterprise security (802.1X/EAP) is not supported.", u"Enterprise security (802.1X/EAP) is not supported.",
          u"La sécurité entreprise (802.1X/EAP) n'est pas prise en charge.", // French
          u"Enterprise-Sicherheit (802.1X/EAP) wird nicht unterstützt.", // German
          u"Företagssäkerhet (802.1X/EAP) stöds inte.", // Swedish
          u"Enterprise-beveiliging (802.1X/EAP) wordt niet ondersteund.", // Dutch
          u"Yritystason suojausta (802.1X/EAP) ei tueta.", // Finnish
          u"Bedriftssikkerhet (802.1X/EAP) støttes ikke.", // Norwegian
          u"Корпоративная защита (802.1X/EAP) не поддерживается.", // Russian
          u"エンタープライズ セキュリティ (802.1X/EAP) はサポートされていません。", // Japanese
          u"不支持企业级安全 (802.1X/EAP)。", // Chinese
          u"Virksomhedssikkerhed (802.1X/EAP) understøttes ikke.", // Danish
          u"La sicurezza aziendale (802.1X/EAP) non è supportata.", // Italian
          u"Zabezpieczenia klasy korporacyjnej (802.1X/EAP) nie są obsługiwane.", // Polish
          u"No se admite la seguridad empresarial (802.1X/EAP).", // Spanish
    } },
    { Msg::ImportWpa3Security, { u"WPA3 security (SAE) is not supported.", u"WPA3 security (SAE) is not supported.",
          u"La sécurité WPA3 (SAE) n'est pas prise en charge.", // French
          u"WPA3-Sicherheit (SAE) wird nicht unterstützt.", // German
          u"WPA3-säkerhet (SAE) stöds inte.", // Swedish
          u"WPA3-beveiliging (SAE) wordt niet ondersteund.", // Dutch
          u"WPA3-suojausta (SAE) ei tueta.", // Finnish
          u"WPA3-sikkerhet (SAE) støttes ikke.", // Norwegian
          u"Защита WPA3 (SAE) не поддерживается.", // Russian
          u"WPA3 セキュリティ (SAE) はサポートされていません。", // Japanese
          u"不支持 WPA3 安全 (SAE)。", // Chinese
          u"WPA3-sikkerhed (SAE) understøttes ikke.", // Danish
          u"La sicurezza WPA3 (SAE) non è supportata.", // Italian
          u"Zabezpieczenia WPA3 (SAE) nie są obsługiwane.", // Polish
          u"No se admite la seguridad WPA3 (SAE).", // Spanish
    } },
    { Msg::ImportEnhancedOpenSecurity, { u"Enhanced Open security (OWE) is not supported.", u"Enhanced Open security (OWE) is not supported.",
          u"La sécurité Enhanced Open (OWE) n'est pas prise en charge.", // French
          u"Enhanced-Open-Sicherheit (OWE) wird nicht unterstützt.", // German
          u"Enhanced Open-säkerhet (OWE) stöds inte.", // Swedish
          u"Enhanced Open-beveiliging (OWE) wordt niet ondersteund.", // Dutch
          u"Enhanced Open -suojausta (OWE) ei tueta.", // Finnish
          u"Enhanced Open-sikkerhet (OWE) støttes ikke.", // Norwegian
          u"Защита Enhanced Open (OWE) не поддерживается.", // Russian
          u"Enhanced Open セキュリティ (OWE) はサポートされていません。", // Japanese
          u"不支持 Enhanced Open 安全 (OWE)。", // Chinese
          u"Enhanced Open-sikkerhed (OWE) understøttes ikke.", // Danish
          u"La sicurezza Enhanced Open (OWE) non è supportata.", // Italian
          u"Zabezpieczenia Enhanced Open (OWE) nie są obsługiwane.", // Polish
          u"No se admite la seguridad Enhanced Open (OWE).", // Spanish
    } },
    { Msg::ImportUnknownSecurity, { u"This type of security is not supported.", u"This type of security is not supported.",
          u"Ce type de sécurité n'est pas pris en charge.", // French
          u"Diese Art von Sicherheit wird nicht unterstützt.", // German
          u"Den här typen av säkerhet stöds inte.", // Swedish
          u"Dit type beveiliging wordt niet ondersteund.", // Dutch
          u"Tätä suojaustyyppiä ei tueta.", // Finnish
          u"Denne typen sikkerhet støttes ikke.", // Norwegian
          u"Этот тип защиты не поддерживается.", // Russian
          u"この種類のセキュリティはサポートされていません。", // Japanese
          u"不支持此安全类型。", // Chinese
          u"Denne type sikkerhed understøttes ikke.", // Danish
          u"Questo tipo di sicurezza non è supportato.", // Italian
          u"Ten typ zabezpieczeń nie jest obsługiwany.", // Polish
          u"No se admite este tipo de seguridad.", // Spanish
    } },
    { Msg::ImportNotWireless, { u"This is not a Wi-Fi connection.", u"This is not a Wi-Fi connection.",
          u"Il ne s'agit pas d'une connexion Wi-Fi.", // French
          u"Dies ist keine WLAN-Verbindung.", // German
          u"Det här är ingen Wi-Fi-anslutning.", // Swedish
          u"Dit is geen Wi-Fi-verbinding.", // Dutch
          u"Tämä ei ole Wi-Fi-yhteys.", // Finnish
          u"Dette er ikke en Wi-Fi-tilkobling.", // Norwegian
          u"Это не подключение Wi-Fi.", // Russian
          u"これは Wi-Fi 接続ではありません。", // Japanese
          u"这不是 Wi-Fi 连接。", // Chinese
          u"Dette er ikke en Wi-Fi-forbindelse.", // Danish
          u"Questa non è una connessione Wi-Fi.", // Italian
          u"To nie jest połączenie Wi-Fi.", // Polish
          u"Esta no es una conexión Wi-Fi.", // Spanish
    } },
    { Msg::ImportAlreadyListed, { u"Already in the list, not added: %1", u"Already in the list, not added: %1",
          u"Déjà dans la liste, non ajoutés : %1", // French
          u"Bereits in der Liste, nicht hinzugefügt: %1", // German
          u"Finns redan i listan, har inte lagts till: %1", // Swedish
          u"Staat al in de lijst, niet toegevoegd: %1", // Dutch
          u"On jo luettelossa, ei lisätty: %1", // Finnish
          u"Finnes allerede i listen, ikke lagt til: %1", // Norwegian
          u"Уже есть в списке, не добавлены: %1", // Russian
          u"既に一覧にあるため追加されませんでした: %1", // Japanese
          u"已在列表中，未添加：%1", // Chinese
          u"Findes allerede på listen, ikke tilføjet: %1", // Danish
          u"Già presenti nell'elenco, non aggiunte: %1", // Italian
          u"Już na liście, nie dodano: %1", // Polish
          u"Ya están en la lista, no se agregaron: %1", // Spanish
    } },
    { Msg::ImportListFull, { u"The list is full (30 settings), not added: %1", u"The list is full (30 settings), not added: %1",
          u"La liste est pleine (30 paramètres), non ajoutés : %1", // French
          u"Die Liste ist voll (30 Einstellungen), nicht hinzugefügt: %1", // German
          u"Listan är full (30 inställningar), har inte lagts till: %1", // Swedish
          u"De lijst is vol (30 instellingen), niet toegevoegd: %1", // Dutch
          u"Luettelo on täynnä (30 asetusta), ei lisätty: %1", // Finnish
          u"Listen er full (30 innstillinger), ikke lagt til: %1", // Norwegian
          u"Список заполнен (30 настроек), не добавлены: %1", // Russian
          u"一覧がいっぱい (30 件) のため追加されませんでした: %1", // Japanese
          u"列表已满（30 个设置），未添加：%1", // Chinese
          u"Listen er fuld (30 indstillinger), ikke tilføjet: %1", // Danish
          u"L'elenco è pieno (30 impostazioni), non aggiunte: %1", // Italian
          u"Lista jest pełna (30 ustawień), nie dodano: %1", // Polish
          u"La lista está llena (30 configuraciones), no se agregaron: %1", // Spanish
    } },
    { Msg::ImportKeysMissing, { u"Please input the network key of these networks; this computer did not provide it: %1", u"Please input the network key of these networks; this computer did not provide it: %1",
          u"Veuillez saisir la clé réseau de ces réseaux, que cet ordinateur n'a pas fournie : %1", // French
          u"Bitte geben Sie den Netzwerkschlüssel dieser Netzwerke ein; dieser Computer hat ihn nicht bereitgestellt: %1", // German
          u"Ange nätverksnyckel för dessa nätverk; den här datorn lämnade inte ut den: %1", // Swedish
          u"Voer de netwerksleutel van deze netwerken in; deze computer heeft die niet verstrekt: %1", // Dutch
          u"Anna näiden verkkojen verkkoavain; tämä tietokone ei antanut sitä: %1", // Finnish
          u"Angi nettverksnøkkel for disse nettverkene; denne datamaskinen oppga den ikke: %1", // Norwegian
          u"Введите сетевой ключ для этих сетей (этот компьютер его не предоставил): %1", // Russian
          u"次のネットワークのネットワーク キーを入力してください (このコンピューターから提供されませんでした): %1", // Japanese
          u"请输入这些网络的网络密钥（此计算机未提供）：%1", // Chinese
          u"Angiv netværksnøgle for disse netværk; denne computer udleverede den ikke: %1", // Danish
          u"Immettere la chiave di rete di queste reti, che questo computer non ha fornito: %1", // Italian
          u"Wprowadź klucz sieciowy tych sieci, ponieważ ten komputer go nie udostępnił: %1", // Polish
          u"Escriba la clave de red de estas redes, que este equipo no ha proporcionado: %1", // Spanish
    } },
    { Msg::ShowNetworkKey, { u"Show network key", u"Show network key",
          u"Afficher la clé réseau", // French
          u"Netzwerkschlüssel anzeigen", // German
          u"Visa nätverksnyckel", // Swedish
          u"Netwerksleutel weergeven", // Dutch
          u"Näytä verkkoavain", // Finnish
          u"Vis nettverksnøkkel", // Norwegian
          u"Показать сетевой ключ", // Russian
          u"ネットワーク キーを表示", // Japanese
          u"显示网络密钥", // Chinese
          u"Vis netværksnøgle", // Danish
          u"Mostra chiave di rete", // Italian
          u"Pokaż klucz sieciowy", // Polish
          u"Mostrar clave de red", // Spanish
    } },
    { Msg::HideNetworkKey, { u"Hide network key", u"Hide network key",
          u"Masquer la clé réseau", // French
          u"Netzwerkschlüssel ausblenden", // German
          u"Dölj nätverksnyckel", // Swedish
          u"Netwerksleutel verbergen", // Dutch
          u"Piilota verkkoavain", // Finnish
          u"Skjul nettverksnøkkel", // Norwegian
          u"Скрыть сетевой ключ", // Russian
          u"ネットワーク キーを隠す", // Japanese
          u"隐藏网络密钥", // Chinese
          u"Skjul netværksnøgle", // Danish
          u"Nascondi chiave di rete", // Italian
          u"Ukryj klucz sieciowy", // Polish
          u"Ocultar clave de red", // Spanish
    } },
    { Msg::QrImportButton, { u"Import from QR code...", u"Import from QR code...",
          u"Importer depuis un code QR...", // French
          u"Aus QR-Code importieren...", // German
          u"Importera från QR-kod...", // Swedish
          u"Importeren uit QR-code...", // Dutch
          u"Tuo QR-koodista...", // Finnish
          u"Importer fra QR-kode...", // Norwegian
          u"Импорт из QR-кода...", // Russian
          u"QR コードからインポート...", // Japanese
          u"从二维码导入...", // Chinese
          u"Importér fra QR-kode...", // Danish
          u"Importa da codice QR...", // Italian
          u"Importuj z kodu QR...", // Polish
          u"Importar desde código QR...", // Spanish
    } },
    { Msg::QrImportTip, { u"Fill in the settings from an image of a Wi-Fi QR code. You can also drop an image onto this window or paste a WIFI: text.", u"Fill in the settings from an image of a Wi-Fi QR code. You can also drop an image onto this window or paste a WIFI: text.",
          u"Remplir les paramètres à partir de l'image d'un code QR Wi-Fi. Vous pouvez aussi déposer une image sur cette fenêtre ou coller un texte WIFI:.", // French
          u"Einstellungen aus dem Bild eines WLAN-QR-Codes übernehmen. Sie können auch ein Bild auf dieses Fenster ziehen oder einen WIFI:-Text einfügen.", // German
          u"Fyll i inställningarna från en bild av en QR-kod för Wi-Fi. Du kan också släppa en bild i det här fönstret eller klistra in en WIFI:-text.", // Swedish
          u"De instellingen invullen vanuit een afbeelding van een Wi-Fi-QR-code. U kunt ook een afbeelding op dit venster neerzetten of een WIFI:-tekst plakken.", // Dutch
          u"Täytä asetukset Wi-Fi-QR-koodin kuvasta. Voit myös pudottaa kuvan tähän ikkunaan tai liittää WIFI:-tekstin.", // Finnish
          u"Fyll ut innstillingene fra et bilde av en Wi-Fi-QR-kode. Du kan også slippe et bilde i dette vinduet eller lime inn en WIFI:-tekst.", // Norwegian
          u"Заполнить настройки по изображению QR-кода Wi-Fi. Можно также перетащить изображение в это окно или вставить текст WIFI:.", // Russian
          u"Wi-Fi の QR コードの画像から設定を入力します。画像をこのウィンドウにドロップするか、WIFI: テキストを貼り付けることもできます。", // Japanese
          u"根据 Wi-Fi 二维码图像填写设置。也可以将图像拖放到此窗口，或粘贴 WIFI: 文本。", // Chinese
          u"Udfyld indstillingerne fra et billede af en Wi-Fi-QR-kode. Du kan også slippe et billede i dette vindue eller indsætte en WIFI:-tekst.", // Danish
          u"Compila le impostazioni dall'immagine di un codice QR Wi-Fi. È anche possibile trascinare un'immagine su questa finestra o incollare un testo WIFI:.", // Italian
          u"Wypełnij ustawienia na podstawie obrazu kodu QR Wi-Fi. Możesz też upuścić obraz na to okno lub wkleić tekst WIFI:.", // Polish
          u"Rellenar la configuración a partir de la imagen de un código QR de Wi-Fi. También puede soltar una imagen en esta ventana o pegar un texto WIFI:.", // Spanish
    } },
    { Msg::QrOpenTitle, { u"Open QR code image", u"Open QR code image",
          u"Ouvrir l'image d'un code QR", // French
          u"Bild mit QR-Code öffnen", // German
          u"Öppna bild med QR-kod", // Swedish
          u"Afbeelding met QR-code openen", // Dutch
          u"Avaa QR-koodin kuva", // Finnish
          u"Åpne bilde med QR-kode", // Norwegian
          u"Открыть изображение QR-кода", // Russian
          u"QR コードの画像を開く", // Japanese
          u"打开二维码图像", // Chinese
          u"Åbn billede med QR-kode", // Danish
          u"Apri immagine del codice QR", // Italian
          u"Otwórz obraz kodu QR", // Polish
          u"Abrir imagen de código QR", // Spanish
    } },
    { Msg::QrImageFilter, { u"Images (%1)", u"Images (%1)",
          u"Fichiers image (%1)", // French
          u"Bilder (%1)", // German
          u"Bilder (%1)", // Swedish
          u"Afbeeldingen (%1)", // Dutch
          u"Kuvat (%1)", // Finnish
          u"Bilder (%1)", // Norwegian
          u"Изображения (%1)", // Russian
          u"画像 (%1)", // Japanese
          u"图像 (%1)", // Chinese
          u"Billeder (%1)", // Danish
          u"Immagini (%1)", // Italian
          u"Obrazy (%1)", // Polish
          u"Imágenes (%1)", // Spanish
    } },
    { Msg::QrNoWifiCode, { u"The image contains no Wi-Fi QR code.", u"The image contains no Wi-Fi QR code.",
          u"L'image ne contient aucun code QR Wi-Fi.", // French
          u"Das Bild enthält keinen WLAN-QR-Code.", // German
          u"Bilden innehåller ingen QR-kod för Wi-Fi.", // Swedish
          u"De afbeelding bevat geen Wi-Fi-QR-code.", // Dutch
          u"Kuvassa ei ole Wi-Fi-QR-koodia.", // Finnish
          u"Bildet inneholder ingen Wi-Fi-QR-kode.", // Norwegian
          u"Изображение не содержит QR-кода Wi-Fi.", // Russian
          u"画像に Wi-Fi の QR コードが含まれていません。", // Japanese
          u"图像中没有 Wi-Fi 二维码。", // Chinese
          u"Billedet indeholder ingen Wi-Fi-QR-kode.", // Danish
          u"L'immagine non contiene un codice QR Wi-Fi.", // Italian
          u"Obraz nie zawiera kodu QR Wi-Fi.", // Polish
          u"La imagen no contiene ningún código QR de Wi-Fi.", // Spanish
    } },
    { Msg::QrImageUnreadable, { u"The image cannot be read.", u"The image cannot be read.",
          u"Impossible de lire l'image.", // French
          u"Das Bild kann nicht gelesen werden.", // German
          u"Bilden kan inte läsas.", // Swedish
          u"De afbeelding kan niet worden gelezen.", // Dutch
          u"Kuvaa ei voi lukea.", // Finnish
          u"Bildet kan ikke leses.", // Norwegian
          u"Не удается прочитать изображение.", // Russian
          u"画像を読み取れません。", // Japanese
          u"无法读取图像。", // Chinese
          u"Billedet kan ikke læses.", // Danish
          u"Impossibile leggere l'immagine.", // Italian
          u"Nie można odczytać obrazu.", // Polish
          u"No se puede leer la imagen.", // Spanish
    } },
    { Msg::QrTextNotWifi, { u"The text is not a valid Wi-Fi network code.", u"The text is not a valid Wi-Fi network code.",
          u"Le texte n'est pas un code de réseau Wi-Fi valide.", // French
          u"Der Text ist kein gültiger WLAN-Netzwerkcode.", // German
          u"Texten är ingen giltig nätverkskod för Wi-Fi.", // Swedish
          u"De tekst is geen geldige Wi-Fi-netwerkcode.", // Dutch
          u"Teksti ei ole kelvollinen Wi-Fi-verkkokoodi.", // Finnish
          u"Teksten er ikke en gyldig Wi-Fi-nettverkskode.", // Norwegian
          u"Текст не является допустимым кодом сети Wi-Fi.", // Russian
          u"テキストは有効な Wi-Fi ネットワーク コードではありません。", // Japanese
          u"文本不是有效的 Wi-Fi 网络代码。", // Chinese
          u"Teksten er ikke en gyldig Wi-Fi-netværkskode.", // Danish
          u"Il testo non è un codice di rete Wi-Fi valido.", // Italian
          u"Tekst nie jest prawidłowym kodem sieci Wi-Fi.", // Polish
          u"El texto no es un código de red Wi-Fi válido.", // Spanish
    } },
    { Msg::QrReaderMissing, {
        u"The QR code reader is not installed. Reinstall this program to read codes from images.",
        u"The QR code reader is not installed. Reinstall this program to read codes from images.",
        u"Le lecteur de codes QR n'est pas installé. Réinstallez ce programme pour lire les codes dans les images.", // French
        u"Der QR-Code-Leser ist nicht installiert. Installieren Sie dieses Programm neu, um Codes aus Bildern zu lesen.", // German
        u"QR-kodläsaren är inte installerad. Installera om programmet för att läsa koder från bilder.", // Swedish
        u"De QR-codelezer is niet geïnstalleerd. Installeer dit programma opnieuw om codes uit afbeeldingen te lezen.", // Dutch
        u"QR-koodien lukijaa ei ole asennettu. Asenna tämä ohjelma uudelleen, jotta voit lukea koodeja kuvista.", // Finnish
        u"QR-kodeleseren er ikke installert. Installer dette programmet på nytt for å lese koder fra bilder.", // Norwegian
        u"Модуль чтения QR-кодов не установлен. Переустановите эту программу, чтобы считывать коды с изображений.", // Russian
        u"QR コード リーダーがインストールされていません。画像からコードを読み取るには、このプログラムを再インストールしてください。", // Japanese
        u"未安装二维码读取组件。请重新安装此程序，以便从图像中读取二维码。", // Chinese
        u"QR-kodelæseren er ikke installeret. Geninstaller dette program for at læse koder fra billeder.", // Danish
        u"Il lettore di codici QR non è installato. Reinstallare questo programma per leggere i codici dalle immagini.", // Italian
        u"Czytnik kodów QR nie jest zainstalowany. Zainstaluj ponownie ten program, aby odczytywać kody z obrazów.", // Polish
        u"El lector de códigos QR no está instalado. Vuelva a instalar este programa para leer códigos de imágenes.", // Spanish
    } },

    // ---- end of Importing networks, QR codes, showing the key ----

    // ---- Removable volumes, verifying and ejecting ----
    { Msg::SafelyRemoveButton, {
        u"Safely Remove",
        u"Safely Remove",
        u"Retirer en toute sécurité", // French
        u"Sicher entfernen", // German
        u"Säker borttagning", // Swedish
        u"Veilig verwijderen", // Dutch
        u"Poista turvallisesti", // Finnish
        u"Trygg fjerning", // Norwegian
        u"Безопасное извлечение", // Russian
        u"安全な取り外し", // Japanese
        u"安全删除", // Chinese
        u"Sikker fjernelse", // Danish
        u"Rimozione sicura", // Italian
        u"Bezpieczne usuwanie", // Polish
        u"Quitar de forma segura", // Spanish
    } },
    { Msg::FileOnRemovableVolume, {
        u"The file is on “%1”. Choose Safely Remove before you take it out.",
        u"The file is on “%1”. Choose Safely Remove before you take it out.",
        u"Le fichier se trouve sur « %1 ». Choisissez Retirer en toute sécurité avant de le retirer.", // French
        u"Die Datei befindet sich auf „%1“. Wählen Sie „Sicher entfernen“, bevor Sie den Datenträger herausnehmen.", // German
        u"Filen finns på ”%1”. Välj Säker borttagning innan du tar ut den.", // Swedish
        u"Het bestand staat op '%1'. Kies Veilig verwijderen voordat u het medium verwijdert.", // Dutch
        u"Tiedosto on kohteessa %1. Valitse Poista turvallisesti ennen kuin irrotat sen.", // Finnish
        u"Filen ligger på «%1». Velg Trygg fjerning før du tar den ut.", // Norwegian
        u"Файл находится на «%1». Перед извлечением выберите «Безопасное извлечение».", // Russian
        u"ファイルは「%1」にあります。取り出す前に [安全な取り外し] を選択してください。", // Japanese
        u"文件位于“%1”上。取出之前，请选择“安全删除”。", // Chinese
        u"Filen ligger på \"%1\". Vælg Sikker fjernelse, før du tager den ud.", // Danish
        u"Il file si trova su \"%1\". Scegliere Rimozione sicura prima di estrarlo.", // Italian
        u"Plik znajduje się na „%1”. Przed wyjęciem wybierz Bezpieczne usuwanie.", // Polish
        u"El archivo está en \"%1\". Elija Quitar de forma segura antes de extraerlo.", // Spanish
    } },
    { Msg::VolumeRemoved, {
        u"You can now take out “%1”.",
        u"You can now take out “%1”.",
        u"Vous pouvez maintenant retirer « %1 ».", // French
        u"Sie können „%1“ jetzt herausnehmen.", // German
        u"Du kan nu ta ut ”%1”.", // Swedish
        u"U kunt '%1' nu verwijderen.", // Dutch
        u"Voit nyt irrottaa kohteen %1.", // Finnish
        u"Du kan nå ta ut «%1».", // Norwegian
        u"Теперь можно извлечь «%1».", // Russian
        u"「%1」を取り出すことができます。", // Japanese
        u"现在可以取出“%1”。", // Chinese
        u"Du kan nu tage \"%1\" ud.", // Danish
        u"Ora è possibile estrarre \"%1\".", // Italian
        u"Teraz możesz wyjąć „%1”.", // Polish
        u"Ya puede extraer \"%1\".", // Spanish
    } },
    { Msg::VolumeNotRemoved, {
        u"“%1” could not be removed safely. Do not take it out yet.",
        u"“%1” could not be removed safely. Do not take it out yet.",
        u"Impossible de retirer « %1 » en toute sécurité. Ne le retirez pas encore.", // French
        u"„%1“ konnte nicht sicher entfernt werden. Nehmen Sie den Datenträger noch nicht heraus.", // German
        u"Det gick inte att ta bort ”%1” på ett säkert sätt. Ta inte ut den än.", // Swedish
        u"'%1' kan niet veilig worden verwijderd. Verwijder het medium nog niet.", // Dutch
        u"Kohdetta %1 ei voitu poistaa turvallisesti. Älä irrota sitä vielä.", // Finnish
        u"Kunne ikke fjerne «%1» på en trygg måte. Ikke ta den ut ennå.", // Norwegian
        u"Не удалось безопасно извлечь «%1». Пока не извлекайте его.", // Russian
        u"「%1」を安全に取り外せませんでした。まだ取り出さないでください。", // Japanese
        u"无法安全删除“%1”。请先不要取出。", // Chinese
        u"\"%1\" kunne ikke fjernes sikkert. Tag den ikke ud endnu.", // Danish
        u"Impossibile rimuovere \"%1\" in modo sicuro. Non estrarlo ancora.", // Italian
        u"Nie można bezpiecznie usunąć „%1”. Jeszcze go nie wyjmuj.", // Polish
        u"No se pudo quitar \"%1\" de forma segura. No lo extraiga todavía.", // Spanish
    } },
    { Msg::VolumeBusy, {
        u"A program is still using it. Close the programs and windows that show its files, then try again.",
        u"A program is still using it. Close the programs and windows that show its files, then try again.",
        u"Un programme l'utilise encore. Fermez les programmes et les fenêtres qui affichent ses fichiers, puis réessayez.", // French
        u"Ein Programm verwendet den Datenträger noch. Schließen Sie die Programme und Fenster, die seine Dateien anzeigen, und versuchen Sie es erneut.", // German
        u"Ett program använder den fortfarande. Stäng de program och fönster som visar dess filer och försök igen.", // Swedish
        u"Het medium wordt nog door een programma gebruikt. Sluit de programma's en vensters die de bestanden ervan weergeven en probeer het opnieuw.", // Dutch
        u"Jokin ohjelma käyttää sitä yhä. Sulje ohjelmat ja ikkunat, jotka näyttävät sen tiedostoja, ja yritä uudelleen.", // Finnish
        u"Et program bruker den fortsatt. Lukk programmene og vinduene som viser filene på den, og prøv på nytt.", // Norwegian
        u"Он всё ещё используется программой. Закройте программы и окна, в которых открыты его файлы, и повторите попытку.", // Russian
        u"プログラムがまだ使用しています。そのファイルを表示しているプログラムとウィンドウを閉じてから、もう一度お試しください。", // Japanese
        u"某个程序仍在使用它。请关闭显示其文件的程序和窗口，然后重试。", // Chinese
        u"Et program bruger den stadig. Luk de programmer og vinduer, der viser filerne på den, og prøv igen.", // Danish
        u"Un programma lo sta ancora utilizzando. Chiudere i programmi e le finestre che ne mostrano i file, quindi riprovare.", // Italian
        u"Program nadal go używa. Zamknij programy i okna, w których są wyświetlane jego pliki, i spróbuj ponownie.", // Polish
        u"Un programa todavía lo está usando. Cierre los programas y las ventanas que muestran sus archivos e inténtelo de nuevo.", // Spanish
    } },
    { Msg::VolumeRemovalUnavailable, {
        u"No disk service is running that could remove it.",
        u"No disk service is running that could remove it.",
        u"Aucun service de disques capable de le retirer n'est en cours d'exécution.", // French
        u"Es wird kein Datenträgerdienst ausgeführt, der ihn entfernen könnte.", // German
        u"Ingen disktjänst som kan ta bort den körs.", // Swedish
        u"Er wordt geen schijfservice uitgevoerd die het medium kan verwijderen.", // Dutch
        u"Käynnissä ei ole levypalvelua, joka voisi poistaa sen.", // Finnish
        u"Ingen disktjeneste som kan fjerne den, kjører.", // Norwegian
        u"Не запущена служба дисков, которая могла бы его извлечь.", // Russian
        u"取り外しを行えるディスク サービスが実行されていません。", // Japanese
        u"没有正在运行的可将其删除的磁盘服务。", // Chinese
        u"Der kører ingen disktjeneste, som kan fjerne den.", // Danish
        u"Non è in esecuzione alcun servizio dischi in grado di rimuoverlo.", // Italian
        u"Nie działa żadna usługa dysków, która mogłaby go usunąć.", // Polish
        u"No se está ejecutando ningún servicio de discos que pueda quitarlo.", // Spanish
    } },
    { Msg::ReadBackFailed, {
        u"The file could not be read back: %1",
        u"The file could not be read back: %1",
        u"Impossible de relire le fichier : %1", // French
        u"Die Datei konnte nicht erneut gelesen werden: %1", // German
        u"Det gick inte att läsa tillbaka filen: %1", // Swedish
        u"Het bestand kan niet opnieuw worden gelezen: %1", // Dutch
        u"Tiedostoa ei voitu lukea takaisin: %1", // Finnish
        u"Kunne ikke lese filen på nytt: %1", // Norwegian
        u"Не удалось повторно прочитать файл: %1", // Russian
        u"ファイルを読み直せませんでした: %1", // Japanese
        u"无法回读文件: %1", // Chinese
        u"Filen kunne ikke læses igen: %1", // Danish
        u"Impossibile rileggere il file: %1", // Italian
        u"Nie można ponownie odczytać pliku: %1", // Polish
        u"No se pudo volver a leer el archivo: %1", // Spanish
    } },
    { Msg::ReadBackDiffers, {
        u"The file read back from the folder is not what was written.",
        u"The file read back from the folder is not what was written.",
        u"Le fichier relu dans le dossier ne correspond pas à ce qui a été écrit.", // French
        u"Die aus dem Ordner erneut gelesene Datei stimmt nicht mit dem Geschriebenen überein.", // German
        u"Filen som lästes tillbaka från mappen stämmer inte med det som skrevs.", // Swedish
        u"Het bestand dat opnieuw uit de map is gelezen, komt niet overeen met wat is geschreven.", // Dutch
        u"Kansiosta takaisin luettu tiedosto ei vastaa kirjoitettua.", // Finnish
        u"Filen som ble lest på nytt fra mappen, samsvarer ikke med det som ble skrevet.", // Norwegian
        u"Файл, повторно прочитанный из папки, не совпадает с записанным.", // Russian
        u"フォルダーから読み直したファイルが、書き込んだ内容と一致しません。", // Japanese
        u"从文件夹回读的文件与写入的内容不一致。", // Chinese
        u"Filen, der blev læst igen fra mappen, svarer ikke til det, der blev skrevet.", // Danish
        u"Il file riletto dalla cartella non corrisponde a quanto scritto.", // Italian
        u"Plik ponownie odczytany z folderu nie jest zgodny z zapisanym.", // Polish
        u"El archivo leído de nuevo desde la carpeta no coincide con lo que se escribió.", // Spanish
    } },
    { Msg::ReadBackValuesDiffer, {
        u"The file read back does not load with the values that were written.",
        u"The file read back does not load with the values that were written.",
        u"Le fichier relu ne se charge pas avec les valeurs qui ont été écrites.", // French
        u"Die erneut gelesene Datei lässt sich nicht mit den geschriebenen Werten laden.", // German
        u"Filen som lästes tillbaka läses inte in med de värden som skrevs.", // Swedish
        u"Het opnieuw gelezen bestand wordt niet geladen met de waarden die zijn geschreven.", // Dutch
        u"Takaisin luettu tiedosto ei lataudu kirjoitetuilla arvoilla.", // Finnish
        u"Filen som ble lest på nytt, lastes ikke inn med verdiene som ble skrevet.", // Norwegian
        u"Повторно прочитанный файл не загружается с записанными значениями.", // Russian
        u"読み直したファイルを、書き込んだ値で読み込めません。", // Japanese
        u"回读的文件无法以写入的值加载。", // Chinese
        u"Filen, der blev læst igen, indlæses ikke med de værdier, der blev skrevet.", // Danish
        u"Il file riletto non viene caricato con i valori scritti.", // Italian
        u"Ponownie odczytanego pliku nie można wczytać z zapisanymi wartościami.", // Polish
        u"El archivo leído de nuevo no se carga con los valores que se escribieron.", // Spanish
    } },
    { Msg::VolumeRemoving, {
        u"Removing “%1” safely. Do not take it out yet.",
        u"Removing “%1” safely. Do not take it out yet.",
        u"Retrait en toute sécurité de « %1 » en cours. Ne le retirez pas encore.", // French
        u"„%1“ wird sicher entfernt. Nehmen Sie den Datenträger noch nicht heraus.", // German
        u"”%1” tas bort på ett säkert sätt. Ta inte ut den än.", // Swedish
        u"'%1' wordt veilig verwijderd. Verwijder het medium nog niet.", // Dutch
        u"Kohdetta %1 poistetaan turvallisesti. Älä irrota sitä vielä.", // Finnish
        u"«%1» fjernes på en trygg måte. Ikke ta den ut ennå.", // Norwegian
        u"Выполняется безопасное извлечение «%1». Пока не извлекайте его.", // Russian
        u"「%1」を安全に取り外しています。まだ取り出さないでください。", // Japanese
        u"正在安全删除“%1”。请先不要取出。", // Chinese
        u"\"%1\" fjernes sikkert. Tag den ikke ud endnu.", // Danish
        u"Rimozione sicura di \"%1\" in corso. Non estrarlo ancora.", // Italian
        u"Trwa bezpieczne usuwanie „%1”. Jeszcze go nie wyjmuj.", // Polish
        u"Quitando \"%1\" de forma segura. No lo extraiga todavía.", // Spanish
    } },
    // ---- end of Removable volumes, verifying and ejecting ----

    // ---- Keyboard, shortcuts and screen readers ----
    { Msg::WirelessEntryPriority, {
        u"Priority %1 of %2",
        u"Priority %1 of %2",
        u"Priorité %1 sur %2", // French
        u"Priorität %1 von %2", // German
        u"Prioritet %1 av %2", // Swedish
        u"Prioriteit %1 van %2", // Dutch
        u"Prioriteetti %1/%2", // Finnish
        u"Prioritet %1 av %2", // Norwegian
        u"Приоритет %1 из %2", // Russian
        u"優先順位 %1/%2", // Japanese
        u"优先级 %1/%2", // Chinese
        u"Prioritet %1 af %2", // Danish
        u"Priorità %1 di %2", // Italian
        u"Priorytet %1 z %2", // Polish
        u"Prioridad %1 de %2", // Spanish
    } },
    { Msg::TabSwitchKeys, {
        u"Next tab: %1; previous tab: %2",
        u"Next tab: %1; previous tab: %2",
        u"Onglet suivant : %1 ; onglet précédent : %2", // French
        u"Nächste Registerkarte: %1; vorherige Registerkarte: %2", // German
        u"Nästa flik: %1, föregående flik: %2", // Swedish
        u"Volgend tabblad: %1; vorig tabblad: %2", // Dutch
        u"Seuraava välilehti: %1, edellinen välilehti: %2", // Finnish
        u"Neste fane: %1, forrige fane: %2", // Norwegian
        u"Следующая вкладка: %1; предыдущая вкладка: %2", // Russian
        u"次のタブ: %1、前のタブ: %2", // Japanese
        u"下一个选项卡：%1；上一个选项卡：%2", // Chinese
        u"Næste fane: %1, forrige fane: %2", // Danish
        u"Scheda successiva: %1; scheda precedente: %2", // Italian
        u"Następna karta: %1; poprzednia karta: %2", // Polish
        u"Pestaña siguiente: %1; pestaña anterior: %2", // Spanish
    } },

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

constexpr auto kOwnRowText = [](std::size_t row, LanguageSlot slot) {
    return kOwnRows[row].texts[slot];
};
constexpr CPackedTexts<kOwnRowCount, PackedLength<kOwnRowCount>(kOwnRowText)> kPackedOwnRows(
    kOwnRowText);
static_assert(kPackedOwnRows.ReadsBack(kOwnRowText));

constexpr auto kOwnIds = [] {
    std::array<MessageId, kOwnRowCount> ids {};
    for (int i = 0; i < kOwnRowCount; ++i)
        ids[i] = kOwnRows[i].id;
    return ids;
}();

// The row's index in kOwnIds, or -1.
int FindOwnRow(MessageId id)
{
    const auto found = std::lower_bound(kOwnIds.begin(), kOwnIds.end(), id);
    return found != kOwnIds.end() && *found == id ? int(found - kOwnIds.begin()) : -1;
}

} // namespace

QStringView OwnMessageTextInSlot(MessageId id, LanguageSlot slot)
{
    const int row = FindOwnRow(id);
    Q_ASSERT(row >= 0 && slot < LanguageSlotCount);
    return row >= 0 ? kPackedOwnRows.Text(std::size_t(row), slot) : QStringView();
}

bool IsOwnMessage(MessageId id)
{
    return FindOwnRow(id) >= 0;
}

int OwnMessageCount()
{
    return kOwnRowCount;
}

MessageId OwnMessageAt(int index)
{
    Q_ASSERT(index >= 0 && index < kOwnRowCount);
    return kOwnIds[std::size_t(index)];
}
