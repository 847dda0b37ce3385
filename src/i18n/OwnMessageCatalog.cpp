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
